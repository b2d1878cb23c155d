// The main window driven offscreen: start-up, the chart list, the natal display pipeline,
// the listing window and saving.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <algorithm>
#include <cmath>
#include <memory>

#include "app/session/AcercaDe.h"
#include "app/ui/ChartBrowser.h"
#include "app/ui/CuadroGral.h"
#include "astro/SwissEphemeris.h"
#include "chart/Aspects.h"
#include "chart/CalcularNatal.h"
#include "chart/DistribuirGlifos.h"
#include "chart/ListadoNatal.h"
#include "chart/ui/FrmListaNat.h"
#include "predictive/ui/ControlPredictivo.h"
#include "tests/app/FakeClock.h"
#include "tests/astro/ScriptedEphemeris.h"
#include "tests/ui/ChartFolder.h"
#include "tests/ui/ScriptedDialogs.h"

namespace natalis {
namespace {

std::vector<std::string> Items(const QListWidget* list) {
    std::vector<std::string> out;
    for (int i = 0; i < list->count(); ++i) out.push_back(list->item(i)->text().toStdString());
    return out;
}

std::vector<std::string> Items(const ChartList* list) {
    std::vector<std::string> out;
    for (const QString& name : list->FileNames()) out.push_back(name.toStdString());
    return out;
}

// A caption as the menu shows it: "&" marks the mnemonic letter and is not drawn ("&&" is
// drawn as one "&").
std::string Rendered(const QString& caption) {
    QString out;
    for (int i = 0; i < caption.size(); ++i) {
        if (caption[i] == '&' && i + 1 < caption.size()) {
            if (caption[i + 1] == '&') out += '&';
            if (caption[i + 1] == '&') ++i;
            continue;
        }
        out += caption[i];
    }
    return out.toStdString();
}

std::vector<std::string> RenderedCaptions(const QList<QAction*>& actions) {
    std::vector<std::string> out;
    for (const QAction* a : actions) out.push_back(Rendered(a->text()));
    return out;
}

std::vector<std::string> Captions(const QList<QAction*>& actions) {
    std::vector<std::string> out;
    for (const QAction* a : actions)
        out.push_back(a->isSeparator() ? "-" : a->text().toStdString());
    return out;
}

void Key(QWidget* w, int key, const QString& text = QString()) {
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, text);
    QApplication::sendEvent(w, &press);
}

class MainWindow : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(folder.dir.isValid());
        folder.Write("Ana.dat", ChartText("Ana Prueba"));
        folder.Write("bruno.dat", ChartText("Bruno"));
        folder.Write("Carla.dat", ChartText("Carla"));
        folder.Write("notas.txt", "no es una carta");
        clock.now = {2024, 3, 5, 14, 5, 0};
        clock.zone = Zone(180);
        window = std::make_unique<CuadroGral>(dialogs, clock, eph, folder.Path());
        window->SetEndProgram([this] { ++ended; });
    }
    void TearDown() override {
        window.reset();
        QApplication::processEvents();
    }

    // Selects a file of the chart list and clicks it.
    void Click(const QString& name) {
        ChartList* list = window->flistArchivos();
        ASSERT_TRUE(list->SelectFile(name));
        emit list->clicked(list->currentIndex());
    }

    // The natal tables of the window's own record, computed apart from the window.
    NatalTables Expected() {
        ChartTables t;
        CalcularNatal(window->State().DatosNatales, window->State().HouseSystem, real, t);
        DistribuirGlifos(t.natal.PlanetaNatal);
        return t.natal;
    }

    ChartFolder folder;
    ScriptedDialogs dialogs;
    FakeClock clock;
    SwissEphemeris real;
    SwissEphemeris& eph = real;
    std::unique_ptr<CuadroGral> window;
    int ended = 0;
};

