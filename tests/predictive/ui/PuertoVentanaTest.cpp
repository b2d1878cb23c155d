// The predictive and period controllers reach the main window only through PuertoVentana: on
// a fake port, with no main window at all, their commands compute in the session and ask the
// port to show what was drawn.
#include <gtest/gtest.h>

#include <QAction>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QVBoxLayout>
#include <map>
#include <memory>
#include <vector>

#include "app/session/ChartSession.h"
#include "astro/SwissEphemeris.h"
#include "chart/Aspects.h"
#include "chart/ui/ChartView.h"
#include "chart/ui/QtSurface.h"
#include "predictive/ui/ControlPeriodo.h"
#include "predictive/ui/ControlPredictivo.h"
#include "predictive/ui/PuertoVentana.h"
#include "tests/app/FakeClock.h"
#include "tests/predictive/ui/PuertoFalso.h"
#include "tests/ui/ScriptedDialogs.h"

namespace natalis {
namespace {

const std::string kCharts = std::string(NATALIS_SOURCE_DIR) + "/charts/";

struct Puerto : ::testing::Test {
    SwissEphemeris eph;
    PuertoFalso w{eph};
    ControlPredictivo* predictivo = nullptr;
    ControlPeriodo* periodo = nullptr;

    void SetUp() override {
        ChartSession& s = w.Sesion();
        ASSERT_TRUE(s.Load(kCharts, "Ana_Lucia_Ferreyra.dat").ok);
        ASSERT_FALSE(s.MostrarNatal(&w.Superficie()).has_value());
        predictivo = new ControlPredictivo(w);
        periodo = new ControlPeriodo(w);
        EXPECT_EQ(predictivo->parent(), w.Ventana());
        EXPECT_EQ(periodo->parent(), w.Ventana());
    }
};

TEST_F(Puerto, ProgressionOpensThePortsDateDialogAndShowsWhatTheSessionDrew) {
    predictivo->mnuProg_Click(41);  // "Arco Solar"
    EXPECT_FALSE(w.MarcoFecha()->isHidden());
    EXPECT_TRUE(w.ComandoIndice(41)->isChecked());
    EXPECT_FALSE(w.ComandoIndice(40)->isChecked());
    EXPECT_EQ(w.redibujados, 0);

    w.CajaFecha()->setText("1 1 2030");
    predictivo->btnOK_Click(0);
    EXPECT_TRUE(w.Sesion().pred.HayProgresion);
    EXPECT_EQ(w.Sesion().pred.FechaProgTexto, "1 1 2030");
    EXPECT_EQ(w.redibujados, 1);
    EXPECT_EQ(w.listas, (std::vector<int>{-1}));
    EXPECT_EQ(w.ListaAspectos()->item(0)->text(), "PROGRESION");
    EXPECT_TRUE(w.MarcoFecha()->isHidden());
    EXPECT_TRUE(w.Comando("mnuVerSoloNatal")->isEnabled());
    EXPECT_TRUE(w.ComandoIndice(50)->isEnabled());

    // "Ver solo natal": the natal aspects again, and no progression's date to transit to.
    predictivo->mnuVerSoloNatal_Click();
    EXPECT_EQ(w.redibujados, 2);
    EXPECT_EQ(w.listas, (std::vector<int>{-1, -1}));
    EXPECT_EQ(w.Sesion().Lista, ListarAspectos(w.Sesion().tables.natal));
    EXPECT_FALSE(w.ComandoIndice(50)->isEnabled());
}

TEST_F(Puerto, RefusedDateGoesToThePortsDialogsAndNothingIsShown) {
    predictivo->mnuProg_Click(42);
    w.CajaFecha()->setText("1 13 2030");
    predictivo->btnOK_Click(0);
    ASSERT_EQ(w.dialogos.asked.size(), 1u);
    EXPECT_EQ(w.dialogos.asked[0].title, "corregir fecha");
    EXPECT_EQ(w.redibujados, 0);
    EXPECT_TRUE(w.listas.empty());
    EXPECT_FALSE(w.MarcoFecha()->isHidden());  // still open, to mend the date
}

// The birth-time change redraws through the port's GraficarNatal.
TEST_F(Puerto, BirthTimeChangeDrawsTheChartThroughThePort) {
    predictivo->AbrirCambioHora();
    w.CajaHora()->setText("10 30 00");
    predictivo->btnOK_Click(0);
    EXPECT_EQ(w.graficados, 1);
    EXPECT_FLOAT_EQ(w.Sesion().DatosNatales.NatalHour, 10.5f);
    EXPECT_TRUE(w.Comando("mnuGuardarHora")->isVisible());
}

TEST_F(Puerto, StepsMoveTheTransitOnDisplayAndShowItsBlock) {
    periodo->Paso(UnidadPaso::Dia, 1);  // nothing on display: nothing asked of the window
    EXPECT_EQ(w.redibujados, 0);
    EXPECT_TRUE(w.listas.empty());

    predictivo->mnuTransito_Click(51);  // "Fecha Actual": the fake clock's instant
    ASSERT_EQ(w.redibujados, 1);
    ASSERT_EQ(w.listas.size(), 1u);
    const int bloque = w.listas[0];
    EXPECT_EQ(bloque, static_cast<int>(ListarAspectos(w.Sesion().tables.natal).size()));
    const double antes = *w.Sesion().JdTransito();

    periodo->Paso(UnidadPaso::Dia, 1);
    EXPECT_EQ(w.redibujados, 2);
    EXPECT_EQ(w.listas, (std::vector<int>{bloque, bloque}));  // the block took its own place
    EXPECT_NEAR(*w.Sesion().JdTransito(), antes + 1, 1e-6);
    EXPECT_EQ(periodo->lblFechaPaso()->text().toStdString(), w.Sesion().FechaEnPantalla());
}

// A hit of the session's period search is drawn by the technique the session searched with.
TEST_F(Puerto, ChosenPeriodHitIsDrawnByTheSessionsTechnique) {
    PeriodoPedido p;
    p.jdDesde = 2460310.5;  // 1 1 2024, 0 h UT
    p.jdHasta = 2460676.5;  // 1 1 2025, 0 h UT
    p.tecnica = TecnicaPeriodo::Secundaria;
    p.orbeDeg = 1;
    const auto& hits = w.Sesion().AspectosDelPeriodo(p);
    ASSERT_FALSE(hits.empty());
    EXPECT_EQ(w.Sesion().Periodo.tecnica, TecnicaPeriodo::Secundaria);

    periodo->Elegir(hits.front());
    EXPECT_EQ(w.Sesion().pred.Tecnica, TipoTecnica::Secundaria);
    EXPECT_TRUE(w.Sesion().pred.HayProgresion);
    EXPECT_EQ(w.redibujados, 1);
    EXPECT_EQ(w.listas, (std::vector<int>{0}));
    EXPECT_TRUE(w.ComandoIndice(43)->isChecked());  // the menu shows the technique drawn
    EXPECT_FALSE(w.ComandoIndice(41)->isChecked());
}

}  // namespace
}  // namespace natalis
