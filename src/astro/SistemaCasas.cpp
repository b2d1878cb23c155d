#include "astro/SistemaCasas.h"

#include <cctype>
#include <cmath>

#include "astro/CasasBiblioteca.h"

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
        if (EnMenuCasas(f) && f.indice == indice) return f.id;
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
    if (f.calcular) {
        if (!f.calcular(armc, latitudeDeg, obliquity, Cusp)) {
            // The library's Porphyry starts from the Ascendant on the eastern horizon, so its
            // cusps run forwards where the program's own Ascendant formula may not.
            Cusp = CasasBiblioteca('O', armc, latitudeDeg, obliquity).cuspides;
            r.respaldoPorfirio = true;
        } else if (std::fabs(latitudeDeg) > 90 - obliquity) {
            // Inside the polar circles the program's own Ascendant formula may give the western
            // end of the horizon, which turns the whole wheel by half a circle; the library's
            // cusps of the same system start from the eastern end and are taken then.
            const CasasLibreria lib = CasasBiblioteca(f.letra, armc, latitudeDeg, obliquity);
            const double giro = std::fabs(std::remainder(Cusp[1] - lib.ascendente, 360.0));
            if (!lib.reemplazadas && giro > 90) Cusp = lib.cuspides;
        }
    } else {
        const CasasLibreria lib = CasasBiblioteca(f.letra, armc, latitudeDeg, obliquity);
        Cusp = lib.cuspides;
        r.respaldoPorfirio = lib.reemplazadas;
    }
    r.ordenInverso = !CuspidesEnOrden(Cusp);
    return r;
}

std::string NotaCasas(const ResultadoCasas& r) {
    const std::string sistema = FilaCasas(r.sistema).caption;
    if (r.respaldoPorfirio) {
        return "Casas: " + sistema + " no tiene sentido a esta latitud; se usan casas de Porfirio.";
    }
    if (r.ordenInverso) {
        return "Casas: a esta latitud las cúspides de " + sistema + " van en orden inverso.";
    }
    return {};
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
