// Settings-file figures: loading a large profile file and the save at exit.

#include "profile/IniFile.h"
#include "profile/Profile.h"
#include "profile/SettingsFile.h"

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <malloc.h>
#include <new>

// Every allocation of this program is counted, so that a benchmark can tell
// the peak of memory its work held. (g++ takes the free() of a block from
// this operator new for a mismatch: it is this file's own pair.)
#pragma GCC diagnostic ignored "-Wmismatched-new-delete"
namespace {
std::size_t g_heldBytes = 0;
std::size_t g_peakBytes = 0;
} // namespace

void* operator new(std::size_t size)
{
    void* block = std::malloc(size ? size : 1);
    if (!block)
        throw std::bad_alloc();
    g_heldBytes += malloc_usable_size(block);
    g_peakBytes = std::max(g_peakBytes, g_heldBytes);
    return block;
}

void operator delete(void* block) noexcept
{
    if (block)
        g_heldBytes -= malloc_usable_size(block);
    std::free(block);
}

void operator delete(void* block, std::size_t) noexcept
{
    operator delete(block);
}

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

// The save at exit: rules and three full highscore tables, 1 207 keys, read,
// merged and written once.
void BM_SaveAtExit(benchmark::State& state)
{
    const auto folder = std::filesystem::temp_directory_path() / "ordkamp-bench-profile";
    std::filesystem::create_directories(folder);
    SetAppPathOverride(folder.string());
    CWordEngine engine;
    CSettingsFile file;
    file.Load(engine, "ordkamp.ini");
    for (unsigned game = 0; game < GAME_COUNT; ++game)
        for (unsigned i = 0; i < HIGHSCORE_PLACES; ++i)
            engine.AddHighscore(game, i, "Spelare", "2026-12-06", 8, static_cast<int16_t>(i));
    for (auto _ : state)
        benchmark::DoNotOptimize(file.Save(engine, true));
    SetAppPathOverride({});
    std::filesystem::remove_all(folder);
}
BENCHMARK(BM_SaveAtExit)->Unit(benchmark::kMillisecond);

// Loads `bytes` as the settings file at start, as often as the benchmark
// asks: time, and the peak of memory held while loading as a multiple of
// the file's size.
void MeasureSettingsLoad(benchmark::State& state, const std::string& bytes)
{
    const auto folder = std::filesystem::temp_directory_path() / "ordkamp-bench-load";
    std::filesystem::create_directories(folder);
    SetAppPathOverride(folder.string());
    std::ofstream((folder / "ordkamp.ini").string(), std::ios::binary) << bytes;
    std::size_t peak = 0;
    for (auto _ : state) {
        CWordEngine engine;
        const std::size_t before = g_heldBytes;
        g_peakBytes = before;
        CSettingsFile file;
        benchmark::DoNotOptimize(file.Load(engine, "ordkamp.ini"));
        peak = std::max(peak, g_peakBytes - before);
    }
    state.counters["peak_x_file"] = static_cast<double>(peak) / static_cast<double>(bytes.size());
    SetAppPathOverride({});
    std::filesystem::remove_all(folder);
}

// A settings file with `megabytes` MB of foreign "a=b" lines in a highscore
// section.
void BM_LoadForeignSettingsFile(benchmark::State& state)
{
    const std::size_t size = static_cast<std::size_t>(state.range(0)) << 20;
    std::string bytes = "[HangMan]\r\nwordlength0=5\r\n";
    while (bytes.size() < size)
        bytes += "a=b\r\n";
    MeasureSettingsLoad(state, bytes);
}
BENCHMARK(BM_LoadForeignSettingsFile)->Arg(2)->Arg(20)->Unit(benchmark::kMillisecond);

// A 20 MB settings file of each shape a foreign file may have: 0 many
// sections of ten keys, 1 very many sections of one key, 2 one section (a
// highscore table's, so that it is searched) of very many keys.
void BM_LoadSettingsFileShape(benchmark::State& state)
{
    constexpr std::size_t kSize = std::size_t{20} << 20;
    std::string bytes;
    bytes.reserve(kSize + 64);
    const int shape = static_cast<int>(state.range(0));
    if (shape == 2)
        bytes += "[Mixword]\r\n";
    for (std::size_t n = 0; bytes.size() < kSize; ++n) {
        const std::string number = std::to_string(n);
        if (shape == 0 && n % 10 == 0)
            bytes += "[Section" + number + "]\r\n";
        if (shape == 1)
            bytes += "[S" + number + "]\r\n";
        bytes += (shape == 1 ? "k" : "key" + number) + "=" + std::string(shape == 0 ? 40 : 8, 'v') + "\r\n";
    }
    MeasureSettingsLoad(state, bytes);
}
BENCHMARK(BM_LoadSettingsFileShape)->Arg(0)->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond)->Iterations(3);

} // namespace

BENCHMARK_MAIN();
