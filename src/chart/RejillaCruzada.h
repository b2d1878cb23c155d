// The cross-aspect grid of two charts: the first chart's points in rows, the second's in
// columns, and in each cell the aspect the pair forms with its orb.
#pragma once
#include <string>
#include <vector>

#include "chart/Carta.h"
#include "chart/Sinastria.h"

namespace natalis {

struct RejillaCruzada {
    std::vector<std::string> filas;     // the first chart's points ("SOL" ... "MC", "ASC")
    std::vector<std::string> columnas;  // the second chart's, in the same order
    // celdas[fila][columna]: "Cuad 2°05'" (the aspect's abbreviation and the orb), empty
    // when the pair forms none.
    std::vector<std::vector<std::string>> celdas;
};

// The grid of the cross aspects s found between a and b (the charts s was computed from).
RejillaCruzada ArmarRejillaCruzada(const Carta& a, const Carta& b, const Sinastria& s);

}  // namespace natalis
