// The bi-wheel: the first chart's wheel (signs, houses, points) inside, the second chart's
// points on a ring outside it, and only the aspects between the two in the centre.
#pragma once
#include "chart/Carta.h"
#include "chart/DibujarRueda.h"
#include "chart/Sinastria.h"
#include "chart/Surface.h"

namespace natalis {

// Draws it on s with the first chart's header and a third header line naming the outer chart
// ("Anillo exterior: " and its name, date and time). Writes the geometry into g.
void DibujarBiRueda(Surface& s, const Carta& a, const Carta& b, const Sinastria& cruce,
                    const WheelHeader& header, WheelGeometry& g);

}  // namespace natalis
