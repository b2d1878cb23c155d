// Glyph mapping of the symbol font: one character per sign or point.
#include "chart/Glyphs.h"

#include <string_view>

namespace natalis {

namespace {

constexpr std::string_view kSignGlyphs = "qwertyuiop[]U";
constexpr std::string_view kPointGlyphs = "asdfghjkl;A:";
// SOL LUN MER VEN MAR JUP SAT URA NEP PLU NOD PF
constexpr double kPointSizes[12] = {16, 14, 16, 16, 16, 15, 18, 16, 14, 16, 13, 13};

// Character n (1-based) of s, or an empty string past either end.
std::string CharAt(std::string_view s, int n) {
    if (n < 1 || n > static_cast<int>(s.size())) return {};
    return std::string(1, s[n - 1]);
}

}  // namespace

std::string GlifoSigno(int n) { return CharAt(kSignGlyphs, n); }

std::string GlifoPlaneta(int n) { return CharAt(kPointGlyphs, n); }

double TamanoGlifoPlaneta(int i) { return i >= 1 && i <= 12 ? kPointSizes[i - 1] : 0; }

}  // namespace natalis
