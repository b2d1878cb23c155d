// Spreading of crowded glyphs on the natal wheel.
#pragma once
#include <vector>

#include "chart/NatalTables.h"

namespace natalis {

// Given:    PlanetaNatal(1..n) Lon, as the natal computation left it.
// Returned: PlanetaNatal(1..n) PosGrafica, a whole-degree display angle. 0 up to 359 means
//           the outer track at that angle; -1 down to -360 the inner track at the absolute
//           value (-360 is the inner track at 0, since there is no negative zero).
// Notes:    In longitude order, points two places apart that stand closer than 6 degrees
//           are pushed apart, and so are the last and the first across 0 Aries. A point
//           within 6 degrees of (or pushed behind) its predecessor goes to the inner track
//           when the predecessor is on the outer one, so a crowded run alternates outer,
//           inner, outer. The pushes may carry an angle below 0 or past 360; the angles are
//           reduced to one turn only for display, so a point pushed to -1 is drawn at 359,
//           never at the mirrored 1. Lon is not changed.
void DistribuirGlifos(std::vector<PuntoNatal>& PlanetaNatal);

}  // namespace natalis
