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

std::string CaptionCasas(SistemaCasas s, bool respaldoPorfirio) {
    return respaldoPorfirio ? "Porfirio" : FilaCasas(s).caption;
}

ResultadoCasas CalcularCasas(SistemaCasas s, double armc, float latitudeDeg, float obliquity,
                             CuspTable& Cusp) {
    const SistemaCasasFila& f = FilaCasas(s);
    ResultadoCasas r;
    r.sistema = s;
    if (f.calcular(armc, latitudeDeg, obliquity, Cusp)) return r;
    Porfirio(armc, latitudeDeg, obliquity, Cusp);
    r.respaldoPorfirio = true;
    return r;
}

char LetraResultado(const ResultadoCasas& r) {
    return r.respaldoPorfirio ? 'O' : FilaCasas(r.sistema).letra;
}

char Houses(double armc, float latitudeDeg, const std::string& houseSystem, float obliquity,
            CuspTable& Cusp) {
    const SistemaCasas s = CasasPorLetra(houseSystem).value_or(SistemaCasas::Placido);
    return LetraResultado(CalcularCasas(s, armc, latitudeDeg, obliquity, Cusp));
}

}  // namespace natalis
