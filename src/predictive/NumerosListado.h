// The numbers the period search and the calendar give the natal points of the listings, which
// stay the same whatever points the chart holds: 1..10 the bodies, 11..16 the cusps of
// kCuspidesListadas (10, 1, 8, 9, 11, 12), and kPrimerPuntoExtra + row for a point beyond the
// default set (a row of kPuntos: Chiron is kPrimerPuntoExtra + 12).
#pragma once
#include <vector>

#include "chart/NatalTables.h"
#include "predictive/ListarProgresion.h"

namespace natalis {

constexpr int kPrimerPuntoExtra = 100;

// The number of each point of PuntosNatalesListado(natal), in that order.
std::vector<int> NumerosNatalesListado(const NatalTables& natal);
// The natal point of a number of NumerosNatalesListado(natal).
PuntoListado PuntoNatalPorNumero(const NatalTables& natal, int numero);

}  // namespace natalis
