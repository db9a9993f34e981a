#include "league/standings/Standings.h"

#include "league/model/League.h"
#include "league/model/LeagueError.h"

#include <algorithm>
#include <cstdint>

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

void derive(StandingsRow &row, int winPoints)
{
    row.goalDiff = sub(row.goalsFor, row.goalsAgainst);
    row.games = add(add(row.wins, row.draws), row.losses);
    row.points = add(mul(winPoints, row.wins), row.draws);
}

// Home and away rows of matchdays firstRound..lastRound, labelled and
// derived.
void accumulateHomeAway(const League &league, int lastRound, Standings::Accumulator &home,
                        Standings::Accumulator &away)
{
    const int n = league.teamCount;
    for (int i = 1; i <= n; ++i) {
        home[i] = StandingsRow{};
        away[i] = StandingsRow{};
        home[i].team = away[i].team = i;
        home[i].name = away[i].name = league.teamNames[i];
    }
    for (int j = std::max(league.firstRound, 1); j <= lastRound; ++j) {
        for (int k = 1; k <= league.rowCount(); ++k) {
            const Match &m = league.results[j][k];
            if (!m.counts())
                continue;
            // Slot 0 (no team) and values outside the slots match no team.
            const bool homeValid = m.teamA >= 1 && m.teamA <= n;
            const bool awayValid = m.teamB >= 1 && m.teamB <= n;
            if (homeValid)
                Ranking::countResult(home[m.teamA], m.goalsA, m.goalsB);
            if (awayValid)
                Ranking::countResult(away[m.teamB], m.goalsB, m.goalsA);
        }
    }
    for (int i = 1; i <= n; ++i) {
        derive(home[i], league.winPoints);
        derive(away[i], league.winPoints);
    }
}

void combineTotal(const League &league, const Standings::Accumulator &home,
                  const Standings::Accumulator &away, Standings::Accumulator &total)
{
    for (int i = 1; i <= league.teamCount; ++i) {
        StandingsRow played;
        played.wins = add(home[i].wins, away[i].wins);
        played.draws = add(home[i].draws, away[i].draws);
        played.losses = add(home[i].losses, away[i].losses);
        played.goalsFor = add(home[i].goalsFor, away[i].goalsFor);
        played.goalsAgainst = add(home[i].goalsAgainst, away[i].goalsAgainst);
        total[i] = Ranking::totalRow(league, i, played);
    }
}

} // namespace

namespace Ranking {

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

StandingsRow totalRow(const League &league, int slot, const StandingsRow &played)
{
    // Start values stand for games before the first entered matchday, so
    // they only exist in a league that starts later. A point deduction is a
    // ruling on the team, not a result, and counts in every league.
    const bool startedEarlier = league.firstRound > 1;
    StandingsRow t = played;
    t.team = slot;
    t.name = league.teamNames[slot];
    if (startedEarlier) {
        t.wins = add(t.wins, league.startWins[slot]);
        t.draws = add(t.draws, league.startDraws[slot]);
        t.losses = add(t.losses, league.startLosses[slot]);
        t.goalsFor = add(t.goalsFor, league.startGoalsFor[slot]);
        t.goalsAgainst = add(t.goalsAgainst, league.startGoalsAgainst[slot]);
    }
    derive(t, league.winPoints);
    t.deducted = league.penaltyPoints[slot];
    t.points = sub(t.points, t.deducted);
    return t;
}

} // namespace Ranking

bool ranksAbove(const StandingsRow &cand, const StandingsRow &row)
{
    if (cand.points != row.points)
        return cand.points > row.points;
    if (cand.goalDiff != row.goalDiff)
        return cand.goalDiff > row.goalDiff;
    return cand.goalsFor > row.goalsFor;
}

