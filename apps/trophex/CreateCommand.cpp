#include "apps/trophex/CreateCommand.h"

#include "apps/trophex/CommandSteps.h"

#include <QDir>
#include <QFile>
#include <QTextStream>

#include "tournament/flags/TeamFlags.h"
#include "tournament/model/TournamentFiles.h"
#include "tournament/model/TournamentText.h"

int runCreate(const QString &textFile, const QString &dir)
{
    QTextStream err(stderr);
    QByteArray text;
    if (!CommandSteps::readText(textFile, &text, err))
        return 1;
    const TournamentTextParse parsed = parseTournamentText(text);
    if (!parsed.ok) {
        err << "trophex: " << textFile << ": " << parsed.error << "\n";
        return 1;
    }
    if (!CommandSteps::makeFolder(dir, err))
        return 1;

    // The model's own writer, so that the files are what the program saves.
    Tournament t;
    for (const TGroupe &g : parsed.groups) {
        TGroupe copy;
        copy.letter = g.letter;
        for (const auto &team : g.teams)
            copy.teams.push_back(std::make_unique<TEquipe>(*team));
        t.groupes.push_back(std::move(copy));
    }
    // The pictures go with the group files, so that the group files name
    // flags that are there and the first start shows no "File Error !".
    FolderCommit::Files pictures = TeamFlags::missingFlagFiles(t.groupes, dir);
    FileResult r = TeamFlags::ownPictureFiles(dir, &pictures);
    if (r.ok)
        r = saveParts(t, dir, SaveGroups, pictures);
    if (!r.ok) {
        err << "trophex: " << r.error << "\n";
        return 1;
    }
    QTextStream(stdout) << "Wrote groupeA.dat to groupeH.dat in " << QDir(dir).absolutePath() << "\n";
    return 0;
}
