#pragma once

#include "league/model/League.h"
#include "league/standings/Standings.h"

#include <QString>
#include <array>

// What a league table can show beside its rows besides the numbers: each
// team's form and where it stood after the matchday before.
struct TableTrend {
    // By slot: the results of the team's last five counted matches up to
    // the matchday the table stands after, oldest left, newest right, as
    // "S" (won), "U" (drawn) and "N" (lost).
    std::array<QString, League::kMaxTeams + 1> form;
    // By slot: the team's place in the league table after the matchday
    // before, or 0 when there is no such table (the first matchday of a
    // league entered from its start).
    std::array<int, League::kMaxTeams + 1> previousPlace{};
};

// The trend of the league table after matchday `lastRound` (held to
// 0..roundCount). Throws LeagueError where TabBer does.
TableTrend tableTrend(const League &league, int lastRound);

// The places a team rose (positive) or fell since the matchday before.
inline int placesGained(const TableTrend &trend, int slot, int place)
{
    const int before = trend.previousPlace[slot];
    return before ? before - place : 0;
}
