#include "league/export/Exporters.h"
#include "league/export/ExportText.h"

#include "common/Cp1252.h"
#include "league/model/League.h"

// Shown after the program title in every document and on the curve
// picture, and on the line below it.
QString ExportTexts::credit()
{
    return QStringLiteral(" - die Ligaverwaltung");
}

QString ExportTexts::contact()
{
    return QStringLiteral("Tabellen, Kreuztabellen, Spieltage und Fieberkurven für jede Liga");
}

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