QString rankReasonText(RankReason reason)
{
    switch (reason) {
    case RankReason::Points: return QStringLiteral("Punkte");
    case RankReason::GoalDiff: return QStringLiteral("Tordifferenz");
    case RankReason::GoalsFor: return QStringLiteral("Tore");
    case RankReason::DirectPoints: return QStringLiteral("direkter Vergleich: Punkte");
    case RankReason::DirectGoalDiff: return QStringLiteral("direkter Vergleich: Tordifferenz");
    case RankReason::DirectGoalsFor: return QStringLiteral("direkter Vergleich: Tore");
    case RankReason::SlotOrder: return QStringLiteral("Reihenfolge der Mannschaften");
    case RankReason::None: break;
    }
    return QString();
}

QString deductionText(const StandingsRow &row)
{
    return row.deducted ? QStringLiteral("Punktabzug: %1").arg(row.deducted) : QString();
}

namespace {

void sortInto(const Standings::Accumulator &acc, int teams, Standings::Table &table)
{
    // A stable insertion sort: each team rises from the bottom past every
    // row it ranks above, and a tie never moves it, so teams equal in all
    // keys keep slot order. No row stands in for "empty", so a team keeps
    // its place in the table however low its points go.
    for (int r = 1; r <= teams + 1; ++r)
        table[r] = StandingsRow{};
    for (int i = 1; i <= teams; ++i) {
        int r = i;
        while (r > 1 && ranksAbove(acc[i], table[r - 1])) {
            table[r] = table[r - 1];
            --r;
        }
        table[r] = acc[i];
    }
}

// The first of points, goal difference and goals scored in which `upper`
// is ahead of `lower`, or SlotOrder.
RankReason overallReason(const StandingsRow &upper, const StandingsRow &lower)
{
    if (upper.points != lower.points)
        return RankReason::Points;
    if (upper.goalDiff != lower.goalDiff)
        return RankReason::GoalDiff;
    if (upper.goalsFor != lower.goalsFor)
        return RankReason::GoalsFor;
    return RankReason::SlotOrder;
}

// What is left once the direct comparison separates nothing more: with the
// direct comparison last only the slot order; with it first the overall
// goal difference and goals scored, by which the group already stands.
RankReason afterDirect(TieOrder order, const StandingsRow &upper, const StandingsRow &lower)
{
    if (order == TieOrder::GoalsThenDirect)
        return RankReason::SlotOrder;
    if (upper.goalDiff != lower.goalDiff)
        return RankReason::GoalDiff;
    if (upper.goalsFor != lower.goalsFor)
        return RankReason::GoalsFor;
    return RankReason::SlotOrder;
}

// The direct comparison: the table of the games among the teams of one group.
// Start values and penalty points have no opponent, so they cannot enter it;
// it holds entered matches only, while the overall rules around it count the
// start values as every table does.
struct DirectRow {
    int points = 0;
    int goalsFor = 0;
    int goalsAgainst = 0;
    int goalDiff() const { return sub(goalsFor, goalsAgainst); }
};

struct DirectKey {
    int points, goalDiff, goalsFor;
    bool operator==(const DirectKey &) const = default;
    bool operator>(const DirectKey &o) const
    {
        if (points != o.points)
            return points > o.points;
        if (goalDiff != o.goalDiff)
            return goalDiff > o.goalDiff;
        return goalsFor > o.goalsFor;
    }
};

RankReason directReason(const DirectKey &upper, const DirectKey &lower)
{
    if (upper.points != lower.points)
        return RankReason::DirectPoints;
    if (upper.goalDiff != lower.goalDiff)
        return RankReason::DirectGoalDiff;
    return RankReason::DirectGoalsFor;
}

struct DirectContext {
    const League &league;
    const Ranking::Games &games;
    int gameCount;
    Ranking::Side side;
    Standings::Table &table;
    Standings::Reasons &why;
};

void countDirect(DirectRow &row, int own, int other, int winPoints)
{
    if (own > other)
        row.points = add(row.points, winPoints);
    else if (own == other)
        row.points = add(row.points, 1);
    row.goalsFor = add(row.goalsFor, own);
    row.goalsAgainst = add(row.goalsAgainst, other);
}

// Orders rows b..e - 1 of the table, a group level by the rules before,
// by the table of the games among them. Teams it leaves level are compared
// again on the games among themselves only; once it separates nothing,
// the group keeps the order it came in, which is the order of the rules
// after the direct comparison.
void resolveDirect(DirectContext &c, int b, int e)
{
    std::uint32_t members = 0;
    for (int r = b; r < e; ++r)
        members |= std::uint32_t(1) << c.table[r].team;
    std::array<DirectRow, League::kMaxTeams + 1> rows{};
    const bool home = c.side != Ranking::Side::Away;
    const bool away = c.side != Ranking::Side::Home;
    for (int g = 0; g < c.gameCount; ++g) {
        const Ranking::Game &game = c.games.list[g];
        if (!(members >> game.home & 1) || !(members >> game.away & 1))
            continue;
        if (home)
            countDirect(rows[game.home], game.goalsHome, game.goalsAway, c.league.winPoints);
        if (away)
            countDirect(rows[game.away], game.goalsAway, game.goalsHome, c.league.winPoints);
    }
    std::array<DirectKey, League::kMaxTeams + 2> key{};
    for (int r = b; r < e; ++r) {
        const DirectRow &d = rows[c.table[r].team];
        key[r] = DirectKey{d.points, d.goalDiff(), d.goalsFor};
    }
    // A stable insertion sort: teams level in the direct comparison keep
    // the order they came in.
    for (int r = b + 1; r < e; ++r) {
        for (int q = r; q > b && key[q] > key[q - 1]; --q) {
            std::swap(key[q], key[q - 1]);
            std::swap(c.table[q], c.table[q - 1]);
        }
    }
    if (key[b] == key[e - 1]) {
        const TieOrder order = c.league.tieOrder;
        for (int r = b + 1; r < e; ++r)
            c.why[r] = afterDirect(order, c.table[r - 1], c.table[r]);
        return;
    }
    int start = b;
    for (int r = b + 1; r <= e; ++r) {
        if (r < e && key[r] == key[start])
            continue;
        if (r < e)
            c.why[r] = directReason(key[r - 1], key[r]);
        if (r - start >= 2)
            resolveDirect(c, start, r);
        start = r;
    }
}

bool realTeam(const StandingsRow &row, int teams)
{
    return row.team >= 1 && row.team <= teams;
}

// Teams that the rules before the direct comparison leave level: equal in
// points and, with the direct comparison last, in goal difference and
// goals scored as well.
bool levelBeforeDirect(TieOrder order, const StandingsRow &a, const StandingsRow &b)
{
    if (a.points != b.points)
        return false;
    return order == TieOrder::DirectThenGoals || (a.goalDiff == b.goalDiff && a.goalsFor == b.goalsFor);
}

} // namespace

