// Draws the flag pictures of a tournament folder: for every team of the
// eight group files, <flag>.bmp from the team's name (a real flag for a
// country, a plain picture otherwise). With --team, one picture for one name.
//   flaggen [DIR]                   default: the current folder
//   flaggen --team NAME FILE.bmp
#include <QDir>
#include <QCoreApplication>
#include <QTextStream>

#include "tournament/flags/CountryNames.h"
#include "tournament/flags/FlagPicture.h"
#include "tournament/flags/TeamFlags.h"
#include "tournament/model/NameChecks.h"
#include "tournament/model/Tournament.h"
#include "tournament/model/TournamentFiles.h"

int main(int argc, char *argv[])
{
    // No display is needed: the flags are drawn into images.
    QCoreApplication app(argc, argv);
    QStringList args = QCoreApplication::arguments();
    args.removeFirst();
    QTextStream out(stdout);
    QTextStream err(stderr);

    if (args.value(0) == QLatin1String("--team")) {
        if (args.size() != 3) {
            err << "usage: flaggen --team NAME FILE.bmp\n";
            return 2;
        }
        const FileResult r = TeamFlags::writePicture(args[2], args[1]);
        if (!r.ok) {
            err << "flaggen: " << r.error << "\n";
            return 1;
        }
        return 0;
    }
    if (args.size() > 1 || args.value(0).startsWith(QLatin1String("-"))) {
        err << "usage: flaggen [DIR] | flaggen --team NAME FILE.bmp\n";
        return 2;
    }

    const QString dir = args.isEmpty() ? QStringLiteral(".") : args.first();
    Tournament t;
    if (!loadGroups(t, dir)) {
        err << "flaggen: cannot read the group files in " << dir << "\n";
        return 1;
    }
    for (const TGroupe &g : t.groupes)
        for (const auto &team : g.teams) {
            const QString file = team->flagFile();
            // Pictures stay inside the folder, whatever a group file names.
            if (!NameChecks::isPlainFileName(file)) {
                err << "flaggen: " << NameChecks::printable(team->name.text()) << ": flag name is no plain file name\n";
                return 1;
            }
            const FileResult r = TeamFlags::writePicture(QDir(dir).filePath(file), team->name.text());
            if (!r.ok) {
                err << "flaggen: " << r.error << "\n";
                return 1;
            }
            const QString code = CountryNames::builtIn().code(team->name.text());
            const bool real = !FlagPicture::countryFlag(code).isNull();
            out << file << "\t" << team->name.text() << "\t" << (real ? code : QStringLiteral("plain")) << "\n";
        }
    return 0;
}
