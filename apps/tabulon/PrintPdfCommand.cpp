#include "apps/tabulon/PrintPdfCommand.h"

#include "apps/tabulon/ScriptLeague.h"

#include "league/model/League.h"
#include "league/model/LeagueError.h"
#include "league/print/PdfFile.h"
#include "league/print/PrintJobs.h"
#include "league/print/TPageWriter.h"
#include "league/standings/RowBands.h"

#include <QHash>
#include <QTextStream>

#include <optional>

namespace {

struct Request {
    QString output;
    QString league;
    bool anySelection = false;
    bool tables = false;
    bool cross = false;
    QString matchdays; // empty, "all", "filled" or a list
    QString curves;    // empty, "all" or a list
    int matchday = 0;  // the tables after this matchday; 0 = after the last
};

std::optional<Request> parse(const QStringList &args, QString &problem)
{
    Request r;
    QHash<QString, QString> seen;
    QStringList positional;
    if (!splitOptions(args, {QStringLiteral("--tables"), QStringLiteral("--cross")},
                      {QStringLiteral("--print-pdf"), QStringLiteral("--matchdays"), QStringLiteral("--curves"),
                       QStringLiteral("--matchday")},
                      &seen, &positional, &problem))
        return std::nullopt;
    r.output = seen.value(QStringLiteral("--print-pdf"));
    if (r.output.isEmpty()) {
        problem = QStringLiteral("missing --print-pdf=FILE");
        return std::nullopt;
    }
    r.tables = seen.contains(QStringLiteral("--tables"));
    r.cross = seen.contains(QStringLiteral("--cross"));
    r.matchdays = seen.value(QStringLiteral("--matchdays"));
    r.curves = seen.value(QStringLiteral("--curves"));
    r.anySelection = r.tables || r.cross || !r.matchdays.isEmpty() || !r.curves.isEmpty();
    if (seen.contains(QStringLiteral("--matchday"))) {
        bool ok = false;
        r.matchday = seen.value(QStringLiteral("--matchday")).toInt(&ok);
        if (!ok || r.matchday < 1 || r.matchday > League::kMaxRounds) {
            problem = QStringLiteral("--matchday must be a matchday from 1 to 99");
            return std::nullopt;
        }
    }

    if (!r.matchdays.isEmpty() && r.matchdays != QLatin1String("all")
        && r.matchdays != QLatin1String("filled") && !parseNumberList(r.matchdays, League::kMaxRounds)) {
        problem = QStringLiteral("--matchdays must be all, filled or a list of matchdays 1..99 "
                                 "such as 1-6,9");
        return std::nullopt;
    }
    if (!r.curves.isEmpty() && r.curves != QLatin1String("all")
        && !parseNumberList(r.curves, League::kMaxTeams)) {
        problem = QStringLiteral("--curves must be all or a list of team slots 1..24 such as 1-3,7");
        return std::nullopt;
    }
    const std::optional<QString> league = singleLeagueArgument(positional, "printed", &problem);
    if (!league)
        return std::nullopt;
    r.league = *league;
    return r;
}

// The dialog's state after the user changed it the way the options say;
// nullopt with *problem set when a list names a matchday or team slot the
// league does not have.
std::optional<PrintSelection> selectionFor(const Request &r, const League &league, QString *problem)
{
    PrintSelection s = defaultPrintSelection(league);
    if (r.matchday > league.roundCount) {
        *problem = QStringLiteral("--matchday must be a matchday from 1 to %1").arg(league.roundCount);
        return std::nullopt;
    }
    if (r.matchday > 0)
        s.tablesRound = r.matchday;
    if (!r.anySelection)
        return s;
    s.tables = r.tables;
    s.crossTable = r.cross;
    const auto filled = s.rounds;
    s.rounds.fill(false);
    if (r.matchdays == QLatin1String("all"))
        std::fill(s.rounds.begin() + 1, s.rounds.begin() + league.roundCount + 1, true);
    else if (r.matchdays == QLatin1String("filled"))
        s.rounds = filled;
    else if (!r.matchdays.isEmpty()) {
        const QList<int> rounds = parseNumberList(r.matchdays, League::kMaxRounds).value_or(QList<int>());
        for (int j : rounds) {
            // Only the league file says how many matchdays there are.
            if (j > league.roundCount) {
                *problem = QStringLiteral("--matchdays names matchday %1; the league has 1..%2")
                               .arg(j)
                               .arg(league.roundCount);
                return std::nullopt;
            }
            s.rounds[j] = true;
        }
    }
    s.teams.fill(false);
    if (r.curves == QLatin1String("all"))
        std::fill(s.teams.begin() + 1, s.teams.begin() + league.teamCount + 1, true);
    else if (!r.curves.isEmpty()) {
        const QList<int> teams = parseNumberList(r.curves, League::kMaxTeams).value_or(QList<int>());
        for (int t : teams) {
            if (t > league.teamCount) {
                *problem = QStringLiteral("--curves names team slot %1; the league has 1..%2")
                               .arg(t)
                               .arg(league.teamCount);
                return std::nullopt;
            }
            s.teams[t] = true;
        }
    }
    return s;
}

} // namespace

const char *printPdfUsage()
{
    return "  --print-pdf=FILE [--tables] [--cross] [--matchdays=all|filled|LIST]\n"
           "             [--curves=all|LIST] [--matchday=N] LEAGUE\n"
           "                         write the printed pages of LEAGUE as a PDF: the\n"
           "                         tables, the cross table, matchdays and team curves\n"
           "                         named (LIST like 1-6,9); without any of them what\n"
           "                         the print dialog preselects; the tables after\n"
           "                         matchday N\n";
}

int runPrintPdf(const QStringList &args)
{
    QString problem;
    const std::optional<Request> request = parse(args, problem);
    if (!request)
        return scriptUsageError(problem, printPdfUsage());

    QString beyond;
    const int status = runOnScriptLeague(request->league, [&](const League &league) {
        const std::optional<PrintSelection> selection = selectionFor(*request, league, &beyond);
        if (!selection)
            return;
        // As after the league table view: zones from the league's settings.
        const RowBandColors bands = bandsForView(TableView::Total, league);
        TPageWriter prn;
        LeaguePrintJobs jobs(league, bands, prn);
        jobs.build(*selection);
        if (!writePdfFile(prn, request->output))
            throw LeagueError(LeagueError::cannotWrite(request->output));
    });
    return beyond.isEmpty() ? status : scriptUsageError(beyond, printPdfUsage());
}
