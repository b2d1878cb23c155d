// Glyphs of the symbol font "OrreryAstro": which character draws which sign or point, and
// the sizes the natal wheel prints them in.
#pragma once
#include <string>

namespace natalis {

// The glyph of sign n (1 Aries ... 12 Pisces) as a one-character string; 13 gives "U";
// any other n an empty string.
std::string GlifoSigno(int n);
// The glyph of row n (1-based) of the point table (1 SOL ... 10 PLU, 11 NOD, 12 PF); an
// empty string outside the table.
std::string GlifoPlaneta(int n);

// Font sizes in points on the natal wheel.
constexpr double kTamanoGlifoSigno = 18;
constexpr double kTamanoGradoPlaneta = 9;   // degree number beside a planet
constexpr double kTamanoGradoCuspide = 10;  // degree number of a house cusp
// Size of the glyph of row i (1-based) of the point table; 0 outside the table.
double TamanoGlifoPlaneta(int i);

}  // namespace natalis
