// The chart library driven through the main window offscreen: new charts typed, saved and
// read back, the entry form on a chart's data, the house system, a tried birth time written
// into its file, deleting a file, and the notes window.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <algorithm>
#include <ctime>
#include <filesystem>
#include <functional>
#include <memory>

#include "app/model/ChartFile.h"
#include "app/model/Cp1252.h"
#include "app/ui/ChartBrowser.h"
#include "app/ui/ChartCommands.h"
#include "app/ui/CuadroGral.h"
#include "app/ui/FrmAnotar.h"
#include "astro/SwissEphemeris.h"
#include "chart/ui/FrmListaNat.h"
#include "entry/ui/InputData.h"
#include "predictive/ui/ControlPredictivo.h"
#include "tests/app/FakeClock.h"
#include "tests/app/FileSizeLimit.h"
#include "tests/app/TempFolder.h"
#include "tests/ui/ChartFolder.h"
#include "tests/ui/ScriptedDialogs.h"

namespace natalis {
namespace {

// Notes of which two lines begin with the number 5.
const std::string kNotes = "5 hermanos, todos varones.\r\n5: no es la hora\r\nFin.\r\n";

void Flush() {
    QApplication::processEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QApplication::processEvents();
}

bool Listed(const ChartList* list, const std::string& name) {
    return list->FileNames().contains(QString::fromStdString(name));
}

class Library : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(folder.dir.isValid());
        anaFile = ChartText("Ana Prueba") + kNotes;
        folder.Write("Ana.dat", anaFile);
        folder.Write("Bruno.dat", ChartText("Bruno", "21.1500"));
        clock.now = {2024, 3, 5, 14, 5, 0};
        clock.zone = Zone(180);
        window = std::make_unique<CuadroGral>(dialogs, clock, eph, folder.Path());
        window->SetEndProgram([] {});
        window->FormLoad();
        commands = window->findChild<ChartCommands*>("ChartCommands");
        ASSERT_NE(commands, nullptr);
    }
    void TearDown() override {
        if (commands->Anotar()) commands->Anotar()->setAttribute(Qt::WA_DeleteOnClose, false);
        window.reset();
        Flush();
    }

    QAction* Action(const char* name) { return window->Action(name); }
    ChartSession& State() { return window->State(); }
    std::string Path(const std::string& name) { return folder.Path() + name; }
    std::string File(const std::string& name) { return ReadBytes(Path(name)); }

    void Load(const QString& name) {
        window->mnuBuscarFiles_Click();
        ASSERT_TRUE(window->flistArchivos()->SelectFile(name));
        window->flistArchivos_Click();
        ASSERT_TRUE(State().flags.ChartLoaded);
    }

    // Madrid, 3°41'W, one hour ahead of universal time: a zone the sign alone can give.
    FichaNatalTextos Madrid() {
        FichaNatalTextos f;
        f.TextNombre = "José Gómez";
        f.TextDia = "12";
        f.TextMes = "7";
        f.TextAnno = "1985";
        f.TextHShs = "16";
        f.TextHSmin = "45";
        f.TextHSseg = "00";
        f.TextHusoHoras = "+2";
        f.TextHusoMinutos = "00";
        f.TextLatGrad = "40";
        f.TextLatMin = "25";
        f.TextLonGrad = "003";
        f.TextLonMin = "41";
        f.LongitudOeste = true;
        f.txtLugar = "Madrid";
        return f;
    }

    // "   NUEVA CARTA", the boxes filled, "&GRAFICAR".
    void TypeNewChart(const FichaNatalTextos& f) {
        Action("mnuNuevaCarta")->trigger();
        ASSERT_NE(commands->Ficha(), nullptr);
        commands->Ficha()->SetTextos(f);
        commands->Ficha()->CrearCarta()->click();
        Flush();
        ASSERT_TRUE(State().flags.NewChart);
    }

    // "    CAMBIAR HORA" with the time typed and OK.
    void TryBirthTime(const QString& hora) {
        Action("mnuCambiarHora")->trigger();
        window->txtHora()->setText(hora);
        auto* ok = window->findChild<QPushButton*>("btnOK(0)");
        ASSERT_NE(ok, nullptr);
        ok->click();
    }

    FrmAnotar* OpenNotes() {
        Action("mnuAnotar")->trigger();
        return commands->Anotar();
    }

    void TypeInNotes(const QString& text) {
        QPlainTextEdit* t = commands->Anotar()->Texto();
        t->moveCursor(QTextCursor::End);
        // One key event with the whole text, as an input method delivers it, so that a
        // character beyond 16 bits arrives whole.
        QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, text);
        QApplication::sendEvent(t, &press);
    }

    ChartFolder folder;
    ScriptedDialogs dialogs;
    FakeClock clock;
    SwissEphemeris eph;
    std::unique_ptr<CuadroGral> window;
    ChartCommands* commands = nullptr;
    std::string anaFile;
};

// ---- New charts ------------------------------------------------------------------------

