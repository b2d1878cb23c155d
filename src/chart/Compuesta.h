// The composite chart of two charts: every point at the near midpoint of its two longitudes,
// the houses derived from the midpoint of the two Midheavens.
#pragma once
#include "astro/Houses.h"
#include "astro/SistemaCasas.h"
#include "chart/Carta.h"

namespace natalis {

// The midpoint of the shorter arc between a and b (degrees), 0 up to 360. When they are
// exactly opposite either arc is as short: the midpoint 90 degrees ahead of a is taken.
double PuntoMedioCercano(double a, double b);

// The houses of a composite: the Midheaven at mc (degrees), the ARMC that puts it there for
// the obliquity, and the cusps of the system at the latitude (both degrees).
struct CasasCompuestas {
    double armc = 0;
    CuspTable Cusp{};
    ResultadoCasas casas;
};
CasasCompuestas DerivarCasas(SistemaCasas s, double mc, double latitud, float oblicuidad);

// The composite of a and b: the points both charts hold (in a's order) at their near
// midpoints, speeds averaged; the Midheaven at the near midpoint of the two Midheavens and the
// other cusps derived from it in a's house system at the mean latitude with the mean
// obliquity. No birth record; titulo names both people.
Carta CalcularCompuesta(const Carta& a, const Carta& b);

// The name of a chart for headers: the birth record's name without blanks at either end, or its
// title when it has none.
std::string NombreCarta(const Carta& c);

}  // namespace natalis