namespace Ranking {

void collectGames(const League &league, int lastRound, Games &out)
{
    out.size = 0;
    out.endOfRound.fill(0);
    const int n = league.teamCount;
    const int last = std::clamp(lastRound, 0, league.roundCount);
    for (int j = 1; j <= last; ++j) {
        if (j >= league.firstRound) {
            for (int k = 1; k <= league.rowCount(); ++k) {
                const Match &m = league.results[j][k];
                if (m.counts() && m.teamA >= 1 && m.teamA <= n && m.teamB >= 1 && m.teamB <= n)
                    out.list[out.size++] = Game{m.teamA, m.teamB, m.goalsA, m.goalsB};
            }
        }
        out.endOfRound[j] = out.size;
    }
}

void rank(const League &league, const Standings::Accumulator &acc, const Games &games, int gameCount, Side side,
          Standings::Table &table, Standings::Reasons *why)
{
    const int n = league.teamCount;
    sortInto(acc, n, table);
    Standings::Reasons local;
    Standings::Reasons &reasons = why ? *why : local;
    reasons.fill(RankReason::None);
    for (int r = 2; r <= n; ++r)
        reasons[r] = overallReason(table[r - 1], table[r]);
    const TieOrder order = league.tieOrder;
    if (order == TieOrder::Goals)
        return;

    // Within each group level before the direct comparison the rows stand
    // by the rules that follow it (slot order, or goal difference, goals
    // scored and slot order), which resolveDirect keeps where the games
    // among them separate nothing.
    DirectContext c{league, games, std::clamp(gameCount, 0, games.size), side, table, reasons};
    int start = 1;
    for (int r = 2; r <= n + 1; ++r) {
        if (r <= n && realTeam(table[r], n) && realTeam(table[start], n)
            && levelBeforeDirect(order, table[start], table[r]))
            continue;
        if (r - start >= 2 && realTeam(table[start], n)) {
            resolveDirect(c, start, r);
            // The reasons inside the group come from the direct comparison
            // and what follows it; where a group ends, the rule before it.
        }
        start = r;
    }
}

int positionOf(const League &league, const Standings::Accumulator &acc, const Games &games, int gameCount,
               int team)
{
    const int n = league.teamCount;
    const TieOrder order = league.tieOrder;
    const StandingsRow &own = acc[team];
    int ahead = 0;
    Standings::Table group;
    int size = 0;
    for (int i = 1; i <= n; ++i) {
        if (order != TieOrder::Goals && levelBeforeDirect(order, acc[i], own)) {
            // The group enters the direct comparison in the order the
            // rules after it give: a stable sort by goal difference and
            // goals scored (all equal with the direct comparison last).
            int r = ++size;
            while (r > 1 && ranksAbove(acc[i], group[r - 1])) {
                group[r] = group[r - 1];
                --r;
            }
            group[r] = acc[i];
            group[r].team = i;
        } else if (ranksAbove(acc[i], own) || (i < team && !ranksAbove(own, acc[i]))) {
            ++ahead;
        }
    }
    if (size <= 1)
        return ahead + 1;
    Standings::Reasons why;
    DirectContext c{league, games, std::clamp(gameCount, 0, games.size), Side::Both, group, why};
    resolveDirect(c, 1, size + 1);
    int r = 1;
    while (r < size && group[r].team != team)
        ++r;
    return ahead + r;
}

} // namespace Ranking

