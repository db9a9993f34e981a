#include "apps/trophex/Headless.h"

#include <QTextStream>

#include "apps/trophex/CreateCommand.h"
#include "apps/trophex/ExportCommand.h"
#include "apps/trophex/ImportCommand.h"
#include "apps/trophex/ReportCommand.h"

namespace {

const char *const kUsage =
    "Usage: trophex [DIR]                    start the program on the tournament in DIR\n"
    "       trophex --create=TEXTFILE [DIR]  write the eight group files described by TEXTFILE\n"
    "       trophex --report [DIR]           print standings, qualifiers, bracket and scorers\n"
    "       trophex --import=FILE [--import=FILE ...] [--squads=FOLDER] [DIR]\n"
    "                                        write the tournament of Football.TXT files\n"
    "       trophex --export=FILE [DIR]      write the tournament as Football.TXT\n"
    "       trophex --help | --version\n"
    "DIR defaults to the current folder.\n";

int usageError(const QString &message)
{
    QTextStream(stderr) << "trophex: " << message << "\n" << kUsage;
    return 2;
}

// --import=FILE may be given more than once, with one --squads=FOLDER, and
// the folder last.
int importCommand(const QStringList &args)
{
    QStringList files;
    QString squads;
    QStringList rest;
    for (const QString &arg : args) {
        if (arg.startsWith(QLatin1String("--import="))) {
            const QString file = arg.mid(int(sizeof("--import=")) - 1);
            if (file.isEmpty())
                return usageError(QStringLiteral("--import needs a file"));
            files << file;
        } else if (arg.startsWith(QLatin1String("--squads="))) {
            if (!squads.isEmpty())
                return usageError(QStringLiteral("--squads is given twice"));
            squads = arg.mid(int(sizeof("--squads=")) - 1);
            if (squads.isEmpty())
                return usageError(QStringLiteral("--squads needs a folder"));
        } else if (arg.startsWith(QLatin1String("--"))) {
            return usageError(arg == QLatin1String("--import") ? QStringLiteral("write --import=FILE")
                                                               : QStringLiteral("unknown option %1").arg(arg));
        } else {
            rest << arg;
        }
    }
    if (files.isEmpty())
        return usageError(QStringLiteral("--squads goes with --import=FILE"));
    if (rest.size() > 1)
        return usageError(QStringLiteral("too many arguments"));
    return runImport(files, squads, rest.isEmpty() ? QStringLiteral(".") : rest.first());
}

} // namespace

int runHeadless(const QStringList &args)
{
    if (args.isEmpty())
        return usageError(QStringLiteral("no command"));
    const QString &command = args.first();
    if (command.startsWith(QLatin1String("--import")) || command.startsWith(QLatin1String("--squads")))
        return importCommand(args);
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
    if (command.startsWith(QLatin1String("--export="))) {
        const QString file = command.mid(int(sizeof("--export=")) - 1);
        if (file.isEmpty())
            return usageError(QStringLiteral("--export needs a file"));
        return runExport(file, dir);
    }
    if (command == QLatin1String("--export"))
        return usageError(QStringLiteral("write --export=FILE"));
    if (command == QLatin1String("--report"))
        return runReport(dir);
    return usageError(QStringLiteral("unknown option %1").arg(command));
}