TEST_F(MainWindow, MenusAtStartUp) {
    window->FormLoad();
    EXPECT_EQ(window->windowTitle().toStdString(), "  NATALIS");
    // Each title marks a mnemonic letter; what the menu bar shows reads exactly as designed.
    EXPECT_EQ(RenderedCaptions(window->menuBar()->actions()),
              (std::vector<std::string>{"     ARCHIVO", "   NUEVA CARTA", "     NATAL",
                                        "    CAMBIAR HORA", "     ANOTACIONES", "    CASAS   ",
                                        "   PROGRESION    ", "  TRANSITOS", "     LISTADO  NATAL",
                                        "     AJUSTAR HORA", "  PREFERENCIAS", "   COMPARAR"}));
    EXPECT_EQ(window->Action("TitlemnuHoraSolar")->text().toStdString(), "     &AJUSTAR HORA");
    struct Sub {
        const char* title;
        std::vector<std::string> items;
    };
    const Sub subs[] = {
        {"TitleMnuArchivo",
         {"Buscar cartas", "Guardar", "Guardar nueva hora", "Eliminar", "-", "Salir", "-",
          "Imprimir…", "Exportar…", "-", "Importar…", "Exportar colección…", "-",
          "Acerca de Natalis"}},
        {"TitleMnuNatal", {"Ficha Natal", "Ver solo natal", "Rejilla de aspectos"}},
        {"TitleMnuCasas", {"Plácido", "Regiomontano", "Koch"}},
        {"TitleMnuProgresion", {"Primaria", "Arco Solar", "Grado x Año", "Secundaria"}},
        {"TitleMnuTransitos",
         {"Fecha de Prog.", "Fecha Actual", "Dar Fecha", "Retorno solar", "Retorno lunar",
          "Aspectos del período…", "Calendario del cielo…", "Mapa del tiempo…"}},
    };
    for (const Sub& s : subs) {
        ASSERT_NE(window->Menu(s.title), nullptr) << s.title;
        EXPECT_EQ(Captions(window->Menu(s.title)->actions()), s.items) << s.title;
    }
    // name, enabled, visible, checked; the notes command waits for a chart file to open, and
    // a birth time can be tried only on a chart on display
    struct State {
        const char* name;
        bool enabled, visible, checked;
    };
    const State states[] = {
        {"TitleMnuArchivo", true, true, false},     {"mnuBuscarFiles", true, true, false},
        {"mnuGuardarFile", false, true, false},     {"mnuGuardarHora", false, false, false},
        {"mnuKillFile", false, true, false},        {"Fin", true, true, false},
        {"mnuNuevaCarta", true, true, false},       {"TitleMnuNatal", false, true, false},
        {"FichaNatal", true, true, false},          {"mnuVerSoloNatal", false, true, false},
        {"mnuCambiarHora", false, true, false},     {"mnuAnotar", false, true, false},
        {"TitleMnuCasas", false, true, false},      {"MnuHsys(30)", true, true, true},
        {"MnuHsys(31)", true, true, false},         {"MnuHsys(32)", true, true, false},
        {"TitleMnuProgresion", false, true, false}, {"mnuProg(40)", true, true, true},
        {"mnuProg(41)", true, true, false},         {"mnuProg(42)", true, true, false},
        {"mnuProg(43)", true, true, false},         {"TitleMnuTransitos", false, true, false},
        {"mnuTransito(50)", false, true, false},    {"mnuTransito(51)", true, true, false},
        {"mnuTransito(52)", true, true, false},     {"mnuRetornoSolar", true, true, false},
        {"mnuRetornoLunar", true, true, false},     {"TitlemnuListaNat", false, true, false},
        {"TitlemnuHoraSolar", false, true, false},  {"mnuImprimir", false, true, false},
        {"mnuExportar", false, true, false},        {"mnuAcerca", true, true, false},
        {"mnuRejilla", true, true, false},          {"mnuPreferencias", true, true, false},
        {"mnuCalendario", true, true, false},       {"mnuMapaTiempo", true, true, false},
    };
    for (const State& s : states) {
        SCOPED_TRACE(s.name);
        const QAction* a = window->Action(s.name);
        ASSERT_NE(a, nullptr);
        EXPECT_EQ(a->isEnabled(), s.enabled);
        EXPECT_EQ(a->isVisible(), s.visible);
        EXPECT_EQ(a->isChecked(), s.checked);
    }
    // A hidden action reports itself disabled; shown, it is a working command.
    window->Action("mnuGuardarHora")->setVisible(true);
    EXPECT_TRUE(window->Action("mnuGuardarHora")->isEnabled());
    EXPECT_EQ(window->MnuHsys(31)->text().toStdString(), "Regiomontano");
    EXPECT_EQ(window->mnuProg(42)->text().toStdString(), "Grado x Año");
    EXPECT_EQ(window->mnuTransito(50)->text().toStdString(), "Fecha de Prog.");
    EXPECT_EQ(window->MnuHsys(33), nullptr);
}

