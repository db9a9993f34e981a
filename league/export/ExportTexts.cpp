#include "league/export/Exporters.h"
#include "league/export/ExportText.h"

#include "common/Cp1252.h"
#include <QStringList>
#include "league/model/League.h"
#include "league/model/LeagueDate.h"

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

QString ExportHelpers::matchDateText(const League &league, int round, int row)
{
    const Match &m = league.match(round, row);
    QStringList parts;
    if (m.date.isValid())
        parts << LeagueDate::format(m.date);
    if (m.time.isValid())
        parts << m.time.toString(QStringLiteral("HH:mm"));
    if (league.isPostponed(round, row))
        parts << QStringLiteral("(Nachholspiel)");
    return parts.join(QLatin1Char(' '));
}

bool ExportHelpers::anyMatchDates(const League &league)
{
    for (int j = 1; j <= league.roundCount; ++j)
        for (int k = 1; k <= league.rowCount(); ++k) {
            const Match &m = league.results[j][k];
            if (m.date.isValid() || m.time.isValid())
                return true;
        }
    return false;
}
