// The house systems: one enumeration and one table, a row per system (menu index, caption,
// letter, the function that computes its cusps, and what it does near the poles). The
// header's caption comes from here, never from a menu's check mark.
#pragma once
#include <optional>
#include <string>

#include "astro/Houses.h"

namespace natalis {

enum class SistemaCasas {
    Placido,
    Regiomontano,
    Koch,
    Campanus,
    IgualesAsc,
    SignosEnteros,
    Porfirio,
    Topocentrico,
    Alcabitius,
    Morinus,
    Meridiano,
    Horizonte,
    IgualesMC,
};

// Fills Cusp(1..12) for the ARMC (degrees), latitude (degrees, north positive) and obliquity
// (degrees); false, with Cusp untouched, where the system has no meaning at that latitude.
using FuncionCasas = bool (*)(double armc, double lat, float obliquity, CuspTable& Cusp);

struct SistemaCasasFila {
    SistemaCasas id;
    int indice;           // index of its entry in "    CASAS   " (MnuHsys 30...); -1: not there
    const char* caption;  // "Plácido"
    char letra;           // 'P', as the file and the command line name it
    // The program's own formula; null for the systems taken from the library's house routine
    // (CasasBiblioteca) under the row's letter.
    FuncionCasas calcular;
    // Near the poles: true when the system may fail there (then the houses fall back to
    // Porphyry, and the result says so); false when it is defined at every latitude or the
    // library decides (its own fallback is reported the same way).
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
    {SistemaCasas::Campanus, -1, "Campanus", 'C', nullptr, false},
    {SistemaCasas::IgualesAsc, -1, "Iguales desde el Ascendente", 'E', nullptr, false},
    {SistemaCasas::SignosEnteros, -1, "Signos enteros", 'W', nullptr, false},
    {SistemaCasas::Porfirio, -1, "Porfirio", 'O', nullptr, false},
    {SistemaCasas::Topocentrico, -1, "Topocéntrico", 'T', nullptr, false},
    {SistemaCasas::Alcabitius, -1, "Alcabitius", 'B', nullptr, false},
    {SistemaCasas::Morinus, -1, "Morinus", 'M', nullptr, false},
    {SistemaCasas::Meridiano, -1, "Meridiano", 'X', nullptr, false},
    {SistemaCasas::Horizonte, -1, "Horizonte", 'H', nullptr, false},
    {SistemaCasas::IgualesMC, -1, "Iguales desde el MC", 'D', nullptr, false},
};

// Whether the row has an entry in the "    CASAS   " menu.
constexpr bool EnMenuCasas(const SistemaCasasFila& f) { return f.indice >= 0; }

// What the house computation did: the system asked for, and whether it fell back to
// Porphyry because the system has no meaning at that latitude.
struct ResultadoCasas {
    SistemaCasas sistema = SistemaCasas::Placido;
    bool respaldoPorfirio = false;
    // The cusps run backwards round the zodiac (near the poles, for some systems): the wheel
    // is drawn as computed and a note says so.
    bool ordenInverso = false;
};

// The note of a result that fell back to Porphyry or whose cusps run backwards; empty when
// neither happened.
std::string NotaCasas(const ResultadoCasas& r);

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