TEST_F(MainWindow, AcercaDeShowsVersionLicenceEphemerisAndTheChartFolder) {
    window->FormLoad();
    dialogs.asked.clear();
    window->Action("mnuAcerca")->trigger();
    ASSERT_EQ(dialogs.asked.size(), 1u);
    const AskedBox& box = dialogs.asked.front();
    EXPECT_FALSE(box.input);
    EXPECT_EQ(box.title, "Acerca de Natalis");
    EXPECT_EQ(box.buttons, MsgButtons::Ok);
    EXPECT_EQ(box.icon, MsgIcon::Information);
    EXPECT_EQ(box.prompt, AcercaDeNatalis(EphemerisSource::Files, folder.Path()));
    EXPECT_NE(box.prompt.find("Carpeta de cartas: " + folder.Path() + "\n"), std::string::npos);
    // The chart list says which folder it shows.
    EXPECT_EQ(window->flistArchivos()->toolTip().toStdString(),
              "Carpeta de cartas: " + folder.Path());
    EXPECT_EQ(ended, 0);
}

TEST_F(MainWindow, AcercaDeNamesTheAnalyticTheoryWithoutEphemerisFiles) {
    SwissEphemeris noFiles(folder.Path());  // a folder without any data file
    CuadroGral w(dialogs, clock, noFiles, folder.Path());
    w.SetEndProgram([] {});
    w.FormLoad();  // the start screen asks for the sky of now
    w.Action("mnuAcerca")->trigger();
    ASSERT_FALSE(dialogs.asked.empty());
    EXPECT_NE(dialogs.asked.back().prompt.find("\nEfemérides: teoría analítica\n"),
              std::string::npos);
}

TEST_F(MainWindow, StartUpFillsBoxesListAndStartScreen) {
    ScriptedEphemeris sky;
    CuadroGral w(dialogs, clock, sky, folder.Path());
    w.FormLoad();
    QApplication::processEvents();
    EXPECT_TRUE(w.isVisible());
    EXPECT_EQ(w.txtFecha()->text().toStdString(), "5 3 2024");
    EXPECT_EQ(QGuiApplication::clipboard()->text().toStdString(), "5 3 2024");
    EXPECT_EQ(w.txtHora()->text().toStdString(), "14 05");
    EXPECT_EQ(w.State().HouseSystem, SistemaCasas::Placido);
    EXPECT_FALSE(w.State().flags.ChartLoaded);
    ASSERT_NE(w.frmListaNat(), nullptr);
    EXPECT_FALSE(w.frmListaNat()->isVisible());
    // *.dat files only, sorted without regard to case.
    EXPECT_EQ(Items(w.flistArchivos()),
              (std::vector<std::string>{"Ana.dat", "bruno.dat", "Carla.dat"}));
    EXPECT_TRUE(w.flistArchivos()->isVisible());
    EXPECT_TRUE(w.flistArchivos()->hasFocus());
    EXPECT_FALSE(w.Lista()->isVisible());  // the aspects list comes with the first chart
    // The start screen asked the sky for 17:05 UT on 5 March 2024 (JD 2460374.5 at 0 h).
    ASSERT_FALSE(sky.calls.empty());
    EXPECT_NEAR(sky.calls.front().jd, 2460374.5 + 17.0833333 / 24, 2e-5);
}

