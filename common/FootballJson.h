#pragma once

#include "common/FootballTxt.h"

#include <QByteArray>

// The JSON form of a league's matches from the open football data projects
// ("Football.JSON"):
//   {"name": "...", "matches": [{"round": "Matchday 1", "date": "2023-08-18",
//     "time": "20:30", "team1": "...", "team2": "...",
//     "score": {"ht": [0, 1], "ft": [0, 4]}}, ...]}
// read into the structure of the text format: one stage, a round for each
// run of matches with the same "round". Besides the keys above the reader
// takes "et" and "p" in "score", "ground", and "goals1"/"goals2" lists of
// {"name", "minute", "offset", "penalty", "owngoal"}; a team may also be an
// object with a "name".
namespace FootballJson {

constexpr qint64 kMaxBytes = FootballTxt::kMaxBytes;

FootballTxt::ReadResult read(const QByteArray &json);

// Every match of every stage, in order; goals that the text form gives to
// no team are left out, since the JSON form has no place for them.
QByteArray write(const FootballTxt::Document &doc);

} // namespace FootballJson
