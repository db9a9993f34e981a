#include "apps/tabulon/ExportCommand.h"

#include "apps/tabulon/ScriptLeague.h"

#include "league/export/CalendarExport.h"
#include "league/export/Exporters.h"
#include "league/model/League.h"
#include "league/model/LeagueError.h"
#include "league/standings/RowBands.h"

#include <QDate>
#include <QDateTime>
#include <QFileInfo>
#include <QHash>
#include <QTextStream>

#include <optional>

namespace {

struct Request {
    ExportDocument document = ExportDocument::Tables;
    bool curve = false;
    bool calendar = false;
    int team = 0;
    ExportFormat format = ExportFormat::Html;
    QString output;
    QString league;
    // The tables after this matchday; 0 = after the last one.
    int matchday = 0;
    // The tables of the matches played by the end of this day; invalid =
    // every match entered.
    QDate date;
    bool explain = false;
    bool form = false;
    bool movement = false;
};

// Returns the parsed request, or the reason why the arguments are wrong.
std::optional<Request> parse(const QStringList &args, QString &problem)
{
    QHash<QString, QString> options;
    QStringList positional;
    for (const QString &arg : args) {
        if (!arg.startsWith(QLatin1String("--"))) {
            positional << arg;
            continue;
        }
        const int eq = arg.indexOf(QLatin1Char('='));
        const QString name = arg.left(eq < 0 ? arg.size() : eq);
        const bool flag = name == QLatin1String("--explain") || name == QLatin1String("--form")
            || name == QLatin1String("--movement");
        if (name != QLatin1String("--export") && name != QLatin1String("--format")
            && name != QLatin1String("--output") && name != QLatin1String("--team")
            && name != QLatin1String("--matchday") && name != QLatin1String("--date") && !flag) {
            problem = QStringLiteral("unknown option %1").arg(arg);
            return std::nullopt;
        }
        if (flag && eq >= 0) {
            problem = QStringLiteral("%1 takes no value").arg(name);
            return std::nullopt;
        }
        if (eq < 0 && !flag) {
            problem = QStringLiteral("%1 needs a value (%1=...)").arg(name);
            return std::nullopt;
        }
        if (options.contains(name)) {
            problem = QStringLiteral("%1 given twice").arg(name);
            return std::nullopt;
        }
        options.insert(name, arg.mid(eq + 1));
    }

    Request r;
    const QString what = options.value(QStringLiteral("--export"));
    if (!options.contains(QStringLiteral("--export"))) {
        problem = QStringLiteral("missing --export");
        return std::nullopt;
    }
    if (what == QLatin1String("tables"))
        r.document = ExportDocument::Tables;
    else if (what == QLatin1String("cross"))
        r.document = ExportDocument::Cross;
    else if (what == QLatin1String("matchdays"))
        r.document = ExportDocument::Matchdays;
    else if (what == QLatin1String("curve"))
        r.curve = true;
    else if (what == QLatin1String("calendar"))
        r.calendar = true;
    else {
        problem = QStringLiteral("unknown value of --export: %1").arg(what);
        return std::nullopt;
    }

    if (r.calendar) {
        // iCalendar is the calendar's only format; naming it is allowed.
        if (options.contains(QStringLiteral("--format"))
            && options.value(QStringLiteral("--format")) != QLatin1String("ics")) {
            problem = QStringLiteral("unknown value of --format for --export=calendar: %1")
                          .arg(options.value(QStringLiteral("--format")));
            return std::nullopt;
        }
        r.format = ExportFormat::Calendar;
    } else {
        if (!options.contains(QStringLiteral("--format"))) {
            problem = QStringLiteral("missing --format");
            return std::nullopt;
        }
        const QString format = options.value(QStringLiteral("--format"));
        static const QHash<QString, ExportFormat> documentFormats{
            {QStringLiteral("html"), ExportFormat::Html},
            {QStringLiteral("txt"), ExportFormat::Text},
            {QStringLiteral("rtf"), ExportFormat::Rtf}};
        static const QHash<QString, ExportFormat> pictureFormats{
            {QStringLiteral("bmp"), ExportFormat::Bmp}, {QStringLiteral("gif"), ExportFormat::Gif},
            {QStringLiteral("png"), ExportFormat::Png}};
        const auto &formats = r.curve ? pictureFormats : documentFormats;
        if (!formats.contains(format)) {
            problem = QStringLiteral("unknown value of --format for --export=%1: %2").arg(what, format);
            return std::nullopt;
        }
        r.format = formats.value(format);
    }

    if (r.curve) {
        if (!options.contains(QStringLiteral("--team"))) {
            problem = QStringLiteral("missing --team for --export=curve");
            return std::nullopt;
        }
        bool ok = false;
        r.team = options.value(QStringLiteral("--team")).toInt(&ok);
        if (!ok || r.team < 1 || r.team > League::kMaxTeams) {
            problem = QStringLiteral("--team must be a team slot from 1 to 24");
            return std::nullopt;
        }
    } else if (options.contains(QStringLiteral("--team"))) {
        problem = QStringLiteral("--team belongs to --export=curve only");
        return std::nullopt;
    }

    const bool tables = !r.curve && r.document == ExportDocument::Tables;
    if (options.contains(QStringLiteral("--matchday"))) {
        if (!tables) {
            problem = QStringLiteral("--matchday belongs to --export=tables only");
            return std::nullopt;
        }
        bool ok = false;
        r.matchday = options.value(QStringLiteral("--matchday")).toInt(&ok);
        if (!ok || r.matchday < 1 || r.matchday > League::kMaxRounds) {
            problem = QStringLiteral("--matchday must be a matchday from 1 to 99");
            return std::nullopt;
        }
    }
    if (options.contains(QStringLiteral("--date"))) {
        if (!tables) {
            problem = QStringLiteral("--date belongs to --export=tables only");
            return std::nullopt;
        }
        if (options.contains(QStringLiteral("--matchday"))) {
            problem = QStringLiteral("--date and --matchday exclude each other");
            return std::nullopt;
        }
        r.date = QDate::fromString(options.value(QStringLiteral("--date")), QStringLiteral("d.M.yyyy"));
        if (!r.date.isValid()) {
            problem = QStringLiteral("--date must be a date DD.MM.YYYY");
            return std::nullopt;
        }
    }
    r.explain = options.contains(QStringLiteral("--explain"));
    if (r.explain && !(tables && (r.format == ExportFormat::Text || r.format == ExportFormat::Html))) {
        problem = QStringLiteral("--explain belongs to --export=tables --format=txt or html only");
        return std::nullopt;
    }
    r.form = options.contains(QStringLiteral("--form"));
    r.movement = options.contains(QStringLiteral("--movement"));
    if ((r.form || r.movement) && !(tables && r.format == ExportFormat::Html)) {
        problem = QStringLiteral("--form and --movement belong to --export=tables --format=html only");
        return std::nullopt;
    }

    r.output = options.value(QStringLiteral("--output"));
    if (r.output.isEmpty()) {
        problem = QStringLiteral("missing --output=FILE");
        return std::nullopt;
    }
    const std::optional<QString> league = singleLeagueArgument(positional, "exported", &problem);
    if (!league)
        return std::nullopt;
    r.league = *league;
    return r;
}

} // namespace

