// The report of a synastry: the two charts' data, the bi-wheel with a legend saying which ring
// is whose, the cross aspects in full words, the grid of the cross aspects (the first person
// in the rows, the second in the columns) and each person's points in the other's houses.
// Laid out and painted as the natal report is.
#pragma once
#include "app/session/InformeCompleto.h"
#include "chart/Carta.h"
#include "chart/Sinastria.h"

namespace natalis {

// The synastry of a (inside) and b (the outer ring). Its wheel block shows the bi-wheel
// (DibujoRueda::Anillos).
InformeCompleto ArmarInformeSinastria(const Carta& a, const Carta& b, const Sinastria& s);

}  // namespace natalis
