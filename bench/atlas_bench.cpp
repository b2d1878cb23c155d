// Speed and size of the atlas: the memory it holds once loaded (target: at most 40 MB),
// loading it with its index (target: at most 150 ms), a search per keystroke (the entry form
// searches again on every key typed in the place box; target: at most 5 ms), the zone list for
// typed coordinates, and the time-zone history for one clock time.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <fstream>
#include <string>
#include <vector>

#include "app/model/Atlas.h"
#include "astro/TimeZoneHistory.h"

namespace {

using namespace natalis;

const Atlas& GeoNames() {
    static const Atlas atlas = Atlas::Load(SystemAtlasFile(), "");
    return atlas;
}

// The process's resident memory in MB (/proc/self/statm: size, resident, ... in pages).
double ResidentMb() {
    std::ifstream statm("/proc/self/statm");
    long size = 0, resident = 0;
    statm >> size >> resident;
    return static_cast<double>(resident) * static_cast<double>(sysconf(_SC_PAGESIZE)) / 1e6;
}

// The resident memory an atlas adds while it is kept, run first so that no memory freed by
// the other benchmarks is reused.
void BM_AtlasResidentMemory(benchmark::State& state) {
    double grown = 0;
    for (auto _ : state) {
        const double before = ResidentMb();
        const Atlas& atlas = GeoNames();
        benchmark::DoNotOptimize(atlas.PlaceCount());
        grown = ResidentMb() - before;
    }
    state.counters["MB"] = grown;
}
BENCHMARK(BM_AtlasResidentMemory)->Iterations(1)->Unit(benchmark::kMillisecond);

// Reading the atlas file and building the word index.
void BM_AtlasLoad(benchmark::State& state) {
    for (auto _ : state) {
        Atlas a = Atlas::Load(SystemAtlasFile(), "");
        benchmark::DoNotOptimize(a.PlaceCount());
    }
}
BENCHMARK(BM_AtlasLoad)->Unit(benchmark::kMillisecond);

// One search of 20 places for a text as it stands after a keystroke. The single letters are
// the worst case: the most words begin with them.
const char* const kTyped[] = {"s",       "a",     "c",        "co",          "cór",        "córdo",
                              "córdoba", "san j", "buenos a", "cordoba esp", "nueva york", "x"};

void BM_AtlasSearchKeystroke(benchmark::State& state) {
    const Atlas& atlas = GeoNames();
    const std::string text = kTyped[state.range(0)];
    state.SetLabel(text);
    for (auto _ : state) {
        std::vector<Place> found = atlas.Search(text, 20);
        benchmark::DoNotOptimize(found.data());
    }
}
BENCHMARK(BM_AtlasSearchKeystroke)
    ->DenseRange(0, static_cast<int>(std::size(kTyped)) - 1)
    ->Unit(benchmark::kMicrosecond);

// The zones nearest first for typed coordinates, as the form lists them.
void BM_AtlasZonesNear(benchmark::State& state) {
    const Atlas& atlas = GeoNames();
    for (auto _ : state) {
        std::vector<std::string> zones = atlas.ZonesNear(-26.8, -65.7);
        benchmark::DoNotOptimize(zones.data());
    }
}
BENCHMARK(BM_AtlasZonesNear)->Unit(benchmark::kMillisecond);

// A clock time resolved in its zone, as the form does when the date or time changes.
void BM_ResolveLocalTime(benchmark::State& state) {
    const CivilTime t{2024, 10, 27, 2, 30, 0};
    for (auto _ : state) {
        ZoneTimeResult r = ResolveLocalTime("Europe/Madrid", t);
        benchmark::DoNotOptimize(r.readings.data());
    }
}
BENCHMARK(BM_ResolveLocalTime)->Unit(benchmark::kMicrosecond);

}  // namespace
