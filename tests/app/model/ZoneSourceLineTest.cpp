// The chart file's line that keeps where the zone came from: written, read back, refused
// when malformed, and matched against the zone line.
#include <gtest/gtest.h>

#include <string>

#include "app/model/ZoneSourceLine.h"
#include "astro/NumberText.h"

namespace natalis {
namespace {

struct LineCase {
    const char* label;
    ZoneSource source;
    const char* line;
};

// Offsets from the tz database: Madrid's CEST, Amsterdam's AMT of the 1930s (Zone line
// "0:19:32 N %s 1937 Jul"), Kathmandu's +0545, and local mean time west of Greenwich.
const LineCase kLines[] = {
    {"MadridSummer",
     {"Europe/Madrid", 7200, "CEST", true, false, "2024a"},
     "Huso horario: Europe/Madrid, +02:00:00, CEST, verano, tzdata 2024a"},
    {"AmsterdamSeconds",
     {"Europe/Amsterdam", 1172, "AMT", false, false, "2023c"},
     "Huso horario: Europe/Amsterdam, +00:19:32, AMT, normal, tzdata 2023c"},
    {"Kathmandu",
     {"Asia/Kathmandu", 20700, "+0545", false, false, "2024a"},
     "Huso horario: Asia/Kathmandu, +05:45:00, +0545, normal, tzdata 2024a"},
    {"LocalMeanTimeWest",
     {"Europe/Madrid", -1144, "LMT", false, true, ""},
     "Huso horario: Europe/Madrid, -00:19:04, LMT, hora media local, tzdata ?"},
};

TEST(ZoneSourceLine, WritesAndReadsBackEverySource) {
    for (const LineCase& c : kLines) {
        SCOPED_TRACE(c.label);
        EXPECT_EQ(ZoneSourceLine(c.source), c.line);
        const auto back = ReadZoneSourceLine(std::string("  ") + c.line + " ");
        ASSERT_TRUE(back.has_value());
        EXPECT_EQ(back->zone, c.source.zone);
        EXPECT_EQ(back->offsetSeconds, c.source.offsetSeconds);
        EXPECT_EQ(back->abbreviation, c.source.abbreviation);
        EXPECT_EQ(back->summerTime, c.source.summerTime);
        EXPECT_EQ(back->localMeanTime, c.source.localMeanTime);
        EXPECT_EQ(back->tzdataVersion, c.source.tzdataVersion);
    }
}

TEST(ZoneSourceLine, HasNoLeadingNumberForTheLayoutsReader) {
    for (const LineCase& c : kLines) EXPECT_EQ(ValLeading(c.line), 0) << c.label;
}

TEST(ZoneSourceLine, RefusesWhatIsNotOne) {
    const char* notOnes[] = {
        "",
        "NOTAS:",
        "Huso horario Europe/Madrid, +02:00:00, CEST, verano, tzdata 2024a",  // no colon
        "Huso horario: Europe/Madrid, +2:00:00, CEST, verano, tzdata 2024a",  // one digit
        "Huso horario: Europe/Madrid, +02:00, CEST, verano, tzdata 2024a",    // no seconds
        "Huso horario: Europe/Madrid, +02:61:00, CEST, verano, tzdata 2024a",
        "Huso horario: Europe/Madrid, +02:00:00, CEST, invierno, tzdata 2024a",
        "Huso horario: Europe/Madrid, +02:00:00, CEST, verano",
        "Huso horario: Europe/Madrid, +02:00:00, CEST, verano, 2024a",
        "Huso horario: , +02:00:00, CEST, verano, tzdata 2024a",
        "Huso horario: Europe/Madrid, +02:00:00, CEST, verano, tzdata 2024a, más",
    };
    for (const char* line : notOnes) EXPECT_FALSE(ReadZoneSourceLine(line)) << line;
}

TEST(ZoneSourceLine, MatchesTheZoneLineToTheNearestMinute) {
    const ZoneSource amsterdam{"Europe/Amsterdam", 1172, "AMT", false, false, "2023c"};
    EXPECT_TRUE(ZoneSourceMatches(amsterdam, -20.0 / 60));       // 6: +00.20
    EXPECT_FALSE(ZoneSourceMatches(amsterdam, -19.0 / 60));      // 6: +00.19, 32 s off
    EXPECT_FALSE(ZoneSourceMatches(amsterdam, 20.0 / 60));       // the wrong side of UT
    const ZoneSource half{"X/Y", -1170, "X", false, false, ""};  // -00:19:30
    EXPECT_TRUE(ZoneSourceMatches(half, 20.0 / 60));
    EXPECT_TRUE(ZoneSourceMatches(half, 19.0 / 60));
}

}  // namespace
}  // namespace natalis