TEST_F(Library, NewChartIsTypedDrawnSavedAndReadsBackTheSame) {
    Action("mnuNuevaCarta")->trigger();
    InputData* form = commands->Ficha();
    ASSERT_NE(form, nullptr);
    EXPECT_TRUE(form->isVisible());
    EXPECT_EQ(form->Caja(EntryField::TextHShs)->text(), "");  // emptied, not "00"

    form->SetTextos(Madrid());
    form->CrearCarta()->click();
    Flush();
    EXPECT_EQ(commands->Ficha(), nullptr);  // the form closed
    EXPECT_TRUE(dialogs.asked.empty());
    const NatalRecord typed = State().DatosNatales;
    EXPECT_FLOAT_EQ(typed.ZoneHours, -2.0f);  // "+2": two hours ahead of universal time
    EXPECT_GT(window->Lista()->count(), 0);   // drawn, with its aspects listed
    EXPECT_TRUE(Action("mnuGuardarFile")->isEnabled());
    EXPECT_FALSE(Action("mnuKillFile")->isEnabled());
    EXPECT_FALSE(Action("mnuAnotar")->isEnabled());
    EXPECT_FALSE(Action("mnuGuardarHora")->isVisible());
    const float sunTyped = State().tables.natal.PlanetaNatal[1].Lon;

    dialogs.QueueInput("José Gómez");
    Action("mnuGuardarFile")->trigger();
    ASSERT_EQ(dialogs.asked.size(), 2u);
    EXPECT_EQ(dialogs.asked[0].prompt, "Escriba un nombre para este archivo");
    EXPECT_EQ(dialogs.asked[0].title, "Guardar datos natales");
    EXPECT_EQ(dialogs.asked[0].defaultAnswer, "José Gómez");
    // The program says what it saved and where.
    EXPECT_EQ(dialogs.asked[1].prompt,
              "Se guardó la carta natal de José Gómez en «" + Path("José Gómez.dat") + "».");
    EXPECT_EQ(dialogs.asked[1].icon, MsgIcon::Information);
    EXPECT_TRUE(Listed(window->flistArchivos(), "José Gómez.dat"));

    Load("José Gómez.dat");
    const NatalRecord& read = State().DatosNatales;
    EXPECT_EQ(read.NatalName, " José Gómez");  // with the blank after the label
    EXPECT_EQ(read.FechaNatalTexto, typed.FechaNatalTexto);
    EXPECT_FLOAT_EQ(read.NatalHour, typed.NatalHour);
    EXPECT_FLOAT_EQ(read.ZoneHours, typed.ZoneHours);
    EXPECT_FLOAT_EQ(read.LatitudeDeg, typed.LatitudeDeg);
    EXPECT_FLOAT_EQ(read.LongitudeDeg, typed.LongitudeDeg);
    EXPECT_EQ(read.Place, typed.Place);
    EXPECT_FLOAT_EQ(State().tables.natal.PlanetaNatal[1].Lon, sunTyped);
    EXPECT_TRUE(Action("mnuAnotar")->isEnabled());
    EXPECT_TRUE(Action("mnuKillFile")->isEnabled());
}

TEST_F(Library, SavingUnderAnExistingNameAsksToReplaceOrRename) {
    TypeNewChart(Madrid());
    dialogs.QueueInput("Ana");
    dialogs.QueueAnswer(MsgAnswer::No);  // do not replace: asked for another name
    dialogs.QueueInput("Ana 2");
    Action("mnuGuardarFile")->trigger();
    ASSERT_EQ(dialogs.asked.size(), 4u);  // the last one says the chart was saved
    EXPECT_EQ(dialogs.asked[1].prompt, "Ya existe el archivo «Ana.dat». ¿Reemplazarlo?");
    EXPECT_EQ(dialogs.asked[1].buttons, MsgButtons::YesNo);
    EXPECT_TRUE(dialogs.asked[2].input);
    EXPECT_EQ(File("Ana.dat"), anaFile);  // nothing appended
    EXPECT_NE(File("Ana 2.dat").find("1: Ana 2\r\n"), std::string::npos);

    dialogs.QueueInput("Ana");
    dialogs.QueueAnswer(MsgAnswer::Yes);
    Action("mnuGuardarFile")->trigger();
    // Replaced whole: one chart, the new one, which is what loads, with the old file's notes.
    EXPECT_EQ(File("Ana.dat"),
              Utf8ToCp1252(ChartFileText(State().DatosNatales, nullptr)).bytes + kNotes);
    Load("Ana.dat");
    EXPECT_EQ(State().DatosNatales.NatalName, " Ana");
    EXPECT_EQ(State().DatosNatales.FechaNatalTexto, "12 7 1985");
}

TEST_F(Library, NuevaCartaResetsTheProgressionStateAndEmptiesAnOpenForm) {
    Load("Ana.dat");
    State().pred.FechaProgTexto = "1 1 2000";
    auto* predictivo = window->findChild<ControlPredictivo*>("ControlPredictivo");
    ASSERT_NE(predictivo, nullptr);
    predictivo->Check1()->click();  // "No repetir el aviso en esta carta."
    ASSERT_TRUE(predictivo->AvisoOff());
    State().HoraSolarElegida = 2;
    Action("FichaNatal")->trigger();
    EXPECT_EQ(commands->Ficha()->Caja(EntryField::TextHShs)->text(), "09");
    Action("mnuNuevaCarta")->trigger();
    EXPECT_EQ(commands->Ficha()->Caja(EntryField::TextHShs)->text(), "");
    EXPECT_EQ(commands->Ficha()->Caja(EntryField::TextNombre)->text(), "");
    EXPECT_EQ(State().pred.FechaProgTexto, "");
    EXPECT_FALSE(predictivo->AvisoOff());
    EXPECT_EQ(State().HoraSolarElegida, 0);
    EXPECT_FALSE(window->fInputMain()->isVisible());
}

