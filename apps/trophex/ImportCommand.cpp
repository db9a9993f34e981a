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

    // The pictures first, so that each group record names a flag that is there.
    QStringList taken;
    for (TGroupe &g : t.groupes)
        for (auto &team : g.teams) {
            const TeamFlags::Written w = TeamFlags::writeFlag(dir, team->name.text(), taken);
            if (!w.ok) {
                err << "trophex: " << w.error << "\n";
                return 1;
            }
            taken << w.flag;
            team->flag = ShortName::stored(w.flag);
        }
    if (const FileResult own = TeamFlags::writeOwnPictures(dir); !own.ok) {
        err << "trophex: " << own.error << "\n";
        return 1;
    }
    // A qualifier file of an earlier tournament in the folder would override
    // the places the new group tables give; a drawing of lots that filled
    // every slot is kept in it, as the program keeps one.
    const bool drawn = r.lotsDrawn && std::find(t.qualifies.begin(), t.qualifies.end(), nullptr) == t.qualifies.end();
    FileResult step = sauve_groupes(t, dir);
    if (step.ok)
        step = sauve_matchs(t, dir);
    if (step.ok)
        step = sauve_tour2(t, dir);
    if (step.ok)
        step = drawn ? sauve_qualifies(t, dir) : efface_qualifies(dir);
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
