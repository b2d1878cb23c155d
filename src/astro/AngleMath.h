// Angle arithmetic in degrees with the program's own constants.
// Angles are decimal degrees; k converts degrees to radians with pi taken as 3.1415926535,
// a choice that shows in every printed position, so it is kept everywhere.
#pragma once
#include <string>

namespace natalis {

constexpr double kPi = 3.1415926535;
constexpr double kDegToRad = 0.017453292519444445;  // kPi / 180

// x - 360 * Int(x / 360), rounded to single precision: 0 up to 360 (a hair below 0 gives 360).
float MODg(double x);
// x degrees (any finite value) reduced to one turn in double precision: 0 up to 360, 360
// itself excluded (a hair below 0 gives 0, not 360). The reduction of the program that keeps
// double precision; MODg above is the single-precision one the printed positions use.
double UnaVuelta(double x);
// x degrees reduced to the signed difference of two directions, -180 (excluded) up to 180,
// in double precision.
double Reducir180(double x);
// sin and cos of x degrees (x * k radians), rounded to single precision.
float gSEN(double x);
float gCOS(double x);
// Degrees written as d.mm (minutes in the two decimals) to decimal degrees.
float GradToDec(double x);
// Value rounded to two decimals, leaning upwards (n = CInt(value * 100 + 0.5), 16-bit n).
float Round2Dec(double value);
// Longitude (0 up to 360) as two-digit degree, sign label, two-digit minutes: "05Ari30".
std::string ZodiacString(double longitude);

}  // namespace natalis
