// The progressed instant of a date and the solar arc it gives, as continuous functions of
// the date's universal-time Julian day.
#pragma once
#include "astro/Ephemeris.h"
#include "chart/NatalTables.h"

namespace natalis {

// Days of the calendar per year of age.
constexpr double kDiasPorAnioEdad = 365.25;

// Given:    jd        universal-time Julian day of the date progressed to
//           natalJD0  Julian day of the birth date at 0 h (NatalJD0)
//           horaUT    universal time of birth, hours (NatalHour + ZoneHours)
// Returned: the progressed instant natalJD0 + edad + horaUT / 24, with edad = (jd - natalJD0)
//           / 365.25 years: as many days after the birth moment as there are years of age.
// Notes:    a date before the birth gives an instant before it.
double InstanteProgresado(double jd, double natalJD0, double horaUT);

// Given:    jd, horaUT  as for InstanteProgresado
//           natal       the natal tables: NatalJD0 and the natal Sun PlanetaNatal(1).Lon
//           eph         the ephemeris, asked once for the Sun
// Returned: the solar arc, the Sun at the progressed instant less the natal Sun, in degrees
//           -180 (excluded) up to 180: a date before the birth directs by a negative arc, the
//           birth date by about 0. When velDegPorDia is given it receives the arc's rate,
//           degrees per day of jd (the Sun's daily motion / 365.25).
double ArcoSolar(double jd, const NatalTables& natal, double horaUT, Ephemeris& eph,
                 double* velDegPorDia = nullptr);

}  // namespace natalis
