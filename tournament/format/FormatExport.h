#pragma once

#include "tournament/exchange/TournamentExport.h"
#include "tournament/format/FormatTournament.h"

// A tournament of any format as Football.TXT: its title the format's name,
// the "Group" lines in group order, the group matches in the order they were
// recorded, the knock-out matches in the order of the format under the name
// of their round, with the stored scores (a decided draw with its
// shoot-out's goals added, as stored). Read back with the format's import,
// the text gives the same tournament, ties the knock-out matches show
// included.
namespace FormatExport {

TournamentExport::Result write(const FormatTournament &t);

} // namespace FormatExport