TEST_F(MainWindow, ClickDrawsTheChartAndFillsTheLists) {
    window->FormLoad();
    Click("Ana.dat");
    const ChartSession& s = window->State();
    EXPECT_EQ(s.flags.ChartFileName, "Ana.dat");
    EXPECT_TRUE(s.flags.ChartLoaded);
    EXPECT_FALSE(s.flags.NewChart);
    EXPECT_EQ(s.DatosNatales.NatalName, " Ana Prueba");
    EXPECT_FALSE(window->flistArchivos()->isVisible());
    EXPECT_TRUE(dialogs.asked.empty());

    const NatalTables expected = Expected();
    EXPECT_TRUE(window->Lista()->isVisible());
    EXPECT_EQ(Items(window->Lista()), ListarAspectos(expected));
    EXPECT_EQ(window->Lista()->count(), static_cast<int>(ListarAspectos(expected).size()));
    for (int i = 1; i <= 12; ++i) {
        EXPECT_EQ(s.tables.natal.PlanetaNatal[i].PosGrafica, expected.PlanetaNatal[i].PosGrafica);
    }
    EXPECT_EQ(s.wheel.CentroX, 60);
    EXPECT_EQ(s.wheel.GiroAsc,
              static_cast<int16_t>(std::lrint(270.0 - expected.CuspideNatal[1].Lon)));

    FrmListaNat* listing = window->frmListaNat();
    ASSERT_NE(listing, nullptr);
    EXPECT_TRUE(listing->isVisible());
    std::vector<std::string> lines;
    for (const QString& l : listing->Lines()) lines.push_back(l.toStdString());
    EXPECT_EQ(lines, ListadoNatal(expected));
    EXPECT_EQ(lines.front(), "LISTADO NATAL");
    EXPECT_FALSE(window->Action("TitlemnuListaNat")->isEnabled());
    EXPECT_EQ(window->txtFecha()->text().toStdString(), "5 3 2024");
}

TEST_F(MainWindow, AspectsListStaysClearOfTheRingsAndOfTheDateFrame) {
    window->FormLoad();
    Click("Ana.dat");
    QWidget* lista = window->Lista();
    // The transit ring reaches 1.5 R = 33 units left of the centre at x = 60.
    const QPointF ringLeft = window->Surface().ToPixels(60 - 33, 36);
    EXPECT_LE(lista->geometry().right(), ringLeft.x());
    const int fullBottom = lista->geometry().bottom();

    window->fInputMain()->show();
    EXPECT_LT(lista->geometry().bottom(), window->fInputMain()->geometry().top());
    window->fInputMain()->hide();
    EXPECT_EQ(lista->geometry().bottom(), fullBottom);
}

TEST_F(MainWindow, MenusOfAShownChart) {
    window->FormLoad();
    Click("Ana.dat");
    for (const char* name :
         {"mnuAnotar", "mnuKillFile", "TitleMnuNatal", "mnuCambiarHora", "TitleMnuCasas",
          "TitleMnuProgresion", "TitleMnuTransitos", "TitlemnuHoraSolar"}) {
        EXPECT_TRUE(window->Action(name)->isEnabled()) << name;
    }
    for (const char* name : {"mnuGuardarFile", "mnuVerSoloNatal", "mnuTransito(50)"}) {
        EXPECT_FALSE(window->Action(name)->isEnabled()) << name;
    }
}

TEST_F(MainWindow, ANewUnsavedChartOffersSaveButNotDeleteOrNotes) {
    window->FormLoad();
    Click("Ana.dat");
    window->State().flags.NewChart = true;
    window->GraficarNatal();
    EXPECT_TRUE(window->Action("mnuGuardarFile")->isEnabled());
    EXPECT_FALSE(window->Action("mnuKillFile")->isEnabled());
    EXPECT_FALSE(window->Action("mnuAnotar")->isEnabled());
}

// After a progression the ring and its commands go: the wheel is drawn afresh and the
// commands that need a ring are disabled again.
TEST_F(MainWindow, RedrawAfterAProgressionRemovesTheRingAndItsCommands) {
    window->FormLoad();
    Click("Ana.dat");
    const size_t natalOps = window->Surface().Ops().size();
    auto* predictivo = window->findChild<ControlPredictivo*>("ControlPredictivo");
    ASSERT_NE(predictivo, nullptr);
    predictivo->mnuProg_Click(41);
    window->txtFecha()->setText("5 3 2000");
    predictivo->btnOK_Click(0);
    ASSERT_TRUE(window->State().pred.HayProgresion);
    ASSERT_TRUE(window->Action("mnuVerSoloNatal")->isEnabled());
    ASSERT_TRUE(window->mnuTransito(50)->isEnabled());
    ASSERT_GT(window->Surface().Ops().size(), natalOps);  // the ring was drawn on the wheel

    window->GraficarNatal();
    EXPECT_FALSE(window->Action("mnuVerSoloNatal")->isEnabled());
    EXPECT_FALSE(window->mnuTransito(50)->isEnabled());
    EXPECT_EQ(window->Surface().Ops().size(), natalOps);
    EXPECT_EQ(window->Surface().OpsOf(DrawOp::Kind::Circle).size(), 5u);  // the band only
}

