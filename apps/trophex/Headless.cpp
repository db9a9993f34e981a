#include "apps/trophex/Headless.h"

#include <algorithm>

#include <QTextStream>

#include "tournament/format/FormatFiles.h"

#include "apps/trophex/CreateCommand.h"
#include "apps/trophex/ExportCommand.h"
#include "apps/trophex/FormatCommands.h"
#include "apps/trophex/ImportCommand.h"
#include "apps/trophex/ReportCommand.h"

namespace {

const char *const kUsage =
    "Usage: trophex [DIR]                    start the program on the tournament in DIR\n"
    "       trophex --new [DIR]              open the window on a new tournament of any format\n"
    "       trophex --create=TEXTFILE [--format=NAME|FILE] [DIR]\n"
    "                                        write the tournament described by TEXTFILE\n"
    "       trophex --report [DIR]           print standings, qualifiers, bracket and scorers\n"
    "       trophex --import=FILE [--import=FILE ...] [--squads=FOLDER|FILE] [--format=NAME|FILE] [DIR]\n"
    "                                        write the tournament of Football.TXT files\n"
    "       trophex --formats                list the tournament formats\n"
    "       trophex --export=FILE [DIR]      write the tournament as Football.TXT\n"
    "       trophex --help | --version\n"
    "DIR defaults to the current folder.\n";

int usageError(const QString &message)
{
    QTextStream(stderr) << "trophex: " << message << "\n" << kUsage;
    return 2;
}

// --import=FILE may be given more than once, with one --squads=FOLDER, one
// --format=NAME|FILE and the folder last.
int importCommand(const QStringList &args)
{
    QStringList files;
    QString squads;
    QString format;
    QStringList rest;
    for (const QString &arg : args) {
        if (arg.startsWith(QLatin1String("--format="))) {
            if (!format.isEmpty())
                return usageError(QStringLiteral("--format is given twice"));
            format = arg.mid(int(sizeof("--format=")) - 1);
            if (format.isEmpty())
                return usageError(QStringLiteral("--format needs a format's name or file"));
        } else if (arg.startsWith(QLatin1String("--import="))) {
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
        return usageError(QStringLiteral("--squads and --format go with --import=FILE"));
    if (rest.size() > 1)
        return usageError(QStringLiteral("too many arguments"));
    return runImportFormat(files, squads, format, rest.isEmpty() ? QStringLiteral(".") : rest.first());
}

// --create=TEXTFILE with an optional --format=NAME|FILE, the folder last.
int createCommand(const QStringList &args)
{
    QString text;
    QString format;
    QStringList rest;
    for (const QString &arg : args) {
        if (arg.startsWith(QLatin1String("--create="))) {
            if (!text.isEmpty())
                return usageError(QStringLiteral("--create is given twice"));
            text = arg.mid(int(sizeof("--create=")) - 1);
            if (text.isEmpty())
                return usageError(QStringLiteral("--create needs a text file"));
        } else if (arg.startsWith(QLatin1String("--format="))) {
            if (!format.isEmpty())
                return usageError(QStringLiteral("--format is given twice"));
            format = arg.mid(int(sizeof("--format=")) - 1);
            if (format.isEmpty())
                return usageError(QStringLiteral("--format needs a format's name or file"));
        } else if (arg == QLatin1String("--create")) {
            return usageError(QStringLiteral("write --create=TEXTFILE"));
        } else if (arg.startsWith(QLatin1String("--"))) {
            return usageError(QStringLiteral("unknown option %1").arg(arg));
        } else {
            rest << arg;
        }
    }
    if (text.isEmpty())
        return usageError(QStringLiteral("--format goes with --create=TEXTFILE or --import=FILE"));
    if (rest.size() > 1)
        return usageError(QStringLiteral("too many arguments"));
    const QString dir = rest.isEmpty() ? QStringLiteral(".") : rest.first();
    // Without a format the text describes the classic tournament, as always.
    return format.isEmpty() ? runCreate(text, dir) : runCreateFormat(text, format, dir);
}

} // namespace

int runHeadless(const QStringList &args)
{
    if (args.isEmpty())
        return usageError(QStringLiteral("no command"));
    const QString &command = args.first();
    const bool importing = std::any_of(args.begin(), args.end(), [](const QString &a) {
        return a.startsWith(QLatin1String("--import")) || a.startsWith(QLatin1String("--squads"));
    });
    const bool creating = std::any_of(args.begin(), args.end(), [](const QString &a) {
        return a.startsWith(QLatin1String("--create"));
    });
    if (importing && !creating)
        return importCommand(args);
    if (creating && !importing)
        return createCommand(args);
    if (command.startsWith(QLatin1String("--format=")))
        return usageError(QStringLiteral("--format goes with --create=TEXTFILE or --import=FILE"));
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
    if (command == QLatin1String("--formats"))
        return runFormats();
    // A save cut short by a crash is settled before the folder's kind is
    // told by its files.
    if (command.startsWith(QLatin1String("--export=")) || command == QLatin1String("--report")) {
        const FileResult recovered = FolderCommit::recoverFolder(dir);
        if (!recovered.ok) {
            QTextStream(stderr) << "trophex: " << recovered.error << "\n";
            return 1;
        }
    }
    if (command.startsWith(QLatin1String("--export="))) {
        const QString file = command.mid(int(sizeof("--export=")) - 1);
        if (file.isEmpty())
            return usageError(QStringLiteral("--export needs a file"));
        return FormatFiles::holdsFormat(dir) ? runExportFormat(file, dir) : runExport(file, dir);
    }
    if (command == QLatin1String("--export"))
        return usageError(QStringLiteral("write --export=FILE"));
    if (command == QLatin1String("--report"))
        return FormatFiles::holdsFormat(dir) ? runReportFormat(dir) : runReport(dir);
    return usageError(QStringLiteral("unknown option %1").arg(command));
}
