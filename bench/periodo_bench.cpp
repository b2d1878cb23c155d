// Speed of the period search: a year and ten years of transits of the ten bodies to the
// sixteen natal points, and a decade of secondary progressions and of solar arc, each from the
// computed chart to the sorted hits.
#include <benchmark/benchmark.h>

#include "app/model/ChartFile.h"
#include "astro/Calendar.h"
#include "astro/SwissEphemeris.h"
#include "chart/CalcularNatal.h"
#include "predictive/BusquedaPeriodo.h"
#include "predictive/PuntosMoviles.h"

namespace {

using namespace natalis;

struct Carta {
    NatalRecord rec;
    ChartTables tablas;
};

Carta CartaDeMuestra(Ephemeris& eph) {
    Carta c;
    ReadChartFile(std::string(NATALIS_SOURCE_DIR) + "/charts", "Ana_Lucia_Ferreyra.dat", c.rec);
    CalcularNatal(c.rec, SistemaCasas::Placido, eph, c.tablas);
    return c;
}

// range(0): years from 1 January 2030; range(1): the technique.
void BM_BusquedaPeriodo(benchmark::State& state) {
    SwissEphemeris eph;
    const Carta c = CartaDeMuestra(eph);
    const auto tecnica = static_cast<TecnicaPeriodo>(state.range(1));
    const double desde = JulDay(1, 1, 2030);
    const double hasta = JulDay(1, 1, 2030 + state.range(0));
    size_t aspectos = 0;
    for (auto _ : state) {
        std::vector<PuntoMovil> moviles =
            PuntosMoviles(tecnica, c.tablas.natal, c.rec.NatalHour + c.rec.ZoneHours, eph);
        const auto r = BuscarAspectosPeriodo(moviles, c.tablas.natal, desde, hasta, 1);
        aspectos = r.size();
        benchmark::DoNotOptimize(r.data());
    }
    state.counters["aspectos"] = static_cast<double>(aspectos);
    state.SetLabel(std::string(NombreTecnicaPeriodo(tecnica)) + ", " +
                   std::to_string(state.range(0)) + (state.range(0) == 1 ? " año" : " años"));
}
BENCHMARK(BM_BusquedaPeriodo)
    ->Args({1, static_cast<int>(TecnicaPeriodo::Transitos)})
    ->Args({10, static_cast<int>(TecnicaPeriodo::Transitos)})
    ->Args({10, static_cast<int>(TecnicaPeriodo::Secundaria)})
    ->Args({10, static_cast<int>(TecnicaPeriodo::ArcoSolar)})
    ->Unit(benchmark::kMillisecond);

}  // namespace
