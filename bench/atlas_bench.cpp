// Speed of the atlas: loading it with its index, and a search per keystroke (the entry form
// searches again on every key typed in the place box; target: at most 5 ms), and of the
// time-zone history for one clock time.
#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#include "app/model/Atlas.h"
#include "astro/TimeZoneHistory.h"

namespace {

using namespace natalis;

const Atlas& GeoNames() {
    static const Atlas atlas = Atlas::Load(SystemAtlasFiles(), "");
    return atlas;
}

// Reading GeoNames' files, the Spanish catalogue and building the word index.
void BM_AtlasLoad(benchmark::State& state) {
    for (auto _ : state) {
        Atlas a = Atlas::Load(SystemAtlasFiles(), "");
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
