// Julian day of a date and back.
#include <date/date.h>
#include <gtest/gtest.h>

#include <string>

#include "astro/Calendar.h"
#include "astro/NumberText.h"

namespace natalis {
namespace {

TEST(JulDay, WorkedExamples) {
    struct Case {
        double d, m, y, jd;
        const char* why;
    } cases[] = {
        {1, 1, 2000, 2451544.5, "J2000 day at 0 h"},
        {1, 1, 1500, 2268932.5, "Julian calendar"},
        {15, 10, 1582, 2299170.5, "1582 is still read as Julian"},
        {31, 12, 1582, 2299247.5, "last Julian-read date"},
        {1, 1, 1583, 2299238.5, "first Gregorian-read date, smaller than the day before"},
        {1, 1, -3000, 625307.5, "lower end of the range"},
        {31, 12, 3000, 2817151.5, "upper end of the range"},
        {1.5, 1, 2000, 2451545.0, "a fraction of the day passes through"},
        {29, 2, 2000, 2451603.5, "Gregorian leap day (independent: 2451544.5 + 59)"},
        {1, 3, 1900, 2415079.5, "1900 is no Gregorian leap year (2415020.5 + 59)"},
    };
    for (const Case& c : cases) EXPECT_DOUBLE_EQ(JulDay(c.d, c.m, c.y), c.jd) << c.why;
}

TEST(JDaFecha, DateContainingTheInstant) {
    struct Case {
        double jd;
        const char* expected;
        const char* why;
    } cases[] = {
        {2451544.5, " 1 1 2000", "start of the day"},
        {2451545.0, " 1 1 2000", "noon of the same day"},
        {2451544.49, " 31 12 1999", "just before midnight"},
        {JulDay(1, 1, 1550), " 11 1 1550", "Julian date read back in the Gregorian calendar"},
        {JulDay(15, 3, -44), " 15 3 -44", "negative year keeps its minus sign"},
        {JulDay(1, 1, 1500), " 1 1 1500", "before 1532 the Julian reading"},
        {JulDay(1, 1, -3000), " 1 1 -3000", "lower end of the range"},
    };
    for (const Case& c : cases) EXPECT_EQ(JDaFecha(c.jd), c.expected) << c.why;
}

// Every Gregorian date from 1583 to 3000 comes back unchanged (both routines in the same
// calendar there), at 0 h and at the last minute of the day.
TEST(JDaFecha, RoundTripOfGregorianDates) {
    const int daysIn[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    double previous = 0;
    for (int y = 1583; y <= 3000; ++y) {
        bool leap = (y % 4 == 0 && y % 100 != 0) || y % 400 == 0;
        for (int m = 1; m <= 12; ++m) {
            int days = daysIn[m - 1] + (m == 2 && leap ? 1 : 0);
            for (int d = 1; d <= days; ++d) {
                double jd = JulDay(d, m, y);
                if (previous != 0) {
                    ASSERT_DOUBLE_EQ(jd, previous + 1) << d << " " << m << " " << y;
                }
                previous = jd;
                std::string expected =
                    " " + std::to_string(d) + " " + std::to_string(m) + " " + std::to_string(y);
                ASSERT_EQ(JDaFecha(jd), expected);
                ASSERT_EQ(JDaFecha(jd + 0.9993), expected);
            }
        }
    }
}

TEST(UltimoDiaDelMes, AgreesWithTheDayCountOfJulDay) {
    // Independent of the leap rule: the days from the 1st of a month to the 1st of the next,
    // counted by JulDay, for every month of the program's range. December 1582 is the one
    // month whose 1 January after it is read in the other calendar; it has 31 days.
    for (int y = -3000; y <= 3000; ++y) {
        for (int m = 1; m <= 12; ++m) {
            if (y == 1582 && m == 12) continue;
            const double next = m == 12 ? JulDay(1, 1, y + 1) : JulDay(1, m + 1, y);
            ASSERT_EQ(UltimoDiaDelMes(m, y), next - JulDay(1, m, y)) << m << " " << y;
        }
    }
}

TEST(UltimoDiaDelMes, GregorianYearsAgreeWithTheDateLibrary) {
    // Howard Hinnant's date library, proleptic Gregorian: the last day of each month.
    for (int y = 1583; y <= 3000; ++y) {
        for (unsigned m = 1; m <= 12; ++m) {
            const date::year_month_day_last last{date::year{y} / date::month{m} / date::last};
            ASSERT_EQ(UltimoDiaDelMes(static_cast<int>(m), y), static_cast<unsigned>(last.day()))
                << m << " " << y;
        }
    }
}

TEST(UltimoDiaDelMes, MonthOutsideOneToTwelveHasNoDays) {
    EXPECT_EQ(UltimoDiaDelMes(12, 1582), 31);
    EXPECT_EQ(UltimoDiaDelMes(0, 2000), 0);
    EXPECT_EQ(UltimoDiaDelMes(13, 2000), 0);
}

}  // namespace
}  // namespace natalis
