#include "apps/tabulon/ConvertCommand.h"

#include "apps/tabulon/ScriptLeague.h"

#include "league/model/League.h"
#include "league/model/LeagueError.h"
#include "league/model/LeagueFile.h"
#include "league/model/LeagueOpen.h"
#include "league/model/LeagueOpenData.h"

#include <QCoreApplication>
#include <QFileInfo>
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
    QTextStream err(stderr);
    // Said once the conversion is done, so that a failure stays one line.
    QStringList said;
    try {
        // The window opens a missing league file as an empty league; a
        // conversion would replace OUT with that empty league and report
        // success, so IN must be a file that can be read.
        LeagueOpen::Opened opened;
        if (LeagueOpen::detectFile(in) == LeagueOpen::Format::Previous) {
            // The previous version's import names a missing or refused file
            // in its own words.
            if (isUndecodableArgument(in))
                throw LeagueError(LeagueError::invalidFileName());
            league.leagueFileName = in;
            OldDatei(league);
        } else {
            opened = openScriptLeague(in);
            league = opened.league;
        }
        QString title = opened.title;
        // What the league leaves out of the file is said, not guessed.
        for (const QString &line : opened.skipped)
            said << QFileInfo(in).fileName() + QLatin1String(": ") + line;
        // A name the file system cannot hold would be saved under another name.
        if (isUndecodableArgument(out))
            throw LeagueError(LeagueError::cannotWrite(out));
        if (const auto format = LeagueOpenData::formatOf(out)) {
            if (title.isEmpty())
                title = league.leagueName.trimmed().isEmpty() ? QFileInfo(in).completeBaseName()
                                                              : league.leagueName.trimmed();
            for (const QString &line : LeagueOpenData::exportFile(league, title, out, *format))
                said << QFileInfo(out).fileName() + QLatin1String(": ") + line;
        } else {
            league.leagueFileName = out;
            SaveDatei(league);
        }
    } catch (const LeagueError &e) {
        err << e.message() << '\n';
        return 1;
    }
    for (const QString &line : said)
        err << line << '\n';
    return 0;
}
