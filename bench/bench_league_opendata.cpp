// Reading, importing and writing a full Premier League season (380 matches)
// in the open football data formats; reading the text file must stay well
// under 5 ms.
// Run: bench_league_opendata --benchmark_repetitions=9 --benchmark_report_aggregates_only=true
#include "common/FootballJson.h"
#include "common/FootballTxt.h"
#include "league/model/LeagueOpenData.h"

#include <QFile>

#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>

namespace {

const QByteArray &seasonText()
{
    static const QByteArray bytes = [] {
        QFile f(QStringLiteral(SOURCE_DIR "/tests/data/open-football/league/en-2023-24-premierleague.txt"));
        if (!f.open(QIODevice::ReadOnly)) {
            std::fprintf(stderr, "the Premier League season is missing\n");
            std::exit(1);
        }
        return f.readAll();
    }();
    return bytes;
}

void BM_FootballTxt_readSeason(benchmark::State &state)
{
    for (auto _ : state) {
        const FootballTxt::ReadResult r = FootballTxt::read(seasonText());
        if (!r.ok || r.document.matchCount() != 380)
            state.SkipWithError("the season does not read");
        benchmark::DoNotOptimize(r);
    }
}
BENCHMARK(BM_FootballTxt_readSeason)->Unit(benchmark::kMillisecond);

void BM_FootballTxt_importSeason(benchmark::State &state)
{
    for (auto _ : state) {
        const LeagueOpenData::Imported im =
            LeagueOpenData::importBytes(seasonText(), LeagueOpenData::Format::Txt, QStringLiteral("pl.txt"));
        benchmark::DoNotOptimize(im);
    }
}
BENCHMARK(BM_FootballTxt_importSeason)->Unit(benchmark::kMillisecond);

void BM_FootballTxt_writeSeason(benchmark::State &state)
{
    const FootballTxt::Document doc = FootballTxt::read(seasonText()).document;
    for (auto _ : state)
        benchmark::DoNotOptimize(FootballTxt::write(doc));
}
BENCHMARK(BM_FootballTxt_writeSeason)->Unit(benchmark::kMillisecond);

void BM_FootballJson_readSeason(benchmark::State &state)
{
    const QByteArray json = FootballJson::write(FootballTxt::read(seasonText()).document);
    for (auto _ : state) {
        const FootballTxt::ReadResult r = FootballJson::read(json);
        if (!r.ok)
            state.SkipWithError("the season does not read");
        benchmark::DoNotOptimize(r);
    }
}
BENCHMARK(BM_FootballJson_readSeason)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
