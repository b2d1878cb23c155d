#include "astro/Ephemeris.h"

#include <limits>

namespace natalis {

double Ephemeris::ValorAyanamsa(double, Ayanamsa) {
    return std::numeric_limits<double>::quiet_NaN();
}

bool Ephemeris::CalcStar(double, const std::string&, double* out) {
    for (int i = 0; i < 4; ++i) out[i] = std::numeric_limits<double>::quiet_NaN();
    return false;
}

}  // namespace natalis
