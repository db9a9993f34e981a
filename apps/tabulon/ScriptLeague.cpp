#include "apps/tabulon/ScriptLeague.h"

#include "common/BoundedFile.h"
#include "league/model/IniFile.h"
#include "league/model/League.h"
#include "league/model/LeagueError.h"
#include "league/model/ReadFaults.h"
#include "league/model/LeagueFile.h"
#include "league/model/LeagueOpen.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QTextStream>

#include <limits>

namespace {

QStringList &undecodableArguments()
{
    static QStringList list;
    return list;
}

} // namespace

void rememberRawArguments(int argc, char **argv)
{
    undecodableArguments().clear();
    for (int i = 1; i < argc; ++i) {
        const QByteArray raw(argv[i]);
        const QString text = QFile::decodeName(raw);
        if (QFile::encodeName(text) != raw)
            undecodableArguments() << text;
    }
}

bool isUndecodableArgument(const QString &path)
{
    for (const QString &arg : undecodableArguments())
        if (arg == path || (arg.startsWith(QLatin1String("--")) && arg.endsWith(QLatin1Char('=') + path)))
            return true;
    return false;
}

LeagueOpen::Opened openScriptLeague(const QString &path)
{
    // The league file reader falls back to defaults for a file it cannot
    // read; a script would then get the output of an empty league, so the
    // file must be readable before it is loaded.
    if (isUndecodableArgument(path))
        throw LeagueError(LeagueError::cannotOpen(path));
    const LeagueOpen::Format format = LeagueOpen::detectFile(path);
    const qint64 limit = format == LeagueOpen::Format::Previous ? LeagueFile::kMaxTn3Bytes
                         : format == LeagueOpen::Format::League ? IniFile::kMaxFileBytes
                                                                : std::numeric_limits<qint64>::max();
    // Opened without blocking: a FIFO named like a league is refused at once.
    // The Football readers hold their files to their own limits.
    const BoundedFile::Result probe = BoundedFile::examine(path, limit);
    if (probe.status == BoundedFile::Status::NotRegular || probe.status == BoundedFile::Status::TooLarge)
        throw LeagueError(LeagueError::cannotOpen(path, ReadFaults::reason(probe, limit)));
    if (!probe.ok())
        throw LeagueError(LeagueError::cannotOpen(path));
    return LeagueOpen::open(path, QCoreApplication::applicationDirPath() + QLatin1Char('/'));
}

void loadScriptLeague(const QString &path, League &league)
{
    league = openScriptLeague(path).league;
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

bool splitOptions(const QStringList &args, const QStringList &flags, const QStringList &valued,
                  QHash<QString, QString> *options, QStringList *positional, QString *problem)
{
    for (const QString &arg : args) {
        if (!arg.startsWith(QLatin1String("--"))) {
            *positional << arg;
            continue;
        }
        const int eq = arg.indexOf(QLatin1Char('='));
        const QString name = arg.left(eq < 0 ? arg.size() : eq);
        const QString value = eq < 0 ? QString() : arg.mid(eq + 1);
        const bool flag = flags.contains(name);
        if (!flag && !valued.contains(name)) {
            *problem = QStringLiteral("unknown option %1").arg(arg);
            return false;
        }
        if (options->contains(name)) {
            *problem = QStringLiteral("%1 given twice").arg(name);
            return false;
        }
        if (flag && eq >= 0) {
            *problem = QStringLiteral("%1 takes no value").arg(name);
            return false;
        }
        if (!flag && value.isEmpty()) {
            *problem = QStringLiteral("%1 needs a value (%1=...)").arg(name);
            return false;
        }
        options->insert(name, value);
    }
    return true;
}
