// Speed of the exports of a chart with its progression: the simple PDF report (A4, two or
// three pages), the report made for reading (target 50 ms), the SVG and the PNG of the wheel
// at the designed size, each written whole to a temporary folder. What a user waits for
// after "Exportar…"; beyond that target, no more than feeling immediate.
#include <benchmark/benchmark.h>

#include <QGuiApplication>
#include <QTemporaryDir>
#include <cstdlib>
#include <memory>
#include <sstream>
#include <string>

#include "app/model/ChartFile.h"
#include "app/session/InformeCarta.h"
#include "app/session/InformeCompleto.h"
#include "app/session/InformeSinastria.h"
#include "app/ui/ExportarCarta.h"
#include "app/ui/HeadlessDibujoCartas.h"
#include "app/ui/HeadlessPng.h"
#include "astro/SwissEphemeris.h"

namespace {

using namespace natalis;

const std::string kChart = NATALIS_SOURCE_DIR "/charts/Ana_Lucia_Ferreyra.dat";

// The chart drawn once for every case, with the glyph font registered.
struct Dibujo {
    OffscreenPainting painting{kChart};
    CartaDibujada carta;
    QTemporaryDir dir;
    Dibujo() {
        const LecturaOpciones l =
            LeerOpcionesHeadless("--pdf", {"--pdf", kChart, "x.pdf", "--progress", "--tecnica",
                                           "Arco Solar", "--fecha", "1 1 2030"});
        std::ostringstream err;
        if (!l.opciones || !DibujarCartaHeadless(*l.opciones, carta, err)) std::abort();
    }
    std::string Path(const char* name) const { return dir.filePath(name).toStdString(); }
};

Dibujo& Carta() {
    static Dibujo d;
    return d;
}

void BM_ExportPdfReport(benchmark::State& state) {
    Dibujo& d = Carta();
    const InformeCarta informe = ArmarInforme(d.carta.sesion);
    for (auto _ : state) {
        const std::string error =
            EscribirPdf(d.carta.surface, informe, Papel::A4, Tema::Papel, d.Path("c.pdf"));
        if (!error.empty()) state.SkipWithError(error.c_str());
    }
}
BENCHMARK(BM_ExportPdfReport)->Unit(benchmark::kMillisecond);

// The report made for reading, from the session to the file: its contents, the natal wheel
// drawn afresh and both wheels cut out, every page painted and written. Target: 50 ms.
void BM_ExportInformeCompleto(benchmark::State& state) {
    Dibujo& d = Carta();
    for (auto _ : state) {
        const std::string error = EscribirInformePdf(
            ArmarInformeCompleto(d.carta.sesion), RecortarRuedas(d.carta.sesion, d.carta.surface),
            Papel::A4, Tema::Papel, d.Path("i.pdf"));
        if (!error.empty()) state.SkipWithError(error.c_str());
    }
}
BENCHMARK(BM_ExportInformeCompleto)->Unit(benchmark::kMillisecond);

// The synastry report of two sample charts, from the two charts to the file: the report's
// contents, the first chart's wheel and the bi-wheel drawn and cut out, every page painted and
// written. Measured against the natal report's target, 50 ms.
void BM_ExportInformeSinastria(benchmark::State& state) {
    Dibujo& d = Carta();  // the offscreen application and the glyph font
    SwissEphemeris eph;
    const auto leer = [&eph](const char* archivo) {
        NatalRecord r;
        if (!ReadChartFile(NATALIS_SOURCE_DIR "/charts", archivo, r).ok) std::abort();
        return CalcularCarta(r, OpcionesCarta{}, eph);
    };
    const natalis::Carta a = leer("Ana_Lucia_Ferreyra.dat");
    const natalis::Carta b = leer("Tomas_Ibanez_de_Ulloa.dat");
    for (auto _ : state) {
        const Sinastria s = CalcularSinastria(a.natal, b.natal);
        const std::string error =
            EscribirInformeSinastriaPdf(a, b, s, Papel::A4, Tema::Papel, d.Path("s.pdf"));
        if (!error.empty()) state.SkipWithError(error.c_str());
    }
}
BENCHMARK(BM_ExportInformeSinastria)->Unit(benchmark::kMillisecond);

void BM_ExportSvg(benchmark::State& state) {
    Dibujo& d = Carta();
    for (auto _ : state) {
        const std::string error =
            EscribirSvg(d.carta.surface, QSize(958, 677), Tema::Pantalla, "c", d.Path("c.svg"));
        if (!error.empty()) state.SkipWithError(error.c_str());
    }
}
BENCHMARK(BM_ExportSvg)->Unit(benchmark::kMillisecond);

void BM_ExportPng(benchmark::State& state) {
    Dibujo& d = Carta();
    for (auto _ : state) {
        const std::string error =
            EscribirPng(d.carta.surface, QSize(958, 677), Tema::Papel, d.Path("c.png"));
        if (!error.empty()) state.SkipWithError(error.c_str());
    }
}
BENCHMARK(BM_ExportPng)->Unit(benchmark::kMillisecond);

}  // namespace
