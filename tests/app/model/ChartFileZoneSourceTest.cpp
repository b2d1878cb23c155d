// Chart files that keep where the zone came from: the writer puts the source line right
// after the place line, the reader takes it back with the offset to the second, and a
// reader that knows only the layout's rules (reading ends at the place line) gets the same
// chart without it. Old files read as they always did.
#include <dirent.h>
#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "app/model/ChartFile.h"
#include "app/model/Cp1252.h"
#include "astro/NumberText.h"
#include "tests/app/model/ChartRoundTrip.h"

namespace natalis {
namespace {

// A record as the entry form leaves it for a birth in Madrid whose zone the database gave.
NatalRecord MadridRecord() {
    NatalRecord r;
    r.NatalName = "Lola";
    r.NatalDay = 1, r.NatalMonth = 7, r.NatalYear = 1990;
    r.HourText = "12", r.MinuteText = "00", r.SecondText = "00";
    r.NatalHour = 12;
    r.ZoneSign = "+", r.ZoneHourText = "02", r.ZoneMinuteText = "00";
    r.ZoneHours = -2;
    r.LatDegText = "40", r.LatMinText = "25", r.LatHemisphere = "N";
    r.LatitudeDeg = 40.4167f;
    r.LonDegText = "003", r.LonMinText = "42", r.LonHemisphere = "W";
    r.LongitudeDeg = -3.7f;
    r.Place = Utf8CutOrPad("Madrid", 30);
    r.ZoneFrom = {"Europe/Madrid", 7200, "CEST", true, false, "2024a"};
    return r;
}

// The same birth in Amsterdam in 1935, under Amsterdam Mean Time + 1 (NST, +1:19:32).
NatalRecord AmsterdamRecord() {
    NatalRecord r = MadridRecord();
    r.NatalYear = 1935;
    r.ZoneHourText = "01", r.ZoneMinuteText = "20";
    r.ZoneHours = static_cast<float>(-4772 / 3600.0);
    r.LatDegText = "52", r.LatMinText = "22";
    r.LatitudeDeg = 52.3667f;
    r.LonDegText = "004", r.LonMinText = "53", r.LonHemisphere = "E";
    r.LongitudeDeg = 4.8833f;
    r.Place = Utf8CutOrPad("Amsterdam", 30);
    r.ZoneFrom = {"Europe/Amsterdam", 4772, "NST", true, false, "2024a"};
    return r;
}

NatalRecord Read(const std::string& utf8Text, bool* ok = nullptr) {
    std::istringstream in(Utf8ToCp1252(utf8Text).bytes);
    NatalRecord r;
    const bool read = ReadChartStream(in, "x.dat", r).ok;
    if (ok) *ok = read;
    return r;
}

std::vector<std::string> TextLines(const std::string& text) {
    std::vector<std::string> lines;
    std::size_t from = 0;
    for (std::size_t at; (at = text.find("\r\n", from)) != std::string::npos; from = at + 2)
        lines.push_back(text.substr(from, at - from));
    return lines;
}

// The text without the lines that start with the source mark: what a file written before
// the program kept the source looks like.
std::string WithoutSource(const std::string& text) {
    std::string out;
    for (const std::string& l : TextLines(text))
        if (l.rfind("Huso horario: ", 0) != 0) out += l + "\r\n";
    return out;
}

TEST(ChartFileZoneSource, WrittenRightAfterThePlaceLine) {
    const std::vector<std::string> lines = TextLines(ChartFileText(MadridRecord(), nullptr));
    ASSERT_EQ(lines.size(), 20u);  // the layout's 19 lines and the source line
    EXPECT_EQ(lines[10], "6: +02.00");
    EXPECT_EQ(lines[13].substr(0, 3), "9: ");
    EXPECT_EQ(lines[14], "Huso horario: Europe/Madrid, +02:00:00, CEST, verano, tzdata 2024a");
    EXPECT_EQ(lines[15], "_____________________________________________ Fin datos natales");
}

TEST(ChartFileZoneSource, HandTypedZoneWritesTheLayoutAsBefore) {
    NatalRecord r = MadridRecord();
    r.ZoneFrom = {};
    const std::string plain = ChartFileText(r, nullptr);
    EXPECT_EQ(TextLines(plain).size(), 19u);
    // With the source, the only difference is the one line added.
    EXPECT_EQ(WithoutSource(ChartFileText(MadridRecord(), nullptr)), plain);
}

TEST(ChartFileZoneSource, RoundTripKeepsTheSourceAndTheSeconds) {
    for (const NatalRecord& r : {MadridRecord(), AmsterdamRecord()}) {
        SCOPED_TRACE(r.ZoneFrom.zone);
        bool ok = false;
        const NatalRecord back = Read(ChartFileText(r, nullptr), &ok);
        ASSERT_TRUE(ok);
        EXPECT_EQ(back.ZoneFrom.zone, r.ZoneFrom.zone);
        EXPECT_EQ(back.ZoneFrom.offsetSeconds, r.ZoneFrom.offsetSeconds);
        EXPECT_EQ(back.ZoneFrom.abbreviation, r.ZoneFrom.abbreviation);
        EXPECT_EQ(back.ZoneFrom.summerTime, r.ZoneFrom.summerTime);
        EXPECT_EQ(back.ZoneFrom.tzdataVersion, r.ZoneFrom.tzdataVersion);
        EXPECT_EQ(back.ZoneHours, r.ZoneHours);  // to the second, exactly as written
        EXPECT_EQ(ChartFileText(back, nullptr), ChartFileText(r, nullptr));
        EXPECT_EQ(ChartRecordProblem(r), std::nullopt);
    }
}

TEST(ChartFileZoneSource, RulesOnlyReadingGetsTheSameChartLessTheSource) {
    for (const NatalRecord& r : {MadridRecord(), AmsterdamRecord()}) {
        SCOPED_TRACE(r.ZoneFrom.zone);
        const std::string text = ChartFileText(r, nullptr);
        // Every line the layout does not know has no field number, and comes after the
        // place line, where the layout's reader has already stopped.
        const std::vector<std::string> lines = TextLines(text);
        bool afterPlace = false;
        for (const std::string& l : lines) {
            if (l.rfind("Huso horario: ", 0) == 0) {
                EXPECT_TRUE(afterPlace);
                EXPECT_EQ(ValLeading(l), 0);
            }
            afterPlace = afterPlace || l.rfind("9: ", 0) == 0;
        }
        bool ok = false, okOld = false;
        NatalRecord withSource = Read(text, &ok);
        const NatalRecord rulesOnly = Read(WithoutSource(text), &okOld);
        ASSERT_TRUE(ok && okOld);
        EXPECT_FALSE(rulesOnly.ZoneFrom.FromDatabase());
        // The same chart, the zone to the minute of the zone line.
        const long lineSeconds = CIntEven(-rulesOnly.ZoneHours * 60) * 60;
        EXPECT_EQ(lineSeconds, CIntEven(r.ZoneFrom.offsetSeconds / 60.0) * 60);
        withSource.ZoneFrom = {};
        withSource.ZoneHours = rulesOnly.ZoneHours;
        EXPECT_EQ(RecordFields(withSource), RecordFields(rulesOnly));
    }
}

TEST(ChartFileZoneSource, FourteenHoursFromTheDatabaseAreKept) {
    // Z Pacific/Kiritimati ... 14 - +14: the line islands, fourteen hours ahead since 1994.
    NatalRecord r = MadridRecord();
    r.NatalYear = 2000, r.NatalMonth = 1;
    r.ZoneHourText = "14";
    r.ZoneHours = -14;
    r.LonDegText = "157", r.LonMinText = "28";
    r.LongitudeDeg = -157.4667f;
    r.ZoneFrom = {"Pacific/Kiritimati", 14 * 3600, "+14", false, false, "2024a"};
    const std::string text = ChartFileText(r, nullptr);
    EXPECT_EQ(TextLines(text)[10], "6: +14.00");
    EXPECT_EQ(ChartRecordProblem(r), std::nullopt);
    bool ok = false;
    const NatalRecord back = Read(text, &ok);
    ASSERT_TRUE(ok);
    EXPECT_EQ(back.ZoneHours, -14);
    EXPECT_EQ(back.ZoneFrom.zone, "Pacific/Kiritimati");
    // Without the source line the file holds an offset no hand may type: it is refused,
    // with the reason, as before.
    std::istringstream old(Utf8ToCp1252(WithoutSource(text)).bytes);
    NatalRecord oldRead;
    const ChartReadResult refused = ReadChartStream(old, "x.dat", oldRead);
    EXPECT_FALSE(refused.ok);
    EXPECT_EQ(refused.line, 11);
}

TEST(ChartFileZoneSource, ZoneLineChangedByHandWinsOverTheSource) {
    std::string text = ChartFileText(MadridRecord(), nullptr);
    text.replace(text.find("6: +02.00"), 9, "6: +01.00");
    bool ok = false;
    const NatalRecord r = Read(text, &ok);
    ASSERT_TRUE(ok);
    EXPECT_FALSE(r.ZoneFrom.FromDatabase());
    EXPECT_EQ(r.ZoneHours, -1);
}

TEST(ChartFileZoneSource, SourceLineElsewhereIsNotes) {
    const std::string line = "Huso horario: Europe/Madrid, +02:00:00, CEST, verano, tzdata 2024a";
    NatalRecord hand = MadridRecord();
    hand.ZoneFrom = {};
    const std::string notes = "Nació al mediodía.\n" + line;
    bool ok = false;
    const NatalRecord r = Read(ChartFileText(hand, &notes), &ok);
    ASSERT_TRUE(ok);
    EXPECT_FALSE(r.ZoneFrom.FromDatabase());
}

TEST(ChartFileZoneSource, LoadingAnotherFileForgetsThePreviousSource) {
    NatalRecord r = MadridRecord();
    NatalRecord hand = MadridRecord();
    hand.ZoneFrom = {};
    std::istringstream in(Utf8ToCp1252(ChartFileText(hand, nullptr)).bytes);
    ASSERT_TRUE(ReadChartStream(in, "x.dat", r).ok);
    EXPECT_FALSE(r.ZoneFrom.FromDatabase());
}

TEST(ChartFileZoneSource, SampleChartsHaveNoSourceAndReadAsTheirDataBlock) {
    const std::string folder = std::string(NATALIS_SOURCE_DIR) + "/charts/";
    DIR* dir = ::opendir(folder.c_str());
    ASSERT_NE(dir, nullptr);
    int files = 0;
    for (dirent* e; (e = ::readdir(dir)) != nullptr;) {
        const std::string name = e->d_name;
        if (name.size() < 4 || name.substr(name.size() - 4) != ".dat") continue;
        ++files;
        NatalRecord r;
        ASSERT_TRUE(ReadChartFile(folder, name, r).ok) << name;
        EXPECT_FALSE(r.ZoneFrom.FromDatabase()) << name;
        // What the writer makes of it is still the plain layout.
        EXPECT_EQ(ChartFileText(r, nullptr).find("Huso horario: "), std::string::npos) << name;
    }
    ::closedir(dir);
    EXPECT_GT(files, 0);
}

}  // namespace
}  // namespace natalis
