#pragma once

#include <array>

#include "tournament/model/Tournament.h"
#include "tournament/model/TournamentFiles.h"

// True when team a stays ahead of team b: points, goal difference, goals
// for, then their mutual match (a stays ahead without one or on a draw).
bool passe_devant(const MatchList &matches, const TEquipe *a, const TEquipe *b);

// Re-ranks the group in place. Teams that no rule separates keep their
// previous relative order.
void trie_groupe(const MatchList &matches, TGroupe &group);

// True when only drawing lots can separate the two teams: equal points, goal
// difference and goals for, and their mutual match unplayed or level.
bool ex_aequo(const MatchList &matches, const TEquipe *a, const TEquipe *b);

// The sixteen qualifier slots from the rankings as they stand; a slot that
// only lots can decide stays empty.
std::array<TEquipe *, kQualifierCount> calcule_qualifies(const std::vector<TGroupe> &groups,
                                                         const MatchList &matches);

