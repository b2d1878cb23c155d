// The footer rule of compiled zone files: parsing, periods, and agreement with the
// transitions the same files list.
#include <date/tz.h>
#include <gtest/gtest.h>

#include <climits>
#include <fstream>
#include <iterator>
#include <string>

#include "astro/PosixTzRule.h"

namespace natalis {
namespace {

long long Ut(int y, int m, int d, int hh = 0, int mm = 0) {
    using namespace date;
    const sys_days day{year{y} / m / d};
    return day.time_since_epoch().count() * 86400LL + hh * 3600LL + mm * 60LL;
}

std::string ZoneFile(const std::string& zone) {
    std::ifstream in("/usr/share/zoneinfo/" + zone, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

TEST(ParsePosixTz, ReadsOffsetsNamesAndDates) {
    const std::optional<PosixTzRule> cet = ParsePosixTz("CET-1CEST,M3.5.0,M10.5.0/3");
    ASSERT_TRUE(cet);
    EXPECT_EQ(cet->stdAbbrev, "CET");
    EXPECT_EQ(cet->dstAbbrev, "CEST");
    EXPECT_EQ(cet->stdOffsetSeconds, 3600);  // POSIX "-1": one hour east
    EXPECT_EQ(cet->dstOffsetSeconds, 7200);  // one hour more by default
    ASSERT_TRUE(cet->hasDst);
    EXPECT_EQ(cet->start.kind, PosixTzDate::Kind::MonthWeekDay);
    EXPECT_EQ(cet->start.month, 3);
    EXPECT_EQ(cet->start.week, 5);
    EXPECT_EQ(cet->start.weekday, 0);
    EXPECT_EQ(cet->start.timeSeconds, 7200);  // 2:00 when not given
    EXPECT_EQ(cet->end.timeSeconds, 3 * 3600);

    const std::optional<PosixTzRule> nepal = ParsePosixTz("<+0545>-5:45");
    ASSERT_TRUE(nepal);
    EXPECT_EQ(nepal->stdAbbrev, "+0545");
    EXPECT_EQ(nepal->stdOffsetSeconds, 5 * 3600 + 45 * 60);
    EXPECT_FALSE(nepal->hasDst);

    // Southern hemisphere, quoted names, a change at 24:00 and a negative change time.
    const std::optional<PosixTzRule> chile = ParsePosixTz("<-04>4<-03>,M9.1.6/24,M4.1.6/24");
    ASSERT_TRUE(chile);
    EXPECT_EQ(chile->stdOffsetSeconds, -4 * 3600);
    EXPECT_EQ(chile->dstOffsetSeconds, -3 * 3600);
    EXPECT_EQ(chile->start.timeSeconds, 24 * 3600);
    const std::optional<PosixTzRule> greenland = ParsePosixTz("<-02>2<-01>,M3.5.0/-1,M10.5.0/0");
    ASSERT_TRUE(greenland);
    EXPECT_EQ(greenland->start.timeSeconds, -3600);

    const std::optional<PosixTzRule> jn = ParsePosixTz("XXX3YYY,J60/2,300/2:30:15");
    ASSERT_TRUE(jn);
    EXPECT_EQ(jn->start.kind, PosixTzDate::Kind::JulianNoLeap);
    EXPECT_EQ(jn->start.day, 60);
    EXPECT_EQ(jn->end.kind, PosixTzDate::Kind::ZeroBased);
    EXPECT_EQ(jn->end.day, 300);
    EXPECT_EQ(jn->end.timeSeconds, 2 * 3600 + 30 * 60 + 15);
}

TEST(ParsePosixTz, RefusesWhatIsNotARule) {
    for (const char* bad :
         {"", "CE-1", "CET", "CET-1CEST", "CET-1CEST,M3.5.0", "CET-1CEST,M13.5.0,M10.5.0",
          "CET-1CEST,M3.6.0,M10.5.0", "CET-1CEST,M3.5.7,M10.5.0", "CET-1CEST,J0,J365", "CET-25",
          "<+05", "CET-1CEST,M3.5.0,M10.5.0/3x", "CET-1:60"}) {
        EXPECT_FALSE(ParsePosixTz(bad)) << bad;
    }
}

TEST(PosixTzPeriodAt, FindsTheSummerOfEachHemisphere) {
    const PosixTzRule cet = *ParsePosixTz("CET-1CEST,M3.5.0,M10.5.0/3");
    // 2050: summer time from 27 March 1:00 UT to 30 October 1:00 UT.
    const PosixTzPeriod july = PosixTzPeriodAt(cet, Ut(2050, 7, 1));
    EXPECT_TRUE(july.dst);
    EXPECT_EQ(july.offsetSeconds, 7200);
    EXPECT_EQ(july.abbrev, "CEST");
    EXPECT_EQ(july.beginUt, Ut(2050, 3, 27, 1));
    EXPECT_EQ(july.endUt, Ut(2050, 10, 30, 1));
    const PosixTzPeriod winter = PosixTzPeriodAt(cet, Ut(2050, 12, 1));
    EXPECT_FALSE(winter.dst);
    EXPECT_EQ(winter.beginUt, Ut(2050, 10, 30, 1));
    EXPECT_EQ(winter.endUt, Ut(2051, 3, 26, 1));

    // Chile: summer from the first Saturday of September at 24:00 (-04) to the first
    // Saturday of April at 24:00 (-03); on 1 January it is summer.
    const PosixTzRule chile = *ParsePosixTz("<-04>4<-03>,M9.1.6/24,M4.1.6/24");
    const PosixTzPeriod jan = PosixTzPeriodAt(chile, Ut(2050, 1, 1));
    EXPECT_TRUE(jan.dst);
    EXPECT_EQ(jan.offsetSeconds, -3 * 3600);
    // First Saturday of September 2049 is the 4th; 24:00 at -04 is 5 September 4:00 UT.
    EXPECT_EQ(jan.beginUt, Ut(2049, 9, 5, 4));
    // First Saturday of April 2050 is the 2nd; 24:00 at -03 is 3 April 3:00 UT.
    EXPECT_EQ(jan.endUt, Ut(2050, 4, 3, 3));

    // Summer time all year: no standard period between one year and the next.
    const PosixTzRule always = *ParsePosixTz("EST5EDT,0/0,J365/25");
    const PosixTzPeriod newYear = PosixTzPeriodAt(always, Ut(2050, 1, 1, 5));
    EXPECT_TRUE(newYear.dst);
    EXPECT_TRUE(PosixTzPeriodAt(always, Ut(2050, 6, 1)).dst);

    const PosixTzPeriod fixed = PosixTzPeriodAt(*ParsePosixTz("<+0545>-5:45"), Ut(2050, 1, 1));
    EXPECT_EQ(fixed.beginUt, LLONG_MIN);
    EXPECT_EQ(fixed.endUt, LLONG_MAX);
}

TEST(TzifFooter, ReadsTheFooterOfAZoneFile) {
    EXPECT_EQ(TzifFooter(ZoneFile("Europe/Madrid")),
              std::optional<std::string>("CET-1CEST,M3.5.0,M10.5.0/3"));
    EXPECT_EQ(TzifFooter(ZoneFile("Asia/Kathmandu")), std::optional<std::string>("<+0545>-5:45"));
    EXPECT_FALSE(TzifFooter("TZif"));
    EXPECT_FALSE(TzifFooter("not a zone file at all, but long enough to have a header....."));
    std::string cut = ZoneFile("Europe/Madrid");
    cut.resize(cut.size() / 2);
    EXPECT_FALSE(TzifFooter(cut));
}

// For every zone of the database whose footer has summer time, the footer and the
// transitions compiled from the same rules must give the same clock wherever both apply:
// from 2030 (after the last announced change of any zone) to the end of the listed
// transitions in 2037. Zones whose files list transitions the footer cannot express beyond
// 2037 (Gaza's and Hebron's Ramadan rules run to 2086) use the footer only after those.
TEST(PosixTzPeriodAt, AgreesWithTheListedTransitionsOfEveryZone) {
    int zonesChecked = 0;
    for (const date::time_zone& zone : date::get_tzdb().zones) {
        const std::optional<std::string> footer = TzifFooter(ZoneFile(zone.name()));
        ASSERT_TRUE(footer) << zone.name();
        const std::optional<PosixTzRule> rule = ParsePosixTz(*footer);
        if (footer->empty()) continue;
        ASSERT_TRUE(rule) << zone.name() << ": " << *footer;
        if (!rule->hasDst) continue;
        const date::sys_info last = zone.get_info(date::sys_days{date::year{2038} / 6 / 1});
        if (last.begin > date::sys_days{date::year{2038} / 1 / 1}) continue;
        ++zonesChecked;
        for (long long ut = Ut(2030, 1, 1); ut < Ut(2037, 1, 1); ut += 4 * 86400 + 3677) {
            const date::sys_info info = zone.get_info(date::sys_seconds{std::chrono::seconds{ut}});
            const PosixTzPeriod p = PosixTzPeriodAt(*rule, ut);
            ASSERT_EQ(p.offsetSeconds, info.offset.count()) << zone.name() << " at " << ut;
            ASSERT_EQ(p.dst, info.save.count() != 0) << zone.name() << " at " << ut;
            ASSERT_EQ(p.abbrev, info.abbrev) << zone.name() << " at " << ut;
            ASSERT_EQ(p.beginUt, info.begin.time_since_epoch().count()) << zone.name();
            ASSERT_EQ(p.endUt, info.end.time_since_epoch().count()) << zone.name();
        }
    }
    EXPECT_GT(zonesChecked, 100);
}

}  // namespace
}  // namespace natalis
