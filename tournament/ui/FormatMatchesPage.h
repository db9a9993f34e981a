#pragma once

#include <QWidget>

class FormatCorrectionDialog;
class FormatSession;
class Platform;
class QLabel;
class QPushButton;
class QTableWidget;
struct FormatKnockoutMatch;

// Every played match of a tournament of any format, the group matches in the
// order they were recorded, then the knock-out matches in the bracket's
// order, as many rows as the window has room for. A match is corrected in
// place ("Correct..."), and the last one recorded can be deleted; both say
// which matches they touch before acting.
class FormatMatchesPage : public QWidget
{
    Q_OBJECT
public:
    FormatMatchesPage(FormatSession &session, Platform &platform, QWidget *parent = nullptr);
    void refresh();

    // A knock-out result as the pages show it: "2-1", or how it went
    // beyond 90 minutes, "2-2 a.e.t. (1-1), 4-3 pen.".
    static QString scoreText(const FormatKnockoutMatch &k);

    // Opens the correction on the selected row (or the first).
    void correctClick();
    // Deletes the match recorded last, the last knock-out match once there
    // is one, after asking and naming it and what it takes back; false when
    // nothing was deleted.
    bool deleteLastClick();

    QLabel *countLabel;       // "48 of 72 group matches, 3 of 32 knock-out matches played"
    QTableWidget *matchTable; // stage, team 1, score, team 2
    QPushButton *correctButton;
    QPushButton *deleteButton;
    QLabel *message;          // what the last correction or deletion did
    FormatCorrectionDialog *correction;

private:
    FormatSession &m_session;
    Platform &m_platform;
};
