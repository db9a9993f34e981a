#include "league/standings/CrossTable.h"

#include "league/model/League.h"

void KreuzBer(const League &league, CrossGrid &grid)
{
    for (int i = 1; i <= League::kTeams; ++i) {
        grid.setCell(0, i, QString::number(i));
        grid.setCell(i + 1, 0, QString::number(i));
        grid.setColumnWidth(i + 1, 42);
        grid.setCell(1, i, league.teamNames[i]);
        for (int b = 1; b <= League::kTeams; ++b)
            grid.setCell(b + 1, i, QString());
    }
    grid.setCell(1, 0, QString());
    grid.setCell(0, 0, QString());

    for (int j = 1; j <= League::kRounds; ++j) {
        for (int k = 1; k <= League::kRows; ++k) {
            const Match &m = league.results[j][k];
            if (m.teamA < 1 || m.teamA > League::kTeams || m.teamB < 1 || m.teamB > League::kTeams)
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
