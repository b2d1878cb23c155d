// Speed of the charts of two people: a synastry drawn as a bi-wheel, and a composite beside
// the natal chart it is made from.
#include <benchmark/benchmark.h>

#include "astro/SwissEphemeris.h"
#include "chart/BiRueda.h"
#include "chart/Compuesta.h"
#include "chart/RecordingSurface.h"

namespace {

using namespace natalis;

// Two sample births: Buenos Aires, 12 October 1985 7:45 (zone 3 W); Madrid, 14 July 1979
// 9:30 (zone 2 E).
NatalRecord Registro(int d, int m, int a, float hora, float zona, float lat, float lon) {
    NatalRecord r;
    r.NatalName = "Muestra";
    r.NatalDay = static_cast<int16_t>(d);
    r.NatalMonth = static_cast<int16_t>(m);
    r.NatalYear = static_cast<int16_t>(a);
    r.NatalHour = hora;
    r.ZoneHours = zona;
    r.LatitudeDeg = lat;
    r.LongitudeDeg = lon;
    return r;
}

const NatalRecord kA = Registro(12, 10, 1985, 7.75f, 3, -34.6f, -58.45f);
const NatalRecord kB = Registro(14, 7, 1979, 9.5f, -2, 40.42f, -3.7f);

// One natal chart (the unit the composite is measured against); the birth moves a little
// each time so the ephemeris's cache of the last instant is not what is measured.
void BM_CartaNatal(benchmark::State& state) {
    SwissEphemeris eph;
    NatalRecord r = kA;
    for (auto _ : state) {
        r.NatalHour += 0.001f;
        benchmark::DoNotOptimize(CalcularCarta(r, OpcionesCarta{}, eph));
    }
}
BENCHMARK(BM_CartaNatal);

// A composite from the two births: both natal charts and the composite itself.
void BM_Compuesta(benchmark::State& state) {
    SwissEphemeris eph;
    NatalRecord a = kA;
    for (auto _ : state) {
        a.NatalHour += 0.001f;
        const Carta ca = CalcularCarta(a, OpcionesCarta{}, eph);
        const Carta cb = CalcularCarta(kB, OpcionesCarta{}, eph);
        benchmark::DoNotOptimize(CalcularCompuesta(ca, cb));
    }
}
BENCHMARK(BM_Compuesta);

// The composite alone, from two charts already computed.
void BM_CompuestaDeDosCartas(benchmark::State& state) {
    SwissEphemeris eph;
    const Carta ca = CalcularCarta(kA, OpcionesCarta{}, eph);
    const Carta cb = CalcularCarta(kB, OpcionesCarta{}, eph);
    for (auto _ : state) benchmark::DoNotOptimize(CalcularCompuesta(ca, cb));
}
BENCHMARK(BM_CompuestaDeDosCartas);

// A synastry from the two births to the drawn bi-wheel: both charts, the cross aspects and
// overlays, and the drawing recorded.
void BM_SinastriaDibujada(benchmark::State& state) {
    SwissEphemeris eph;
    NatalRecord a = kA;
    for (auto _ : state) {
        a.NatalHour += 0.001f;
        const Carta ca = CalcularCarta(a, OpcionesCarta{}, eph);
        const Carta cb = CalcularCarta(kB, OpcionesCarta{}, eph);
        const Sinastria s = CalcularSinastria(ca.natal, cb.natal);
        RecordingSurface surface;
        WheelGeometry g;
        DibujarBiRueda(surface, ca, cb, s, WheelHeader{}, g);
        benchmark::DoNotOptimize(surface.Ops().size());
    }
}
BENCHMARK(BM_SinastriaDibujada)->Unit(benchmark::kMillisecond);

}  // namespace
