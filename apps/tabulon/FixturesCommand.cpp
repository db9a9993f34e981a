#include "apps/tabulon/FixturesCommand.h"

#include "apps/tabulon/ScriptLeague.h"

#include "league/model/League.h"
#include "league/model/LeagueError.h"
#include "league/model/LeagueFile.h"
#include "league/model/LeagueOpen.h"
#include "league/schedule/FixtureGenerator.h"
#include "league/schedule/FixtureRedraw.h"
#include "league/schedule/LeagueFixtures.h"

#include <QCoreApplication>
#include <QDate>
#include <QFileInfo>
#include <QHash>
#include <QTextStream>

#include <optional>

namespace {

struct Request {
    std::optional<int> teams;
    std::optional<int> rounds;
    std::optional<std::uint32_t> seed;
    QDate start;
    int days = 7;
    bool force = false;
    QString league;
};

// Plain decimal digits only: no sign, blank or exponent slips through.
std::optional<qint64> plainNumber(const QString &text)
{
    if (text.isEmpty() || text.size() > 9)
        return std::nullopt;
    for (QChar c : text)
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return std::nullopt;
    return text.toLongLong();
}

std::optional<Request> parse(const QStringList &args, QString &problem)
{
    QHash<QString, QString> seen;
    QStringList positional;
    if (!splitOptions(args, {QStringLiteral("--fixtures"), QStringLiteral("--force")},
                      {QStringLiteral("--teams"), QStringLiteral("--rounds"), QStringLiteral("--seed"),
                       QStringLiteral("--start"), QStringLiteral("--days")},
                      &seen, &positional, &problem))
        return std::nullopt;

    Request r;
    auto number = [&](const char *option, qint64 min, qint64 max, const char *what) -> std::optional<qint64> {
        const QString name = QString::fromLatin1(option);
        const std::optional<qint64> n = plainNumber(seen.value(name));
        if (!n || *n < min || *n > max) {
            problem = QStringLiteral("%1 must be %2 from %3 to %4").arg(name, QLatin1String(what)).arg(min).arg(max);
            return std::nullopt;
        }
        return n;
    };
    if (seen.contains(QStringLiteral("--teams"))) {
        const auto n = number("--teams", League::kMinTeams, League::kMaxTeams, "a team count");
        if (!n)
            return std::nullopt;
        r.teams = int(*n);
    }
    if (seen.contains(QStringLiteral("--rounds"))) {
        const auto n = number("--rounds", League::kMinRounds, League::kMaxRounds, "a number of matchdays");
        if (!n)
            return std::nullopt;
        r.rounds = int(*n);
    }
    if (seen.contains(QStringLiteral("--seed"))) {
        const auto n = number("--seed", 0, FixtureGenerator::kMaxSeed, "a seed");
        if (!n)
            return std::nullopt;
        r.seed = std::uint32_t(*n);
    }
    if (seen.contains(QStringLiteral("--start"))) {
        // "d" and "M" take one or two digits, so 1.8.2026 reads as well.
        r.start = QDate::fromString(seen.value(QStringLiteral("--start")), QStringLiteral("d.M.yyyy"));
        // Four-digit years only: a league file's dates have them.
        if (!r.start.isValid() || r.start.year() < 1000) {
            problem = QStringLiteral("--start must be a date DD.MM.YYYY");
            return std::nullopt;
        }
    }
    if (seen.contains(QStringLiteral("--days"))) {
        if (!r.start.isValid()) {
            problem = QStringLiteral("--days needs --start");
            return std::nullopt;
        }
        const auto n = number("--days", FixtureGenerator::kMinDaysBetween, FixtureGenerator::kMaxDaysBetween,
                              "a number of days");
        if (!n)
            return std::nullopt;
        r.days = int(*n);
    }
    r.force = seen.contains(QStringLiteral("--force"));

    const std::optional<QString> league = singleLeagueArgument(positional, "filled", &problem);
    if (!league)
        return std::nullopt;
    // The list is written back, and an old file cannot be written.
    if (league->endsWith(QLatin1String(".tn3"), Qt::CaseInsensitive)) {
        problem = QStringLiteral("--fixtures writes a league file; convert an old .tn3 file first (--convert)");
        return std::nullopt;
    }
    r.league = *league;
    return r;
}

} // namespace

