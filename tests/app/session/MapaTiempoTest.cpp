// The time map drawn for a sample chart, read back from the recorded drawing and compared
// with the lines of the headless period search: every bar begins, ends and is ticked at the
// minutes its line gives.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <map>
#include <set>
#include <sstream>
#include <tuple>

#include "app/cli/Headless.h"
#include "app/session/ChartSession.h"
#include "astro/Calendar.h"
#include "astro/SwissEphemeris.h"
#include "chart/RecordingSurface.h"
#include "predictive/MapaTiempo.h"
#include "tests/app/cli/HeadlessRun.h"

namespace natalis {
namespace {

const std::string kCarpeta = std::string(NATALIS_SOURCE_DIR) + "/charts/";
const std::string kArchivo = "Ana_Lucia_Ferreyra.dat";
constexpr Color kBarra = 0x00FFFF, kExacto = 0xFFFF00, kHoy = 0xFF0000;

std::vector<std::string> Campos(const std::string& linea) {
    std::vector<std::string> c;
    std::istringstream in(linea);
    for (std::string x; std::getline(in, x, '\t');) c.push_back(x);
    return c;
}

struct Sesion {
    SwissEphemeris eph;
    ChartSession s{eph};
    Sesion() {
        EXPECT_TRUE(s.Load(kCarpeta, kArchivo).ok);
        s.MostrarNatal(nullptr);
    }
};

// A bar as the minutes of its start and end, "aaaa-mm-dd hh:mm".
using Barra = std::pair<std::string, std::string>;

PeriodoPedido Pedido2026() {
    const PeriodoRevisado r = RevisarConsultaPeriodo({"1 1 2026", "31 12 2026", "1", "Transitos"});
    EXPECT_TRUE(r.pedido);
    return *r.pedido;
}

TEST(MapaTiempo, CadaBarraCoincideConSuLineaDelPeriodoAlMinuto) {
    Sesion t;
    const PeriodoPedido p = Pedido2026();
    const MapaTiempo mapa = t.s.MapaDelPeriodo(p);
    const std::string desdeTxt = InstanteUT(p.jdDesde), hastaTxt = InstanteUT(p.jdHasta);

    // The expected bars of each row, from the command's lines without the Moon: a stay's
    // ends, clipped to the period where it runs on beyond it, and its exact instants.
    const Outcome o = Invoke(HeadlessPeriodo, {"--periodo", kCarpeta + kArchivo, "--desde",
                                               "1 1 2026", "--hasta", "31 12 2026"});
    ASSERT_EQ(o.code, 0) << o.err;
    std::map<std::string, std::set<Barra>> esperadas;
    std::map<std::string, std::set<std::string>> exactosEsperados;
    for (const std::string& linea : Lines(o.out)) {
        const auto c = Campos(linea);
        ASSERT_EQ(c.size(), 6u);
        if (c[0] == "LUN") continue;
        const std::string fila = c[0] + " " + c[1] + " " + c[2];
        const std::string a = c[3] == "-" || c[3] < desdeTxt ? desdeTxt : c[3];
        const std::string b = c[5] == "-" || c[5] > hastaTxt ? hastaTxt : c[5];
        esperadas[fila].insert({a, b});
        if (c[4] >= desdeTxt && c[4] <= hastaTxt) exactosEsperados[fila].insert(c[4]);
    }
    ASSERT_EQ(mapa.filas.size(), esperadas.size());

    // Drawn page by page; each row's bars read back from the recorded lines.
    std::map<std::string, std::set<Barra>> dibujadas;
    std::map<std::string, std::set<std::string>> exactosDibujados;
    for (int pag = 0; pag < PaginasMapa(mapa); ++pag) {
        RecordingSurface s;
        DibujarMapaTiempo(mapa, pag, "t", std::nullopt, s);
        std::map<double, std::string> etiquetas;  // row middle -> label
        for (const DrawOp& op : s.OpsOf(DrawOp::Kind::Text)) {
            if (op.x1 == 1 && op.y1 > kMapaY0) etiquetas[op.y1 + 0.6] = op.text;
        }
        // Horizontal bar pieces of one row that touch make one bar.
        std::map<std::string, std::vector<std::pair<double, double>>> piezas;
        for (const DrawOp& op : s.OpsOf(DrawOp::Kind::Line)) {
            const auto it = etiquetas.lower_bound(op.y1 - 1e-9);
            if (it == etiquetas.end() || std::fabs(it->first - op.y1) > 1e-9) continue;
            if (op.color == kBarra && op.y1 == op.y2) piezas[it->second].push_back({op.x1, op.x2});
        }
        for (const DrawOp& op : s.OpsOf(DrawOp::Kind::Line)) {
            if (op.color != kExacto) continue;
            const double medio = op.y1 + kMapaAltoFila * 0.45;
            const auto it = etiquetas.lower_bound(medio - 1e-9);
            ASSERT_TRUE(it != etiquetas.end() && std::fabs(it->first - medio) < 1e-9);
            exactosDibujados[it->second].insert(InstanteUT(JdDeX(mapa, op.x1)));
        }
        for (auto& [fila, v] : piezas) {
            std::sort(v.begin(), v.end());
            double a = v[0].first, b = v[0].second;
            for (size_t i = 1; i <= v.size(); ++i) {
                if (i < v.size() && std::fabs(v[i].first - b) < 1e-9) {
                    b = v[i].second;
                    continue;
                }
                dibujadas[fila].insert({InstanteUT(JdDeX(mapa, a)), InstanteUT(JdDeX(mapa, b))});
                if (i < v.size()) a = v[i].first, b = v[i].second;
            }
        }
    }
    EXPECT_EQ(dibujadas, esperadas);
    EXPECT_EQ(exactosDibujados, exactosEsperados);
}

TEST(MapaTiempo, FilasAgrupadasPorElPuntoMovilLentosPrimeroYSinLaLuna) {
    Sesion t;
    const PeriodoPedido p = Pedido2026();
    const MapaTiempo sinLuna = t.s.MapaDelPeriodo(p);
    const int orden[] = {10, 9, 8, 7, 6, 5, 1, 4, 3, 2};
    const auto rango = [&](int movil) { return std::find(orden, orden + 10, movil) - orden; };
    for (size_t i = 1; i < sinLuna.filas.size(); ++i) {
        const FilaMapa& a = sinLuna.filas[i - 1];
        const FilaMapa& b = sinLuna.filas[i];
        EXPECT_LE(rango(a.movil), rango(b.movil));
        if (a.movil == b.movil) {
            EXPECT_LT(std::tie(a.natal, a.aspecto), std::tie(b.natal, b.aspecto));
        }
    }
    EXPECT_EQ(sinLuna.filas.front().movil, 10);
    for (const FilaMapa& f : sinLuna.filas) EXPECT_NE(f.movil, 2);
    const MapaTiempo conLuna = t.s.MapaDelPeriodo(p, true);
    EXPECT_GT(conLuna.filas.size(), sinLuna.filas.size());
    EXPECT_EQ(conLuna.filas.back().movil, 2);
}

TEST(MapaTiempo, ExtremosAbiertosHoyYAnchoQueCreceAlCerrarseElOrbe) {
    // A hand-made map: one stay open before the period with a retrograde loop (three passes),
    // one closed stay.
    PeriodoPedido p;
    p.jdDesde = JulDay(1, 1, 2026);
    p.jdHasta = JulDay(1, 1, 2027);
    const double d = p.jdDesde;
    std::vector<AspectoPeriodo> hits = {
        {10, 3, 1, d + 20, d - 30, d + 200},
        {10, 3, 1, d + 90, d - 30, d + 200},
        {10, 3, 1, d + 150, d - 30, d + 200},
        {7, 1, 11, d + 250, d + 240, d + 262},
    };
    const MapaTiempo m = ArmarMapaTiempo(hits, p);
    ASSERT_EQ(m.filas.size(), 2u);
    EXPECT_EQ(EtiquetaFilaMapa(m.filas[0]), "PLU Cuad SOL");
    ASSERT_EQ(m.filas[0].pasos.size(), 1u);
    EXPECT_EQ(m.filas[0].pasos[0].exactos.size(), 3u);

    RecordingSurface s;
    DibujarMapaTiempo(m, 0, "Prueba", d + 100, s);
    const double y0 = YDeFila(0), y1 = YDeFila(1), x0 = XDeJd(m, d);
    int flechaInicio = 0, tapas = 0, hoy = 0;
    int anchoEnExacto = 0, anchoEnBorde = 99;
    for (const DrawOp& op : s.OpsOf(DrawOp::Kind::Line)) {
        if (op.color == kHoy) {
            ++hoy;
            EXPECT_DOUBLE_EQ(op.x1, XDeJd(m, d + 100));
        }
        if (op.color != kBarra) continue;
        // The open start: two strokes meeting at the axis' start on the row.
        if (op.x2 == x0 && op.y2 == y0 && op.x1 > x0) ++flechaInicio;
        if (op.x1 == x0 && op.y1 == y0 && op.x2 > x0 && op.y2 != y0) ++flechaInicio;
        // The closed stay: caps at its entering and leaving.
        if (op.x1 == op.x2 && std::fabs(0.5 * (op.y1 + op.y2) - y1) < 1e-9) ++tapas;
        if (op.y1 == op.y2 && op.y1 == y1) {
            if (op.x2 == XDeJd(m, d + 250) || op.x1 == XDeJd(m, d + 250)) {
                anchoEnExacto = std::max(anchoEnExacto, op.width);
            }
            if (op.x1 == XDeJd(m, d + 240) || op.x2 == XDeJd(m, d + 262)) {
                anchoEnBorde = std::min(anchoEnBorde, op.width);
            }
        }
    }
    EXPECT_EQ(flechaInicio, 2);
    EXPECT_EQ(tapas, 2);
    EXPECT_EQ(hoy, 1);
    EXPECT_GT(anchoEnExacto, anchoEnBorde);
    // The passes are dated.
    int fechas = 0;
    for (const DrawOp& op : s.OpsOf(DrawOp::Kind::Text)) {
        fechas += op.text == "21/1" || op.text == "1/4" || op.text == "31/5" || op.text == "8/9";
    }
    EXPECT_EQ(fechas, 4);

    // A click on a bar gives its instant; beside it, nothing.
    const auto clic = InstanteEnMapa(m, 0, XDeJd(m, d + 250), y1 + 0.3);
    ASSERT_TRUE(clic);
    EXPECT_NEAR(*clic, d + 250, 1e-9);
    EXPECT_FALSE(InstanteEnMapa(m, 0, XDeJd(m, d + 230), y1));
    EXPECT_FALSE(InstanteEnMapa(m, 0, XDeJd(m, d + 250), YDeFila(2)));
    // Today outside the period: no line.
    RecordingSurface fuera;
    DibujarMapaTiempo(m, 0, "Prueba", d - 5, fuera);
    for (const DrawOp& op : fuera.OpsOf(DrawOp::Kind::Line)) EXPECT_NE(op.color, kHoy);
}

TEST(MapaTiempo, PaginasDeFilas) {
    PeriodoPedido p;
    p.jdDesde = JulDay(1, 1, 2026);
    p.jdHasta = JulDay(1, 1, 2027);
    std::vector<AspectoPeriodo> hits;
    for (int n = 1; n <= 16; ++n) {
        for (int k = 0; k < 3; ++k)
            hits.push_back({6, static_cast<int16_t>(k), static_cast<int16_t>(n), p.jdDesde + n + k,
                            p.jdDesde, p.jdDesde + 40});
    }
    const MapaTiempo m = ArmarMapaTiempo(hits, p);
    ASSERT_EQ(m.filas.size(), 48u);
    EXPECT_EQ(PaginasMapa(m), 2);
    RecordingSurface s;
    DibujarMapaTiempo(m, 1, "Prueba", std::nullopt, s);
    int etiquetas = 0;
    for (const DrawOp& op : s.OpsOf(DrawOp::Kind::Text)) {
        etiquetas += op.x1 == 1 && op.y1 > kMapaY0;
        if (op.text.rfind("Página", 0) == 0) {
            EXPECT_EQ(op.text, "Página 2 de 2");
        }
    }
    EXPECT_EQ(etiquetas, 24);
    EXPECT_EQ(PaginasMapa(ArmarMapaTiempo({}, p)), 1);
}

}  // namespace
}  // namespace natalis
