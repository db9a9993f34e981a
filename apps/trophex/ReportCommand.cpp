#include "apps/trophex/ReportCommand.h"

#include "apps/trophex/CommandSteps.h"

#include <QDir>
#include <QFile>
#include <QStringList>
#include <QTextStream>

#include "tournament/commands/TournamentCommands.h"
#include "tournament/group/Statistics.h"
#include "tournament/knockout/Bracket.h"
#include "tournament/model/TournamentFiles.h"

namespace {

QString nameOf(const TEquipe *team)
{
    return team ? team->name.text() : QString();
}

} // namespace

int runReport(const QString &dir)
{
    QTextStream out(stdout);
    QTextStream err(stderr);
    Tournament t;
    if (!CommandSteps::openGroups(t, dir, err))
        return 1;
    // A report only reads: a missing matchs.dat is an empty list here and is
    // not created.
    // A damaged result file is reported and the report still shows its
    // whole records, but the exit status says the report is not complete.
    bool complete = true;
    const auto note = [&](const FileResult &r) {
        if (!r.ok) {
            err << r.error << "\n";
            complete = false;
        }
    };
    if (QFile::exists(QDir(dir).filePath(QString::fromLatin1(TournamentFiles::MatchesFile))))
        note(loadMatches(t, dir));
    note(loadQualifiers(t, dir));
    note(loadStage2(t, dir));
    // How knock-out matches went beyond 90 minutes: the averages leave the kicks out.
    loadScorers(t, dir);
    deriveBracket(t);

    for (const TGroupe &g : t.groupes) {
        int rank = 0;
        for (const auto &team : g.teams)
            CommandSteps::printRecord(out, {QStringLiteral("group"), QString(QLatin1Char(g.letter)), QString::number(++rank),
                       team->name.text(), QString::number(team->played), QString::number(team->points),
                       QString::number(team->goals_for), QString::number(team->goals_against)});
    }
    for (const TGroupe &g : t.groupes)
        for (const auto &team : g.teams)
            CommandSteps::printRecord(out, {QStringLiteral("figures"), team->name.text(), QString::number(pointsPercent(team.get())),
                       moy_buts(team.get(), t.liste_tour2, t.matchGoals)});
    for (int i = 0; i < kQualifierCount; ++i)
        CommandSteps::printRecord(out, {QStringLiteral("qualifier"), QString::number(i), nameOf(t.qualifies[i])});

    const auto bracketLines = [&](const char *name, const auto &array) {
        for (size_t i = 0; i < array.size(); ++i)
            CommandSteps::printRecord(out, {QStringLiteral("bracket"), QString::fromLatin1(name), QString::number(i), nameOf(array[i])});
    };
    bracketLines("quarts", t.quarts);
    bracketLines("demis", t.demis);
    bracketLines("finalistes", t.finalistes);
    bracketLines("petite_finale", t.petite_finale);
    bracketLines("champion", std::array<TEquipe *, 1>{t.champion});
    bracketLines("troisieme_place", std::array<TEquipe *, 1>{t.troisieme_place});

    for (const TButeur &b : meilleurs_buteurs(t))
        CommandSteps::printRecord(out, {QStringLiteral("scorer"), scorerLine(b)});
    const int n = int(t.liste_matchs.size());
    CommandSteps::printRecord(out, {QStringLiteral("matches"), QString::number(n), playedMatchesLabel(n)});
    return complete ? 0 : 1;
}
