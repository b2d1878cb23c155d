#include "astro/SistemaCasas.h"

#include <cctype>

namespace natalis {

const SistemaCasasFila& FilaCasas(SistemaCasas s) {
    for (const SistemaCasasFila& f : kSistemasCasas) {
        if (f.id == s) return f;
    }
    return kSistemasCasas[0];
}

std::string LetraCasas(SistemaCasas s) { return std::string(1, FilaCasas(s).letra); }

std::optional<SistemaCasas> CasasPorLetra(const std::string& letra) {
    if (letra.size() != 1) return std::nullopt;
    const char c = static_cast<char>(std::toupper(static_cast<unsigned char>(letra[0])));
    for (const SistemaCasasFila& f : kSistemasCasas) {
        if (f.letra == c) return f.id;
    }
    return std::nullopt;
}

std::optional<SistemaCasas> CasasPorIndice(int indice) {
    for (const SistemaCasasFila& f : kSistemasCasas) {
        if (f.indice == indice) return f.id;
    }
    return std::nullopt;
}

std::string CaptionCasas(SistemaCasas s, char houseSystemUsed) {
    return houseSystemUsed == 'O' ? "Porfirio" : FilaCasas(s).caption;
}

}  // namespace natalis
