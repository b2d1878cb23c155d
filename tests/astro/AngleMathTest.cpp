// Angle reduction, trigonometry in degrees and the zodiacal text of a longitude.
#include <gtest/gtest.h>

#include <cmath>

#include "astro/AngleMath.h"

namespace natalis {
namespace {

TEST(MODg, ReducesToOneTurnInSinglePrecision) {
    // Worked examples; -1e-9 lies a hair below 0 and rounds up to 360 as a float.
    struct Case {
        double x;
        float expected;
    } cases[] = {{720, 0.0f},     {-0.5, 359.5f},     {-30, 330.0f},     {360, 0.0f},
                 {-1e-9, 360.0f}, {1000.25, 280.25f}, {-720.25, 359.75f}};
    for (const Case& c : cases) EXPECT_EQ(MODg(c.x), c.expected) << c.x;
}

TEST(gSENgCOS, UseTheProgramsOwnPi) {
    // k = 3.1415926535 / 180 differs from pi / 180, so sin(180 degrees) is not 0 but
    // sin(pi - 180 k) = 8.979e-11 (hand computation), far below single precision of 1.
    EXPECT_FLOAT_EQ(gSEN(30), 0.5f);
    EXPECT_FLOAT_EQ(gCOS(60), 0.5f);
    EXPECT_FLOAT_EQ(gSEN(-90), -1.0f);
    EXPECT_NEAR(gSEN(180), 8.979e-11f, 1e-13f);
    EXPECT_EQ(kDegToRad, kPi / 180);
}

TEST(GradToDec, TwoDecimalsAreMinutes) {
    // Worked examples and hand computations.
    EXPECT_FLOAT_EQ(GradToDec(40.30), 40.5f);
    EXPECT_FLOAT_EQ(GradToDec(-12.45), -12.75f);
    EXPECT_NEAR(GradToDec(0.59), 0.98333f, 1e-5f);
    EXPECT_FLOAT_EQ(GradToDec(-0.3), -0.5f);
    EXPECT_FLOAT_EQ(GradToDec(0), 0.0f);
}

TEST(Round2Dec, LeansUpwards) {
    // n = CInt(value * 100 + 0.5): 1.234 -> 123.9 -> 124 (hand computation).
    EXPECT_FLOAT_EQ(Round2Dec(1.234), 1.24f);
    EXPECT_FLOAT_EQ(Round2Dec(1.23), 1.24f);   // 123.5 goes up to 124
    EXPECT_FLOAT_EQ(Round2Dec(1.2), 1.2f);     // 120.5 ties to the even 120
    EXPECT_FLOAT_EQ(Round2Dec(-1.5), -1.5f);   // -149.5 ties to -150
    EXPECT_FLOAT_EQ(Round2Dec(1.0), 1.0f);     // 100.5 ties to the even 100
    EXPECT_FLOAT_EQ(Round2Dec(2.345), 2.35f);  // 234.5 + 0.5 = 235
}

TEST(ZodiacString, DegreesSignAndMinutes) {
    struct Case {
        double lon;
        const char* expected;
        const char* why;
    } cases[] = {
        {0, "00Ari00", "worked example"},
        {5.5, "05Ari30", "worked example"},
        {347.04, "17Psc02", "worked example"},
        {359.99, "29Psc59", "float 359.98999, 59.4 minutes"},
        {8.995, "09Ari00", "minutes round to 60 and carry"},
        {29.995, "30Ari00", "the carry keeps the sign label"},
        {7.125, "07Ari08", "7.5 minutes, half to even 8"},
        {7.375, "07Ari22", "22.5 minutes, half to even 22"},
        {30, "00Tau00", "sign boundary"},
        {123.25, "03Leo15", "hand computation"},
        {360, "00Ari00", "360 from MODg reads as 0 Aries"},
        {MODg(-1e-9), "00Ari00", "the 360 MODg returns for a tiny negative angle"},
        {-30, "00Psc00", "reduced first"},
        {725.5, "05Ari30", "reduced first"},
    };
    for (const Case& c : cases) EXPECT_EQ(ZodiacString(c.lon), c.expected) << c.why;
}

TEST(ZodiacString, EveryLongitudeIsSevenCharacters) {
    for (int i = 0; i <= 36000; ++i) {
        std::string s = ZodiacString(i / 100.0);
        ASSERT_EQ(s.size(), 7u) << i;
        ASSERT_NE(s.find_first_of("0123456789", 2), 2u) << s;
    }
}

}  // namespace
}  // namespace natalis
