// The page layout of the printed report, in points (1/72 inch) from the sheet's top-left
// corner. Page 1: the running head, the chart's name and birth data, the wheel. The pages
// after it: the listings in columns, top to bottom and left to right. Every page has the
// running head (the chart's name and "Página n de N") and the foot (the program and its
// version). The painting on a printer, a PDF or a preview only draws what this says, on the
// sheet the device reports (Qt rounds A4 to 595 x 842 points).
#pragma once
#include <optional>
#include <string>
#include <vector>

namespace natalis {

enum class Papel { A4, Carta };

struct PapelFila {
    Papel id;
    const char* nombre;      // as typed after --papel
    double anchoPt, altoPt;  // portrait sheet: ISO 216 A4 is 210 x 297 mm, US Letter 8.5 x 11 in
};

extern const PapelFila kPapeles[2];

const PapelFila& FilaPapel(Papel p);
// The sheet called nombre ("a4", "carta"), or nothing for another name.
std::optional<Papel> PapelPorNombre(const std::string& nombre);

struct RectPt {
    double x = 0, y = 0, ancho = 0, alto = 0;
};

// Type sizes in points, and the distance between the baselines of two listing lines.
constexpr double kPuntosCabecera = 9;  // running head
constexpr double kPuntosPie = 8;       // foot
constexpr double kPuntosNombre = 16;   // the chart's name on page 1 (bold)
constexpr double kPuntosDatos = 10;    // the birth data under it
constexpr double kPuntosListado = 9;   // the listings
constexpr double kInterlineaListado = 11;
constexpr int kMaxColumnas = 4;

// The geometry of one report on one sheet.
struct MedidasInforme {
    double anchoPt = 0, altoPt = 0;
    RectPt cabecera;  // running head: the name at its left, the page at its right
    RectPt pie;       // foot
    RectPt cuerpo;    // between them
    // Page 1: the name's line, the data lines (one rect each) and the wheel's rectangle,
    // 100 x 70 like the drawing, in whole points.
    RectPt nombre;
    std::vector<RectPt> datos;
    RectPt rueda;
    // The listing pages: columns of the same width side by side, lines from the top.
    int columnas = 1;
    int lineasPorColumna = 1;
    std::vector<RectPt> columna;  // one rect per column, as high as its lines
    // The top of line `fila` (from 0) in a column.
    double LineaY(int fila) const { return cuerpo.y + fila * kInterlineaListado; }
};

// The layout of a sheet of anchoPt x altoPt for a page 1 with lineasDatos data lines and
// listings whose widest line measures anchoLineaPt at kPuntosListado. The columns are as
// many as fit (at most kMaxColumnas, at least one); the wheel is as wide as the sheet
// allows and as high as the space under the data leaves.
MedidasInforme MedirInforme(double anchoPt, double altoPt, size_t lineasDatos, double anchoLineaPt);

// One page of listings: its columns, each a list of lines from the top.
using PaginaListado = std::vector<std::vector<std::string>>;

// The sections laid out in columns of lineasPorColumna lines, columnas to a page. Every
// section starts a column of its own; a block (the lines up to a blank line) that does not
// fit under what a column holds starts the next column, and is cut only when it is longer
// than a whole column. Blank lines are not printed at the top of a column nor at the end of
// a section. The lines keep their order; none is dropped but those blanks.
std::vector<PaginaListado> PaginarListados(const std::vector<std::vector<std::string>>& secciones,
                                           int lineasPorColumna, int columnas);

// "Página 2 de 3", and the foot: "Natalis" with its version.
std::string TextoPagina(int pagina, int total);
std::string TextoPie();

}  // namespace natalis
