// Contrast ratios of text and background colours.
#include <gtest/gtest.h>

#include "chart/ColorContrast.h"

namespace natalis {
namespace {

// Reference ratios: the definition's end points (21 and 1), and the values that WebAIM's
// contrast checker gives for the greys that sit either side of the 4.5 : 1 limit on white.
TEST(ContrastRatio, ReferenceValues) {
    struct Row {
        Color a, b;
        double ratio, tolerance;
    };
    const Row rows[] = {
        {0x000000, 0xFFFFFF, 21.0, 1e-9},  {0xFFFFFF, 0x000000, 21.0, 1e-9},
        {0x404040, 0x404040, 1.0, 1e-12},  {0x767676, 0xFFFFFF, 4.54, 0.005},
        {0x777777, 0xFFFFFF, 4.48, 0.005},
    };
    for (const Row& r : rows) {
        EXPECT_NEAR(ContrastRatio(r.a, r.b), r.ratio, r.tolerance) << std::hex << r.a << " " << r.b;
    }
}

// The luminance of the main window's grey 64, worked by hand: 64 / 255 = 0.25098,
// ((0.25098 + 0.055) / 1.055)^2.4 = 0.05127; black text on it is only about 2 : 1.
TEST(ContrastRatio, BlackOnTheWindowsGreyIsTooDim) {
    EXPECT_NEAR(RelativeLuminance(kBackground), 0.05127, 5e-5);
    EXPECT_LT(ContrastRatio(QBColor(0), kBackground), kMinTextContrast);
    EXPECT_GE(ContrastRatio(QBColor(15), kBackground), kMinTextContrast);
}

}  // namespace
}  // namespace natalis
