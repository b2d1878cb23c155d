// The time map of a period search: one row per moving point, aspect and natal point, each
// stay within orb a bar from entering to leaving, its exact passes ticked and dated, drawn on
// a Surface in pages of the 100 x 70 user scale.
#pragma once
#include <optional>
#include <string>
#include <vector>

#include "chart/Surface.h"
#include "predictive/BusquedaPeriodo.h"
#include "predictive/ConsultaPeriodo.h"

namespace natalis {

// One stay within orb: from entering to leaving, with every exact pass in it.
struct PasoMapa {
    std::optional<double> jdEntrada, jdSalida;  // as the search gives them (UT Julian days)
    std::vector<double> exactos;                // in order
};

struct FilaMapa {
    int movil = 0, aspecto = 0, natal = 0;  // as in AspectoPeriodo
    std::vector<PasoMapa> pasos;            // in order
};

struct MapaTiempo {
    PeriodoPedido pedido;
    std::vector<FilaMapa> filas;  // grouped by moving point, slowest first
};

// The rows of the hits: the passes of one stay (the same entering and leaving instants) go
// on one bar. Rows are grouped by the moving point, the slow bodies first (Pluto, Neptune,
// Uranus, Saturn, Jupiter, Mars, then the Sun, Venus, Mercury and the Moon; the directed
// points in the listings' order), and within a group ordered by natal point and aspect.
// The Moon's rows are left out unless conLuna.
MapaTiempo ArmarMapaTiempo(const std::vector<AspectoPeriodo>& aspectos, const PeriodoPedido& p,
                           bool conLuna = false);

// The layout of a page, in user units.
constexpr double kMapaX0 = 19;    // left end of the time axis
constexpr double kMapaX1 = 98.5;  // right end of the time axis
constexpr double kMapaY0 = 9;     // top of the first row
constexpr double kMapaAltoFila = 2.4;
constexpr int kFilasPorPagina = 24;

// Pages needed for the rows (one at least, for an empty map).
int PaginasMapa(const MapaTiempo& m);
// The x of an instant on the time axis and back (linear over the period).
double XDeJd(const MapaTiempo& m, double jd);
double JdDeX(const MapaTiempo& m, double x);
// The middle of row `fila` (an index in m.filas) on its page.
double YDeFila(int fila);

// Draws page `pagina` (0 up to PaginasMapa - 1) on s, cleared first: the title, the time
// axis with its months (or years), every row's label and bars, the exact passes ticked and
// dated, open ends where a stay overlaps an end of the period, and a line for today when
// jdHoy lies in the period. The bar's width grows as the orb closes: it is widest at an
// exact pass and narrowest at entering and leaving, interpolated over time between them.
void DibujarMapaTiempo(const MapaTiempo& m, int pagina, const std::string& titulo,
                       std::optional<double> jdHoy, Surface& s);

// The instant under (x, y) of page `pagina` when the point lies on a bar (within its row's
// height); nothing elsewhere.
std::optional<double> InstanteEnMapa(const MapaTiempo& m, int pagina, double x, double y);

// The row's label: "PLU Cuad SOL".
std::string EtiquetaFilaMapa(const FilaMapa& f);

}  // namespace natalis