TEST_F(Library, NuevaCartaHidesTheFramesOfTheLastChartAndChoosesNoHemisphere) {
    Load("Ana.dat");  // 34.36S 058.27W
    Action("TitlemnuHoraSolar")->trigger();
    auto* solar = window->findChild<QWidget*>("frameSOLAR");
    auto* option = window->findChild<QRadioButton*>("optSunPos(2)");
    ASSERT_NE(solar, nullptr);
    ASSERT_NE(option, nullptr);
    ASSERT_FALSE(option->text().isEmpty());
    option->setChecked(true);
    for (const char* frame : {"fInputFecha", "Frame1"}) window->findChild<QWidget*>(frame)->show();
    ASSERT_NE(window->frmListaNat(), nullptr);
    ASSERT_FALSE(window->frmListaNat()->isHidden());  // shown with the chart

    Action("mnuNuevaCarta")->trigger();  // the form was not open: loaded, pre-filled, emptied
    EXPECT_TRUE(solar->isHidden());
    for (int i = 1; i <= 4; ++i) {
        const auto* opt = window->findChild<QRadioButton*>(QString("optSunPos(%1)").arg(i));
        EXPECT_EQ(opt->text(), "") << i;
        EXPECT_FALSE(opt->isChecked()) << i;
    }
    for (const char* frame : {"fInputFecha", "Frame1"})
        EXPECT_TRUE(window->findChild<QWidget*>(frame)->isHidden()) << frame;
    EXPECT_TRUE(window->fInputMain()->isHidden());
    EXPECT_TRUE(window->frmListaNat()->isHidden());

    const FichaNatalTextos shown = commands->Ficha()->Textos();
    EXPECT_EQ(shown.TextLatGrad, "");
    // No hemisphere: neither the loaded chart's nor the designed " &Norte" and "&Oeste".
    EXPECT_FALSE(shown.LatitudElegida);
    EXPECT_FALSE(shown.LongitudElegida);
}

TEST_F(Library, FichaNatalPrefillsAndOnlyBringsAnOpenFormForward) {
    Load("Bruno.dat");
    Action("FichaNatal")->trigger();
    InputData* form = commands->Ficha();
    ASSERT_NE(form, nullptr);
    EXPECT_EQ(form->Caja(EntryField::TextNombre)->text().toStdString(),
              State().DatosNatales.NatalNameFixed);
    EXPECT_EQ(form->Caja(EntryField::TextHShs)->text(), "21");
    EXPECT_EQ(form->Caja(EntryField::TextHSmin)->text(), "15");
    EXPECT_EQ(form->Caja(EntryField::TextLonGrad)->text(), "058");
    form->Caja(EntryField::TextHShs)->setText("22");
    Action("FichaNatal")->trigger();
    EXPECT_EQ(commands->Ficha(), form);
    EXPECT_EQ(form->Caja(EntryField::TextHShs)->text(), "22");  // current contents kept

    form->CrearCarta()->click();  // the corrected chart is a new, unsaved chart
    Flush();
    EXPECT_FLOAT_EQ(State().DatosNatales.NatalHour, 22.25f);
    EXPECT_TRUE(State().flags.NewChart);
}

// ---- House system ----------------------------------------------------------------------

TEST_F(Library, HouseSystemMenuChecksOneEntryAndRedraws) {
    Load("Ana.dat");
    const float placidus2 = State().tables.natal.CuspideNatal[2].Lon;
    window->txtFecha()->setText("1 1 2000");
    window->Lista()->addItem("resto");

    Action("MnuHsys(32)")->trigger();
    EXPECT_EQ(State().HouseSystem, SistemaCasas::Koch);
    EXPECT_FALSE(window->MnuHsys(30)->isChecked());
    EXPECT_FALSE(window->MnuHsys(31)->isChecked());
    EXPECT_TRUE(window->MnuHsys(32)->isChecked());
    EXPECT_NE(State().tables.natal.CuspideNatal[2].Lon, placidus2);  // recomputed
    EXPECT_EQ(window->txtFecha()->text(), "1 1 2000");               // kept
    EXPECT_TRUE(window->Lista()->findItems("resto", Qt::MatchExactly).isEmpty());

    Load("Bruno.dat");  // another chart keeps the system
    EXPECT_EQ(State().HouseSystem, SistemaCasas::Koch);
    EXPECT_TRUE(window->MnuHsys(32)->isChecked());

    Action("MnuHsys(31)")->trigger();
    EXPECT_EQ(State().HouseSystem, SistemaCasas::Regiomontano);
    EXPECT_TRUE(window->MnuHsys(31)->isChecked());
    EXPECT_FALSE(window->MnuHsys(32)->isChecked());
    Action("MnuHsys(30)")->trigger();
    EXPECT_EQ(State().HouseSystem, SistemaCasas::Placido);
}

// ---- A tried birth time written into the file -------------------------------------------

TEST_F(Library, NewBirthTimeReplacesOnlyTheTimeLine) {
    Load("Ana.dat");
    EXPECT_FALSE(Action("mnuGuardarHora")->isVisible());
    TryBirthTime("14 30 00");
    EXPECT_FLOAT_EQ(State().DatosNatales.NatalHour, 14.5f);
    ASSERT_TRUE(Action("mnuGuardarHora")->isVisible());

    Action("mnuGuardarHora")->trigger();
    // The program says what it saved and where.
    ASSERT_EQ(dialogs.asked.size(), 1u);
    EXPECT_EQ(dialogs.asked[0].prompt,
              "Se guardó la nueva hora natal, 14 30 00, en «" + Path("Ana.dat") + "».");
    EXPECT_EQ(dialogs.asked[0].title, "Guardar nueva hora");
    EXPECT_EQ(dialogs.asked[0].icon, MsgIcon::Information);
    std::string expected = anaFile;
    expected.replace(expected.find("5: 09.0730"), 10, "5: 14.3000");
    EXPECT_EQ(File("Ana.dat"), expected);  // notes starting with 5 untouched
    EXPECT_FALSE(Exists(Path("NUEVAHORA.tmp")));
    EXPECT_FALSE(Action("mnuGuardarHora")->isVisible());
    // The record's time texts give the time now in the file, so that the entry form opened
    // on the chart shows (and a save keeps) that time.
    EXPECT_EQ(State().DatosNatales.TimeText, "14:30:00");
    EXPECT_EQ(State().DatosNatales.HourText, "14");
    EXPECT_FLOAT_EQ(State().DatosNatales.NatalHour, 14.5f);
    Load("Ana.dat");
    EXPECT_EQ(State().DatosNatales.TimeText, "14:30:00");
}

