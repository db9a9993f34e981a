#pragma once

#include "tournament/model/Tournament.h"
#include "tournament/model/TournamentFiles.h"

// "Reset All": empties both match lists and the qualifier slots and resets
// every statistic; the teams keep their order. With automatic save the
// files are written at once, otherwise modifie and qualif_a_effacer are set.
FileResult reinitialise_tout(Tournament &t, bool sauveAuto, const QString &dir);

// "Reset Stage 2": empties liste_tour2 and the qualifier slots; group results
// and players' goals stay.
FileResult reinitialise_tour2(Tournament &t, bool sauveAuto, const QString &dir);
