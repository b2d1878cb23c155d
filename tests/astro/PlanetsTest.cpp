#include <gtest/gtest.h>

#include "ScriptedEphemeris.h"
#include "astro/Planets.h"

namespace natalis {
namespace {

constexpr double kDj = 2451545.0;

// The ten bodies at the instant, then the ten one day later: the library's work for one
// instant is done once per instant.
TEST(Planets, AsksEachBodyAtTheInstantAndOneDayLater) {
    ScriptedEphemeris eph;
    PlanetTable planet{};
    Planets(kDj, eph, planet);
    ASSERT_EQ(eph.calls.size(), 20u);
    for (int b = 0; b <= 9; ++b) {
        EXPECT_EQ(eph.calls[b].body, b);
        EXPECT_EQ(eph.calls[b].jd, kDj);
        EXPECT_EQ(eph.calls[10 + b].body, b);
        EXPECT_EQ(eph.calls[10 + b].jd, kDj + 1.0);
    }
}

TEST(Planets, StoresLongitudeAndExtrasInSinglePrecisionAndLeavesTheNodeSlot) {
    ScriptedEphemeris eph;
    for (int b = 0; b <= 9; ++b) {
        eph.today[b] = 10.123456789 + 30 * b;
        eph.tomorrow[b] = eph.today[b] + 1;
    }
    PlanetTable planet{};
    Planets(kDj, eph, planet);
    for (int b = 0; b <= 9; ++b) {
        const PlanetRec& p = planet[b + 1];
        EXPECT_EQ(p.Lon, static_cast<float>(eph.today[b])) << b;
        EXPECT_EQ(p.Eph1, static_cast<float>(b + 0.25)) << b;
        EXPECT_EQ(p.Eph2, static_cast<float>(b + 0.5)) << b;
        EXPECT_EQ(p.Eph3, static_cast<float>(b + 0.75)) << b;
        // The motion is taken from the stored single-precision longitude.
        EXPECT_EQ(p.Vel, static_cast<float>(eph.tomorrow[b] - p.Lon)) << b;
    }
    const PlanetRec& node = planet[11];
    EXPECT_EQ(node.Lon, 0);
    EXPECT_EQ(node.Vel, 0);
    EXPECT_EQ(node.Eph1, 0);
    EXPECT_EQ(node.Eph2, 0);
    EXPECT_EQ(node.Eph3, 0);
}

TEST(Planets, ExtrasTheLibraryDoesNotWriteReadAsTheBuffersStartValue) {
    ScriptedEphemeris eph;
    eph.writeExtras = false;
    PlanetTable planet{};
    Planets(kDj, eph, planet);
    EXPECT_EQ(planet[1].Eph1, 1.0f);
    EXPECT_EQ(planet[10].Eph3, 1.0f);
}

struct VelCase {
    const char* what;
    int body;
    double today, tomorrow;
    float vel;  // hand computation
};

class PlanetsVel : public testing::TestWithParam<VelCase> {};

TEST_P(PlanetsVel, DailyMotionFollowsTheCrossingRules) {
    const VelCase& c = GetParam();
    ScriptedEphemeris eph;
    eph.today[c.body] = c.today;
    eph.tomorrow[c.body] = c.tomorrow;
    PlanetTable planet{};
    Planets(kDj, eph, planet);
    EXPECT_NEAR(planet[c.body + 1].Vel, c.vel, 1e-4) << c.what;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, PlanetsVel,
    testing::Values(
        VelCase{"planet forwards over 0 Aries", 2, 359.8, 0.3, 0.5f},
        VelCase{"planet backwards over 0 Aries is retrograde", 2, 0.3, 359.9, -0.4f},
        VelCase{"slow planet backwards over 0 Aries", 8, 0.01, 359.99, -0.02f},
        VelCase{"a longitude of exactly 30 is no backward crossing", 3, 30, 310, 280.0f},
        VelCase{"a next-day longitude of exactly 300 is no backward crossing", 3, 20, 300, 280.0f},
        VelCase{"retrograde planet", 4, 310, 309.8, -0.2f},
        VelCase{"Moon over 0 Aries", 1, 355, 8, 13.0f},
        VelCase{"a longitude of exactly 300 is no crossing", 3, 300, 10, -290.0f},
        VelCase{"a next-day longitude of exactly 30 is no crossing", 5, 350, 30, -320.0f},
        VelCase{"just past both bounds is a crossing", 5, 300.5, 29.5, 89.0f},
        VelCase{"the Sun never moves backwards", 0, 10, 9.5, 359.5f},
        VelCase{"direct motion", 9, 250, 250.03, 0.03f}));

TEST(NodoMedio, PolynomialInCenturiesFrom1900) {
    // T = 0: 933060" / 3600 (hand computation).
    EXPECT_NEAR(NodoMedio(0), 259.1833, 1e-4);
    // J2000.0 is T = 1.0: the mean node of the IAU-era formula 125.04452 - 1934.136261 T'
    // at T' = 0 (astronomical algorithms text, ch. 22); the older polynomial agrees to 0.002.
    EXPECT_NEAR(NodoMedio((2451545.0 - 2415020.0) / 36525), 125.04452, 0.002);
}

}  // namespace
}  // namespace natalis
