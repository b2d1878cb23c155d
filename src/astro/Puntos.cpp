#include "astro/Puntos.h"

#include <algorithm>
#include <cctype>
#include <sstream>

namespace natalis {

const PuntoDef& FilaPunto(int r) { return kPuntos[r]; }

std::vector<int> PuntosPorDefecto() {
    std::vector<int> filas;
    for (int r = 0; r < kPuntosPorDefecto; ++r) filas.push_back(r);
    return filas;
}

std::vector<int> PuntosDelCielo(const std::vector<int>& puntos) {
    std::vector<int> filas;
    for (int r = 0; r < kPuntosPorDefecto; ++r) {
        if (kPuntos[r].Regla == ReglaPunto::Cuerpo) filas.push_back(r);
    }
    for (int r : puntos) {
        if (r >= kPuntosPorDefecto && r < kNumPuntos && kPuntos[r].Regla == ReglaPunto::Cuerpo &&
            std::find(filas.begin(), filas.end(), r) == filas.end()) {
            filas.push_back(r);
        }
    }
    return filas;
}

int PuntoPorEtiqueta(const std::string& etiqueta) {
    for (int r = 0; r < kNumPuntos; ++r) {
        if (etiqueta == kPuntos[r].Etiqueta) return r;
    }
    return -1;
}

std::optional<std::vector<int>> PuntosPorLista(const std::string& lista, std::string* mala) {
    std::string minusculas = lista;
    for (char& c : minusculas) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    std::vector<int> filas;
    if (minusculas == "todos") {
        for (int r = 0; r < kNumPuntos; ++r) filas.push_back(r);
        return filas;
    }
    filas = PuntosPorDefecto();
    if (lista.empty() || lista.back() == ',') {
        if (mala) *mala = lista;
        return std::nullopt;
    }
    std::istringstream in(lista);
    std::string etiqueta;
    while (std::getline(in, etiqueta, ',')) {
        for (char& c : etiqueta) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
        const int r = PuntoPorEtiqueta(etiqueta);
        const bool repetida = std::find(filas.begin(), filas.end(), r) != filas.end();
        if (r < 0 || (repetida && r >= kPuntosPorDefecto)) {
            if (mala) *mala = etiqueta;
            return std::nullopt;
        }
        if (!repetida) filas.push_back(r);
    }
    std::sort(filas.begin(), filas.end());
    return filas;
}

std::string NotaPuntoAusente(int r) {
    // Only the asteroid file has a limited range; the other bodies come from theories that
    // cover every date the program accepts.
    const char* nombre = FilaPunto(r).CuerpoId == Cuerpo::Quiron ? "Quirón" : FilaPunto(r).Etiqueta;
    return std::string(nombre) + ": fuera del rango de las efemérides";
}

}  // namespace natalis
