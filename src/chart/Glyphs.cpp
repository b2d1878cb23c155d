// Glyph mapping of the symbol font: one character per sign or point.
#include "chart/Glyphs.h"

#include <string_view>

#include "astro/Puntos.h"

namespace natalis {

namespace {

constexpr std::string_view kSignGlyphs = "qwertyuiop[]U";

// Character n (1-based) of s, or an empty string past either end.
std::string CharAt(std::string_view s, int n) {
    if (n < 1 || n > static_cast<int>(s.size())) return {};
    return std::string(1, s[n - 1]);
}

}  // namespace

std::string GlifoSigno(int n) { return CharAt(kSignGlyphs, n); }

std::string GlifoPlaneta(int n) {
    return n >= 1 && n <= kNumPuntos ? std::string(1, FilaPunto(n - 1).Glifo) : std::string();
}

double TamanoGlifoPlaneta(int i) {
    return i >= 1 && i <= kNumPuntos ? FilaPunto(i - 1).TamanoGlifo : 0;
}

}  // namespace natalis