TEST_F(MainWindow, GraficarNatalWithoutAChartDoesNothing) {
    window->FormLoad();
    window->Lista()->addItem("antes");
    window->GraficarNatal();
    EXPECT_FALSE(window->Action("TitleMnuNatal")->isEnabled());
    EXPECT_EQ(Items(window->Lista()), std::vector<std::string>{"antes"});
    EXPECT_FALSE(window->frmListaNat()->isVisible());
}

TEST_F(MainWindow, MalformedFileShowsTheReadersMessage) {
    folder.Write("malo.dat", ChartText("Malo", "0930"));  // no point in the time line
    window->FormLoad();
    Click("malo.dat");
    ASSERT_EQ(dialogs.asked.size(), 1u);
    const AskedBox& box = dialogs.asked.front();
    EXPECT_EQ(box.prompt,
              "Hay error en los datos de malo.dat\n"
              "Utilice el block de notas para corregir los datos natales, \n"
              "o borre el archivo con el explorador de Windows.  ");
    EXPECT_EQ(box.title, "Error en Archivo");
    EXPECT_EQ(box.buttons, MsgButtons::Ok);
    EXPECT_FALSE(window->flistArchivos()->isVisible());
    EXPECT_FALSE(window->State().flags.ChartLoaded);
    EXPECT_FALSE(window->Action("TitleMnuNatal")->isEnabled());
    EXPECT_EQ(window->Lista()->count(), 0);
}

TEST_F(MainWindow, ReadErrorKeepsTheChartOnDisplay) {
    folder.Write("malo.dat", ChartText("Malo", "0930"));
    window->FormLoad();
    Click("Ana.dat");
    const std::vector<std::string> before = Items(window->Lista());
    window->mnuBuscarFiles_Click();
    Click("malo.dat");
    EXPECT_EQ(dialogs.asked.size(), 1u);
    EXPECT_TRUE(window->State().flags.ChartLoaded);
    EXPECT_EQ(window->State().DatosNatales.NatalName, " Ana Prueba");
    EXPECT_EQ(Items(window->Lista()), before);
}

TEST_F(MainWindow, EnterLoadsEscapeEndsTheProgram) {
    window->FormLoad();
    ChartList* list = window->flistArchivos();
    list->setCurrentRow(2);
    Key(list, Qt::Key_Return);
    EXPECT_EQ(window->State().flags.ChartFileName, "Carla.dat");
    EXPECT_TRUE(window->State().flags.ChartLoaded);
    EXPECT_EQ(ended, 0);
    window->mnuBuscarFiles_Click();
    Key(window->flistArchivos(), Qt::Key_Escape);
    EXPECT_EQ(ended, 1);
}

// Escape ends the program as "Salir" does: the notes window is asked to close first (it may
// offer to save its text), so nothing typed there is dropped without a word.
TEST_F(MainWindow, EscapeEndsAsSalirDoes) {
    std::vector<std::string> order;
    window->Hooks().closeEntryForm = [&] { order.push_back("entry"); };
    window->Hooks().closeNotes = [&] { order.push_back("notes"); };
    window->SetEndProgram([&] { order.push_back("end"); });
    window->FormLoad();
    Key(window->flistArchivos(), Qt::Key_Escape);
    EXPECT_EQ(order, (std::vector<std::string>{"notes", "entry", "end"}));
}

// Typing narrows the list; Enter loads the first chart that matches.
TEST_F(MainWindow, TypingAndEnterLoadTheChartThatMatches) {
    window->FormLoad();
    for (const char ch : std::string("car")) Key(window->flistArchivos(), 0, QString(ch));
    EXPECT_EQ(Items(window->flistArchivos()), std::vector<std::string>{"Carla.dat"});
    Key(window->Browser()->Filter(), Qt::Key_Return);
    EXPECT_EQ(window->State().flags.ChartFileName, "Carla.dat");
    EXPECT_FALSE(window->flistArchivos()->isVisible());
    // "Buscar cartas" shows every chart again.
    window->mnuBuscarFiles_Click();
    EXPECT_TRUE(window->Browser()->Filter()->text().isEmpty());
    EXPECT_EQ(Items(window->flistArchivos()),
              (std::vector<std::string>{"Ana.dat", "bruno.dat", "Carla.dat"}));
}

