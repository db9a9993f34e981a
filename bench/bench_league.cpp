// Standings, cross table, curves and every writer on one league.
// Run: bench_league --benchmark_repetitions=9 --benchmark_report_aggregates_only=true
#include "league/export/Exporters.h"
#include "league/model/IniFile.h"
#include "league/model/League.h"
#include "league/model/LeagueFile.h"
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

const League &league()
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

void BM_TabBer(benchmark::State &state)
{
    Standings s;
    for (auto _ : state) {
        TabBer(league(), s);
        benchmark::DoNotOptimize(s.tableTotal[1].points);
    }
}
BENCHMARK(BM_TabBer);

void BM_KurveBer_all18(benchmark::State &state)
{
    CurvePositions pos{};
    for (auto _ : state) {
        for (int team = 1; team <= 18; ++team) {
            KurveBer(league(), team, pos);
            benchmark::DoNotOptimize(pos[34]);
        }
    }
}
BENCHMARK(BM_KurveBer_all18);

void BM_KurveBer_picture(benchmark::State &state)
{
    CurvePositions pos{};
    QImage picture;
    for (auto _ : state) {
        KurveBer(league(), 1, pos, &picture);
        benchmark::DoNotOptimize(picture.constBits());
    }
}
BENCHMARK(BM_KurveBer_picture);

void BM_KreuzBer(benchmark::State &state)
{
    CrossGrid g;
    for (auto _ : state) {
        KreuzBer(league(), g);
        benchmark::DoNotOptimize(g.cell(2, 1));
    }
}
BENCHMARK(BM_KreuzBer);

template <typename Write>
void runWriter(benchmark::State &state, Write write)
{
    for (auto _ : state) {
        QByteArray bytes = write();
        benchmark::DoNotOptimize(bytes.data());
    }
}

Standings tables()
{
    Standings s;
    TabBer(league(), s);
    return s;
}

CrossGrid grid()
{
    CrossGrid g;
    KreuzBer(league(), g);
    return g;
}

void BM_Exp_tb_HTM(benchmark::State &state)
{
    const Standings s = tables();
    const RowBandColors bands = zoneColors(league());
    runWriter(state, [&] { return Exp_tb_HTM(s, bands); });
}
BENCHMARK(BM_Exp_tb_HTM);

void BM_Exp_kt_HTM(benchmark::State &state)
{
    const CrossGrid g = grid();
    runWriter(state, [&] { return Exp_kt_HTM(g); });
}
BENCHMARK(BM_Exp_kt_HTM);

void BM_Exp_st_HTM(benchmark::State &state)
{
    runWriter(state, [] { return Exp_st_HTM(league()); });
}
BENCHMARK(BM_Exp_st_HTM);

void BM_Exp_tb_TXT(benchmark::State &state)
{
    const Standings s = tables();
    runWriter(state, [&] { return Exp_tb_TXT(s); });
}
BENCHMARK(BM_Exp_tb_TXT);

void BM_Exp_kt_TXT(benchmark::State &state)
{
    const CrossGrid g = grid();
    runWriter(state, [&] { return Exp_kt_TXT(g); });
}
BENCHMARK(BM_Exp_kt_TXT);

void BM_Exp_st_TXT(benchmark::State &state)
{
    runWriter(state, [] { return Exp_st_TXT(league()); });
}
BENCHMARK(BM_Exp_st_TXT);

void BM_Exp_tb_RTF(benchmark::State &state)
{
    const Standings s = tables();
    const RowBandColors bands = zoneColors(league());
    runWriter(state, [&] { return Exp_tb_RTF(s, bands); });
}
BENCHMARK(BM_Exp_tb_RTF);

void BM_Exp_kt_RTF(benchmark::State &state)
{
    const CrossGrid g = grid();
    runWriter(state, [&] { return Exp_kt_RTF(g); });
}
BENCHMARK(BM_Exp_kt_RTF);

void BM_Exp_st_RTF(benchmark::State &state)
{
    runWriter(state, [] { return Exp_st_RTF(league()); });
}
BENCHMARK(BM_Exp_st_RTF);

void BM_Exp_krv_BMP(benchmark::State &state)
{
    CurvePositions pos{};
    QImage picture;
    KurveBer(league(), 1, pos, &picture);
    runWriter(state, [&] { return Exp_krv_BMP(picture); });
}
BENCHMARK(BM_Exp_krv_BMP);

void BM_Exp_krv_GIF(benchmark::State &state)
{
    CurvePositions pos{};
    QImage picture;
    KurveBer(league(), 1, pos, &picture);
    runWriter(state, [&] { return Exp_krv_GIF(picture); });
}
BENCHMARK(BM_Exp_krv_GIF);

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
