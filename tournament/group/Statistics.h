#pragma once

#include <vector>

#include <QString>

#include "tournament/model/Tournament.h"

// Share of the possible group points (progress bar 0..100): halves to even,
// 0 without a played match.
int pointsPercent(const TEquipe *team);

// Average goals per match over both stages as "1,8" (halves to even).
QString moy_buts(const TEquipe *team, const MatchList &stage2);

// Best scorers: the players of the three highest goal counts, highest first,
// in reverse walk order within one count.
std::vector<TButeur> meilleurs_buteurs(const Tournament &t);

// "name(team) goals".
QString scorerLine(const TButeur &scorer);

// The text of the played-matches label for n recorded group matches.
QString playedMatchesLabel(int n);
