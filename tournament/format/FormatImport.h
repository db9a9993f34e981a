#pragma once

#include <QString>
#include <QStringList>

#include "tournament/format/FormatTournament.h"

// A tournament of any format read from Football.TXT files and squads: the
// groups of its "Group X | ..." lines, the group matches (the first meeting
// of two teams of one group), the knock-out matches placed in the format's
// bracket by their teams. Where the rules cannot separate teams and the
// knock-out matches show who went on, the decision is taken from them.
namespace FormatImport {

struct Result
{
    bool ok = false;
    QString error;       // "cup.txt: line 12: ..." for the first fault
    QStringList notes;   // what was left out or decided, one line each
    std::vector<OpenTie> open; // ties still to be decided by the user
    int groupMatches = 0;
    int knockoutMatches = 0;
};

// The number of "Group X | ..." lines of the files, or -1 with error set
// when a file cannot be read. Chooses the format when none is given.
int countGroups(const QStringList &files, QString *error);

// t holds only its format. squads: a folder of squad files (*.txt, one team
// each), one file with "== Team" headings, or empty.
Result importFiles(FormatTournament &t, const QStringList &files, const QString &squads);

// Fills the squads of t's teams, whose names are set, from squads (a folder
// or a file, as for importFiles); a squad no team has is left out and noted.
Result importSquads(FormatTournament &t, const QString &squads);

// The shipped format chosen for a number of groups when none is named
// (12 world2026, 8 world1998, 6 euro2020, 4 euro2000), or empty.
QString defaultFormat(int groups);

} // namespace FormatImport
