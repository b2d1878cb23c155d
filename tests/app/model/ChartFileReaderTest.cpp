// Reading chart files: fields by their leading number, the zone's sign from the longitude
// or from an explicit sign, and every malformed file refused with the same message.
#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>
#include <string>
#include <vector>

#include "app/model/ChartFile.h"
#include "app/model/Cp1252.h"
#include "tests/app/TempFolder.h"

namespace natalis {
namespace {

const char* const kHeader[] = {
    " No cambiar el orden de los datos natales. El orden por renglon es : 1-Nombre",
    " 2-dia  3-mes  4-año  5-hora local  6-huso  7-latitud  8-longitud  9-lugar(opcional).",
    " ",
    "_____________________________________________ Inicio datos natales",
    "",
};

// A chart file's bytes: the usual header, then the given lines (UTF-8, stored in
// Windows-1252), each ended by eol.
std::string ChartBytes(const std::vector<std::string>& lines, const std::string& eol = "\r\n") {
    std::string text;
    for (const char* h : kHeader) text += std::string(h) + eol;
    for (const std::string& l : lines) text += l + eol;
    return Utf8ToCp1252(text).bytes;
}

ChartReadResult ReadBytes(const std::string& bytes, NatalRecord& rec,
                          const std::string& fileName = "prueba.dat") {
    std::istringstream in(bytes);
    return ReadChartStream(in, fileName, rec);
}

const std::vector<std::string> kAna = {
    "1: Ana Gómez", "2: 5",       "3; 3",
    "4: 1970",      "5: 09.0730", "6: 03.00",
    "7: 34.36S",    "8: 058.27W", "9: Buenos Aires                  ",
};

// Every field of the record as text, to compare whole records.
std::vector<std::string> Fields(const NatalRecord& r) {
    const auto f = [](float x) { return std::to_string(x); };
    return {r.NatalName,
            r.NatalNameFixed,
            r.DayText,
            r.MonthText,
            r.YearText,
            std::to_string(r.NatalDay),
            std::to_string(r.NatalMonth),
            std::to_string(r.NatalYear),
            r.FechaNatalTexto,
            r.HourText,
            r.MinuteText,
            r.SecondText,
            r.TimeText,
            f(r.NatalHour),
            r.ZoneHourText,
            r.ZoneMinuteText,
            r.ZoneText,
            r.ZoneSign,
            f(r.ZoneHours),
            r.LatDegText,
            r.LatMinText,
            r.LatHemisphere,
            r.LatText,
            f(r.LatitudeDeg),
            r.LonDegText,
            r.LonMinText,
            r.LonHemisphere,
            r.LonText,
            f(r.LongitudeDeg),
            r.Place};
}

// A record as a previous chart left it, so that kept fields can be told apart.
NatalRecord PreviousChart() {
    NatalRecord r;
    std::istringstream in(ChartBytes({"1: Previa", "2: 9", "3; 7", "4: 1950", "5: 01.0203",
                                      "6: 05.00", "7: 10.00N", "8: 070.00W", "9: Lima"}));
    EXPECT_TRUE(ReadChartStream(in, "previa.dat", r).ok);
    return r;
}

TEST(ChartFileReader, ReadsEveryFieldOfAWrittenChart) {
    NatalRecord r;
    ASSERT_TRUE(ReadBytes(ChartBytes(kAna), r).ok);
    EXPECT_EQ(r.NatalName, " Ana Gómez");  // keeps the blank after the label
    EXPECT_EQ(r.NatalNameFixed, " Ana Gómez                    ");
    EXPECT_EQ(r.NatalDay, 5);
    EXPECT_EQ(r.NatalMonth, 3);
    EXPECT_EQ(r.NatalYear, 1970);
    EXPECT_EQ(r.DayText, "5");
    EXPECT_EQ(r.FechaNatalTexto, "5 3 1970");
    EXPECT_EQ(r.TimeText, "09:07:30");
    EXPECT_FLOAT_EQ(r.NatalHour, 9.125f);  // 9 + 7/60 + 30/3600
    EXPECT_EQ(r.ZoneText, "03.00");
    EXPECT_EQ(r.ZoneSign, "");
    EXPECT_FLOAT_EQ(r.ZoneHours, 3);
    EXPECT_EQ(r.LatText, "34.36S");
    EXPECT_FLOAT_EQ(r.LatitudeDeg, -34.6f);
    EXPECT_EQ(r.LonText, "058.27W");
    EXPECT_FLOAT_EQ(r.LongitudeDeg, -58.45f);
    EXPECT_EQ(r.Place, "Buenos Aires                  ");
}

// The edge cases of the line rules, each read over the previous chart.
TEST(ChartFileReader, LineRules) {
    struct Row {
        const char* what;
        std::vector<std::string> lines;
        std::vector<std::pair<std::string, std::string>> expect;  // field -> value
    };
    const NatalRecord before = PreviousChart();
    const std::vector<Row> rows = {
        {"time 14.3000 is 14.5 h",
         {"5: 14.3000"},
         {{"NatalHour", "14.5"}, {"TimeText", "14:30:00"}}},
        {"zone west stays positive", {"6: 03.00", "8: 058.27W"}, {{"ZoneHours", "3"}}},
        {"zone east is negated", {"6: 03.00", "8: 002.10E"}, {{"ZoneHours", "-3"}}},
        {"one-digit degrees read as 0",
         {"6: 03.00", "8: 5.30W"},
         {{"LonDegText", ": 5"}, {"LongitudeDeg", "-0.5"}, {"ZoneHours", "3"}}},
        {"two-digit degrees", {"8: 05.30W"}, {{"LonDegText", " 05"}, {"LongitudeDeg", "-5.5"}}},
        {"0 degrees east keeps the zone's sign", {"6: 03.00", "8: 000.00E"}, {{"ZoneHours", "3"}}},
        {"0 degrees west keeps the zone's sign", {"6: 03.00", "8: 000.00W"}, {{"ZoneHours", "3"}}},
        {"lower-case s is north", {"7: 34.36s"}, {{"LatHemisphere", "N"}, {"LatitudeDeg", "34.6"}}},
        {"lower-case w is east",
         {"6: 03.00", "8: 058.27w"},
         {{"LonHemisphere", "E"}, {"ZoneHours", "-3"}}},
        {"a second longitude line negates again",
         {"6: 03.00", "8: 002.10E", "8: 002.10E"},
         {{"ZoneHours", "3"}}},
        {"missing month keeps the previous one",
         {"2: 5", "4: 1970"},
         {{"NatalMonth", "7"}, {"FechaNatalTexto", "5 7 1970"}}},
        {"negative year",
         {"2: 5", "3; 3", "4: -500"},
         {{"YearText", "-500"}, {"FechaNatalTexto", "5 3 -500"}}},
        {"day rounds halves to even", {"2: 2.5"}, {{"NatalDay", "2"}, {"DayText", "2.5"}}},
        {"day with leading zeros", {"2: 007"}, {{"NatalDay", "7"}, {"DayText", "7"}}},
        {"lines numbered 10, 1.5 and -3 are skipped",
         {"10: Otro", "1.5 Otro", "-3: Otro"},
         {{"NatalName", " Previa"}}},
        {"without a place line notes are read as fields",
         {"1: Ana", "NOTAS:", "1 nota suelta"},
         {{"NatalName", "nota suelta"}, {"Place", "Lima                          "}}},
        {"reading stops at the place line",
         {"1: Ana", "9: Rosario", "1: Otra", "5: xx"},
         {{"NatalName", " Ana"}, {"Place", "Rosario                       "}}},
        {"place trimmed and cut to 30",
         {"9:   Santa María de los Buenos Ayres del Plata  "},
         {{"Place", "Santa María de los Buenos Ayre"}}},
        {"explicit + is ahead of universal time",
         {"6: +01.00", "8: 002.10E"},
         {{"ZoneHours", "-1"}, {"ZoneSign", "+"}, {"ZoneHourText", "01"}, {"ZoneText", "01.00"}}},
        {"explicit - is behind it, even east",
         {"6: -03.00", "8: 002.10E"},
         {{"ZoneHours", "3"}, {"ZoneSign", "-"}}},
        {"explicit + west of Greenwich",
         {"6: +01.00", "8: 058.27W"},
         {{"ZoneHours", "-1"}, {"ZoneSign", "+"}}},
        {"explicit sign without leading zero",
         {"6: -3.30"},
         {{"ZoneHours", "3.5"}, {"ZoneHourText", "3"}, {"ZoneText", "3.30"}}},
        {"an unsigned zone line clears an earlier sign",
         {"6: +01.00", "6: 02.00", "8: 002.10E"},
         {{"ZoneHours", "-2"}, {"ZoneSign", ""}}},
    };
    const std::vector<std::string> names = {
        "NatalName",      "NatalNameFixed", "DayText",   "MonthText",       "YearText",
        "NatalDay",       "NatalMonth",     "NatalYear", "FechaNatalTexto", "HourText",
        "MinuteText",     "SecondText",     "TimeText",  "NatalHour",       "ZoneHourText",
        "ZoneMinuteText", "ZoneText",       "ZoneSign",  "ZoneHours",       "LatDegText",
        "LatMinText",     "LatHemisphere",  "LatText",   "LatitudeDeg",     "LonDegText",
        "LonMinText",     "LonHemisphere",  "LonText",   "LongitudeDeg",    "Place"};
    for (const Row& row : rows) {
        NatalRecord r = before;
        ASSERT_TRUE(ReadBytes(ChartBytes(row.lines), r).ok) << row.what;
        const std::vector<std::string> got = Fields(r);
        for (const auto& [field, value] : row.expect) {
            const size_t i = std::find(names.begin(), names.end(), field) - names.begin();
            ASSERT_LT(i, names.size()) << field;
            const bool number = field == "NatalHour" || field == "ZoneHours" ||
                                field == "LatitudeDeg" || field == "LongitudeDeg";
            if (number)
                EXPECT_FLOAT_EQ(std::stof(got[i]), std::stof(value)) << row.what << ": " << field;
            else
                EXPECT_EQ(got[i], value) << row.what << ": " << field;
        }
    }
}

TEST(ChartFileReader, LineEndsAndTrailingBlanksDoNotMatter) {
    NatalRecord crlf, lf, cr, blanks;
    ASSERT_TRUE(ReadBytes(ChartBytes(kAna), crlf).ok);
    ASSERT_TRUE(ReadBytes(ChartBytes(kAna, "\n"), lf).ok);
    ASSERT_TRUE(ReadBytes(ChartBytes(kAna, "\r"), cr).ok);
    std::vector<std::string> padded;
    for (const std::string& l : kAna) padded.push_back(l + "    ");
    ASSERT_TRUE(ReadBytes(ChartBytes(padded), blanks).ok);
    EXPECT_EQ(Fields(lf), Fields(crlf));
    EXPECT_EQ(Fields(cr), Fields(crlf));
    EXPECT_EQ(Fields(blanks), Fields(crlf));
}

// The reader's one message, for every kind of malformed file.
TEST(ChartFileReader, MalformedFilesGiveTheErrorAndChangeNothing) {
    const std::string longName = "1: " + std::string(kMaxChartLineBytes - 2, 'x');
    struct Row {
        const char* what;
        std::string bytes;
    };
    const std::vector<Row> rows = {
        {"time with one character before the point", ChartBytes({"1: Ana", "5:9.0730"})},
        {"time without a point", ChartBytes({"5: 090730"})},
        {"zone without a point", ChartBytes({"6: 3"})},
        {"latitude with the point right after the number", ChartBytes({"7.S"})},
        {"latitude without a point", ChartBytes({"7: 34 36S"})},
        {"longitude with two characters before the point", ChartBytes({"8:.5W"})},
        {"longitude without a point", ChartBytes({"8: 058 27W"})},
        {"day beyond a 16-bit integer", ChartBytes({"2: 40000"})},
        {"year that rounds to 32768", ChartBytes({"4: 32767.5"})},
        {"year with a huge exponent", ChartBytes({"4: 1e400"})},
        {"line longer than the limit", ChartBytes({longName})},
        {"NUL byte", ChartBytes({std::string("1: A\0na", 7)})},
        {"binary garbage", std::string("\x89PNG\r\n\x1a\n\0\0\0\rIHDR\x01\x02", 20)},
        {"empty file", ""},
        {"text without any field", "hola\r\nmundo\r\n"},
    };
    const NatalRecord before = PreviousChart();
    for (const Row& row : rows) {
        NatalRecord r = before;
        const ChartReadResult res = ReadBytes(row.bytes, r, "Ana.dat");
        EXPECT_FALSE(res.ok) << row.what;
        EXPECT_EQ(res.message,
                  "Hay error en los datos de Ana.dat\nUtilice el block de notas para corregir "
                  "los datos natales, \no borre el archivo con el explorador de Windows.  ")
            << row.what;
        EXPECT_EQ(res.title, "Error en Archivo") << row.what;
        EXPECT_EQ(Fields(r), Fields(before)) << row.what << ": the record changed";
    }
}

TEST(ChartFileReader, EdgeValuesThatStillRead) {
    struct Row {
        const char* what;
        std::vector<std::string> lines;
    };
    const std::vector<Row> rows = {
        {"line of exactly the limit", {"1: " + std::string(kMaxChartLineBytes - 3, 'x')}},
        {"year -32768.5 rounds to -32768", {"4: -32768.5"}},
        {"tab inside a name", {"1: Ana\tMaría"}},
        {"long line after the place line", {"9: Lima", std::string(5000, 'n')}},
        {"control bytes after the place line", {"9: Lima", std::string("\0\x01", 2)}},
    };
    for (const Row& row : rows) {
        NatalRecord r;
        EXPECT_TRUE(ReadBytes(ChartBytes(row.lines), r).ok) << row.what;
    }
}

TEST(ChartFileReader, ReadsFromTheFolder) {
    TempFolder folder;
    WriteBytes(folder / "Ana.dat", ChartBytes(kAna));
    NatalRecord r;
    ASSERT_TRUE(ReadChartFile(folder.path(), "Ana.dat", r).ok);
    EXPECT_EQ(r.NatalName, " Ana Gómez");

    // A folder given without its trailing separator works the same.
    NatalRecord again;
    std::string bare = folder.path();
    bare.pop_back();
    ASSERT_TRUE(ReadChartFile(bare, "Ana.dat", again).ok);
    EXPECT_EQ(Fields(again), Fields(r));
}

TEST(ChartFileReader, MissingFileOrAFolderGiveTheError) {
    TempFolder folder;
    ::mkdir((folder / "carpeta.dat").c_str(), 0755);
    for (const char* name : {"Nadie.dat", "carpeta.dat"}) {
        NatalRecord r = PreviousChart();
        const ChartReadResult res = ReadChartFile(folder.path(), name, r);
        EXPECT_FALSE(res.ok) << name;
        EXPECT_EQ(res.message, ChartReadErrorMessage(name));
        EXPECT_EQ(r.NatalName, " Previa");
    }
}

}  // namespace
}  // namespace natalis
