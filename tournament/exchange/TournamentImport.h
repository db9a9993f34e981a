#pragma once

#include <QString>
#include <QStringList>

#include "tournament/model/FileResult.h"
#include "tournament/model/Tournament.h"

// A world tournament of eight groups of four read from Football.TXT files
// (groups, group matches, knock-out matches) and optional squad files, put
// into a fresh Tournament as the program itself would have recorded it:
// the group matches in file order through the entry page's own recording,
// the knock-out matches in their places of the fixed bracket. Nothing is
// written here; the caller writes the files once the whole import stands.
namespace TournamentImport {

struct Result
{
    bool ok = false;
    // "cup.txt: line 12: ..." for the first fault; nothing is to be written.
    QString error;
    // Things the import did not take over, one line each (a scorer without
    // room in his squad, a squad file no team is called after).
    QStringList notes;
    // The group stage is complete and some qualifier slot can only be
    // decided by lots; "Start Stage 2" asks for them.
    bool lotsNeeded = false;
    // Places were decided by "# lots: group A: Scotland before Chile" lines
    // (as --export writes them); with every slot filled qualif.dat is to
    // hold the qualifiers.
    bool lotsDrawn = false;
    int groupMatches = 0;
    int knockoutMatches = 0;
};

// files: Football.TXT files, read in this order as one; squadsDir: a folder
// of squad files (*.txt) or empty. t must be fresh.
Result importFiles(Tournament &t, const QStringList &files, const QString &squadsDir);

// Writes an imported tournament into the folder dir as one set: the flag
// pictures and the program's own ones the folder lacks, the group files,
// matchs.dat, tour2.dat and buteurs.dat, and qualif.dat when lotsDrawn
// filled every qualifier slot (otherwise an earlier tournament's qualif.dat
// is removed). A tournament already in dir is replaced as a whole or not at
// all.
FileResult writeFolder(Tournament &t, const QString &dir, bool lotsDrawn = false);

// A name as the tournament files can hold it: letters that Windows-1252
// lacks lose their accents ("Kovačević" gives "Kovacevic", "Đukić" gives
// "Dukic"), then the name is cut to 20 bytes. ok is false when some
// character has no such form (Cyrillic, Greek, CJK, ...).
ShortName storedName(const QString &text, bool *ok);

} // namespace TournamentImport
