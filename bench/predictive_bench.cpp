// Speed of the predictive techniques: a progression from the date accepted to the ring and
// listing drawn, a transit likewise, one step of a transit or a progression through time,
// and a year of daily transit listings without a window.
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <iterator>
#include <sstream>

#include "app/cli/Headless.h"
#include "app/model/ChartFile.h"
#include "app/model/SystemClock.h"
#include "app/session/ChartSession.h"
#include "astro/Calendar.h"
#include "astro/SwissEphemeris.h"
#include "chart/CalcularNatal.h"
#include "chart/DibujarRueda.h"
#include "chart/DistribuirGlifos.h"
#include "chart/ui/QtSurface.h"

namespace {

using namespace natalis;

const std::string kCarpeta = std::string(NATALIS_SOURCE_DIR) + "/charts";
const std::string kCarta = "Ana_Lucia_Ferreyra.dat";

// The sample chart read and computed as the window does on a click in the chart list.
void CargarCarta(ChartSession& st) {
    st.Load(kCarpeta, kCarta);
    st.MostrarNatal(nullptr);
}

// OK in the date dialog: the engine, the natal wheel redrawn with the progressed ring,
// painted into the window's image, and the listing.
void BM_ProgresionHastaDibujada(benchmark::State& state) {
    SwissEphemeris eph;
    ChartSession st(eph);
    CargarCarta(st);
    QtSurface surface;
    surface.SetTargetSize(QSize(QtSurface::kDesignWidth, QtSurface::kDesignHeight));
    st.pred.Tecnica = kTecnicas[state.range(0)].id;
    int dia = 0;
    for (auto _ : state) {
        st.pred.FechaProgTexto = std::to_string(1 + dia++ % 28) + " 6 2030";
        const auto r = st.Progresar(&surface);
        benchmark::DoNotOptimize(r);
        benchmark::DoNotOptimize(surface.Image().constBits());
    }
    state.SetLabel(kTecnicas[state.range(0)].caption);
}
BENCHMARK(BM_ProgresionHastaDibujada)
    ->DenseRange(0, static_cast<int>(std::size(kTecnicas)) - 1)
    ->Unit(benchmark::kMillisecond);

// OK of a typed date and hour: positions, natal wheel with the transit ring, painted, and
// the transits block appended to the list.
void BM_TransitoHastaDibujado(benchmark::State& state) {
    SwissEphemeris eph;
    ChartSession st(eph);
    CargarCarta(st);
    SystemClock clock;
    QtSurface surface;
    surface.SetTargetSize(QSize(QtSurface::kDesignWidth, QtSurface::kDesignHeight));
    int dia = 0;
    for (auto _ : state) {
        st.Lista.clear();
        std::string fecha = std::to_string(1 + dia++ % 28) + " 6 2030", hora = "12 00";
        const auto r = st.Transitar(clock, &surface, fecha, hora);
        benchmark::DoNotOptimize(r);
        benchmark::DoNotOptimize(surface.Image().constBits());
    }
}
BENCHMARK(BM_TransitoHastaDibujado)->Unit(benchmark::kMillisecond);

constexpr UnidadPaso kUnidades[] = {UnidadPaso::Dia, UnidadPaso::Mes, UnidadPaso::Anio};
constexpr const char* kNombresUnidad[] = {"dia", "mes", "anio"};

// One step of the transit on display (the step buttons and keys): the instant moved, the
// natal wheel redrawn with the transit ring, painted, and the transits block listed again.
// The steps go forward and back in turn, so the instant stays near the start.
void BM_PasoDeTransito(benchmark::State& state) {
    SwissEphemeris eph;
    ChartSession st(eph);
    CargarCarta(st);
    QtSurface surface;
    surface.SetTargetSize(QSize(QtSurface::kDesignWidth, QtSurface::kDesignHeight));
    st.TransitarJD(&surface, 2462503.5 + 0.5);  // 1 January 2030, 12 h UT
    const UnidadPaso unidad = kUnidades[state.range(0)];
    int sentido = 1;
    for (auto _ : state) {
        const PasoSesion r = st.Desplazar(&surface, unidad, sentido);
        sentido = -sentido;
        benchmark::DoNotOptimize(r);
        benchmark::DoNotOptimize(surface.Image().constBits());
    }
    state.SetLabel(kNombresUnidad[state.range(0)]);
}
BENCHMARK(BM_PasoDeTransito)->DenseRange(0, 2)->Unit(benchmark::kMillisecond);

// One step of the progression on display by each technique, a month at a time: the
// engine, the natal wheel with the progressed ring, painted, and the listing.
void BM_PasoDeProgresion(benchmark::State& state) {
    SwissEphemeris eph;
    ChartSession st(eph);
    CargarCarta(st);
    QtSurface surface;
    surface.SetTargetSize(QSize(QtSurface::kDesignWidth, QtSurface::kDesignHeight));
    st.pred.Tecnica = kTecnicas[state.range(0)].id;
    st.pred.FechaProgTexto = "15 6 2030";
    st.Progresar(&surface);
    int sentido = 1;
    for (auto _ : state) {
        const PasoSesion r = st.Desplazar(&surface, UnidadPaso::Mes, sentido);
        sentido = -sentido;
        benchmark::DoNotOptimize(r);
        benchmark::DoNotOptimize(surface.Image().constBits());
    }
    state.SetLabel(kTecnicas[state.range(0)].caption);
}
BENCHMARK(BM_PasoDeProgresion)
    ->DenseRange(0, static_cast<int>(std::size(kTecnicas)) - 1)
    ->Unit(benchmark::kMillisecond);

// A year of daily transit listings, each a full headless command (read, natal, transit).
void BM_AnioDeTransitosSinVentana(benchmark::State& state) {
    const std::string archivo = kCarpeta + "/" + kCarta;
    for (auto _ : state) {
        for (int d = 0; d < 365; ++d) {
            // Julian day 2462503.5 is 1 January 2030.
            const double jd = 2462503.5 + d;
            double dia = 0, mes = 0, anio = 0;
            std::istringstream(JDaFecha(jd)) >> dia >> mes >> anio;
            const std::string fecha = std::to_string(static_cast<int>(dia)) + " " +
                                      std::to_string(static_cast<int>(mes)) + " " +
                                      std::to_string(static_cast<int>(anio));
            std::ostringstream out, err;
            const int rc = HeadlessTransit(
                {"--transit", archivo, "--fecha", fecha, "--hora", "12 00"}, out, err);
            benchmark::DoNotOptimize(rc);
        }
    }
}
BENCHMARK(BM_AnioDeTransitosSinVentana)->Unit(benchmark::kMillisecond)->Iterations(3);

}  // namespace
