#include <benchmark/benchmark.h>

#include <QTemporaryDir>

#include "tournament/group/Ranking.h"
#include "tournament/group/ResultEntry.h"
#include "tournament/group/Statistics.h"
#include "tournament/knockout/Bracket.h"
#include "tournament/model/TournamentFiles.h"

namespace {

const QString kExample = QStringLiteral(SOURCE_DIR "/examples/tournament");

void loadExample(Tournament &t)
{
    if (!loadGroups(t, kExample))
        std::abort();
}

// Plays the 48 group matches through the entry page's recording path, with
// two scorers per match.
void playGroupStage(Tournament &t)
{
    int n = 0;
    for (TGroupe &g : t.groupes) {
        std::vector<TEquipe *> teams;
        for (auto &team : g.teams)
            teams.push_back(team.get());
        for (size_t a = 0; a < teams.size(); ++a)
            for (size_t b = a + 1; b < teams.size(); ++b) {
                ResultEntry e{QString(QLatin1Char(g.letter)), teams[a]->name.text(), teams[b]->name.text(),
                              (n % 3), (n % 2), {}, {}};
                for (int i = 0; i < e.score1; ++i)
                    e.scorers1 << teams[a]->squad[(n + i) % 23].name.text();
                for (int i = 0; i < e.score2; ++i)
                    e.scorers2 << teams[b]->squad[(n + i) % 23].name.text();
                if (checkGroupEntry(t, e) != EntryAnswer::Confirm || !storeGroupMatch(t, e))
                    std::abort();
                ++n;
            }
    }
}

void BM_LoadExampleGroups(benchmark::State &state)
{
    for (auto _ : state) {
        Tournament t;
        loadExample(t);
        benchmark::DoNotOptimize(t.groupes.data());
    }
}
BENCHMARK(BM_LoadExampleGroups);

void BM_SaveEverything(benchmark::State &state)
{
    Tournament t;
    loadExample(t);
    playGroupStage(t);
    QTemporaryDir dir;
    for (auto _ : state) {
        t.modifie = true;
        if (!saveAll(t, dir.path()).ok)
            std::abort();
    }
}
BENCHMARK(BM_SaveEverything);

void BM_RecordGroupStage(benchmark::State &state)
{
    for (auto _ : state) {
        state.PauseTiming();
        Tournament t;
        loadExample(t);
        state.ResumeTiming();
        playGroupStage(t);
        benchmark::DoNotOptimize(t.liste_matchs.data());
    }
}
BENCHMARK(BM_RecordGroupStage);

void BM_QualifiersAndBracket(benchmark::State &state)
{
    Tournament t;
    loadExample(t);
    playGroupStage(t);
    for (auto _ : state) {
        t.qualifies = calcule_qualifies(t.groupes, t.liste_matchs);
        deriveBracket(t);
        benchmark::DoNotOptimize(buttonStates(t));
    }
}
BENCHMARK(BM_QualifiersAndBracket);

void BM_BestScorers(benchmark::State &state)
{
    Tournament t;
    loadExample(t);
    playGroupStage(t);
    for (auto _ : state) {
        const auto list = meilleurs_buteurs(t);
        benchmark::DoNotOptimize(list.data());
    }
}
BENCHMARK(BM_BestScorers);

} // namespace

BENCHMARK_MAIN();
