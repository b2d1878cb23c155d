// A universal-time Julian day as a calendar date and a time of day to the second.
#pragma once
#include <string>

namespace natalis {

struct InstanteCivil {
    int dia = 1, mes = 1, anio = 2000;      // calendar date, astronomical years
    int hora = 0, minuto = 0, segundo = 0;  // time of day, 0..23, 0..59, 0..59
};

// Given:    jd  Julian day (any time scale; the result is in the same one), years -3000 to
//              3000 give dates JulDay reads back
// Returned: the date and the time of day of jd, rounded to the nearest second (a time that
//           rounds to 24:00:00 is 0:00:00 of the next day).
// Notes:    Julian calendar before 1 January 1583 (Gregorian), Gregorian from then on: the
//           switch JulDay uses, so JulDay of the date plus the time of day gives jd back
//           within half a second. (JulDay also reads Julian 22 to 31 December 1582 onto the
//           days of Gregorian 1 to 10 January 1583; those days are written the second way.)
// References: J. Meeus, Astronomical Algorithms, 2nd ed., ch. 7 (Julian day to calendar
//           date), with whole-second rounding done before the split so no carry is lost.
InstanteCivil InstanteDeJD(double jd);

// "d m aaaa" (no leading zeros, year as a signed whole number): "5 3 2025", "1 1 -3000".
std::string TextoFecha(const InstanteCivil& c);

// "hh:mm:ss" with two digits each: "07:05:09".
std::string TextoHora(const InstanteCivil& c);

}  // namespace natalis
