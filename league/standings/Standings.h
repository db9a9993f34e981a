#pragma once

#include <QString>
#include <array>

class League;

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

// The six tables of a standings computation. The accumulators hold one row
// per team slot (row i is slot i, rows 1..18); the sorted tables hold the
// slots in table order in rows 1..18, so the row number is the position.
// Row 19 of a sorted table only catches the row pushed out at the bottom
// while sorting. Element 0 of every array is unused.
struct Standings {
    using Accumulator = std::array<StandingsRow, 19>;
    using Table = std::array<StandingsRow, 20>;

    Accumulator accTotal;
    Accumulator accHome;
    Accumulator accAway;
    Table tableTotal;
    Table tableHome;
    Table tableAway;
};

// Rebuilds all six tables of `out` from the results of matchdays
// firstRound..34. Throws LeagueError on an integer overflow.
void TabBer(const League &league, Standings &out);

// True when `cand` belongs above `row`: more points, then a better goal
// difference, then more goals scored. Nothing else separates two teams.
bool ranksAbove(const StandingsRow &cand, const StandingsRow &row);
