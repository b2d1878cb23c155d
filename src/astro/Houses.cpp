// Sidereal time, obliquity of the ecliptic, the angles and the house cusps of a chart.
// Angles are degrees; radians use k = 3.1415926535 / 180 (kDegToRad) throughout, and every
// cusp is stored as a Single. The house formulas are the classical ones of spherical
// astronomy for each system (R. W. Holden, The Elements of House Division, 1977); they are
// checked in the tests against an independent house routine to 1".
#include "astro/Houses.h"

#include <cctype>
#include <cmath>
#include <string>

#include "astro/AngleMath.h"

namespace natalis {

namespace {

// Whether Placidus and Koch have a meaning at this latitude: their semi-arcs need
// |tan(lat) * tan(obliquity)| <= 1, i.e. the latitude within 90 degrees minus the obliquity.
bool SemiArcsExist(double latDeg, float obliquityDeg) {
    double product = std::tan(latDeg * kDegToRad) * std::tan(obliquityDeg * kDegToRad);
    return std::isfinite(product) && std::fabs(product) <= 1.0;
}

// Direction, in radians 0 up to 2 pi, of the arctangent of num / den with the quadrant
// taken from the signs the house formulas use: a = atan(num / den), plus pi when negative,
// plus pi again when `lowerHalf`. A zero denominator gives pi / 2 (plus pi) instead of
// dividing by zero.
double ArcTanTurn(double num, double den, bool lowerHalf) {
    double a = den != 0.0 ? std::atan(num / den) : kPi / 2;
    if (a < 0) a += kPi;
    if (lowerHalf) a += kPi;
    return a;
}

// Ascendant (degrees, single precision) of the ARMC a, latitude f and obliquity e, all in
// radians: the ecliptic point rising in the east, from the standard formula
// tan(Asc) = cos a / (-sin a cos e - tan f sin e).
float AscendantDeg(double a, double f, double e) {
    double A = ArcTanTurn(std::cos(a), -std::sin(a) * std::cos(e) - std::tan(f) * std::sin(e),
                          std::cos(a) < 0);
    return MODg(A / kDegToRad);
}

// Rounds of the Placidus iteration: it stops when R moves by less than kPlacidusTolerance
// radians. Up to about 55 degrees of latitude ten rounds are close to that; the nearer the
// polar circle the slower it converges (some 70 rounds at 66.5 degrees), so the cap only
// guards against a loop that would never end.
constexpr double kPlacidusTolerance = 1e-12;
constexpr int kPlacidusMaxRounds = 100;

// The ARMC the house formulas work on is reduced with UnaVuelta, in double precision, never
// with MODg: near the polar circles the ecliptic lies almost along the horizon, and the
// 1e-5 degrees of MODg's single-precision rounding move the rising point by minutes of arc.

// Placidus semi-arc iteration for one intermediate cusp: R starts at a + h and is moved to
// a + X / F (upper half) or a + pi - X / F (lower half), X being the diurnal or nocturnal
// semi-arc of the ecliptic point with right ascension R, until R no longer moves. Returns
// that point's longitude in degrees. a, h, e, f in radians.
float PlacidusCusp(double a, double h, double F, bool lowerHalf, double e, double f) {
    double s = lowerHalf ? 1.0 : -1.0;
    double R = a + h;
    for (int round = 0; round < kPlacidusMaxRounds; ++round) {
        double Y = s * std::sin(R) * std::tan(e) * std::tan(f);
        if (Y > 1) Y = 1;  // only rounding can take |Y| past 1 within the valid latitudes
        if (Y < -1) Y = -1;
        // X = arccos(Y) written as the arctangent of sqrt(1 - Y^2) / Y, 0 up to pi.
        double X = ArcTanTurn(std::sqrt(1 - Y * Y), Y, false);
        const double previous = R;
        R = lowerHalf ? a + kPi - X / F : a + X / F;
        if (std::fabs(R - previous) < kPlacidusTolerance) break;
    }
    double lambda = ArcTanTurn(std::tan(R), std::cos(e), std::sin(R) < 0);
    return MODg(lambda / kDegToRad);
}

// Cusp(1..12) from the six cusps 1..6; 7..12 lie opposite.
void FillOpposites(const float (&C)[7], CuspTable& Cusp) {
    for (int i = 1; i <= 6; ++i) {
        Cusp[i] = C[i];
        Cusp[i + 6] = MODg(C[i] + 180.0);
    }
}

}  // namespace

double TiempoSidereoGrados(double T, double horaUT) {
    constexpr double kHoras1900 = 6.6460656;      // sidereal time at the epoch, hours
    constexpr double kHorasPorSiglo = 2400.0513;  // gained on 0 h universal time per century
    constexpr double kHorasT2 = 0.0000258;        // secular term, hours per century squared
    constexpr double kGradosPorHora = 15.0;
    return kGradosPorHora * (kHoras1900 + kHorasPorSiglo * T + kHorasT2 * T * T + horaUT);
}

// TiempoSidereo: ARMC and obliquity for the instant jd (Julian day, universal time).
// armc (degrees, Single, 0 up to 360) = longitude + Greenwich mean sidereal time, whose
// polynomial in T (Julian centuries from 1900 January 0.5) gives the value at 0 h and the
// sidereal gain of the day; utHours is added unscaled. No nutation in right ascension.
// oblicuidad (degrees): mean obliquity of 1900 (84428.26" = 23 27' 08.26") with its secular
// terms, plus the two main nutation terms in obliquity (lunar node and twice the Sun's
// mean longitude), in seconds of arc. Newcomb's mean obliquity and the leading nutation
// terms (Explanatory Supplement to the Astronomical Ephemeris, 1961; Meeus, Astronomical
// Algorithms, ch. 22). Range of validity: a few thousand years either side of 1900.
void TiempoSidereo(double jd, float utHours, float longitudeDeg, float& armc, double& oblicuidad) {
    double T = (jd - kJD1900) / kDiasPorSiglo;
    double H = utHours;
    armc = MODg(longitudeDeg + TiempoSidereoGrados(T, H));
    double node = MODg(259.1833 - 1934.1419 * T);
    double sunLon = MODg(279.6967 + 36000.76 * T);
    oblicuidad = (84428.26 - 46.845 * T - 0.0059 * T * T + 0.00181 * T * T * T + 9.21 * gCOS(node) +
                  0.552 * gCOS(2.0 * sunLon)) /
                 3600.0;
}

// ARALongitud: the ecliptic longitude (degrees, 0 up to 360) whose right ascension is ra
// (degrees), tan(lon) = tan(ra) / cos(obliquity), in the half-turn of ra. For ra = ARMC this
// is the Midheaven. ra outside 0..360 is reduced first.
// Because k is a little less than pi / 180, tan(ra * k) is still negative for ra from 180
// up to about 180.0000005, and the half-turn rule alone would put the point opposite;
// longitude and right ascension never lie more than a quarter turn apart, which corrects it.
double ARALongitud(double ra, float obliquity) {
    if (ra < 0 || ra > 360) ra -= 360.0 * std::floor(ra / 360.0);
    double r = std::atan(std::tan(ra * kDegToRad) / gCOS(obliquity)) / kDegToRad;
    if (r < 0) r += 180;
    if (ra >= 180) r += 180;
    if (std::fabs(std::remainder(r - ra, 360.0)) > 90) r += r >= 180 ? -180 : 180;
    return r;
}

// Angle: direction of the point (x, y) in degrees, 0 up to 360, 0 along +x and 90 along +y.
// Angle(0, 0) is 90. Built on the program's pi, so Angle(1, -1) is 314.9999999987.
double Angle(double x, double y) {
    double a;
    if (x != 0 && y != 0)
        a = std::atan(y / x);
    else if (x != 0)
        a = x < 0 ? kPi : 0.0;
    else
        a = y < 0 ? -kPi / 2 : kPi / 2;
    if (a < 0) a += kPi;
    if (y < 0) a += kPi;
    return a / kDegToRad;
}

// Placido: Placidus cusps for the ARMC and latitude (degrees). Midheaven from ARALongitud,
// Ascendant from the rising-point formula, cusps 11, 12, 2, 3 by the semi-arc iteration
// (trisection of the diurnal and nocturnal semi-arcs) run until it has converged. Latitude 0 is
// taken as 0.0001 so that the semi-arc ratio never divides by zero. Returns false, leaving
// Cusp untouched, beyond the latitude where semi-arcs exist.
bool Placido(double armc, double lat, float obliquity, CuspTable& Cusp) {
    if (!SemiArcsExist(lat, obliquity)) return false;
    if (lat == 0) lat = 0.0001;
    armc = UnaVuelta(armc);
    double a = armc * kDegToRad, f = lat * kDegToRad, e = obliquity * kDegToRad;

    float C[7];
    C[4] = MODg(ARALongitud(armc, obliquity) + 180.0);
    C[1] = AscendantDeg(a, f, e);
    C[5] = MODg(PlacidusCusp(a, 30 * kDegToRad, 3, false, e, f) + 180.0);
    C[6] = MODg(PlacidusCusp(a, 60 * kDegToRad, 1.5, false, e, f) + 180.0);
    C[2] = PlacidusCusp(a, 120 * kDegToRad, 1.5, true, e, f);
    C[3] = PlacidusCusp(a, 150 * kDegToRad, 3, true, e, f);
    FillOpposites(C, Cusp);
    return true;
}

// Koch: cusps from the ascensional difference AD of the Midheaven: cusp i is the ecliptic
// point rising (or setting) on the horizon of the meridian point armc + H + F * AD, with
// H = 30 i + 60 and F stepping by thirds. Returns false, leaving Cusp untouched, beyond the
// latitude where the ascensional difference exists.
bool Koch(double armc, double lat, float obliquity, CuspTable& Cusp) {
    if (!SemiArcsExist(lat, obliquity)) return false;
    double f = lat * kDegToRad, e = obliquity * kDegToRad;
    double s = std::sin(armc * kDegToRad) * std::tan(f) * std::tan(e);
    if (s > 1) s = 1;
    if (s < -1) s = -1;
    // AD = arcsin(s) as the arctangent of s / sqrt(1 - s^2); at |s| = 1 it is +-90.
    double AD =
        (std::fabs(s) < 1 ? std::atan(s / std::sqrt(1 - s * s)) : std::copysign(kPi / 2, s)) /
        kDegToRad;
    for (int i = 1; i <= 12; ++i) {
        double H = MODg(30.0 * i + 60.0);
        double F = H < 180 ? H / 90 - 1 : H / 90 - 3;
        double g = H < 180 ? 1.0 : -1.0;
        double X = UnaVuelta(armc + H + F * AD) * kDegToRad;
        Cusp[i] = static_cast<float>(
            Angle(std::cos(X) * std::cos(e) - g * std::tan(f) * std::sin(e), std::sin(X)));
    }
    return true;
}

// Regiomontano: cusp i is where the house circle through the north and south points at
// equatorial distance H = 30 i + 60 from the meridian cuts the ecliptic. Valid at every
// latitude short of the poles.
void Regiomontano(double armc, double lat, float obliquity, CuspTable& Cusp) {
    double a = armc * kDegToRad, f = lat * kDegToRad, e = obliquity * kDegToRad;
    for (int i = 1; i <= 12; ++i) {
        double H = (30.0 * i + 60.0) * kDegToRad;
        Cusp[i] =
            MODg(Angle(std::cos(e) * std::cos(a + H) - std::tan(f) * std::sin(H) * std::sin(e),
                       std::sin(a + H)));
    }
}

// Porfirio: Ascendant (rising-point formula) and Midheaven (ARALongitud of the ARMC), each
// quadrant between them trisected; cusps 4 to 9 opposite. Defined at every latitude short
// of the poles, so it stands in where Placidus and Koch have no meaning.
void Porfirio(double armc, double lat, float obliquity, CuspTable& Cusp) {
    double reduced = UnaVuelta(armc);
    double asc = AscendantDeg(reduced * kDegToRad, lat * kDegToRad,
                              static_cast<double>(obliquity) * kDegToRad);
    double mc = MODg(ARALongitud(reduced, obliquity));
    double upper = MODg(asc - mc);  // from the Midheaven on to the Ascendant (houses 10-12)
    double lower = 180.0 - upper;   // from the Ascendant on to the IC (houses 1-3)
    float C[7];
    C[1] = static_cast<float>(asc);
    C[2] = MODg(asc + lower / 3);
    C[3] = MODg(asc + 2 * lower / 3);
    C[4] = MODg(mc + 180.0);
    C[5] = MODg(mc + 180.0 + upper / 3);
    C[6] = MODg(mc + 180.0 + 2 * upper / 3);
    FillOpposites(C, Cusp);
}

}  // namespace natalis
