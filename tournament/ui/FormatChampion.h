#pragma once

#include <QDialog>

class FormatSession;
class QLabel;
class QPushButton;

// The champion screen of a tournament of any format, shown once the final
// is recorded: "The World Cup 2026 champion is", the champion's flag and
// name, and the final ranking, where a format without a match for third
// place lists both losing semi-finalists as third.
class FormatChampion : public QDialog
{
    Q_OBJECT
public:
    explicit FormatChampion(FormatSession &session, QWidget *parent = nullptr);

    // Shows the tournament as it stands; false while there is no champion.
    bool refresh();

    QLabel *line;    // "The World Cup 2026 champion is"
    QLabel *flag;
    QLabel *name;
    QLabel *ranking; // "1-Spain", "2-England", "3-France", "3-Germany", one a line
    QPushButton *okButton;

private:
    FormatSession &m_session;
};