TEST_F(Library, FailedBirthTimeWriteLeavesTheFileAndSaysWhy) {
    Load("Ana.dat");
    TryBirthTime("14 30");
    // The new text cannot be written whole, as on a full disk; this fails even where
    // permissions are not enforced.
    {
        const FileSizeLimit limit(100);
        Action("mnuGuardarHora")->trigger();
    }
    ASSERT_EQ(dialogs.asked.size(), 1u);
    EXPECT_EQ(dialogs.asked[0].title, "Guardar nueva hora");
    EXPECT_EQ(dialogs.asked[0].icon, MsgIcon::Critical);
    EXPECT_NE(dialogs.asked[0].prompt.find("«Ana.dat»"), std::string::npos);
    EXPECT_NE(dialogs.asked[0].prompt.find("El archivo anterior no se ha modificado."),
              std::string::npos)
        << dialogs.asked[0].prompt;
    EXPECT_EQ(File("Ana.dat"), anaFile);
    EXPECT_TRUE(Action("mnuGuardarHora")->isVisible());  // still to be written
}

TEST_F(Library, FileCommandsAreNotOfferedForAnUnsavedChart) {
    Load("Ana.dat");
    TryBirthTime("14 30");
    ASSERT_TRUE(Action("mnuGuardarHora")->isVisible());
    TypeNewChart(Madrid());
    EXPECT_FALSE(Action("mnuGuardarHora")->isVisible());
    EXPECT_FALSE(Action("mnuKillFile")->isEnabled());
    EXPECT_FALSE(Action("mnuAnotar")->isEnabled());

    TryBirthTime("10 00");  // a time tried on the new chart has no file to go to
    EXPECT_FLOAT_EQ(State().DatosNatales.NatalHour, 10.0f);
    EXPECT_FALSE(Action("mnuGuardarHora")->isVisible());
    commands->mnuGuardarHora_Click();
    commands->mnuKillFile_Click();
    EXPECT_TRUE(dialogs.asked.empty());
    EXPECT_EQ(File("Ana.dat"), anaFile);
}

TEST_F(Library, LoadingAnotherChartWithdrawsAnUnwrittenTime) {
    Load("Ana.dat");
    TryBirthTime("14 30");
    Load("Bruno.dat");
    EXPECT_FALSE(Action("mnuGuardarHora")->isVisible());
    const std::string bruno = File("Bruno.dat");
    commands->mnuGuardarHora_Click();
    EXPECT_EQ(File("Bruno.dat"), bruno);
}

// ---- Deleting ---------------------------------------------------------------------------

TEST_F(Library, DeleteAsksAndOnlyYesDeletes) {
    Load("Ana.dat");
    dialogs.QueueAnswer(MsgAnswer::No);
    Action("mnuKillFile")->trigger();
    ASSERT_EQ(dialogs.asked.size(), 1u);
    EXPECT_EQ(dialogs.asked[0].prompt, " ¿Borrar el archivo Ana.dat del disco?  ");
    EXPECT_EQ(dialogs.asked[0].title, "Eliminar Archivo");
    EXPECT_EQ(dialogs.asked[0].buttons, MsgButtons::YesNo);
    EXPECT_EQ(dialogs.asked[0].icon, MsgIcon::Exclamation);
    EXPECT_EQ(dialogs.asked[0].defaultButton, MsgAnswer::No);  // Enter keeps the file
    EXPECT_EQ(File("Ana.dat"), anaFile);
    EXPECT_TRUE(Listed(window->flistArchivos(), "Ana.dat"));
    EXPECT_TRUE(Action("mnuKillFile")->isEnabled());

    dialogs.QueueAnswer(MsgAnswer::Yes);
    Action("mnuKillFile")->trigger();
    EXPECT_FALSE(Exists(Path("Ana.dat")));
    EXPECT_FALSE(Listed(window->flistArchivos(), "Ana.dat"));
    EXPECT_TRUE(Listed(window->flistArchivos(), "Bruno.dat"));
    EXPECT_FALSE(Action("mnuKillFile")->isEnabled());
    EXPECT_FALSE(Action("mnuAnotar")->isEnabled());  // no file left to annotate
    EXPECT_TRUE(State().flags.ChartLoaded);          // the chart stays on display

    Action("MnuHsys(32)")->trigger();  // a redraw does not offer them again
    EXPECT_FALSE(Action("mnuKillFile")->isEnabled());
    EXPECT_FALSE(Action("mnuAnotar")->isEnabled());
}

// ---- Notes -------------------------------------------------------------------------------

TEST_F(Library, NotesCommandNeedsAChartFile) {
    EXPECT_FALSE(Action("mnuAnotar")->isEnabled());
    commands->mnuAnotar_Click();
    EXPECT_EQ(commands->Anotar(), nullptr);
    Load("Ana.dat");
    EXPECT_TRUE(Action("mnuAnotar")->isEnabled());
}

