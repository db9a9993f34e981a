// Standings, cross table, curves and every writer, on a season of the
// classic 18 teams and 34 matchdays and on the largest league, 24 teams and
// 46 matchdays with a result in every match (the argument is the team
// count).
// Run: bench_league --benchmark_repetitions=9 --benchmark_report_aggregates_only=true
#include "league/export/Exporters.h"
#include "league/model/IniFile.h"
#include "league/model/League.h"
#include "league/model/LeagueFile.h"
#include "league/schedule/FixtureGenerator.h"
#include "league/standings/CrossTable.h"
#include "league/standings/FeverCurve.h"
#include "league/standings/RowBands.h"
#include "league/standings/Standings.h"

#include <QFileInfo>
#include <QGuiApplication>

#include <benchmark/benchmark.h>

namespace {

// A full double round robin of 18 teams by the circle method, with goals
// from a fixed formula, for when the example league is not at hand.
League builtSeason()
{
    League l;
    for (int i = 1; i <= 18; ++i)
        l.teamNames[i] = QStringLiteral("Verein Nummer %1").arg(i);
    int ring[18];
    for (int i = 0; i < 18; ++i)
        ring[i] = i + 1;
    for (int j = 1; j <= 17; ++j) {
        l.dates(j) = RoundDates{QStringLiteral("%1.08.2026").arg(j, 2, 10, QLatin1Char('0')),
                                QStringLiteral("%1.08.2026").arg(j + 1, 2, 10, QLatin1Char('0'))};
        for (int k = 0; k < 9; ++k) {
            const int a = ring[k];
            const int b = ring[17 - k];
            const int ga = (a * 7 + j * 3) % 4;
            const int gb = (b * 5 + j) % 3;
            l.match(j, k + 1) = Match{a, b, ga, gb};
            l.match(j + 17, k + 1) = Match{b, a, gb, (ga + 1) % 4};
        }
        // Keep slot 1 fixed and turn the others.
        const int last = ring[17];
        for (int i = 17; i > 1; --i)
            ring[i] = ring[i - 1];
        ring[1] = last;
    }
    return l;
}

// The largest league: a double round robin of 24 teams by the fixture
// generator, every match with goals from a fixed formula.
League largestSeason()
{
    League l;
    l.reshape(24, 46);
    for (int i = 1; i <= 24; ++i)
        l.teamNames[i] = QStringLiteral("Verein Nummer %1").arg(i);
    FixtureOptions o;
    o.teamCount = 24;
    o.roundCount = 46;
    o.seed = 20260807u;
    o.firstDate = QDate(2026, 8, 7);
    const std::vector<FixtureMatchday> list = FixtureGenerator::generate(o);
    for (int j = 1; j <= 46; ++j) {
        const FixtureMatchday &day = list.at(size_t(j - 1));
        l.dates(j) = RoundDates{day.dateFrom, day.dateTo};
        for (int k = 1; k <= 12; ++k) {
            const FixturePairing &p = day.pairings.at(size_t(k - 1));
            l.match(j, k) = Match{p.home, p.away, (p.home * 7 + j * 3) % 4, (p.away * 5 + j) % 3};
        }
    }
    return l;
}

const League &classicLeague()
{
    static const League l = [] {
        const QString example = QStringLiteral(SOURCE_DIR "/examples/league/Liga2026.T98");
        if (QFileInfo::exists(example)) {
            League loaded;
            loaded.leagueFileName = example;
            OpenDatei(loaded);
            return loaded;
        }
        return builtSeason();
    }();
    return l;
}

const League &largestLeague()
{
    static const League l = largestSeason();
    return l;
}

const League &leagueOf(const benchmark::State &state)
{
    return state.range(0) == 24 ? largestLeague() : classicLeague();
}

const League &league()
{
    return classicLeague();
}

// The bytes of a whole season's league file, as loading and saving see them.
QByteArray seasonFileBytes()
{
    IniFile ini;
    LeagueFile::write(league(), ini);
    return ini.toBytes();
}

void BM_LeagueFile_load(benchmark::State &state)
{
    const QByteArray bytes = seasonFileBytes();
    for (auto _ : state) {
        IniFile ini;
        ini.fromBytes(bytes);
        League l;
        LeagueFile::read(ini, l);
        benchmark::DoNotOptimize(l);
    }
}
BENCHMARK(BM_LeagueFile_load);

// Saving over the file the league came from: every key is found and
// replaced in place.
void BM_LeagueFile_save(benchmark::State &state)
{
    IniFile old;
    old.fromBytes(seasonFileBytes());
    for (auto _ : state) {
        IniFile ini = old;
        LeagueFile::write(league(), ini);
        benchmark::DoNotOptimize(ini.toBytes());
    }
}
BENCHMARK(BM_LeagueFile_save);

// Both leagues, in microseconds.
#define LEAGUE_BENCHMARK(name) BENCHMARK(name)->Arg(18)->Arg(24)->Unit(benchmark::kMicrosecond)

void BM_TabBer(benchmark::State &state)
{
    const League &l = leagueOf(state);
    Standings s;
    for (auto _ : state) {
        TabBer(l, s);
        benchmark::DoNotOptimize(s.tableTotal[1].points);
    }
}
LEAGUE_BENCHMARK(BM_TabBer);

// The league under the other tie orders: the games of the season are
// collected once per computation and every group of teams level is
// compared on the games among them.
League withOrder(const League &l, TieOrder order)
{
    League copy = l;
    copy.tieOrder = order;
    return copy;
}

void BM_TabBer_directFirst(benchmark::State &state)
{
    const League l = withOrder(leagueOf(state), TieOrder::DirectThenGoals);
    Standings s;
    for (auto _ : state) {
        TabBer(l, s);
        benchmark::DoNotOptimize(s.tableTotal[1].points);
    }
}
LEAGUE_BENCHMARK(BM_TabBer_directFirst);

void BM_TabBer_directLast(benchmark::State &state)
{
    const League l = withOrder(leagueOf(state), TieOrder::GoalsThenDirect);
    Standings s;
    for (auto _ : state) {
        TabBer(l, s);
        benchmark::DoNotOptimize(s.tableTotal[1].points);
    }
}
LEAGUE_BENCHMARK(BM_TabBer_directLast);

// The most work the direct comparison can have: every match a 1:1 draw,
// so that all teams stand level in all three tables, and the games among
// all of them separate nothing.
void BM_TabBer_directAllLevel(benchmark::State &state)
{
    League l = withOrder(leagueOf(state), TieOrder::DirectThenGoals);
    for (int j = 1; j <= l.roundCount; ++j)
        for (int k = 1; k <= l.rowCount(); ++k)
            l.match(j, k).goalsA = l.match(j, k).goalsB = 1;
    Standings s;
    for (auto _ : state) {
        TabBer(l, s);
        benchmark::DoNotOptimize(s.tableTotal[1].points);
    }
}
LEAGUE_BENCHMARK(BM_TabBer_directAllLevel);

void BM_KurveBer_allTeams_directFirst(benchmark::State &state)
{
    const League l = withOrder(leagueOf(state), TieOrder::DirectThenGoals);
    CurvePositions pos{};
    for (auto _ : state) {
        for (int team = 1; team <= l.teamCount; ++team) {
            KurveBer(l, team, pos);
            benchmark::DoNotOptimize(pos[l.roundCount]);
        }
    }
}
LEAGUE_BENCHMARK(BM_KurveBer_allTeams_directFirst);

// The curves of every team of the league, as the print of all curves
// computes them.
void BM_KurveBer_allTeams(benchmark::State &state)
{
    const League &l = leagueOf(state);
    CurvePositions pos{};
    for (auto _ : state) {
        for (int team = 1; team <= l.teamCount; ++team) {
            KurveBer(l, team, pos);
            benchmark::DoNotOptimize(pos[l.roundCount]);
        }
    }
}
LEAGUE_BENCHMARK(BM_KurveBer_allTeams);

void BM_KurveBer_picture(benchmark::State &state)
{
    const League &l = leagueOf(state);
    CurvePositions pos{};
    QImage picture;
    for (auto _ : state) {
        KurveBer(l, 1, pos, &picture);
        benchmark::DoNotOptimize(picture.constBits());
    }
}
LEAGUE_BENCHMARK(BM_KurveBer_picture);

void BM_KreuzBer(benchmark::State &state)
{
    const League &l = leagueOf(state);
    CrossGrid g;
    for (auto _ : state) {
        KreuzBer(l, g);
        benchmark::DoNotOptimize(g.cell(2, 1));
    }
}
LEAGUE_BENCHMARK(BM_KreuzBer);

template <typename Write>
void runWriter(benchmark::State &state, Write write)
{
    for (auto _ : state) {
        QByteArray bytes = write();
        benchmark::DoNotOptimize(bytes.data());
    }
}

Standings tables(const League &l)
{
    Standings s;
    TabBer(l, s);
    return s;
}

CrossGrid grid(const League &l)
{
    CrossGrid g;
    KreuzBer(l, g);
    return g;
}

void BM_Exp_tb_HTM(benchmark::State &state)
{
    const Standings s = tables(leagueOf(state));
    const RowBandColors bands = zoneColors(leagueOf(state));
    runWriter(state, [&] { return Exp_tb_HTM(s, bands); });
}
LEAGUE_BENCHMARK(BM_Exp_tb_HTM);

void BM_Exp_kt_HTM(benchmark::State &state)
{
    const CrossGrid g = grid(leagueOf(state));
    runWriter(state, [&] { return Exp_kt_HTM(g); });
}
LEAGUE_BENCHMARK(BM_Exp_kt_HTM);

void BM_Exp_st_HTM(benchmark::State &state)
{
    const League &l = leagueOf(state);
    runWriter(state, [&] { return Exp_st_HTM(l); });
}
LEAGUE_BENCHMARK(BM_Exp_st_HTM);

void BM_Exp_tb_TXT(benchmark::State &state)
{
    const Standings s = tables(leagueOf(state));
    runWriter(state, [&] { return Exp_tb_TXT(s); });
}
LEAGUE_BENCHMARK(BM_Exp_tb_TXT);

void BM_Exp_kt_TXT(benchmark::State &state)
{
    const CrossGrid g = grid(leagueOf(state));
    runWriter(state, [&] { return Exp_kt_TXT(g); });
}
LEAGUE_BENCHMARK(BM_Exp_kt_TXT);

void BM_Exp_st_TXT(benchmark::State &state)
{
    const League &l = leagueOf(state);
    runWriter(state, [&] { return Exp_st_TXT(l); });
}
LEAGUE_BENCHMARK(BM_Exp_st_TXT);

void BM_Exp_tb_RTF(benchmark::State &state)
{
    const Standings s = tables(leagueOf(state));
    const RowBandColors bands = zoneColors(leagueOf(state));
    runWriter(state, [&] { return Exp_tb_RTF(s, bands); });
}
LEAGUE_BENCHMARK(BM_Exp_tb_RTF);

void BM_Exp_kt_RTF(benchmark::State &state)
{
    const CrossGrid g = grid(leagueOf(state));
    runWriter(state, [&] { return Exp_kt_RTF(g); });
}
LEAGUE_BENCHMARK(BM_Exp_kt_RTF);

void BM_Exp_st_RTF(benchmark::State &state)
{
    const League &l = leagueOf(state);
    runWriter(state, [&] { return Exp_st_RTF(l); });
}
LEAGUE_BENCHMARK(BM_Exp_st_RTF);

void BM_Exp_krv_BMP(benchmark::State &state)
{
    CurvePositions pos{};
    QImage picture;
    KurveBer(leagueOf(state), 1, pos, &picture);
    runWriter(state, [&] { return Exp_krv_BMP(picture); });
}
LEAGUE_BENCHMARK(BM_Exp_krv_BMP);

void BM_Exp_krv_GIF(benchmark::State &state)
{
    CurvePositions pos{};
    QImage picture;
    KurveBer(leagueOf(state), 1, pos, &picture);
    runWriter(state, [&] { return Exp_krv_GIF(picture); });
}
LEAGUE_BENCHMARK(BM_Exp_krv_GIF);

} // namespace

int main(int argc, char **argv)
{
    // The curve picture draws text, which needs a GUI application; no
    // display is needed.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
