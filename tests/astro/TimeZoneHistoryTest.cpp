// The clock of a time zone in history. Every expected value is read off the tz database's
// source: the Zone or Rule line quoted in each row is as /usr/share/zoneinfo/tzdata.zi writes
// it (Debian tzdata), worked out by hand from that line.
#include <date/tz.h>
#include <gtest/gtest.h>

#include <string>

#include "astro/TimeZoneHistory.h"

namespace natalis {
namespace {

CivilTime At(int d, int m, int y, int hh, int mm, int ss = 0) { return {y, m, d, hh, mm, ss}; }

long Hms(int h, int m, int s = 0) {
    const long sign = h < 0 || m < 0 || s < 0 ? -1 : 1;
    return sign * (std::labs(h) * 3600L + std::labs(m) * 60L + std::labs(s));
}

TEST(ResolveLocalTime, HistoricalOffsetsFromTheDatabase) {
    struct Case {
        const char* zone;
        CivilTime local;
        long offset;
        const char* abbrev;
        bool summer;
        const char* source;  // the line of tzdata.zi the answer comes from
    } cases[] = {
        // British Standard Time: a year-round UT+1 that was standard time, not summer time.
        {"Europe/London", At(15, 1, 1969, 12, 0), Hms(1, 0), "BST", false,
         "Z Europe/London ... 1 - BST 1971 O 31 2u"},
        {"Europe/London", At(1, 7, 1971, 12, 0), Hms(1, 0), "BST", false,
         "Z Europe/London ... 1 - BST 1971 O 31 2u"},
        {"Europe/London", At(15, 7, 1968, 12, 0), Hms(1, 0), "BST", true,
         "R G 1968 o - F 18 2s 1 BST (zone line 0 G %s 1968 O 27)"},
        {"Europe/London", At(15, 1, 1972, 12, 0), Hms(0, 0), "GMT", false,
         "Z Europe/London ... 0 G %s 1996; R G 1972 1980 - Mar Su>=16 2s 1 BST"},
        // Argentina's summer of 2007-08.
        {"America/Argentina/Buenos_Aires", At(15, 1, 2008, 12, 0), Hms(-2, 0), "-02", true,
         "R A 2007 o - D 30 0 1 -; R A 2008 2009 - Mar Su>=15 0 0 -"},
        {"America/Argentina/Buenos_Aires", At(15, 6, 2008, 12, 0), Hms(-3, 0), "-03", false,
         "Z America/Argentina/Buenos_Aires ... -3 A %z"},
        // India's war time, an hour ahead of IST.
        {"Asia/Kolkata", At(15, 7, 1943, 12, 0), Hms(6, 30), "+0630", true,
         "Z Asia/Kolkata ... 5:30 1 %z 1945 O 15"},
        {"Asia/Kolkata", At(1, 1, 1942, 12, 0), Hms(6, 30), "+0630", true,
         "Z Asia/Kolkata ... 5:30 1 %z 1942 May 15"},
        {"Asia/Kolkata", At(1, 7, 1942, 12, 0), Hms(5, 30), "IST", false,
         "Z Asia/Kolkata ... 5:30 - IST 1942 S"},
        {"Asia/Calcutta", At(15, 7, 1943, 12, 0), Hms(6, 30), "+0630", true,
         "L Asia/Kolkata Asia/Calcutta (link of the line above)"},
        // Amsterdam Mean Time and Netherlands Summer Time.
        {"Europe/Amsterdam", At(15, 1, 1935, 12, 0), Hms(0, 19, 32), "AMT", false,
         "Z Europe/Amsterdam ... 0:19:32 N %s 1937 Jul"},
        {"Europe/Amsterdam", At(15, 7, 1935, 12, 0), Hms(1, 19, 32), "NST", true,
         "R N 1933 1936 - May 15 2s 1 NST"},
        {"Europe/Amsterdam", At(15, 1, 1938, 12, 0), Hms(0, 20), "+0020", false,
         "Z Europe/Amsterdam ... 0:20 N +0020/+0120 1940 May 16"},
        // Venezuela's half hour, December 2007 to May 2016.
        {"America/Caracas", At(1, 6, 2010, 12, 0), Hms(-4, -30), "-0430", false,
         "Z America/Caracas ... -4:30 - %z 2016 May 1 2:30"},
        {"America/Caracas", At(1, 6, 2005, 12, 0), Hms(-4, 0), "-04", false,
         "Z America/Caracas ... -4 - %z 2007 D 9 3"},
        {"America/Caracas", At(1, 6, 2017, 12, 0), Hms(-4, 0), "-04", false,
         "Z America/Caracas ... -4 - %z"},
        // Nepal's quarter hour since 1986.
        {"Asia/Kathmandu", At(15, 7, 1990, 12, 0), Hms(5, 45), "+0545", false,
         "Z Asia/Kathmandu ... 5:45 - %z"},
        {"Asia/Kathmandu", At(15, 7, 1980, 12, 0), Hms(5, 30), "+0530", false,
         "Z Asia/Kathmandu ... 5:30 - %z 1986"},
        // Samoa before and after it crossed the date line.
        {"Pacific/Apia", At(29, 12, 2011, 12, 0), Hms(-10, 0), "-10", true,
         "Z Pacific/Apia ... -11 WS %z 2011 D 29 24; R WS 2011 o - S lastSa 3 1 -"},
        {"Pacific/Apia", At(31, 12, 2011, 12, 0), Hms(14, 0), "+14", true,
         "Z Pacific/Apia ... 13 WS %z"},
        // New York's first summer time.
        {"America/New_York", At(15, 7, 1918, 12, 0), Hms(-4, 0), "EDT", true,
         "R u 1918 1919 - Mar lastSu 2 1 D"},
        {"America/New_York", At(15, 1, 1918, 12, 0), Hms(-5, 0), "EST", false,
         "Z America/New_York ... -5 u E%sT 1920"},
        // A negative saving: the Irish winter is not summer time.
        {"Europe/Dublin", At(15, 1, 2020, 12, 0), Hms(0, 0), "GMT", false,
         "Z Europe/Dublin ... 1 IE IST/GMT; R IE 1996 ma - O lastSu 1u -1 -"},
        {"Africa/Casablanca", At(1, 5, 2020, 12, 0), Hms(0, 0), "+00", false,
         "R M 2020 o - Ap 19 3 -1 -"},
        // Summer time with the clock of the standard time before it: the database marks it
        // (zdump: isdst=1) and so does the program.
        {"Europe/Moscow", At(15, 7, 1991, 12, 0), Hms(3, 0), "EEST", true,
         "Z Europe/Moscow ... 2 R EE%sT 1992 Ja 19 2s (zdump: EEST isdst=1 gmtoff=10800)"},
        {"Europe/Vilnius", At(15, 7, 1989, 12, 0), Hms(3, 0), "EEST", true,
         "Z Europe/Vilnius ... 2 R EE%sT 1991 (zdump: EEST isdst=1 gmtoff=10800)"},
        {"America/Cancun", At(15, 9, 1998, 12, 0), Hms(-5, 0), "CDT", true,
         "Z America/Cancun ... -5 m E%sT 1998 Au 2 2 / -6 m C%sT (zdump: CDT isdst=1)"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.zone) + " / " + c.source);
        const ZoneTimeResult r = ResolveLocalTime(c.zone, c.local);
        ASSERT_EQ(r.status, ZoneTimeStatus::Unique) << r.message;
        ASSERT_EQ(r.readings.size(), 1u);
        EXPECT_EQ(r.readings[0].offsetSeconds, c.offset);
        EXPECT_EQ(r.readings[0].abbreviation, c.abbrev);
        EXPECT_EQ(r.readings[0].summerTime, c.summer);
        EXPECT_FALSE(r.readings[0].localMeanTime);
    }
}

TEST(ResolveLocalTime, SamoaSkippedTheWholeOf30December2011) {
    // Z Pacific/Apia ... -11 WS %z 2011 D 29 24 / 13 WS %z: midnight of the 29th in summer
    // time (-10) became midnight of the 31st (+14).
    for (int hour : {0, 12, 23}) {
        const ZoneTimeResult r = ResolveLocalTime("Pacific/Apia", At(30, 12, 2011, hour, 0));
        ASSERT_EQ(r.status, ZoneTimeStatus::Nonexistent) << hour;
        EXPECT_TRUE(r.readings.empty());
        EXPECT_EQ(r.gap.sizeSeconds, Hms(24, 0));
        EXPECT_EQ(r.gap.before.offsetSeconds, Hms(-10, 0));
        EXPECT_EQ(r.gap.after.offsetSeconds, Hms(14, 0));
        EXPECT_EQ(r.gap.clockFrom.day, 30);
        EXPECT_EQ(r.gap.clockFrom.hour, 0);
        EXPECT_EQ(r.gap.clockTo.day, 31);
        EXPECT_EQ(r.gap.clockTo.hour, 0);
    }
}

TEST(ResolveLocalTime, SpringGapOfAEuropeanZone) {
    // R E 1981 ma - Mar lastSu 1u 1 S: on 31 March 2024 Madrid's clocks went from 2:00 CET
    // to 3:00 CEST.
    const ZoneTimeResult r = ResolveLocalTime("Europe/Madrid", At(31, 3, 2024, 2, 30));
    ASSERT_EQ(r.status, ZoneTimeStatus::Nonexistent);
    EXPECT_TRUE(r.readings.empty());
    EXPECT_EQ(r.gap.before.abbreviation, "CET");
    EXPECT_EQ(r.gap.after.abbreviation, "CEST");
    EXPECT_EQ(r.gap.sizeSeconds, 3600);
    EXPECT_EQ(r.gap.clockFrom.hour, 2);
    EXPECT_EQ(r.gap.clockFrom.minute, 0);
    EXPECT_EQ(r.gap.clockTo.hour, 3);
    EXPECT_EQ(r.message,
              "La hora 02:30:00 del 31 3 2024 no existe en Europe/Madrid: los relojes pasaron de "
              "31 3 2024 02:00:00 (CET) a 31 3 2024 03:00:00 (CEST), un salto de 01:00:00.");

    // The gap's edges: 1:59:59 is still CET, 3:00:00 already CEST.
    const ZoneTimeResult before = ResolveLocalTime("Europe/Madrid", At(31, 3, 2024, 1, 59, 59));
    ASSERT_EQ(before.status, ZoneTimeStatus::Unique);
    EXPECT_EQ(before.readings[0].offsetSeconds, 3600);
    const ZoneTimeResult after = ResolveLocalTime("Europe/Madrid", At(31, 3, 2024, 3, 0));
    ASSERT_EQ(after.status, ZoneTimeStatus::Unique);
    EXPECT_EQ(after.readings[0].offsetSeconds, 7200);
    EXPECT_EQ(ResolveLocalTime("Europe/Madrid", At(31, 3, 2024, 2, 0)).status,
              ZoneTimeStatus::Nonexistent);
}

TEST(ResolveLocalTime, AutumnRepeatGivesBothReadingsEarlierFirst) {
    // R E 1996 ma - O lastSu 1u 0 -: on 27 October 2024 Madrid's clocks went back from 3:00
    // CEST to 2:00 CET, so 2:00 to 2:59:59 were shown twice.
    const ZoneTimeResult r = ResolveLocalTime("Europe/Madrid", At(27, 10, 2024, 2, 30));
    ASSERT_EQ(r.status, ZoneTimeStatus::Ambiguous);
    ASSERT_EQ(r.readings.size(), 2u);
    EXPECT_EQ(r.readings[0].offsetSeconds, 7200);
    EXPECT_EQ(r.readings[0].abbreviation, "CEST");
    EXPECT_TRUE(r.readings[0].summerTime);
    EXPECT_EQ(r.readings[1].offsetSeconds, 3600);
    EXPECT_EQ(r.readings[1].abbreviation, "CET");
    EXPECT_FALSE(r.readings[1].summerTime);
    EXPECT_TRUE(r.message.empty());

    EXPECT_EQ(ResolveLocalTime("Europe/Madrid", At(27, 10, 2024, 1, 59, 59)).status,
              ZoneTimeStatus::Unique);
    EXPECT_EQ(ResolveLocalTime("Europe/Madrid", At(27, 10, 2024, 3, 0)).status,
              ZoneTimeStatus::Unique);
}

TEST(ResolveLocalTime, LocalMeanTimeBeforeStandardTime) {
    // Z Europe/Madrid -0:14:44 - LMT 1901 Ja 1 0u
    const ZoneTimeResult zoneLmt = ResolveLocalTime("Europe/Madrid", At(1, 6, 1890, 12, 0));
    ASSERT_EQ(zoneLmt.status, ZoneTimeStatus::Unique);
    EXPECT_EQ(zoneLmt.readings[0].offsetSeconds, -Hms(0, 14, 44));
    EXPECT_EQ(zoneLmt.readings[0].abbreviation, "LMT");
    EXPECT_TRUE(zoneLmt.readings[0].localMeanTime);
    EXPECT_FALSE(zoneLmt.readings[0].summerTime);

    // At the place's own longitude: Seville, 5.9845 W, is 5.9845 * 240 s = 1436.28 s behind.
    const ZoneTimeResult seville =
        ResolveLocalTime("Europe/Madrid", At(1, 6, 1890, 12, 0), -5.9845);
    ASSERT_EQ(seville.status, ZoneTimeStatus::Unique);
    EXPECT_EQ(seville.readings[0].offsetSeconds, -1436);
    EXPECT_TRUE(seville.readings[0].localMeanTime);

    // Z America/New_York -4:56:2 - LMT 1883 N 18 17u
    const ZoneTimeResult ny = ResolveLocalTime("America/New_York", At(4, 7, 1876, 12, 0));
    ASSERT_EQ(ny.status, ZoneTimeStatus::Unique);
    EXPECT_EQ(ny.readings[0].offsetSeconds, -Hms(4, 56, 2));
    EXPECT_TRUE(ny.readings[0].localMeanTime);

    // A longitude changes nothing once standard time has come.
    const ZoneTimeResult later = ResolveLocalTime("Europe/Madrid", At(1, 6, 1910, 12, 0), -5.9845);
    ASSERT_EQ(later.status, ZoneTimeStatus::Unique);
    EXPECT_EQ(later.readings[0].offsetSeconds, 0);
    EXPECT_FALSE(later.readings[0].localMeanTime);

    // Long before any record every zone keeps local mean time (year 1200, Julian calendar).
    const ZoneTimeResult medieval =
        ResolveLocalTime("Europe/Madrid", At(29, 2, 1200, 12, 0), -4.78);
    ASSERT_EQ(medieval.status, ZoneTimeStatus::Unique);
    EXPECT_EQ(medieval.readings[0].offsetSeconds, -1147);  // 4.78 * 240 = 1147.2 s
}

TEST(ResolveLocalTime, LocalMeanTimeStaysOnTheZonesSideOfTheDateLine) {
    // Z Asia/Manila -15:56:8 - LMT 1844 D 31: Manila kept the American date until 1845, so
    // its mean time at 120.9842 E is 8:03:56 - 24 h, not +8:03:56.
    const ZoneTimeResult r = ResolveLocalTime("Asia/Manila", At(1, 6, 1800, 12, 0), 120.9842);
    ASSERT_EQ(r.status, ZoneTimeStatus::Unique);
    EXPECT_EQ(r.readings[0].offsetSeconds, 29036 - 86400);  // 120.9842 * 240 = 29036.2 s
    // 8:3:52 - LMT 1899 S 6 4u: the Asian date afterwards.
    const ZoneTimeResult after = ResolveLocalTime("Asia/Manila", At(1, 6, 1870, 12, 0), 120.9842);
    ASSERT_EQ(after.status, ZoneTimeStatus::Unique);
    EXPECT_EQ(after.readings[0].offsetSeconds, 29036);
}

TEST(ResolveLocalTime, MeanTimeOfThePlaceCanOpenItsOwnGap) {
    // Z Europe/Madrid -0:14:44 - LMT 1901 Ja 1 0u: at A Coruna, 8.3959 W (-0:33:35), the
    // clocks went from 23:26:25 on 31 December 1900 to midnight.
    const ZoneTimeResult r = ResolveLocalTime("Europe/Madrid", At(31, 12, 1900, 23, 40), -8.3959);
    ASSERT_EQ(r.status, ZoneTimeStatus::Nonexistent) << r.message;
    EXPECT_EQ(r.gap.before.offsetSeconds, -2015);  // 8.3959 * 240 = 2015.0 s
    EXPECT_EQ(r.gap.after.offsetSeconds, 0);
    EXPECT_EQ(r.gap.sizeSeconds, 2015);
    EXPECT_EQ(r.gap.clockFrom.hour, 23);
    EXPECT_EQ(r.gap.clockFrom.minute, 26);
    EXPECT_EQ(r.gap.clockFrom.second, 25);
}

TEST(ResolveLocalTime, FooterRuleAppliesAfterTheLastTransition) {
    // Europe/Madrid's file ends its transitions in 2037; its footer
    // "CET-1CEST,M3.5.0,M10.5.0/3" (R E 1981 ma / R E 1996 ma) keeps summer time going.
    for (int year : {2040, 2100, 2999}) {
        const ZoneTimeResult summer = ResolveLocalTime("Europe/Madrid", At(15, 7, year, 12, 0));
        ASSERT_EQ(summer.status, ZoneTimeStatus::Unique) << year;
        EXPECT_EQ(summer.readings[0].offsetSeconds, 7200) << year;
        EXPECT_EQ(summer.readings[0].abbreviation, "CEST") << year;
        EXPECT_TRUE(summer.readings[0].summerTime) << year;
        const ZoneTimeResult winter = ResolveLocalTime("Europe/Madrid", At(15, 1, year, 12, 0));
        ASSERT_EQ(winter.status, ZoneTimeStatus::Unique) << year;
        EXPECT_EQ(winter.readings[0].offsetSeconds, 3600) << year;
    }
    // Last Sunday of March 2050 is the 27th: the gap is there.
    EXPECT_EQ(ResolveLocalTime("Europe/Madrid", At(27, 3, 2050, 2, 30)).status,
              ZoneTimeStatus::Nonexistent);
    EXPECT_EQ(ResolveLocalTime("Europe/Madrid", At(30, 10, 2050, 2, 30)).status,
              ZoneTimeStatus::Ambiguous);
    // R u 2007 ma - Mar Su>=8 2 1 D: New York on 14 March 2100 at 2:30 did not exist.
    EXPECT_EQ(ResolveLocalTime("America/New_York", At(14, 3, 2100, 2, 30)).status,
              ZoneTimeStatus::Nonexistent);
}

TEST(ResolveLocalTime, RejectsUnknownZonesAndImpossibleTimes) {
    const ZoneTimeResult unknown = ResolveLocalTime("Europe/Atlantida", At(1, 1, 2000, 12, 0));
    EXPECT_EQ(unknown.status, ZoneTimeStatus::UnknownZone);
    EXPECT_EQ(unknown.message,
              "La zona «Europe/Atlantida» no está en la base de datos de husos horarios.");
    // A name that is a file of the zone folder but not a zone, and a path out of it.
    EXPECT_EQ(ResolveLocalTime("tzdata.zi", At(1, 1, 2000, 12, 0)).status,
              ZoneTimeStatus::UnknownZone);
    EXPECT_EQ(ResolveLocalTime("../../etc/passwd", At(1, 1, 2000, 12, 0)).status,
              ZoneTimeStatus::UnknownZone);
    EXPECT_EQ(ResolveLocalTime("", At(1, 1, 2000, 12, 0)).status, ZoneTimeStatus::UnknownZone);

    struct Bad {
        CivilTime t;
        const char* message;
    } bad[] = {
        {At(29, 2, 2023, 12, 0), "La fecha 29 2 2023 no existe."},
        {At(31, 4, 2000, 12, 0), "La fecha 31 4 2000 no existe."},
        {At(0, 4, 2000, 12, 0), "La fecha 0 4 2000 no existe."},
        {At(1, 13, 2000, 12, 0), "La fecha 1 13 2000 no existe."},
        {At(1, 1, 2000, 24, 0), "La hora 24 0 0 no existe."},
        {At(1, 1, 2000, 12, 60), "La hora 12 60 0 no existe."},
        {At(1, 1, 3001, 12, 0), " El rango de años del programa es: -3000 á 3000 años  "},
    };
    for (const Bad& b : bad) {
        const ZoneTimeResult r = ResolveLocalTime("Europe/Madrid", b.t);
        EXPECT_EQ(r.status, ZoneTimeStatus::InvalidTime) << b.message;
        EXPECT_EQ(r.message, b.message);
        EXPECT_TRUE(r.readings.empty());
    }
    // 29 February 1500 exists in the Julian calendar the program uses before 1583.
    EXPECT_EQ(ResolveLocalTime("Europe/Madrid", At(29, 2, 1500, 12, 0)).status,
              ZoneTimeStatus::Unique);
    EXPECT_EQ(ResolveLocalTime("Europe/Madrid", At(1, 1, 2000, 12, 0), 181.0).status,
              ZoneTimeStatus::InvalidTime);
}

// Every hour of a year, in both directions: the clock time the library shows at a UT instant
// must resolve to a reading with the library's offset at that instant, and to that reading
// alone where the library sees the clock time only once.
TEST(ResolveLocalTime, SweepAgreesWithTheLibrarysOwnConversion) {
    struct Sweep {
        const char* zone;
        int year;
    } sweeps[] = {{"Europe/Madrid", 2024},       {"America/New_York", 2024},
                  {"Australia/Lord_Howe", 2024}, {"Pacific/Apia", 2011},
                  {"Europe/London", 1941},       {"America/Sao_Paulo", 2018}};
    for (const Sweep& w : sweeps) {
        const date::time_zone* tz = date::locate_zone(w.zone);
        const date::sys_seconds from = date::sys_days{date::year{w.year} / 1 / 1};
        for (date::sys_seconds u = from; u < from + date::days{366}; u += std::chrono::hours{1}) {
            const date::sys_info info = tz->get_info(u);
            const date::local_seconds local{u.time_since_epoch() + info.offset};
            const date::local_days day = date::floor<date::days>(local);
            const date::year_month_day ymd{day};
            const date::hh_mm_ss<std::chrono::seconds> hms{local - day};
            const CivilTime t{static_cast<int>(ymd.year()),
                              static_cast<int>(unsigned(ymd.month())),
                              static_cast<int>(unsigned(ymd.day())),
                              static_cast<int>(hms.hours().count()),
                              static_cast<int>(hms.minutes().count()),
                              static_cast<int>(hms.seconds().count())};
            const ZoneTimeResult r = ResolveLocalTime(w.zone, t);
            const bool once = tz->get_info(local).result == date::local_info::unique;
            ASSERT_EQ(r.status, once ? ZoneTimeStatus::Unique : ZoneTimeStatus::Ambiguous)
                << w.zone << " " << u.time_since_epoch().count();
            bool found = false;
            for (const ZoneReading& z : r.readings) {
                found = found ||
                        (z.offsetSeconds == info.offset.count() && z.abbreviation == info.abbrev);
            }
            ASSERT_TRUE(found) << w.zone << " " << u.time_since_epoch().count();
        }
    }
}

TEST(ZoneExists, KnowsZonesAndLinks) {
    EXPECT_TRUE(ZoneExists("Europe/Madrid"));
    EXPECT_TRUE(ZoneExists("America/Buenos_Aires"));  // link to America/Argentina/Buenos_Aires
    EXPECT_FALSE(ZoneExists("Europe/Atlantida"));
    EXPECT_FALSE(ZoneExists("zone.tab"));
}

TEST(TzdataVersion, ComesFromTheInstalledDatabase) {
    // The version line heads the source file Debian installs beside the compiled zones.
    const std::string v = TzdataVersion();
    ASSERT_GE(v.size(), 5u);
    EXPECT_TRUE(std::isdigit(static_cast<unsigned char>(v[0])));
    EXPECT_TRUE(std::isalpha(static_cast<unsigned char>(v.back())));
}

TEST(FormatUtcOffset, SignedHoursMinutesSeconds) {
    EXPECT_EQ(FormatUtcOffset(0), "+00:00:00");
    EXPECT_EQ(FormatUtcOffset(7200), "+02:00:00");
    EXPECT_EQ(FormatUtcOffset(1172), "+00:19:32");
    EXPECT_EQ(FormatUtcOffset(-16200), "-04:30:00");
    EXPECT_EQ(FormatUtcOffset(-884), "-00:14:44");
    EXPECT_EQ(FormatUtcOffset(50400), "+14:00:00");
}

}  // namespace
}  // namespace natalis
