// The planet table and its filling from the ephemeris.
#pragma once
#include <array>
#include <vector>

#include "astro/Ephemeris.h"
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

// Mean longitude of the lunar node for T Julian centuries from JD 2415020, degrees.
float NodoMedio(double T);

}  // namespace natalis