TEST_F(Library, NotesWindowShowsTheWholeFileAndClosingUntouchedAsksNothing) {
    Load("Ana.dat");
    FrmAnotar* notes = OpenNotes();
    ASSERT_NE(notes, nullptr);
    EXPECT_EQ(notes->windowTitle(), " anotaciones");
    EXPECT_EQ(notes->Texto()->font().pointSize(), 10);
    // Every line of the file, "año" of the header decoded, with its line end.
    std::string expected = Cp1252ToUtf8(anaFile);
    expected.erase(std::remove(expected.begin(), expected.end(), '\r'), expected.end());
    EXPECT_EQ(notes->TextoActual(), expected);
    EXPECT_FALSE(State().flags.NotesModified);
    EXPECT_FALSE(Action("mnuAnotar")->isEnabled());

    EXPECT_TRUE(notes->close());
    Flush();
    EXPECT_TRUE(dialogs.asked.empty());
    EXPECT_EQ(commands->Anotar(), nullptr);
    EXPECT_TRUE(Action("mnuAnotar")->isEnabled());
    EXPECT_EQ(File("Ana.dat"), anaFile);
}

TEST_F(Library, NotesSavedWithYesKeptWithNo) {
    Load("Ana.dat");
    OpenNotes();
    TypeInNotes("x");
    EXPECT_TRUE(State().flags.NotesModified);
    dialogs.QueueAnswer(MsgAnswer::No);
    EXPECT_TRUE(commands->Anotar()->close());
    Flush();
    ASSERT_EQ(dialogs.asked.size(), 1u);
    EXPECT_EQ(dialogs.asked[0].prompt,
              "Las anotaciones se han modificado. ¿ Guardar los cambios ?   ");
    EXPECT_EQ(dialogs.asked[0].title, "Guardar archivo");
    EXPECT_EQ(dialogs.asked[0].buttons, MsgButtons::YesNo);
    EXPECT_EQ(dialogs.asked[0].icon, MsgIcon::None);
    EXPECT_EQ(File("Ana.dat"), anaFile);

    // Twice with Yes: the text is saved as typed and no empty line gathers at the end.
    for (const char* added : {"Casada en 1995.", "Dos hijos."}) {
        OpenNotes();
        TypeInNotes(added);
        dialogs.asked.clear();
        dialogs.QueueAnswer(MsgAnswer::Yes);
        EXPECT_TRUE(commands->Anotar()->close());
        Flush();
        anaFile += added + std::string("\r\n");
        EXPECT_EQ(File("Ana.dat"), anaFile);
        ASSERT_EQ(dialogs.asked.size(), 2u);
        EXPECT_EQ(dialogs.asked[1].prompt,
                  "Se guardaron las anotaciones en «" + Path("Ana.dat") + "».");
        EXPECT_EQ(dialogs.asked[1].icon, MsgIcon::Information);
    }
    Load("Ana.dat");  // the data block is read as before
    EXPECT_EQ(State().DatosNatales.NatalName, " Ana Prueba");
}

TEST_F(Library, DataLinesEditedInTheNotesAreReadAtTheNextLoad) {
    Load("Ana.dat");
    OpenNotes();
    QPlainTextEdit* t = commands->Anotar()->Texto();
    std::string text = t->toPlainText().toStdString();
    text.replace(text.find("5: 09.0730"), 10, "5: 14.3000");
    t->setPlainText(QString::fromStdString(text));
    dialogs.QueueAnswer(MsgAnswer::Yes);
    EXPECT_TRUE(commands->Anotar()->close());
    Flush();
    Load("Ana.dat");
    EXPECT_FLOAT_EQ(State().DatosNatales.NatalHour, 14.5f);  // 14 h 30 min
    EXPECT_EQ(State().DatosNatales.TimeText, "14:30:00");

    // A malformed data line then gives the reader's error, and the chart is not redrawn.
    OpenNotes();
    text = commands->Anotar()->Texto()->toPlainText().toStdString();
    text.replace(text.find("7: 34.36S"), 9, "7: 3436S");
    commands->Anotar()->Texto()->setPlainText(QString::fromStdString(text));
    dialogs.QueueAnswer(MsgAnswer::Yes);
    EXPECT_TRUE(commands->Anotar()->close());
    Flush();
    dialogs.asked.clear();
    window->mnuBuscarFiles_Click();
    ASSERT_TRUE(window->flistArchivos()->SelectFile("Ana.dat"));
    window->flistArchivos_Click();
    ASSERT_EQ(dialogs.asked.size(), 1u);
    EXPECT_EQ(dialogs.asked[0].prompt, ChartReadErrorMessage("Ana.dat"));
    EXPECT_EQ(dialogs.asked[0].title, kChartReadErrorTitle);
}

TEST_F(Library, ChoosingNotesAgainBringsTheWindowForward) {
    Load("Ana.dat");
    FrmAnotar* notes = OpenNotes();
    const std::string text = notes->TextoActual();
    Action("MnuHsys(31)")->trigger();  // a redraw offers the command again
    ASSERT_TRUE(Action("mnuAnotar")->isEnabled());
    Action("mnuAnotar")->trigger();
    EXPECT_EQ(commands->Anotar(), notes);
    EXPECT_EQ(notes->TextoActual(), text);  // not appended a second time
}

TEST_F(Library, CharactersTheFileCannotHoldAreNamedAndTheUserMayGoBack) {
    Load("Ana.dat");
    OpenNotes();
    TypeInNotes(QString::fromUtf8("Sol ☉ 😀"));
    dialogs.QueueAnswer(MsgAnswer::Yes);  // save
    dialogs.QueueAnswer(MsgAnswer::No);   // but not with "?" in their place
    EXPECT_FALSE(commands->Anotar()->close());
    ASSERT_EQ(dialogs.asked.size(), 2u);
    EXPECT_EQ(dialogs.asked[1].prompt, UnstorableQuestion({"☉", "😀"}));
    EXPECT_EQ(File("Ana.dat"), anaFile);
    ASSERT_NE(commands->Anotar(), nullptr);  // still open with the text
    EXPECT_NE(commands->Anotar()->TextoActual().find("Sol ☉ 😀"), std::string::npos);

    dialogs.QueueAnswer(MsgAnswer::Yes);
    dialogs.QueueAnswer(MsgAnswer::Yes);
    EXPECT_TRUE(commands->Anotar()->close());
    Flush();
    EXPECT_EQ(File("Ana.dat"), anaFile + "Sol ? ?\r\n");
}

