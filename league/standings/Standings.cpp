#include "league/standings/Standings.h"

#include "league/model/League.h"
#include "league/model/LeagueError.h"

#include <algorithm>

namespace {

// Start values come from the league file unchecked, so every sum is tested
// and an overflow ends the command with the runtime's message instead of
// producing a wrapped total.
[[noreturn]] void overflow()
{
    throw LeagueError(QStringLiteral("Integerüberlauf"));
}

int add(int a, int b)
{
    int r;
    if (__builtin_add_overflow(a, b, &r))
        overflow();
    return r;
}

int sub(int a, int b)
{
    int r;
    if (__builtin_sub_overflow(a, b, &r))
        overflow();
    return r;
}

int mul(int a, int b)
{
    int r;
    if (__builtin_mul_overflow(a, b, &r))
        overflow();
    return r;
}

void derive(StandingsRow &row)
{
    row.goalDiff = sub(row.goalsFor, row.goalsAgainst);
    row.games = add(add(row.wins, row.draws), row.losses);
    row.points = add(mul(3, row.wins), row.draws);
}

void countResult(StandingsRow &row, int own, int other)
{
    if (own > other)
        row.wins = add(row.wins, 1);
    else if (own == other)
        row.draws = add(row.draws, 1);
    else
        row.losses = add(row.losses, 1);
    row.goalsFor = add(row.goalsFor, own);
    row.goalsAgainst = add(row.goalsAgainst, other);
}

// Home and away rows of matchdays firstRound..roundCount, labelled and
// derived.
void accumulateHomeAway(const League &league, Standings::Accumulator &home, Standings::Accumulator &away)
{
    const int n = league.teamCount;
    for (int i = 1; i <= n; ++i) {
        home[i] = StandingsRow{};
        away[i] = StandingsRow{};
        home[i].team = away[i].team = i;
        home[i].name = away[i].name = league.teamNames[i];
    }
    for (int j = std::max(league.firstRound, 1); j <= league.roundCount; ++j) {
        for (int k = 1; k <= league.rowCount(); ++k) {
            const Match &m = league.results[j][k];
            if (!m.counts())
                continue;
            // Slot 0 (no team) and values outside the slots match no team.
            const bool homeValid = m.teamA >= 1 && m.teamA <= n;
            const bool awayValid = m.teamB >= 1 && m.teamB <= n;
            if (homeValid)
                countResult(home[m.teamA], m.goalsA, m.goalsB);
            if (awayValid)
                countResult(away[m.teamB], m.goalsB, m.goalsA);
        }
    }
    for (int i = 1; i <= n; ++i) {
        derive(home[i]);
        derive(away[i]);
    }
}

void combineTotal(const League &league, const Standings::Accumulator &home,
                  const Standings::Accumulator &away, Standings::Accumulator &total)
{
    // Start values and penalty points stand for games before the first
    // entered matchday, so they only exist in a league that starts later.
    const bool startedEarlier = league.firstRound > 1;
    for (int i = 1; i <= league.teamCount; ++i) {
        StandingsRow &t = total[i];
        t.team = i;
        t.name = league.teamNames[i];
        t.wins = add(home[i].wins, away[i].wins);
        t.draws = add(home[i].draws, away[i].draws);
        t.losses = add(home[i].losses, away[i].losses);
        t.goalsFor = add(home[i].goalsFor, away[i].goalsFor);
        t.goalsAgainst = add(home[i].goalsAgainst, away[i].goalsAgainst);
        if (startedEarlier) {
            t.wins = add(t.wins, league.startWins[i]);
            t.draws = add(t.draws, league.startDraws[i]);
            t.losses = add(t.losses, league.startLosses[i]);
            t.goalsFor = add(t.goalsFor, league.startGoalsFor[i]);
            t.goalsAgainst = add(t.goalsAgainst, league.startGoalsAgainst[i]);
        }
        derive(t);
        if (startedEarlier)
            t.points = sub(t.points, league.penaltyPoints[i]);
    }
}

void sortInto(const Standings::Accumulator &acc, int teams, Standings::Table &table);

} // namespace

bool ranksAbove(const StandingsRow &cand, const StandingsRow &row)
{
    if (cand.points != row.points)
        return cand.points > row.points;
    if (cand.goalDiff != row.goalDiff)
        return cand.goalDiff > row.goalDiff;
    return cand.goalsFor > row.goalsFor;
}

namespace {

void sortInto(const Standings::Accumulator &acc, int teams, Standings::Table &table)
{
    // -32000 in every field marks an empty row that any real team beats.
    StandingsRow empty;
    empty.team = empty.games = empty.wins = empty.draws = empty.losses = -32000;
    empty.points = empty.goalsFor = empty.goalsAgainst = empty.goalDiff = -32000;
    for (int r = 1; r <= teams + 1; ++r)
        table[r] = empty;

    // Each candidate rises from the bottom past every row it ranks above; a
    // tie never moves it, so teams equal in all keys keep slot order.
    for (int i = 1; i <= teams; ++i) {
        for (int r = teams; r >= 1; --r) {
            if (ranksAbove(acc[i], table[r])) {
                table[r + 1] = table[r];
                table[r] = acc[i];
            }
        }
    }
}

} // namespace

void TabBer(const League &league, Standings &out)
{
    // Rows past the league stay empty, so no reader finds a team of an
    // earlier, larger computation there.
    out = Standings{};
    out.teamCount = league.teamCount;
    accumulateHomeAway(league, out.accHome, out.accAway);
    combineTotal(league, out.accHome, out.accAway, out.accTotal);
    sortInto(out.accTotal, out.teamCount, out.tableTotal);
    sortInto(out.accHome, out.teamCount, out.tableHome);
    sortInto(out.accAway, out.teamCount, out.tableAway);
}
