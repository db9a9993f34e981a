#include "league/export/Exporters.h"
#include "league/export/ExportText.h"

#include "common/Cp1252.h"
#include "league/model/League.h"

bool ExportHelpers::roundUsed(const League &league, int round)
{
    for (int k = 1; k <= league.rowCount(); ++k) {
        const Match &m = league.match(round, k);
        if (m.teamA != 0 || m.teamB != 0 || m.goalsA != -1 || m.goalsB != -1)
            return true;
    }
    return false;
}

QString ExportHelpers::teamName(const League &league, int slot)
{
    return slot >= 1 && slot <= league.teamCount ? league.teamNames[slot] : QString();
}
