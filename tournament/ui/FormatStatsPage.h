#pragma once

#include <QWidget>

class FormatSession;
class QTableWidget;

// The scorers of a tournament of any format, most goals first, and each
// team's group matches and goals (a knock-out score may hold a shoot-out's
// kicks, which are no goals).
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
