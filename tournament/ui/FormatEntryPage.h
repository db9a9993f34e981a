#pragma once

#include <functional>
#include <memory>

#include <QWidget>

#include "tournament/ui/KnockoutPartsFields.h"

class FormatSession;
class QComboBox;
class QLabel;
class QListWidget;
class QPushButton;
class QSpinBox;

// The entry of a result in a tournament of any format: a group match chosen
// by its group and teams, or a knock-out match opened on the bracket, its
// score, the scorers picked from the squads (a goal without a scorer line
// is an own goal) and, for a knock-out match level after 90 minutes, the
// score after extra time and, level again, the shoot-out.
class FormatEntryPage : public QWidget
{
    Q_OBJECT
public:
    FormatEntryPage(FormatSession &session, std::function<void(const QString &)> report, QWidget *parent = nullptr);

    // Prepares the entry of the knock-out match with that number; false when
    // its two teams are not known yet or it has been played.
    bool openMatch(int number);
    // Back to the entry of group matches.
    void openGroups();
    int knockoutMatch() const { return m_match; }
    void refresh();

    // Why the entry as it stands cannot be recorded, or an empty text.
    QString problem() const;
    // Records the entry when it can be; otherwise says why on the page.
    bool recordClick();

    QLabel *title;
    QComboBox *groupChoice;
    QComboBox *team1Choice;
    QComboBox *team2Choice;
    QSpinBox *score1;             // after 90 minutes
    QSpinBox *score2;
    QLabel *extraLabel;           // "After extra time"
    QSpinBox *extra1;             // blank: no extra time, straight to the kicks
    QSpinBox *extra2;
    QLabel *shootoutLabel;        // "Penalty shoot-out"
    QSpinBox *shootout1;
    QSpinBox *shootout2;
    QListWidget *players1;
    QListWidget *players2;
    QListWidget *scorers1;
    QListWidget *scorers2;
    QPushButton *recordButton;
    QPushButton *cancelButton;
    QLabel *message;

signals:
    // A knock-out match was recorded (the bracket shows it).
    void knockoutRecorded(int number);

private:
    int team1() const;
    int team2() const;
    void fillTeams();
    void fillSquads();
    void clearEntry();
    void updateShootout();
    // The result as typed: the parts beyond 90 minutes only for a knock-out
    // match level after them, the kicks only for one level after extra time.
    KnockoutScore parts() const;

    FormatSession &m_session;
    std::unique_ptr<KnockoutPartsFields> m_parts;
    std::function<void(const QString &)> m_report;
    int m_match = 0; // the knock-out match being entered, 0 for a group match
    bool m_level = false; // the 90 minutes were level at the last look
};
