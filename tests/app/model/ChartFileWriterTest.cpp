// The text of a new chart file: the exact layout, normalised fields, the zone's sign, the
// notes, and records that cannot be written faithfully.
#include <gtest/gtest.h>

#include <sstream>
#include <string>

#include "app/model/ChartFile.h"
#include "app/model/Cp1252.h"

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
         "El nombre no puede contener saltos de línea ni tabuladores."},
        {"line break in the place", [](NatalRecord& r) { r.Place = "Lima\r"; },
         "El lugar no puede contener saltos de línea ni tabuladores."},
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

}  // namespace
}  // namespace natalis
