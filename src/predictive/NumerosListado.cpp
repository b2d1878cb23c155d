#include "predictive/NumerosListado.h"

#include <algorithm>

namespace natalis {

std::vector<int> NumerosNatalesListado(const NatalTables& natal) {
    std::vector<int> numeros;
    for (int i : IndicesAspectoNatal(natal)) {
        const int r = natal.Puntos[i - 1];
        numeros.push_back(r < kPuntosPorDefecto ? r + 1 : kPrimerPuntoExtra + r);
    }
    for (int c = 11; c <= 16; ++c) numeros.push_back(c);
    return numeros;
}

PuntoListado PuntoNatalPorNumero(const NatalTables& natal, int numero) {
    const std::vector<int> numeros = NumerosNatalesListado(natal);
    const auto it = std::find(numeros.begin(), numeros.end(), numero);
    const std::vector<PuntoListado> puntos = PuntosNatalesListado(natal);
    return puntos[it == numeros.end() ? 0 : static_cast<size_t>(it - numeros.begin())];
}

}  // namespace natalis
