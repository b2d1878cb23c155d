// Julian day to calendar date and time of day, to the second.
#include <gtest/gtest.h>

#include <cmath>

#include "astro/Calendar.h"
#include "astro/InstanteCivil.h"

namespace natalis {
namespace {

TEST(InstanteDeJD, WorkedExamples) {
    struct Case {
        double jd;
        const char* fecha;
        const char* hora;
        const char* why;
    } cases[] = {
        {2451545.0, "1 1 2000", "12:00:00", "J2000.0 is noon of 1 January 2000"},
        {2436116.31, "4 10 1957", "19:26:24", "Meeus example 7.c (4.81 October 1957)"},
        {1507900.13, "28 5 -584", "15:07:12", "Meeus example 7.b read back (-584 May 28.63)"},
        {2299160.5, "5 10 1582", "00:00:00", "the program reckons all of 1582 as Julian"},
        {2299238.5, "1 1 1583", "00:00:00", "first day the program reckons as Gregorian"},
        {625307.5, "1 1 -3000", "00:00:00", "lower end of the range (JulDay)"},
        {2817151.5 + 0.999999, "1 1 3001", "00:00:00", "23:59:59.9 rounds into the next day"},
        {2451544.5 - 0.4 / 86400, "1 1 2000", "00:00:00", "0.4 s before midnight rounds up"},
        {2451544.5 - 0.6 / 86400, "31 12 1999", "23:59:59", "0.6 s before midnight rounds down"},
    };
    for (const Case& c : cases) {
        const InstanteCivil i = InstanteDeJD(c.jd);
        EXPECT_EQ(TextoFecha(i), c.fecha) << c.why;
        EXPECT_EQ(TextoHora(i), c.hora) << c.why;
    }
}

TEST(InstanteDeJD, JulDayReadsTheDateAndTimeBackWithinHalfASecond) {
    // A sweep over the program's years with a day step that walks through every month and a
    // fraction that walks through every time of day.
    const double desde = JulDay(1, 1, -3000), hasta = JulDay(31, 12, 3000);
    for (double jd = desde; jd <= hasta; jd += 37.3172519) {
        const InstanteCivil c = InstanteDeJD(jd);
        ASSERT_GE(c.mes, 1);
        ASSERT_LE(c.mes, 12);
        ASSERT_GE(c.dia, 1);
        ASSERT_LE(c.dia, 31);
        const double leido =
            JulDay(c.dia, c.mes, c.anio) + (c.hora * 3600 + c.minuto * 60 + c.segundo) / 86400.0;
        ASSERT_NEAR(leido, jd, 0.5 / 86400 + 1e-9) << TextoFecha(c) << " " << TextoHora(c);
    }
}

}  // namespace
}  // namespace natalis
