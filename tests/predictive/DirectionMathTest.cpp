#include <gtest/gtest.h>

#include "astro/Houses.h"
#include "predictive/DirectionMath.h"

namespace natalis {
namespace {

TEST(LongitudARA, KeepsTheQuadrantOfTheLongitude) {
    struct Caso {
        double lon, desde, hasta;
    };
    const Caso casos[] = {{10, 0, 90}, {100, 90, 180}, {200, 180, 270}, {300, 270, 360}};
    for (const Caso& c : casos) {
        const double ra = LongitudARA(c.lon, 23.44f);
        EXPECT_GT(ra, c.desde) << c.lon;
        EXPECT_LT(ra, c.hasta) << c.lon;
    }
}

TEST(LongitudARA, TheAnglesThemselvesStayOnTheirPlaces) {
    // Hand computation: the equinoxes and solstices have right ascension equal to their
    // longitude. 180 is the case where the program's slightly short pi makes tan(180 k)
    // negative, which must not send the autumn equinox round to 360.
    for (const double lon : {0.0, 90.0, 180.0, 270.0}) {
        EXPECT_NEAR(LongitudARA(lon, 23.44f), lon, 1e-6) << lon;
    }
    EXPECT_NEAR(LongitudARA(static_cast<float>(179.99998), 23.44f), 180, 1e-4);
    EXPECT_NEAR(LongitudARA(static_cast<float>(180.00002), 23.44f), 180, 1e-4);
}

TEST(LongitudARA, HandValueAndInverseOfARALongitud) {
    // Hand computation: atan(tan 45 * cos 23.44) = 42.53567 degrees.
    EXPECT_NEAR(LongitudARA(45, 23.44f), 42.53567, 1e-4);
    for (double lon = 5; lon < 360; lon += 37) {
        EXPECT_NEAR(ARALongitud(LongitudARA(lon, 23.44f), 23.44f), lon, 1e-6) << lon;
    }
}

TEST(CompararPrimaria, WindowIsOneDegreeBeforeAndOneAndAHalfAfter) {
    struct Caso {
        double g1, g2, asp;
        bool hay;
    };
    // Worked example: 10 and 350 are 20 degrees apart; sextile window 59..61.5 inclusive.
    const Caso casos[] = {
        {10, 350, 20, true}, {10, 350, 21.6, false}, {0, 58.99, 60, false},
        {0, 59, 60, true},   {0, 61.5, 60, true},    {0, 61.51, 60, false},
        {100, 40, 60, true}, {0, 181, 180, true},    {0, 178.9, 180, false},
    };
    for (const Caso& c : casos) {
        EXPECT_EQ(Comparar_Primaria(c.g1, c.g2, c.asp), c.hay) << c.g1 << " " << c.g2;
    }
}

TEST(GradoEnSigno, RoundsHalvesToEven) {
    // Hand computation: 59.6 is 29.6 in Taurus, rounding to 30.
    EXPECT_EQ(GradoEnSigno(59.6f), 30);
    EXPECT_EQ(GradoEnSigno(59.4f), 29);
    EXPECT_EQ(GradoEnSigno(0.5f), 0);
    EXPECT_EQ(GradoEnSigno(31.5f), 2);
    EXPECT_EQ(GradoEnSigno(359.9f), 30);
}

}  // namespace
}  // namespace natalis
