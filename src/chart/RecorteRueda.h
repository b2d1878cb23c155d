// The wheel cut out of a recorded drawing for a page of its own: the operations without the
// header's lines, and the square round the wheel's centre that holds all of them.
#pragma once
#include <functional>
#include <string>
#include <vector>

#include "chart/RecordingSurface.h"

namespace natalis {

// The operations of a wheel drawing (natal, with or without rings) but the header and the
// plotted points: the wheel and its rings print only in the glyph font, the header in the
// sans; the points are the pen's positioning marks (one of them the header's).
std::vector<DrawOp> SinCabecera(const std::vector<DrawOp>& ops);

struct CajaUnidades {
    double x = 0, y = 0, ancho = 0, alto = 0;
    double Derecha() const { return x + ancho; }
    double Abajo() const { return y + alto; }
};

// How wide a recorded text is, in units.
using AnchoTexto = std::function<double(const DrawOp& texto)>;

// A text's box: its shown characters (the blanks at its ends left out, the numbers carry one
// on each side), as wide as anchoTexto gives and one em (its size in points, in units) high
// from the cell's top.
CajaUnidades CajaTexto(const DrawOp& texto, const AnchoTexto& anchoTexto);

// The square, in units, centred on the box that holds every circle, visible line and text of
// ops, as wide as its longer side plus margen on each side; the whole drawing when ops draw
// nothing.
CajaUnidades CuadroRueda(const std::vector<DrawOp>& ops, const AnchoTexto& anchoTexto,
                         double margen);

// Whether two boxes share some area (boxes that only touch do not).
bool Solapan(const CajaUnidades& a, const CajaUnidades& b);

}  // namespace natalis
