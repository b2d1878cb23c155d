// Planet table from the ephemeris: longitudes and daily motions of the ten bodies.
#include "astro/Planets.h"

#include "astro/AngleMath.h"

namespace natalis {

// Given:    dj   instant, Julian day in universal time (passed to the ephemeris unchanged)
//           eph  the ephemeris, asked twice per body: the ten bodies at dj, then the ten at
//                dj + 1. The library keeps the work it does for one instant
//                (nutation, precession, the Earth), so asking instant by instant does it
//                twice instead of twenty times.
// Returned: Planet(1..10) Lon (single precision, degrees), Vel (degrees/day), Eph1..Eph3.
// Notes:    Vel is the difference of two positions one day apart, never the library's speed.
//           A negative difference is a backward motion except for the Sun and the Moon, which
//           never move backwards, and except when the body passed forwards over 0 Aries
//           (from above 300 to below 30, both strict): those are reduced to one turn. A
//           planet that passed backwards over 0 Aries (from below 30 to above 300, strict)
//           gets its small negative motion, not a near full turn, so it still reads as
//           retrograde. Planet(11), the node's slot, is not touched.
void Planets(double dj, Ephemeris& eph, PlanetTable& Planet) {
    double buffer[4] = {1.0, 1.0, 1.0, 1.0};
    for (int b = 0; b <= 9; ++b) {
        PlanetRec& p = Planet[b + 1];
        eph.CalcBody(dj, b, buffer);
        p.Lon = static_cast<float>(buffer[0]);
        p.Eph1 = static_cast<float>(buffer[1]);
        p.Eph2 = static_cast<float>(buffer[2]);
        p.Eph3 = static_cast<float>(buffer[3]);
    }
    for (int b = 0; b <= 9; ++b) {
        PlanetRec& p = Planet[b + 1];
        eph.CalcBody(dj + 1.0, b, buffer);
        double diff = buffer[0] - p.Lon;
        const bool luminary = b <= 1;
        if (diff < 0) {
            const bool crossedAries = p.Lon > 300 && buffer[0] < 30;
            if (luminary || crossedAries) diff = MODg(diff);
        } else if (!luminary && p.Lon < 30 && buffer[0] > 300) {
            diff -= 360;  // backwards over 0 Aries
        }
        p.Vel = static_cast<float>(diff);
    }
}

// Given:    T  Julian centuries from JD 2415020 (1900 January 0.5)
// Returned: mean longitude of the Moon's ascending node, degrees 0 up to 360 (single).
// Notes:    the polynomial is in seconds of arc.
float NodoMedio(double T) { return MODg((933060.0 - 6962911.0 * T + 7.5 * T * T) / 3600.0); }

}  // namespace natalis
