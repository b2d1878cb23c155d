// The points a chart can hold, one row each: label, glyph, how the point is computed, whether
// it takes part in aspects. The row order is the order of the listings and of the chart's
// point table; the first twelve rows are the default set.
#pragma once
#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "astro/Ephemeris.h"

namespace natalis {

// How a point's longitude is found.
enum class ReglaPunto {
    Cuerpo,        // asked of the ephemeris for the row's body
    NodoMedio,     // the mean node polynomial (NodoMedio)
    ParteFortuna,  // Ascendant + Moon - Sun, for day and night births alike
    Vertice,       // the Vertex, from the house computation (CasasBiblioteca)
};

struct PuntoDef {
    const char* Etiqueta;  // "SOL"; padded to three characters where the listings print it
    char Glifo;            // character of the symbol font
    double TamanoGlifo;    // points, on the natal wheel
    ReglaPunto Regla;
    Cuerpo CuerpoId;  // the body for ReglaPunto::Cuerpo; unused otherwise
    bool Aspecta;     // takes part in the natal aspects (list, wheel lines, JSON)
};

// The rows, in listing order. New points are new rows after these.
inline constexpr PuntoDef kPuntos[] = {
    {"SOL", 'a', 16, ReglaPunto::Cuerpo, Cuerpo::Sol, true},
    {"LUN", 's', 14, ReglaPunto::Cuerpo, Cuerpo::Luna, true},
    {"MER", 'd', 16, ReglaPunto::Cuerpo, Cuerpo::Mercurio, true},
    {"VEN", 'f', 16, ReglaPunto::Cuerpo, Cuerpo::Venus, true},
    {"MAR", 'g', 16, ReglaPunto::Cuerpo, Cuerpo::Marte, true},
    {"JUP", 'h', 15, ReglaPunto::Cuerpo, Cuerpo::Jupiter, true},
    {"SAT", 'j', 18, ReglaPunto::Cuerpo, Cuerpo::Saturno, true},
    {"URA", 'k', 16, ReglaPunto::Cuerpo, Cuerpo::Urano, true},
    {"NEP", 'l', 14, ReglaPunto::Cuerpo, Cuerpo::Neptuno, true},
    {"PLU", ';', 16, ReglaPunto::Cuerpo, Cuerpo::Pluton, true},
    {"NOD", 'A', 13, ReglaPunto::NodoMedio, Cuerpo::Sol, false},
    {"PF", ':', 13, ReglaPunto::ParteFortuna, Cuerpo::Sol, false},
    {"QUI", 'z', 15, ReglaPunto::Cuerpo, Cuerpo::Quiron, true},
    {"CER", 'x', 14, ReglaPunto::Cuerpo, Cuerpo::Ceres, true},
    {"PAL", 'c', 14, ReglaPunto::Cuerpo, Cuerpo::Palas, true},
    {"JUN", 'v', 14, ReglaPunto::Cuerpo, Cuerpo::Juno, true},
    {"VES", 'b', 14, ReglaPunto::Cuerpo, Cuerpo::Vesta, true},
    {"NDV", 'S', 13, ReglaPunto::Cuerpo, Cuerpo::NodoVerdadero, false},
    {"LIL", 'n', 14, ReglaPunto::Cuerpo, Cuerpo::LilithMedia, false},
    {"LIO", 'm', 14, ReglaPunto::Cuerpo, Cuerpo::LilithOsculadora, false},
    {"VTX", 'X', 13, ReglaPunto::Vertice, Cuerpo::Sol, false},
};

inline constexpr int kNumPuntos = static_cast<int>(sizeof(kPuntos) / sizeof(kPuntos[0]));
// The default set: the first twelve rows.
inline constexpr int kPuntosPorDefecto = 12;

// Row r of the table, 0-based.
const PuntoDef& FilaPunto(int r);
// The default set as row numbers: 0 .. kPuntosPorDefecto - 1.
std::vector<int> PuntosPorDefecto();
// The rows a moment's sky gives by itself, for the rings of transits and returns: the ten
// bodies Sun ... Pluto, then the rows of puntos past the default set that are asked of the
// ephemeris (Chiron, the asteroids, the true node, Lilith), in puntos' order. Points drawn
// from the birth place or time (the mean node's row aside, the Part of Fortune, the Vertex)
// have no meaning there.
std::vector<int> PuntosDelCielo(const std::vector<int>& puntos);
// The row of a label ("SOL", "PF"), or -1.
int PuntoPorEtiqueta(const std::string& etiqueta);
// The rows a list names: labels separated by commas in any case ("qui,LIL"), each at most
// once, in the table's order after the default set; "todos" is every row. Empty when a label
// is unknown or repeated or the list ends in a comma; `mala` then holds what was refused.
std::optional<std::vector<int>> PuntosPorLista(const std::string& lista, std::string* mala);
// The note of a point the ephemeris could not give at the chart's instant.
std::string NotaPuntoAusente(int r);

}  // namespace natalis
