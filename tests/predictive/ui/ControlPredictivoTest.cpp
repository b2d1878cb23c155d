// The predictive commands driven offscreen through the main window: the date dialog in its
// three modes, its key filters, the age warning, transits in the list and the solar dialog.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <algorithm>
#include <cmath>
#include <functional>

#include "../../app/FakeClock.h"
#include "../../ui/ChartFolder.h"
#include "../../ui/ScriptedDialogs.h"
#include "../PredictiveFixture.h"
#include "app/ui/ChartBrowser.h"
#include "app/ui/CuadroGral.h"
#include "astro/Calendar.h"
#include "astro/DateTimeParse.h"
#include "astro/InstanteCivil.h"
#include "chart/Aspects.h"
#include "predictive/HoraSolar.h"
#include "predictive/Retorno.h"
#include "predictive/ui/ControlPredictivo.h"

namespace natalis {
namespace {

std::vector<std::string> Items(const QListWidget* list) {
    std::vector<std::string> out;
    for (int i = 0; i < list->count(); ++i) out.push_back(list->item(i)->text().toStdString());
    return out;
}

void Key(QWidget* w, int key, const QString& text = QString()) {
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, text);
    QApplication::sendEvent(w, &press);
}

// Types one character as a key press with its text.
void Type(QWidget* w, char ch) { Key(w, 0, QString(QChar(ch))); }

void Click(QWidget* w) {
    const QPointF p(2, 2);
    QMouseEvent release(QEvent::MouseButtonRelease, p, w->mapToGlobal(p), Qt::LeftButton,
                        Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(w, &release);
}

class Predictivo : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(folder.dir.isValid());
        folder.Write("Ana.dat", ChartText("Ana Prueba"));  // born 5 3 1970
        clock.now = {2024, 3, 5, 14, 5, 0};
        clock.zone = Zone(180);
        w = std::make_unique<CuadroGral>(dialogs, clock, eph, folder.Path());
        w->FormLoad();
        w->flistArchivos()->setCurrentRow(0);
        w->flistArchivos_Click();
        ASSERT_TRUE(w->State().flags.ChartLoaded);
        c = w->findChild<ControlPredictivo*>("ControlPredictivo");
        ASSERT_NE(c, nullptr);
        dialogs.asked.clear();
    }

    void Progresar(int menu, const std::string& fecha) {
        c->mnuProg_Click(menu);
        w->txtFecha()->setText(QString::fromStdString(fecha));
        c->btnOK_Click(0);
    }

    ChartFolder folder;
    ScriptedDialogs dialogs;
    FakeClock clock;
    testing::UniformEphemeris eph;
    std::unique_ptr<CuadroGral> w;
    ControlPredictivo* c = nullptr;
};

TEST_F(Predictivo, ProgressionMenuOpensTheDialogAndChecksTheTechnique) {
    c->mnuProg_Click(42);
    EXPECT_TRUE(w->fInputMain()->isVisible());
    EXPECT_EQ(w->fInputMain()->title(), "Prog Grado x Año");
    EXPECT_EQ(c->fInputFecha()->title(), "  FECHA a PROGRESAR:");
    EXPECT_EQ(c->lblFechaNat()->text(), "Fecha a Progresar");
    EXPECT_EQ(c->lbl024hs()->text(), "fecha natal  5 3 1970");
    EXPECT_FALSE(w->txtHora()->isVisible());
    EXPECT_TRUE(c->chkCsaArco()->isVisible());
    EXPECT_TRUE(w->txtFecha()->hasSelectedText());
    EXPECT_TRUE(w->mnuProg(42)->isChecked());
    EXPECT_FALSE(w->mnuProg(40)->isChecked());
    EXPECT_EQ(w->State().pred.Tecnica, TipoTecnica::GradoAnio);
}

