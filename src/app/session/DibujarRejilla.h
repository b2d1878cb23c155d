// The aspect grid drawn on a Surface for the window: the triangle of the report's grid
// (RejillaNatal), each point's glyph on the diagonal and, under it, each pair's aspect symbol
// with its orb.
#pragma once
#include <string>

#include "app/session/InformeCompleto.h"
#include "chart/Surface.h"

namespace natalis {

// The grid's place on the surface, in its units (0..100 across, 0..70 down): the title at
// the top left, the triangle under it. Its cells are as large as the room allows, at most
// kAltoMaximo high and half as wide again as high, so an orb fits under its symbol.
struct MedidasRejilla {
    double x0 = 0, y0 = 0;       // top-left corner of the first cell
    double ancho = 0, alto = 0;  // a cell's width and height
};
constexpr double kRejillaX0 = 2, kRejillaY0 = 6, kRejillaDerecha = 98, kRejillaFondo = 69;
constexpr double kAltoMaximo = 5;
MedidasRejilla MedirRejilla(size_t puntos);

// Clears s and draws the title (the grid's own and the orb set's caption) and the grid.
void DibujarRejilla(Surface& s, const RejillaAspectos& r, const std::string& orbes);

}  // namespace natalis
