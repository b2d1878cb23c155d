// Solar and lunar returns as charts of their own: the return instant found for the natal
// Sun or Moon, cast at a chosen place with its own angles and houses.
#pragma once
#include <string>

#include "astro/Ephemeris.h"
#include "chart/Carta.h"
#include "chart/CartaInstante.h"
#include "predictive/Retorno.h"

namespace natalis {

struct CartaRetornoResultado {
    bool ok = false;
    std::string mensaje;  // why no chart, in Spanish
    double jd = 0;        // universal-time Julian day of the return
    Carta carta;          // tipo RetornoSolar or RetornoLunar
};

// The first return on or after desdeJD (universal time) of natal's Sun (Solar) or Moon
// (Lunar), cast at lugar with natal's options.
CartaRetornoResultado CalcularCartaRetorno(TipoRetorno tipo, const Carta& natal, double desdeJD,
                                           const LugarCarta& lugar, Ephemeris& eph);

// The chart of the return found at jd (universal time) at lugar; ok false, with the reason,
// when the place's zone cannot be read.
CartaRetornoResultado CartaDeRetorno(TipoRetorno tipo, const Carta& natal, double jd,
                                     const LugarCarta& lugar, Ephemeris& eph);

// The return after (adelante) or before the one at jd, at the same place.
CartaRetornoResultado RetornoVecino(TipoRetorno tipo, const Carta& natal, double jd, bool adelante,
                                    const LugarCarta& lugar, Ephemeris& eph);

// The chart of the instant jd (universal time) at lugar ("Ahora" when jd is the present),
// with these options.
std::optional<Carta> CalcularCartaAhora(double jd, const LugarCarta& lugar,
                                        const OpcionesCarta& opciones, Ephemeris& eph,
                                        std::string& error);

}  // namespace natalis