TEST_F(Predictivo, PrimaryForcesDirectAndTheNextTechniqueKeepsIt) {
    c->mnuProg_Click(42);
    c->opbProg(1)->click();
    EXPECT_TRUE(w->State().pred.Conversa);
    c->mnuProg_Click(40);
    EXPECT_TRUE(c->opbProg(0)->isChecked());
    EXPECT_FALSE(c->opbProg(0)->isEnabled());
    EXPECT_FALSE(c->chkCsaArco()->isEnabled());
    EXPECT_FALSE(w->State().pred.Conversa);
    c->mnuProg_Click(41);
    EXPECT_TRUE(c->opbProg(1)->isEnabled());
    EXPECT_TRUE(c->opbProg(0)->isChecked());
    EXPECT_FALSE(w->State().pred.Conversa);
}

TEST_F(Predictivo, OkDrawsTheRingListsAndOffersTheDateAgain) {
    Progresar(41, "5 3 2000");
    ASSERT_TRUE(dialogs.asked.empty());
    EXPECT_FALSE(w->fInputMain()->isVisible());
    EXPECT_TRUE(w->State().pred.HayProgresion);
    EXPECT_TRUE(w->Action("mnuVerSoloNatal")->isEnabled());
    EXPECT_TRUE(w->mnuTransito(50)->isEnabled());
    const auto lista = Items(w->Lista());
    ASSERT_GE(lista.size(), 3u);
    EXPECT_EQ(lista[0], "PROGRESION");
    EXPECT_EQ(lista[1], "Arco Solar");
    EXPECT_EQ(lista[4], "Edad :  30 años.");  // 10957 days, hand computation: 29.9986
    w->txtFecha()->setText("1 1 1999");
    c->mnuProg_Click(42);
    EXPECT_EQ(w->txtFecha()->text(), "5 3 2000");
}

TEST_F(Predictivo, SecondaryProgressionIsTheFourthEntryWithConverseAndAscEnArco) {
    EXPECT_EQ(w->mnuProg(43)->text(), "Secundaria");
    c->mnuProg_Click(40);  // primary directions leave the options disabled
    c->mnuProg_Click(43);
    EXPECT_EQ(w->fInputMain()->title(), "Prog Secundaria");
    EXPECT_TRUE(c->opbProg(1)->isEnabled());
    EXPECT_TRUE(c->chkCsaArco()->isEnabled());
    for (int i = 40; i <= 43; ++i) EXPECT_EQ(w->mnuProg(i)->isChecked(), i == 43) << i;
    c->opbProg(1)->click();
    w->txtFecha()->setText("5 3 2000");
    c->btnOK_Click(0);
    ASSERT_TRUE(dialogs.asked.empty());
    EXPECT_EQ(w->State().pred.Tecnica, TipoTecnica::Secundaria);
    const auto lista = Items(w->Lista());
    ASSERT_GE(lista.size(), 9u);
    EXPECT_EQ(lista[0], "PROGRESION");
    EXPECT_EQ(lista[1], "Secundaria converso");
    EXPECT_EQ(lista[4], "Edad :  30 años.");
    EXPECT_EQ(lista[8].rfind("SOL prog ", 0), 0u);
}

// The uniform test ephemeris moves body b from lon0[b] at jd0 by speed[b] degrees a day: the
// first instant on or after t0 at which it stands at lon, worked out by hand.
double RetornoUniforme(const testing::UniformEphemeris& e, int b, double lon, double t0) {
    const double en_t0 = std::fmod(e.lon0[b] + e.speed[b] * (t0 - e.jd0), 360.0);
    double arco = std::fmod(lon - en_t0, 360.0);
    if (arco < 0) arco += 360;
    return t0 + arco / e.speed[b];
}

std::string LineaInstante(double jd) {
    const InstanteCivil c = InstanteDeJD(jd);
    return "Instante UT:  " + TextoFecha(c) + " " + TextoHora(c);
}

