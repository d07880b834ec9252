// Word store figures: loading real and synthetic lists, and the per-turn
// look-ups that must not depend on the list's size.
//
// ORDKAMP_BENCH_WORDLIST names the list BM_LoadWordList loads; by default
// the build's list of all words, ordkamp-alla.se (about 121 000).

#include "engine/WordEngine.h"

#include "SyntheticList.h"

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>

namespace {

std::string BenchWordList()
{
    const char* path = std::getenv("ORDKAMP_BENCH_WORDLIST");
    return path && *path ? path : ORDKAMP_LARGE_WORDLIST;
}

void LoadRepeatedly(benchmark::State& state, const std::string& path)
{
    CWordEngine engine;
    engine.m_strFileName = path;
    for (auto _ : state) {
        if (!engine.LoadWordList()) {
            state.SkipWithError(("cannot read " + path).c_str());
            break;
        }
        benchmark::DoNotOptimize(engine.m_words.size());
    }
    state.counters["words"] = static_cast<double>(engine.m_words.size());
}

void BM_LoadWordList(benchmark::State& state)
{
    LoadRepeatedly(state, BenchWordList());
}
BENCHMARK(BM_LoadWordList)->Unit(benchmark::kMillisecond);

void BM_LoadSynthetic(benchmark::State& state)
{
    const std::string path = WriteSyntheticList(static_cast<std::size_t>(state.range(0)));
    LoadRepeatedly(state, path);
    std::filesystem::remove(path);
}
BENCHMARK(BM_LoadSynthetic)->Arg(121'000)->Arg(2'000'000)->Unit(benchmark::kMillisecond)->MinTime(5.0);

CWordEngine& LoadedEngine()
{
    static CWordEngine engine = [] {
        CWordEngine e;
        e.m_strFileName = BenchWordList();
        e.LoadWordList();
        return e;
    }();
    return engine;
}

void BM_CountAvailableWords(benchmark::State& state)
{
    CWordEngine& engine = LoadedEngine();
    for (auto _ : state)
        benchmark::DoNotOptimize(engine.CountAvailableWords());
}
BENCHMARK(BM_CountAvailableWords);

void BM_PickWord(benchmark::State& state)
{
    CWordEngine& engine = LoadedEngine();
    for (auto _ : state)
        benchmark::DoNotOptimize(engine.PickWord(engine.m_nMinLetters, engine.m_nMaxLetters));
}
BENCHMARK(BM_PickWord);

void BM_NewPuzzle(benchmark::State& state)
{
    CWordEngine& engine = LoadedEngine();
    engine.m_nGameTypeSetting = static_cast<uint32_t>(state.range(0));
    for (auto _ : state)
        benchmark::DoNotOptimize(engine.NewPuzzle());
}
BENCHMARK(BM_NewPuzzle)->Arg(GAME_HANGMAN)->Arg(GAME_ANAGRAM)->Arg(GAME_MIXWORD);

} // namespace

BENCHMARK_MAIN();
