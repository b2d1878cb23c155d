// The text of a new chart file: the exact layout, normalised fields, the zone's sign, the
// notes, and records that cannot be written faithfully.
#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "app/model/ChartFile.h"
#include "app/model/Cp1252.h"
#include "tests/app/model/ChartRoundTrip.h"

namespace natalis {
namespace {

// A record as the entry form leaves it (texts as typed, values worked out from them).
NatalRecord Entered(const std::string& name, int16_t day, int16_t month, int16_t year,
                    const std::string& h, const std::string& m, const std::string& s,
                    const std::string& zoneH, const std::string& zoneM, const std::string& latD,
                    const std::string& latM, bool south, const std::string& lonD,
                    const std::string& lonM, bool west, const std::string& place) {
    NatalRecord r;
    r.NatalName = name;
    r.NatalDay = day, r.NatalMonth = month, r.NatalYear = year;
    r.HourText = h, r.MinuteText = m, r.SecondText = s;
    r.NatalHour = std::stof(h) + std::stof(m) / 60 + std::stof(s) / 3600;
    r.ZoneHourText = zoneH, r.ZoneMinuteText = zoneM;
    const float zone = std::stof(zoneH) + std::stof(zoneM) / 60;
    r.LatDegText = latD, r.LatMinText = latM, r.LatHemisphere = south ? "S" : "N";
    r.LatitudeDeg = (std::stof(latD) + std::stof(latM) / 60) * (south ? -1 : 1);
    r.LonDegText = lonD, r.LonMinText = lonM, r.LonHemisphere = west ? "W" : "E";
    r.LongitudeDeg = (std::stof(lonD) + std::stof(lonM) / 60) * (west ? -1 : 1);
    r.ZoneHours = west ? zone : -zone;
    r.Place = Utf8CutOrPad(place, 30);
    return r;
}

// A whole-number text as the reader gives it back after the writer zero-padded it.
std::string ZeroPadded(const std::string& text) {
    const std::string digits = std::to_string(std::stol(text));
    return digits.size() < 2 ? "0" + digits : digits;
}

// A chart file's bytes: the lines given (Windows-1252 already) with CR LF line ends.
std::string ChartLines(const std::vector<std::string>& lines) {
    std::string bytes;
    for (const std::string& l : lines) bytes += l + "\r\n";
    return bytes;
}

NatalRecord ReadBack(const std::string& utf8Text) {
    const Cp1252Text encoded = Utf8ToCp1252(utf8Text);
    EXPECT_TRUE(encoded.unstorable.empty());
    std::istringstream in(encoded.bytes);
    NatalRecord r;
    EXPECT_TRUE(ReadChartStream(in, "x.dat", r).ok);
    return r;
}

TEST(ChartFileWriter, WritesTheNineteenLinesOfTheLayout) {
    const NatalRecord r = Entered("  Ana Gómez ", 5, 3, 1970, "9", "7", "30", "3", "0", "34", "36",
                                  true, "58", "27", true, "Buenos Aires");
    EXPECT_EQ(ChartFileText(r, nullptr),
              " No cambiar el orden de los datos natales. El orden por renglon es : 1-Nombre\r\n"
              " 2-dia  3-mes  4-año  5-hora local  6-huso  7-latitud  8-longitud  "
              "9-lugar(opcional).\r\n"
              " \r\n"
              "_____________________________________________ Inicio datos natales\r\n"
              "\r\n"
              "1: Ana Gómez\r\n"
              "2: 5\r\n"
              "3; 3\r\n"
              "4: 1970\r\n"
              "5: 09.0730\r\n"
              "6: 03.00\r\n"
              "7: 34.36S\r\n"
              "8: 058.27W\r\n"
              "9: Buenos Aires                  \r\n"
              "_____________________________________________ Fin datos natales\r\n"
              "\r\n"
              " \r\n"
              "NOTAS:\r\n"
              " \r\n");
}

// Written, encoded and read back, a chart gives the same birth data.
TEST(ChartFileWriter, RoundTripThroughTheReader) {
    const NatalRecord rows[] = {
        Entered("Ana Gómez", 5, 3, 1970, "9", "7", "30", "3", "00", "34", "36", true, "058", "27",
                true, "Buenos Aires"),
        Entered("Jürgen Faß", 29, 2, 1984, "23", "59", "59", "1", "00", "52", "31", false, "13",
                "24", false, "Berlín"),
        Entered("Pita", 1, 1, -500, "0", "0", "0", "0", "0", "0", "0", false, "0", "0", true, ""),
        Entered("Kiri Tane", 14, 11, 2001, "6", "5", "4", "12", "45", "43", "32", true, "172", "38",
                false, "Christchurch, Nueva Zelanda, Isla Sur"),
    };
    for (const NatalRecord& r : rows) {
        const NatalRecord back = ReadBack(ChartFileText(r, nullptr));
        const std::string who = r.NatalName;
        EXPECT_EQ(back.NatalName, " " + TrimBlanks(r.NatalName)) << who;
        EXPECT_EQ(back.NatalDay, r.NatalDay) << who;
        EXPECT_EQ(back.NatalMonth, r.NatalMonth) << who;
        EXPECT_EQ(back.NatalYear, r.NatalYear) << who;
        EXPECT_NEAR(back.NatalHour, r.NatalHour, 1e-5) << who;
        EXPECT_EQ(back.TimeText, ZeroPadded(r.HourText) + ":" + ZeroPadded(r.MinuteText) + ":" +
                                     ZeroPadded(r.SecondText))
            << who;
        EXPECT_FLOAT_EQ(back.ZoneHours, r.ZoneHours) << who;
        EXPECT_FLOAT_EQ(back.LatitudeDeg, r.LatitudeDeg) << who;
        EXPECT_FLOAT_EQ(back.LongitudeDeg, r.LongitudeDeg) << who;
        EXPECT_EQ(back.Place, Utf8CutOrPad(r.Place, 30)) << who;
    }
}

TEST(ChartFileWriter, ZoneTypedWithAPointIsWrittenAsHoursAndMinutes) {
    struct Row {
        const char *hours, *minutes, *line;
        float zone;
    };
    // Hand computation: 3.5 h = 3 h 30 min; 2 h + 90 min = 3 h 30 min; 0.25 h = 15 min.
    const Row rows[] = {{"3.5", "00", "6: 03.30", 3.5f},
                        {"2", "90", "6: 03.30", 3.5f},
                        {".25", "", "6: 00.15", 0.25f},
                        {"10", "5", "6: 10.05", 10 + 5 / 60.0f}};
    for (const Row& row : rows) {
        NatalRecord r = Entered("Zona", 1, 1, 2000, "12", "0", "0", "0", "0", "40", "0", false,
                                "74", "0", true, "");
        r.ZoneHourText = row.hours, r.ZoneMinuteText = row.minutes, r.ZoneHours = row.zone;
        const std::string text = ChartFileText(r, nullptr);
        EXPECT_NE(text.find(std::string("\r\n") + row.line + "\r\n"), std::string::npos)
            << row.hours << " " << row.minutes;
        EXPECT_FLOAT_EQ(ReadBack(text).ZoneHours, row.zone) << row.hours << " " << row.minutes;
    }
}

TEST(ChartFileWriter, ZoneCarriesASignWhenTheLongitudeCannotGiveIt) {
    struct Row {
        const char* what;
        const char *lonD, *lonM;
        bool west;
        std::string zoneSign;
        float zoneHours;
        const char* line;
    };
    const Row rows[] = {
        {"typed sign ahead", "2", "10", false, "+", -1, "6: +01.00"},
        {"typed sign behind, east", "2", "10", false, "-", 3, "6: -03.00"},
        {"no sign, east", "2", "10", false, "", -1, "6: 01.00"},
        {"no sign, west", "58", "27", true, "", 3, "6: 03.00"},
        // At 0° east the reader would leave the zone positive: the sign must be written.
        {"0 degrees east, zone ahead", "0", "0", false, "", -1, "6: +01.00"},
        {"0 degrees east, zone behind", "0", "0", false, "", 1, "6: 01.00"},
        {"zone 0", "2", "10", false, "", 0, "6: 00.00"},
    };
    for (const Row& row : rows) {
        NatalRecord r = Entered("Signo", 1, 1, 2000, "12", "0", "0", "1", "0", "40", "0", false,
                                row.lonD, row.lonM, row.west, "");
        const float magnitude = row.zoneHours < 0 ? -row.zoneHours : row.zoneHours;
        r.ZoneHourText = std::to_string(static_cast<int>(magnitude));
        r.ZoneSign = row.zoneSign;
        r.ZoneHours = row.zoneHours;
        const std::string text = ChartFileText(r, nullptr);
        EXPECT_NE(text.find(std::string("\r\n") + row.line + "\r\n"), std::string::npos)
            << row.what;
        EXPECT_FLOAT_EQ(ReadBack(text).ZoneHours, row.zoneHours) << row.what;
    }
}

TEST(ChartFileWriter, NotesFollowNotasWithCrLfLineEnds) {
    const NatalRecord r =
        Entered("Nota", 1, 1, 2000, "12", "0", "0", "3", "0", "34", "0", true, "58", "0", true, "");
    const std::string base = ChartFileText(r, nullptr);
    ASSERT_EQ(base.substr(base.size() - 11), "NOTAS:\r\n \r\n");

    const std::string notes = "Primera línea\nSegunda\r\nTercera\rfin";
    EXPECT_EQ(ChartFileText(r, &notes), base + "Primera línea\r\nSegunda\r\nTercera\r\nfin\r\n");
    const std::string empty;
    EXPECT_EQ(ChartFileText(r, &empty), base + "\r\n");
}

TEST(ChartFileWriter, RecordsTheLayoutCannotHoldAreReported) {
    struct Row {
        const char* what;
        void (*change)(NatalRecord&);
        const char* message;  // empty: writable
    };
    const Row rows[] = {
        {"plain record", [](NatalRecord&) {}, ""},
        {"hours beyond two digits", [](NatalRecord& r) { r.HourText = "123"; },
         "La hora 123 0 0 no se puede guardar en el archivo."},
        {"negative time", [](NatalRecord& r) { r.HourText = "-1"; },
         "La hora -1 0 0 no se puede guardar en el archivo."},
        // 12 h - 5 min is written as 11.5500, which reads back to the same value.
        {"negative minutes inside the day", [](NatalRecord& r) { r.MinuteText = "-5"; }, ""},
        {"zone minutes of 100 hours", [](NatalRecord& r) { r.ZoneMinuteText = "6000"; },
         "El huso 3 6000 no se puede guardar en el archivo."},
        {"latitude of 100 degrees", [](NatalRecord& r) { r.LatDegText = "100"; },
         "La latitud 100 0 no se puede guardar en el archivo."},
        {"longitude of 1000 degrees", [](NatalRecord& r) { r.LonDegText = "1000"; },
         "La longitud 1000 0 no se puede guardar en el archivo."},
        {"line break in the name", [](NatalRecord& r) { r.NatalName = "Ana\n5: 01.0000"; },
         "El nombre no puede contener saltos de línea ni caracteres de control."},
        {"line break in the place", [](NatalRecord& r) { r.Place = "Lima\r"; },
         "El lugar no puede contener saltos de línea ni caracteres de control."},
        // The reader keeps a tab in a name or a place, so the writer writes it.
        {"tab in the name and the place",
         [](NatalRecord& r) { r.NatalName = "Ana\tMaría", r.Place = "Lima\tPerú"; }, ""},
        // What the reader would refuse cannot be saved: the file could not be loaded again.
        {"year beyond the program's range", [](NatalRecord& r) { r.NatalYear = 5401; },
         "Estos datos no se pueden guardar en el archivo: el año 5401 está fuera del rango "
         "del programa, de -3000 a 3000."},
        // 12 h and 99 min, which the form lets through, carry into 13 h 39 min.
        {"zone that carries past 12 hours",
         [](NatalRecord& r) { r.ZoneHourText = "12", r.ZoneMinuteText = "99"; },
         "Estos datos no se pueden guardar en el archivo: el huso de 13 horas no es correcto: "
         "la mayor diferencia horaria es de 12 horas."},
        {"name one character too long",
         [](NatalRecord& r) { r.NatalName = std::string(kMaxChartLineBytes - 2, 'n'); },
         "El nombre no puede tener más de 997 caracteres."},
        {"longest name", [](NatalRecord& r) { r.NatalName = std::string(997, 'n'); }, ""},
    };
    for (const Row& row : rows) {
        NatalRecord r = Entered("Ana", 1, 1, 2000, "12", "0", "0", "3", "0", "34", "0", true, "58",
                                "0", true, "");
        row.change(r);
        const auto problem = ChartRecordProblem(r);
        if (*row.message == '\0')
            EXPECT_FALSE(problem.has_value()) << row.what << ": " << problem.value_or("");
        else
            EXPECT_EQ(problem.value_or(""), row.message) << row.what;
    }
}

// Whatever the reader accepts, the writer writes back so that it reads the same chart, and
// writing that again gives the same text. Each file is read over the same previous chart.
TEST(ChartFileWriter, WhatTheReaderAcceptsIsWrittenBackToReadTheSame) {
    NatalRecord previous;
    {
        std::istringstream in(ChartLines({"1: Previa", "2: 9", "3; 7", "4: 1950", "5: 01.0203",
                                          "6: 05.00", "7: 10.00N", "8: 070.00W", "9: Lima"}));
        ASSERT_TRUE(ReadChartStream(in, "previa.dat", previous).ok);
    }
    struct Row {
        const char* what;
        std::vector<std::string> lines;
        const char* writtenLine;  // a line the writer must write, or nothing
    };
    const Row rows[] = {
        {"degrees with a blank inside", {"6: 03.00", "8: 0 5.30W"}, "8: 000.30W"},
        {"one-digit degrees", {"6: 03.00", "8: 5.30W"}, "8: 000.30W"},
        {"one-digit parts", {"5: 9.5", "6: 3.3", "7:  1.1N", "8:   2.2E"}, "5: 09.0500"},
        {"minutes of one digit", {"7: 34.3S"}, "7: 34.03S"},
        {"explicit signs", {"6: +01.30", "8: 058.27W"}, "6: +01.30"},
        {"a second longitude line", {"6: 03.00", "8: 002.10E", "8: 002.10E"}, "6: -03.00"},
        {"zone after the longitude", {"8: 002.10E", "6: 03.00"}, "6: -03.00"},
        {"zone at a meridian of 0 east keeps its sign", {"6: 03.00", "8: 000.00E"}, "6: 03.00"},
        {"tab in the name and place", {"1: Ana\tMaría", "9: Lima\tPerú"}, nullptr},
        {"name without a blank after the label", {"1:Ana"}, "1: Ana"},
        {"longest name", {"1:" + std::string(997, 'x')}, nullptr},
        {"day rounded", {"2: 2.5", "3; 11.5"}, "3; 12"},
        {"exponents", {"2: 1e1", "4: 2e3"}, "4: 2000"},
        {"characters of every kind", {"1: \x81\x8D\xA0\xFF ÿ €", "9:  \x9D  "}, nullptr},
    };
    for (const Row& row : rows) {
        const RoundTrip t = ReadWriteRead(ChartLines(row.lines), previous);
        ASSERT_TRUE(t.read) << row.what;
        EXPECT_EQ(t.problem, "") << row.what;
        ASSERT_TRUE(t.readAgain) << row.what;
        EXPECT_EQ(ChartDataOf(t.again), ChartDataOf(t.first)) << row.what;
        EXPECT_EQ(t.rewritten, t.written) << row.what;
        if (row.writtenLine) {
            EXPECT_NE(t.written.find(std::string("\r\n") + row.writtenLine + "\r\n"),
                      std::string::npos)
                << row.what << "\n"
                << t.written;
        }
    }
}

// The entry form reads its boxes skipping blanks anywhere, so a pasted "0 5" is 5 degrees
// there; the file holds the 5 degrees the chart was computed with.
TEST(ChartFileWriter, EntryFormTextsAreWrittenAsTheFormReadThem) {
    NatalRecord r = Entered("Ana", 1, 1, 2000, "1 2", "0", "0", "3", "0", "34", "0", true, "0 5",
                            "30", true, "");
    r.NatalHour = 12, r.LongitudeDeg = -5.5f;  // as the form computed them
    const std::string text = ChartFileText(r, nullptr);
    EXPECT_NE(text.find("\r\n5: 12.0000\r\n"), std::string::npos) << text;
    EXPECT_NE(text.find("\r\n8: 005.30W\r\n"), std::string::npos) << text;
}

}  // namespace
}  // namespace natalis