TEST_F(Predictivo, SolarReturnOfATypedYearIsTheTransitRingAndABlockOfItsOwn) {
    const auto antes = Items(w->Lista());
    dialogs.QueueInput("2030");
    w->Action("mnuRetornoSolar")->trigger();
    ASSERT_EQ(dialogs.asked.size(), 1u);
    EXPECT_TRUE(dialogs.asked[0].input);
    EXPECT_EQ(dialogs.asked[0].title, "Retorno solar");
    EXPECT_EQ(dialogs.asked[0].prompt, kPreguntaRetornoSolar);
    EXPECT_EQ(dialogs.asked[0].defaultAnswer, "2024");  // the clock's year
    // From 0 h of 1 January 2030 in the chart's zone, 3 h west.
    const double jd = RetornoUniforme(eph, 0, w->State().tables.natal.PlanetaNatal[1].Lon,
                                      JulDay(1, 1, 2030) + 3.0 / 24);
    const auto lista = Items(w->Lista());
    ASSERT_GT(lista.size(), antes.size() + 6);
    // Appended below what the list held, its heading selected, like a transits block.
    EXPECT_TRUE(std::equal(antes.begin(), antes.end(), lista.begin()));
    EXPECT_EQ(lista[antes.size()], "RETORNO SOLAR");
    EXPECT_EQ(w->Lista()->currentRow(), static_cast<int>(antes.size()));
    EXPECT_EQ(lista[antes.size() + 1], LineaInstante(jd));
    const InstanteCivil local = InstanteDeJD(jd - 3.0 / 24);
    EXPECT_EQ(lista[antes.size() + 3], "Fecha:  " + TextoFecha(local));
    EXPECT_EQ(lista[antes.size() + 4], "Hora:  " + TextoHora(local) + " (huso de la carta)");
    EXPECT_EQ(lista[antes.size() + 6].rfind("SOL trans ", 0), 0u);
    // The transit ring shows the bodies of the return.
    EXPECT_NEAR(w->State().tables.Planet[1].Lon, w->State().tables.natal.PlanetaNatal[1].Lon, 1e-3);
    EXPECT_TRUE(w->Action("mnuVerSoloNatal")->isEnabled());
}

TEST_F(Predictivo, LunarReturnFromATypedDateFollowsTheProgressionOnDisplay) {
    Progresar(41, "5 3 2000");
    dialogs.QueueInput("5 3 2024");
    w->Action("mnuRetornoLunar")->trigger();
    ASSERT_EQ(dialogs.asked.size(), 1u);
    EXPECT_EQ(dialogs.asked[0].title, "Retorno lunar");
    EXPECT_EQ(dialogs.asked[0].defaultAnswer, "5 3 2024");  // the clock's date
    const auto lista = Items(w->Lista());
    EXPECT_EQ(lista[0], "PROGRESION");  // the progression is listed again, then the return
    const auto it = std::find(lista.begin(), lista.end(), "RETORNO LUNAR");
    ASSERT_NE(it, lista.end());
    const double jd = RetornoUniforme(eph, 1, w->State().tables.natal.PlanetaNatal[2].Lon,
                                      JulDay(5, 3, 2024) + 3.0 / 24);
    EXPECT_EQ(*(it + 1), LineaInstante(jd));
    EXPECT_EQ(std::count(lista.begin(), lista.end(), "RETORNO LUNAR"), 1);
}

TEST_F(Predictivo, RejectedYearIsAskedAgainAndCancelChangesNothing) {
    const auto antes = Items(w->Lista());
    dialogs.QueueInput("dos mil");
    dialogs.QueueInput("4000");
    w->Action("mnuRetornoSolar")->trigger();  // the third box is cancelled
    ASSERT_EQ(dialogs.asked.size(), 5u);
    EXPECT_EQ(dialogs.asked[1].prompt, kMensajeAnioRetorno);
    EXPECT_EQ(dialogs.asked[1].title, "corregir fecha");
    EXPECT_EQ(dialogs.asked[2].defaultAnswer, "dos mil");
    EXPECT_EQ(dialogs.asked[3].prompt, " El rango de años del programa es: -3000 á 3000 años  ");
    EXPECT_EQ(dialogs.asked[3].title, "corregir fecha");
    EXPECT_TRUE(dialogs.asked[4].input);
    EXPECT_EQ(Items(w->Lista()), antes);
}

