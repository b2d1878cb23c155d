// Points whose ecliptic longitude moves with time, for the period search: the transiting
// bodies, the secondary-progressed bodies and the points directed by the solar arc, each a
// function of the universal-time Julian day.
#pragma once
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "astro/Ephemeris.h"
#include "chart/NatalTables.h"
#include "predictive/Tecnicas.h"

namespace natalis {

struct PosicionMovil {
    double lonDeg = 0;        // ecliptic longitude, degrees 0 up to 360
    double velDegPorDia = 0;  // its rate, degrees per day of the Julian day; < 0 backwards
};

// One moving point. The search samples it every pasoDias days, so that step must be shorter
// than the time the point takes to move 180 degrees and than the shortest time between two of
// its stations (for the planets a retrograde spell lasts at least about three weeks).
struct PuntoMovil {
    int punto = 0;        // its label number (1..16, or a point beyond them: NumerosListado.h)
    double pasoDias = 1;  // sampling step, days
    std::function<PosicionMovil(double jdUT)> posicion;
};

// The label of point n (1..16) of the listings: "SOL" ... "PLU", then "MC", "ASC", "C8",
// "C9", "C11", "C12"; of a point beyond the default set (kPrimerPuntoExtra + row) its row's
// label ("QUI").
std::string EtiquetaPunto(int n);

// Transiting body cuerpo (1 Sun ... 10 Pluto): the ephemeris's longitude and daily motion.
PuntoMovil TransitoDe(int cuerpo, Ephemeris& eph, Zodiaco z = Zodiaco::Tropical);

// Secondary-progressed body cuerpo (1..10): the ephemeris's body at the progressed instant
// (InstanteProgresado), its motion divided by 365.25 days of the date per day of the sky.
PuntoMovil SecundariaDe(int cuerpo, const NatalTables& natal, double horaUT, Ephemeris& eph);

// Natal point n (1..16) directed by the solar arc of the date (ArcoSolar).
PuntoMovil ArcoSolarDe(int punto, const NatalTables& natal, double horaUT, Ephemeris& eph);

// The moving points of a technique: the ten bodies for transits and secondary progressions,
// then the chart's other bodies (Chiron, the asteroids, the true node, the Liliths; the
// Vertex is no body of the sky); every natal point of the listings for the solar arc. natal and eph
// must outlive the points; horaUT is the universal time of birth in hours (NatalHour + ZoneHours).
std::vector<PuntoMovil> PuntosMoviles(TecnicaPeriodo tecnica, const NatalTables& natal,
                                      double horaUT, Ephemeris& eph);

}  // namespace natalis
