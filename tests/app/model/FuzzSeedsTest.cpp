// The chart reader's fuzzing starts from fuzz/seeds: among them charts whose zone source line
// the reader accepts, so that the fuzzer mutates from a path that reaches it.
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>

#include "app/model/ChartFile.h"
#include "app/model/ZoneSourceLine.h"

namespace natalis {
namespace {

TEST(FuzzSeeds, ZoneSourceLinesAreAcceptedByTheReader) {
    struct Row {
        const char* seed;
        const char* zone;
        long offsetSeconds;  // as the seed's line writes it
        float zoneHours;     // universal time = local + zoneHours, from that offset
    };
    const Row rows[] = {
        {"huso_madrid_verano.dat", "Europe/Madrid", 7200, -2.0f},
        {"huso_buenos_aires_normal.dat", "America/Argentina/Buenos_Aires", -10800, 3.0f},
        {"huso_hora_media_local.dat", "Europe/Madrid", -884, 884 / 3600.0f},
    };
    for (const Row& row : rows) {
        std::ifstream in(std::string(NATALIS_SOURCE_DIR) + "/fuzz/seeds/" + row.seed,
                         std::ios::binary);
        ASSERT_TRUE(in) << row.seed;
        NatalRecord rec;
        const ChartReadResult r = ReadChartStream(in, row.seed, rec);
        ASSERT_TRUE(r.ok) << row.seed << ": " << ChartReadReport(r);
        EXPECT_EQ(rec.ZoneFrom.zone, row.zone) << row.seed;
        EXPECT_EQ(rec.ZoneFrom.offsetSeconds, row.offsetSeconds) << row.seed;
        EXPECT_FLOAT_EQ(rec.ZoneHours, row.zoneHours) << row.seed;
    }
}

TEST(FuzzSeeds, TheDictionaryHoldsTheZoneSourceMark) {
    std::ifstream in(std::string(NATALIS_SOURCE_DIR) + "/fuzz/chart.dict");
    std::stringstream text;
    text << in.rdbuf();
    EXPECT_NE(text.str().find("\"" + std::string(kZoneSourceMark) + "\""), std::string::npos);
}

}  // namespace
}  // namespace natalis