const char *exportUsage()
{
    return "  --export=tables|cross|matchdays --format=html|txt|rtf --output=FILE LEAGUE\n"
           "                         write the tables, cross table or matchdays of\n"
           "                         LEAGUE (*.T98 or old *.tn3) to FILE\n"
           "  --export=tables ... [--matchday=N] [--explain] [--form] [--movement]\n"
           "                         the tables after matchday N; with --explain each\n"
           "                         place gives the rule behind it (txt: after the\n"
           "                         row, html: as the row's title); with --format=html\n"
           "                         --form adds the last five results (S/U/N) and\n"
           "                         --movement the change of place since the\n"
           "                         matchday before\n"
           "  --export=tables ... [--date=DD.MM.YYYY]\n"
           "                         the tables of the matches played by that day\n"
           "  --export=curve --team=N --format=bmp|gif|png --output=FILE LEAGUE\n"
           "                         write the fever curve of team slot N of LEAGUE\n"
           "  --export=calendar --output=FILE LEAGUE\n"
           "                         write the fixtures of LEAGUE as an iCalendar file\n"
           "                         (*.ics), one event per match on its day, at its\n"
           "                         kick-off when known\n";
}

int runExport(const QStringList &args)
{
    QString problem;
    const std::optional<Request> request = parse(args, problem);
    if (!request)
        return scriptUsageError(problem, exportUsage());

    QString beyond;
    const int status = runOnScriptLeague(request->league, [&](const League &league) {
        QByteArray bytes;
        if (request->calendar) {
            // The league file's name names the calendar and its UIDs, so a
            // re-export of the same league updates a subscribed calendar.
            const CalendarExport ics = Exp_ics(league, QFileInfo(request->league).completeBaseName(),
                                               QDateTime::currentDateTimeUtc());
            for (int round : ics.undatedRounds)
                QTextStream(stderr) << "tabulon: matchday " << round
                                    << " has no date; its matches are left out of the calendar\n";
            bytes = ics.bytes;
        } else if (request->curve) {
            // Only the league file says how many slots there are; a slot
            // beyond them is a wrong command line like any other.
            if (request->team > league.teamCount) {
                beyond = QStringLiteral("--team must be a team slot from 1 to %1").arg(league.teamCount);
                return;
            }
            bytes = exportCurve(request->team, request->format, league);
        } else {
            if (request->matchday > league.roundCount) {
                beyond = QStringLiteral("--matchday must be a matchday from 1 to %1").arg(league.roundCount);
                return;
            }
            // As after the league table view: zones from the league's settings.
            const RowBandColors bands = bandsForView(TableView::Total, league);
            ExportOptions options;
            if (request->matchday > 0)
                options.lastRound = request->matchday;
            options.explain = request->explain;
            options.form = request->form;
            options.movement = request->movement;
            bytes = request->date.isValid()
                ? exportDocument(request->document, request->format, league.playedBy(request->date), bands, options)
                : exportDocument(request->document, request->format, league, bands, options);
        }
        writeExportFile(request->output, bytes, request->format);
    });
    return beyond.isEmpty() ? status : scriptUsageError(beyond, exportUsage());
}
