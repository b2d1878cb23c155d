// A return run on the session, as the window and the headless command run it: the bodies of
// the return go into Planet and its block below the list's lines; a refused date changes
// nothing.
#include <gtest/gtest.h>

#include "app/session/ChartSession.h"
#include "astro/Calendar.h"
#include "astro/SwissEphemeris.h"
#include "chart/RecordingSurface.h"
#include "tests/predictive/PredictiveFixture.h"

namespace natalis {
namespace {

// A session with the test record's natal chart on display.
struct Sesion {
    SwissEphemeris eph;
    ChartSession s{eph};
    Sesion() {
        s.DatosNatales = testing::RegistroDePrueba();
        s.flags.ChartLoaded = true;
        s.MostrarNatal(nullptr);
    }
};

TEST(ChartSessionRetornar, BlockGoesBelowTheListAndTheBodiesIntoPlanet) {
    Sesion t;
    const std::vector<std::string> antes = t.s.Lista;  // the natal aspects
    RecordingSurface surface;
    std::string fecha = " 1 1 2031";
    const RetornoSesion r = t.s.Retornar(&surface, TipoRetorno::Solar, fecha);
    ASSERT_EQ(r.retorno.estado, RetornoCalculoEstado::Calculado) << r.retorno.mensaje;
    EXPECT_EQ(fecha, "1 1 2031");
    EXPECT_FALSE(surface.Ops().empty());  // natal wheel and transit ring
    EXPECT_EQ(r.primeraLinea, antes.size());
    ASSERT_GT(t.s.Lista.size(), antes.size() + 6);
    EXPECT_TRUE(std::equal(antes.begin(), antes.end(), t.s.Lista.begin()));
    EXPECT_EQ(t.s.Lista[antes.size()], "RETORNO SOLAR");
    EXPECT_EQ(t.s.Lista[antes.size() + 1].rfind("Instante UT:  ", 0), 0u);
    EXPECT_GE(r.retorno.jd, JulDay(1, 1, 2031) + t.s.DatosNatales.ZoneHours / 24.0);
    for (int i = 1; i <= 10; ++i) {
        EXPECT_EQ(t.s.tables.Planet[i].Lon, r.retorno.Planet[i].Lon) << i;
    }
    EXPECT_NEAR(t.s.tables.Planet[1].Lon, t.s.tables.natal.PlanetaNatal[1].Lon, 1e-4);
}

TEST(ChartSessionRetornar, WithAProgressionOnDisplayTheListIsTheProgressionThenTheReturn) {
    Sesion t;
    t.s.pred.Tecnica = TipoTecnica::Secundaria;
    t.s.pred.FechaProgTexto = "1 1 2030";
    ASSERT_EQ(t.s.Progresar(nullptr).estado, ProgresionEstado::Calculada);
    t.s.Lista.push_back("otra cosa");
    std::string fecha = "1 6 2030";
    const RetornoSesion r = t.s.Retornar(nullptr, TipoRetorno::Lunar, fecha);
    ASSERT_EQ(r.retorno.estado, RetornoCalculoEstado::Calculado);
    EXPECT_EQ(r.progresion.estado, ProgresionEstado::Calculada);
    EXPECT_EQ(t.s.Lista[0], "PROGRESION");
    EXPECT_EQ(std::count(t.s.Lista.begin(), t.s.Lista.end(), "otra cosa"), 0);
    ASSERT_LT(r.primeraLinea, t.s.Lista.size());
    EXPECT_EQ(t.s.Lista[r.primeraLinea], "RETORNO LUNAR");
}

TEST(ChartSessionRetornar, RefusedDateChangesNothing) {
    Sesion t;
    const PlanetTable antes = t.s.tables.Planet;
    const std::vector<std::string> lista = t.s.Lista;
    RecordingSurface surface;
    std::string fecha = "1 13 2030";
    const RetornoSesion r = t.s.Retornar(&surface, TipoRetorno::Solar, fecha);
    EXPECT_EQ(r.retorno.estado, RetornoCalculoEstado::FechaRechazada);
    EXPECT_EQ(r.retorno.mensaje, " Mes 13 es incorrecto.");
    EXPECT_EQ(r.retorno.titulo, "corregir fecha");
    EXPECT_EQ(t.s.Lista, lista);
    EXPECT_TRUE(surface.Ops().empty());
    for (int i = 1; i <= 10; ++i) EXPECT_EQ(t.s.tables.Planet[i].Lon, antes[i].Lon);
}

}  // namespace
}  // namespace natalis
