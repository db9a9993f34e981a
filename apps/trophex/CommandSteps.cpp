#include "apps/trophex/CommandSteps.h"

#include <QDir>
#include <QTextStream>

#include "common/BoundedFile.h"
#include "tournament/model/FolderCommit.h"
#include "tournament/model/NameChecks.h"
#include "tournament/model/Tournament.h"
#include "tournament/model/TournamentFiles.h"

namespace CommandSteps {

bool readText(const QString &file, QByteArray *bytes, QTextStream &err)
{
    const BoundedFile::Result in = BoundedFile::read(file, TournamentFiles::MaxTournamentTextBytes);
    if (!in.ok()) {
        err << "trophex: cannot read " << file << ": " << BoundedFile::reason(in, TournamentFiles::MaxTournamentTextBytes)
            << "\n";
        return false;
    }
    *bytes = in.bytes;
    return true;
}

bool makeFolder(const QString &dir, QTextStream &err)
{
    if (QDir().mkpath(dir))
        return true;
    err << "trophex: cannot create the folder " << dir << "\n";
    return false;
}

bool openGroups(Tournament &t, const QString &dir, QTextStream &err)
{
    const FileResult recovered = FolderCommit::recoverFolder(dir);
    if (!recovered.ok) {
        err << "trophex: " << recovered.error << "\n";
        return false;
    }
    QString failed;
    QString reason;
    if (!loadGroups(t, dir, &failed, &reason)) {
        err << "File Error !\t" << failed << "\t" << reason << "\n";
        return false;
    }
    return true;
}

void printRecord(QTextStream &out, const QStringList &fields)
{
    QStringList safe;
    safe.reserve(fields.size());
    for (const QString &field : fields)
        safe << NameChecks::printable(field);
    out << safe.join(QLatin1Char('\t')) << "\n";
}

} // namespace CommandSteps
