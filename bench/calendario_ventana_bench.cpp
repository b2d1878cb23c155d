// The calendar's and the time map's windows: a year's calendar for the chart on display
// computed and listed in the window's table; a year's time map of transits searched, drawn
// page by page and the first page painted as the window shows it. Targets as the core's:
// a year's calendar <= 0.2 s, a year's time map drawn <= 0.5 s.
#include <benchmark/benchmark.h>

#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>

#include "astro/SwissEphemeris.h"
#include "predictive/ui/ControlCalendario.h"
#include "predictive/ui/ControlPeriodo.h"
#include "predictive/ui/FrmCalendario.h"
#include "predictive/ui/FrmMapaTiempo.h"
#include "tests/predictive/ui/PuertoFalso.h"

namespace {

using namespace natalis;

// The sample chart on display on a port of bare widgets, with the period's commands.
struct ConCarta {
    SwissEphemeris eph;
    PuertoFalso w{eph};
    ControlCalendario* c = nullptr;
    ConCarta() {
        w.Sesion().Load(std::string(NATALIS_SOURCE_DIR) + "/charts/", "Ana_Lucia_Ferreyra.dat");
        w.Sesion().MostrarNatal(&w.Superficie());
        c = (new ControlPeriodo(w))->Calendario();
    }
};

void BM_VentanaCalendarioAnio(benchmark::State& state) {
    ConCarta t;
    t.c->mnuCalendario_Click();
    FrmCalendario* f = t.c->VentanaCalendario();
    f->txtDesde()->setText("1 1 2026");
    f->txtHasta()->setText("31 12 2026");
    for (auto _ : state) {
        f->btnCalcular()->click();
        benchmark::DoNotOptimize(f->Tabla()->rowCount());
    }
    state.counters["eventos"] = f->Tabla()->rowCount();
}
BENCHMARK(BM_VentanaCalendarioAnio)->Unit(benchmark::kMillisecond);

void BM_VentanaMapaAnio(benchmark::State& state) {
    ConCarta t;
    t.c->mnuMapaTiempo_Click();
    FrmMapaTiempo* f = t.c->VentanaMapa();
    f->txtDesde()->setText("1 1 2026");
    f->txtHasta()->setText("31 12 2026");
    for (auto _ : state) {
        f->btnDibujar()->click();
        const QPixmap pagina =
            f->Lienzo()->grab(QRect(0, 0, LienzoMapa::kAncho, LienzoMapa::kAlto));
        benchmark::DoNotOptimize(pagina.cacheKey());
    }
    state.counters["filas"] = static_cast<double>(f->Mapa().filas.size());
    state.counters["paginas"] = static_cast<double>(f->Paginas().size());
}
BENCHMARK(BM_VentanaMapaAnio)->Unit(benchmark::kMillisecond);

}  // namespace
