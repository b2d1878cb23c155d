#include <gtest/gtest.h>

#include "astro/Puntos.h"
#include "chart/Glyphs.h"

namespace natalis {
namespace {

TEST(Glyphs, SignAndPointCharacters) {
    const char* signs[] = {"q", "w", "e", "r", "t", "y", "u", "i", "o", "p", "[", "]"};
    const char* points[] = {"a", "s", "d", "f", "g", "h", "j", "k", "l", ";", "A", ":"};
    for (int n = 1; n <= 12; ++n) {
        EXPECT_EQ(GlifoSigno(n), signs[n - 1]) << n;
        EXPECT_EQ(GlifoPlaneta(n), points[n - 1]) << n;
    }
}

TEST(Glyphs, PastTheEndIsEmpty) {
    EXPECT_EQ(GlifoSigno(13), "U");  // the sign string's unused thirteenth character
    EXPECT_EQ(GlifoSigno(14), "");
    EXPECT_EQ(GlifoPlaneta(kNumPuntos + 1), "");
    EXPECT_EQ(GlifoSigno(0), "");
    EXPECT_EQ(GlifoPlaneta(-1), "");
}

TEST(Glyphs, NatalWheelSizes) {
    // SOL LUN MER VEN MAR JUP SAT URA NEP PLU NOD PF, in points.
    const double sizes[] = {16, 14, 16, 16, 16, 15, 18, 16, 14, 16, 13, 13};
    for (int i = 1; i <= 12; ++i) EXPECT_EQ(TamanoGlifoPlaneta(i), sizes[i - 1]) << i;
    EXPECT_EQ(TamanoGlifoPlaneta(0), 0);
    EXPECT_EQ(TamanoGlifoPlaneta(kNumPuntos + 1), 0);
}

}  // namespace
}  // namespace natalis
