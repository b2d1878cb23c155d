// The house systems: one enumeration and one table, a row per system (menu index, caption,
// letter, the function that computes its cusps, and what it does near the poles). The
// header's caption comes from here, never from a menu's check mark.
#pragma once
#include <optional>
#include <string>

#include "astro/Houses.h"

namespace natalis {

enum class SistemaCasas { Placido, Regiomontano, Koch };

// Fills Cusp(1..12) for the ARMC (degrees), latitude (degrees, north positive) and obliquity
// (degrees); false, with Cusp untouched, where the system has no meaning at that latitude.
using FuncionCasas = bool (*)(double armc, double lat, float obliquity, CuspTable& Cusp);

struct SistemaCasasFila {
    SistemaCasas id;
    int indice;           // index of its entry in "    CASAS   " (MnuHsys 30...)
    const char* caption;  // "Plácido"
    char letra;           // 'P', as the file and the command line name it
    FuncionCasas calcular;
    // Near the poles: true when the system may fail there (then the houses fall back to
    // Porphyry, and the result says so); false when it is defined at every latitude.
    bool respaldoPolar;
};

namespace detail {
inline bool RegiomontanoSiempre(double armc, double lat, float obliquity, CuspTable& Cusp) {
    Regiomontano(armc, lat, obliquity, Cusp);
    return true;
}
}  // namespace detail

inline constexpr SistemaCasasFila kSistemasCasas[] = {
    {SistemaCasas::Placido, 30, "Plácido", 'P', &Placido, true},
    {SistemaCasas::Regiomontano, 31, "Regiomontano", 'R', &detail::RegiomontanoSiempre, false},
    {SistemaCasas::Koch, 32, "Koch", 'K', &Koch, true},
};

// What the house computation did: the system asked for, and whether it fell back to
// Porphyry because the system has no meaning at that latitude.
struct ResultadoCasas {
    SistemaCasas sistema = SistemaCasas::Placido;
    bool respaldoPorfirio = false;
};

// Fills Cusp(1..12) with the row's function, or with Porphyry where the row falls back.
ResultadoCasas CalcularCasas(SistemaCasas s, double armc, float latitudeDeg, float obliquity,
                             CuspTable& Cusp);

// The letter a result is written with in the program's outputs: the system's, or 'O' when
// the houses fell back to Porphyry.
char LetraResultado(const ResultadoCasas& r);

const SistemaCasasFila& FilaCasas(SistemaCasas s);
// The letter as a one-character string, as the house routine and CalcularNatal take it.
std::string LetraCasas(SistemaCasas s);
// The system of a letter in either case ('k'), or of a menu index (32).
std::optional<SistemaCasas> CasasPorLetra(const std::string& letra);
std::optional<SistemaCasas> CasasPorIndice(int indice);
// The header's caption: the system's, or "Porfirio" when the houses fell back to it.
std::string CaptionCasas(SistemaCasas s, bool respaldoPorfirio);

}  // namespace natalis
