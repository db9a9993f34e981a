#pragma once

#include <vector>

#include <QString>

#include "tournament/model/Tournament.h"

// Share of the possible group points (progress bar 0..100): halves to even,
// 0 without a played match.
int pointsPercent(const TEquipe *team);

// Average goals per match over both stages as "1,8" (halves to even).
// A knock-out match counts its goals: where buteurs.dat (matchGoals) keeps
// how it went beyond 90 minutes, the kicks of the shoot-out are left out;
// a match recorded before counts its stored score, kicks and all.
QString moy_buts(const TEquipe *team, const MatchList &stage2, const std::vector<TButMatch> &matchGoals = {});

// Best scorers: the players of the three highest goal counts, highest first,
// in reverse walk order within one count.
std::vector<TButeur> meilleurs_buteurs(const Tournament &t);

// "name(team) goals".
QString scorerLine(const TButeur &scorer);

// The text of the played-matches label for n recorded group matches.
QString playedMatchesLabel(int n);
