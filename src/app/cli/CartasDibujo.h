// The charts a drawing of --sinastria, --compuesta, --davison, --retorno or --ahora shows,
// computed as their listings compute them.
#pragma once
#include <optional>
#include <ostream>

#include "app/cli/HeadlessOptions.h"
#include "app/model/Clock.h"
#include "astro/Ephemeris.h"
#include "chart/Carta.h"
#include "chart/Sinastria.h"

namespace natalis {

struct CartasDibujo {
    // The chart drawn (composite, Davison, the moment), or a bi-wheel's inner chart (the
    // first person, the natal chart of a return).
    Carta carta;
    // A bi-wheel's outer ring (the second person, the return) and the aspects between the two.
    std::optional<Carta> exterior;
    std::optional<Sinastria> cruce;
};

// The charts of the command o.comando; nothing, with the program's message on err, when a
// file, a date, the place or the computation was refused. Warnings (houses fallen back to
// Porphyry) go to err too.
std::optional<CartasDibujo> CalcularCartasDibujo(const OpcionesHeadless& o, const Clock& clock,
                                                 Ephemeris& eph, std::ostream& err);

// The chart of the present instant (the clock's) at o.lugar, or at Greenwich in universal
// time without it.
std::optional<Carta> CartaAhora(const OpcionesHeadless& o, const Clock& clock, Ephemeris& eph,
                                std::ostream& err);

}  // namespace natalis
