// Angle arithmetic in degrees, with k = 3.1415926535 / 180 and results rounded to single
// precision where the program stores Singles.
#include "astro/AngleMath.h"

#include <cmath>
#include <string>

#include "astro/NumberText.h"

namespace natalis {

namespace {
const char kSignLabels[] = "AriTauGemCanLeoVirLibScoSagCapAquPsc";
}

// MODg: x (degrees, any value) reduced to one turn, x - 360 * Int(x / 360), computed in
// double and returned as Single. Range 0 up to 360 inclusive: an argument a hair below 0
// rounds to exactly 360 in single precision.
float MODg(double x) { return static_cast<float>(x - 360.0 * IntFloor(x / 360.0)); }

double UnaVuelta(double x) {
    double r = std::fmod(x, 360.0);
    if (r < 0) r += 360.0;
    return r >= 360.0 ? 0.0 : r;
}

// Reducir180: x (degrees, any finite value) minus the whole turns that bring it into
// (-180, 180]; kept in double, as the difference between two longitudes is used for root
// finding.
double Reducir180(double x) {
    double r = x - 360.0 * std::floor(x / 360.0);  // 0 up to 360
    if (r > 180.0) r -= 360.0;
    return r;
}

// gSEN, gCOS: sine and cosine of x degrees (x * k radians), as Single.
float gSEN(double x) { return static_cast<float>(std::sin(x * kDegToRad)); }
float gCOS(double x) { return static_cast<float>(std::cos(x * kDegToRad)); }

// GradToDec: x written as d.mm (the two decimals are minutes) to decimal degrees, keeping
// the sign: 40.30 -> 40.5, -12.45 -> -12.75.
float GradToDec(double x) {
    double a = std::fabs(x);
    double whole = IntFloor(a);
    double result = whole + (a - whole) * 100.0 / 60.0;
    return static_cast<float>(x < 0 ? -result : result);
}

// Round2Dec: value to two decimals, n = CInt(value * 100 + 0.5), result n / 100 as Single.
// The added half makes it lean upwards (a third decimal of 4 already rounds up). n is kept
// in a long, so large values give their rounded value instead of overflowing.
float Round2Dec(double value) {
    long n = CIntEven(value * 100.0 + 0.5);
    return static_cast<float>(static_cast<double>(n) / 100.0);
}

// ZodiacString: longitude (degrees, 0 up to 360) as "DDSssMM": degree within the sign with
// two digits, three-letter sign label, minutes with two digits (halves to even). Minutes
// that round to 60 carry into the degree without changing the sign (29.995 -> "30Ari00").
// 360 itself, which MODg returns for a tiny negative angle, reads as 0 Aries; any other
// value outside one turn is reduced first.
std::string ZodiacString(double longitude) {
    double u = static_cast<float>(longitude);
    if (!(u >= 0.0 && u < 360.0)) {
        u = std::isfinite(u) ? u - 360.0 * IntFloor(u / 360.0) : 0.0;
        if (u >= 360.0) u = 0.0;
    }
    int s = static_cast<int>(IntFloor(IntFloor(u) / 30.0)) + 1;
    std::string label(kSignLabels + 3 * (s - 1), 3);
    long degree = static_cast<long>(IntFloor(u - 30.0 * (s - 1)));
    long minutes = CIntEven((u - IntFloor(u)) * 60.0);
    if (minutes > 59) {
        ++degree;
        minutes = 0;
    }
    return ZeroPad(degree, 2) + label + ZeroPad(minutes, 2);
}

}  // namespace natalis
