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
    // The points taken from the team (its penaltyPoints), already out of
    // `points`; only the league table carries them, so that a table can
    // mark the row. Zero for no deduction and in the home and away tables.
    int deducted = 0;

    bool operator==(const StandingsRow &) const = default;
};

// The rule that puts a table row below the row above it: the first of the
// league's ranking rules in which the two teams differ. SlotOrder is the
// last resort, when no rule separates them.
enum class RankReason {
    None, // row 1, or a row past the league
    Points,
    GoalDiff,
    GoalsFor,
    DirectPoints,
    DirectGoalDiff,
    DirectGoalsFor,
    SlotOrder,
};

// "Punkte", "Tordifferenz", "Tore", "direkter Vergleich: Punkte", ...,
// "Reihenfolge der Mannschaften"; empty for None.
QString rankReasonText(RankReason reason);

// "Punktabzug: 8" for a row whose points were cut, empty otherwise: the
// note that stands with the reason of a place wherever places are explained.
QString deductionText(const StandingsRow &row);

// The six tables of a standings computation over the league's teamCount
// slots n. The accumulators hold one row per team slot (row i is slot i,
// rows 1..n); the sorted tables hold the slots in table order in rows 1..n,
// so the row number is the position. Row n + 1 of a sorted table only
// catches the row pushed out at the bottom while sorting. Element 0 of
// every array and the rows past the league are unused.
struct Standings {
    using Accumulator = std::array<StandingsRow, League::kMaxTeams + 1>;
    using Table = std::array<StandingsRow, League::kMaxTeams + 2>;
    // Element r (2..teamCount) says why row r of a sorted table stands
    // below row r - 1.
    using Reasons = std::array<RankReason, League::kMaxTeams + 2>;

    // The number of teams the tables were computed for: readers write rows
    // 1..teamCount.
    int teamCount = League::kTeams;
    // The last matchday counted: the tables stand after this matchday.
    int lastRound = League::kRounds;

    Accumulator accTotal;
    Accumulator accHome;
    Accumulator accAway;
    Table tableTotal;
    Table tableHome;
    Table tableAway;
    Reasons reasonTotal{};
    Reasons reasonHome{};
    Reasons reasonAway{};
};

// Rebuilds all six tables of `out` from the results of matchdays
// firstRound..roundCount, over teamCount slots and rowCount() rows per
// matchday. With an odd team count one team has no match on a matchday; it
// simply counts nothing there. A win is worth the league's winPoints, and
// teams level on points are ranked by its tieOrder; the reasons of every
// place are filled as well. Throws LeagueError on an integer overflow.
void TabBer(const League &league, Standings &out);
// The same after matchday `lastRound` (held to 0..roundCount): the tables
// of the league as if nothing after that matchday had been entered.
void TabBer(const League &league, Standings &out, int lastRound);

// The last matchday from firstRound on that holds a counted result, or 0
// when there is none: what "the table now" stands after.
int lastCountedRound(const League &league);

// True when `cand` belongs above `row`: more points, then a better goal
// difference, then more goals scored. This alone ranks a league with the
// default order; the direct comparison of the other orders is a matter of
// the group of teams level, not of two rows, and is applied by TabBer.
bool ranksAbove(const StandingsRow &cand, const StandingsRow &row);

// The ranking of one table on its own, for computations that accumulate
// their rows themselves (the fever curves). A game is a counted match
// between two slots of the league.
namespace Ranking {

struct Game {
    int home;
    int away;
    int goalsHome;
    int goalsAway;
};

// Which side of a game a table counts: the league table both, the home and
// away tables only their own. The direct comparison counts the same side.
enum class Side { Both, Home, Away };

// The counted games of matchdays firstRound..lastRound in matchday order,
// both teams within the league's slots; endOfRound[j] is the number of
// games up to and including matchday j, so that the games of the first j
// matchdays are a prefix of the list.
struct Games {
    std::array<Game, League::kMaxRounds * League::kMaxRows> list;
    std::array<int, League::kMaxRounds + 1> endOfRound{};
    int size = 0;
};
void collectGames(const League &league, int lastRound, Games &out);

// Counts one result into a team's row: a win, draw or loss and the goals.
void countResult(StandingsRow &row, int own, int other);

// The total row of slot `slot` from the games it has played: labelled, with
// the start values of a league that starts after matchday 1, the penalty
// points of every league, and games, points and goal difference derived. The league
// table and the curves both build their rows this way.
StandingsRow totalRow(const League &league, int slot, const StandingsRow &played);

// Sorts rows 1..teamCount of `acc` into `table` by the league's rules, the
// direct comparison reading the first `gameCount` games, and fills `why`
// when given.
void rank(const League &league, const Standings::Accumulator &acc, const Games &games, int gameCount,
          Side side, Standings::Table &table, Standings::Reasons *why);

// The position (1..teamCount) of slot `team` in the league table that
// rank() would give with Side::Both, found without sorting the whole
// table: the teams ahead before the direct comparison are counted, and
// only the team's own group of teams level is ordered.
int positionOf(const League &league, const Standings::Accumulator &acc, const Games &games, int gameCount,
               int team);

} // namespace Ranking
