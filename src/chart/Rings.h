// The outer rings drawn round the natal wheel: the progressed cusps and bodies, and the
// transiting bodies. Both use the wheel's centre, radius and rotation and spread crowded
// glyphs so that each stays a few degrees after the one before it.
#pragma once
#include <array>
#include <vector>

#include "astro/Planets.h"
#include "chart/NatalTables.h"
#include "chart/ProgTables.h"
#include "chart/Surface.h"
#include "chart/WheelGeometry.h"

namespace natalis {

// Display angles of ten glyphs: angle and body index (1..10), in drawing order.
struct AnguloGlifo {
    int angulo;
    int cuerpo;
};
using AngulosAnillo = std::array<AnguloGlifo, 10>;

// Progressed ring: angles GiroAsc + Lon rounded and brought into 0..359, sorted and spread
// at least 4 degrees apart, starting after the widest empty stretch of the circle so that
// bodies on both sides of 0 are separated like any others.
AngulosAnillo AngulosProgresion(const ProgTables& prog, int giroAsc);

// Transit ring: angles reduced to 0 up to 360, sorted and spread at least 5 degrees apart;
// a pushed angle that reaches 360 comes back to the start of the circle. cuerpo is the
// 1-based row of the point table.
std::vector<AnguloGlifo> AngulosTransito(const std::vector<PuntoAnillo>& puntos, int giroAsc);
// The same for the ten bodies of Planet(1..10).
AngulosAnillo AngulosTransito(const PlanetTable& Planet, int giroAsc);

// Degree printed beside a transit glyph: CInt(L - (CInt(L) \ 30) * 30).
long GradoTransito(float lon);

// Draws the progressed ring on top of a natal wheel just drawn with geometry g: outlines at
// 1.12 R and 1.36 R, the twelve progressed cusps with their degrees, the ten bodies.
void DibujarProgresion(Surface& s, const WheelGeometry& g, const ProgTables& prog);

// Draws the transiting points outside the progressed ring when hayProgresion, else in its
// place.
void DibujarTransito(Surface& s, const WheelGeometry& g, const std::vector<PuntoAnillo>& puntos,
                     bool hayProgresion);
// The same for the ten bodies of Planet(1..10).
void DibujarTransito(Surface& s, const WheelGeometry& g, const PlanetTable& Planet,
                     bool hayProgresion);

// Another chart's points on a ring round the wheel (a second person, a return): angles
// GiroAsc + Lon rounded, sorted and spread at least kSeparacionAnilloCarta degrees apart
// (less when the points could not fit), starting after the widest empty stretch of the
// circle. cuerpo is the 1-based row of the point table; the order is the drawing order.
constexpr int kSeparacionAnilloCarta = 6;
std::vector<AnguloGlifo> AngulosAnilloCarta(const NatalTables& t, int giroAsc);

// Draws those points, glyph at 1.3 R and degree at 1.2 R, with an outline at 1.38 R.
void DibujarAnilloCarta(Surface& s, const WheelGeometry& g, const NatalTables& t);

// The colour of that ring's glyphs.
constexpr Color kColorAnilloCarta = 0x7CFC00;  // RGB(124, 252, 0)

}  // namespace natalis
