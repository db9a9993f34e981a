#pragma once

#include "league/model/League.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <optional>

namespace FootballTxt {
struct Document;
}

// A league to and from the match files of the open football data projects
// (Football.TXT, Football.JSON). An import is all or nothing: a file that
// cannot be read whole throws a LeagueError naming the file and line, and
// only a complete league is handed back. What the file holds besides the
// league's matchdays (play-off stages, knock-out and group rounds, matches
// without a matchday) is left out and listed, never guessed into the table.
namespace LeagueOpenData {

enum class Format { Txt, Json };

// By the name's extension, in any case: ".txt" or ".json".
std::optional<Format> formatOf(const QString &path);

struct Imported {
    League league;       // untitled and unsaved, as after importing an old file
    QString title;       // the competition ("Deutsche Bundesliga 2023/24")
    QStringList skipped; // one German line for each part left out
};

// The league of a read document. fileName names the file in messages.
// Teams take the slots in the order of their first match; every matchday
// heading ("Matchday 5", "» 1. Round", "▪ Spieltag 3") is a matchday,
// numbered by the number it holds, and one that comes again adds to it.
Imported fromDocument(const FootballTxt::Document &doc, const QString &fileName);
Imported importBytes(const QByteArray &bytes, Format format, const QString &fileName);
// Reads the file at path (at most 4 MB, a regular file).
Imported importFile(const QString &path, Format format);

// The league as a document: one round "Matchday N" for every matchday, its
// first match on dateFrom and the others on dateTo. notes gets one German
// line for each thing the file cannot carry (start values, a row without a
// second team, ...). Throws LeagueError for names the format cannot hold
// and for two slots of one name, which would read back as one team.
FootballTxt::Document toDocument(const League &league, const QString &title, QStringList *notes);
QByteArray exportBytes(const League &league, const QString &title, Format format, QStringList *notes);
// Writes the file whole or not at all; throws LeagueError("Kann nicht nach
// <path> schreiben") when it cannot. Returns the notes.
QStringList exportFile(const League &league, const QString &title, const QString &path, Format format);

// The title a league is exported with: its name when it has one, otherwise
// the league file's name without its folder and extension, "Liga" for an
// untitled league.
QString exportTitle(const League &league);
// A league file name for a title: "Deutsche Bundesliga 2023-24.T98".
QString suggestedFileName(const QString &title);

} // namespace LeagueOpenData
