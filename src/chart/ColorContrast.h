// Contrast between a text colour and its background, as the Web Content Accessibility
// Guidelines measure it, so that every text of the windows can be checked to stay legible.
#pragma once
#include "chart/Surface.h"

namespace natalis {

// The smallest contrast ratio at which ordinary text counts as legible (WCAG 2.x, level AA).
constexpr double kMinTextContrast = 4.5;

// Relative luminance of an sRGB colour, 0 (black) to 1 (white).
// Each channel c = value / 255 is linearised: c / 12.92 when c <= 0.04045, else
// ((c + 0.055) / 1.055)^2.4; L = 0.2126 R + 0.7152 G + 0.0722 B.
// References: WCAG 2.1, definition of "relative luminance"; IEC 61966-2-1 (sRGB).
double RelativeLuminance(Color c);

// Contrast ratio (L1 + 0.05) / (L2 + 0.05), L1 the lighter of the two luminances: 1 for
// equal colours up to 21 for black on white, the same whichever colour is the text.
// References: WCAG 2.1, definition of "contrast ratio".
double ContrastRatio(Color a, Color b);

}  // namespace natalis
