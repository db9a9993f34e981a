#pragma once

#include "tournament/model/Tournament.h"
#include "tournament/model/TournamentFiles.h"

// "Reset All": empties both match lists and the qualifier slots and resets
// every statistic; the teams keep their order. qualif_a_effacer is set.
// Returns the files it put out of date: every data file, qualif.dat to go.
unsigned resetEverything(Tournament &t);

// "Reset Stage 2": empties liste_tour2 and the qualifier slots and takes the
// knock-out goals back from the players, so that playing the stage again
// does not count them twice; group results and group goals stay. Goals of a
// match recorded before its scorers were kept cannot be told apart and stay.
// qualif_a_effacer is set. Returns the files it put out of date.
unsigned resetStageTwo(Tournament &t);

// The stage-2 matches whose scorers were not kept (recorded before buteurs.dat).
int stage2MatchesWithoutScorers(const Tournament &t);

// Takes back the goals matchGoals notes for the match of list `liste` ('G'
// or 'K') from its two teams (never below 0, since goals may have been
// corrected by hand) and drops its notes. False when the match had none.
bool takeBackGoals(Tournament &t, char liste, const TRencontre &match, TEquipe *team1, TEquipe *team2);
