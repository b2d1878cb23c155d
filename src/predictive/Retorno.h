// Solar and lunar returns: the instant at which the Sun or the Moon comes back to its natal
// longitude, and the return computed for a chart from a typed date.
#pragma once
#include <string>
#include <vector>

#include "app/model/NatalRecord.h"
#include "astro/Ephemeris.h"
#include "astro/Planets.h"
#include "chart/NatalTables.h"

namespace natalis {

enum class TipoRetorno { Solar, Lunar };

enum class RetornoEstado {
    Hallado,       // jd holds the return
    FueraDeRango,  // the starting instant lies outside the years -3000 to 3000
    SinSolucion    // the ephemeris gave no usable longitude, or the search did not settle
};

struct RetornoInstante {
    RetornoEstado estado = RetornoEstado::Hallado;
    double jd = 0;        // universal-time Julian day of the return
    std::string mensaje;  // Spanish text of a failure
};

// Given:    tipo         Solar (the Sun, body 0) or Lunar (the Moon, body 1)
//           lonNatalDeg  the natal longitude to come back to, degrees (reduced to 0..360)
//           desdeJD      universal-time Julian day to search from, from 1 January -3000 to
//                        1 January 3001 (0 h), with a day's margin on either side
//           eph          the ephemeris; its daily motion out[3] speeds the search when usable
// Returned: the first instant jd >= desdeJD at which the body's ephemeris longitude equals
//           lonNatalDeg, found to about a millisecond (the longitude then agrees to better
//           than 0.001 arc second); a failure status with its message otherwise.
// Notes:    The Sun and the Moon never move backwards, so the longitude unwrapped from
//           desdeJD grows steadily and the return is the one root of "progress equals the
//           arc still to go". The mean motion brackets it (the true longitude strays from
//           the mean by at most about 2 degrees for the Sun and 8 for the Moon); a Newton
//           step on the ephemeris's daily motion, kept inside the bracket (bisection when it
//           would leave it, a secant slope when the motion is missing), closes in.
// References: mean motions from the tropical year (365.24219 days) and the tropical month
//           (27.32158 days), J. Meeus, Astronomical Algorithms, 2nd ed., ch. 25 and 47.
RetornoInstante BuscarRetorno(TipoRetorno tipo, double lonNatalDeg, double desdeJD, Ephemeris& eph,
                              Zodiaco z = Zodiaco::Tropical);

// "RETORNO SOLAR" or "RETORNO LUNAR".
const char* TituloRetorno(TipoRetorno tipo);

enum class RetornoCalculoEstado { Calculado, FechaRechazada, SinRetorno };

struct RetornoResultado {
    RetornoCalculoEstado estado = RetornoCalculoEstado::Calculado;
    std::string mensaje;   // the date parser's text, or why no return was found
    std::string titulo;    // "corregir fecha", or the title of a failed search
    double jd = 0;         // universal-time Julian day of the return
    PlanetTable Planet{};  // the ten bodies at the return (Planets)
    // The points of the return's ring: the ten bodies, then the chart's further points the
    // sky gives by itself (PuntosDelCieloEn).
    std::vector<PuntoAnillo> puntos;
};

constexpr const char* kTituloSinRetorno = "Retorno";

// The return of the chart's Sun or Moon (natal.PlanetaNatal(1) or (2).Lon) first on or after
// 0 h of fecha ("d m aaaa", clock time of the birth zone rec.ZoneHours), with the bodies at
// that instant. fecha is trimmed in place as the date parser does.
RetornoResultado CalcularRetorno(TipoRetorno tipo, std::string& fecha, const NatalRecord& rec,
                                 const NatalTables& natal, Ephemeris& eph);

// The date a solar return of a typed year is searched from: "1 1 " and the year. anio must
// be a whole number in figures, optionally signed, between blanks; otherwise the Spanish
// message (and fecha is left alone). The year's range is the date parser's to check.
std::string FechaDelAnioRetorno(const std::string& anio, std::string& fecha);

constexpr const char* kMensajeAnioRetorno = "El año debe escribirse en cifras, por ejemplo 2030.";

// What the window's input boxes ask: a year for the solar return, a date for the lunar one.
constexpr const char* kPreguntaRetornoSolar = "Año del retorno solar:";
constexpr const char* kPreguntaRetornoLunar =
    "Primer retorno lunar desde la fecha (dia mes año, por ejemplo 5 3 2025):";

}  // namespace natalis
