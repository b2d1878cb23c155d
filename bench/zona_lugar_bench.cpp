// The entry form's work on a keystroke in a date or time box once a place is chosen: the
// offset resolved again and the zone line written.
#include <benchmark/benchmark.h>

#include <string>

#include "entry/ZonaDeLugar.h"

namespace {

using namespace natalis;

void BM_RecalcularHusoKeystroke(benchmark::State& state) {
    Place madrid;
    madrid.name = "Madrid";
    madrid.latitudeDeg = 40.4165;
    madrid.longitudeDeg = -3.70256;
    madrid.zone = "Europe/Madrid";
    FichaNatalTextos f;
    f.TextDia = "1", f.TextMes = "7", f.TextAnno = "1990";
    f.TextHShs = "12", f.TextHSmin = "00", f.TextHSseg = "00";
    ElegirLugar(f, madrid);
    int month = 0;
    for (auto _ : state) {
        f.TextMes = std::to_string(1 + month++ % 12);
        RecalcularHuso(f);
        std::string line = LineaHuso(f);
        benchmark::DoNotOptimize(line.data());
    }
}
BENCHMARK(BM_RecalcularHusoKeystroke)->Unit(benchmark::kMicrosecond);

}  // namespace
