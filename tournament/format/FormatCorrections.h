#pragma once

#include <vector>

#include <QString>

#include "tournament/format/FormatTournament.h"

// Correcting a recorded result of a tournament of any format. Rankings,
// the thirds and the bracket are never stored, so the corrected result is
// put in place and everything after it follows again; only the knock-out
// results that no longer stand where the bracket now puts their teams (a
// group winner changed, a quarter-final won by the other side) are taken
// back, and the caller is told which, to ask before and say after.
namespace FormatCorrections {

// Takes back every decision of a tie that the results no longer leave
// standing as it was decided (its teams are no longer level, or others are
// level with them), and the decisions that rested on it. Returns how many.
int dropStaleDecisions(FormatTournament &t);

// Takes back the stale decisions, then every knock-out result whose teams
// the bracket no longer puts in its match, and those that rested on it,
// until all that stay fit. Returns the knock-out numbers in the format's
// order of play.
std::vector<int> dropUnfitting(FormatTournament &t);

// Gives group match `index` (of t.groupMatches) the new score and drops
// what no longer fits. False, with t unchanged, for no such match or a
// score outside 0..MaxScore.
bool correctGroupMatch(FormatTournament &t, size_t index, int score1, int score2, std::vector<int> *dropped);

// Gives knock-out match `number` a new score (the kicks added, never level;
// parts may be unset) and drops the later results that no longer fit. False,
// with t unchanged, for a match not recorded, a level score or parts that do
// not add up to it.
bool correctKnockoutMatch(FormatTournament &t, int number, int score1, int score2, const KnockoutScore &parts,
                          std::vector<int> *dropped);

// "match 74 (Germany v Paraguay), match 89 (Germany v England)": the
// results a correction would take back, named as t has them before it.
QString describe(const FormatTournament &t, const std::vector<int> &numbers);

} // namespace FormatCorrections
