#include "astro/Puntos.h"

namespace natalis {

const PuntoDef& FilaPunto(int r) { return kPuntos[r]; }

std::vector<int> PuntosPorDefecto() {
    std::vector<int> filas;
    for (int r = 0; r < kPuntosPorDefecto; ++r) filas.push_back(r);
    return filas;
}

int PuntoPorEtiqueta(const std::string& etiqueta) {
    for (int r = 0; r < kNumPuntos; ++r) {
        if (etiqueta == kPuntos[r].Etiqueta) return r;
    }
    return -1;
}

}  // namespace natalis
