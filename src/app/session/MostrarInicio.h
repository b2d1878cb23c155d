// The start screen shown until the first chart is chosen: a pointer to the chart list, a
// hint about "   NUEVA CARTA", and the present positions of the ten bodies under
// "TRÁNSITOS".
#pragma once
#include "app/model/Clock.h"
#include "astro/Ephemeris.h"
#include "astro/Planets.h"
#include "chart/Surface.h"

namespace natalis {

// Draws the start screen on s. The sky is computed for the present moment in universal time
// (today's local date at 0 h plus FraccionDiaGMT) into Planet, which keeps those positions.
void MostrarInicio(Surface& s, const Clock& clock, Ephemeris& eph, PlanetTable& Planet);

}  // namespace natalis
