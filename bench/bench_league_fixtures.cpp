// Fixture list generation for the largest league.
// Run: bench_league_fixtures --benchmark_repetitions=9 --benchmark_report_aggregates_only=true
#include "league/model/League.h"
#include "league/schedule/FixtureGenerator.h"
#include "league/schedule/LeagueFixtures.h"

#include <benchmark/benchmark.h>

namespace {

void BM_FixtureGenerator(benchmark::State &state)
{
    FixtureOptions o;
    o.teamCount = int(state.range(0));
    o.roundCount = FixtureGenerator::defaultRoundCount(o.teamCount);
    o.seed = 20260807u;
    for (auto _ : state) {
        auto list = FixtureGenerator::generate(o);
        benchmark::DoNotOptimize(list);
    }
}
BENCHMARK(BM_FixtureGenerator)->Arg(18)->Arg(24)->Unit(benchmark::kMicrosecond);

// With dates, which format one text per matchday.
void BM_FixtureGenerator_dated(benchmark::State &state)
{
    FixtureOptions o;
    o.teamCount = 24;
    o.roundCount = 46;
    o.seed = 20260807u;
    o.firstDate = QDate(2026, 8, 7);
    for (auto _ : state) {
        auto list = FixtureGenerator::generate(o);
        benchmark::DoNotOptimize(list);
    }
}
BENCHMARK(BM_FixtureGenerator_dated)->Unit(benchmark::kMicrosecond);

// What the dialog and --fixtures do besides the file: the largest league's
// list drawn, dated and put into its 46 matchdays of 12 rows.
void BM_FixturesIntoLeague(benchmark::State &state)
{
    League league;
    league.reshape(24, 46);
    for (auto _ : state) {
        const FixtureConflicts conflicts = LeagueFixtures::conflicts(league);
        benchmark::DoNotOptimize(conflicts);
        const auto list = FixtureGenerator::generate(
            LeagueFixtures::optionsFor(league, 20260807u, QDate(2026, 8, 7), 7));
        benchmark::DoNotOptimize(LeagueFixtures::apply(league, list));
    }
}
BENCHMARK(BM_FixturesIntoLeague)->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
