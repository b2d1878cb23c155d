#include <gtest/gtest.h>

#include "PredictiveFixture.h"
#include "astro/AngleMath.h"
#include "astro/Calendar.h"
#include "astro/DateTimeParse.h"
#include "predictive/ArcoSolar.h"
#include "predictive/CalcularProgresion.h"

namespace natalis {
namespace {

using testing::RegistroDePrueba;
using testing::TablasNatales;
using testing::UniformEphemeris;

TEST(InstanteProgresado, IsAsManyDaysAfterTheBirthMomentAsYearsOfAge) {
    const double jd0 = 2451544.5, horaUT = 15;
    const struct {
        double jd, esperado;
    } casos[] = {
        {jd0, jd0 + 15.0 / 24},                     // the birth date itself
        {jd0 + 365.25 * 30, jd0 + 30 + 15.0 / 24},  // thirty years of age
        {jd0 - 365.25 * 10, jd0 - 10 + 15.0 / 24},  // ten years before the birth
        {jd0 + 365.25 / 2, jd0 + 0.5 + 15.0 / 24},  // half a year: half a day
    };
    for (const auto& c : casos) {
        EXPECT_NEAR(InstanteProgresado(c.jd, jd0, horaUT), c.esperado, 1e-9);
    }
}

struct Escenario {
    UniformEphemeris eph;  // the Sun moves one degree a day
    NatalRecord rec = RegistroDePrueba();
    ChartTables tablas;
    double horaUT = rec.NatalHour + rec.ZoneHours;
    Escenario() { tablas = TablasNatales(rec, eph); }
};

TEST(ArcoSolar, AgreesWithTheProgressionEngine) {
    for (const char* fecha : {"1 1 2030", "17 8 2045", "3 3 2001"}) {
        Escenario e;
        PredictiveState ps;
        ps.Tecnica = TipoTecnica::ArcoSolar;
        ps.FechaProgTexto = fecha;
        std::string texto = fecha;
        double d = 0, m = 0, a = 0;
        std::string serr;
        stringFecha_a_dma(texto, d, m, a, serr);
        ASSERT_EQ(CalcularProgresion(ps, e.tablas, e.rec, SistemaCasas::Placido, e.eph).estado,
                  ProgresionEstado::Calculada);
        const double arco = ArcoSolar(JulDay(d, m, a), e.tablas.natal, e.horaUT, e.eph);
        EXPECT_NEAR(Reducir180(arco - ps.Arco), 0, 1e-4) << fecha;
    }
}

TEST(ArcoSolar, LiesBetweenMinus180And180) {
    Escenario e;
    const double jd0 = e.tablas.natal.NatalJD0;
    // The birth date gives about 0, not a whole turn; ten years before it, about -10 degrees
    // (ten days of a Sun moving one degree a day); ten years after, about +10.
    EXPECT_NEAR(ArcoSolar(jd0, e.tablas.natal, e.horaUT, e.eph), 0, 1e-4);
    EXPECT_NEAR(ArcoSolar(jd0 - 365.25 * 10, e.tablas.natal, e.horaUT, e.eph), -10, 1e-4);
    EXPECT_NEAR(ArcoSolar(jd0 + 365.25 * 10, e.tablas.natal, e.horaUT, e.eph), 10, 1e-4);
    // 200 years: 200 degrees of arc, given as -160.
    EXPECT_NEAR(ArcoSolar(jd0 + 365.25 * 200, e.tablas.natal, e.horaUT, e.eph), -160, 1e-3);
}

}  // namespace
}  // namespace natalis
