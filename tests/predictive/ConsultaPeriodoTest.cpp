#include <gtest/gtest.h>

#include "astro/Calendar.h"
#include "predictive/ConsultaPeriodo.h"

namespace natalis {
namespace {

ConsultaPeriodo Consulta(const std::string& desde, const std::string& hasta,
                         const std::string& orbe = "1", const std::string& tecnica = "Transitos") {
    ConsultaPeriodo c;
    c.desde = desde;
    c.hasta = hasta;
    c.orbe = orbe;
    c.tecnica = tecnica;
    return c;
}

TEST(RevisarConsultaPeriodo, PeriodRunsFromTheFirstDayTo24hOfTheLast) {
    const PeriodoRevisado r =
        RevisarConsultaPeriodo(Consulta(" 1 3 2024", "31/12/2024", "1.5", "Arco Solar"));
    ASSERT_TRUE(r.pedido) << r.mensaje;
    EXPECT_DOUBLE_EQ(r.pedido->jdDesde, JulDay(1, 3, 2024));
    EXPECT_DOUBLE_EQ(r.pedido->jdHasta, JulDay(1, 1, 2025));
    EXPECT_DOUBLE_EQ(r.pedido->orbeDeg, 1.5);
    EXPECT_EQ(r.pedido->tecnica, TecnicaPeriodo::ArcoSolar);
    EXPECT_EQ(r.mensaje, "");
}

TEST(RevisarConsultaPeriodo, DefaultsAreTransitsWithAOneDegreeOrb) {
    ConsultaPeriodo c;
    c.desde = c.hasta = "5 3 1999";  // one day
    const PeriodoRevisado r = RevisarConsultaPeriodo(c);
    ASSERT_TRUE(r.pedido);
    EXPECT_DOUBLE_EQ(r.pedido->jdHasta - r.pedido->jdDesde, 1);
    EXPECT_DOUBLE_EQ(r.pedido->orbeDeg, 1);
    EXPECT_EQ(r.pedido->tecnica, TecnicaPeriodo::Transitos);
}

TEST(RevisarConsultaPeriodo, FirstFailureWinsWithItsMessageAndTitle) {
    const struct {
        ConsultaPeriodo consulta;
        const char* mensaje;
        const char* titulo;
    } casos[] = {
        {Consulta("1 2024", "x", "0", "y"),
         "La fecha debe escribirse como dia mes año, por ejemplo 5 3 1999.", "corregir fecha"},
        {Consulta("1 1 2024", "32 1 2024"), "Dia 32 es incorrecto.", "corregir fecha"},
        {Consulta("1 13 2024", "1 1 2024"), " Mes 13 es incorrecto.", "corregir fecha"},
        {Consulta("1 1 2024", "1 1 3001"), " El rango de años del programa es: -3000 á 3000 años  ",
         "corregir fecha"},
        {Consulta("2 1 2024", "1 1 2024"), "La fecha final es anterior a la inicial.",
         "corregir fecha"},
        {Consulta("1 1 1900", "1 1 2001"), "El período no puede pasar de 100 años.",
         "corregir fecha"},
        {Consulta("1 1 2024", "1 1 2025", "0"),
         "El orbe debe ser un número de grados mayor que 0 y no mayor que 10, por ejemplo 1.5.",
         "corregir orbe"},
        {Consulta("1 1 2024", "1 1 2025", "1", "Primaria"),
         "Técnica desconocida: «Primaria». Las técnicas son \"Transitos\", \"Secundaria\" y "
         "\"Arco Solar\".",
         "corregir técnica"},
    };
    for (const auto& c : casos) {
        const PeriodoRevisado r = RevisarConsultaPeriodo(c.consulta);
        EXPECT_FALSE(r.pedido) << c.mensaje;
        EXPECT_EQ(r.mensaje, c.mensaje);
        EXPECT_EQ(r.titulo, c.titulo);
    }
}

TEST(RevisarConsultaPeriodo, HundredYearsIsTheLongestPeriod) {
    EXPECT_TRUE(RevisarConsultaPeriodo(Consulta("1 1 1900", "31 12 1999")).pedido);
    EXPECT_FALSE(RevisarConsultaPeriodo(Consulta("1 1 1900", "1 1 2001")).pedido);
}

TEST(RevisarConsultaPeriodo, OrbIsANumberOfDegreesAbove0UpTo10) {
    const struct {
        const char* texto;
        bool valido;
        double grados;
    } casos[] = {
        {"1", true, 1},    {" 2.5 ", true, 2.5}, {"0.25", true, 0.25}, {"10", true, 10},
        {"0", false, 0},   {"-1", false, 0},     {"10.01", false, 0},  {"", false, 0},
        {"abc", false, 0}, {"1,5", false, 0},    {"1.5x", false, 0},   {"nan", false, 0},
        {"inf", false, 0}, {"1 5", false, 0},
    };
    for (const auto& c : casos) {
        const PeriodoRevisado r = RevisarConsultaPeriodo(Consulta("1 1 2024", "2 1 2024", c.texto));
        EXPECT_EQ(static_cast<bool>(r.pedido), c.valido) << "«" << c.texto << "»";
        if (r.pedido) {
            EXPECT_DOUBLE_EQ(r.pedido->orbeDeg, c.grados);
        } else {
            EXPECT_EQ(r.titulo, "corregir orbe");
        }
    }
}

TEST(InstanteUT, DateAndTimeRoundedToTheMinute) {
    const double jd = JulDay(7, 3, 2024);
    const struct {
        double jd;
        const char* texto;
    } casos[] = {
        {jd, "2024-03-07 00:00"},
        {jd + 0.5, "2024-03-07 12:00"},
        {jd + (13 * 60 + 5) / 1440.0, "2024-03-07 13:05"},
        {jd + (13 * 60 + 5.49) / 1440.0, "2024-03-07 13:05"},  // 13:05:29
        {jd + (13 * 60 + 5.51) / 1440.0, "2024-03-07 13:06"},  // 13:05:31
        {jd + 1 - 20 / 86400.0, "2024-03-08 00:00"},           // 23:59:40 rounds into the next day
        {jd - 1 / 1440.0, "2024-03-06 23:59"},
        {2451545.0, "2000-01-01 12:00"},  // J2000.0
        {JulDay(31, 12, 1999) + 0.75, "1999-12-31 18:00"},
        {JulDay(1, 1, 1000) + 0.25, "1000-01-01 06:00"},  // Julian calendar
        {JulDay(4, 10, 1582), "1582-10-04 00:00"},        // Julian until 1583, as JulDay reads
    };
    for (const auto& c : casos) EXPECT_EQ(InstanteUT(c.jd), c.texto);
}

TEST(LineaAspectoPeriodo, TabSeparatedLabelsAndInstants) {
    AspectoPeriodo a;
    a.movil = 5;    // MAR
    a.aspecto = 4;  // Trig
    a.natal = 12;   // ASC
    const double jd = JulDay(1, 6, 2024);
    a.jdEntrada = jd - 1.5;
    a.jdExacto = jd;
    a.jdSalida = jd + 1.25;
    EXPECT_EQ(LineaAspectoPeriodo(a),
              "MAR\tTrig\tASC\t2024-05-30 12:00\t2024-06-01 00:00\t2024-06-02 06:00");
    a.movil = 10;
    a.aspecto = 7;
    a.natal = 16;
    a.jdEntrada.reset();
    a.jdSalida.reset();
    EXPECT_EQ(LineaAspectoPeriodo(a), "PLU\tSqcd\tC12\t-\t2024-06-01 00:00\t-");
}

}  // namespace
}  // namespace natalis
