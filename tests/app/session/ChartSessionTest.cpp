// The session's progression to a typed date: a rejected date never replaces the date of the
// progression on display.
#include <gtest/gtest.h>

#include "app/session/ChartSession.h"
#include "chart/RecordingSurface.h"
#include "tests/app/FakeClock.h"
#include "tests/predictive/PredictiveFixture.h"

namespace natalis {
namespace {

class SessionProgression : public ::testing::Test {
  protected:
    void SetUp() override {
        s.DatosNatales = testing::RegistroDePrueba();
        s.flags.ChartLoaded = true;
        s.MostrarNatal(&surface);
        s.pred.Tecnica = TipoTecnica::ArcoSolar;
    }
    testing::UniformEphemeris eph;
    ChartSession s{eph};
    RecordingSurface surface;
};

TEST_F(SessionProgression, RejectedDateKeepsTheDateOfTheProgressionOnDisplay) {
    ASSERT_EQ(s.ProgresarHasta("1 1 2030", &surface).estado, ProgresionEstado::Calculada);
    const std::vector<std::string> lista = s.Lista;
    const ProgresionResultado r = s.ProgresarHasta("32 1 2030", &surface);
    EXPECT_EQ(r.estado, ProgresionEstado::FechaRechazada);
    EXPECT_EQ(r.mensaje, "Dia 32 es incorrecto.");
    EXPECT_EQ(s.pred.FechaProgTexto, "1 1 2030");
    EXPECT_TRUE(s.pred.HayProgresion);
    EXPECT_EQ(s.Lista, lista);

    // "Fecha de Prog." transits at the date on display, not at the refused text.
    FakeClock clock;
    std::string fecha = kTransitoFechaProg, hora = "12";
    const TransitoResultado t = s.Transitar(clock, &surface, fecha, hora);
    EXPECT_EQ(t.instante.estado, TransitoEstado::Calculado);
    EXPECT_EQ(fecha, "1 1 2030");
}

TEST_F(SessionProgression, AcceptedDateBecomesTheProgressionDate) {
    ASSERT_EQ(s.ProgresarHasta("1 1 2030", &surface).estado, ProgresionEstado::Calculada);
    ASSERT_EQ(s.ProgresarHasta("1 6 2041", &surface).estado, ProgresionEstado::Calculada);
    EXPECT_EQ(s.pred.FechaProgTexto, "1 6 2041");
}

}  // namespace
}  // namespace natalis
