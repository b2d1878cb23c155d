// Small conversions and tests of the directions: ecliptic longitude to right ascension and
// the aspect window of primary directions.
#pragma once
#include <cstdint>

namespace natalis {

// Right ascension (degrees, 0 up to 360) of the ecliptic point at longitude lonDeg, for the
// obliquity in degrees; the result lies in the same quadrant as the longitude. Inverse of
// ARALongitud.
double LongitudARA(double lonDeg, float obliquityDeg);

// True when the separation of g1 and g2 (folded into 0..180) lies from 1 degree below to
// 1.5 degrees above the aspect angle asp, both bounds included. The window is fixed.
bool Comparar_Primaria(double g1, double g2, double asp);

// Degree within the sign of a longitude: CInt(lon - 30 * Int(lon / 30)), halves to even.
int16_t GradoEnSigno(float lon);

}  // namespace natalis
