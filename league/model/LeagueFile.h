#pragma once

#include <QByteArray>
#include <QString>

class IniFile;
class League;

// The league file (*.T98, INI text) and the import of the previous version's
// line-oriented *.tn3 files. These functions touch no window: the window
// that calls them sets its caption from TitelLeiste() and refreshes its
// controls (UpdateCBO, UpdateST) afterwards, and shows the message of a
// LeagueError they throw.

// Writes the whole league to l.leagueFileName, keeping every section and key
// of an existing file that the league does not write. On success
// leagueSaved = true. On failure throws LeagueError("Kann nicht nach <file>
// schreiben"); the old file and leagueSaved stay as they were.
void SaveDatei(League &l);

// Reads the whole league from l.leagueFileName. A missing or unreadable
// file gives the defaults of every key; a file that is not a regular file
// or is larger than IniFile::kMaxFileBytes throws LeagueError("Datei <path>
// kann nicht geöffnet werden: <reason>") and leaves l untouched. Out-of-range values are corrected
// after reading (currentRound to firstRound..34, team slots outside 0..18 to
// 0, goals to -1..999), firstRound is recomputed and leagueSaved = true.
void OpenDatei(League &l);

// Imports the previous version's file named by l.leagueFileName. The file is
// read into a fresh league; only a complete import replaces l, after which
// leagueFileName is empty (so the next save asks for a name), firstRound is
// recomputed and leagueSaved = false. On an error throws LeagueError with
// the runtime's message and leaves l untouched.
void OldDatei(League &l);

// The window caption: "[liga.T98] - Tabulon '98", or "Tabulon '98" when untitled.
QString TitelLeiste(const League &l);

// The league file named on the command line: without a directory it is
// taken from programDir; ".T98" is appended unless the name already ends in
// it (in any case). An empty argument gives an empty name.
QString commandLineLeagueFile(const QString &arg, const QString &programDir);

// The parts of the above that work in memory, for tests and fuzzers.
namespace LeagueFile {

// An old file holds 394 short lines, well under a kilobyte per line.
constexpr qint64 kMaxTn3Bytes = 4 * 1024 * 1024;

void write(const League &l, IniFile &ini);
// Replaces every league field of l (not the working state) from ini and
// applies the load-time corrections.
void read(const IniFile &ini, League &l);
// Parses .tn3 bytes into l (which should be fresh); throws LeagueError.
void importTn3(const QByteArray &bytes, League &l);
// Holds values that other code indexes by within the model's ranges.
void correctRanges(League &l);

} // namespace LeagueFile
