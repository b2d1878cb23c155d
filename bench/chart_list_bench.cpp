// Speed of the chart list with a large library: start-up, "Buscar cartas" and typing in the
// filter with 10,000 chart files in the folder, and the first keystroke with 50,000. Targets:
// start-up within 60 ms of the start-up with the four sample charts, "Buscar cartas" <= 40 ms
// median, a keystroke in the filter <= 20 ms once the files are read, so the list stays smooth.
#include <benchmark/benchmark.h>

#include <QAbstractItemView>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QTemporaryDir>
#include <cstdlib>
#include <memory>
#include <string>

#include "app/model/SystemClock.h"
#include "app/ui/ChartBrowser.h"
#include "app/ui/CuadroGral.h"
#include "astro/SwissEphemeris.h"
#include "tests/ui/ChartFolder.h"
#include "tests/ui/ScriptedDialogs.h"

namespace {

using namespace natalis;

void EnsureApp() {
    static int argc = 1;
    static char name[] = "natalis_bench";
    static char* argv[] = {name, nullptr};
    static std::unique_ptr<QApplication> app;
    if (!app && !QApplication::instance()) {
        if (!std::getenv("QT_QPA_PLATFORM")) setenv("QT_QPA_PLATFORM", "offscreen", 1);
        app = std::make_unique<QApplication>(argc, argv);
    }
}

// A folder of count chart files with varied names, written once for the whole run.
std::string WriteManyCharts(QTemporaryDir& dir, int count) {
    std::string path;
    {
        const char* nombres[] = {"Ana", "José", "Lucía", "Martín", "Iñaki", "Zoë", "Bruno"};
        const char* apellidos[] = {"Pérez", "Gómez", "Núñez", "Ibáñez", "Olmos", "Ruiz"};
        for (int i = 0; i < count; ++i) {
            const std::string person = std::string(nombres[i % 7]) + " " + apellidos[(i / 7) % 6] +
                                       " " + std::to_string(i);
            QFile f(QDir(dir.path()).filePath(QString("Carta_%1.dat").arg(i, 5, 10, QChar('0'))));
            if (!f.open(QIODevice::WriteOnly)) break;
            const std::string text = ChartText(person);
            f.write(text.data(), static_cast<qint64>(text.size()));
        }
        path = QDir(dir.path()).absolutePath().toStdString() + "/";
    }
    return path;
}

const std::string& ManyCharts() {
    static QTemporaryDir dir;
    static const std::string path = WriteManyCharts(dir, 10000);
    return path;
}

const std::string& FiftyThousandCharts() {
    static QTemporaryDir dir;
    static const std::string path = WriteManyCharts(dir, 50000);
    return path;
}

struct Window {
    explicit Window(const std::string& folder) : w(dialogs, clock, eph, folder) {
        w.SetEndProgram([] {});
    }
    ScriptedDialogs dialogs;
    SystemClock clock;
    SwissEphemeris eph;
    CuadroGral w;
};

// The list laid out and painted, as the user first sees it.
void PaintList(CuadroGral& w) {
    QApplication::processEvents();
    QAbstractItemView* list = w.flistArchivos();
    list->viewport()->repaint();
}

// From the window's construction to the start screen with the list of 10,000 charts shown.
void BM_StartUpWith10000Charts(benchmark::State& state) {
    EnsureApp();
    const std::string& folder = ManyCharts();
    for (auto _ : state) {
        Window win(folder);
        win.w.FormLoad();
        PaintList(win.w);
        state.PauseTiming();
        win.w.close();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_StartUpWith10000Charts)->Unit(benchmark::kMillisecond);

// The same start-up with the four sample charts, for comparison.
void BM_StartUpWithSampleCharts(benchmark::State& state) {
    EnsureApp();
    for (auto _ : state) {
        Window win(NATALIS_SOURCE_DIR "/charts/");
        win.w.FormLoad();
        PaintList(win.w);
        state.PauseTiming();
        win.w.close();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_StartUpWithSampleCharts)->Unit(benchmark::kMillisecond);

// "Buscar cartas" on a folder of 10,000 charts: the list refilled, laid out and painted.
void BM_BuscarCartasWith10000Charts(benchmark::State& state) {
    EnsureApp();
    Window win(ManyCharts());
    win.w.FormLoad();
    PaintList(win.w);
    for (auto _ : state) {
        win.w.mnuBuscarFiles_Click();
        PaintList(win.w);
    }
}
BENCHMARK(BM_BuscarCartasWith10000Charts)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);

// Typing "nu", "nuñ" and "nuñe" into the filter and emptying it again, once the files were
// read while the program waited: each keystroke narrows 10,000 rows.
void BM_FilterTypingWith10000Charts(benchmark::State& state) {
    EnsureApp();
    Window win(ManyCharts());
    win.w.FormLoad();
    ChartBrowser* browser = win.w.Browser();
    while (browser->Model()->ReadAhead(1000)) {
    }
    for (auto _ : state) {
        for (const char* typed : {"nu", "nuñ", "nuñe", ""}) {
            browser->Filter()->setText(QString::fromUtf8(typed));
            browser->List()->viewport()->repaint();
        }
    }
}
BENCHMARK(BM_FilterTypingWith10000Charts)->Unit(benchmark::kMillisecond);

// The first keystroke typed before any file was read: all 10,000 are read then (the worst
// case; the list reads them while the program waits, a hundred at a time).
void BM_FirstFilterBeforeReadingWith10000Charts(benchmark::State& state) {
    EnsureApp();
    for (auto _ : state) {
        state.PauseTiming();
        auto win = std::make_unique<Window>(ManyCharts());
        win->w.FormLoad();
        state.ResumeTiming();
        win->w.Browser()->Filter()->setText("nu");
        state.PauseTiming();
        win.reset();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_FirstFilterBeforeReadingWith10000Charts)->Unit(benchmark::kMillisecond)->Iterations(3);

// The first keystroke with 50,000 charts in the folder, none read yet: the filter matches
// the file names and leaves the headers to the idle read-ahead. Target: under 0.3 s.
void BM_FirstFilterBeforeReadingWith50000Charts(benchmark::State& state) {
    EnsureApp();
    for (auto _ : state) {
        state.PauseTiming();
        auto win = std::make_unique<Window>(FiftyThousandCharts());
        win->w.FormLoad();
        state.ResumeTiming();
        win->w.Browser()->Filter()->setText("n");
        win->w.Browser()->List()->viewport()->repaint();
        state.PauseTiming();
        win.reset();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_FirstFilterBeforeReadingWith50000Charts)->Unit(benchmark::kMillisecond)->Iterations(3);

}  // namespace
