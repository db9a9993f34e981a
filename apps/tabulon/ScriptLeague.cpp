#include "apps/tabulon/ScriptLeague.h"

#include "league/model/League.h"
#include "league/model/LeagueError.h"
#include "league/model/LeagueFile.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QTextStream>

void loadScriptLeague(const QString &path, League &league)
{
    // The league file reader falls back to defaults for a file it cannot
    // read; a script would then get the output of an empty league, so the
    // file must be readable before it is loaded.
    QFile probe(path);
    if (QFileInfo(path).isDir() || !probe.open(QIODevice::ReadOnly))
        throw LeagueError(QStringLiteral("Datei %1 kann nicht geöffnet werden").arg(path));
    probe.close();
    league.programDir = QCoreApplication::applicationDirPath() + QLatin1Char('/');
    league.leagueFileName = path;
    if (path.endsWith(QLatin1String(".tn3"), Qt::CaseInsensitive))
        OldDatei(league);
    else
        OpenDatei(league);
}

int runOnScriptLeague(const QString &path, const std::function<void(const League &)> &work)
{
    try {
        League league;
        loadScriptLeague(path, league);
        work(league);
    } catch (const LeagueError &e) {
        QTextStream(stderr) << e.message() << '\n';
        return 1;
    }
    return 0;
}

int scriptUsageError(const QString &problem, const char *usage)
{
    QTextStream(stderr) << "tabulon: " << problem << "\n\nUsage:\n" << usage;
    return 2;
}

std::optional<QString> singleLeagueArgument(const QStringList &positional, const char *done, QString *problem)
{
    if (positional.size() == 1)
        return positional.first();
    *problem = positional.isEmpty() ? QStringLiteral("missing league file")
                                    : QStringLiteral("only one league file can be %1").arg(QLatin1String(done));
    return std::nullopt;
}
