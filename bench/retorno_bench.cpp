// Speed of the returns: the search for one solar or lunar return of the sample chart on the
// ephemeris with its data files, and the whole headless command.
#include <benchmark/benchmark.h>

#include <sstream>

#include "app/cli/Headless.h"
#include "app/model/ChartFile.h"
#include "astro/Calendar.h"
#include "astro/SwissEphemeris.h"
#include "chart/CalcularNatal.h"
#include "predictive/Retorno.h"

namespace {

using namespace natalis;

const std::string kCarpeta = std::string(NATALIS_SOURCE_DIR) + "/charts";
const std::string kCarta = "Ana_Lucia_Ferreyra.dat";

// The return searched from 1 January of a new year each time (a new month for the Moon), so
// no case repeats the one before.
void BM_RetornoHallado(benchmark::State& state) {
    const TipoRetorno tipo = state.range(0) == 0 ? TipoRetorno::Solar : TipoRetorno::Lunar;
    SwissEphemeris eph;
    NatalRecord rec;
    ReadChartFile(kCarpeta, kCarta, rec);
    ChartTables t;
    CalcularNatal(rec, SistemaCasas::Placido, eph, t);
    const int cuerpo = tipo == TipoRetorno::Solar ? 1 : 2;
    int n = 0;
    for (auto _ : state) {
        const double desde = tipo == TipoRetorno::Solar ? JulDay(1, 1, 1900 + n % 200)
                                                        : JulDay(1, 1 + n % 12, 2000 + n / 12 % 50);
        ++n;
        const RetornoInstante r = BuscarRetorno(tipo, t.natal.PlanetaNatal[cuerpo].Lon, desde, eph);
        benchmark::DoNotOptimize(r.jd);
    }
    state.SetLabel(tipo == TipoRetorno::Solar ? "solar" : "lunar");
}
BENCHMARK(BM_RetornoHallado)->DenseRange(0, 1)->Unit(benchmark::kMicrosecond);

// natalis --retorno solar: read the chart, natal computation, search, listing.
void BM_RetornoSolarSinVentana(benchmark::State& state) {
    const std::string archivo = kCarpeta + "/" + kCarta;
    int n = 0;
    for (auto _ : state) {
        std::ostringstream out, err;
        const std::string fecha = "1 1 " + std::to_string(2000 + n++ % 100);
        const int rc = HeadlessRetorno({"--retorno", "solar", archivo, "--fecha", fecha}, out, err);
        benchmark::DoNotOptimize(rc);
    }
}
BENCHMARK(BM_RetornoSolarSinVentana)->Unit(benchmark::kMicrosecond);

}  // namespace
