#include "league/model/FooterTexts.h"

#include "league/model/League.h"

namespace FooterTexts {

QString credit()
{
    return QStringLiteral(" - die Ligaverwaltung");
}

QString headline(const QString &leagueName)
{
    const QString name = leagueName.trimmed();
    return name.isEmpty() ? QString::fromLatin1(League::kProgramTitle) + credit() : name;
}

QString contact()
{
    return QStringLiteral("Tabellen, Kreuztabellen, Spieltage und Fieberkurven für jede Liga");
}

} // namespace FooterTexts
