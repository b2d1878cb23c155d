// Orb sets: how far from exact each aspect of TablaAspectos is still counted, with more room
// when the Sun or the Moon takes part; and the orb and phase of a found aspect as the
// listings print them.
#pragma once
#include <optional>
#include <string>
#include <vector>

#include "chart/Aspects.h"

namespace natalis {

enum class Orbes { Clasicos, Amplios, Predictivos };

struct OrbesFila {
    Orbes id;
    const char* nombre;         // as --orbes takes it: "amplios"
    const char* caption;        // "Amplios"
    double orbe[kNumAspectos];  // degrees, in the order of TablaAspectos
    double masLuminarias;       // degrees added when the Sun or the Moon is in the pair
};

// Clasicos: the program's 7 degrees times each aspect's factor, the same for every point (the
// natal chart's default). Amplios: wider major orbs and 2 degrees more for the Sun and Moon.
// Predictivos: the narrow orbs of transits and progressions.
inline constexpr OrbesFila kOrbes[] = {
    {Orbes::Clasicos, "clasicos", "Clásicos", {2.1, 7, 5.25, 7, 7, 7, 2.1, 2.1, 2.1}, 0},
    {Orbes::Amplios, "amplios", "Amplios", {2, 8, 5, 7, 7, 8, 2, 2, 3}, 2},
    {Orbes::Predictivos, "predictivos", "Predictivos", {0.5, 1, 1, 1, 1, 1, 0.5, 0.5, 0.5}, 0.5},
};

const OrbesFila& FilaOrbes(Orbes o);
std::optional<Orbes> OrbesPorNombre(const std::string& nombre);

// The rule of a set. esLuminaria tells whether a point is the Sun or the Moon. The Clasicos
// set is the natal rule itself (ReglaNatal), bounds and all.
ReglaOrbe ReglaDeOrbes(Orbes o, std::function<bool(const PuntoAspecto&)> esLuminaria);

// The rule of a set for a natal chart's points (PuntosAspectoNatal: Id the index in
// PlanetaNatal), the Sun and Moon found by their rows.
ReglaOrbe ReglaOrbesNatal(const NatalTables& t, Orbes o);

// The natal aspects list (ListarAspectos) with the set's orbs; with any set but Clasicos each
// aspect line ends with its orb and phase (TextoOrbe). (Aspects.cpp)
std::vector<std::string> ListarAspectosOrbes(const NatalTables& t, Orbes orbes);

// The orb to the nearest minute and the phase: " 2°05' a" (aplicativo), " 0°40' s"
// (separativo); no letter for an exact aspect or one without speeds.
std::string TextoOrbe(const AspectoHallado& h);

}  // namespace natalis
