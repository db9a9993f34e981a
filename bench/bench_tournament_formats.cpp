#include <benchmark/benchmark.h>

#include "tournament/format/FormatImport.h"

namespace {

const QString kData = QStringLiteral(SOURCE_DIR "/tests/data/open-football/worldcup-2026/");

FormatTournament fresh()
{
    FormatTournament t;
    t.format = FormatFile::load(QStringLiteral("world2026")).format;
    return t;
}

// The 2026 World Cup as a fan imports it: 72 group matches, 32 knock-out
// matches and 48 squads of 26 from one file, with the scorers credited.
// The format is read once, as the command reads it before the files.
void BM_Import2026(benchmark::State &state)
{
    const QStringList files{kData + QStringLiteral("cup.txt"), kData + QStringLiteral("cup_finals.txt")};
    const QString squads = kData + QStringLiteral("squads.txt");
    const FormatTournament empty = fresh();
    for (auto _ : state) {
        FormatTournament t = empty;
        const FormatImport::Result r = FormatImport::importFiles(t, files, squads);
        if (!r.ok || r.knockoutMatches != 32)
            std::abort();
        benchmark::DoNotOptimize(t.knockout.data());
    }
}
BENCHMARK(BM_Import2026)->Unit(benchmark::kMillisecond);

// One result changes: the twelve groups, the thirds and the bracket of 32
// matches are ranked again, as after every entry.
void BM_RerankAfterOneResult(benchmark::State &state)
{
    FormatTournament t = fresh();
    const FormatImport::Result r = FormatImport::importFiles(
        t, {kData + QStringLiteral("cup.txt"), kData + QStringLiteral("cup_finals.txt")}, QString());
    if (!r.ok)
        std::abort();
    int n = 0;
    for (auto _ : state) {
        FormatGroupMatch &m = t.groupMatches[size_t(n++ % t.groupMatches.size())];
        m.score1 ^= 1;
        const FormatStandings s = rankFormat(t);
        benchmark::DoNotOptimize(s.champion);
        m.score1 ^= 1;
    }
}
BENCHMARK(BM_RerankAfterOneResult)->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
