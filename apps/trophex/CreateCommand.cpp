#include "apps/trophex/CreateCommand.h"

#include <QDir>
#include <QFile>
#include <QTextStream>

#include "tournament/model/TournamentFiles.h"
#include "tournament/model/TournamentText.h"

int runCreate(const QString &textFile, const QString &dir)
{
    QTextStream err(stderr);
    QFile in(textFile);
    if (!in.open(QIODevice::ReadOnly)) {
        err << "trophex: cannot read " << textFile << ": " << in.errorString() << "\n";
        return 1;
    }
    const TournamentTextParse parsed = parseTournamentText(in.readAll());
    if (!parsed.ok) {
        err << "trophex: " << textFile << ": " << parsed.error << "\n";
        return 1;
    }
    if (!QDir().mkpath(dir)) {
        err << "trophex: cannot create the folder " << dir << "\n";
        return 1;
    }

    // The model's own writer, so that the files are what the program saves.
    Tournament t;
    for (const TGroupe &g : parsed.groups) {
        TGroupe copy;
        copy.letter = g.letter;
        for (const auto &team : g.teams)
            copy.teams.push_back(std::make_unique<TEquipe>(*team));
        t.groupes.push_back(std::move(copy));
    }
    const FileResult r = sauve_groupes(t, dir);
    if (!r.ok) {
        err << "trophex: " << r.error << "\n";
        return 1;
    }
    QTextStream(stdout) << "Wrote groupeA.dat to groupeH.dat in " << QDir(dir).absolutePath() << "\n";
    return 0;
}
