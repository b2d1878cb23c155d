// Accepting the entry form: how its boxes fill the natal record.
#include <gtest/gtest.h>

#include "app/model/Cp1252.h"
#include "entry/AceptarDatos.h"
#include "entry/LlenarFicha.h"
#include "tests/entry/FichaEjemplo.h"

namespace natalis {
namespace {

TEST(AceptarDatos, FillsEveryFieldOfTheRecord) {
    NatalRecord rec;
    ChartFlags flags;
    flags.NotesModified = true;
    ASSERT_FALSE(AceptarDatos(FichaBuenosAires(), rec, flags).has_value());

    EXPECT_EQ(rec.NatalName, "Ana Lucía");
    // 30 characters: "Ana Lucía" is 9 characters (10 bytes) and 21 blanks.
    EXPECT_EQ(rec.NatalNameFixed, "Ana Lucía" + std::string(21, ' '));
    EXPECT_EQ(rec.NatalDay, 5);
    EXPECT_EQ(rec.NatalMonth, 3);
    EXPECT_EQ(rec.NatalYear, 1970);
    EXPECT_EQ(rec.DayText, "5");
    EXPECT_EQ(rec.MonthText, "3");
    EXPECT_EQ(rec.YearText, " 1970");
    EXPECT_EQ(rec.FechaNatalTexto, "5 3 1970");
    // 9 + 7/60 + 30/3600, hand computation.
    EXPECT_FLOAT_EQ(rec.NatalHour, 9.125f);
    EXPECT_EQ(rec.TimeText, "09.0730");
    EXPECT_FLOAT_EQ(rec.ZoneHours, 3.0f);
    EXPECT_EQ(rec.ZoneSign, "");
    EXPECT_EQ(rec.ZoneText, "03.00");
    EXPECT_FLOAT_EQ(rec.LatitudeDeg, -34.6f);
    EXPECT_EQ(rec.LatHemisphere, "S");
    EXPECT_EQ(rec.LatText, "34.36S");
    EXPECT_FLOAT_EQ(rec.LongitudeDeg, -58.45f);
    EXPECT_EQ(rec.LonHemisphere, "W");
    EXPECT_EQ(rec.LonText, "058.27W");
    EXPECT_EQ(rec.Place, "Buenos Aires" + std::string(18, ' '));

    EXPECT_TRUE(flags.ChartLoaded);
    EXPECT_TRUE(flags.NewChart);
    EXPECT_FALSE(flags.NotesModified);
}

TEST(AceptarDatos, FailedCheckChangesNothing) {
    NatalRecord rec;
    rec.NatalName = "anterior";
    ChartFlags flags;
    FichaNatalTextos f = FichaBuenosAires();
    f.TextHShs = "24";
    auto failure = AceptarDatos(f, rec, flags);
    ASSERT_TRUE(failure.has_value());
    EXPECT_EQ(failure->title, "Corregir Hora");
    EXPECT_EQ(rec.NatalName, "anterior");
    EXPECT_FALSE(flags.ChartLoaded);
}

TEST(AceptarDatos, DateParserRejectsDay32AfterNameAndDateAreSet) {
    NatalRecord rec;
    rec.TimeText = "12:00:00";
    ChartFlags flags;
    FichaNatalTextos f = FichaBuenosAires();
    f.TextDia = "32";
    auto failure = AceptarDatos(f, rec, flags);
    ASSERT_TRUE(failure.has_value());
    EXPECT_EQ(failure->message, "Dia 32 es incorrecto.");
    EXPECT_EQ(failure->title, "corregir fecha");
    EXPECT_EQ(rec.NatalName, "Ana Lucía");
    EXPECT_EQ(rec.FechaNatalTexto, "32 3 1970");
    EXPECT_EQ(rec.TimeText, "12:00:00");  // the rest still belongs to the previous chart
    EXPECT_FALSE(flags.ChartLoaded);
}

TEST(AceptarDatos, February31IsRefusedByTheDateParser) {
    NatalRecord rec;
    ChartFlags flags;
    FichaNatalTextos f = FichaBuenosAires();
    f.TextDia = "31";
    f.TextMes = "2";
    const auto failure = AceptarDatos(f, rec, flags);
    ASSERT_TRUE(failure.has_value());
    EXPECT_EQ(failure->message, "Dia 31 es incorrecto: febrero de 1970 tiene 28 días.");
    EXPECT_EQ(failure->title, "corregir fecha");
    EXPECT_FALSE(flags.ChartLoaded);
}

TEST(AceptarDatos, NegativeYearTexts) {
    NatalRecord rec;
    ChartFlags flags;
    FichaNatalTextos f = FichaBuenosAires();
    f.TextAnno = "-500";
    ASSERT_FALSE(AceptarDatos(f, rec, flags).has_value());
    EXPECT_EQ(rec.YearText, "-500");
    EXPECT_EQ(rec.FechaNatalTexto, "5 3 -500");
}

TEST(AceptarDatos, EmptyTimeBoxesCountAsZero) {
    NatalRecord rec;
    ChartFlags flags;
    FichaNatalTextos f = FichaBuenosAires();
    f.TextHShs = "10";
    f.TextHSmin = "";
    f.TextHSseg = "";
    ASSERT_FALSE(AceptarDatos(f, rec, flags).has_value());
    EXPECT_FLOAT_EQ(rec.NatalHour, 10.0f);
}

TEST(AceptarDatos, TimeAndCoordinatesKeepTheirFractions) {
    // A box pre-filled from a hand-written chart file ("5: 09.07.5", "7: 34..5S") may hold
    // a fraction; only the day, month and year are whole numbers.
    NatalRecord rec;
    ChartFlags flags;
    FichaNatalTextos f = FichaBuenosAires();
    f.TextHSseg = ".5";
    f.TextLatMin = ".5";
    f.TextLonGrad = "58.5";
    ASSERT_FALSE(AceptarDatos(f, rec, flags).has_value());
    // Hand computation: 9 + 7/60 + 0.5/3600; -(34 + 0.5/60); -(58.5 + 27/60).
    EXPECT_FLOAT_EQ(rec.NatalHour, static_cast<float>(9 + 7 / 60.0 + 0.5 / 3600));
    EXPECT_FLOAT_EQ(rec.LatitudeDeg, static_cast<float>(-(34 + 0.5 / 60)));
    EXPECT_FLOAT_EQ(rec.LongitudeDeg, -58.95f);
    EXPECT_EQ(rec.SecondText, ".5");  // the texts stay as typed
}

TEST(AceptarDatos, ZeroDegreesBecomeATenThousandth) {
    struct Row {
        const char* deg;
        const char* min;
        bool south;
        float expected;  // hand computation: 0.0001 + min / 60
    };
    const Row rows[] = {
        {"00", "30", false, 0.5001f}, {"00", "00", false, 0.0001f}, {"0", "00", true, -0.0001f}};
    for (const Row& r : rows) {
        NatalRecord rec;
        ChartFlags flags;
        FichaNatalTextos f = FichaBuenosAires();
        f.TextLatGrad = r.deg;
        f.TextLatMin = r.min;
        f.LatitudSur = r.south;
        f.TextLonGrad = r.deg;
        f.TextLonMin = r.min;
        f.LongitudOeste = r.south;
        ASSERT_FALSE(AceptarDatos(f, rec, flags).has_value());
        EXPECT_FLOAT_EQ(rec.LatitudeDeg, r.expected) << r.deg << " " << r.min;
        EXPECT_FLOAT_EQ(rec.LongitudeDeg, r.expected) << r.deg << " " << r.min;
    }
}

TEST(AceptarDatos, ZoneSignAndTexts) {
    struct Row {
        const char* hours;
        const char* minutes;
        bool west;
        float zoneHours;  // universal time = local + zoneHours
        const char* sign;
        const char* hourText;
        const char* minuteText;
    };
    const Row rows[] = {
        {"1", "00", false, -1.0f, "", "1", "00"},      // east without sign: negative
        {"3", "00", true, 3.0f, "", "3", "00"},        // west without sign: positive
        {"+1", "00", true, -1.0f, "+", "1", "00"},     // Madrid, west of Greenwich, UT+1
        {"+01", "00", false, -1.0f, "+", "01", "00"},  // sign agrees with the hemisphere
        {"-3", "00", false, 3.0f, "-", "3", "00"},     // sign overrides "&Este"
        {"-03", "30", true, 3.5f, "-", "03", "30"},    // Newfoundland, -3:30
        {"3.5", "00", true, 3.5f, "", "03", "30"},     // a point keeps the typed value
        {"5.75", "", false, -5.75f, "", "05", "45"},   // Nepal: 5 h 45 min east
        {"3", "90", true, 4.5f, "", "04", "30"},       // minutes over 60 are carried
    };
    for (const Row& r : rows) {
        NatalRecord rec;
        ChartFlags flags;
        FichaNatalTextos f = FichaBuenosAires();
        f.TextHusoHoras = r.hours;
        f.TextHusoMinutos = r.minutes;
        f.LongitudOeste = r.west;
        ASSERT_FALSE(AceptarDatos(f, rec, flags).has_value()) << r.hours;
        EXPECT_FLOAT_EQ(rec.ZoneHours, r.zoneHours) << r.hours << " " << r.minutes;
        EXPECT_EQ(rec.ZoneSign, r.sign) << r.hours;
        EXPECT_EQ(rec.ZoneHourText, r.hourText) << r.hours;
        EXPECT_EQ(rec.ZoneMinuteText, r.minuteText) << r.hours;
        EXPECT_EQ(rec.ZoneText, std::string(r.hourText) + "." + r.minuteText);
    }
}

TEST(LlenarFicha, ReopeningAndAcceptingGivesTheSameRecord) {
    for (const char* zone : {"03", "+1", "-3"}) {
        NatalRecord first;
        ChartFlags flags;
        FichaNatalTextos f = FichaBuenosAires();
        f.TextHusoHoras = zone;
        ASSERT_FALSE(AceptarDatos(f, first, flags).has_value());

        FichaNatalTextos again = LlenarFicha(first);
        EXPECT_EQ(again.TextHusoHoras, zone);
        NatalRecord second;
        ASSERT_FALSE(AceptarDatos(again, second, flags).has_value());
        EXPECT_EQ(TrimBlanks(second.NatalName), "Ana Lucía");
        EXPECT_EQ(second.FechaNatalTexto, first.FechaNatalTexto);
        EXPECT_EQ(second.TimeText, first.TimeText);
        EXPECT_EQ(second.ZoneHours, first.ZoneHours);
        EXPECT_EQ(second.ZoneSign, first.ZoneSign);
        EXPECT_EQ(second.LatitudeDeg, first.LatitudeDeg);
        EXPECT_EQ(second.LongitudeDeg, first.LongitudeDeg);
        EXPECT_EQ(second.Place, first.Place);
    }
}

TEST(LlenarFicha, ShowsTheRecordsTextsAndHemispheres) {
    NatalRecord rec;
    rec.NatalName = " Juan";  // as read from a file, with the label's blank
    rec.NatalNameFixed = Utf8CutOrPad(rec.NatalName, 30);
    rec.DayText = "5";
    rec.LatHemisphere = "N";
    rec.LonHemisphere = "E";
    rec.ZoneHourText = "01";
    rec.ZoneMinuteText = "00";
    FichaNatalTextos f = LlenarFicha(rec);
    EXPECT_EQ(f.TextNombre, rec.NatalNameFixed);
    EXPECT_EQ(f.TextDia, "5");
    EXPECT_FALSE(f.LatitudSur);
    EXPECT_FALSE(f.LongitudOeste);
    EXPECT_EQ(f.TextHusoHoras, "01");

    rec.LatHemisphere = "S";
    rec.LonHemisphere = "W";
    f = LlenarFicha(rec);
    EXPECT_TRUE(f.LatitudSur);
    EXPECT_TRUE(f.LongitudOeste);
}

TEST(LlenarFicha, LongNameIsNotCutToThirty) {
    NatalRecord rec;
    rec.NatalName = " María de los Ángeles Fernández Castro";
    rec.NatalNameFixed = Utf8CutOrPad(rec.NatalName, 30);
    EXPECT_EQ(LlenarFicha(rec).TextNombre, "María de los Ángeles Fernández Castro");
}

}  // namespace
}  // namespace natalis
