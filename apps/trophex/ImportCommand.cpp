#include "apps/trophex/ImportCommand.h"

#include "apps/trophex/CommandSteps.h"

#include <algorithm>

#include <QDir>
#include <QTextStream>

#include "tournament/exchange/TournamentImport.h"
#include "tournament/model/TournamentFiles.h"

int runImport(const QStringList &files, const QString &squadsDir, const QString &dir)
{
    QTextStream err(stderr);
    Tournament t;
    const TournamentImport::Result r = TournamentImport::importFiles(t, files, squadsDir);
    if (!r.ok) {
        err << "trophex: " << r.error << "\n";
        return 1;
    }
    for (const QString &note : r.notes)
        err << "trophex: " << note << "\n";
    if (!CommandSteps::makeFolder(dir, err))
        return 1;

    const FileResult step = TournamentImport::writeFolder(t, dir, r.lotsDrawn);
    if (!step.ok) {
        err << "trophex: " << step.error << "\n";
        return 1;
    }

    QTextStream out(stdout);
    out << "Imported " << r.groupMatches << " group matches and " << r.knockoutMatches
        << " knock-out matches into " << QDir(dir).absolutePath() << "\n";
    if (r.lotsNeeded)
        out << "The group tables leave places to the drawing of lots: Start Stage 2 asks for them.\n";
    return 0;
}