TEST_F(Predictivo, RejectedDateKeepsTheDialogWithTheDateSelected) {
    Progresar(42, "32 1 2000");
    ASSERT_EQ(dialogs.asked.size(), 1u);
    EXPECT_EQ(dialogs.asked[0].prompt, "Dia 32 es incorrecto.");
    EXPECT_EQ(dialogs.asked[0].title, "corregir fecha");
    EXPECT_TRUE(w->fInputMain()->isVisible());
    EXPECT_EQ(w->txtFecha()->selectedText(), "32 1 2000");
    EXPECT_FALSE(w->State().pred.HayProgresion);
}

TEST_F(Predictivo, DateKeysFilterEnterIsOkEscapeIsCancel) {
    c->mnuProg_Click(42);
    w->txtFecha()->clear();
    for (const char ch : std::string("5 a/3 -2000.")) Type(w->txtFecha(), ch);
    EXPECT_EQ(w->txtFecha()->text(), "5 3 -2000");
    // Delete edits the date like the cursor keys; it types no character to filter.
    w->txtFecha()->setText("15 3 2000");
    w->txtFecha()->setCursorPosition(0);
    Key(w->txtFecha(), Qt::Key_Delete, QString(QChar(0x7f)));
    EXPECT_EQ(w->txtFecha()->text(), "5 3 2000");
    Key(w->txtFecha(), Qt::Key_Return);
    EXPECT_FALSE(w->fInputMain()->isVisible());
    EXPECT_TRUE(w->State().pred.HayProgresion);
    c->mnuProg_Click(42);
    Key(w->txtFecha(), Qt::Key_Escape);
    EXPECT_FALSE(w->fInputMain()->isVisible());
    EXPECT_FALSE(c->fInputFecha()->isVisible());
}

TEST_F(Predictivo, AgeWarningAndItsCheckBox) {
    Progresar(42, "5 3 2071");  // 101 years
    EXPECT_TRUE(c->Frame1()->isVisible());
    EXPECT_EQ(c->Label40()->text(), " Progresión a 101 años");
    c->Check1()->click();
    EXPECT_FALSE(c->Frame1()->isVisible());
    EXPECT_FALSE(c->Check1()->isChecked());
    Progresar(42, "5 3 2075");
    EXPECT_FALSE(c->Frame1()->isVisible());
    c->TitleMnuArchivo_Click();
    Progresar(42, "5 3 2075");
    EXPECT_TRUE(c->Frame1()->isVisible());
    Click(c->Label5());
    EXPECT_FALSE(c->Frame1()->isVisible());
    Progresar(42, "5 3 2070");  // exactly 100 years: no warning
    EXPECT_FALSE(c->Frame1()->isVisible());
}

TEST_F(Predictivo, WarningBeforeTheBirthShowsTheAgeWithADash) {
    Progresar(42, "5 3 1869");  // 36889 days before the birth: -100.9966 years
    EXPECT_TRUE(c->Frame1()->isVisible());
    EXPECT_EQ(c->Label40()->text().toStdString(),
              " Progresión a \xE2\x80\x94"
              "101 años");
    EXPECT_TRUE(w->State().pred.HayProgresion);
}

TEST_F(Predictivo, HourBoxSelectsOnTheFirstClickAndEscapeClosesTheDialog) {
    c->mnuTransito_Click(52);
    EXPECT_TRUE(c->SelHoraAlClic());
    w->txtHora()->setText("12 00");
    w->txtHora()->deselect();
    Click(w->txtHora());
    EXPECT_EQ(w->txtHora()->selectedText(), "12 00");
    EXPECT_FALSE(c->SelHoraAlClic());
    w->txtHora()->deselect();
    Click(w->txtHora());
    EXPECT_FALSE(w->txtHora()->hasSelectedText());
    // Every key passes into the hour box; Escape closes the dialog.
    Type(w->txtHora(), 'x');
    EXPECT_EQ(w->txtHora()->text(), "12 00x");
    Key(w->txtHora(), Qt::Key_Escape);
    EXPECT_FALSE(w->fInputMain()->isVisible());
}

