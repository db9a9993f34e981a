#include "apps/tabulon/ConvertCommand.h"

#include "apps/tabulon/ScriptLeague.h"

#include "league/model/League.h"
#include "league/model/LeagueError.h"
#include "league/model/LeagueFile.h"

#include <QCoreApplication>
#include <QTextStream>

int runConvert(const QStringList &args)
{
    if (args.size() != 3) {
        QTextStream(stderr) << "tabulon: --convert needs two file names: --convert IN OUT\n";
        return 2;
    }
    const QString in = args[1];
    const QString out = args[2];

    League league;
    league.programDir = QCoreApplication::applicationDirPath() + QLatin1Char('/');
    try {
        // The window opens a missing league file as an empty league; a
        // conversion would replace OUT with that empty league and report
        // success, so IN must be a file that can be read.
        if (in.endsWith(QLatin1String(".tn3"), Qt::CaseInsensitive)) {
            if (isUndecodableArgument(in))
                throw LeagueError(LeagueError::invalidFileName());
            league.leagueFileName = in;
            OldDatei(league);
        } else {
            loadScriptLeague(in, league);
        }
        // A name the file system cannot hold would be saved under another name.
        if (isUndecodableArgument(out))
            throw LeagueError(LeagueError::cannotWrite(out));
        league.leagueFileName = out;
        SaveDatei(league);
    } catch (const LeagueError &e) {
        QTextStream(stderr) << e.message() << '\n';
        return 1;
    }
    return 0;
}