TEST_F(Library, FailedNotesWriteKeepsTheFileAndTheWindow) {
    Load("Ana.dat");
    OpenNotes();
    TypeInNotes("nota");
    dialogs.QueueAnswer(MsgAnswer::Yes);
    {
        const FileSizeLimit limit(100);  // the new text cannot be written whole
        EXPECT_FALSE(commands->Anotar()->close());
    }
    ASSERT_EQ(dialogs.asked.size(), 2u);
    EXPECT_EQ(dialogs.asked[1].title, "Guardar archivo");
    EXPECT_EQ(dialogs.asked[1].icon, MsgIcon::Critical);
    EXPECT_NE(dialogs.asked[1].prompt.find("El archivo anterior no se ha modificado."),
              std::string::npos)
        << dialogs.asked[1].prompt;
    EXPECT_EQ(File("Ana.dat"), anaFile);
    EXPECT_NE(commands->Anotar(), nullptr);
    EXPECT_TRUE(State().flags.NotesModified);
}

TEST_F(Library, LoadingAnotherChartAsksFirstAndSavesIntoTheLoadedFile) {
    Load("Ana.dat");
    OpenNotes();
    TypeInNotes("de Ana");
    dialogs.QueueAnswer(MsgAnswer::Yes);
    Load("Bruno.dat");
    Flush();
    ASSERT_EQ(dialogs.asked.size(), 2u);
    // The save into Ana's file is confirmed, before Bruno is read.
    EXPECT_EQ(dialogs.asked[1].prompt,
              "Se guardaron las anotaciones en «" + Path("Ana.dat") + "».");
    EXPECT_EQ(dialogs.asked[1].title, "Guardar archivo");
    EXPECT_EQ(File("Ana.dat"), anaFile + "de Ana\r\n");
    EXPECT_EQ(File("Bruno.dat"), ChartText("Bruno", "21.1500"));
    EXPECT_EQ(commands->Anotar(), nullptr);
}

TEST_F(Library, GoingBackToTheNotesStopsLoadingAndEnding) {
    int ended = 0;
    window->SetEndProgram([&] { ++ended; });
    Load("Ana.dat");
    OpenNotes();
    TypeInNotes(QString::fromUtf8("😀"));
    // Each time: save, but not with "?" for the emoji: the window stays to be edited.
    for (int i = 0; i < 3; ++i) {
        dialogs.QueueAnswer(MsgAnswer::Yes);
        dialogs.QueueAnswer(MsgAnswer::No);
    }
    window->mnuBuscarFiles_Click();
    ASSERT_TRUE(window->flistArchivos()->SelectFile("Bruno.dat"));
    window->flistArchivos_Click();
    EXPECT_EQ(State().flags.ChartFileName, "Ana.dat");  // Bruno was not loaded
    EXPECT_EQ(State().DatosNatales.NatalName, " Ana Prueba");

    Action("Fin")->trigger();
    EXPECT_EQ(ended, 0);
    EXPECT_FALSE(window->close());
    Flush();
    ASSERT_NE(commands->Anotar(), nullptr);
    EXPECT_EQ(dialogs.asked.size(), 6u);
    EXPECT_EQ(File("Ana.dat"), anaFile);

    dialogs.QueueAnswer(MsgAnswer::No);  // now the edits are given up
    Action("Fin")->trigger();
    EXPECT_EQ(ended, 1);
}

TEST_F(Library, EditsMadeBeforeANewChartAreNotDroppedSilently) {
    Load("Ana.dat");
    OpenNotes();
    TypeInNotes("apunte");
    TypeNewChart(Madrid());  // accepting the chart clears the shared flag
    dialogs.QueueAnswer(MsgAnswer::No);
    EXPECT_TRUE(commands->Anotar()->close());
    Flush();
    ASSERT_EQ(dialogs.asked.size(), 1u);
    EXPECT_EQ(dialogs.asked[0].prompt,
              "Las anotaciones se han modificado. ¿ Guardar los cambios ?   ");
}

TEST_F(Library, NotesOfANewChartAreSavedThroughTheNewChartPath) {
    Load("Ana.dat");
    OpenNotes();
    TypeInNotes("apunte");
    TypeNewChart(Madrid());  // the notes window stays open over the new chart
    ASSERT_NE(commands->Anotar(), nullptr);
    TypeInNotes(" y otro");
    const std::string notesText = commands->Anotar()->TextoActual();

    dialogs.QueueAnswer(MsgAnswer::Yes);
    dialogs.QueueInput("Con notas");
    EXPECT_TRUE(commands->Anotar()->close());
    Flush();
    ASSERT_EQ(dialogs.asked.size(), 3u);
    EXPECT_TRUE(dialogs.asked[1].input);
    EXPECT_EQ(dialogs.asked[1].title, "Guardar datos natales");
    EXPECT_EQ(dialogs.asked[2].prompt,
              "Se guardó la carta natal de Con notas en «" + Path("Con notas.dat") + "».");
    EXPECT_EQ(File("Con notas.dat"),
              Utf8ToCp1252(ChartFileText(State().DatosNatales, &notesText)).bytes);
    EXPECT_TRUE(Listed(window->flistArchivos(), "Con notas.dat"));
    EXPECT_EQ(File("Ana.dat"), anaFile);
    EXPECT_FALSE(State().flags.NotesModified);
}

