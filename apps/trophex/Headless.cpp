#include "apps/trophex/Headless.h"

#include <QTextStream>

#include "apps/trophex/CreateCommand.h"
#include "apps/trophex/ReportCommand.h"

namespace {

const char *const kUsage =
    "Usage: trophex [DIR]                    start the program on the tournament in DIR\n"
    "       trophex --create=TEXTFILE [DIR]  write the eight group files described by TEXTFILE\n"
    "       trophex --report [DIR]           print standings, qualifiers, bracket and scorers\n"
    "       trophex --help | --version\n"
    "DIR defaults to the current folder.\n";

int usageError(const QString &message)
{
    QTextStream(stderr) << "trophex: " << message << "\n" << kUsage;
    return 2;
}

} // namespace

int runHeadless(const QStringList &args)
{
    if (args.isEmpty())
        return usageError(QStringLiteral("no command"));
    const QString &command = args.first();
    const QStringList rest = args.mid(1);
    if (rest.size() > 1)
        return usageError(QStringLiteral("too many arguments"));
    const QString dir = rest.isEmpty() ? QStringLiteral(".") : rest.first();

    if (command == QLatin1String("--help")) {
        QTextStream(stdout) << kUsage;
        return 0;
    }
    if (command == QLatin1String("--version")) {
        QTextStream(stdout) << "Trophex 1.1\n";
        return 0;
    }
    if (command.startsWith(QLatin1String("--create="))) {
        const QString textFile = command.mid(int(sizeof("--create=")) - 1);
        if (textFile.isEmpty())
            return usageError(QStringLiteral("--create needs a text file"));
        return runCreate(textFile, dir);
    }
    if (command == QLatin1String("--create"))
        return usageError(QStringLiteral("write --create=TEXTFILE"));
    if (command == QLatin1String("--report"))
        return runReport(dir);
    return usageError(QStringLiteral("unknown option %1").arg(command));
}
