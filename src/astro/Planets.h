// The planet table and its filling from the ephemeris.
#pragma once
#include <array>
#include <vector>

#include "astro/Ephemeris.h"
#include "astro/Puntos.h"
#include "astro/Zodiaco.h"

namespace natalis {

struct PlanetRec {
    float Reserved[4] = {0, 0, 0, 0};  // never read or written
    float Lon = 0;                     // ecliptic longitude, degrees 0 up to 360
    float Vel = 0;                     // daily motion, degrees/day; negative when retrograde
    float Eph1 = 0, Eph2 = 0, Eph3 = 0;
};

// Planet(1..11): 1 SOL ... 10 PLU, 11 the node's slot (never written). Index 0 unused.
using PlanetTable = std::array<PlanetRec, 12>;

// Position and daily motion of each of cuerpos at the universal-time Julian day dj, in their
// order, with the motion rule of Planets below.
std::vector<PlanetRec> PosicionesCuerpos(double dj, Ephemeris& eph,
                                         const std::vector<Cuerpo>& cuerpos,
                                         Zodiaco z = Zodiaco::Tropical);

// Fills Planet(1..10) for the universal-time Julian day dj: longitude from CalcBody, daily
// motion as the difference to the position one day later (0 Aries crossings corrected).
void Planets(double dj, Ephemeris& eph, PlanetTable& Planet, Zodiaco z = Zodiaco::Tropical);

// A point of a ring at one instant (a transit, a return): its row of kPuntos and where it is.
struct PuntoAnillo {
    int fila = 0;
    PlanetRec pos;
};

// The ten bodies of Planet(1..10) as a ring's points, rows 0..9.
std::vector<PuntoAnillo> PuntosDeTabla(const PlanetTable& Planet);

// The sky at the universal-time Julian day dj for the rows of PuntosDelCielo(puntos): the ten
// bodies taken from Planet (already computed for dj), the others asked of the ephemeris with
// the motion rule of Planets. A row the ephemeris gives no finite position for (Chiron far
// from our era) is left out.
std::vector<PuntoAnillo> PuntosDelCieloEn(double dj, Ephemeris& eph, const PlanetTable& Planet,
                                          const std::vector<int>& puntos,
                                          Zodiaco z = Zodiaco::Tropical);

// Mean longitude of the lunar node for T Julian centuries from JD 2415020, degrees.
float NodoMedio(double T);

}  // namespace natalis