// ---- Nothing typed or saved is lost ----------------------------------------------------

// Ficha Natal on a chart whose birth time was written with "Guardar nueva hora", OK,
// "Guardar" under the same name, "Sí": the file keeps its notes and the new time.
TEST_F(Library, ReplacingAChartKeepsItsNotesAndItsSavedBirthTime) {
    Load("Ana.dat");
    TryBirthTime("14 30 00");
    Action("mnuGuardarHora")->trigger();
    Action("FichaNatal")->trigger();
    ASSERT_NE(commands->Ficha(), nullptr);
    commands->Ficha()->CrearCarta()->click();
    Flush();
    ASSERT_TRUE(State().flags.NewChart);
    dialogs.asked.clear();
    dialogs.QueueInput("Ana");
    dialogs.QueueAnswer(MsgAnswer::Yes);  // replace
    Action("mnuGuardarFile")->trigger();
    ASSERT_EQ(dialogs.asked.size(), 3u);  // name, replace, saved: nothing else to ask
    EXPECT_EQ(dialogs.asked[2].icon, MsgIcon::Information);
    const std::string saved = File("Ana.dat");
    EXPECT_NE(saved.find("\r\n5: 14.3000\r\n"), std::string::npos) << saved;
    EXPECT_EQ(saved.substr(saved.size() - kNotes.size()), kNotes);
    Load("Ana.dat");
    EXPECT_EQ(State().DatosNatales.TimeText, "14:30:00");
}

// ANOTACIONES open, a new birth time written meanwhile, the notes saved with "Sí": the file
// has both the notes and the new time.
TEST_F(Library, SavingTheNotesKeepsABirthTimeSavedMeanwhile) {
    Load("Ana.dat");
    OpenNotes();
    TypeInNotes("apunte");
    TryBirthTime("14 30 00");
    Action("mnuGuardarHora")->trigger();
    dialogs.QueueAnswer(MsgAnswer::Yes);
    EXPECT_TRUE(commands->Anotar()->close());
    Flush();
    std::string expected = anaFile + "apunte\r\n";
    expected.replace(expected.find("5: 09.0730"), 10, "5: 14.3000");
    EXPECT_EQ(File("Ana.dat"), expected);
}

// Another copy of the program saved the chart's notes after this window opened: saving here
// would undo them, so it is refused and the window stays open with its text.
TEST_F(Library, NotesChangedOnDiskSinceOpeningAreNotOverwritten) {
    Load("Ana.dat");
    OpenNotes();
    TypeInNotes("mío");
    const std::string other = anaFile + "de la otra copia\r\n";
    folder.Write("Ana.dat", other);
    dialogs.QueueAnswer(MsgAnswer::Yes);
    EXPECT_FALSE(commands->Anotar()->close());
    ASSERT_EQ(dialogs.asked.size(), 2u);
    EXPECT_EQ(dialogs.asked[1].prompt,
              "La carta «Ana.dat» cambió en el disco desde que se abrió en anotaciones, y este "
              "texto desharía esos cambios: no se ha guardado. Copie lo que quiera conservar, "
              "cierre la ventana sin guardar y ábrala de nuevo.");
    EXPECT_EQ(dialogs.asked[1].icon, MsgIcon::Critical);
    EXPECT_EQ(File("Ana.dat"), other);
    ASSERT_NE(commands->Anotar(), nullptr);
    EXPECT_NE(commands->Anotar()->TextoActual().find("mío"), std::string::npos);
}

// Each way of ending the program, with a chart or a birth time not yet saved: asked first,
// Enter (No) keeps the program running; with nothing unsaved nothing is asked.
TEST_F(Library, EndingAsksBeforeLosingUnsavedWork) {
    int ended = 0;
    window->SetEndProgram([&] { ++ended; });
    // Ctrl+Q is "Salir" (the keyboard tests send the key itself).
    EXPECT_EQ(Action("Fin")->shortcut(), QKeySequence("Ctrl+Q"));
    struct Way {
        const char* what;
        std::function<bool()> end;  // false when the window refused to close
    };
    const Way ways[] = {
        {"Salir",
         [&] {
             Action("Fin")->trigger();
             return true;
         }},
        {"Escape in the chart list",
         [&] {
             window->mnuBuscarFiles_Click();
             QTest::keyClick(window->flistArchivos(), Qt::Key_Escape);
             return true;
         }},
        {"closing the window", [&] { return window->close(); }},
    };
    const std::string newChart = "La carta «José Gómez» no se ha guardado. ¿Salir sin guardar?";
    const std::string newHour =
        "La carta «Ana.dat» no se ha guardado: su nueva hora natal (14 30 00) no se escribió en "
        "el archivo. ¿Salir sin guardar?";
    for (const Way& way : ways) {
        // A new chart not saved.
        TypeNewChart(Madrid());
        dialogs.asked.clear();
        dialogs.QueueAnswer(MsgAnswer::No);
        way.end();
        ASSERT_EQ(dialogs.asked.size(), 1u) << way.what;
        EXPECT_EQ(dialogs.asked[0].prompt, newChart) << way.what;
        EXPECT_EQ(dialogs.asked[0].title, "Salir") << way.what;
        EXPECT_EQ(dialogs.asked[0].buttons, MsgButtons::YesNo) << way.what;
        EXPECT_EQ(dialogs.asked[0].defaultButton, MsgAnswer::No) << way.what;
        EXPECT_EQ(ended, 0) << way.what;
        EXPECT_TRUE(window->isVisible()) << way.what;

        // A birth time tried and not written.
        Load("Ana.dat");
        TryBirthTime("14 30 00");
        dialogs.asked.clear();
        dialogs.QueueAnswer(MsgAnswer::No);
        way.end();
        ASSERT_EQ(dialogs.asked.size(), 1u) << way.what;
        EXPECT_EQ(dialogs.asked[0].prompt, newHour) << way.what;
        EXPECT_EQ(ended, 0) << way.what;

        // Written: nothing to ask, the program ends.
        Action("mnuGuardarHora")->trigger();
        dialogs.asked.clear();
        const bool closed = way.end();
        EXPECT_TRUE(dialogs.asked.empty()) << way.what;
        EXPECT_TRUE(ended == 1 || !window->isVisible()) << way.what;
        EXPECT_TRUE(closed) << way.what;
        ended = 0;
        window->show();
    }
    // "Sí" ends the program without saving.
    TypeNewChart(Madrid());
    dialogs.QueueAnswer(MsgAnswer::Yes);
    Action("Fin")->trigger();
    EXPECT_EQ(ended, 1);
    EXPECT_FALSE(Exists(Path("José Gómez.dat")));
}

