// The aspect grid drawn on a Surface for the window: the triangle of the report's grid
// (RejillaNatal), each point's glyph on the diagonal and, under it, each pair's aspect symbol
// with its orb.
#pragma once
#include <string>

#include "app/session/InformeCompleto.h"
#include "chart/Surface.h"

namespace natalis {

// The grid's place on the surface, in its units (0..100 across, 0..70 down): the title at
// the top left, the triangle under it, its cells square and as large as the height allows
// up to kLadoMaximo.
struct MedidasRejilla {
    double x0 = 0, y0 = 0;  // top-left corner of the first cell
    double lado = 0;        // side of a cell
};
constexpr double kRejillaX0 = 2, kRejillaY0 = 6, kRejillaFondo = 69;
constexpr double kLadoMaximo = 6;
MedidasRejilla MedirRejilla(size_t puntos);

// Clears s and draws the title (the grid's own and the orb set's caption) and the grid.
void DibujarRejilla(Surface& s, const RejillaAspectos& r, const std::string& orbes);

}  // namespace natalis
