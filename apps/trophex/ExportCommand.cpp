#include "apps/trophex/ExportCommand.h"

#include "apps/trophex/CommandSteps.h"

#include <QDir>
#include <QTextStream>

#include "common/AtomicFile.h"
#include "tournament/exchange/TournamentExport.h"
#include "tournament/commands/TournamentCommands.h"
#include "tournament/model/TournamentFiles.h"

int runExport(const QString &file, const QString &dir)
{
    QTextStream err(stderr);
    Tournament t;
    if (!CommandSteps::openGroups(t, dir, err))
        return 1;
    // Only reading: a missing matchs.dat is an empty list and is not created.
    for (const FileResult &r : {QFile::exists(QDir(dir).filePath(QString::fromLatin1(TournamentFiles::MatchesFile)))
                                    ? loadMatches(t, dir)
                                    : FileResult{},
                                loadStage2(t, dir), loadQualifiers(t, dir)})
        if (!r.ok) {
            err << "trophex: " << r.error << "\n";
            return 1;
        }
    loadScorers(t, dir);
    const TournamentExport::Result text = TournamentExport::write(t);
    return writeExportText(file, text);
}

int writeExportText(const QString &file, const TournamentExport::Result &text)
{
    QTextStream err(stderr);
    if (!text.ok) {
        err << "trophex: " << text.error << "\n";
        return 1;
    }
    const AtomicFile::Result w = AtomicFile::write(file, text.bytes);
    if (!w.ok()) {
        err << "trophex: cannot write " << file << ": " << AtomicFile::reason(w) << "\n";
        return 1;
    }
    return 0;
}