TEST_F(Predictivo, TransitBlocksAccumulateWithoutAProgression) {
    c->mnuTransito_Click(52);
    EXPECT_EQ(w->fInputMain()->title(), "FECHA TRANSITO:");
    EXPECT_EQ(c->lbl024hs()->text(), "Cero a 24 hs");
    EXPECT_EQ(c->lblFechaNat()->text(), "Fecha Tránsito");
    EXPECT_EQ(c->opbProg(0)->text(), "trans.Directo");
    EXPECT_FALSE(c->chkCsaArco()->isVisible());
    EXPECT_TRUE(w->txtHora()->isVisible());
    w->txtFecha()->setText("1 1 2030");
    w->txtHora()->setText("12 00");
    c->btnOK_Click(0);
    EXPECT_FALSE(w->fInputMain()->isVisible());
    const int natales = static_cast<int>(ListarAspectos(w->State().tables.natal).size());
    auto lista = Items(w->Lista());
    ASSERT_GT(static_cast<int>(lista.size()), natales);
    EXPECT_EQ(lista[natales], "  TRANSITOS");
    EXPECT_EQ(lista[natales + 2], "Fecha:  1 1 2030");
    EXPECT_EQ(w->Lista()->currentRow(), natales);
    c->mnuTransito_Click(51);
    lista = Items(w->Lista());
    EXPECT_EQ(std::count(lista.begin(), lista.end(), "  TRANSITOS"), 2);
    EXPECT_NE(std::find(lista.begin(), lista.end(), "Fecha:  5 3 2024"), lista.end());
    EXPECT_NE(std::find(lista.begin(), lista.end(), "Hora:  14 05"), lista.end());
}

TEST_F(Predictivo, WithAProgressionOnlyTheNewestTransitFollowsIt) {
    Progresar(42, "5 3 2000");
    c->mnuTransito_Click(50);
    c->mnuTransito_Click(51);
    const auto lista = Items(w->Lista());
    EXPECT_EQ(lista[0], "PROGRESION");
    EXPECT_EQ(std::count(lista.begin(), lista.end(), "  TRANSITOS"), 1);
    EXPECT_NE(std::find(lista.begin(), lista.end(), "Fecha:  5 3 2024"), lista.end());
}

TEST_F(Predictivo, TransitRecomputingAProgressionReportsItsRejectedDate) {
    // The solar dialog's direction leaves no progression date behind, so the progression
    // that a transit recomputes is refused: its message is shown and the transit still
    // follows the listing already there.
    c->TitlemnuHoraSolar_Click();
    c->optSunPos(2)->click();
    c->btnProgresar_Click();
    ASSERT_TRUE(w->State().pred.HayProgresion);
    ASSERT_TRUE(w->State().pred.FechaProgTexto.empty());
    dialogs.asked.clear();
    std::string vacia, serr;
    double d = 0, m = 0, a = 0;
    stringFecha_a_dma(vacia, d, m, a, serr);
    ASSERT_FALSE(serr.empty());

    c->mnuTransito_Click(51);
    ASSERT_EQ(dialogs.asked.size(), 1u);
    EXPECT_EQ(dialogs.asked[0].prompt, serr);
    EXPECT_EQ(dialogs.asked[0].title, "corregir fecha");
    const auto lista = Items(w->Lista());
    ASSERT_GE(lista.size(), 2u);
    EXPECT_EQ(lista[1], "HORA SOLAR");
    EXPECT_EQ(std::count(lista.begin(), lista.end(), "  TRANSITOS"), 1);
}

TEST_F(Predictivo, TransitRejectionsKeepTheDialog) {
    c->mnuTransito_Click(52);
    w->txtFecha()->setText("1 1 2030");
    w->txtHora()->setText("25 00");
    c->btnOK_Click(0);
    ASSERT_EQ(dialogs.asked.size(), 1u);
    EXPECT_EQ(dialogs.asked[0].prompt, " 25 horas no es correcto.");
    EXPECT_EQ(dialogs.asked[0].title, "corregir hora");
    EXPECT_EQ(dialogs.asked[0].icon, MsgIcon::Exclamation);
    EXPECT_TRUE(w->fInputMain()->isVisible());
    EXPECT_EQ(w->txtHora()->selectedText(), "25 00");
}

