// Speed of the house systems: one call fills the twelve cusps for an ARMC and latitude.
#include <benchmark/benchmark.h>

#include "astro/Houses.h"

namespace {

using namespace natalis;

// One Houses call per iteration, the ARMC stepping round the circle so that every quadrant
// is measured. Arguments: the system letter (as a char code) and the latitude in degrees.
void BM_Houses(benchmark::State& state) {
    const std::string system(1, static_cast<char>(state.range(0)));
    const float lat = static_cast<float>(state.range(1));
    CuspTable cusp{};
    double armc = 0;
    for (auto _ : state) {
        armc += 7.3;
        if (armc >= 360) armc -= 360;
        benchmark::DoNotOptimize(Houses(armc, lat, system, 23.44f, cusp));
        benchmark::DoNotOptimize(cusp);
    }
}
BENCHMARK(BM_Houses)
    ->ArgNames({"system", "lat"})
    ->Args({'P', 40})
    ->Args({'P', 66})
    ->Args({'K', 40})
    ->Args({'R', 40});

}  // namespace
