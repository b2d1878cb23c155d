// Speed and memory of the main window: a click on a chart to the finished display, the
// start-up to the painted start screen, and the wheel alone. Targets: click to display
// <= 15 ms median; start-up <= 400 ms (the whole process is timed by a script, this is the
// part inside it); resident memory with a chart shown <= 80 MB (counter VmRSS_MB).
#include <benchmark/benchmark.h>

#include <QApplication>
#include <cstdlib>
#include <fstream>
#include <memory>
#include <string>

#include "app/model/SystemClock.h"
#include "app/ui/ChartBrowser.h"
#include "app/ui/CuadroGral.h"
#include "astro/SwissEphemeris.h"
#include "chart/CalcularNatal.h"
#include "chart/DibujarRueda.h"
#include "chart/DistribuirGlifos.h"
#include "chart/ui/ChartView.h"
#include "chart/ui/GlyphFont.h"
#include "chart/ui/QtSurface.h"
#include "tests/ui/ScriptedDialogs.h"

namespace {

using namespace natalis;

const std::string kCharts = NATALIS_SOURCE_DIR "/charts/";

// Resident memory of this process in MB, from /proc/self/status.
double ResidentMB() {
    std::ifstream status("/proc/self/status");
    std::string key;
    while (status >> key) {
        if (key == "VmRSS:") {
            double kb = 0;
            status >> kb;
            return kb / 1024.0;
        }
        status.ignore(4096, '\n');
    }
    return 0;
}

struct Window {
    ScriptedDialogs dialogs;
    SystemClock clock;
    SwissEphemeris eph;
    CuadroGral w{dialogs, clock, eph, kCharts};
};

// The click on a chart of the list: read, compute, spread, draw the wheel into the window's
// image at the designed size, fill Lista and the natal listing.
void BM_ChartClickToDisplay(benchmark::State& state) {
    Window win;
    CuadroGral& w = win.w;
    w.SetEndProgram([] {});
    w.FormLoad();
    QApplication::processEvents();
    const QStringList charts = {"Ana_Lucia_Ferreyra.dat", "Hiroshi_Tanaka.dat", "Kiri_Te_Rangi.dat",
                                "Maria_Jose_Perez.dat"};
    int n = 0;
    for (auto _ : state) {
        state.PauseTiming();
        w.mnuBuscarFiles_Click();
        if (!w.flistArchivos()->SelectFile(charts[n++ % charts.size()])) {
            state.SkipWithError("sample chart missing");
            break;
        }
        state.ResumeTiming();
        w.flistArchivos_Click();
        benchmark::DoNotOptimize(w.Surface().Image().constBits());
    }
    state.counters["VmRSS_MB"] = ResidentMB();
}
BENCHMARK(BM_ChartClickToDisplay)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);

// From the window's construction to its start screen painted (the QApplication exists).
void BM_StartUpToStartScreen(benchmark::State& state) {
    for (auto _ : state) {
        Window win;
        win.w.SetEndProgram([] {});
        win.w.FormLoad();
        benchmark::DoNotOptimize(win.w.Surface().Image().constBits());
        win.w.View()->repaint();
        state.PauseTiming();
        win.w.close();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_StartUpToStartScreen)->Unit(benchmark::kMillisecond);

// The wheel alone, drawn and painted at the designed size.
void BM_WheelDrawAndPaint(benchmark::State& state) {
    const int font = RegisterGlyphFont(QString::fromStdString(kCharts));
    SwissEphemeris eph;
    ChartSession st(eph);
    st.DatosNatales.NatalDay = 12;
    st.DatosNatales.NatalMonth = 10;
    st.DatosNatales.NatalYear = 1985;
    st.DatosNatales.NatalHour = 7.75f;
    st.DatosNatales.ZoneHours = 3;
    st.DatosNatales.LatitudeDeg = -34.6f;
    st.DatosNatales.LongitudeDeg = -58.45f;
    CalcularNatal(st.DatosNatales, SistemaCasas::Placido, eph, st.tables);
    DistribuirGlifos(st.tables.natal.PlanetaNatal);
    QtSurface surface;
    for (auto _ : state) {
        DibujarRueda(surface, st.tables.natal, st.DatosNatales, {"", "Plácido"}, st.wheel);
        benchmark::DoNotOptimize(surface.Image().constBits());
    }
    UnregisterGlyphFont(font);
}
BENCHMARK(BM_WheelDrawAndPaint)->Unit(benchmark::kMillisecond);

}  // namespace
