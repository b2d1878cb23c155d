// The period search: every aspect of the aspects table that a moving point forms with the
// sixteen natal points of the listings over a period, with the instants it enters the orb,
// is exact and leaves the orb.
#pragma once
#include <cstdint>
#include <optional>
#include <vector>

#include "chart/NatalTables.h"
#include "predictive/PuntosMoviles.h"

namespace natalis {

// Widest orb the search takes, degrees: beyond 30 the windows of an aspect's two sides
// (natal + angle and natal - angle) could meet.
constexpr double kOrbeMaximoPeriodo = 10;

// How far beyond the period the search follows an aspect that is within orb at its start or
// end, to find where it enters or leaves, days (200 years).
constexpr double kAlcanceMaximoDias = 200 * 365.25;

// One exact pass of a moving point over an aspect to a natal point.
// Small numbers are kept small: a century of transits holds about half a million hits.
struct AspectoPeriodo {
    int16_t movil = 0;    // the moving point's label number (PuntoMovil::punto, 1..16)
    int16_t aspecto = 0;  // index in TablaAspectos (0 Smsx ... 8 Quin)
    int16_t natal = 0;    // natal point 1..16 (bodies 1..10, cusps 10, 1, 8, 9, 11, 12)
    double jdExacto = 0;  // universal-time Julian day at which the separation is exact
    // The last instant before jdExacto and the first after it at which the separation is the
    // orb away from exact. Empty when the point stays within orb for more than
    // kAlcanceMaximoDias beyond the period.
    std::optional<double> jdEntrada, jdSalida;
};

// Given:    moviles   the moving points (PuntosMoviles); each is sampled at its own step
//           natal     the natal tables; the sixteen points PuntoNatalListado(natal, 1..16)
//           jdDesde, jdHasta  the period, universal-time Julian days, jdDesde <= jdHasta
//           orbeDeg   the orb, degrees, 0 (excluded) up to kOrbeMaximoPeriodo
// Returned: every exact pass, of each moving point, of each aspect of TablaAspectos, to each
//           natal point, whose time within orb [jdEntrada, jdSalida] overlaps the period,
//           sorted by jdExacto (then moving point, aspect, natal point). Nothing for an input
//           outside the ranges above.
// Notes:    An aspect of angle A to a natal point N is exact where the moving longitude L
//           reaches N + A or N - A (one place for 0 and 180 degrees). The track of L, sampled
//           at the point's step, is cut at its stations (sign changes of the rate between two
//           samples, refined by bisection) into pieces over which L is monotonic; in each
//           piece every place N +- A, and every orb boundary N +- A +- orb, is crossed at most
//           once per turn, bracketed by the piece's ends, and found by Newton's method kept
//           inside the bracket (within a second at worst, far closer as a rule). So every pass
//           is found however near a station it falls: a station just beyond the exact place
//           gives two passes, however close together. This holds while no two stations fall
//           within one step (see PuntoMovil).
//           Each exact pass is a hit of its own, so a retrograde loop over the exact place
//           gives three; the passes of one stay within orb share its entering and leaving
//           instants. A station that reaches the exact place without passing it gives one
//           hit, exact at the station; one that stays within orb without reaching it gives
//           none. A stay that overlaps an end of the period is followed beyond it, up to
//           kAlcanceMaximoDias.
// References: the bracketed Newton step is "rtsafe" of Press, Teukolsky, Vetterling and
//           Flannery, Numerical Recipes, 2nd ed., section 9.4; its first guess is the cubic
//           Hermite interpolation of the two samples' longitudes and rates.
std::vector<AspectoPeriodo> BuscarAspectosPeriodo(std::vector<PuntoMovil>& moviles,
                                                  const NatalTables& natal, double jdDesde,
                                                  double jdHasta, double orbeDeg);

}  // namespace natalis
