// The zodiac longitudes are measured in, and the one function that turns the ephemeris's
// answers into longitudes of that zodiac. Every position the program asks for goes through it.
#pragma once
#include <cstdint>

#include "astro/Ephemeris.h"

namespace natalis {

// Tropical: longitudes from the equinox of date, as the ephemeris gives them. Other zodiacs
// (a sidereal one with its ayanamsa) are further values applied in PosicionZodiacal.
enum class Zodiaco { Tropical };

// Writes to out[0..3] what CalcBody writes for body at the universal-time Julian day jd
// (longitude, latitude, distance, daily motion), with the longitude and its motion in the
// zodiac z. The ephemeris's NaN for an instant it cannot answer passes through.
void PosicionZodiacal(Ephemeris& eph, double jd, int32_t body, Zodiaco z, double* out);

}  // namespace natalis
