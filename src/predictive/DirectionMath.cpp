#include "predictive/DirectionMath.h"

#include <cmath>

#include "astro/AngleMath.h"
#include "astro/NumberText.h"
#include "chart/Aspects.h"

namespace natalis {

double LongitudARA(double lonDeg, float obliquityDeg) {
    const double e = gCOS(obliquityDeg);
    double r = std::atan(std::tan(lonDeg * kDegToRad) * e) / kDegToRad;
    if (r < 0) r += 180;
    if (lonDeg >= 180) r += 180;
    // k is a little less than pi / 180, so tan(180 * k) is still negative and the half-turn
    // rule alone would put a longitude of exactly 180 at 360; right ascension and longitude
    // never lie more than a quarter turn apart, which corrects it.
    if (std::fabs(std::remainder(r - lonDeg, 360.0)) > 90) r += r >= 180 ? -180 : 180;
    return r;
}

bool Comparar_Primaria(double g1, double g2, double asp) {
    const double d = Separacion(g2, g1);
    return d >= asp - 1 && d <= asp + 1.5;
}

int16_t GradoEnSigno(float lon) {
    return static_cast<int16_t>(CIntEven(lon - 30 * IntFloor(lon / 30.0)));
}

}  // namespace natalis
