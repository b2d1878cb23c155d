// The entry form's checks: order, exact texts, titles and the box that gets the focus.
#include <gtest/gtest.h>

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

}  // namespace
}  // namespace natalis
