#include "apps/tabulon/Headless.h"

#include "apps/tabulon/ConvertCommand.h"
#include "apps/tabulon/ExportCommand.h"
#include "apps/tabulon/FixturesCommand.h"
#include "apps/tabulon/PrintPdfCommand.h"

#include <QString>
#include <QTextStream>

#include <iterator>

namespace {

const char *const kVersion = "1.0.0";

// One entry per command-line mode. Each handler receives the whole argument
// list (its own option first) and returns the exit status. The usage lines
// are printed by --help and after a wrong option, in this order.
struct Command {
    const char *option; // matched against the text before any '='
    int (*run)(const QStringList &args);
    const char *usage;
};

const Command kCommands[] = {
    {"--convert", runConvert,
     "  --convert IN OUT       load IN (league file *.T98, old file *.tn3,\n"
     "                         Football.TXT *.txt or Football.JSON *.json) and save\n"
     "                         it as OUT (*.txt, *.json, otherwise a league file)\n"},
    {"--print-pdf", runPrintPdf, printPdfUsage()},
    {"--export", runExport, exportUsage()},
    {"--fixtures", runFixtures, fixturesUsage()},
};

QString usageText()
{
    QString text = QStringLiteral(
        "Usage: tabulon [LEAGUEFILE]\n"
        "       tabulon OPTION ...\n"
        "\n"
        "Without options the program window opens, with LEAGUEFILE loaded when given.\n"
        "Options run without a display and end with exit status 0 on success,\n"
        "1 when a file could not be read or written or a change is refused,\n"
        "2 on wrong usage:\n"
        "\n");
    for (const Command &c : kCommands)
        text += QString::fromUtf8(c.usage);
    text += QStringLiteral(
        "  --help                 show this text\n"
        "  --version              show the program version\n");
    return text;
}

} // namespace

int runHeadless(const QStringList &args)
{
    const QString first = args.value(0);
    if (first == QLatin1String("--help")) {
        QTextStream(stdout) << usageText();
        return 0;
    }
    if (first == QLatin1String("--version")) {
        QTextStream(stdout) << "Tabulon '98 " << kVersion << '\n';
        return 0;
    }
    const QString option = first.section(QLatin1Char('='), 0, 0);
    for (const Command &c : kCommands)
        if (option == QLatin1String(c.option))
            return c.run(args);

    QTextStream err(stderr);
    if (first.startsWith(QLatin1String("--")))
        err << "tabulon: unknown option " << first << "\n\n";
    else
        err << "tabulon: options must come first\n\n";
    err << usageText();
    return 2;
}
