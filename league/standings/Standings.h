#pragma once

#include "league/model/League.h"

#include <QString>
#include <array>

// One row of a league table. Field order follows the table columns.
struct StandingsRow {
    int team = 0;
    QString name;
    int games = 0;
    int wins = 0;
    int draws = 0;
    int losses = 0;
    int points = 0;
    int goalsFor = 0;
    int goalsAgainst = 0;
    int goalDiff = 0;

    bool operator==(const StandingsRow &) const = default;
};

// The six tables of a standings computation over the league's teamCount
// slots n. The accumulators hold one row per team slot (row i is slot i,
// rows 1..n); the sorted tables hold the slots in table order in rows 1..n,
// so the row number is the position. Row n + 1 of a sorted table only
// catches the row pushed out at the bottom while sorting. Element 0 of
// every array and the rows past the league are unused.
struct Standings {
    using Accumulator = std::array<StandingsRow, League::kMaxTeams + 1>;
    using Table = std::array<StandingsRow, League::kMaxTeams + 2>;

    // The number of teams the tables were computed for: readers write rows
    // 1..teamCount.
    int teamCount = League::kTeams;

    Accumulator accTotal;
    Accumulator accHome;
    Accumulator accAway;
    Table tableTotal;
    Table tableHome;
    Table tableAway;
};

// Rebuilds all six tables of `out` from the results of matchdays
// firstRound..roundCount, over teamCount slots and rowCount() rows per
// matchday. With an odd team count one team has no match on a matchday; it
// simply counts nothing there. Throws LeagueError on an integer overflow.
void TabBer(const League &league, Standings &out);

// True when `cand` belongs above `row`: more points, then a better goal
// difference, then more goals scored. Nothing else separates two teams.
bool ranksAbove(const StandingsRow &cand, const StandingsRow &row);
