#pragma once

#include <QWidget>

class FormatSession;
class QTableWidget;

// The scorers of a tournament of any format, most goals first, and each
// team's matches and goals, extra time included; a shoot-out's kicks,
// which a knock-out score holds added, are no goals.
class FormatStatsPage : public QWidget
{
    Q_OBJECT
public:
    explicit FormatStatsPage(FormatSession &session, QWidget *parent = nullptr);
    void refresh();

    QTableWidget *scorers; // player, team, goals
    QTableWidget *teams; // team, matches, goals for, goals against

private:
    FormatSession &m_session;
};
