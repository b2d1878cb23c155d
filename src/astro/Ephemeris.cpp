#include "astro/Ephemeris.h"

#include <limits>

namespace natalis {

double Ephemeris::ValorAyanamsa(double, Ayanamsa) {
    return std::numeric_limits<double>::quiet_NaN();
}

}  // namespace natalis