const char *fixturesUsage()
{
    return "  --fixtures [--teams=N] [--rounds=N] [--seed=N] [--start=DD.MM.YYYY]\n"
           "             [--days=N] [--force] LEAGUE\n"
           "                         make the fixture list of the league file LEAGUE\n"
           "                         and write it back; a missing LEAGUE is created\n"
           "                         with teams \"Team 1\"... (18 unless --teams).\n"
           "                         --teams (2..24) and --rounds (1..99) reshape the\n"
           "                         league; --teams alone takes the double round\n"
           "                         robin (2(N-1) matchdays, 2N for odd N). --seed\n"
           "                         (0..999999999, 0 keeps slot order; drawn when\n"
           "                         missing and printed) repeats a draw. --start and\n"
           "                         --days (default 7) fill the dates. Matchdays with\n"
           "                         pairings are replaced only with --force; those\n"
           "                         with results always stay as they are, and the\n"
           "                         others get the pairings each half still lacks\n"
           "                         (refused with the reason when they do not fit)\n";
}

int runFixtures(const QStringList &args)
{
    QString problem;
    const std::optional<Request> request = parse(args, problem);
    if (!request)
        return scriptUsageError(problem, fixturesUsage());
    const QString &path = request->league;

    try {
        League league;
        league.programDir = QCoreApplication::applicationDirPath() + QLatin1Char('/');
        // A name the file system cannot hold would read or write another file.
        if (isUndecodableArgument(path))
            throw LeagueError(LeagueError::cannotOpen(path));
        const QFileInfo info(path);
        const bool existing = info.exists() || info.isSymLink();
        int firstNewSlot = 1;
        if (existing) {
            // The list is written back, and only a league file can take it.
            if (LeagueOpen::detectFile(path) != LeagueOpen::Format::League)
                throw LeagueError(QStringLiteral("%1: --fixtures writes a league file; convert the file to one "
                                                 "first (--convert)")
                                      .arg(path));
            loadScriptLeague(path, league);
            firstNewSlot = league.teamCount + 1;
        } else {
            league.leagueFileName = path;
        }

        const int teams = request->teams.value_or(league.teamCount);
        int rounds = league.roundCount;
        if (request->rounds)
            rounds = *request->rounds;
        else if (!existing || teams != league.teamCount)
            rounds = League::defaultRounds(teams);
        const QString refusal = league.reshapeRefusal(teams, rounds);
        if (!refusal.isEmpty())
            throw LeagueError(path + QLatin1String(": ") + refusal);
        league.reshape(teams, rounds);
        LeagueFixtures::nameSlots(league, firstNewSlot);

        const FixtureConflicts conflicts = LeagueFixtures::conflicts(league);
        if (!conflicts.isEmpty() && !request->force)
            throw LeagueError(QStringLiteral("%1: %2 von %3 Spieltagen %4 bereits Paarungen oder "
                                             "Ergebnisse; mit --force werden die Paarungen ersetzt, "
                                             "Spieltage mit Ergebnissen bleiben unverändert.")
                                  .arg(path, QString::number(conflicts.count()),
                                       QString::number(league.roundCount),
                                       conflicts.count() == 1 ? QStringLiteral("enthält")
                                                              : QStringLiteral("enthalten")));

        const QString dates = LeagueFixtures::datesRefusal(league, request->start, request->days);
        if (!dates.isEmpty())
            throw LeagueError(path + QLatin1String(": ") + dates);

        const std::uint32_t seed = request->seed.value_or(LeagueFixtures::randomSeed());
        const FixtureOptions options = LeagueFixtures::optionsFor(league, seed, request->start, request->days);
        std::vector<FixtureMatchday> list;
        if (conflicts.played.isEmpty()) {
            list = FixtureGenerator::generate(options);
        } else {
            // Built around the pairings already played, or not at all.
            FixtureRedraw redraw = FixtureRedraw::make(league, options);
            if (!redraw.refusal.isEmpty())
                throw LeagueError(path + QLatin1String(": ") + redraw.refusal);
            list = std::move(redraw.list);
        }
        LeagueFixtures::apply(league, list);
        SaveDatei(league);

        QTextStream out(stdout);
        out << QStringLiteral("%1: Spielplan für %2 Mannschaften und %3 Spieltage, --seed=%4\n")
                   .arg(path, QString::number(league.teamCount), QString::number(league.roundCount),
                        QString::number(seed));
        if (!conflicts.played.isEmpty())
            out << QStringLiteral("Spieltage mit Ergebnissen unverändert: %1\n")
                       .arg(LeagueFixtures::numberList(conflicts.played));
    } catch (const LeagueError &e) {
        QTextStream(stderr) << e.message() << '\n';
        return 1;
    }
    return 0;
}
