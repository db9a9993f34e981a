#pragma once

#include <QByteArray>
#include <QString>

#include "common/FootballTxt.h"

// The files of the open football data are written by hand over many years
// and hold line forms the Football.TXT reader does not take. These turn
// them into the reader's forms line for line, so that every line keeps its
// number for the messages:
//   "(73) 12:00  A 0-1 B"              the official match number before the time
//   "    Germany:  Neuer - Kimmich, ..." line-ups under a match, over several lines
//   "June 12 18:00 @ Liège  A 1-1 B"   the venue before the teams
//   "A 1-2 B  (aet/gg)", "(aet, 3-1 pen)" the older notes of extra time and penalties
//   "(Scholl 28; Kluivert 24,38, Govedarica 51og, Shearer 40pen)" minutes without "'"
// Text that is none of these is left as it is.
namespace OlderForms {

QByteArray matches(const QByteArray &utf8);

// Squad lines with "-" where the shirt number is unknown: "-  GK  David Seaman",
// and lines of commas: "1, Matt TURNER, GK, b. 1994/06/24".
QByteArray squad(const QByteArray &utf8);

// The same for one squad line as the squad reader meets it, so that a long
// squad file is read once: a line of commas that names a player is read
// straight into *player (true); any other line is left to the reader,
// rewritten as squad() rewrites it (false).
bool squadLine(QString &line, FootballTxt::Player *player);

} // namespace OlderForms
