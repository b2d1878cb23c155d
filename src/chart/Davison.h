// The Davison chart of two charts: a real chart cast for the mean of the two birth instants at
// the midpoint of the two birth places.
#pragma once
#include "astro/Ephemeris.h"
#include "chart/Carta.h"

namespace natalis {

enum class LugarMedio {
    Circulo,  // the midpoint of the great-circle arc between the places
    Medias,   // the mean latitude and the mean longitude (the latter the short way round)
};

struct Coordenadas {
    double latitudDeg = 0, longitudDeg = 0;  // north and east positive
};

// The midpoint of two places (degrees). Two places exactly opposite on the globe have no
// great-circle midpoint; the means are taken then.
Coordenadas PuntoMedioLugares(const Coordenadas& a, const Coordenadas& b, LugarMedio modo);

// The Davison chart of a and b (both with birth records): the mean of their universal-time
// instants, at the midpoint of their places, with a's options, as a natal chart of that
// instant and place in universal time (zone offset 0). Its record can be saved as a chart.
Carta CalcularDavison(const Carta& a, const Carta& b, LugarMedio modo, Ephemeris& eph);

}  // namespace natalis
