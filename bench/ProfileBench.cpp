// Settings-file figures: loading a large profile file and the save at exit.

#include "IniFile.h"
#include "SettingsFile.h"
#include "Profile.h"

#include <benchmark/benchmark.h>

#include <filesystem>

namespace {

// About 10 MB in 100 000 sections.
std::string LargeProfile()
{
    std::string bytes;
    for (int i = 0; i < 100'000; ++i)
        bytes += "[Section" + std::to_string(i) + "]\r\nkey=" + std::string(80, 'v') + "\r\n";
    return bytes;
}

void BM_ParseLargeProfile(benchmark::State& state)
{
    const std::string bytes = LargeProfile();
    for (auto _ : state) {
        const CIniFile ini = CIniFile::Parse(bytes);
        benchmark::DoNotOptimize(ini.Get("Section99999", "key"));
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * bytes.size()));
}
BENCHMARK(BM_ParseLargeProfile)->Unit(benchmark::kMillisecond);

// The save at exit: rules and three full highscore tables, 1 207 keys.
void BM_SaveAtExit(benchmark::State& state)
{
    const auto folder = std::filesystem::temp_directory_path() / "ordkamp-bench-profile";
    std::filesystem::create_directories(folder);
    SetAppPathOverride(folder.string());
    CWordEngine engine;
    for (unsigned game = 0; game < GAME_COUNT; ++game)
        for (unsigned i = 0; i < HIGHSCORE_PLACES; ++i)
            engine.AddHighscore(game, i, "Spelare", "2026-12-06", 8, static_cast<int16_t>(i));
    for (auto _ : state) {
        SaveSettings(engine, "ordkamp.ini");
        SaveHighscores(engine, "ordkamp.ini");
    }
    SetAppPathOverride({});
    std::filesystem::remove_all(folder);
}
BENCHMARK(BM_SaveAtExit)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
