// Sunrise, solar noon and sunset of a day at a place.
#include <gtest/gtest.h>

#include <cmath>

#include "astro/SolarSeries.h"
#include "astro/SolarTimes.h"

namespace natalis {
namespace {

const double kTruePi = std::acos(-1.0);

long Hms(int h, int m, int s) { return h * 3600L + m * 60L + s; }

TEST(HorasSolares, WorkedExamples) {
    struct Case {
        int day;
        double lat, lonWest, zona;
        long sunrise, noon, sunset;
        const char* why;
    } cases[] = {
        {80, 40, 0, 0, Hms(6, 3, 23), Hms(12, 7, 42), Hms(18, 12, 42), "near the equinox"},
        {172, 40, 0, 0, Hms(4, 31, 38), Hms(12, 1, 26), Hms(19, 31, 16), "summer solstice"},
        {355, 40, 3.7, 0, Hms(7, 32, 15), Hms(12, 12, 52), Hms(16, 53, 30), "winter, 3.7 W"},
        {172, 70, 0, 0, Hms(12, 1, 26), Hms(12, 1, 26), Hms(12, 1, 26), "midnight sun"},
    };
    for (const Case& c : cases) {
        HorasSolaresResult r = HorasSolares(c.day, c.lat, c.lonWest, c.zona);
        EXPECT_EQ(r.AmanecerSeg, c.sunrise) << c.why;
        EXPECT_EQ(r.MediodiaSeg, c.noon) << c.why;
        EXPECT_EQ(r.PonienteSeg, c.sunset) << c.why;
    }
}

TEST(HorasSolares, ZoneShiftsAllThreeTimes) {
    HorasSolaresResult utc = HorasSolares(80, 40, 0, 0);
    HorasSolaresResult east = HorasSolares(80, 40, 0, -2);  // two hours ahead of UT
    EXPECT_EQ(east.AmanecerSeg - utc.AmanecerSeg, 7200);
    EXPECT_EQ(east.MediodiaSeg - utc.MediodiaSeg, 7200);
    EXPECT_EQ(east.PonienteSeg - utc.PonienteSeg, 7200);
}

TEST(HorasSolares, TimesCanLeaveTheDay) {
    // Far east with a zone that does not match: sunrise before local midnight.
    HorasSolaresResult early = HorasSolares(172, 40, -170, 0);
    EXPECT_LT(early.AmanecerSeg, 0);
    // Far west with zone 0: sunset after the next midnight.
    HorasSolaresResult late = HorasSolares(172, 40, 170, 0);
    EXPECT_GE(late.PonienteSeg, 86400);
}

TEST(HorasSolares, LatitudesNearThePoleAreTakenAs89_8) {
    struct Case {
        double lat, sameAs;
    } cases[] = {{90, 89.8}, {89.9, 89.8}, {-89.9, -89.8}, {-90, -89.8}};
    for (int day : {1, 80, 172, 355}) {
        for (const Case& c : cases) {
            HorasSolaresResult a = HorasSolares(day, c.lat, 0, 0);
            HorasSolaresResult b = HorasSolares(day, c.sameAs, 0, 0);
            EXPECT_EQ(a.AmanecerSeg, b.AmanecerSeg) << c.lat << " day " << day;
            EXPECT_EQ(a.PonienteSeg, b.PonienteSeg) << c.lat << " day " << day;
        }
    }
    // 89.8 itself is left alone and differs from a latitude further south in spring
    // (hand reasoning: near the equinox the Sun skims the horizon there).
    HorasSolaresResult pole = HorasSolares(80, 89.8, 0, 0);
    HorasSolaresResult mid = HorasSolares(80, 60, 0, 0);
    EXPECT_NE(pole.AmanecerSeg, mid.AmanecerSeg);
}

// Every day of the year at every latitude gives times within the day's bounds, sunrise no
// later than noon and sunset no earlier (polar day and night meet at noon).
TEST(HorasSolares, SweepOfDaysAndLatitudes) {
    for (int day = 1; day <= 366; ++day) {
        for (double lat = -90; lat <= 90; lat += 0.5) {
            HorasSolaresResult r = HorasSolares(day, lat, 0, 0);
            ASSERT_GE(r.AmanecerSeg, -3600) << day << " " << lat;
            ASSERT_LE(r.PonienteSeg, 86400 + 3600) << day << " " << lat;
            ASSERT_LE(r.AmanecerSeg, r.MediodiaSeg + 120) << day << " " << lat;
            ASSERT_GE(r.PonienteSeg, r.MediodiaSeg - 120) << day << " " << lat;
        }
    }
}

TEST(ArcoCoseno, ArcCosineAndZeroOutsideItsDomain) {
    struct Case {
        double x, expected;
    } cases[] = {{0, kTruePi / 2},
                 {0.5, kTruePi / 3},
                 {-0.5, 2 * kTruePi / 3},
                 {0.999999, std::acos(0.999999)},
                 {1, 0},
                 {-1, 0},
                 {1.5, 0},
                 {-7, 0},
                 {INFINITY, 0},
                 {NAN, 0}};
    for (const Case& c : cases) {
        double v = solar::ArcoCoseno(c.x);
        EXPECT_FALSE(std::isnan(v)) << c.x;
        EXPECT_NEAR(v, c.expected, 1e-9) << c.x;  // std::acos as the independent reference
    }
}

TEST(SolarSeries, FractionalYearAndSeries) {
    EXPECT_EQ(solar::FraccionAnual(1), 0.0);
    EXPECT_DOUBLE_EQ(solar::FraccionAnual(1, 12), 6.283185307 / 365 * 0.5);
    // Day 366 reaches a full turn; its hours and the next day (the first pass of a sunset
    // on 31 December of a leap year) go past it, which the series accept.
    EXPECT_NEAR(solar::FraccionAnual(366), 6.283185307, 1e-12);
    EXPECT_GT(solar::FraccionAnual(366, 12), 6.283185307);
    EXPECT_GT(solar::FraccionAnual(367), 6.283185307);
    // Hand computation at gamma = 0: 229.18 * (0.000075 + 0.001868 - 0.014615).
    EXPECT_NEAR(solar::EcuacionDelTiempo(0), 229.18 * (0.000075 + 0.001868 - 0.014615), 1e-12);
    // Declination at the start of the year about -23 degrees (independent almanac value).
    EXPECT_NEAR(solar::DeclinacionSolar(0) * 180 / kTruePi, -23.0, 0.2);
}

TEST(SolarSeries, HourAngleSignsAndPolarNight) {
    double rise = solar::AnguloHorario(40, 0, true);
    double set = solar::AnguloHorario(40, 0, false);
    EXPECT_GT(rise, 0);
    EXPECT_DOUBLE_EQ(set, -rise);
    // At the equinox the day is a little over twelve hours: 90.833 degrees zenith at
    // latitude 40 gives an hour angle of 91.09 degrees (hand computation).
    EXPECT_NEAR(rise * 180 / 3.1415926535, 91.087, 0.01);
    // Polar night at 80 N in December: no crossing, hour angle 0.
    EXPECT_EQ(solar::AnguloHorario(80, -0.4, true), 0.0);
}

}  // namespace
}  // namespace natalis
