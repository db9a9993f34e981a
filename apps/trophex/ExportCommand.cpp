#include "apps/trophex/ExportCommand.h"

#include <QDir>
#include <QSaveFile>
#include <QTextStream>

#include "tournament/exchange/TournamentExport.h"
#include "tournament/model/TournamentFiles.h"

int runExport(const QString &file, const QString &dir)
{
    QTextStream err(stderr);
    Tournament t;
    QString failed;
    QString reason;
    if (!charge_groupes(t, dir, &failed, &reason)) {
        err << "File Error !\t" << failed << "\t" << reason << "\n";
        return 1;
    }
    // Only reading: a missing matchs.dat is an empty list and is not created.
    for (const FileResult &r : {QFile::exists(QDir(dir).filePath(QString::fromLatin1(TournamentFiles::MatchesFile)))
                                    ? charge_matchs(t, dir)
                                    : FileResult{},
                                charge_tour2(t, dir), charge_qualifies(t, dir)})
        if (!r.ok) {
            err << "trophex: " << r.error << "\n";
            return 1;
        }
    const TournamentExport::Result text = TournamentExport::write(t);
    if (!text.ok) {
        err << "trophex: " << text.error << "\n";
        return 1;
    }
    QSaveFile out(file);
    if (!out.open(QIODevice::WriteOnly) || out.write(text.bytes) != text.bytes.size() || !out.commit()) {
        err << "trophex: cannot write " << file << ": " << out.errorString() << "\n";
        return 1;
    }
    return 0;
}
