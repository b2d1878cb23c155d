#include "chart/ColorContrast.h"

#include <algorithm>
#include <cmath>

namespace natalis {

namespace {

double Linear(unsigned value) {
    const double c = value / 255.0;
    return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
}

}  // namespace

double RelativeLuminance(Color c) {
    return 0.2126 * Linear((c >> 16) & 0xFF) + 0.7152 * Linear((c >> 8) & 0xFF) +
           0.0722 * Linear(c & 0xFF);
}

double ContrastRatio(Color a, Color b) {
    const double la = RelativeLuminance(a);
    const double lb = RelativeLuminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

}  // namespace natalis
