// The user's preferences for the charts the window computes: the points beyond the default
// twelve, the house system, the zodiac and the orb set. They are kept between runs as four
// short texts; a text that cannot be read gives that choice's default, so a damaged settings
// file never stops the program and never changes the other choices.
#pragma once
#include <string>
#include <vector>

#include "astro/SistemaCasas.h"
#include "astro/Zodiaco.h"
#include "chart/Orbes.h"

namespace natalis {

class ChartSession;

struct Preferencias {
    std::vector<int> puntos = PuntosPorDefecto();  // rows of kPuntos, the default twelve first
    SistemaCasas casas = SistemaCasas::Placido;
    Zodiaco zodiaco = Zodiaco::Tropical;
    Orbes orbes = Orbes::Clasicos;
    // The fixed stars listed when conjunct a point, by their catalogue names; none by default.
    std::vector<std::string> estrellas;

    bool operator==(const Preferencias& o) const {
        return puntos == o.puntos && casas == o.casas && zodiaco == o.zodiaco && orbes == o.orbes &&
               estrellas == o.estrellas;
    }
    bool operator!=(const Preferencias& o) const { return !(*this == o); }
};

// The preferences as kept: the labels of the points beyond the default set separated by
// commas ("QUI,LIL"; empty for none), the house system's letter ("P"), the zodiac's name
// ("tropical", "lahiri"), the orb set's name ("clasicos") and the stars' catalogue names
// separated by commas ("Algol,Spica"; empty for none).
struct TextosPreferencias {
    std::string puntos, casas, zodiaco, orbes, estrellas;
};

TextosPreferencias TextosDePreferencias(const Preferencias& p);
// The preferences the texts give; each text that is not one the program writes (unknown,
// repeated or damaged) leaves its choice at the default.
Preferencias PreferenciasDeTextos(const TextosPreferencias& t);

// The session computes its next charts with these choices: HouseSystem, Puntos, zodiaco,
// orbes and Estrellas. The chart on display is not recomputed here.
void AplicarPreferencias(const Preferencias& p, ChartSession& s);

}  // namespace natalis
