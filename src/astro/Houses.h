// Sidereal time, obliquity, house cusps and angles.
#pragma once
#include <array>
#include <string>

namespace natalis {

// Cusp(1..12): 1 Ascendant, 4 IC, 7 Descendant, 10 Midheaven. Entries 0, 13-15 unused.
using CuspTable = std::array<float, 16>;

// ARMC (degrees, single precision) and obliquity (degrees) for jd (universal time).
// utHours = NatalHour + ZoneHours, the universal time of birth in hours.
void TiempoSidereo(double jd, float utHours, float longitudeDeg, float& armc, double& oblicuidad);

// Ecliptic longitude whose right ascension is ra, for the given obliquity.
double ARALongitud(double ra, float obliquity);

// Direction of (x, y) in degrees, 0 up to 360; Angle(0, 0) = 90.
double Angle(double x, double y);

// Placidus, Koch, Regiomontanus: fill Cusp(1..12). Placido and Koch return false (and leave
// Cusp untouched) where they have no meaning, |tan(lat) * tan(obliquity)| > 1.
bool Placido(double armc, double lat, float obliquity, CuspTable& Cusp);
bool Koch(double armc, double lat, float obliquity, CuspTable& Cusp);
void Regiomontano(double armc, double lat, float obliquity, CuspTable& Cusp);
// Porphyry: each quadrant between the angles trisected.
void Porfirio(double armc, double lat, float obliquity, CuspTable& Cusp);

// Fills Cusp for houseSystem ("P", "K", "R" in any case; anything else Placidus) and
// returns the letter of the system actually used: 'P', 'K', 'R', or 'O' (Porphyry) when
// Placidus or Koch have no meaning at this latitude.
char Houses(double armc, float latitudeDeg, const std::string& houseSystem, float obliquity,
            CuspTable& Cusp);

}  // namespace natalis
