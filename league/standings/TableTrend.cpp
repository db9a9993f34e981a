#include "league/standings/TableTrend.h"

#include <algorithm>

TableTrend tableTrend(const League &league, int lastRound)
{
    TableTrend trend;
    const int last = std::clamp(lastRound, 0, league.roundCount);
    // Matchday order is the order the matches were played in as far as the
    // league knows it; a form longer than five keeps its newest end.
    for (int j = std::max(league.firstRound, 1); j <= last; ++j)
        for (int k = 1; k <= league.rowCount(); ++k) {
            const Match &m = league.results[j][k];
            if (!m.counts())
                continue;
            const auto note = [&](int slot, int own, int other) {
                if (slot < 1 || slot > league.teamCount)
                    return;
                QString &f = trend.form[slot];
                f += own > other ? QLatin1Char('S') : own == other ? QLatin1Char('U') : QLatin1Char('N');
                if (f.size() > 5)
                    f.remove(0, f.size() - 5);
            };
            note(m.teamA, m.goalsA, m.goalsB);
            note(m.teamB, m.goalsB, m.goalsA);
        }
    // A league entered from a later matchday has a table before its first
    // entered one, made of the start values; one entered from matchday 1
    // has none before that matchday.
    const int before = last - 1;
    if (last >= 1 && (before >= league.firstRound || league.firstRound > 1)) {
        Standings previous;
        TabBer(league, previous, before);
        for (int r = 1; r <= league.teamCount; ++r)
            trend.previousPlace[previous.tableTotal[r].team] = r;
    }
    return trend;
}
