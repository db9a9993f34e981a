#include "league/standings/CrossTable.h"

#include "league/model/League.h"

void KreuzBer(const League &league, CrossGrid &grid)
{
    const int n = league.teamCount;
    for (int c = 0; c < CrossGrid::kMaxColumns; ++c)
        for (int r = 0; r < CrossGrid::kMaxRowCount; ++r)
            grid.setCell(c, r, QString());
    grid.setTeamCount(n);
    for (int i = 1; i <= n; ++i) {
        grid.setCell(0, i, QString::number(i));
        grid.setCell(i + 1, 0, QString::number(i));
        grid.setColumnWidth(i + 1, 42);
        grid.setCell(1, i, league.teamNames[i]);
    }

    for (int j = 1; j <= league.roundCount; ++j) {
        for (int k = 1; k <= league.rowCount(); ++k) {
            const Match &m = league.results[j][k];
            if (m.teamA < 1 || m.teamA > n || m.teamB < 1 || m.teamB > n)
                continue;
            // A half-entered match is not a result yet and shows as empty.
            const QString text = m.counts()
                ? QStringLiteral("%1 : %2").arg(m.goalsA).arg(m.goalsB)
                : QString();
            grid.setCell(m.teamB + 1, m.teamA, text);
        }
    }
    grid.setColumnWidth(0, 15);
    grid.setColumnWidth(1, 120);
}
