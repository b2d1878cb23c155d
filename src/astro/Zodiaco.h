// The zodiac longitudes are measured in, and the one function that turns the ephemeris's
// answers into longitudes of that zodiac. Every position the program asks for goes through it.
#pragma once
#include <cstdint>
#include <optional>
#include <string>

#include "astro/Ephemeris.h"

namespace natalis {

// Tropical: longitudes from the equinox of date, as the ephemeris gives them. The others are
// sidereal zodiacs, each with its ayanamsa subtracted from the tropical longitude.
enum class Zodiaco {
    Tropical,
    FaganBradley,
    Lahiri,
    Raman,
    Krishnamurti,
    Yukteshwar,
    J2000,
    CentroGalactico0Sag,
};

struct ZodiacoFila {
    Zodiaco id;
    const char* nombre;   // as --ayanamsa takes it: "lahiri"
    const char* caption;  // "Lahiri"
    Ayanamsa ayanamsa;    // unused for the tropical zodiac
};

inline constexpr ZodiacoFila kZodiacos[] = {
    {Zodiaco::Tropical, "tropical", "Tropical", Ayanamsa::FaganBradley},
    {Zodiaco::FaganBradley, "fagan-bradley", "Fagan-Bradley", Ayanamsa::FaganBradley},
    {Zodiaco::Lahiri, "lahiri", "Lahiri", Ayanamsa::Lahiri},
    {Zodiaco::Raman, "raman", "Raman", Ayanamsa::Raman},
    {Zodiaco::Krishnamurti, "krishnamurti", "Krishnamurti", Ayanamsa::Krishnamurti},
    {Zodiaco::Yukteshwar, "yukteshwar", "Yukteshwar", Ayanamsa::Yukteshwar},
    {Zodiaco::J2000, "j2000", "J2000", Ayanamsa::J2000},
    {Zodiaco::CentroGalactico0Sag, "centro-galactico", "Centro galáctico 0° Sag",
     Ayanamsa::CentroGalactico0Sag},
};

const ZodiacoFila& FilaZodiaco(Zodiaco z);
// The sidereal zodiac of an ayanamsa name in any case ("Lahiri"); empty for an unknown name
// and for "tropical".
std::optional<Zodiaco> ZodiacoSideral(const std::string& nombre);
// The ayanamsa of z at the universal-time Julian day jd, degrees; 0 for the tropical zodiac.
double AyanamsaDe(Ephemeris& eph, double jd, Zodiaco z);
// What the chart's header says of the zodiac: empty for the tropical one (as always),
// "Sideral, Lahiri" for a sidereal one.
std::string CaptionZodiaco(Zodiaco z);

// Writes to out[0..3] what CalcBody writes for body at the universal-time Julian day jd
// (longitude, latitude, distance, daily motion), with the longitude in the zodiac z:
// sidereal = tropical - ayanamsa, reduced to 0 up to 360. The ephemeris's NaN for an instant
// it cannot answer passes through.
void PosicionZodiacal(Ephemeris& eph, double jd, int32_t body, Zodiaco z, double* out);

}  // namespace natalis
