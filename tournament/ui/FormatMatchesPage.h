#pragma once

#include <QWidget>

struct FormatKnockoutMatch;

class FormatSession;
class QLabel;
class QTableWidget;

// Every played match of a tournament of any format, the group matches in the
// order they were recorded, then the knock-out matches in the bracket's
// order, as many rows as the window has room for.
class FormatMatchesPage : public QWidget
{
    Q_OBJECT
public:
    explicit FormatMatchesPage(FormatSession &session, QWidget *parent = nullptr);
    void refresh();

    // A knock-out result as the pages show it: "2-1", or how it went
    // beyond 90 minutes, "2-2 a.e.t. (1-1), 4-3 pen.".
    static QString scoreText(const FormatKnockoutMatch &k);

    QLabel *countLabel;       // "48 of 72 group matches, 3 of 32 knock-out matches played"
    QTableWidget *matchTable; // stage, team 1, score, team 2

private:
    FormatSession &m_session;
};
