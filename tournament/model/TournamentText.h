#pragma once

#include <vector>

#include <QByteArray>
#include <QString>

#include "tournament/model/Tournament.h"

// The plain-text description of a tournament from which the eight group
// files are made (UTF-8):
//
//   # a comment; blank lines are ignored
//   group A
//   team Brazil | brazil        team name, "|", flag base name
//   player Carlos Mendes        up to 23 per team, in squad order
//
// Eight groups A..H, each with exactly four teams. Keywords are lower case
// and followed by one blank; blanks around names and around "|" are
// dropped. Names hold 1 to 20 Windows-1252 bytes; team names are unique.
struct TournamentTextParse
{
    bool ok = false;
    QString error; // "line N: ..." when ok is false
    std::vector<TGroupe> groups; // 'A'..'H' in letter order when ok
};

TournamentTextParse parseTournamentText(const QByteArray &utf8);

// One statement of a tournament text: "KEYWORD VALUE" on line `line`.
struct TextStatement
{
    int line = 0;
    QString keyword;
    QString value; // blanks around it dropped
};

// The statements of a UTF-8 tournament text, blank and comment lines left
// out, a byte order mark before the first line dropped. Reading stops at the
// first line that is not valid UTF-8: `error` names it, and the statements
// before it are kept so that a fault on an earlier line is reported first.
struct TextStatements
{
    std::vector<TextStatement> statements;
    int lines = 0;   // lines read, the faulty one included
    QString error;   // "line N: not valid UTF-8", or empty
};
TextStatements readTextStatements(const QByteArray &utf8);

// The fault of a name of a tournament text that no file could hold (empty,
// or with a control character, named by its code and never echoed: the
// message goes to a terminal); empty when there is none.
QString nameFault(const QString &text, const char *what, int line);