TEST_F(MainWindow, EnterWithNothingSelectedReadsNothing) {
    window->FormLoad();
    window->flistArchivos()->setCurrentRow(-1);
    Key(window->flistArchivos(), Qt::Key_Return);
    EXPECT_TRUE(dialogs.asked.empty());
    EXPECT_FALSE(window->State().flags.ChartLoaded);
}

TEST_F(MainWindow, LosingTheFocusHidesTheListAndBuscarCartasRefreshesIt) {
    window->FormLoad();
    QApplication::processEvents();
    ASSERT_TRUE(window->flistArchivos()->hasFocus());
    window->Lista()->show();  // another control of the window takes the focus
    window->Lista()->setFocus(Qt::MouseFocusReason);
    EXPECT_FALSE(window->flistArchivos()->isVisible());
    folder.Write("Zoe.dat", ChartText("Zoe"));
    window->Action("mnuBuscarFiles")->trigger();
    EXPECT_TRUE(window->flistArchivos()->isVisible());
    EXPECT_TRUE(window->flistArchivos()->hasFocus());
    EXPECT_EQ(Items(window->flistArchivos()).back(), "Zoe.dat");
}

TEST_F(MainWindow, ListingClosesOnLosingTheFocusAndReopensFromItsMenu) {
    window->show();
    window->FormLoad();
    Click("Ana.dat");
    FrmListaNat* listing = window->frmListaNat();
    QApplication::processEvents();
    const QStringList first = listing->Lines();
    ASSERT_TRUE(listing->isVisible());
    // After the load the main window keeps the keyboard and the listing stays beside it.
    QApplication::setActiveWindow(window.get());
    QApplication::processEvents();
    EXPECT_TRUE(listing->isVisible());
    // Once the user went into the listing, clicking back into the main window activates
    // it: the listing closes itself.
    QApplication::setActiveWindow(listing);
    QApplication::processEvents();
    QApplication::setActiveWindow(window.get());
    QApplication::processEvents();
    EXPECT_FALSE(listing->isVisible());
    EXPECT_TRUE(window->Action("TitlemnuListaNat")->isEnabled());
    window->Action("TitlemnuListaNat")->trigger();
    EXPECT_TRUE(listing->isVisible());
    EXPECT_FALSE(window->Action("TitlemnuListaNat")->isEnabled());
    EXPECT_EQ(listing->Lines(), first);
}

TEST_F(MainWindow, ChangedHouseSystemKeepsTheTypedDate) {
    window->FormLoad();
    Click("Ana.dat");
    window->txtFecha()->setText("1 1 2030");
    window->SetCasasCambiadas(true);
    window->GraficarNatal();
    EXPECT_EQ(window->txtFecha()->text().toStdString(), "1 1 2030");
    EXPECT_FALSE(window->CasasCambiadas());
    window->GraficarNatal();  // an ordinary redraw puts today's date back
    EXPECT_EQ(window->txtFecha()->text().toStdString(), "5 3 2024");
}

// The header's caption is the house system chosen with the menu, not whatever check mark the
// menu happens to show.
TEST_F(MainWindow, CasasCaptionFollowsTheChosenSystem) {
    window->FormLoad();
    EXPECT_EQ(window->CasasCaption(), "Plácido");
    window->MnuHsys(30)->setChecked(false);
    EXPECT_EQ(window->CasasCaption(), "Plácido");
    window->MnuHsys(32)->trigger();
    EXPECT_EQ(window->CasasCaption(), "Koch");
    EXPECT_TRUE(window->MnuHsys(32)->isChecked());
    EXPECT_FALSE(window->MnuHsys(30)->isChecked());
}

// Placidus has no cusps at 70 degrees north: the houses fall back to Porphyry, and the
// wheel's header says so rather than naming the checked system.
TEST_F(MainWindow, CasasCaptionNamesTheFallbackSystem) {
    std::string text = ChartText("Norte");
    text.replace(text.find("7: 34.36S"), 9, "7: 70.00N");
    folder.Write("Norte.dat", text);
    window->FormLoad();
    Click("Norte.dat");
    ASSERT_EQ(LetraResultado(window->State().tables.natal.Casas), 'O');
    EXPECT_EQ(window->CasasCaption(), "Porfirio");
    Click("Ana.dat");
    EXPECT_EQ(window->CasasCaption(), "Plácido");
}