TEST_F(Predictivo, VerSoloNatalGoesBackToTheNatalAspects) {
    Progresar(42, "5 3 2000");
    w->Action("mnuVerSoloNatal")->trigger();
    EXPECT_FALSE(w->State().pred.HayProgresion);
    EXPECT_EQ(Items(w->Lista()), ListarAspectos(w->State().tables.natal));
}

TEST_F(Predictivo, NewBirthTimeModeChecksTheHour) {
    c->AbrirCambioHora();
    EXPECT_EQ(w->fInputMain()->title(), "Cambiar Hora");
    EXPECT_FALSE(w->txtFecha()->isVisible());
    w->txtHora()->setText("24 00");
    c->btnOK_Click(0);
    ASSERT_EQ(dialogs.asked.size(), 1u);
    EXPECT_EQ(dialogs.asked[0].title, "corregir hora");
    w->txtHora()->setText("10 30");
    c->btnOK_Click(0);
    EXPECT_FLOAT_EQ(w->State().DatosNatales.NatalHour, 10.5f);
    EXPECT_FALSE(w->fInputMain()->isVisible());
    EXPECT_TRUE(w->Action("mnuGuardarHora")->isVisible());
}

TEST_F(Predictivo, SolarDialogCaptionsAndProgresar) {
    c->btnProgresar_Click();
    ASSERT_EQ(dialogs.asked.size(), 1u);
    EXPECT_EQ(dialogs.asked[0].prompt, "   Elegir alguna hora para progresar ");
    EXPECT_EQ(dialogs.asked[0].title, "    HORA SOLAR");

    c->TitlemnuHoraSolar_Click();
    EXPECT_TRUE(c->frameSOLAR()->isVisible());
    const auto esperadas = CaptionsHoraSolar(w->State().DatosNatales);
    for (int i = 1; i <= 4; ++i) {
        EXPECT_EQ(c->optSunPos(i)->text().toStdString(), esperadas[i]);
    }
    EXPECT_EQ(c->optSunPos(4)->text().toStdString(),
              CaptionMedianoche(c->optSunPos(2)->text().toStdString()));
    EXPECT_EQ(c->LabelSolar(2)->text(), "Mediodía");
    c->optSunPos(2)->click();
    const long anio = AnioHoraSolar(w->State().DatosNatales, esperadas[2]);
    c->btnProgresar_Click();
    EXPECT_FALSE(c->frameSOLAR()->isVisible());
    const auto lista = Items(w->Lista());
    ASSERT_GE(lista.size(), 4u);
    EXPECT_EQ(std::vector<std::string>(lista.begin(), lista.begin() + 4),
              (std::vector<std::string>{"PROGRESION", "HORA SOLAR", " Mediodía", "  "}));
    // Birth 09:07:30 and noon near 12:00 at Buenos Aires: about 43 years on.
    EXPECT_NEAR(w->State().pred.Edad, anio - 1970, 0.01);
    EXPECT_FALSE(w->State().pred.HoraSolar);
    EXPECT_TRUE(c->AvisoOff());
    EXPECT_EQ(w->State().pred.Tecnica, TipoTecnica::Primaria);
    // The choice survives for a second run, and "Dar Fecha" leaves the labels in place.
    c->mnuTransito_Click(52);
    c->TitlemnuHoraSolar_Click();
    EXPECT_TRUE(c->LabelSolar(2)->isVisible());
    EXPECT_TRUE(c->LabelSolar(3)->isVisible());
}

}  // namespace
}  // namespace natalis

