// A transit drawn at a universal-time instant, and a transit or a progression stepped
// through time on the session, as the window's step buttons and keys run them.
#include <gtest/gtest.h>

#include "app/session/ChartSession.h"
#include "astro/Calendar.h"
#include "astro/Planets.h"
#include "astro/SwissEphemeris.h"
#include "chart/RecordingSurface.h"
#include "tests/predictive/PredictiveFixture.h"

namespace natalis {
namespace {

// A session with the test record's natal chart on display (zone +3, born 1 1 2000).
struct Sesion {
    SwissEphemeris eph;
    ChartSession s{eph};
    Sesion() {
        s.DatosNatales = testing::RegistroDePrueba();
        s.flags.ChartLoaded = true;
        s.MostrarNatal(nullptr);
    }
    // The ephemeris's bodies at jd, as the transit computation asks for them.
    PlanetTable Cielo(double jd) {
        PlanetTable t = s.tables.Planet;
        Planets(jd, eph, t);
        return t;
    }
};

void EsperarCielo(const PlanetTable& a, const PlanetTable& b) {
    for (int i = 1; i <= 10; ++i) {
        EXPECT_EQ(a[i].Lon, b[i].Lon) << i;
        EXPECT_EQ(a[i].Vel, b[i].Vel) << i;
    }
}

TEST(ChartSessionTransitarJD, DrawsTheSkyOfTheInstantListedOnTheBirthZoneClock) {
    Sesion t;
    const size_t natales = t.s.Lista.size();
    RecordingSurface surface;
    // 10 March 2024, 01:30 UT is 9 March, 22:30 at three hours west.
    const double jd = JulDay(10, 3, 2024) + 1.5 / 24;
    const TransitoResultado r = t.s.TransitarJD(&surface, jd);
    ASSERT_FALSE(r.errorCalculo);
    EXPECT_FALSE(surface.Ops().empty());
    EsperarCielo(t.s.tables.Planet, t.Cielo(jd));
    ASSERT_TRUE(t.s.JdTransito());
    EXPECT_DOUBLE_EQ(*t.s.JdTransito(), jd);
    EXPECT_EQ(r.primeraLinea, natales);
    ASSERT_GT(t.s.Lista.size(), natales + 4);
    EXPECT_EQ(t.s.Lista[natales], "  TRANSITOS");
    EXPECT_EQ(t.s.Lista[natales + 2], "Fecha:  9 3 2024");
    EXPECT_EQ(t.s.Lista[natales + 3], "Hora:  22 30");
    EXPECT_EQ(t.s.FechaEnPantalla(), "Tránsito 9 3 2024 22:30");
}

TEST(ChartSessionTransitarJD, IsTheTransitOfTheSameTypedDateAndHour) {
    Sesion a, b;
    const double jd = JulDay(9, 3, 2024) + (22.5 + 3) / 24;
    a.s.TransitarJD(nullptr, jd);
    class Reloj : public Clock {
        LocalDateTime Now() const override { return {}; }
        TimeZoneRecord TimeZone() const override { return {}; }
    } reloj;
    std::string fecha = "9 3 2024", hora = "22 30";
    b.s.Transitar(reloj, nullptr, fecha, hora);
    EsperarCielo(a.s.tables.Planet, b.s.tables.Planet);
    EXPECT_EQ(a.s.Lista, b.s.Lista);
}

TEST(ChartSessionDesplazar, NothingOnDisplayStepsNothing) {
    Sesion t;
    const auto lista = t.s.Lista;
    EXPECT_EQ(t.s.Desplazar(nullptr, UnidadPaso::Dia, 1).movio, PasoMovio::Nada);
    EXPECT_EQ(t.s.Lista, lista);
    EXPECT_EQ(t.s.FechaEnPantalla(), "");
}

TEST(ChartSessionDesplazar, ATransitStepsForwardAndBackToItsStart) {
    Sesion t;
    const double inicio = JulDay(31, 1, 2024) + (22.5 + 3) / 24;  // 31 1 2024 22:30 local
    t.s.TransitarJD(nullptr, inicio);
    struct Caso {
        UnidadPaso unidad;
        int cuantos;
        const char* fecha;
    };
    const Caso casos[] = {
        {UnidadPaso::Dia, 1, "Tránsito 1 2 2024 22:30"},
        {UnidadPaso::Dia, -1, "Tránsito 31 1 2024 22:30"},
        {UnidadPaso::Mes, 1, "Tránsito 29 2 2024 22:30"},
        {UnidadPaso::Mes, -1, "Tránsito 29 1 2024 22:30"},  // the day the step kept
        {UnidadPaso::Dia, 2, "Tránsito 31 1 2024 22:30"},
        {UnidadPaso::Anio, 1, "Tránsito 31 1 2025 22:30"},
        {UnidadPaso::Anio, -1, "Tránsito 31 1 2024 22:30"},
    };
    for (const Caso& c : casos) {
        const PasoSesion p = t.s.Desplazar(nullptr, c.unidad, c.cuantos);
        EXPECT_EQ(p.movio, PasoMovio::Transito);
        EXPECT_EQ(t.s.FechaEnPantalla(), c.fecha);
        ASSERT_TRUE(t.s.JdTransito());
        EsperarCielo(t.s.tables.Planet, t.Cielo(*t.s.JdTransito()));
    }
    EXPECT_NEAR(*t.s.JdTransito(), inicio, 1e-8);
    // Each step lists its transit once below the natal aspects.
    EXPECT_EQ(std::count(t.s.Lista.begin(), t.s.Lista.end(), "  TRANSITOS"), 1);
}

TEST(ChartSessionDesplazar, AProgressionStepsItsDateAndListsIt) {
    Sesion t;
    t.s.pred.Tecnica = TipoTecnica::Secundaria;
    t.s.pred.FechaProgTexto = "31 1 2030";
    ASSERT_EQ(t.s.Progresar(nullptr).estado, ProgresionEstado::Calculada);
    EXPECT_EQ(t.s.FechaEnPantalla(), "Progresión 31 1 2030");
    const float edad = t.s.pred.Edad;
    PasoSesion p = t.s.Desplazar(nullptr, UnidadPaso::Mes, 1);
    EXPECT_EQ(p.movio, PasoMovio::Progresion);
    EXPECT_EQ(p.progresion.estado, ProgresionEstado::Calculada);
    EXPECT_EQ(t.s.pred.FechaProgTexto, "28 2 2030");
    EXPECT_GT(t.s.pred.Edad, edad);
    EXPECT_EQ(t.s.Lista[0], "PROGRESION");
    t.s.Desplazar(nullptr, UnidadPaso::Anio, 1);
    EXPECT_EQ(t.s.pred.FechaProgTexto, "28 2 2031");
    t.s.Desplazar(nullptr, UnidadPaso::Anio, -1);
    t.s.Desplazar(nullptr, UnidadPaso::Dia, 3);
    EXPECT_EQ(t.s.pred.FechaProgTexto, "3 3 2030");
    t.s.Desplazar(nullptr, UnidadPaso::Dia, -3);
    t.s.Desplazar(nullptr, UnidadPaso::Mes, -1);
    EXPECT_EQ(t.s.pred.FechaProgTexto, "28 1 2030");
}

TEST(ChartSessionDesplazar, ATransitOverAProgressionStepsTheTransit) {
    Sesion t;
    t.s.pred.Tecnica = TipoTecnica::ArcoSolar;
    t.s.pred.FechaProgTexto = "1 6 2030";
    ASSERT_EQ(t.s.Progresar(nullptr).estado, ProgresionEstado::Calculada);
    t.s.TransitarJD(nullptr, JulDay(1, 6, 2030));
    const PasoSesion p = t.s.Desplazar(nullptr, UnidadPaso::Dia, 1);
    EXPECT_EQ(p.movio, PasoMovio::Transito);
    EXPECT_EQ(p.transito.progresion.estado, ProgresionEstado::Calculada);
    EXPECT_EQ(t.s.pred.FechaProgTexto, "1 6 2030");
    EXPECT_EQ(t.s.Lista[0], "PROGRESION");
}

TEST(ChartSessionDesplazar, TheTransitLeavesWithANewDrawing) {
    Sesion t;
    t.s.TransitarJD(nullptr, JulDay(1, 6, 2030));
    t.s.SoloNatal(nullptr);
    EXPECT_FALSE(t.s.JdTransito());
    t.s.TransitarJD(nullptr, JulDay(1, 6, 2030));
    t.s.pred.Tecnica = TipoTecnica::Secundaria;
    t.s.pred.FechaProgTexto = "1 6 2030";
    ASSERT_EQ(t.s.Progresar(nullptr).estado, ProgresionEstado::Calculada);
    EXPECT_FALSE(t.s.JdTransito());  // the progression was drawn over a fresh wheel
    t.s.TransitarJD(nullptr, JulDay(1, 6, 2030));
    t.s.MostrarNatal(nullptr);
    EXPECT_FALSE(t.s.JdTransito());
    std::string fecha = "1 1 2031";
    t.s.Retornar(nullptr, TipoRetorno::Solar, fecha);
    EXPECT_TRUE(t.s.JdTransito());  // a return is shown as a transit, and steps like one
}

}  // namespace
}  // namespace natalis
