// Typed date and time texts: values, trimming and the exact rejection texts.
#include <gtest/gtest.h>

#include <string>

#include "astro/DateTimeParse.h"

namespace natalis {
namespace {

struct DateCase {
    const char* text;
    double d, m, a;
    const char* serr;
    const char* why;
};

// Worked examples; the outputs hold the values read even when a later check fails.
TEST(stringFecha_a_dma, ValuesAndRejections) {
    const char* range = " El rango de años del programa es: -3000 á 3000 años  ";
    DateCase cases[] = {
        {"5 3 1999", 5, 3, 1999, "", "blanks"},
        {"5/3/1999", 5, 3, 1999, "", "slashes"},
        {"05/03/1999", 5, 3, 1999, "", "leading zeros"},
        {"5 3/1999", 5, 3, 1999, "", "mixed separators"},
        {"32 1 2000", 32, -1, -1, "Dia 32 es incorrecto.", "day above 31"},
        {"31.5 1 2000", 31.5, -1, -1, "Dia 31.5 es incorrecto.", "general number format"},
        {"1 13 2000", 1, 13, -1, " Mes 13 es incorrecto.", "month above 12"},
        {"1 1 3001", 1, 1, 3001, range, "year above the range"},
        {"1 1 -3001", 1, 1, -3001, range, "year below the range"},
        {"1 1 -3000", 1, 1, -3000, "", "lower end passes"},
        {"1 1 3000", 1, 1, 3000, "", "upper end passes"},
        {"0 0 2000", 0, 0, 2000, "", "only upper bounds are checked"},
        {"31 2 1970", 31, 2, 1970, "Dia 31 es incorrecto: febrero de 1970 tiene 28 días.",
         "no 31 February"},
        {"30 2 2000", 30, 2, 2000, "Dia 30 es incorrecto: febrero de 2000 tiene 29 días.",
         "2000 is a Gregorian leap year"},
        {"29 2 2000", 29, 2, 2000, "", "29 February 2000 exists"},
        {"31 4 2000", 31, 4, 2000, "Dia 31 es incorrecto: abril de 2000 tiene 30 días.",
         "April has 30 days"},
        {"29 2 1900", 29, 2, 1900, "Dia 29 es incorrecto: febrero de 1900 tiene 28 días.",
         "1900 is no Gregorian leap year"},
        {"29 2 1500", 29, 2, 1500, "", "1500 is a Julian leap year"},
        {"29 2 -4", 29, 2, -4, "", "astronomical year -4 is a Julian leap year"},
        {"31 12 2001", 31, 12, 2001, "", "last day of a 31-day month"},
        {"5 123 2000", 5, 12, 2000, "", "month read from two characters"},
        {"5  3 2000", 5, 3, 32000, range, "two blanks: the year reads 3 2000 as 32000"},
    };
    for (const DateCase& c : cases) {
        std::string fecha = c.text, serr;
        double d = -1, m = -1, a = -1;
        stringFecha_a_dma(fecha, d, m, a, serr);
        EXPECT_EQ(serr, c.serr) << c.why;
        EXPECT_DOUBLE_EQ(d, c.d) << c.why;
        EXPECT_DOUBLE_EQ(m, c.m) << c.why;
        EXPECT_DOUBLE_EQ(a, c.a) << c.why;
    }
}

TEST(stringFecha_a_dma, TrimsTheCallersText) {
    std::string fecha = "  5 3 1999  ", serr;
    double d = 0, m = 0, a = 0;
    stringFecha_a_dma(fecha, d, m, a, serr);
    EXPECT_EQ(fecha, "5 3 1999");
    EXPECT_EQ(serr, "");
    EXPECT_EQ(d, 5);
    EXPECT_EQ(m, 3);
    EXPECT_EQ(a, 1999);
}

// A date without two separators cannot be split: it is rejected with its own text and the
// outputs stay as they were.
TEST(stringFecha_a_dma, FewerThanTwoSeparatorsIsRejected) {
    // "5/3 1999": the first blank is taken as the first separator, and no second one
    // follows it.
    for (const char* text : {"5031999", "5/031999", "5 031999", "", "   ", "5/3 1999"}) {
        std::string fecha = text, serr;
        double d = -7, m = -7, a = -7;
        stringFecha_a_dma(fecha, d, m, a, serr);
        EXPECT_EQ(serr, "La fecha debe escribirse como dia mes año, por ejemplo 5 3 1999.") << text;
        EXPECT_EQ(d, -7);
        EXPECT_EQ(m, -7);
        EXPECT_EQ(a, -7);
    }
}

TEST(stringFecha_a_dma, NeverClearsAnEarlierError) {
    std::string fecha = "5 3 1999", serr = "previo";
    double d = 0, m = 0, a = 0;
    stringFecha_a_dma(fecha, d, m, a, serr);
    EXPECT_EQ(serr, "previo");
}

TEST(stringHora_a_h, ValuesAndRejections) {
    struct Case {
        const char* text;
        double h;
        const char* serr;
        const char* why;
    } cases[] = {
        {"14 30", 14.5, "", "hours and minutes"},
        {"14 30 36", 14.51, "", "with seconds (hand computation)"},
        {"  9 05  ", 9 + 5 / 60.0, "", "trimmed"},
        {"14.5", 14.5, "", "decimal hours"},
        {"14:30", 14, "", "no blank: read as a number"},
        {"1430", 1430, "", "no blank: unchecked"},
        {"0 0", 0, "", "midnight"},
        {"23 59 59", 23 + 59 / 60.0 + 59 / 3600.0, "", "last second"},
        {"24 00", -1, " 24 horas no es correcto.", "hours reach 24"},
        {"-1 00", -1, "-1 horas no es correcto.", "negative hours"},
        {"23 60", -1, " 60 minutos no es correcto.", "minutes reach 60"},
        {"23 -5", -1, "-5 minutos no es correcto.", "negative minutes"},
        {"10 20 60", -1, " 60 segundos no es correcto.", "seconds reach 60"},
        {"10 20 59.5", 10 + 20 / 60.0 + 59.5 / 3600, "", "fractional seconds"},
        {"24.5 0", -1, " 24.5 horas no es correcto.", "number with a place for the sign"},
    };
    for (const auto& c : cases) {
        std::string hora = c.text, serr;
        double h = -1;
        stringHora_a_h(hora, h, serr);
        EXPECT_EQ(serr, c.serr) << c.why;
        EXPECT_NEAR(h, c.h, 1e-12) << c.why;
    }
}

TEST(stringHora_a_h, TrimsTheCallersText) {
    std::string hora = "  14 30 15 ", serr;
    double h = 0;
    stringHora_a_h(hora, h, serr);
    EXPECT_EQ(hora, "14 30 15");
    EXPECT_NEAR(h, 14 + 30 / 60.0 + 15 / 3600.0, 1e-12);
}

}  // namespace
}  // namespace natalis
