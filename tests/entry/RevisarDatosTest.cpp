// The entry form's checks: order, exact texts, titles and the box that gets the focus.
#include <gtest/gtest.h>

#include "app/model/Atlas.h"
#include "entry/RevisarDatos.h"
#include "tests/entry/FichaEjemplo.h"

namespace natalis {
namespace {

struct Case {
    const char* name;
    std::string FichaNatalTextos::*box;
    const char* text;
    const char* message;  // nullptr: the form passes
    const char* title;
    EntryField focus;
};

constexpr const char* kPass = nullptr;

const Case kCases[] = {
    {"DayEmpty", &FichaNatalTextos::TextDia, "", "Falta el número de día", "Corregir Fecha",
     EntryField::TextDia},
    {"DayZero", &FichaNatalTextos::TextDia, "00", "Falta el número de día", "Corregir Fecha",
     EntryField::TextDia},
    {"Day32PassesHere", &FichaNatalTextos::TextDia, "32", kPass, "", EntryField::None},
    {"MonthEmpty", &FichaNatalTextos::TextMes, "", "Falta el número de mes", "Corregir Fecha",
     EntryField::TextMes},
    {"YearMinus3000", &FichaNatalTextos::TextAnno, "-3000", kPass, "", EntryField::None},
    {"Year3000", &FichaNatalTextos::TextAnno, "3000", kPass, "", EntryField::None},
    {"Year3001", &FichaNatalTextos::TextAnno, "3001",
     " Las fechas posibles son de -3000 á 3000 años  ", "Corregir año", EntryField::TextAnno},
    {"YearMinus3001", &FichaNatalTextos::TextAnno, "-3001",
     " Las fechas posibles son de -3000 á 3000 años  ", "Corregir año", EntryField::TextAnno},
    {"YearHuge", &FichaNatalTextos::TextAnno, "99999999999999999999",
     " Las fechas posibles son de -3000 á 3000 años  ", "Corregir año", EntryField::TextAnno},
    {"Hour23", &FichaNatalTextos::TextHShs, "23", kPass, "", EntryField::None},
    // Boxes pre-filled from a hand-written chart file may hold a fraction. Time and
    // coordinates are measures: 23.5 hours and 59.5 minutes are within their bounds. The day
    // is a whole number: 0.4 is day 0, a missing day (the date parser would let day 0 pass).
    {"Hour23.5", &FichaNatalTextos::TextHShs, "23.5", kPass, "", EntryField::None},
    {"Minutes59.5", &FichaNatalTextos::TextHSmin, "59.5", kPass, "", EntryField::None},
    {"LatMinutes59.5", &FichaNatalTextos::TextLatMin, "59.5", kPass, "", EntryField::None},
    {"Lat89.5", &FichaNatalTextos::TextLatGrad, "89.5", kPass, "", EntryField::None},
    {"DayRoundingToZero", &FichaNatalTextos::TextDia, ".4", "Falta el número de día",
     "Corregir Fecha", EntryField::TextDia},
    {"Hour24", &FichaNatalTextos::TextHShs, "24", "Las horas son de 0 á 23", "Corregir Hora",
     EntryField::TextHShs},
    {"Minutes60", &FichaNatalTextos::TextHSmin, "60", "Los minutos son de 0 á 59", "Corregir Hora",
     EntryField::TextHSmin},
    {"Seconds60", &FichaNatalTextos::TextHSseg, "60", "Los segundos son de 0 á 59", "Corregir Hora",
     EntryField::TextHSseg},
    {"Zone12", &FichaNatalTextos::TextHusoHoras, "12", kPass, "", EntryField::None},
    {"Zone12.5", &FichaNatalTextos::TextHusoHoras, "12.5", "La mayor diferencia horaria es 12hs",
     "Corregir Huso", EntryField::TextHusoHoras},
    {"ZonePlus12", &FichaNatalTextos::TextHusoHoras, "+12", kPass, "", EntryField::None},
    {"ZoneMinus13", &FichaNatalTextos::TextHusoHoras, "-13", "La mayor diferencia horaria es 12hs",
     "Corregir Huso", EntryField::TextHusoHoras},
    {"ZoneMinutesAnySize", &FichaNatalTextos::TextHusoMinutos, "99999", kPass, "",
     EntryField::None},
    {"Lat89", &FichaNatalTextos::TextLatGrad, "89", kPass, "", EntryField::None},
    {"Lat90", &FichaNatalTextos::TextLatGrad, "90", "La Latitud es de 0 á 89", "Corregir Latitud",
     EntryField::TextLatGrad},
    {"LatMinutes60", &FichaNatalTextos::TextLatMin, "60", "Los minutos son de 0 á 59",
     "Corregir Latitud", EntryField::TextLatMin},
    {"Lon179", &FichaNatalTextos::TextLonGrad, "179", kPass, "", EntryField::None},
    {"Lon180", &FichaNatalTextos::TextLonGrad, "180", "La Longitud es de 0 á 179",
     "Corregir Longitud", EntryField::TextLonGrad},
    {"LonMinutes60", &FichaNatalTextos::TextLonMin, "60", "Los minutos son de 0 á 59",
     "Corregir Longitud", EntryField::TextLonMin},
};

class RevisarDatosCase : public ::testing::TestWithParam<Case> {};

TEST_P(RevisarDatosCase, GivesTheFirstFailingCheck) {
    const Case& c = GetParam();
    FichaNatalTextos f = FichaBuenosAires();
    f.*c.box = c.text;
    auto failure = RevisarDatos(f);
    if (c.message == kPass) {
        EXPECT_FALSE(failure.has_value()) << failure->message;
        return;
    }
    ASSERT_TRUE(failure.has_value());
    EXPECT_EQ(failure->message, c.message);
    EXPECT_EQ(failure->title, c.title);
    EXPECT_EQ(failure->focus, c.focus);
}

INSTANTIATE_TEST_SUITE_P(Table, RevisarDatosCase, ::testing::ValuesIn(kCases),
                         [](const auto& info) {
                             std::string n = info.param.name;
                             for (char& ch : n)
                                 if (!isalnum(static_cast<unsigned char>(ch))) ch = '_';
                             return n;
                         });

TEST(RevisarDatos, ValidFormPasses) { EXPECT_FALSE(RevisarDatos(FichaBuenosAires()).has_value()); }

TEST(RevisarDatos, FirstFailureWinsInTableOrder) {
    FichaNatalTextos f = FichaBuenosAires();
    f.TextDia = "";
    f.TextHShs = "25";
    f.TextLonGrad = "200";
    auto failure = RevisarDatos(f);
    ASSERT_TRUE(failure.has_value());
    EXPECT_EQ(failure->focus, EntryField::TextDia);

    f.TextDia = "5";
    failure = RevisarDatos(f);
    ASSERT_TRUE(failure.has_value());
    EXPECT_EQ(failure->focus, EntryField::TextHShs);
}

TEST(RevisarDatos, EmptyFormAfterNuevaCartaFailsOnTheDay) {
    FichaNatalTextos empty;
    empty.TextHShs = empty.TextHSmin = empty.TextHSseg = "";
    empty.TextHusoHoras = empty.TextHusoMinutos = "";
    empty.TextLatGrad = empty.TextLatMin = empty.TextLonGrad = empty.TextLonMin = "";
    auto failure = RevisarDatos(empty);
    ASSERT_TRUE(failure.has_value());
    EXPECT_EQ(failure->message, "Falta el número de día");
}

// A chart is never drawn from a guess: empty degrees, an empty zone or a hemisphere not
// chosen are refused after the form's own checks, in tab order.
TEST(RevisarDatos, IncompleteCoordinatesOrZoneAreRefused) {
    // The atlas's own message for a place it does not have.
    const std::string villa = LugarNoEncontrado("Villa Inventada");
    const char* kVillaNoEncontrada = villa.c_str();
    struct Row {
        const char* what;
        void (*change)(FichaNatalTextos& f);
        const char* message;  // nullptr: the form passes
        const char* title;
        EntryField focus;
    };
    const Row rows[] = {
        {"zone hours empty", [](FichaNatalTextos& f) { f.TextHusoHoras = ""; },
         "Falta el huso horario", "Corregir Huso", EntryField::TextHusoHoras},
        {"zone of blanks", [](FichaNatalTextos& f) { f.TextHusoHoras = "  "; },
         "Falta el huso horario", "Corregir Huso", EntryField::TextHusoHoras},
        {"only zone minutes typed",
         [](FichaNatalTextos& f) {
             f.TextHusoHoras = "";
             f.TextHusoMinutos = "30";
         },
         "Falta el huso horario", "Corregir Huso", EntryField::TextHusoHoras},
        {"zone minutes empty count as 0", [](FichaNatalTextos& f) { f.TextHusoMinutos = ""; },
         nullptr, "", EntryField::None},
        {"latitude degrees empty", [](FichaNatalTextos& f) { f.TextLatGrad = ""; },
         "Faltan los grados de latitud", "Corregir Latitud", EntryField::TextLatGrad},
        {"only latitude minutes typed",
         [](FichaNatalTextos& f) {
             f.TextLatGrad = "";
             f.TextLatMin = "36";
         },
         "Faltan los grados de latitud", "Corregir Latitud", EntryField::TextLatGrad},
        {"latitude minutes empty count as 0", [](FichaNatalTextos& f) { f.TextLatMin = ""; },
         nullptr, "", EntryField::None},
        {"latitude 0 typed", [](FichaNatalTextos& f) { f.TextLatGrad = "0"; }, nullptr, "",
         EntryField::None},
        {"no north or south", [](FichaNatalTextos& f) { f.LatitudElegida = false; },
         "Elija Norte o Sur", "Corregir Latitud", EntryField::Latitud},
        {"longitude degrees empty", [](FichaNatalTextos& f) { f.TextLonGrad = ""; },
         "Faltan los grados de longitud", "Corregir Longitud", EntryField::TextLonGrad},
        {"no east or west", [](FichaNatalTextos& f) { f.LongitudElegida = false; },
         "Elija Este u Oeste", "Corregir Longitud", EntryField::Longit},
        {"everything after the time empty, no place",
         [](FichaNatalTextos& f) {
             f.TextHusoHoras = f.TextHusoMinutos = f.TextLatGrad = f.TextLatMin = "";
             f.TextLonGrad = f.TextLonMin = f.txtLugar = "";
             f.LatitudElegida = f.LongitudElegida = false;
         },
         "Falta el huso horario", "Corregir Huso", EntryField::TextHusoHoras},
        {"a place the atlas did not find",
         [](FichaNatalTextos& f) {
             f.TextHusoHoras = f.TextHusoMinutos = f.TextLatGrad = f.TextLatMin = "";
             f.TextLonGrad = f.TextLonMin = "";
             f.txtLugar = " Villa Inventada ";
             f.huso.lugarNoEncontrado = true;
         },
         kVillaNoEncontrada, "Corregir Lugar", EntryField::txtLugar},
        {"a place not found, only the longitude still to type",
         [](FichaNatalTextos& f) {
             f.TextLonGrad = "";
             f.txtLugar = "Villa Inventada";
             f.huso.lugarNoEncontrado = true;
         },
         kVillaNoEncontrada, "Corregir Lugar", EntryField::txtLugar},
        {"a place not found, everything typed by hand",
         [](FichaNatalTextos& f) {
             f.txtLugar = "Villa Inventada";
             f.huso.lugarNoEncontrado = true;
         },
         nullptr, "", EntryField::None},
        {"the form's own checks come first",
         [](FichaNatalTextos& f) {
             f.TextLatGrad = "";
             f.TextLonGrad = "200";
         },
         "La Longitud es de 0 á 179", "Corregir Longitud", EntryField::TextLonGrad},
    };
    for (const Row& row : rows) {
        FichaNatalTextos f = FichaBuenosAires();
        row.change(f);
        const auto failure = RevisarDatos(f);
        if (!row.message) {
            EXPECT_FALSE(failure.has_value()) << row.what << ": " << failure->message;
            continue;
        }
        ASSERT_TRUE(failure.has_value()) << row.what;
        EXPECT_EQ(failure->message, row.message) << row.what;
        EXPECT_EQ(failure->title, row.title) << row.what;
        EXPECT_EQ(failure->focus, row.focus) << row.what;
    }
}

}  // namespace
}  // namespace natalis
