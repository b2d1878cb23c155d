// The local clock and time-zone helpers over a fixed clock, and the system clock's record.
#include <gtest/gtest.h>

#include <cstdlib>
#include <ctime>
#include <string>

#include "app/model/ClockHelpers.h"
#include "app/model/SystemClock.h"
#include "astro/Calendar.h"
#include "tests/app/FakeClock.h"

namespace natalis {
namespace {

constexpr double kMinute = 1.0 / 1440;

TEST(LocalOffsetFromGMT, MinutesOrHoursWithOrWithoutDaylight) {
    struct Row {
        const char* what;
        TimeZoneRecord zone;
        bool asHours, adjust;
        long expected;
    };
    // Worked examples and hand computations (halves of hours round to the even neighbour).
    const Row rows[] = {
        {"daylight in force, adjusted", Zone(-60, -60, 2), false, true, -120},
        {"daylight in force, not adjusted", Zone(-60, -60, 2), false, false, -60},
        {"standard time ignores DaylightBias", Zone(-60, -60, 1), false, true, -60},
        {"unknown status counts as standard", Zone(180, -60, 0), false, true, 180},
        {"-5.5 h rounds to -6", Zone(-330, -60, 1), true, false, -6},
        {"5.5 h rounds to 6", Zone(330, 0, 1), true, false, 6},
        {"3.5 h rounds to 4", Zone(210, 0, 1), true, true, 4},
        {"-6.5 h with daylight rounds to -6", Zone(-330, -60, 2), true, true, -6},
        {"-4.5 h rounds to -4", Zone(-270, 0, 1), true, false, -4},
        {"three hours west", Zone(180, 0, 1), true, true, 3},
    };
    for (const Row& r : rows) {
        const FakeClock clock({2024, 1, 1, 12, 0, 0}, r.zone);
        EXPECT_EQ(LocalOffsetFromGMT(clock, r.asHours, r.adjust), r.expected) << r.what;
    }
}

TEST(DaylightTime, IsTheStatusOfTheZoneRecord) {
    for (int status : {0, 1, 2})
        EXPECT_EQ(DaylightTime(FakeClock({}, Zone(0, -60, status))), status);
}

TEST(FraccionDiaGMT, PresentTimeOfDayInUniversalTime) {
    struct Row {
        const char* what;
        LocalDateTime now;
        TimeZoneRecord zone;
        double expected;
    };
    const Row rows[] = {
        // Worked example: (14 + 35/60 + 3) / 24 = 0.73264.
        {"14:35 three hours west", {2024, 5, 1, 14, 35, 0}, Zone(180), (14 + 35 / 60.0 + 3) / 24},
        {"seconds are not counted", {2024, 5, 1, 14, 35, 59}, Zone(180), (14 + 35 / 60.0 + 3) / 24},
        {"23:00 three hours west passes 1", {2024, 5, 1, 23, 0, 0}, Zone(180), 26 / 24.0},
        {"01:00 three hours east is below 0", {2024, 5, 1, 1, 0, 0}, Zone(-180), -2 / 24.0},
        {"daylight time counts",
         {2024, 7, 1, 14, 35, 0},
         Zone(-60, -60, 2),
         (14 + 35 / 60.0 - 2) / 24},
        // Hand computation: 12:00 in a zone 5 h 30 min east is 06:30 universal time.
        {"half-hour zone counts its half hour", {2024, 1, 1, 12, 0, 0}, Zone(-330), 6.5 / 24},
        {"three-quarter zone", {2024, 1, 1, 12, 0, 0}, Zone(-345), (12 - 5.75) / 24},
        {"half-hour zone west in daylight time",
         {2024, 7, 1, 12, 0, 0},
         Zone(210, -60, 2),
         (12 + 2.5) / 24},
    };
    for (const Row& r : rows) {
        const float f = FraccionDiaGMT(FakeClock(r.now, r.zone));
        EXPECT_FLOAT_EQ(f, static_cast<float>(r.expected)) << r.what;
    }
    EXPECT_NEAR(FraccionDiaGMT(FakeClock({2024, 5, 1, 14, 35, 0}, Zone(180))), 0.7326, 1e-4);
}

// The date serial: days since 1899-12-30, checked against Julian days (an independent
// calendar routine) over four centuries of first days of months.
TEST(SystemTimeToDate, CountsDaysFrom1899December30) {
    const double jdOrigin = JulDay(30, 12, 1899);
    for (int year = 1700; year <= 2100; year += 7) {
        for (int month = 1; month <= 12; ++month) {
            SystemTime st;
            st.wYear = year, st.wMonth = month, st.wDay = 1;
            EXPECT_DOUBLE_EQ(SystemTimeToDate(st), JulDay(1, month, year) - jdOrigin)
                << year << "-" << month;
        }
    }
    SystemTime noon;
    noon.wYear = 1900, noon.wMonth = 1, noon.wDay = 1, noon.wHour = 12;
    noon.wDayOfWeek = 1, noon.wMilliseconds = 999;  // not used
    EXPECT_DOUBLE_EQ(SystemTimeToDate(noon), 2.5);
    SystemTime y2k;
    y2k.wYear = 2000, y2k.wMonth = 1, y2k.wDay = 1, y2k.wHour = 6, y2k.wMinute = 30;
    y2k.wSecond = 36;
    EXPECT_DOUBLE_EQ(SystemTimeToDate(y2k), 36526 + (6 * 3600 + 30 * 60 + 36) / 86400.0);
    EXPECT_DOUBLE_EQ(LocalDateTimeToDate({1899, 12, 29, 18, 0, 0}), -0.25);
}

TEST(ConvertLocalToGMT, AddsBiasAndDaylightOfTheClockNow) {
    const Date t = LocalDateTimeToDate({1970, 3, 5, 9, 7, 0});
    const FakeClock standard({2024, 1, 10, 8, 0, 0}, Zone(180, -60, 1));
    const FakeClock daylight({2024, 7, 10, 8, 0, 0}, Zone(180, -60, 2));
    EXPECT_NEAR(ConvertLocalToGMT(standard, t), t + 180 * kMinute, 1e-9);
    EXPECT_NEAR(ConvertLocalToGMT(standard, t, true), t + 180 * kMinute, 1e-9);
    EXPECT_NEAR(ConvertLocalToGMT(daylight, t, false), t + 180 * kMinute, 1e-9);
    // In daylight now, even though 5 March 1970 was not.
    EXPECT_NEAR(ConvertLocalToGMT(daylight, t, true), t + 120 * kMinute, 1e-9);
}

TEST(ConvertLocalToGMT, WithoutADateWorksOnThePresentMoment) {
    const FakeClock clock({2024, 7, 10, 22, 30, 0}, Zone(-60, -60, 2));
    const Date now = LocalDateTimeToDate(clock.now);
    EXPECT_NEAR(ConvertLocalToGMT(clock), now - 60 * kMinute, 1e-9);
    EXPECT_NEAR(ConvertLocalToGMT(clock, 0, true), now - 120 * kMinute, 1e-9);
    EXPECT_NEAR(ConvertLocalToGMT(clock, -5, true), now - 120 * kMinute, 1e-9);
}

TEST(GetLocalTimeFromGMT, SubtractsBiasAndAddsAFixedHourInDaylight) {
    const Date t = LocalDateTimeToDate({2024, 7, 10, 12, 0, 0});
    EXPECT_NEAR(GetLocalTimeFromGMT(FakeClock({}, Zone(180, -60, 1)), t), t - 180 * kMinute, 1e-9);
    // The daylight step is one hour whatever DaylightBias says.
    EXPECT_NEAR(GetLocalTimeFromGMT(FakeClock({}, Zone(-630, -30, 2)), t),
                t + 630 * kMinute + 60 * kMinute, 1e-9);
    const FakeClock clock({2024, 7, 10, 22, 30, 0}, Zone(-60, -60, 1));
    EXPECT_NEAR(GetLocalTimeFromGMT(clock), LocalDateTimeToDate(clock.now) + 60 * kMinute, 1e-9);
}

// Zone records from local readings (offsets of real zones, hand-checked).
TEST(SystemClock, ZoneRecordFromLocalReadings) {
    struct Row {
        const char* what;
        ZoneReading now, january, july;
        int bias, daylightBias, status;
    };
    const Row rows[] = {
        {"Madrid in summer", {7200, true}, {3600, false}, {7200, true}, -60, -60, 2},
        {"Madrid in winter", {3600, false}, {3600, false}, {7200, true}, -60, -60, 1},
        {"New York in winter", {-18000, false}, {-18000, false}, {-14400, true}, 300, -60, 1},
        {"Santiago de Chile in January",
         {-10800, true},
         {-10800, true},
         {-14400, false},
         240,
         -60,
         2},
        {"Buenos Aires, no daylight time",
         {-10800, false},
         {-10800, false},
         {-10800, false},
         180,
         0,
         1},
        {"Lord Howe, half-hour daylight",
         {39600, true},
         {39600, true},
         {37800, false},
         -630,
         -30,
         2},
        {"Kolkata", {19800, false}, {19800, false}, {19800, false}, -330, 0, 1},
    };
    for (const Row& r : rows) {
        const TimeZoneRecord tz = TimeZoneFromReadings(r.now, r.january, r.july);
        EXPECT_EQ(tz.Bias, r.bias) << r.what;
        EXPECT_EQ(tz.DaylightBias, r.daylightBias) << r.what;
        EXPECT_EQ(tz.status, r.status) << r.what;
    }
}

// The real clock under a few TZ settings (POSIX rules, no zone database needed).
TEST(SystemClock, FollowsTheProcessTimeZone) {
    const char* saved = std::getenv("TZ");
    const std::string before = saved ? saved : "";
    struct Row {
        const char* tz;
        int bias, daylightBias;
    };
    const Row rows[] = {{"UTC0", 0, 0},
                        {"ART3", 180, 0},
                        {"IST-5:30", -330, 0},
                        {"CET-1CEST,M3.5.0,M10.5.0/3", -60, -60}};
    for (const Row& r : rows) {
        ::setenv("TZ", r.tz, 1);
        const TimeZoneRecord tz = SystemClock().TimeZone();
        EXPECT_EQ(tz.Bias, r.bias) << r.tz;
        EXPECT_EQ(tz.DaylightBias, r.daylightBias) << r.tz;
        EXPECT_TRUE(tz.status == 1 || tz.status == 2) << r.tz;
    }
    if (saved)
        ::setenv("TZ", before.c_str(), 1);
    else
        ::unsetenv("TZ");
    tzset();

    const LocalDateTime now = SystemClock().Now();
    EXPECT_GE(now.year, 2024);
    EXPECT_TRUE(now.month >= 1 && now.month <= 12);
}

}  // namespace
}  // namespace natalis