namespace natalis {
namespace {

// ---- Enter is OK and Escape cancels in every frame --------------------------------------

TEST_F(Predictivo, EnterInTheHourBoxIsOk) {
    c->mnuTransito_Click(52);
    w->txtFecha()->setText("1 1 2030");
    w->txtHora()->setText("12 00");
    Key(w->txtHora(), Qt::Key_Return);
    EXPECT_FALSE(w->fInputMain()->isVisible());
    const auto lista = Items(w->Lista());
    EXPECT_NE(std::find(lista.begin(), lista.end(), "Fecha:  1 1 2030"), lista.end());
}

TEST_F(Predictivo, CambiarHoraCanBeCancelled) {
    const float before = w->State().DatosNatales.NatalHour;
    struct Way {
        const char* name;
        std::function<void()> cancel;
    };
    const Way ways[] = {
        {"Escape in the hour box", [this] { Key(w->txtHora(), Qt::Key_Escape); }},
        {"its cancel button", [this] { c->btnCancelarHora()->click(); }},
        {"Escape on the OK button", [this] { Key(c->btnOK(0), Qt::Key_Escape); }},
    };
    for (const Way& way : ways) {
        SCOPED_TRACE(way.name);
        c->AbrirCambioHora();
        EXPECT_TRUE(c->btnCancelarHora()->isVisibleTo(w->fInputMain()));
        w->txtHora()->setText("10 30");
        way.cancel();
        EXPECT_FALSE(w->fInputMain()->isVisible());
        EXPECT_FLOAT_EQ(w->State().DatosNatales.NatalHour, before);
        EXPECT_FALSE(w->Action("mnuGuardarHora")->isVisible());
    }
    // Cancelled, the dialog serves progressions again: OK there does not set a birth time.
    c->mnuProg_Click(41);
    EXPECT_FALSE(c->btnCancelarHora()->isVisibleTo(w->fInputMain()));
    w->txtFecha()->setText("5 3 2000");
    Key(w->txtFecha(), Qt::Key_Return);
    EXPECT_TRUE(w->State().pred.HayProgresion);
    EXPECT_FLOAT_EQ(w->State().DatosNatales.NatalHour, before);
    // Enter in the hour box accepts a new time.
    c->AbrirCambioHora();
    w->txtHora()->setText("10 30");
    Key(w->txtHora(), Qt::Key_Return);
    EXPECT_FLOAT_EQ(w->State().DatosNatales.NatalHour, 10.5f);
}

// Enter on any control of the date dialog is OK, except on a button, which presses itself;
// Escape anywhere cancels.
TEST_F(Predictivo, EnterAndEscapeOnEveryControlOfTheDateDialog) {
    c->mnuProg_Click(41);
    w->txtFecha()->setText("5 3 2000");
    Key(c->chkCsaArco(), Qt::Key_Return);
    EXPECT_TRUE(w->State().pred.HayProgresion);
    EXPECT_FALSE(w->fInputMain()->isVisible());

    c->mnuProg_Click(41);
    w->txtFecha()->setText("5 3 2010");
    Key(c->btnOK(1), Qt::Key_Return);  // "cancelar" focused: Enter cancels
    EXPECT_FALSE(w->fInputMain()->isVisible());
    EXPECT_EQ(w->State().pred.FechaProgTexto, "5 3 2000");

    c->mnuProg_Click(41);
    Key(c->opbProg(1), Qt::Key_Escape);
    EXPECT_FALSE(w->fInputMain()->isVisible());
}

TEST_F(Predictivo, EnterAndEscapeCloseTheWarning) {
    for (int key : {Qt::Key_Escape, Qt::Key_Return}) {
        Progresar(42, "5 3 2071");
        ASSERT_TRUE(c->Frame1()->isVisible());
        Key(c->Check1(), key);
        EXPECT_FALSE(c->Frame1()->isVisible());
        EXPECT_FALSE(c->AvisoOff());  // closing is not "No repetir"
    }
    // The warning appears while the aspects list has the focus: Escape there closes it.
    Progresar(42, "5 3 2071");
    ASSERT_TRUE(c->Frame1()->isVisible());
    Key(w->Lista(), Qt::Key_Escape);
    EXPECT_FALSE(c->Frame1()->isVisible());
}

TEST_F(Predictivo, EnterProgressesAndEscapeClosesTheSolarDialog) {
    c->TitlemnuHoraSolar_Click();
    Key(c->optSunPos(1), Qt::Key_Return);  // nothing chosen yet: the message
    ASSERT_EQ(dialogs.asked.size(), 1u);
    EXPECT_EQ(dialogs.asked[0].title, "    HORA SOLAR");
    EXPECT_TRUE(c->frameSOLAR()->isVisible());
    c->optSunPos(2)->click();
    Key(c->optSunPos(2), Qt::Key_Return);
    EXPECT_FALSE(c->frameSOLAR()->isVisible());
    EXPECT_TRUE(w->State().pred.HayProgresion);

    c->TitlemnuHoraSolar_Click();
    Key(c->optSunPos(3), Qt::Key_Escape);
    EXPECT_FALSE(c->frameSOLAR()->isVisible());
    // Enter on its close button presses that button.
    c->TitlemnuHoraSolar_Click();
    Key(c->btnCloseSolar(), Qt::Key_Return);
    EXPECT_FALSE(c->frameSOLAR()->isVisible());
}

// ---- The faults mended ------------------------------------------------------------------

// A date refused by the progression does not replace the date of the progression on
// display: "Fecha de Prog." transits at that one, and the menu offers it again.
TEST_F(Predictivo, FechaDeProgUsesTheProgressionOnDisplay) {
    Progresar(42, "5 3 2000");
    Progresar(42, "32 1 2000");
    ASSERT_EQ(dialogs.asked.size(), 1u);
    EXPECT_EQ(dialogs.asked[0].prompt, "Dia 32 es incorrecto.");
    dialogs.asked.clear();
    c->mnuTransito_Click(50);
    EXPECT_TRUE(dialogs.asked.empty());
    const auto lista = Items(w->Lista());
    EXPECT_NE(std::find(lista.begin(), lista.end(), "Fecha:  5 3 2000"), lista.end());
    w->txtFecha()->setText("1 1 1999");
    c->mnuProg_Click(42);
    EXPECT_EQ(w->txtFecha()->text(), "5 3 2000");
}

TEST_F(Predictivo, VerSoloNatalDisablesFechaDeProg) {
    Progresar(42, "5 3 2000");
    ASSERT_TRUE(w->mnuTransito(50)->isEnabled());
    w->Action("mnuVerSoloNatal")->trigger();
    EXPECT_FALSE(w->mnuTransito(50)->isEnabled());
}

// ---- Lista shows each listing from its first line -----------------------------------------

TEST_F(Predictivo, EachNewListingShowsFromItsFirstLine) {
    QListWidget* lista = w->Lista();
    w->resize(700, 500);
    QApplication::processEvents();
    const auto firstLineShown = [lista] {
        QApplication::processEvents();
        return lista->verticalScrollBar()->value() == 0 &&
               lista->viewport()->rect().contains(lista->visualItemRect(lista->item(0)));
    };
    const auto transit = [this] {
        c->mnuTransito_Click(52);
        w->txtFecha()->setText("1 1 2030");
        w->txtHora()->setText("12 00");
        c->btnOK_Click(0);
    };
    transit();
    transit();  // two blocks: the list scrolled down to the second heading
    ASSERT_GT(lista->verticalScrollBar()->value(), 0);
    const int heading = lista->currentRow();
    EXPECT_EQ(lista->item(heading)->text(), "  TRANSITOS");
    EXPECT_TRUE(lista->viewport()->rect().contains(lista->visualItemRect(lista->item(heading))));

    Progresar(41, "5 3 2000");
    EXPECT_TRUE(firstLineShown()) << "progression";
    transit();
    c->TitlemnuHoraSolar_Click();
    c->optSunPos(2)->click();
    c->btnProgresar_Click();
    EXPECT_TRUE(firstLineShown()) << "solar time";
    transit();
    w->flistArchivos()->setCurrentRow(0);
    w->flistArchivos_Click();
    EXPECT_TRUE(firstLineShown()) << "new chart";
}

}  // namespace
}  // namespace natalis
