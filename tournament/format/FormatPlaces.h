#pragma once

#include <QString>
#include <QStringList>

#include "tournament/format/FormatTournament.h"

// What the closing windows say of a tournament of any format.
namespace FormatPlaces {

// "The World Cup 2026 champion is": the champion screen's line.
QString championLine(const TournamentFormat &format);

// The final ranking as the rankings window lists it: "1-Spain",
// "2-Argentina", then "3-" and "4-" from the match for third place, or,
// for a format without one, both losing semi-finalists as joint third
// ("3-England", "3-France"). A place not known yet is left out.
QStringList finalRanking(const FormatTournament &t, const FormatStandings &s);

} // namespace FormatPlaces