TEST_F(Library, SavedNewChartEndsWithoutAQuestion) {
    int ended = 0;
    window->SetEndProgram([&] { ++ended; });
    TypeNewChart(Madrid());
    dialogs.QueueInput("José Gómez");
    Action("mnuGuardarFile")->trigger();
    ASSERT_TRUE(Exists(Path("José Gómez.dat")));
    dialogs.asked.clear();
    Action("Fin")->trigger();
    EXPECT_TRUE(dialogs.asked.empty());
    EXPECT_EQ(ended, 1);
}

TEST_F(Library, DeleteMovesTheFileToTheTrashAndSaysSo) {
    std::vector<std::string> trashed;
    commands->SetMoveToTrash([&](const std::string& path) {
        trashed.push_back(path);
        return QFile::moveToTrash(QString::fromStdString(path));
    });
    Load("Ana.dat");
    dialogs.QueueAnswer(MsgAnswer::Yes);
    Action("mnuKillFile")->trigger();
    ASSERT_EQ(dialogs.asked.size(), 2u);
    EXPECT_EQ(dialogs.asked[1].prompt, "«Ana.dat» se movió a la papelera.");
    EXPECT_EQ(dialogs.asked[1].icon, MsgIcon::Information);
    EXPECT_EQ(trashed, std::vector<std::string>{Path("Ana.dat")});
    EXPECT_FALSE(Exists(Path("Ana.dat")));
    EXPECT_FALSE(Listed(window->flistArchivos(), "Ana.dat"));
    // In the desktop's trash (the test run's own data folder), whole.
    const std::string trash = std::string(std::getenv("XDG_DATA_HOME")) + "/Trash/files/";
    bool found = false;
    for (const auto& e : std::filesystem::directory_iterator(trash)) {
        if (e.path().filename().string().rfind("Ana", 0) == 0 && ReadBytes(e.path()) == anaFile)
            found = true;
    }
    EXPECT_TRUE(found);
}

TEST_F(Library, WithoutATrashDeletingForGoodIsAskedAgain) {
    commands->SetMoveToTrash([](const std::string&) { return false; });
    Load("Ana.dat");
    dialogs.QueueAnswer(MsgAnswer::Yes);
    dialogs.QueueAnswer(MsgAnswer::No);  // keep it after all
    Action("mnuKillFile")->trigger();
    ASSERT_EQ(dialogs.asked.size(), 2u);
    EXPECT_EQ(dialogs.asked[1].prompt,
              "No se pudo mover «Ana.dat» a la papelera. ¿Borrarlo definitivamente del disco? "
              "No se podrá recuperar.");
    EXPECT_EQ(dialogs.asked[1].defaultButton, MsgAnswer::No);
    EXPECT_EQ(File("Ana.dat"), anaFile);
    EXPECT_TRUE(Listed(window->flistArchivos(), "Ana.dat"));

    dialogs.QueueAnswer(MsgAnswer::Yes);
    dialogs.QueueAnswer(MsgAnswer::Yes);
    Action("mnuKillFile")->trigger();
    EXPECT_FALSE(Exists(Path("Ana.dat")));
    EXPECT_FALSE(Listed(window->flistArchivos(), "Ana.dat"));
}

// A temporary file a killed save left a day ago is removed at start; one of now, or of
// another name, stays.
TEST_F(Library, StartRemovesTheProgramsOldLeftovers) {
    folder.Write(".Ana.dat.NOTAS.a1B2c3", "restos");
    folder.Write(".Ana.dat.NOTAS.d4E5f6", "otra copia escribiendo");
    folder.Write("NUEVAHORA.tmp", "ajeno");
    const std::time_t old = std::time(nullptr) - 2 * 24 * 3600;
    for (const char* name : {".Ana.dat.NOTAS.a1B2c3", "NUEVAHORA.tmp"}) {
        const struct timespec times[2] = {{old, 0}, {old, 0}};
        ASSERT_EQ(::utimensat(AT_FDCWD, Path(name).c_str(), times, 0), 0);
    }
    window->FormLoad();
    EXPECT_FALSE(Exists(Path(".Ana.dat.NOTAS.a1B2c3")));
    EXPECT_TRUE(Exists(Path(".Ana.dat.NOTAS.d4E5f6")));
    EXPECT_TRUE(Exists(Path("NUEVAHORA.tmp")));
}

}  // namespace
}  // namespace natalis
