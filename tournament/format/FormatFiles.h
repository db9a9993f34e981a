#pragma once

#include <QByteArray>
#include <QString>

#include "tournament/format/FormatTournament.h"
#include "tournament/model/TournamentFiles.h"

// The files of a tournament of any format but the classic 32-team one,
// beside which a folder may still hold the classic files of an older
// tournament (they are never read for it):
//
//   tournament.format  the format file the tournament follows, as written
//                      (a shipped one or the user's own); its presence says
//                      the folder holds a tournament of this format
//   tournament.data    UTF-8 with LF, one record a line, fields separated by
//                      one TAB, each record with its exact number of fields:
//                        trophex-tournament 1
//                        format   NAME          the format file's name line
//                        team     GROUP NAME FLAG            four per group, in the draw's order
//                        player   TEAM NAME GOALS            up to 26 per team, in squad order
//                        group    TEAM1 TEAM2 SCORE1 SCORE2  a group match
//                        knockout NUMBER TEAM1 TEAM2 SCORE1 SCORE2 [AFTER90 AFTEREXTRA SHOOTOUT]
//                                 a knock-out match of the bracket; a level match holds
//                                 the shoot-out's goals, so it is never level. A match
//                                 that went beyond 90 minutes adds three fields, "1-1",
//                                 "2-2" and "4-3" (each empty where the match had no
//                                 such part), adding up to the score; files written
//                                 before have the six fields only
//                        decide   TEAM TEAM ...               teams the rules leave level, in the order decided
//
// Both are written as one set: the data file names its format's name, and
// a folder whose two files do not belong together is refused.
namespace FormatFiles {

inline constexpr const char *FormatFileName = "tournament.format";
inline constexpr const char *DataFileName = "tournament.data";

// 48 teams of 26 players, 104 matches and their decisions are under 64 KB.
constexpr qint64 MaxDataBytes = 1024 * 1024;
constexpr int MaxLineLength = 1024;
constexpr int MaxScore = 99;   // goals of one side in one match, shoot-out included
constexpr int MaxGoals = 999;  // goals of one player

// Whether dir holds a tournament of a format of its own (a tournament.format
// of any kind, so that a damaged one is reported rather than passed over).
bool holdsFormat(const QString &dir);

struct Load
{
    bool ok = false;
    QString error; // names the file, the line and what was expected
};

// Reads tournament.format and tournament.data of dir into t.
Load load(FormatTournament &t, const QString &dir);

// The data file's bytes and their reading; t.format must be set for decode.
QByteArray encode(const FormatTournament &t);
Load decode(FormatTournament &t, const QByteArray &bytes, const QString &fileName);

// Writes both files and the extra ones (the flag pictures of an import) as
// one set (FolderCommit); the format file only when it differs.
FileResult save(const FormatTournament &t, const QString &dir, const FolderCommit::Files &extra = {});

// Removes both files in one step, so that the folder reads as a classic
// tournament.
FileResult remove(const QString &dir);

} // namespace FormatFiles
