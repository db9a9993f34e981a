#include "tournament/group/Statistics.h"

namespace {

// num / den rounded to the nearest integer, halves to even (den > 0).
qint64 roundHalfEven(qint64 num, qint64 den)
{
    const bool negative = num < 0;
    if (negative)
        num = -num;
    qint64 q = num / den;
    const qint64 twiceRest = 2 * (num % den);
    if (twiceRest > den || (twiceRest == den && q % 2 != 0))
        ++q;
    return negative ? -q : q;
}

} // namespace

int pointsPercent(const TEquipe *team)
{
    if (!team || team->played <= 0)
        return 0;
    return int(roundHalfEven(qint64(team->points) * 100, qint64(team->played) * 3));
}

QString moy_buts(const TEquipe *team, const MatchList &stage2, const std::vector<TButMatch> &matchGoals)
{
    if (!team)
        return QStringLiteral("0,0");
    qint64 goals = team->goals_for;
    qint64 matches = team->played;
    for (const TRencontre &m : stage2) {
        KnockoutScore parts;
        for (const TButMatch &b : matchGoals)
            if (b.kind == 'S' && b.belongsTo('K', m) && b.parts.fits(m.score1, m.score2))
                parts = b.parts;
        const bool kicks = parts.hasShootout();
        if (m.team1 == team->name) {
            goals += kicks ? parts.goals1() : m.score1;
            ++matches;
        } else if (m.team2 == team->name) {
            goals += kicks ? parts.goals2() : m.score2;
            ++matches;
        }
    }
    if (matches <= 0)
        return QStringLiteral("0,0");
    const qint64 tenths = roundHalfEven(goals * 10, matches);
    const qint64 whole = tenths < 0 ? -tenths : tenths;
    return QStringLiteral("%1%2,%3").arg(tenths < 0 ? QStringLiteral("-") : QString()).arg(whole / 10).arg(whole % 10);
}

std::vector<TButeur> meilleurs_buteurs(const Tournament &t)
{
    // The three largest distinct goal counts.
    qint32 g1 = 0, g2 = 0, g3 = 0;
    for (const TGroupe &g : t.groupes)
        for (const auto &team : g.teams)
            for (int i = 0; i <= lastPlayerIndex(team.get()); ++i) {
                const qint32 goals = team->squad[i].goals;
                if (goals > g1) {
                    g3 = g2;
                    g2 = g1;
                    g1 = goals;
                } else if (goals < g1 && goals > g2) {
                    g3 = g2;
                    g2 = goals;
                } else if (goals < g2 && goals > g3) {
                    g3 = goals;
                }
            }
    if (g1 == 0)
        return {};

    // Each player met goes to the front of his list, so within one goal
    // count the last player met comes first.
    std::vector<TButeur> lists[3];
    for (const TGroupe &g : t.groupes)
        for (const auto &team : g.teams)
            for (int i = 0; i <= lastPlayerIndex(team.get()); ++i) {
                const TJoueur &p = team->squad[i];
                int level = -1;
                if (p.goals == g1)
                    level = 0;
                else if (g2 != 0 && p.goals == g2)
                    level = 1;
                else if (g3 != 0 && p.goals == g3)
                    level = 2;
                if (level >= 0)
                    lists[level].insert(lists[level].begin(), TButeur{p, team.get()});
            }
    std::vector<TButeur> result;
    for (auto &list : lists)
        result.insert(result.end(), list.begin(), list.end());
    return result;
}

QString scorerLine(const TButeur &scorer)
{
    return scorer.player.name.text() + QLatin1Char('(') + (scorer.team ? scorer.team->name.text() : QString())
        + QStringLiteral(") ") + QString::number(scorer.player.goals);
}

QString playedMatchesLabel(int n)
{
    if (n <= 0)
        return QStringLiteral("no match was played.");
    if (n == 1)
        return QStringLiteral("1 match(of 48) has already been played.");
    if (n >= kGroupMatchCount)
        return QStringLiteral("All the matchs have been played.");
    return QString::number(n) + QStringLiteral(" matchs(of 48) have already been played.");
}
