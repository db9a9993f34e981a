#pragma once

#include "league/model/League.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

// Opening a league from any file the program reads: its own league file
// (*.T98), the previous version's *.tn3, Football.TXT and Football.JSON.
// The window's "Öffnen", the command line and --convert all come here, so
// a file is read in one format whatever the dialog's file type said:
// reading a season's text as a league file gives an empty league that a
// save would then write into the season's file.
namespace LeagueOpen {

enum class Format { League, Previous, FootballTxt, FootballJson };

// What the file holds, by its first bytes where they tell, by its
// extension (in any case) otherwise: a JSON object is Football.JSON, a
// section header followed by keys is a league file, the fixed lines of
// the previous version are that, a "= title" or "#" comment opens a
// Football.TXT. A file that tells nothing (empty, missing) goes by its
// extension, and a name without a known one is a league file.
Format detect(const QByteArray &head, const QString &path);
// The same for the file at path, reading at most its first kHeadBytes;
// anything but a regular file goes by its name and is refused when opened.
Format detectFile(const QString &path);
constexpr qint64 kHeadBytes = 64 * 1024;

struct Opened {
    League league;
    Format format = Format::League;
    QString title;       // the competition of a Football file
    QStringList skipped; // what a Football file holds besides the league
};

// Reads the file at path in its format, as OpenDatei, OldDatei and the
// Football import do (a league file keeps its name and is saved; every
// other format gives an untitled, unsaved league). programDir is carried
// into the league. Throws LeagueError as those do.
Opened open(const QString &path, const QString &programDir);

} // namespace LeagueOpen
