#include "league/model/FooterTexts.h"

namespace FooterTexts {

QString credit()
{
    return QStringLiteral(" - die Ligaverwaltung");
}

QString contact()
{
    return QStringLiteral("Tabellen, Kreuztabellen, Spieltage und Fieberkurven für jede Liga");
}

} // namespace FooterTexts
