#include <gtest/gtest.h>

#include "PredictiveFixture.h"
#include "predictive/HoraSolar.h"

namespace natalis {
namespace {

TEST(DiaDelAnio, EveryYearOfTheProgramsRange) {
    struct Caso {
        int d, m, a, n;
    };
    // Hand computation: Julian calendar before 1583 (every fourth year leap, year 0 and
    // -3000 included), Gregorian from 1583 on (1900 and 3000 common).
    const Caso casos[] = {
        {1, 1, 2001, 1},      {31, 12, 2001, 365}, {31, 12, 2000, 366}, {1, 3, 1900, 60},
        {1, 3, 1500, 61},     {1, 3, 1582, 60},    {31, 12, 3000, 365}, {1, 1, -3000, 1},
        {31, 12, -3000, 366}, {1, 3, -1, 60},      {1, 3, 0, 61},       {21, 3, 2001, 80},
    };
    for (const Caso& c : casos) {
        EXPECT_EQ(DiaDelAnio(c.d, c.m, c.a), c.n) << c.d << "/" << c.m << "/" << c.a;
    }
}

TEST(HoraADecimal, SecondsAreSeconds) {
    EXPECT_NEAR(HoraADecimal("12:04:22"), 12 + 4 / 60.0 + 22 / 3600.0, 1e-12);
    EXPECT_NEAR(HoraADecimal("05:21:15"), 5 + 21 / 60.0 + 15 / 3600.0, 1e-12);
    EXPECT_NEAR(HoraADecimal("23:30"), 23.5, 1e-12);
}

TEST(CaptionMedianoche, TwelveHoursFromNoonKeepingMinutesAndSeconds) {
    // Worked examples: noon 12:04:22 gives 00 for midnight, noon 11:58:00 gives 23.
    EXPECT_EQ(CaptionMedianoche("12:04:22"), "00:04:22");
    EXPECT_EQ(CaptionMedianoche("11:58:00"), "23:58:00");
    EXPECT_EQ(CaptionMedianoche("13:00:05"), "01:00:05");
}

TEST(TextoHoraDelDia, TimesOutsideTheDayComeBackIntoIt) {
    EXPECT_EQ(TextoHoraDelDia(5 * 3600 + 21 * 60 + 15), "05:21:15");
    EXPECT_EQ(TextoHoraDelDia(-60), "23:59:00");
    EXPECT_EQ(TextoHoraDelDia(86400 + 61), "00:01:01");
}

TEST(AnioHoraSolar, OneYearPerDegreeOfRightAscension) {
    NatalRecord rec = testing::RegistroDePrueba();
    // Worked example: born 06:00, sunrise 05:21:15 gives -9.7 degrees, ten years before.
    rec.NatalHour = 6;
    EXPECT_EQ(AnioHoraSolar(rec, "05:21:15"), 1990);
    // Worked example: born 10:00, noon 12:04:22 gives 31 years later.
    rec.NatalHour = 10;
    EXPECT_EQ(AnioHoraSolar(rec, "12:04:22"), 2031);
    EXPECT_EQ(FechaDeHoraSolar(rec, "12:04:22"), "1 1 2031");
    // The birth hour counts to four decimals: 10:00:00.36 is 10.0001.
    rec.NatalHour = 10.0001f;
    EXPECT_EQ(AnioHoraSolar(rec, "10:00:00"), 2000);
}

struct CasoSolar {
    int d, m, a;
    float lat, lonEste, zona;
    const char *amanecer, *mediodia, *poniente, *medianoche;
};

TEST(CaptionsHoraSolar, BirthDayAtTheBirthPlace) {
    // Worked examples of the solar computation: day 80 (21 March 2001) and day 355
    // (21 December 2001) at latitude 40, longitudes 0 and 3.7 west, zone 0.
    const CasoSolar casos[] = {
        {21, 3, 2001, 40, 0, 0, "06:03:23", "12:07:42", "18:12:42", "00:07:42"},
        {21, 12, 2001, 40, -3.7f, 0, "07:32:15", "12:12:52", "16:53:30", "00:12:52"},
    };
    for (const CasoSolar& c : casos) {
        NatalRecord rec = testing::RegistroDePrueba();
        rec.NatalDay = c.d;
        rec.NatalMonth = c.m;
        rec.NatalYear = c.a;
        rec.LatitudeDeg = c.lat;
        rec.LongitudeDeg = c.lonEste;
        rec.ZoneHours = c.zona;
        const auto cap = CaptionsHoraSolar(rec);
        EXPECT_EQ(cap[1], c.amanecer);
        EXPECT_EQ(cap[2], c.mediodia);
        EXPECT_EQ(cap[3], c.poniente);
        EXPECT_EQ(cap[4], c.medianoche);
    }
}

TEST(CaptionsHoraSolar, EasternFractionalZoneKeepsItsSign) {
    // 82.5 degrees east with the zone 5.5 h east: clock time runs with local mean time, so
    // noon falls near 12:07:42 as at Greenwich on the same day (a few seconds of the equation
    // of time apart). An eastern zone read as western would put it eleven hours away.
    NatalRecord rec = testing::RegistroDePrueba();
    rec.NatalDay = 21;
    rec.NatalMonth = 3;
    rec.NatalYear = 2001;
    rec.LatitudeDeg = 40;
    rec.LongitudeDeg = 82.5f;
    rec.ZoneHours = -5.5f;
    const double noon = HoraADecimal(CaptionsHoraSolar(rec)[2]);
    EXPECT_NEAR(noon, HoraADecimal("12:07:42"), 10 / 3600.0);
}

TEST(CaptionsHoraSolar, SouthernLatitudeUsesTheDecimalDegrees) {
    // At 34.6 S on 21 December the day is long: sunrise before 6 and sunset after 18 local
    // mean time (an unsigned latitude would give the northern short day instead).
    NatalRecord rec = testing::RegistroDePrueba();
    rec.NatalDay = 21;
    rec.NatalMonth = 12;
    rec.NatalYear = 2001;
    rec.LatitudeDeg = -34.6f;
    rec.LongitudeDeg = -60;
    rec.ZoneHours = 4;
    const auto cap = CaptionsHoraSolar(rec);
    EXPECT_LT(HoraADecimal(cap[1]), 5.2);
    EXPECT_GT(HoraADecimal(cap[3]), 19);
}

}  // namespace
}  // namespace natalis
