#include "apps/trophex/ImportCommand.h"

#include <algorithm>

#include <QDir>
#include <QTextStream>

#include "tournament/exchange/TournamentImport.h"
#include "tournament/flags/TeamFlags.h"
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
    if (!QDir().mkpath(dir)) {
        err << "trophex: cannot create the folder " << dir << "\n";
        return 1;
    }

    // The pictures go in the same set as the files, so that each group
    // record names a flag that is there and an earlier tournament in the
    // folder is replaced as a whole or not at all. A qualifier file of that
    // tournament would override the places the new group tables give.
    QStringList taken;
    FolderCommit::Files pictures;
    for (TGroupe &g : t.groupes)
        for (auto &team : g.teams) {
            const QString flag = TeamFlags::flagName(team->name.text(), taken);
            taken << flag;
            team->flag = ShortName::stored(flag);
            pictures.append({flag + QStringLiteral(".bmp"), TeamFlags::pictureBytes(team->name.text())});
        }
    if (const FileResult own = TeamFlags::ownPictureFiles(dir, &pictures); !own.ok) {
        err << "trophex: " << own.error << "\n";
        return 1;
    }
    // A drawing of lots that filled every slot is kept in qualif.dat, as the
    // program keeps one.
    const bool drawn = r.lotsDrawn && std::find(t.qualifies.begin(), t.qualifies.end(), nullptr) == t.qualifies.end();
    const FileResult step = sauve_ensemble(
        t, dir, SaveGroups | SaveMatches | SaveStage2 | (drawn ? SaveQualifiers : RemoveQualifiers), pictures);
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
