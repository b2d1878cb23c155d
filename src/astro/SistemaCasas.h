// The house systems of the "CASAS" menu: one enumeration and one table (menu index, caption,
// the letter the house routine takes). The header's caption comes from here, never from a
// menu's check mark.
#pragma once
#include <optional>
#include <string>

namespace natalis {

enum class SistemaCasas { Placido, Regiomontano, Koch };

struct SistemaCasasFila {
    SistemaCasas id;
    int indice;           // index of its entry in "    CASAS   " (MnuHsys 30...)
    const char* caption;  // "Plácido"
    char letra;           // 'P', as Houses takes it
};

inline constexpr SistemaCasasFila kSistemasCasas[] = {
    {SistemaCasas::Placido, 30, "Plácido", 'P'},
    {SistemaCasas::Regiomontano, 31, "Regiomontano", 'R'},
    {SistemaCasas::Koch, 32, "Koch", 'K'},
};

const SistemaCasasFila& FilaCasas(SistemaCasas s);
// The letter as a one-character string, as the house routine and CalcularNatal take it.
std::string LetraCasas(SistemaCasas s);
// The system of a letter in either case ('k'), or of a menu index (32).
std::optional<SistemaCasas> CasasPorLetra(const std::string& letra);
std::optional<SistemaCasas> CasasPorIndice(int indice);
// The header's caption: the system's, or "Porfirio" when the houses fell back to it
// (HouseSystemUsed 'O').
std::string CaptionCasas(SistemaCasas s, char houseSystemUsed);

}  // namespace natalis
