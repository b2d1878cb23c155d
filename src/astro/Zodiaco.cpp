#include "astro/Zodiaco.h"

#include <cctype>

#include "astro/AngleMath.h"

namespace natalis {

const ZodiacoFila& FilaZodiaco(Zodiaco z) {
    for (const ZodiacoFila& f : kZodiacos) {
        if (f.id == z) return f;
    }
    return kZodiacos[0];
}

std::optional<Zodiaco> ZodiacoSideral(const std::string& nombre) {
    std::string n = nombre;
    for (char& c : n) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    for (const ZodiacoFila& f : kZodiacos) {
        if (f.id != Zodiaco::Tropical && n == f.nombre) return f.id;
    }
    return std::nullopt;
}

double AyanamsaDe(Ephemeris& eph, double jd, Zodiaco z) {
    if (z == Zodiaco::Tropical) return 0;
    return eph.ValorAyanamsa(jd, FilaZodiaco(z).ayanamsa);
}

std::string CaptionZodiaco(Zodiaco z) {
    if (z == Zodiaco::Tropical) return {};
    return std::string("Sideral, ") + FilaZodiaco(z).caption;
}

void PosicionZodiacal(Ephemeris& eph, double jd, int32_t body, Zodiaco z, double* out) {
    eph.CalcBody(jd, body, out);
    // The daily motion is left as the ephemeris gives it: the ayanamsa moves some 50" a year.
    if (z != Zodiaco::Tropical) out[0] = UnaVuelta(out[0] - AyanamsaDe(eph, jd, z));
}

}  // namespace natalis
