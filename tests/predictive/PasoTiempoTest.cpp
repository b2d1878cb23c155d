// Stepping a date and a transit's instant by a day, a month or a year.
#include <gtest/gtest.h>

#include "astro/Calendar.h"
#include "predictive/PasoTiempo.h"

namespace natalis {
namespace {

struct CasoPaso {
    FechaCivil desde;
    UnidadPaso unidad;
    int cuantos;
    FechaCivil hasta;
};

// Hand-checked against the calendar: Gregorian leap years every fourth year but centuries
// not divisible by 400; Julian (before 1583, as JulDay reads it) every fourth year, year 0
// and -4 included; JulDay places Julian 22 December 1582 on Gregorian 1 January 1583.
const CasoPaso kCasos[] = {
    {{5, 3, 2024}, UnidadPaso::Dia, 1, {6, 3, 2024}},
    {{31, 12, 2024}, UnidadPaso::Dia, 1, {1, 1, 2025}},
    {{1, 1, 2025}, UnidadPaso::Dia, -1, {31, 12, 2024}},
    {{28, 2, 2024}, UnidadPaso::Dia, 1, {29, 2, 2024}},
    {{28, 2, 2023}, UnidadPaso::Dia, 1, {1, 3, 2023}},
    {{28, 2, 1900}, UnidadPaso::Dia, 1, {1, 3, 1900}},   // Gregorian century, not leap
    {{28, 2, 2000}, UnidadPaso::Dia, 1, {29, 2, 2000}},  // divisible by 400, leap
    {{28, 2, 1500}, UnidadPaso::Dia, 1, {29, 2, 1500}},  // Julian: every fourth year
    {{28, 2, 0}, UnidadPaso::Dia, 1, {29, 2, 0}},        // year 0 is a Julian leap year
    {{28, 2, -1}, UnidadPaso::Dia, 1, {1, 3, -1}},
    {{28, 2, -4}, UnidadPaso::Dia, 1, {29, 2, -4}},
    {{1, 1, 0}, UnidadPaso::Dia, -1, {31, 12, -1}},
    {{21, 12, 1582}, UnidadPaso::Dia, 1, {1, 1, 1583}},  // the switch as JulDay reads it
    {{1, 1, 1583}, UnidadPaso::Dia, -1, {21, 12, 1582}},
    {{31, 1, 2024}, UnidadPaso::Mes, 1, {29, 2, 2024}},  // the month's last day
    {{31, 1, 2023}, UnidadPaso::Mes, 1, {28, 2, 2023}},
    {{31, 3, 2024}, UnidadPaso::Mes, -1, {29, 2, 2024}},
    {{31, 5, 2024}, UnidadPaso::Mes, 1, {30, 6, 2024}},
    {{15, 12, 2024}, UnidadPaso::Mes, 1, {15, 1, 2025}},
    {{15, 1, 2025}, UnidadPaso::Mes, -1, {15, 12, 2024}},
    {{31, 1, 1900}, UnidadPaso::Mes, 1, {28, 2, 1900}},
    {{31, 1, 1500}, UnidadPaso::Mes, 1, {29, 2, 1500}},
    {{15, 1, 0}, UnidadPaso::Mes, -1, {15, 12, -1}},
    {{15, 12, -1}, UnidadPaso::Mes, 1, {15, 1, 0}},
    {{31, 11, 1582}, UnidadPaso::Mes, 1, {21, 12, 1582}},  // December 1582 ends on the 21st
    {{29, 2, 2024}, UnidadPaso::Anio, 1, {28, 2, 2025}},
    {{29, 2, 2024}, UnidadPaso::Anio, 4, {29, 2, 2028}},
    {{29, 2, 2024}, UnidadPaso::Anio, -1, {28, 2, 2023}},
    {{28, 2, 2025}, UnidadPaso::Anio, -1, {28, 2, 2024}},  // the day kept, not the month's end
    {{5, 3, 2024}, UnidadPaso::Anio, -1, {5, 3, 2023}},
    {{29, 2, 1600}, UnidadPaso::Anio, 100, {28, 2, 1700}},
    {{29, 2, 4}, UnidadPaso::Anio, -4, {29, 2, 0}},
    {{29, 2, 0}, UnidadPaso::Anio, -1, {28, 2, -1}},
    {{10, 6, 0}, UnidadPaso::Anio, -1, {10, 6, -1}},
    {{10, 6, -1}, UnidadPaso::Anio, 1, {10, 6, 0}},
    {{10, 6, -2999}, UnidadPaso::Anio, -1, {10, 6, -3000}},
};

TEST(DesplazarFecha, TableOfDaysMonthsAndYears) {
    for (const CasoPaso& c : kCasos) {
        const FechaCivil r = DesplazarFecha(c.desde, c.unidad, c.cuantos);
        EXPECT_EQ(r, c.hasta) << c.desde.dia << " " << c.desde.mes << " " << c.desde.anio << " "
                              << static_cast<int>(c.unidad) << " " << c.cuantos << " gave " << r.dia
                              << " " << r.mes << " " << r.anio;
    }
}

TEST(DesplazarFecha, ADayIsOneJulianDay) {
    // Every day of years either side of the switch and of year 0, one step at a time.
    for (const FechaCivil inicio : {FechaCivil{1, 1, 1580}, FechaCivil{1, 1, -2}}) {
        FechaCivil f = inicio;
        for (int i = 0; i < 3 * 366; ++i) {
            const FechaCivil g = DesplazarFecha(f, UnidadPaso::Dia, 1);
            EXPECT_DOUBLE_EQ(JulDay(g.dia, g.mes, g.anio) - JulDay(f.dia, f.mes, f.anio), 1)
                << f.dia << " " << f.mes << " " << f.anio;
            EXPECT_EQ(DesplazarFecha(g, UnidadPaso::Dia, -1), f);
            f = g;
        }
    }
}

TEST(DiasDelMes, GregorianJulianAndTheSwitch) {
    EXPECT_EQ(DiasDelMes(2, 2024), 29);
    EXPECT_EQ(DiasDelMes(2, 2100), 28);
    EXPECT_EQ(DiasDelMes(2, 2000), 29);
    EXPECT_EQ(DiasDelMes(2, 1300), 29);
    EXPECT_EQ(DiasDelMes(2, 0), 29);
    EXPECT_EQ(DiasDelMes(2, -3), 28);
    EXPECT_EQ(DiasDelMes(4, 2024), 30);
    EXPECT_EQ(DiasDelMes(12, 2024), 31);
    EXPECT_EQ(DiasDelMes(12, 1582), 21);
}

TEST(DesplazarInstante, KeepsTheTimeOfDayOnTheBirthZoneClock) {
    const double zona = 3;  // three hours west
    // 31 January 2024, 22:30 on the zone's clock is 1 February, 01:30 UT.
    const double jd = JulDay(31, 1, 2024) + (22.5 + zona) / 24;
    EXPECT_NEAR(DesplazarInstante(jd, zona, UnidadPaso::Mes, 1),
                JulDay(29, 2, 2024) + (22.5 + zona) / 24, 1e-9);
    EXPECT_NEAR(DesplazarInstante(jd, zona, UnidadPaso::Dia, -1), jd - 1, 1e-9);
    EXPECT_NEAR(DesplazarInstante(jd, zona, UnidadPaso::Anio, 1),
                JulDay(31, 1, 2025) + (22.5 + zona) / 24, 1e-9);
    EXPECT_EQ(FechaEnZona(jd, zona), (FechaCivil{31, 1, 2024}));
    EXPECT_EQ(HoraEnZona(jd, zona), "22 30");
    EXPECT_EQ(FechaEnZona(jd, 0), (FechaCivil{1, 2, 2024}));
    EXPECT_EQ(HoraEnZona(jd, 0), "01 30");
}

TEST(DesplazarInstante, ForwardAndBackReturnsToTheStart) {
    const double zona = -9;  // nine hours east
    const double jd = JulDay(15, 6, 1582) + 0.3141;
    for (const UnidadPaso u : {UnidadPaso::Dia, UnidadPaso::Mes, UnidadPaso::Anio}) {
        const double ida = DesplazarInstante(jd, zona, u, 1);
        EXPECT_GT(ida, jd);
        EXPECT_NEAR(DesplazarInstante(ida, zona, u, -1), jd, 1e-8) << static_cast<int>(u);
    }
}

TEST(HoraEnZona, RoundsToTheMinuteAndCarriesTheDay) {
    // 23:59:40 on the clock is written as 00:00 of the next day.
    const double jd = JulDay(31, 12, 2024) + (23 + 59 / 60.0 + 40 / 3600.0) / 24;
    EXPECT_EQ(HoraEnZona(jd, 0), "00 00");
    EXPECT_EQ(FechaEnZona(jd, 0), (FechaCivil{1, 1, 2025}));
}

}  // namespace
}  // namespace natalis