TEST_F(MainWindow, GuardarWritesTheChartAndRefreshesTheList) {
    window->FormLoad();
    Click("Ana.dat");
    window->State().flags.NewChart = true;
    window->GraficarNatal();
    dialogs.QueueInput("Nueva Persona");
    window->Action("mnuGuardarFile")->trigger();
    ASSERT_FALSE(dialogs.asked.empty());
    EXPECT_TRUE(dialogs.asked.front().input);
    EXPECT_EQ(dialogs.asked.front().prompt, "Escriba un nombre para este archivo");
    EXPECT_EQ(dialogs.asked.front().title, "Guardar datos natales");
    EXPECT_EQ(dialogs.asked.front().defaultAnswer, " Ana Prueba");
    EXPECT_TRUE(QFile::exists(QString::fromStdString(folder.Path() + "Nueva Persona.dat")));
    const std::vector<std::string> items = Items(window->flistArchivos());
    EXPECT_NE(std::find(items.begin(), items.end(), "Nueva Persona.dat"), items.end());
}

// The notes window's text follows a new chart into its file only when it was changed.
TEST_F(MainWindow, GuardarTakesTheChangedNotesOfANewChart) {
    struct Case {
        bool modified;
        bool notesWritten;
    };
    window->FormLoad();
    for (const Case c : {Case{true, true}, Case{false, false}}) {
        SCOPED_TRACE(c.modified);
        Click("Ana.dat");
        window->State().flags.NewChart = true;
        window->State().flags.NotesModified = c.modified;
        window->GraficarNatal();
        const std::string notes = "apunte de prueba";
        window->Hooks().notesText = [&notes]() -> const std::string* { return &notes; };
        const std::string name = c.modified ? "Con notas" : "Sin notas";
        dialogs.QueueInput(name);
        window->Action("mnuGuardarFile")->trigger();
        QFile f(QString::fromStdString(folder.Path() + name + ".dat"));
        ASSERT_TRUE(f.open(QIODevice::ReadOnly));
        const std::string bytes = f.readAll().toStdString();
        EXPECT_NE(bytes.find("NOTAS:\r\n"), std::string::npos);
        EXPECT_EQ(bytes.find(notes) != std::string::npos, c.notesWritten);
    }
}

TEST_F(MainWindow, GuardarWithoutAChartAsksNothing) {
    window->FormLoad();
    window->mnuGuardarFile_Click();
    EXPECT_TRUE(dialogs.asked.empty());
    EXPECT_EQ(Items(window->flistArchivos()).size(), 3u);
}

TEST_F(MainWindow, GuardarCancelledWritesNothing) {
    window->FormLoad();
    Click("Ana.dat");
    window->State().flags.NewChart = true;
    window->GraficarNatal();
    window->Action("mnuGuardarFile")->trigger();  // unscripted: the box is cancelled
    EXPECT_EQ(Items(window->flistArchivos()).size(), 3u);
}

TEST_F(MainWindow, SalirClosesTheOtherWindowsThenEnds) {
    std::vector<std::string> order;
    window->Hooks().closeEntryForm = [&] { order.push_back("entry"); };
    window->Hooks().closeNotes = [&] { order.push_back("notes"); };
    window->SetEndProgram([&] { order.push_back("end"); });
    window->FormLoad();
    window->Action("Fin")->trigger();
    // The notes window first: whether the program ends may depend on it.
    EXPECT_EQ(order, (std::vector<std::string>{"notes", "entry", "end"}));
}

TEST_F(MainWindow, LoadingClosesTheNotesWindowFirst) {
    std::vector<std::string> order;
    window->Hooks().closeNotes = [&] {
        order.push_back("notes:" + window->State().flags.ChartFileName);
    };
    window->FormLoad();
    Click("Ana.dat");
    Click("bruno.dat");
    EXPECT_EQ(order, (std::vector<std::string>{"notes:", "notes:Ana.dat"}));
}

TEST_F(MainWindow, ClosingTheWindowClosesTheListing) {
    window->FormLoad();
    Click("Ana.dat");
    ASSERT_TRUE(window->frmListaNat()->isVisible());
    window->close();
    EXPECT_FALSE(window->frmListaNat()->isVisible());
}

}  // namespace
}  // namespace natalis
