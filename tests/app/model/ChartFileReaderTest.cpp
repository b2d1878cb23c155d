// Reading chart files: fields by their leading number, the zone's sign from the longitude
// or from an explicit sign, and every malformed file refused with the same message.
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <sstream>
#include <string>
#include <vector>

#include "app/model/ChartFile.h"
#include "app/model/Cp1252.h"
#include "tests/app/TempFolder.h"
#include "tests/app/model/ChartRoundTrip.h"

namespace natalis {
namespace {

using namespace std::string_literals;

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

// Data lines only, without the header (whose second line is read as a day line giving day
// 0), to read a few lines over a previous chart.
std::string DataBytes(const std::vector<std::string>& lines) {
    std::string text;
    for (const std::string& l : lines) text += l + "\r\n";
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
         {"10: Otro", "1.5 Otro", "-3: Otro", "2: 9"},
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
        const ChartReadResult res = ReadBytes(DataBytes(row.lines), r);
        ASSERT_TRUE(res.ok) << row.what << ": " << ChartReadReport(res);
        const std::vector<std::string> got = RecordFields(r);
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
    EXPECT_EQ(RecordFields(lf), RecordFields(crlf));
    EXPECT_EQ(RecordFields(cr), RecordFields(crlf));
    EXPECT_EQ(RecordFields(blanks), RecordFields(crlf));
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
        {"binary garbage", "\x89PNG\r\n\x1a\n\0\0\0\rIHDR\x01\x02"s},
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
        EXPECT_EQ(RecordFields(r), RecordFields(before)) << row.what << ": the record changed";
    }
}

// Each read over the previous chart, which gives the fields the lines leave out.
TEST(ChartFileReader, EdgeValuesThatStillRead) {
    struct Row {
        const char* what;
        std::vector<std::string> lines;
    };
    const std::vector<Row> rows = {
        {"line of exactly the limit", {"1: " + std::string(kMaxChartLineBytes - 3, 'x')}},
        {"longest name without a blank after the label",
         {"1:" + std::string(kMaxChartLineBytes - 3, 'x')}},
        {"tab inside a name", {"1: Ana\tMaría"}},
        {"long line after the place line", {"9: Lima", std::string(5000, 'n')}},
        {"control bytes after the place line", {"9: Lima", std::string("\0\x01", 2)}},
        // The ends of the ranges of the entry form and the date parser.
        {"years -3000 and 3000", {"4: -3000", "4: 3000"}},
        {"29 February of a Gregorian leap year", {"2: 29", "3; 2", "4: 2000"}},
        {"day 0.6 rounds to 1", {"2: 0.6"}},
        {"last second of the day", {"5: 23.5959"}},
        {"zone of 12 hours and 59 minutes", {"6: 12.59", "6: +12.59", "6: -12.59"}},
        {"latitude 89 59 and longitude 179 59", {"7: 89.59S", "8: 179.59E"}},
        {"one-digit parts", {"5: 9.5", "6: 3.3", "7:  1.1N", "8:   2.2W"}},
    };
    for (const Row& row : rows) {
        NatalRecord r = PreviousChart();
        const ChartReadResult res = ReadBytes(DataBytes(row.lines), r);
        EXPECT_TRUE(res.ok) << row.what << ": " << ChartReadReport(res);
    }
}

// The header alone, with its second line read as a day line, gives the file line 2 of day
// 0; the day line after it overrides it.
TEST(ChartFileReader, HeaderAloneIsRefusedAndItsDayLineIsOverridden) {
    NatalRecord r = PreviousChart();
    const ChartReadResult res = ReadBytes(ChartBytes({}), r, "Ana.dat");
    EXPECT_FALSE(res.ok);
    EXPECT_EQ(res.line, 2);
    EXPECT_EQ(ChartReadReport(res),
              "Hay error en los datos de Ana.dat\nUtilice el block de notas para corregir los "
              "datos natales, \no borre el archivo con el explorador de Windows.  \nRenglón 2: "
              "el día 0 no es correcto: los días son de 1 a 31.");
    EXPECT_EQ(r.NatalDay, 9);  // unchanged
    NatalRecord withDay = PreviousChart();
    ASSERT_TRUE(ReadBytes(ChartBytes({"2: 5"}), withDay).ok);
    EXPECT_EQ(withDay.NatalDay, 5);
}

// What the command line adds to the error box's text: the file line at fault and why. The
// file lines count the five lines of the header (so kAna's day is line 7 ... place 14).
TEST(ChartFileReader, RefusalsNameTheLineAndTheReason) {
    // kAna with line n (1 name ... 9 place) replaced.
    const auto ana = [](int field, const std::string& line) {
        std::vector<std::string> lines = kAna;
        lines[field - 1] = line;
        return ChartBytes(lines);
    };
    const std::string huge = "1" + std::string(400, '0');
    struct Row {
        const char* what;
        std::string bytes;
        int line;
        std::string reason;
    };
    const std::vector<Row> rows = {
        {"year 5401", ana(4, "4: 5401"), 9,
         "el año 5401 está fuera del rango del programa, de -3000 a 3000"},
        {"year -3001", ana(4, "4: -3001"), 9,
         "el año -3001 está fuera del rango del programa, de -3000 a 3000"},
        {"year of 401 digits", ana(4, "4: " + huge), 9,
         "el año 1.79769313486232E+308 está fuera del rango del programa, de -3000 a 3000"},
        {"year beyond 16 bits", ana(4, "4: -32768.5"), 9,
         "el año -32768 está fuera del rango del programa, de -3000 a 3000"},
        {"month 0", ana(3, "3; 0"), 8, "el mes 0 no es correcto: los meses son de 1 a 12"},
        {"month 13", ana(3, "3; 13"), 8, "el mes 13 no es correcto: los meses son de 1 a 12"},
        {"day 0", ana(2, "2: 0"), 7, "el día 0 no es correcto: los días son de 1 a 31"},
        {"day 32", ana(2, "2: 32"), 7, "el día 32 no es correcto: los días son de 1 a 31"},
        {"day 0.4 rounds to 0", ana(2, "2: 0.4"), 7,
         "el día 0 no es correcto: los días son de 1 a 31"},
        {"time 99.9999", ana(5, "5: 99.9999"), 10,
         "la hora 99 no es correcta: las horas son de 0 a 23"},
        {"hour 24", ana(5, "5: 24.0000"), 10, "la hora 24 no es correcta: las horas son de 0 a 23"},
        {"negative hour", ana(5, "5: -1.0000"), 10,
         "la hora -1 no es correcta: las horas son de 0 a 23"},
        {"minute 60", ana(5, "5: 09.6000"), 10,
         "los minutos 60 de la hora no son correctos: son de 0 a 59"},
        {"second 60", ana(5, "5: 09.0760"), 10,
         "los segundos 60 de la hora no son correctos: son de 0 a 59"},
        {"half a minute", ana(5, "5: 09..530"), 10,
         "los minutos 0.5 de la hora no son correctos: son de 0 a 59, sin decimales"},
        {"zone of 13 hours", ana(6, "6: 13.00"), 11,
         "el huso de 13 horas no es correcto: la mayor diferencia horaria es de 12 horas"},
        {"signed zone of 13 hours", ana(6, "6: +13.00"), 11,
         "el huso de 13 horas no es correcto: la mayor diferencia horaria es de 12 horas"},
        {"zone minutes 75", ana(6, "6: 03.75"), 11,
         "los minutos 75 del huso no son correctos: son de 0 a 59"},
        {"latitude 99.99 N", ana(7, "7: 99.99N"), 12,
         "la latitud de 99 grados no es correcta: es de 0 a 89"},
        {"latitude 90", ana(7, "7: 90.00S"), 12,
         "la latitud de 90 grados no es correcta: es de 0 a 89"},
        {"latitude minutes 60", ana(7, "7: 34.60S"), 12,
         "los minutos 60 de la latitud no son correctos: son de 0 a 59"},
        {"longitude 180", ana(8, "8: 180.00W"), 13,
         "la longitud de 180 grados no es correcta: es de 0 a 179"},
        {"longitude minutes 99", ana(8, "8: 058.99W"), 13,
         "los minutos 99 de la longitud no son correctos: son de 0 a 59"},
        {"name too long", ana(1, "1:" + std::string(kMaxChartLineBytes - 2, 'x')), 6,
         "el nombre tiene más de 997 caracteres"},
        {"time line without a point", ana(5, "5: 090730"), 10,
         "la hora debe escribirse con dos cifras antes del punto, como en 5: 09.0730"},
        {"zone line without a point", ana(6, "6: 3"), 11,
         "el huso debe escribirse con dos cifras antes del punto, como en 6: 03.00"},
        {"latitude line without a point", ana(7, "7: 34 36S"), 12,
         "la latitud debe escribirse con dos cifras antes del punto, como en 7: 34.36S"},
        {"longitude line with two characters before the point", ana(8, "8:.5W"), 13,
         "la longitud debe escribirse con tres cifras antes del punto, como en 8: 058.27W"},
        {"line too long", ana(1, "1: " + std::string(kMaxChartLineBytes, 'x')), 6,
         "tiene más de 1000 caracteres"},
        {"control byte", ana(1, std::string("1: A\x01na")), 6,
         "tiene caracteres de control, que un archivo de texto no lleva"},
        {"text without any field", "hola\r\nmundo\r\n", 0,
         "no tiene ningún renglón de datos natales (1: a 9:)"},
        {"no month over a new record", DataBytes({"2: 5", "4: 1970"}), 0,
         "falta el renglón del mes (3;)"},
    };
    for (const Row& row : rows) {
        NatalRecord r;
        const ChartReadResult res = ReadBytes(row.bytes, r, "Ana.dat");
        ASSERT_FALSE(res.ok) << row.what;
        EXPECT_EQ(res.line, row.line) << row.what;
        EXPECT_EQ(res.reason, row.reason) << row.what;
        EXPECT_EQ(res.message, ChartReadErrorMessage("Ana.dat")) << row.what;
        std::string said = row.reason;
        if (row.line > 0)
            said = "Renglón " + std::to_string(row.line) + ": " + said;
        else
            said[0] = static_cast<char>(std::toupper(static_cast<unsigned char>(said[0])));
        EXPECT_EQ(ChartReadReport(res), res.message + "\n" + said + ".") << row.what;
    }
}

TEST(ChartFileReader, DaysTheirMonthDoesNotHaveAreRefusedWithTheDateParsersMessage) {
    // The leap rules: Julian before 1583, Gregorian after (1900 no leap year, 2000 one).
    struct Row {
        const char *day, *month, *year;
        const char* reason;  // nullptr: the date reads
    };
    const Row rows[] = {
        {"31", "2", "1970", "Dia 31 es incorrecto: febrero de 1970 tiene 28 días"},
        {"30", "2", "2000", "Dia 30 es incorrecto: febrero de 2000 tiene 29 días"},
        {"31", "4", "2000", "Dia 31 es incorrecto: abril de 2000 tiene 30 días"},
        {"29", "2", "1900", "Dia 29 es incorrecto: febrero de 1900 tiene 28 días"},
        {"31", "11", "1985", "Dia 31 es incorrecto: noviembre de 1985 tiene 30 días"},
        {"29", "2", "2000", nullptr},
        {"29", "2", "1500", nullptr},
        {"31", "12", "1999", nullptr},
    };
    for (const Row& row : rows) {
        std::vector<std::string> lines = kAna;
        lines[1] = std::string("2: ") + row.day;
        lines[2] = std::string("3; ") + row.month;
        lines[3] = std::string("4: ") + row.year;
        const NatalRecord before = PreviousChart();
        NatalRecord r = before;
        const ChartReadResult res = ReadBytes(ChartBytes(lines), r, "Ana.dat");
        const std::string date = std::string(row.day) + " " + row.month + " " + row.year;
        if (!row.reason) {
            EXPECT_TRUE(res.ok) << date;
            EXPECT_EQ(r.FechaNatalTexto, date);
            continue;
        }
        ASSERT_FALSE(res.ok) << date;
        EXPECT_EQ(res.line, 7) << date;  // the day line
        EXPECT_EQ(res.reason, row.reason) << date;
        EXPECT_EQ(ChartReadReport(res), res.message + "\nRenglón 7: " + row.reason + ".");
        EXPECT_EQ(RecordFields(r), RecordFields(before)) << date;
    }
}

TEST(ChartFileReader, TheDateIsJudgedWhateverOrderItsLinesComeIn) {
    // The year line before the day line: the date judged and kept is the one of all three.
    NatalRecord r;
    EXPECT_FALSE(ReadBytes(DataBytes({"1: Ana", "4: 1970", "3; 2", "2: 31", "5: 09.0730",
                                      "6: 03.00", "7: 34.36S", "8: 058.27W", "9: X"}),
                           r)
                     .ok);
    ASSERT_TRUE(ReadBytes(DataBytes({"1: Ana", "4: 1970", "3; 2", "2: 28", "5: 09.0730", "6: 03.00",
                                     "7: 34.36S", "8: 058.27W", "9: X"}),
                          r)
                    .ok);
    EXPECT_EQ(r.FechaNatalTexto, "28 2 1970");
}

// A failed read leaves the record as it was, whatever field the file got to.
TEST(ChartFileReader, RefusedRangesChangeNothing) {
    const NatalRecord before = PreviousChart();
    for (const std::vector<std::string>& lines : std::vector<std::vector<std::string>>{
             {"1: Otra", "2: 5", "4: 5401"}, {"1: Otra", "5: 99.9999"}, {"7: 99.99N", "9: X"}}) {
        NatalRecord r = before;
        EXPECT_FALSE(ReadBytes(DataBytes(lines), r).ok) << lines[0];
        EXPECT_EQ(RecordFields(r), RecordFields(before)) << lines[0];
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
    EXPECT_EQ(RecordFields(again), RecordFields(r));
}

TEST(ChartFileReader, MissingFileOrAFolderGiveTheError) {
    TempFolder folder;
    ::mkdir((folder / "carpeta.dat").c_str(), 0755);
    struct Row {
        const char* name;
        const char* reason;
    };
    for (const Row& row : {Row{"Nadie.dat", "El archivo no existe."},
                           Row{"carpeta.dat", "Es una carpeta, no un archivo."}}) {
        NatalRecord r = PreviousChart();
        const ChartReadResult res = ReadChartFile(folder.path(), row.name, r);
        EXPECT_FALSE(res.ok) << row.name;
        EXPECT_EQ(res.message, ChartReadErrorMessage(row.name));
        EXPECT_EQ(ChartReadReport(res), res.message + "\n" + row.reason);
        EXPECT_EQ(r.NatalName, " Previa");
    }
}

}  // namespace
}  // namespace natalis
