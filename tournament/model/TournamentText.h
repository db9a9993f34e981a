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
