// Sidereal time, obliquity, house cusps and angles.
#pragma once
#include <array>
#include <string>

namespace natalis {

// Cusp(1..12): 1 Ascendant, 4 IC, 7 Descendant, 10 Midheaven. Entries 0, 13-15 unused.
using CuspTable = std::array<float, 16>;

// The time base of the sidereal-time, obliquity and mean-node polynomials: Julian centuries
// from 1900 January 0.5 (JD 2415020.0).
constexpr double kJD1900 = 2415020.0;
constexpr double kDiasPorSiglo = 36525.0;

// Greenwich mean sidereal time, in degrees and not reduced to one turn, for T Julian
// centuries from 1900 January 0.5 and horaUT hours added on top:
// 15 * (6.6460656 + 2400.0513 T + 0.0000258 T^2 + horaUT). Newcomb's expression of sidereal
// time at 0 h universal time (Explanatory Supplement to the Astronomical Ephemeris, 1961;
// Meeus, Astronomical Formulae for Calculators, ch. 7). Adding the east longitude gives the
// local sidereal time, the ARMC.
double TiempoSidereoGrados(double T, double horaUT);

// ARMC (degrees, single precision) and obliquity (degrees) for jd (universal time).
// utHours = NatalHour + ZoneHours, the universal time of birth in hours.
void TiempoSidereo(double jd, float utHours, float longitudeDeg, float& armc, double& oblicuidad);

// Ecliptic longitude whose right ascension is ra, for the given obliquity.
double ARALongitud(double ra, float obliquity);

// Right ascension (degrees, 0 up to 360) of the ecliptic point at longitude lon (degrees),
// the inverse of ARALongitud.
double AscensionRecta(double lon, double obliquity);

// Direction of (x, y) in degrees, 0 up to 360; Angle(0, 0) = 90.
double Angle(double x, double y);

// Placidus, Koch, Regiomontanus: fill Cusp(1..12). Placido and Koch return false (and leave
// Cusp untouched) where they have no meaning, |tan(lat) * tan(obliquity)| > 1.
bool Placido(double armc, double lat, float obliquity, CuspTable& Cusp);
bool Koch(double armc, double lat, float obliquity, CuspTable& Cusp);
void Regiomontano(double armc, double lat, float obliquity, CuspTable& Cusp);
// Porphyry: each quadrant between the angles trisected.
void Porfirio(double armc, double lat, float obliquity, CuspTable& Cusp);

// Fills Cusp for a letter ("P", "K", "R" in any case) and returns the letter of the result
// (LetraResultado: 'O' when the houses fell back to Porphyry). Any other letter, the empty
// one included, is taken as Placidus, as this routine has always done.
// Nothing in the program calls it: the computations take a SistemaCasas row
// (CalcularCasas), and the command line refuses a letter no row has before any of them.
char Houses(double armc, float latitudeDeg, const std::string& houseSystem, float obliquity,
            CuspTable& Cusp);

}  // namespace natalis
