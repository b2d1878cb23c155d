// The report made for reading: what it says, as blocks laid out on the page in order. Page 1
// holds the chart's name and birth data once, the natal wheel and the table of the points;
// then the cusps, the aspect grid, the aspects in full words, the balances and, when a
// progression, a transit or a return is on display, the wheel with its rings, a legend
// and the listing in full words. PintarInformeCompleto paints it; PaginarBloques places it.
#pragma once
#include <string>
#include <vector>

#include "app/session/ChartSession.h"
#include "chart/Aspects.h"
#include "chart/Carta.h"

namespace natalis {

// How a cell's text is set: in the sans, in the glyph font (the points' and signs' glyphs),
// or in the glyph font as an aspect symbol.
enum class LetraCelda { Texto, Glifo, Simbolo };

struct ColumnaTabla {
    std::string titulo;
    double anchoPt = 0;
    LetraCelda letra = LetraCelda::Texto;
};

struct TablaInforme {
    std::vector<ColumnaTabla> columnas;
    std::vector<std::vector<std::string>> filas;  // one text per column
};

// The triangle of the aspect grid: a point's glyph per row and column; under the diagonal,
// cell [i][j] (j < i) holds the aspect's symbol and its orb, or nothing. A grid of two charts
// is a rectangle instead: the first chart's points down the rows (glifos), the second's
// across the columns (columnas), and every cell [i][j] may hold an aspect.
struct RejillaAspectos {
    std::vector<std::string> glifos;
    std::vector<LetraCelda> letras;     // the glyph font for points, the sans for the angles
    std::vector<std::string> columnas;  // empty for the triangle
    std::vector<LetraCelda> letrasColumnas;
    std::vector<std::vector<std::string>> simbolo, orbe;
};

// The aspect grid of a natal chart under an orb set: the points that take part in aspects,
// then the Midheaven and the Ascendant (PuntosAspectoNatal); each pair once, the angles not
// with each other. The report's grid and the window's are this one.
RejillaAspectos RejillaNatal(const NatalTables& t, Orbes orbes);

// Which drawing a wheel block shows: the natal wheel alone, or the display with its rings.
enum class DibujoRueda { Natal, Anillos };

struct BloqueInforme {
    enum class Tipo { Datos, Rueda, Tabla, Rejilla, Texto };
    Tipo tipo = Tipo::Texto;
    std::string titulo;               // the block's heading; none for the data and the wheel
    std::vector<std::string> lineas;  // data lines, a wheel's legend, or the text's lines
    TablaInforme tabla;
    RejillaAspectos rejilla;
    DibujoRueda dibujo = DibujoRueda::Natal;
};

struct InformeCompleto {
    std::string nombre;
    std::vector<BloqueInforme> bloques;
};

// The report of the chart on display in s (a chart must have been computed).
InformeCompleto ArmarInformeCompleto(const ChartSession& s);

// The report of a chart value: a natal chart's, or one drawn from others or from a moment
// (composite, Davison, return, the moment), titled with its title, its aspects by the
// classical orbs. Its wheel block is the chart's own wheel (DibujoRueda::Natal).
InformeCompleto ArmarInformeDeCarta(const Carta& c);

// ---- Pieces the reports share ----

// An orb in degrees and minutes as the report prints it: "2° 15'".
std::string OrbeInforme(double grados);

// A point of the aspect routine (Id > 0 a row of PlanetaNatal, -1 the Ascendant, -10 the
// Midheaven): its glyph, how the glyph is set, and its full name.
struct PuntoNombrado {
    std::string glifo;
    LetraCelda letra;
    std::string nombre;
};
PuntoNombrado NombrarPunto(const NatalTables& t, int id);

// The phase in words; a dash where the chart holds no speeds (the angles).
std::string FaseEnPalabras(FaseAspecto f);

// An empty table block with its heading and columns.
BloqueInforme BloqueTabla(const std::string& titulo, std::vector<ColumnaTabla> columnas);

// A listing line in full words: point labels, aspect abbreviations and zodiac places
// ("05Ari30") named in full, "r" as "retrógrado"; other words as they are.
std::string EnPalabras(const std::string& linea);

// ---- Layout, in points ----

constexpr double kAltoTitulo = 18;         // a block's heading and the space under it
constexpr double kAltoFila = 11;           // a table's row
constexpr double kAltoLinea = 12;          // a line of text
constexpr double kAltoNombreInforme = 22;  // the chart's name on page 1
constexpr double kLadoCelda = 26;          // a cell of the aspect grid, square
constexpr double kEntreBloques = 12;
// The wheel's side, as a share of the text width: at least the first (a little over three
// quarters, so the drawing's own margin leaves the ink at three quarters or more), at most
// the second.
constexpr double kRuedaMinima = 0.77;
constexpr double kRuedaMaxima = 0.82;

// The height of a block whose wheel (if it has one) is ladoRueda points square.
double AltoBloque(const BloqueInforme& b, double ladoRueda);

struct BloqueColocado {
    size_t bloque = 0;  // index in the report's blocks
    double y = 0;       // its top, from the body's top
    double alto = 0;
};
using PaginaInforme = std::vector<BloqueColocado>;

struct ColocacionInforme {
    double ladoRueda = 0;
    std::vector<PaginaInforme> paginas;
};

// Places the blocks in order on pages whose body is anchoPt x altoPt. A block starts a new
// page when it does not fit under what the page holds ; a block taller than a
// whole page is not cut but stands alone. The wheel is as large as lets the block after it
// (the table of the points) stay on page 1, within kRuedaMinima..kRuedaMaxima of the width.
ColocacionInforme PaginarBloques(const InformeCompleto& informe, double anchoPt, double altoPt);

// Cuts every table longer than filasMax rows into tables of at most that many, each with the
// headings; the pieces after the first are titled "… (continuación)".
void PartirTablas(InformeCompleto& informe, size_t filasMax);

}  // namespace natalis
