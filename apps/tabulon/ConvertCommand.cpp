#include "apps/tabulon/ConvertCommand.h"

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
        league.leagueFileName = in;
        if (in.endsWith(QLatin1String(".tn3"), Qt::CaseInsensitive))
            OldDatei(league);
        else
            OpenDatei(league);
        league.leagueFileName = out;
        SaveDatei(league);
    } catch (const LeagueError &e) {
        QTextStream(stderr) << e.message() << '\n';
        return 1;
    }
    return 0;
}
