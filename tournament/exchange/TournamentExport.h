#pragma once

#include <QByteArray>
#include <QString>

#include "tournament/model/Tournament.h"

// A tournament as Football.TXT: the "Group" lines with the teams in the
// order they had before the group's first match, the group matches in the
// order of matchs.dat, the knock-out matches in the order of tour2.dat under
// the name of their round, each with the goals buteurs.dat credits and,
// where buteurs.dat keeps it, how a knock-out match went beyond 90 minutes.
// What the tournament files do not hold (dates, venues, minutes, half-time)
// is not written; read back with TournamentImport, the text gives the same
// files.
// A drawing of lots (the qualifier slots that the group tables leave open)
// is written as comment lines "# lots: group A: Scotland before Chile", the
// group's winner before its runner-up, which the import applies.
namespace TournamentExport {

struct Result
{
    bool ok = false;
    QString error;
    QByteArray bytes; // UTF-8, LF line ends
};

Result write(const Tournament &t);


} // namespace TournamentExport
