// Planet table from the ephemeris: longitudes and daily motions of the ten bodies.
#include "astro/Planets.h"

#include <cmath>

#include "astro/AngleMath.h"

namespace natalis {

// Given:    dj       instant, Julian day in universal time (passed to the ephemeris unchanged)
//           eph      the ephemeris, asked twice per body: every body at dj, then every body at
//                    dj + 1. The library keeps the work it does for one instant (nutation,
//                    precession, the Earth), so asking instant by instant does it twice
//                    instead of once per body and instant.
//           cuerpos  the bodies, in the order of the result
// Returned: per body Lon (single precision, degrees), Vel (degrees/day), Eph1..Eph3.
// Notes:    Vel is the difference of two positions one day apart, never the library's speed.
//           A negative difference is a backward motion except for the Sun and the Moon, which
//           never move backwards, and except when the body passed forwards over 0 Aries
//           (from above 300 to below 30, both strict): those are reduced to one turn. A
//           body that passed backwards over 0 Aries (from below 30 to above 300, strict)
//           gets its small negative motion, not a near full turn, so it still reads as
//           retrograde.
std::vector<PlanetRec> PosicionesCuerpos(double dj, Ephemeris& eph,
                                         const std::vector<Cuerpo>& cuerpos, Zodiaco z) {
    std::vector<PlanetRec> out(cuerpos.size());
    double buffer[4] = {1.0, 1.0, 1.0, 1.0};
    for (size_t k = 0; k < cuerpos.size(); ++k) {
        PlanetRec& p = out[k];
        PosicionZodiacal(eph, dj, static_cast<int32_t>(cuerpos[k]), z, buffer);
        p.Lon = static_cast<float>(buffer[0]);
        p.Eph1 = static_cast<float>(buffer[1]);
        p.Eph2 = static_cast<float>(buffer[2]);
        p.Eph3 = static_cast<float>(buffer[3]);
    }
    for (size_t k = 0; k < cuerpos.size(); ++k) {
        PlanetRec& p = out[k];
        PosicionZodiacal(eph, dj + 1.0, static_cast<int32_t>(cuerpos[k]), z, buffer);
        double diff = buffer[0] - p.Lon;
        const bool luminary = cuerpos[k] == Cuerpo::Sol || cuerpos[k] == Cuerpo::Luna;
        if (diff < 0) {
            const bool crossedAries = p.Lon > 300 && buffer[0] < 30;
            if (luminary || crossedAries) diff = MODg(diff);
        } else if (!luminary && p.Lon < 30 && buffer[0] > 300) {
            diff -= 360;  // backwards over 0 Aries
        }
        p.Vel = static_cast<float>(diff);
    }
    return out;
}

// The ten bodies Sun ... Pluto into Planet(1..10); Planet(11), the node's slot, is not
// touched.
void Planets(double dj, Ephemeris& eph, PlanetTable& Planet, Zodiaco z) {
    static const std::vector<Cuerpo> kDiez = {
        Cuerpo::Sol,     Cuerpo::Luna,    Cuerpo::Mercurio, Cuerpo::Venus,   Cuerpo::Marte,
        Cuerpo::Jupiter, Cuerpo::Saturno, Cuerpo::Urano,    Cuerpo::Neptuno, Cuerpo::Pluton};
    const std::vector<PlanetRec> p = PosicionesCuerpos(dj, eph, kDiez, z);
    for (size_t k = 0; k < p.size(); ++k) Planet[k + 1] = p[k];
}

std::vector<PuntoAnillo> PuntosDeTabla(const PlanetTable& Planet) {
    std::vector<PuntoAnillo> puntos;
    for (int k = 1; k <= 10; ++k) puntos.push_back({k - 1, Planet[k]});
    return puntos;
}

std::vector<PuntoAnillo> PuntosDelCieloEn(double dj, Ephemeris& eph, const PlanetTable& Planet,
                                          const std::vector<int>& puntos, Zodiaco z) {
    std::vector<PuntoAnillo> anillo = PuntosDeTabla(Planet);
    std::vector<int> filas;
    std::vector<Cuerpo> cuerpos;
    for (int r : PuntosDelCielo(puntos)) {
        if (r < 10) continue;  // the ten bodies come from Planet
        filas.push_back(r);
        cuerpos.push_back(FilaPunto(r).CuerpoId);
    }
    if (cuerpos.empty()) return anillo;
    const std::vector<PlanetRec> pos = PosicionesCuerpos(dj, eph, cuerpos, z);
    for (size_t k = 0; k < pos.size(); ++k) {
        if (std::isfinite(pos[k].Lon) && std::isfinite(pos[k].Vel)) {
            anillo.push_back({filas[k], pos[k]});
        }
    }
    return anillo;
}

// Given:    T  Julian centuries from JD 2415020 (1900 January 0.5)
// Returned: mean longitude of the Moon's ascending node, degrees 0 up to 360 (single).
// Notes:    the polynomial is in seconds of arc: 933060" (259.1833 degrees) at the epoch,
//           falling 6962911" (1934.1419 degrees) a century, about one turn in 18.6 years
//           (Brown's lunar theory as given in the Explanatory Supplement to the Astronomical
//           Ephemeris, 1961). Valid for some thousands of years around 1900.
float NodoMedio(double T) { return MODg((933060.0 - 6962911.0 * T + 7.5 * T * T) / 3600.0); }

}  // namespace natalis
