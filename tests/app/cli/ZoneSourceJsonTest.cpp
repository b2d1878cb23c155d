// --json says where the chart's offset came from, after every key it had before.
#include <gtest/gtest.h>

#include <sstream>
#include <string>

#include "app/cli/Headless.h"
#include "app/model/ChartFile.h"
#include "app/model/Cp1252.h"
#include "astro/TimeZoneHistory.h"
#include "tests/app/TempFolder.h"

namespace natalis {
namespace {

// 1 7 1990 at noon in Madrid, zone typed by hand or from the database.
NatalRecord Madrid(bool fromDatabase, long usedSeconds = 7200) {
    NatalRecord r;
    r.NatalName = "Lola";
    r.NatalDay = 1, r.NatalMonth = 7, r.NatalYear = 1990;
    r.HourText = "12", r.MinuteText = "00", r.SecondText = "00";
    r.NatalHour = 12;
    r.ZoneSign = "+", r.ZoneHourText = "0" + std::to_string(usedSeconds / 3600);
    r.ZoneMinuteText = "00";
    r.ZoneHours = static_cast<float>(-usedSeconds / 3600.0);
    r.LatDegText = "40", r.LatMinText = "25", r.LatHemisphere = "N";
    r.LatitudeDeg = 40.4167f;
    r.LonDegText = "003", r.LonMinText = "42", r.LonHemisphere = "W";
    r.LongitudeDeg = -3.7f;
    r.Place = Utf8CutOrPad("Madrid", 30);
    if (fromDatabase)
        r.ZoneFrom = {"Europe/Madrid",     usedSeconds, usedSeconds == 7200 ? "CEST" : "CET",
                      usedSeconds == 7200, false,       "2000a"};
    return r;
}

// The "zoneSource" member of the JSON of one chart (the object's last member, up to the
// object's closing brace), and what stands between the "aspects" key and it.
struct JsonLines {
    int code = -1;
    size_t lines = 0;
    std::string zoneSource, before;
};

JsonLines Json(const TempFolder& dir, const NatalRecord& r) {
    WriteBytes(dir / "c.dat", Utf8ToCp1252(ChartFileText(r, nullptr)).bytes);
    std::ostringstream out, err;
    JsonLines j;
    j.code = HeadlessJson({"--json", dir / "c.dat"}, out, err);
    const std::string text = out.str();
    for (char c : text) j.lines += c == '\n';
    const size_t zone = text.find("\"zoneSource\": ");
    const size_t aspects = text.rfind("\"aspects\": ", zone);
    // The zodiac and the notes come after it.
    const size_t end = text.find(", \"zodiac\": ", zone);
    if (zone == std::string::npos || aspects == std::string::npos || end == std::string::npos ||
        end < zone)
        return j;
    j.zoneSource = text.substr(zone, end - zone);
    const size_t afterKey = aspects + std::string("\"aspects\": ").size();
    j.before = text.substr(afterKey, zone - afterKey);
    return j;
}

TEST(JsonZoneSource, TypedByHand) {
    TempFolder dir;
    const JsonLines j = Json(dir, Madrid(false));
    EXPECT_EQ(j.code, 0);
    EXPECT_EQ(j.lines, 1u);  // one object, one line
    EXPECT_EQ(j.zoneSource,
              "\"zoneSource\": {\"kind\": \"escrito a mano\", \"text\": \"escrito a mano\"}");
    // The aspects array, whole, is the member just before.
    ASSERT_FALSE(j.before.empty());
    EXPECT_EQ(j.before.front(), '[');
    EXPECT_EQ(j.before.substr(j.before.size() - 3), "], ");
}

TEST(JsonZoneSource, FromTheDatabaseWithTodaysReading) {
    TempFolder dir;
    const std::string today = TzdataVersion();
    const JsonLines same = Json(dir, Madrid(true));
    EXPECT_EQ(same.zoneSource,
              "\"zoneSource\": {\"kind\": \"base de datos\", \"text\": \"Europe/Madrid · CEST, "
              "horario de verano · UT+2\", \"zone\": \"Europe/Madrid\", \"offset\": "
              "\"+02:00:00\", \"offsetSeconds\": 7200, \"abbreviation\": \"CEST\", "
              "\"summerTime\": true, \"localMeanTime\": false, \"tzdata\": \"2000a\", \"now\": "
              "{\"status\": \"igual\", \"tzdata\": \"" +
                  today +
                  "\", \"offset\": \"+02:00:00\", \"offsetSeconds\": 7200, \"abbreviation\": "
                  "\"CEST\", \"summerTime\": true, \"localMeanTime\": false}}");

    const JsonLines other = Json(dir, Madrid(true, 3600));
    EXPECT_NE(other.zoneSource.find("\"offset\": \"+01:00:00\""), std::string::npos);
    EXPECT_NE(other.zoneSource.find("\"now\": {\"status\": \"distinto\", \"tzdata\": \"" + today +
                                    "\", \"offset\": \"+02:00:00\""),
              std::string::npos)
        << other.zoneSource;
}

}  // namespace
}  // namespace natalis
