#include "apps/tabulon/ScriptLeague.h"

#include "league/model/League.h"
#include "league/model/LeagueError.h"
#include "league/model/LeagueFile.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>

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
