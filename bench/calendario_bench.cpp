// The calendar of the sky and the time map: a year's calendar for a chart; a year's time map
// of transits laid out and drawn on a recording surface, every page; and the period search's
// costs over a century: solar arc (time and the ephemeris calls it makes) and transits (the
// process's peak memory; run that one alone, --benchmark_filter=Memoria, for a true figure).
#include <benchmark/benchmark.h>
#include <sys/resource.h>

#include "app/model/ChartFile.h"
#include "astro/Calendar.h"
#include "astro/SwissEphemeris.h"
#include "chart/CalcularNatal.h"
#include "chart/RecordingSurface.h"
#include "predictive/BusquedaPeriodo.h"
#include "predictive/CalendarioCielo.h"
#include "predictive/MapaTiempo.h"
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

// The ephemeris counting the calls made to it.
class EfemeridesContada : public Ephemeris {
  public:
    explicit EfemeridesContada(Ephemeris& e) : e_(e) {}
    double CalcBody(double jd, int32_t body, double* out) override {
        ++llamadas;
        return e_.CalcBody(jd, body, out);
    }
    EphemerisSource Source() const override { return e_.Source(); }
    long llamadas = 0;

  private:
    Ephemeris& e_;
};

void BM_CalendarioAnio(benchmark::State& state) {
    SwissEphemeris eph;
    const Carta c = CartaDeMuestra(eph);
    size_t eventos = 0;
    for (auto _ : state) {
        const auto r =
            CalendarioCielo(eph, JulDay(1, 1, 2026), JulDay(1, 1, 2027), &c.tablas.natal, 2);
        eventos = r.size();
        benchmark::DoNotOptimize(r.data());
    }
    state.counters["eventos"] = static_cast<double>(eventos);
}
BENCHMARK(BM_CalendarioAnio)->Unit(benchmark::kMillisecond);

void BM_MapaTiempoAnio(benchmark::State& state) {
    SwissEphemeris eph;
    const Carta c = CartaDeMuestra(eph);
    PeriodoPedido p;
    p.jdDesde = JulDay(1, 1, 2026);
    p.jdHasta = JulDay(1, 1, 2027);
    size_t filas = 0;
    for (auto _ : state) {
        std::vector<PuntoMovil> moviles = PuntosMoviles(TecnicaPeriodo::Transitos, c.tablas.natal,
                                                        c.rec.NatalHour + c.rec.ZoneHours, eph);
        const auto hits = BuscarAspectosPeriodo(moviles, c.tablas.natal, p.jdDesde, p.jdHasta, 1);
        const MapaTiempo m = ArmarMapaTiempo(hits, p);
        RecordingSurface s;
        for (int k = 0; k < PaginasMapa(m); ++k) {
            DibujarMapaTiempo(m, k, "Mapa", p.jdDesde + 100, s);
            benchmark::DoNotOptimize(s.Ops().data());
        }
        filas = m.filas.size();
    }
    state.counters["filas"] = static_cast<double>(filas);
}
BENCHMARK(BM_MapaTiempoAnio)->Unit(benchmark::kMillisecond);

void BM_ArcoSolarSiglo(benchmark::State& state) {
    SwissEphemeris swiss;
    EfemeridesContada eph(swiss);
    const Carta c = CartaDeMuestra(eph);
    size_t aspectos = 0;
    long llamadas = 0;
    for (auto _ : state) {
        eph.llamadas = 0;
        std::vector<PuntoMovil> moviles = PuntosMoviles(TecnicaPeriodo::ArcoSolar, c.tablas.natal,
                                                        c.rec.NatalHour + c.rec.ZoneHours, eph);
        const auto r = BuscarAspectosPeriodo(moviles, c.tablas.natal, JulDay(1, 1, 2000),
                                             JulDay(1, 1, 2100), 1);
        aspectos = r.size();
        llamadas = eph.llamadas;
        benchmark::DoNotOptimize(r.data());
    }
    state.counters["aspectos"] = static_cast<double>(aspectos);
    state.counters["llamadas"] = static_cast<double>(llamadas);
}
BENCHMARK(BM_ArcoSolarSiglo)->Unit(benchmark::kMillisecond);

void BM_MemoriaTransitosSiglo(benchmark::State& state) {
    SwissEphemeris eph;
    const Carta c = CartaDeMuestra(eph);
    rusage antes{};
    getrusage(RUSAGE_SELF, &antes);
    size_t aspectos = 0;
    for (auto _ : state) {
        std::vector<PuntoMovil> moviles = PuntosMoviles(TecnicaPeriodo::Transitos, c.tablas.natal,
                                                        c.rec.NatalHour + c.rec.ZoneHours, eph);
        const auto r = BuscarAspectosPeriodo(moviles, c.tablas.natal, JulDay(1, 1, 2000),
                                             JulDay(1, 1, 2100), 1);
        aspectos = r.size();
        benchmark::DoNotOptimize(r.data());
    }
    rusage uso{};
    getrusage(RUSAGE_SELF, &uso);
    state.counters["aspectos"] = static_cast<double>(aspectos);
    // ru_maxrss is in KiB on Linux: the process's peak, and what the search added to it.
    state.counters["MB_pico"] = uso.ru_maxrss / 1024.0;
    state.counters["MB_busqueda"] = (uso.ru_maxrss - antes.ru_maxrss) / 1024.0;
}
BENCHMARK(BM_MemoriaTransitosSiglo)->Unit(benchmark::kMillisecond)->Iterations(1);

}  // namespace
