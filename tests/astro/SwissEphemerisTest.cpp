#include <gtest/gtest.h>

#include <cmath>

#include "astro/Planets.h"
#include "astro/SwissEphemeris.h"

namespace natalis {
namespace {

constexpr double kRad = 3.14159265358979323846 / 180;

// Apparent longitude of the Sun from the low-precision solar formulas of a standard
// astronomical-algorithms text (ch. 25: mean longitude, equation of the centre, aberration
// and the main nutation term), good to about 0.01 degree. jde is in terrestrial time.
double SunApparentLowPrecision(double jde) {
    const double T = (jde - 2451545.0) / 36525;
    const double L0 = 280.46646 + 36000.76983 * T + 0.0003032 * T * T;
    const double M = (357.52911 + 35999.05029 * T - 0.0001537 * T * T) * kRad;
    const double C = (1.914602 - 0.004817 * T - 0.000014 * T * T) * std::sin(M) +
                     (0.019993 - 0.000101 * T) * std::sin(2 * M) + 0.000289 * std::sin(3 * M);
    const double omega = (125.04 - 1934.136 * T) * kRad;
    const double lambda = L0 + C - 0.00569 - 0.00478 * std::sin(omega);
    return lambda - 360 * std::floor(lambda / 360);
}

// Difference of two longitudes the short way round.
double AngularDiff(double a, double b) { return std::remainder(a - b, 360.0); }

struct SunCase {
    double jdUT;
    double deltaTSeconds;  // TT - UT, from published tables, rounded
};

TEST(SwissEphemeris, SunAgreesWithTheLowPrecisionSolarTheory) {
    SwissEphemeris eph;
    ASSERT_EQ(eph.Source(), EphemerisSource::Files);
    const SunCase cases[] = {
        {2451545.0, 63.8},    // 2000 January 1, 12 h
        {2448908.5, 59.0},    // 1992 October 13, 0 h
        {2440587.5, 40.2},    // 1970 January 1, 0 h
        {2460389.625, 69.2},  // 2024 March 20, 3 h (near the equinox)
        {2415020.0, -2.7},    // 1899 December 31, 12 h
    };
    for (const SunCase& c : cases) {
        double out[4];
        eph.CalcBody(c.jdUT, 0, out);
        const double expected = SunApparentLowPrecision(c.jdUT + c.deltaTSeconds / 86400);
        EXPECT_NEAR(AngularDiff(out[0], expected), 0, 0.01) << c.jdUT;
        EXPECT_GE(out[0], 0);
        EXPECT_LT(out[0], 360);
        EXPECT_NEAR(out[2], 1.0, 0.02) << "distance in AU";
        EXPECT_NEAR(out[3], 1.0, 0.04) << "daily motion";
    }
}

TEST(SwissEphemeris, J2000SunIsTheAlmanacValue) {
    // Apparent longitude of the Sun at 2000 January 1, 12 h: 280.37 (annual almanac).
    SwissEphemeris eph;
    double out[4];
    eph.CalcBody(2451545.0, 0, out);
    EXPECT_NEAR(out[0], 280.37, 0.01);
}

struct BodyCase {
    const char* what;
    int32_t body;
    double jdUT;
    double lon, lat;  // apparent geocentric, degrees
    double tol;
};

TEST(SwissEphemeris, MoonAndVenusAgreeWithWorkedExamples) {
    // Worked examples of a standard astronomical-algorithms text, given for 0 h dynamical
    // time; the instants here are universal time (delta T 59 s in 1992).
    const BodyCase cases[] = {
        // ch. 47: Moon, 1992 April 12, lambda 133.162655 + nutation 0.004610.
        {"Moon", 1, 2448724.5 - 59.0 / 86400, 133.167265, -3.229126, 0.003},
        // ch. 33: Venus, 1992 December 20 (truncated planetary theory).
        {"Venus", 3, 2448976.5 - 59.0 / 86400, 313.08102, -2.08474, 0.002},
    };
    SwissEphemeris eph;
    for (const BodyCase& c : cases) {
        double out[4];
        eph.CalcBody(c.jdUT, c.body, out);
        EXPECT_NEAR(out[0], c.lon, c.tol) << c.what;
        EXPECT_NEAR(out[1], c.lat, c.tol) << c.what;
    }
}

TEST(SwissEphemeris, WritesExactlyFourValues) {
    SwissEphemeris eph;
    for (int32_t body = 0; body <= 9; ++body) {
        double out[6] = {-1, -1, -1, -1, 12345, 67890};
        eph.CalcBody(2451545.0, body, out);
        EXPECT_EQ(out[4], 12345) << body;
        EXPECT_EQ(out[5], 67890) << body;
        EXPECT_GE(out[0], 0) << body;
        EXPECT_LT(out[0], 360) << body;
        EXPECT_GT(out[2], 0) << body;
    }
}

TEST(SwissEphemeris, BodiesFollowTheProgramsOrder) {
    // Distances at J2000 (AU) tell the bodies apart: Moon ~0.0027, Mercury ~1.4,
    // Jupiter ~4.6, Pluto ~31 (almanac values, rounded).
    SwissEphemeris eph;
    const struct {
        int32_t body;
        double lo, hi;
    } ranges[] = {{1, 0.0023, 0.0028}, {2, 0.5, 1.5}, {5, 3.9, 6.5}, {9, 28, 51}};
    for (const auto& r : ranges) {
        double out[4];
        eph.CalcBody(2451545.0, r.body, out);
        EXPECT_GT(out[2], r.lo) << r.body;
        EXPECT_LT(out[2], r.hi) << r.body;
    }
}

TEST(SwissEphemeris, WithoutDataFilesFallsBackToTheAnalyticTheory) {
    double analytic[4], files[4];
    {
        SwissEphemeris eph("/nonexistent/natalis-ephe");
        EXPECT_EQ(eph.Source(), EphemerisSource::Analytic);
        eph.CalcBody(2451545.0, 1, analytic);
        EXPECT_EQ(eph.Source(), EphemerisSource::Analytic);
    }
    SwissEphemeris eph;  // the library's folder is per process: put it back
    EXPECT_EQ(eph.Source(), EphemerisSource::Files);
    eph.CalcBody(2451545.0, 1, files);
    EXPECT_EQ(eph.Source(), EphemerisSource::Files);
    // The analytic theory agrees with the files to a few arc seconds.
    EXPECT_NEAR(AngularDiff(analytic[0], files[0]), 0, 0.002);
}

}  // namespace
}  // namespace natalis

namespace natalis {
namespace {

// The planet table is what asking each body at dj and dj + 1, body by body, gives.
TEST(SwissEphemerisPlanets, PlanetTableEqualsTheBodyByBodyComputation) {
    SwissEphemeris eph;
    for (double jd = 2415020.5; jd < 2488069.5; jd += 1461.3) {
        PlanetTable planet{};
        Planets(jd, eph, planet);
        for (int b = 0; b <= 9; ++b) {
            double today[4], tomorrow[4];
            eph.CalcBody(jd, b, today);
            eph.CalcBody(jd + 1, b, tomorrow);
            EXPECT_EQ(planet[b + 1].Lon, static_cast<float>(today[0])) << jd << " " << b;
            EXPECT_EQ(planet[b + 1].Eph3, static_cast<float>(today[3])) << jd << " " << b;
            // The motion follows from the same two longitudes.
            const double diff = tomorrow[0] - planet[b + 1].Lon;
            if (diff > -300 && diff < 300) {
                EXPECT_EQ(planet[b + 1].Vel, static_cast<float>(diff)) << jd << " " << b;
            }
        }
    }
}

}  // namespace
}  // namespace natalis
