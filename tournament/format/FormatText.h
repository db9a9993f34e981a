#pragma once

#include <QByteArray>
#include <QString>

#include "tournament/format/FormatTournament.h"

// The plain-text description from which --create makes a tournament of any
// format, in the same form as the classic one (UTF-8):
//
//   # a comment; blank lines are ignored
//   group A
//   team Brazil | brazil        team name, "|", flag base name
//   player Carlos Mendes        up to 26 per team, in squad order
//
// The groups come in letter order, as many as the format has, four teams
// each. Names hold 1 to 50 characters; team names are unique.
namespace FormatText {

struct Parse
{
    bool ok = false;
    QString error; // "line N: ..." when ok is false
};

// Fills t.groups; t.format must be set.
Parse parse(FormatTournament &t, const QByteArray &utf8);

} // namespace FormatText
