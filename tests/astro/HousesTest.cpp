// Sidereal time, the helpers of the house systems, the three house systems and the
// Porphyry stand-in beyond the polar circles.
#include <gtest/gtest.h>
#include <swephexp.h>

#include <algorithm>
#include <cmath>
#include <string>

#include "astro/AngleMath.h"
#include "astro/CasasBiblioteca.h"
#include "astro/Houses.h"

namespace natalis {
namespace {

TEST(Angle, FullCircleDirection) {
    // Worked examples and hand computations. The program's pi is 1.3e-9 degrees short per
    // half turn, so diagonals miss their round values by about that much (1, -1 gives
    // 314.9999999987, worked example).
    struct Case {
        double x, y, expected, tolerance;
    } cases[] = {{1, 0, 0, 0},       {-1, 0, 180, 0},     {0, 1, 90, 0},
                 {0, -1, 270, 0},    {0, 0, 90, 0},       {1, 1, 45, 2e-9},
                 {-1, 1, 135, 2e-9}, {-1, -1, 225, 2e-9}, {1, -1, 314.9999999987, 5e-11}};
    for (const Case& c : cases)
        EXPECT_NEAR(Angle(c.x, c.y), c.expected, c.tolerance) << c.x << "," << c.y;
}

TEST(ARALongitud, MidheavenOfARightAscension) {
    const float e = 23.44f;
    EXPECT_NEAR(ARALongitud(0, e), 0, 1e-9);
    EXPECT_NEAR(ARALongitud(90, e), 90, 1e-6);  // huge but finite tangent
    // 180 * k lies just short of pi, so the tangent is still negative here: the Midheaven
    // must stay at 180 and not jump to the opposite point.
    EXPECT_NEAR(ARALongitud(180, e), 180, 1e-6);
    EXPECT_NEAR(ARALongitud(180.0000003, e), 180, 1e-6);
    EXPECT_NEAR(ARALongitud(270, e), 270, 1e-6);
    // Hand computation: atan(tan 30 / cos 23.44) = 32.1814 degrees.
    EXPECT_NEAR(ARALongitud(30, e), 32.1814, 1e-4);
    EXPECT_NEAR(ARALongitud(210, e), 212.1814, 1e-4);
    EXPECT_NEAR(ARALongitud(390, e), 32.1814, 1e-4);  // reduced first
    // Sweep: the longitude rises with the right ascension and stays within 2.5 degrees.
    for (double ra = 0; ra <= 360; ra += 0.25)
        EXPECT_LT(std::fabs(std::remainder(ARALongitud(ra, e) - ra, 360.0)), 2.5) << ra;
}

TEST(TiempoSidereo, SiderealTimeAndObliquity) {
    // J2000.0 (2451545.0 = 1 January 2000 12 h UT) at Greenwich: mean sidereal time
    // 18h 41m 50.5s = 280.4606 degrees and mean obliquity 23.4393 degrees (independent
    // almanac values); this polynomial of 1900 agrees within its own accuracy.
    float armc = -1;
    double obl = -1;
    TiempoSidereo(2451545.0, 12.0f, 0.0f, armc, obl);
    EXPECT_NEAR(armc, 280.4606, 0.01);
    // Mean obliquity plus nutation in obliquity of that day (-0.0016 degrees).
    EXPECT_NEAR(obl, 23.4393 - 0.0016, 0.001);

    // East longitude adds straight to the ARMC.
    float armcEast = -1;
    TiempoSidereo(2451545.0, 12.0f, 15.0f, armcEast, obl);
    EXPECT_NEAR(MODg(armcEast - armc), 15.0, 1e-3);

    // The hour argument is added unscaled on top of what jd already brings.
    float armcLater = -1;
    TiempoSidereo(2451545.0, 13.0f, 0.0f, armcLater, obl);
    EXPECT_NEAR(MODg(armcLater - armc), 15.0, 1e-3);
}

// Latitude 40, obliquity 23.44, ARMC 0: worked example, values printed to four decimals.
TEST(Houses, ThreeSystemsAtLatitude40Armc0) {
    struct Case {
        const char* system;
        char used;
        double c1, c2, c4, c7, c10, c11;
    } cases[] = {
        {"P", 'P', 108.4582, 128.2567, 180, 288.4582, 0, 36.2223},
        {"K", 'K', 108.4582, 132.4625, 180, 288.4582, 0, 47.3379},
        {"R", 'R', 108.4582, 130.8103, 180, 288.4582, 360, 38.5409},
    };
    for (const Case& c : cases) {
        CuspTable cusp{};
        EXPECT_EQ(Houses(0, 40.0f, c.system, 23.44f, cusp), c.used);
        EXPECT_NEAR(cusp[1], c.c1, 5e-5) << c.system;
        EXPECT_NEAR(cusp[2], c.c2, 5e-5) << c.system;
        EXPECT_NEAR(cusp[4], c.c4, 5e-5) << c.system;
        EXPECT_NEAR(cusp[7], c.c7, 5e-5) << c.system;
        EXPECT_EQ(cusp[10], static_cast<float>(c.c10)) << c.system;
        EXPECT_NEAR(cusp[11], c.c11, 5e-5) << c.system;
        EXPECT_EQ(cusp[0], 0.0f);  // entries outside 1..12 are not written
        EXPECT_EQ(cusp[13], 0.0f);
    }
}

TEST(Houses, AnglesAtArmc0And90) {
    // Worked example: Regiomontanus lands a hair below 360, which MODg rounds to 360.
    CuspTable cusp{};
    Regiomontano(90, 40, 23.44f, cusp);
    EXPECT_EQ(cusp[7], 360.0f);
    Placido(0, 40, 23.44f, cusp);
    EXPECT_EQ(cusp[10], 0.0f);
    EXPECT_EQ(cusp[4], 180.0f);
    Koch(0, 40, 23.44f, cusp);
    EXPECT_EQ(cusp[10], 0.0f);
    EXPECT_EQ(cusp[4], 180.0f);
}

TEST(Houses, SystemLetterInAnyCase) {
    struct Case {
        const char* system;
        char used;
    } cases[] = {{"P", 'P'}, {"p", 'P'}, {"K", 'K'}, {"k", 'K'}, {"R", 'R'},
                 {"r", 'R'}, {"Z", 'P'}, {"x", 'X'}, {"", 'P'},  {"KK", 'P'}};
    CuspTable placidus{};
    Placido(0, 40, 23.44f, placidus);
    for (const Case& c : cases) {
        CuspTable cusp{};
        EXPECT_EQ(Houses(0, 40.0f, c.system, 23.44f, cusp), c.used) << c.system;
        if (c.used == 'P') {
            EXPECT_EQ(cusp, placidus) << c.system;
        }
    }
}

TEST(Houses, EquatorGivesNearlyTheSameCuspsInAllSystems) {
    CuspTable p{}, k{}, r{};
    for (double armc : {0.0, 45.0, 123.4, 300.0}) {
        ASSERT_TRUE(Placido(armc, 0, 23.44f, p));
        ASSERT_TRUE(Koch(armc, 0, 23.44f, k));
        Regiomontano(armc, 0, 23.44f, r);
        for (int i = 1; i <= 12; ++i) {
            // At latitude 0 all three reduce to equal divisions of the equator projected
            // onto the ecliptic (Placidus computed with 0.0001 degrees).
            EXPECT_NEAR(std::remainder(p[i] - r[i], 360.0), 0, 1e-3) << armc << " " << i;
            EXPECT_NEAR(std::remainder(k[i] - r[i], 360.0), 0, 1e-3) << armc << " " << i;
        }
    }
}

// Cross-check of the fixed ten-round Placidus iteration against the defining property of
// its cusps: cusp 11 lies one third of its diurnal semi-arc from the meridian (independent
// computation from the ecliptic point's right ascension and declination).
TEST(Placido, Cusp11TrisectsTheDiurnalSemiArc) {
    const double k = kDegToRad;
    const float e = 23.44f;
    for (double lat : {-50.0, -20.0, 10.0, 40.0, 60.0}) {
        for (double armc = 0; armc < 360; armc += 37) {
            CuspTable cusp{};
            ASSERT_TRUE(Placido(armc, lat, e, cusp));
            double lon = cusp[11] * k;
            double ra = std::atan2(std::sin(lon) * std::cos(e * k), std::cos(lon));
            double dec = std::asin(std::sin(lon) * std::sin(e * k));
            double semiArc = std::acos(-std::tan(lat * k) * std::tan(dec));
            double meridianDistance = std::remainder(ra - MODg(armc) * k, 2 * kPi);
            EXPECT_NEAR(meridianDistance, semiArc / 3, 2e-5) << lat << " " << armc;
        }
    }
}

// Beyond the polar circles Placidus and Koch have no cusps: they refuse and Houses falls
// back to Porphyry (Regiomontanus still works).
TEST(Houses, PolarLatitudesFallBackToPorphyry) {
    for (const char* system : {"P", "K"}) {
        CuspTable cusp{};
        cusp.fill(-1);
        EXPECT_EQ(Houses(100, 70.0f, system, 23.44f, cusp), 'O') << system;
        // The library's Porphyry, whose Ascendant is on the eastern horizon.
        const CuspTable porphyry = CasasBiblioteca('O', 100, 70, 23.44f).cuspides;
        for (int i = 1; i <= 12; ++i) EXPECT_EQ(cusp[i], porphyry[i]) << system << i;
    }
    CuspTable untouched{};
    untouched.fill(-1);
    EXPECT_FALSE(Placido(100, 70, 23.44f, untouched));
    EXPECT_FALSE(Koch(100, -70, 23.44f, untouched));
    EXPECT_EQ(untouched[1], -1.0f);
    CuspTable regio{};
    EXPECT_EQ(Houses(100, 70.0f, "R", 23.44f, regio), 'R');
    // Just inside the limit (90 - 23.44 = 66.56) Placidus still answers.
    EXPECT_EQ(Houses(100, 66.5f, "P", 23.44f, regio), 'P');
}

TEST(Porfirio, TrisectsTheQuadrantsBetweenTheAngles) {
    CuspTable cusp{}, placidus{};
    Porfirio(0, 40, 23.44f, cusp);
    Placido(0, 40, 23.44f, placidus);
    // Same angles as Placidus.
    EXPECT_FLOAT_EQ(cusp[1], placidus[1]);
    EXPECT_FLOAT_EQ(cusp[10], placidus[10]);
    // Hand computation: Asc 108.4582, MC 0, so the upper quadrant is 108.4582 degrees.
    EXPECT_NEAR(cusp[11], 108.4582 / 3, 1e-4);
    EXPECT_NEAR(cusp[12], 2 * 108.4582 / 3, 1e-4);
    EXPECT_NEAR(cusp[2], 108.4582 + (180 - 108.4582) / 3, 1e-4);
    EXPECT_NEAR(cusp[3], 108.4582 + 2 * (180 - 108.4582) / 3, 1e-4);
    for (int i = 1; i <= 6; ++i) EXPECT_FLOAT_EQ(cusp[i + 6], MODg(cusp[i] + 180.0)) << i;
}

// No system ever puts NaN, infinity or a value outside 0..360 in the cusp table, at any
// latitude the entry form accepts and any ARMC.
void ExpectSaneCusps(double armc, double lat, const char* system) {
    CuspTable cusp{};
    char used = Houses(armc, static_cast<float>(lat), system, 23.44f, cusp);
    ASSERT_TRUE(used == system[0] || used == 'O') << system << " " << lat;
    for (int i = 1; i <= 12; ++i) {
        ASSERT_TRUE(std::isfinite(cusp[i]) && cusp[i] >= 0 && cusp[i] <= 360)
            << system << " lat " << lat << " armc " << armc << " cusp " << i << " = " << cusp[i];
    }
}

TEST(Houses, SweepOfLatitudesAndArmcsStaysFinite) {
    const double limit = 90.0 - 23.44;  // where Placidus and Koch stop
    for (const char* system : {"P", "K", "R"}) {
        // Every hundredth of a degree of latitude, ARMCs on and off the quarter points.
        for (int latStep = -8999; latStep <= 8999; ++latStep)
            for (double armc : {0.0, 90.0, 180.0, 270.0, 45.37, 137.1, 222.9, 333.3})
                ASSERT_NO_FATAL_FAILURE(ExpectSaneCusps(armc, latStep / 100.0, system));
        // A coarser latitude grid with a fine ARMC grid, including just outside 0..360.
        for (double lat = -89.99; lat <= 89.99; lat += 0.73)
            for (double armc = -0.5; armc < 360.5; armc += 1.7)
                ASSERT_NO_FATAL_FAILURE(ExpectSaneCusps(armc, lat, system));
        // Across the limit of the semi-arcs, finely, and the poles themselves.
        for (double lat : {limit - 0.01, limit, limit + 0.01, 90.0, -90.0})
            for (double armc = 0; armc < 360; armc += 0.25) {
                ASSERT_NO_FATAL_FAILURE(ExpectSaneCusps(armc, lat, system));
                ASSERT_NO_FATAL_FAILURE(ExpectSaneCusps(armc, -lat, system));
            }
    }
}

// Largest difference of the twelve cusps from the independent library's house routine,
// given the same ARMC, latitude and obliquity, in seconds of arc.
double WorstCuspDifferenceArcsec(char system, double armc, double lat, float obliquity) {
    CuspTable cusp{};
    EXPECT_EQ(Houses(armc, static_cast<float>(lat), std::string(1, system), obliquity, cusp),
              system)
        << lat;
    double reference[13], angles[10];
    swe_houses_armc(armc, lat, obliquity, system, reference, angles);
    double worst = 0;
    for (int i = 1; i <= 12; ++i)
        worst = std::max(worst, std::fabs(std::remainder(cusp[i] - reference[i], 360.0)) * 3600);
    return worst;
}

// Every cusp of the three systems against the house routine of an independent library, over
// every latitude up to the polar circles and a grid of ARMCs: within 1" (what remains is the
// program's own pi and its single-precision cusps, about 0.1"). Placidus converges ever more
// slowly towards the polar circle, and there the ecliptic lies almost along the horizon, so
// any rounding of an ARMC moves the rising points by minutes: both showed first there.
TEST(Houses, EveryCuspAgreesWithAnIndependentLibraryUpToThePolarCircles) {
    const double toleranceArcsec = 1.0;
    for (const float obliquity : {23.44f, 23.0f}) {
        for (const char system : {'P', 'K', 'R'}) {
            // Latitudes are multiples of 0.25, exact in single precision like the reference's.
            for (double lat = -66.5; lat <= 66.5; lat += 0.5)
                for (double armc = 0.15; armc < 360; armc += 1.7)
                    ASSERT_LE(WorstCuspDifferenceArcsec(system, armc, lat, obliquity),
                              toleranceArcsec)
                        << system << " obliquity " << obliquity << " lat " << lat << " armc "
                        << armc;
            // Finely round the circle next to the polar circles, where the errors were largest
            // (Placidus by 42' at 66 degrees, Koch's Midheaven by 2' at 66.5).
            for (double lat : {65.0, 66.0, 66.25, 66.5})
                for (double armc = 0; armc < 360; armc += 0.05)
                    for (double sign : {1.0, -1.0})
                        ASSERT_LE(WorstCuspDifferenceArcsec(system, armc, sign * lat, obliquity),
                                  toleranceArcsec)
                            << system << " obliquity " << obliquity << " lat " << sign * lat
                            << " armc " << armc;
        }
    }
}

// Koch's Midheaven is the ecliptic point on the meridian, the longitude whose right ascension
// is the ARMC, however close to the polar circle (its cusp formula reaches it through the
// ascensional difference, which is ill-conditioned there).
TEST(Koch, MidheavenIsTheMeridiansEclipticPointUpToThePolarCircle) {
    for (double lat : {-66.5, -66.0, 60.0, 66.0, 66.5}) {
        for (double armc = 0.01; armc < 360; armc += 0.1) {
            CuspTable cusp{};
            ASSERT_TRUE(Koch(armc, lat, 23.44f, cusp));
            const double mc = ARALongitud(armc, 23.44f);
            ASSERT_NEAR(std::remainder(cusp[10] - mc, 360.0) * 3600, 0, 0.2)
                << "lat " << lat << " armc " << armc;
        }
    }
}

// Where ten rounds of the Placidus iteration had already converged the cusps are the same
// as before: the worked example at latitude 40 holds to its printed decimals (above), and
// at low latitudes the converged cusps equal those of exactly ten rounds, to the last place
// of a Single (3.05e-5 degrees from 256 up to 512).
TEST(Placido, LowLatitudesGiveWhatTenRoundsGave) {
    const float e = 23.44f;
    const double k = kDegToRad;
    // The ten-round iteration as the cusps were computed before, for the upper-half cusp 11.
    const auto tenRounds = [&](double armc, double lat) {
        const double a = armc * k, f = lat * k, ee = e * k;
        double R = a + 30 * k;
        for (int round = 0; round < 10; ++round) {
            const double Y = -std::sin(R) * std::tan(ee) * std::tan(f);
            R = a + std::acos(Y) / 3;
        }
        double lambda = std::atan(std::tan(R) / std::cos(ee));
        if (lambda < 0) lambda += kPi;
        if (std::sin(R) < 0) lambda += kPi;
        return MODg(MODg(lambda / k) + 180.0);
    };
    for (double lat : {-15.0, -5.0, 0.5, 10.0, 15.0}) {
        for (double armc = 0.5; armc < 360; armc += 7.1) {
            CuspTable cusp{};
            ASSERT_TRUE(Placido(armc, lat, e, cusp));
            EXPECT_NEAR(cusp[5], tenRounds(armc, lat), 3.1e-5) << lat << " " << armc;
        }
    }
}

}  // namespace
}  // namespace natalis