int lastCountedRound(const League &league)
{
    for (int j = league.roundCount; j >= std::max(league.firstRound, 1); --j)
        for (int k = 1; k <= league.rowCount(); ++k)
            if (league.results[j][k].counts())
                return j;
    return 0;
}

void TabBer(const League &league, Standings &out)
{
    TabBer(league, out, league.roundCount);
}

void TabBer(const League &league, Standings &out, int lastRound)
{
    // Rows past the league stay empty, so no reader finds a team of an
    // earlier, larger computation there.
    out = Standings{};
    out.teamCount = league.teamCount;
    out.lastRound = std::clamp(lastRound, 0, league.roundCount);
    accumulateHomeAway(league, out.lastRound, out.accHome, out.accAway);
    combineTotal(league, out.accHome, out.accAway, out.accTotal);
    // The default order reads no games; the others read those of the
    // matchdays counted.
    Ranking::Games games;
    if (league.tieOrder != TieOrder::Goals)
        Ranking::collectGames(league, out.lastRound, games);
    else
        games.size = 0;
    Ranking::rank(league, out.accTotal, games, games.size, Ranking::Side::Both, out.tableTotal, &out.reasonTotal);
    Ranking::rank(league, out.accHome, games, games.size, Ranking::Side::Home, out.tableHome, &out.reasonHome);
    Ranking::rank(league, out.accAway, games, games.size, Ranking::Side::Away, out.tableAway, &out.reasonAway);
}
