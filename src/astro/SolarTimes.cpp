// Sunrise, solar noon and sunset from the fractional-year approximation of the equation of
// time and the solar declination (a pair of short Fourier series in the fractional year),
// with a zenith of 90.833 degrees for the upper limb and standard refraction at the
// horizon. Needs no ephemeris and no Julian day; good to a minute or two away from the
// poles. Source: the fractional-year series of the NOAA Global Monitoring Laboratory's
// "General Solar Position Calculations" (after Spencer, 1971).
#include "astro/SolarTimes.h"

#include <cmath>

#include "astro/NumberText.h"
#include "astro/SolarSeries.h"

namespace natalis {

namespace solar {

namespace {

constexpr double kPiSolar = 3.1415926535;
constexpr double kTurn = 6.283185307;
constexpr double kZenithDeg = 90.833;

double Radians(double deg) { return deg * kPiSolar / 180.0; }
double Degrees(double rad) { return rad * 180.0 / kPiSolar; }

// One pass of the sunrise (salida) or sunset formula for fractional year gamma: the UT
// minutes at which the Sun's hour angle reaches the horizon.
double EventMinutes(double gamma, double latDeg, double lonWestDeg, bool salida) {
    double E = EcuacionDelTiempo(gamma);
    double H = Degrees(AnguloHorario(latDeg, DeclinacionSolar(gamma), salida));
    return 720.0 + 4.0 * (lonWestDeg - H) - E;
}

// Sunrise or sunset in two passes: a first estimate from the series at `firstDay`, then
// the series taken again at the estimate's whole hour of day n.
double EventUTC(int n, double firstDay, double latDeg, double lonWestDeg, bool salida) {
    double t = EventMinutes(FraccionAnual(firstDay), latDeg, lonWestDeg, salida);
    double h = static_cast<double>(CIntEven(t / 60.0));
    return EventMinutes(FraccionAnual(n, h), latDeg, lonWestDeg, salida);
}

}  // namespace

// FraccionAnual: the fractional year (radians) of day n (1 = 1 January) at 0 h or at hour
// h; day 366 goes slightly past a full turn, which the series accept.
double FraccionAnual(double n) { return kTurn / 365.0 * (n - 1); }
double FraccionAnual(double n, double h) { return kTurn / 365.0 * (n - 1 + h / 24.0); }

// EcuacionDelTiempo: apparent minus mean solar time in minutes, five-term series.
double EcuacionDelTiempo(double g) {
    return 229.18 * (0.000075 + 0.001868 * std::cos(g) - 0.032077 * std::sin(g) -
                     0.014615 * std::cos(2 * g) - 0.040849 * std::sin(2 * g));
}

// DeclinacionSolar: declination of the Sun in radians, series up to the 2 gamma terms.
double DeclinacionSolar(double g) {
    return 0.006918 - 0.399912 * std::cos(g) + 0.070257 * std::sin(g) - 0.006758 * std::cos(2 * g) +
           0.000907 * std::sin(2 * g);
}

// ArcoCoseno: arc cosine as atan(-x / sqrt(1 - x^2)) + pi / 2, 0 up to pi. For |x| >= 1
// (the Sun never reaches the horizon that day) the answer is 0, so that sunrise and sunset
// fall together at solar noon instead of turning into NaN.
double ArcoCoseno(double x) {
    if (!(std::fabs(x) < 1.0)) return 0.0;
    return std::atan(-x / std::sqrt(1.0 - x * x)) + 2.0 * std::atan(1.0);
}

// AnguloHorario: hour angle (radians) at which the Sun's centre is 90.833 degrees from
// the zenith, positive for sunrise (salida) and negated for sunset.
double AnguloHorario(double latDeg, double declination, bool salida) {
    double phi = Radians(latDeg);
    double z = Radians(kZenithDeg);
    double x = std::cos(z) / (std::cos(phi) * std::cos(declination)) -
               std::tan(phi) * std::tan(declination);
    double H = ArcoCoseno(x);
    return salida ? H : -H;
}

// AmanecerUTC, PonienteUTC: sunrise and sunset of day n in UT minutes from 0 h; the first
// pass of sunset takes the series of the following day.
double AmanecerUTC(int n, double latDeg, double lonWestDeg) {
    return EventUTC(n, n, latDeg, lonWestDeg, true);
}
double PonienteUTC(int n, double latDeg, double lonWestDeg) {
    return EventUTC(n, n + 1, latDeg, lonWestDeg, false);
}

// MediodiaUTC: solar noon of day n in UT minutes, the series taken at the whole hour of
// local noon.
double MediodiaUTC(int n, double lonWestDeg) {
    double h = static_cast<double>(CIntEven(lonWestDeg / 15.0 + 12.0));
    return 720.0 + 4.0 * lonWestDeg - EcuacionDelTiempo(FraccionAnual(n, h));
}

}  // namespace solar

// HorasSolares: sunrise, solar noon and sunset of day dayOfYear (1..366) at latitude lat
// (north positive) and longitude lonWest (west positive), as local seconds from 0 h
// (universal minus zona hours), rounded to whole seconds. Latitudes within 0.2 degrees of a
// pole are taken as 89.8 so that the tangent stays finite.
HorasSolaresResult HorasSolares(int dayOfYear, double lat, double lonWest, double zona) {
    if (lat >= -90 && lat < -89.8) lat = -89.8;
    if (lat > 89.8 && lat <= 90) lat = 89.8;
    auto localSeconds = [zona](double utcMinutes) {
        return CIntEven((utcMinutes - 60.0 * zona) * 60.0);
    };
    HorasSolaresResult r;
    r.AmanecerSeg = localSeconds(solar::AmanecerUTC(dayOfYear, lat, lonWest));
    r.MediodiaSeg = localSeconds(solar::MediodiaUTC(dayOfYear, lonWest));
    r.PonienteSeg = localSeconds(solar::PonienteUTC(dayOfYear, lat, lonWest));
    return r;
}

}  // namespace natalis
