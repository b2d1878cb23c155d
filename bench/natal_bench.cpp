// Speed of the natal chart: planet positions, the whole natal computation, reading a chart.
#include <benchmark/benchmark.h>
#include <swephexp.h>

#include "app/model/ChartFile.h"
#include "astro/Planets.h"
#include "astro/SwissEphemeris.h"
#include "chart/Aspects.h"
#include "chart/CalcularNatal.h"
#include "chart/DistribuirGlifos.h"
#include "chart/ListadoNatal.h"

namespace {

using namespace natalis;

// Ana Lucía Ferreyra, 12 October 1985, 7:45 local, zone 3 W, Buenos Aires.
NatalRecord SampleRecord() {
    NatalRecord r;
    r.NatalDay = 12;
    r.NatalMonth = 10;
    r.NatalYear = 1985;
    r.NatalHour = 7.75f;
    r.ZoneHours = 3;
    r.LatitudeDeg = -(34 + 36 / 60.0f);
    r.LongitudeDeg = -(58 + 27 / 60.0f);
    return r;
}

// One call of the ephemeris for the Moon, each at a new instant (the library keeps the last
// position of each body, so a repeated instant would measure only that cache).
void BM_CalcBody(benchmark::State& state) {
    SwissEphemeris eph;
    double out[4];
    double jd = 2446350.9479;
    for (auto _ : state) {
        jd += 0.001;
        eph.CalcBody(jd, 1, out);
        benchmark::DoNotOptimize(out);
    }
}
BENCHMARK(BM_CalcBody);

// The planet table, each time at a new instant: twenty ephemeris calls.
void BM_Planets(benchmark::State& state) {
    SwissEphemeris eph;
    PlanetTable planet{};
    double jd = 2446350.9479;
    for (auto _ : state) {
        jd += 0.37;
        Planets(jd, eph, planet);
        benchmark::DoNotOptimize(planet);
    }
}
BENCHMARK(BM_Planets);

// The same twenty positions asked body by body (each body at the instant, then one day
// later), as the table was filled before: the library redoes its per-instant work each call.
void BM_PlanetsBodyByBody(benchmark::State& state) {
    SwissEphemeris eph;
    double out[4];
    double jd = 2446350.9479;
    for (auto _ : state) {
        jd += 0.37;
        for (int b = 0; b <= 9; ++b) {
            eph.CalcBody(jd, b, out);
            benchmark::DoNotOptimize(out);
            eph.CalcBody(jd + 1, b, out);
            benchmark::DoNotOptimize(out);
        }
    }
}
BENCHMARK(BM_PlanetsBodyByBody);

// The floor the table is measured against: the twenty library calls made directly, the ten
// bodies at the instant with the motion, then the ten one day later without it.
void BM_PlanetsLibraryDirect(benchmark::State& state) {
    SwissEphemeris eph;  // sets the data folder
    double xx[6];
    char serr[AS_MAXCH];
    double jd = 2446350.9479;
    for (auto _ : state) {
        jd += 0.37;
        for (int b = 0; b <= 9; ++b) {
            swe_calc_ut(jd, b, SEFLG_SWIEPH | SEFLG_SPEED, xx, serr);
            benchmark::DoNotOptimize(xx);
        }
        for (int b = 0; b <= 9; ++b) {
            swe_calc_ut(jd + 1, b, SEFLG_SWIEPH, xx, serr);
            benchmark::DoNotOptimize(xx);
        }
    }
}
BENCHMARK(BM_PlanetsLibraryDirect);

// Everything a chart shown in the window computes before drawing: the natal tables, the
// glyph spreading, the aspects list and the listing.
void BM_NatalChart(benchmark::State& state) {
    SwissEphemeris eph;
    const NatalRecord rec = SampleRecord();
    ChartTables t;
    for (auto _ : state) {
        CalcularNatal(rec, SistemaCasas::Placido, eph, t);
        DistribuirGlifos(t.natal.PlanetaNatal);
        std::vector<std::string> aspects = ListarAspectos(t.natal);
        std::vector<std::string> listing = ListadoNatal(t.natal);
        benchmark::DoNotOptimize(aspects);
        benchmark::DoNotOptimize(listing);
    }
}
BENCHMARK(BM_NatalChart);

// The same with every point of the table (Chiron, the asteroids, the true node, both
// Liliths and the Vertex besides the twelve) and with a sidereal zodiac; each should stay
// within twice the chart above.
void NatalChartWith(benchmark::State& state, Zodiaco z) {
    SwissEphemeris eph;
    const NatalRecord rec = SampleRecord();
    ChartTables t;
    const std::vector<int> todos = *PuntosPorLista("todos", nullptr);
    for (auto _ : state) {
        t.natal.Puntos = todos;
        t.natal.zodiaco = z;
        CalcularNatal(rec, SistemaCasas::Placido, eph, t);
        DistribuirGlifos(t.natal.PlanetaNatal);
        std::vector<std::string> aspects = ListarAspectos(t.natal);
        std::vector<std::string> listing = ListadoNatal(t.natal);
        benchmark::DoNotOptimize(aspects);
        benchmark::DoNotOptimize(listing);
    }
}
void BM_NatalChartAllPoints(benchmark::State& state) { NatalChartWith(state, Zodiaco::Tropical); }
BENCHMARK(BM_NatalChartAllPoints);
void BM_NatalChartAllPointsSidereal(benchmark::State& state) {
    NatalChartWith(state, Zodiaco::Lahiri);
}
BENCHMARK(BM_NatalChartAllPointsSidereal);

// Reading one of the sample chart files from disk.
void BM_ReadChartFile(benchmark::State& state) {
    const std::string folder = std::string(NATALIS_SOURCE_DIR) + "/charts/";
    for (auto _ : state) {
        NatalRecord rec;
        ChartReadResult r = ReadChartFile(folder, "Ana_Lucia_Ferreyra.dat", rec);
        if (!r.ok) state.SkipWithError("the sample chart could not be read");
        benchmark::DoNotOptimize(rec);
    }
}
BENCHMARK(BM_ReadChartFile);

}  // namespace
