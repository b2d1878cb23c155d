// The "COMPARAR" menu driven through the main window offscreen: its entries after the other
// menus, the second chart picked with the browser's filter, a synastry drawn and listed, a
// Davison chart saved as a chart file, returns stepped with their keys, and cancelled
// dialogs that leave everything as it was.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QTableWidget>
#include <QTest>
#include <cmath>
#include <memory>

#include "app/model/ChartFile.h"
#include "app/ui/ChartBrowser.h"
#include "app/ui/CompararCommands.h"
#include "app/ui/CuadroGral.h"
#include "app/ui/ElegirCarta.h"
#include "app/ui/ExportCommands.h"
#include "app/ui/LugarFecha.h"
#include "astro/SwissEphemeris.h"
#include "chart/Compuesta.h"
#include "chart/Glyphs.h"
#include "chart/Rings.h"
#include "chart/ui/FrmComparacion.h"
#include "chart/ui/FrmListaNat.h"
#include "tests/app/FakeClock.h"
#include "tests/ui/ChartFolder.h"
#include "tests/ui/ExternalTools.h"
#include "tests/ui/ScriptedDialogs.h"

namespace natalis {
namespace {

// A point's glyph (the degrees printed beside it use the same font).
bool EsGlifoDePunto(const std::string& texto) {
    for (int fila = 1; fila <= kNumPuntos; ++fila) {
        if (texto == GlifoPlaneta(fila)) return true;
    }
    return false;
}

const QString kCharts = QStringLiteral(NATALIS_SOURCE_DIR "/charts/");

std::string Bytes(const QString& path) {
    QFile f(path);
    f.open(QIODevice::ReadOnly);
    return f.readAll().toStdString();
}

void Flush() {
    QApplication::processEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QApplication::processEvents();
}

class Comparar : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(folder.dir.isValid());
        for (const char* f : {"Ana_Lucia_Ferreyra.dat", "Hiroshi_Tanaka.dat", "Kiri_Te_Rangi.dat"})
            folder.Write(f, Bytes(kCharts + f));
        clock.now = {2026, 7, 1, 14, 0, 0};
        clock.zone = Zone(-60, -60, 2);  // Madrid in summer: UTC+2
        window = std::make_unique<CuadroGral>(dialogs, clock, eph, folder.Path());
        window->SetEndProgram([] {});
        window->FormLoad();
        commands = window->findChild<CompararCommands*>("CompararCommands");
        ASSERT_NE(commands, nullptr);
    }
    void TearDown() override {
        window.reset();
        Flush();
    }
    void LoadAna() {
        ASSERT_TRUE(window->flistArchivos()->SelectFile("Ana_Lucia_Ferreyra.dat"));
        window->flistArchivos_Click();
        ASSERT_TRUE(window->State().flags.ChartLoaded);
    }
    // Opens the picker of command and chooses the one chart its filter leaves.
    void Pick(const char* command, const char* filtro) {
        window->Action(command)->trigger();
        ElegirCarta* picker = commands->Selector();
        ASSERT_NE(picker, nullptr);
        QTest::keyClicks(picker->Browser()->Filter(), filtro);
        Flush();
        ASSERT_EQ(picker->Browser()->List()->count(), 1);
        QTest::keyClick(picker->Browser()->Filter(), Qt::Key_Return);
        Flush();
    }
    Carta Directa(const NatalRecord& rec) {
        OpcionesCarta o;
        o.casas = window->State().HouseSystem;
        return CalcularCarta(rec, o, eph);
    }
    QStringList Items(const QListWidget* l) {
        QStringList out;
        for (int i = 0; i < l->count(); ++i) out << l->item(i)->text();
        return out;
    }

    ChartFolder folder;
    ScriptedDialogs dialogs;
    FakeClock clock;
    SwissEphemeris eph;
    std::unique_ptr<CuadroGral> window;
    CompararCommands* commands = nullptr;
};

TEST_F(Comparar, TheMenuComesAfterTheOthersWithItsEntriesInOrder) {
    const QList<QAction*> bar = window->menuBar()->actions();
    ASSERT_GE(bar.size(), 2);
    EXPECT_EQ(bar.back(), window->Action("TitleMnuComparar"));
    // After the behaviour's entries (the last of them keeps its place) and the preferences.
    EXPECT_EQ(bar.indexOf(window->Action("TitlemnuHoraSolar")), 9);
    EXPECT_EQ(bar.indexOf(window->Action("mnuPreferencias")), 10);
    EXPECT_EQ(bar.back()->text(), "   CO&MPARAR");
    QStringList captions;
    for (QAction* a : window->Menu("TitleMnuComparar")->actions())
        captions << (a->isSeparator() ? QStringLiteral("-") : a->text());
    const QStringList expected = {"Sinastría…",
                                  "Compuesta…",
                                  "Davison…",
                                  "-",
                                  "Retorno solar…",
                                  "Retorno lunar…",
                                  "Retorno siguiente",
                                  "Retorno anterior",
                                  "-",
                                  "Ahora…",
                                  "-",
                                  "Listado de la comparación",
                                  "Guardar como carta…"};
    EXPECT_EQ(captions, expected);
    EXPECT_EQ(window->Action("mnuRetornoSiguiente")->shortcut(), QKeySequence("Shift+PgDown"));
    EXPECT_EQ(window->Action("mnuRetornoAnterior")->shortcut(), QKeySequence("Shift+PgUp"));
    // Without a chart only the moment's chart is offered.
    emit window->Menu("TitleMnuComparar")->aboutToShow();
    EXPECT_FALSE(window->Action("mnuSinastria")->isEnabled());
    EXPECT_TRUE(window->Action("mnuAhora")->isEnabled());
    LoadAna();
    emit window->Menu("TitleMnuComparar")->aboutToShow();
    EXPECT_TRUE(window->Action("mnuSinastria")->isEnabled());
    EXPECT_FALSE(window->Action("mnuRetornoSiguiente")->isEnabled());
    EXPECT_FALSE(window->Action("mnuGuardarComoCarta")->isEnabled());
}

TEST_F(Comparar, SynastryWithAChartPickedByTheFilterIsDrawnAndListed) {
    LoadAna();
    window->Action("mnuSinastria")->trigger();
    ElegirCarta* picker = commands->Selector();
    ASSERT_NE(picker, nullptr);
    EXPECT_EQ(picker->Browser()->List()->count(), 3);
    // The browser's filter: words of the person's name, without regard to case or accents.
    QTest::keyClicks(picker->Browser()->Filter(), "TANAKA hir");
    Flush();
    EXPECT_EQ(picker->Browser()->List()->FileNames(), QStringList{"Hiroshi_Tanaka.dat"});
    QTest::keyClick(picker->Browser()->Filter(), Qt::Key_Return);
    Flush();
    EXPECT_EQ(commands->Selector(), nullptr);  // closed and gone

    const ChartSession& st = window->State();
    ASSERT_TRUE(st.ComparacionEnPantalla().has_value());
    EXPECT_EQ(st.ComparacionEnPantalla()->tipo, TipoComparacion::Sinastria);

    // Independently: both charts read and computed here.
    NatalRecord ana, hiroshi;
    ASSERT_TRUE(ReadChartFile(folder.Path(), "Ana_Lucia_Ferreyra.dat", ana).ok);
    ASSERT_TRUE(ReadChartFile(folder.Path(), "Hiroshi_Tanaka.dat", hiroshi).ok);
    const Carta a = Directa(ana), b = Directa(hiroshi);
    const Sinastria cruce = CalcularSinastria(a.natal, b.natal);
    const std::vector<std::string> lista = ListarSinastria(a, b, cruce);

    // The aspects list beside the wheel and the comparison window hold it.
    QStringList esperadas;
    for (const std::string& l : lista) esperadas << QString::fromStdString(l);
    EXPECT_EQ(Items(window->Lista()), esperadas);
    FrmComparacion* ventana = commands->Ventana();
    ASSERT_TRUE(ventana->isVisible());
    EXPECT_EQ(ventana->windowTitle().toStdString(),
              "Sinastría de " + NombreCarta(a) + " y " + NombreCarta(b));
    EXPECT_EQ(Items(ventana->Listado()).mid(2), esperadas);

    // The grid: first person's points in rows, second's in columns, one cell per aspect.
    QTableWidget* grid = ventana->Rejilla();
    ASSERT_EQ(grid->rowCount(), static_cast<int>(cruce.puntosA.size()));
    ASSERT_EQ(grid->columnCount(), static_cast<int>(cruce.puntosB.size()));
    EXPECT_EQ(grid->verticalHeaderItem(0)->text(), "SOL");
    int llenas = 0;
    for (int i = 0; i < grid->rowCount(); ++i)
        for (int j = 0; j < grid->columnCount(); ++j) llenas += grid->item(i, j) != nullptr;
    EXPECT_EQ(llenas, static_cast<int>(cruce.aspectos.size()));
    for (const AspectoHallado& h : cruce.aspectos) {
        QTableWidgetItem* item = grid->item(h.a, h.b);
        ASSERT_NE(item, nullptr);
        EXPECT_EQ(item->text().toStdString(),
                  std::string(TablaAspectos[h.k].Nombre) + " " + TextoOrbe(h.orbe));
    }

    // The drawing in the view has both rings: the outer one's point glyphs and its header.
    int exteriores = 0;
    bool cabecera = false;
    for (const DrawOp& op : window->Surface().OpsOf(DrawOp::Kind::Text)) {
        exteriores +=
            op.face == "OrreryAstro" && op.color == kColorAnilloCarta && EsGlifoDePunto(op.text);
        cabecera = cabecera || op.text.rfind("Anillo exterior: " + NombreCarta(b), 0) == 0;
    }
    EXPECT_EQ(exteriores, static_cast<int>(b.natal.PlanetaNatal.size()) - 1);
    EXPECT_TRUE(cabecera);
    // "Ver solo natal" goes back to the natal wheel.
    ASSERT_TRUE(window->Action("mnuVerSoloNatal")->isEnabled());
    window->Action("mnuVerSoloNatal")->trigger();
    EXPECT_FALSE(st.ComparacionEnPantalla().has_value());
}

TEST_F(Comparar, ADavisonChartSavedAsAChartReadsBackEqual) {
    LoadAna();
    window->Action("mnuDavison")->trigger();
    ElegirCarta* picker = commands->Selector();
    ASSERT_NE(picker, nullptr);
    ASSERT_NE(picker->LugarMedioBox(), nullptr);
    picker->LugarMedioBox()->setCurrentIndex(1);  // mean latitude and longitude
    QTest::keyClicks(picker->Browser()->Filter(), "kiri");
    Flush();
    QTest::keyClick(picker->Browser()->Filter(), Qt::Key_Return);
    Flush();
    const ChartSession& st = window->State();
    ASSERT_TRUE(st.ComparacionEnPantalla().has_value());
    const std::optional<NatalRecord> davison = st.RegistroGuardable();
    ASSERT_TRUE(davison.has_value());
    NatalRecord ana, kiri;
    ASSERT_TRUE(ReadChartFile(folder.Path(), "Ana_Lucia_Ferreyra.dat", ana).ok);
    ASSERT_TRUE(ReadChartFile(folder.Path(), "Kiri_Te_Rangi.dat", kiri).ok);
    const Carta esperada = CalcularDavison(Directa(ana), Directa(kiri), LugarMedio::Medias, eph);
    EXPECT_EQ(davison->FechaNatalTexto, esperada.nacimiento->FechaNatalTexto);
    EXPECT_FLOAT_EQ(davison->LatitudeDeg, esperada.nacimiento->LatitudeDeg);

    // A name already taken is never replaced: the user is asked for another.
    const std::string anaBytes =
        Bytes(QString::fromStdString(folder.Path()) + "Ana_Lucia_Ferreyra.dat");
    dialogs.QueueInput("Ana_Lucia_Ferreyra");
    dialogs.QueueInput("Davison de prueba");
    emit window->Menu("TitleMnuComparar")->aboutToShow();
    ASSERT_TRUE(window->Action("mnuGuardarComoCarta")->isEnabled());
    window->Action("mnuGuardarComoCarta")->trigger();
    EXPECT_EQ(Bytes(QString::fromStdString(folder.Path()) + "Ana_Lucia_Ferreyra.dat"), anaBytes);
    bool refused = false;
    for (const AskedBox& b : dialogs.asked)
        refused = refused ||
                  b.prompt == "Ya existe el archivo «Ana_Lucia_Ferreyra.dat». Escriba otro nombre.";
    EXPECT_TRUE(refused);

    NatalRecord leida;
    ASSERT_TRUE(ReadChartFile(folder.Path(), "Davison de prueba.dat", leida).ok);
    EXPECT_EQ(leida.FechaNatalTexto, davison->FechaNatalTexto);
    EXPECT_NEAR(leida.NatalHour, davison->NatalHour, 1.0 / 3600);  // the file keeps seconds
    EXPECT_NEAR(leida.ZoneHours, davison->ZoneHours, 1e-6);
    EXPECT_NEAR(leida.LatitudeDeg, davison->LatitudeDeg, 1.0 / 60);  // and arc minutes
    EXPECT_NEAR(leida.LongitudeDeg, davison->LongitudeDeg, 1.0 / 60);
    EXPECT_TRUE(window->flistArchivos()->FileNames().contains("Davison de prueba.dat"));
    // The chart on display is still the first person's, and its file is untouched.
    EXPECT_EQ(st.flags.ChartFileName, "Ana_Lucia_Ferreyra.dat");
}

TEST_F(Comparar, TheReturnKeysMoveOneSolarYear) {
    LoadAna();
    window->Action("mnuRetornoSolarCarta")->trigger();
    LugarFecha* dlg = commands->DialogoLugar();
    ASSERT_NE(dlg, nullptr);
    ASSERT_NE(dlg->Fecha(), nullptr);
    EXPECT_EQ(dlg->Fecha()->text(), "1 7 2026");  // today by the clock
    EXPECT_TRUE(dlg->LugarNatal()->isChecked());
    dlg->Fecha()->setText("1 1 2030");
    dlg->Botones()->button(QDialogButtonBox::Ok)->click();
    Flush();
    const ChartSession& st = window->State();
    ASSERT_TRUE(st.ComparacionEnPantalla().has_value());
    ASSERT_EQ(st.ComparacionEnPantalla()->tipo, TipoComparacion::Retorno);
    const double primero = st.ComparacionEnPantalla()->jd;
    EXPECT_EQ(st.ComparacionEnPantalla()->carta.tipo, TipoCarta::RetornoSolar);

    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    QTest::keyClick(window.get(), Qt::Key_PageDown, Qt::ShiftModifier);
    const double siguiente = st.ComparacionEnPantalla()->jd;
    // A tropical year (365.2422 days) apart, within the Sun's uneven pace over a day.
    EXPECT_NEAR(siguiente - primero, 365.2422, 1.0);
    QTest::keyClick(window.get(), Qt::Key_PageUp, Qt::ShiftModifier);
    EXPECT_NEAR(st.ComparacionEnPantalla()->jd, primero, 1e-6);
    QTest::keyClick(window.get(), Qt::Key_PageUp, Qt::ShiftModifier);
    EXPECT_NEAR(primero - st.ComparacionEnPantalla()->jd, 365.2422, 1.0);
    EXPECT_TRUE(commands->Ventana()->isVisible());
    EXPECT_EQ(commands->Ventana()->windowTitle(), "Retorno solar de Ana Lucía Ferreyra");
}

TEST_F(Comparar, CancellingLosesNothing) {
    LoadAna();
    const QStringList lista = Items(window->Lista());
    const size_t ops = window->Surface().Ops().size();
    window->Action("mnuSinastria")->trigger();
    ASSERT_NE(commands->Selector(), nullptr);
    QTest::keyClick(commands->Selector()->Browser()->Filter(), Qt::Key_Escape);
    Flush();
    EXPECT_EQ(commands->Selector(), nullptr);
    window->Action("mnuRetornoLunarCarta")->trigger();
    ASSERT_NE(commands->DialogoLugar(), nullptr);
    commands->DialogoLugar()->Botones()->button(QDialogButtonBox::Cancel)->click();
    Flush();
    // Another place asked for but none chosen: told, and the dialog stays.
    window->Action("mnuAhora")->trigger();
    LugarFecha* dlg = commands->DialogoLugar();
    ASSERT_NE(dlg, nullptr);
    dlg->OtroLugar()->setChecked(true);
    dlg->Botones()->button(QDialogButtonBox::Ok)->click();
    Flush();
    ASSERT_FALSE(dialogs.asked.empty());
    EXPECT_EQ(dialogs.asked.back().prompt, "Escriba el nombre de un lugar y elíjalo en la lista.");
    EXPECT_EQ(commands->DialogoLugar(), dlg);
    dlg->reject();
    Flush();

    const ChartSession& st = window->State();
    EXPECT_FALSE(st.ComparacionEnPantalla().has_value());
    EXPECT_EQ(Items(window->Lista()), lista);
    EXPECT_EQ(window->Surface().Ops().size(), ops);
    EXPECT_EQ(st.Cartas().size(), 1u);
}

// The moment's chart at an atlas place: Madrid on 1 July 2026 at 14:00 local (12:00 UT).
TEST_F(Comparar, NowAtAnAtlasPlace) {
    window->Action("mnuAhora")->trigger();
    LugarFecha* dlg = commands->DialogoLugar();
    ASSERT_NE(dlg, nullptr);
    EXPECT_EQ(dlg->Fecha(), nullptr);
    EXPECT_FALSE(dlg->LugarNatal()->isEnabled());  // no chart on display
    QTest::keyClicks(dlg->Buscar(), "Madrid");
    Flush();
    ASSERT_GT(dlg->Lugares()->count(), 0);
    ASSERT_TRUE(dlg->Lugares()->item(0)->text().startsWith("Madrid"));
    dlg->Botones()->button(QDialogButtonBox::Ok)->click();
    Flush();
    const auto& c = window->State().ComparacionEnPantalla();
    ASSERT_TRUE(c.has_value());
    EXPECT_EQ(c->tipo, TipoComparacion::Ahora);
    ASSERT_TRUE(c->carta.nacimiento.has_value());
    EXPECT_EQ(c->carta.nacimiento->FechaNatalTexto, "1 7 2026");
    EXPECT_EQ(c->carta.nacimiento->TimeText.substr(0, 5), "14:00");
    EXPECT_EQ(commands->Ventana()->windowTitle(), "Ahora en Madrid");
}

// "Exportar…" as PDF gives the report of what is on display: the synastry's while it is shown
// (both people, the legend of the bi-wheel, the cross-aspect grid), the natal chart's again
// after "Ver solo natal".
TEST_F(Comparar, TheReportOfASynastryOnDisplayIsTheSynastrys) {
    if (!HayHerramienta("pdftotext")) GTEST_SKIP() << "poppler-utils no está instalado";
    LoadAna();
    Pick("mnuSinastria", "tanaka");
    ASSERT_TRUE(window->State().ComparacionEnPantalla().has_value());
    auto* exportar = window->findChild<ExportCommands*>("ExportCommands");
    ASSERT_NE(exportar, nullptr);
    const QString filtroPdf = ExportCommands::Filtros().front();
    ASSERT_TRUE(filtroPdf.contains("pdf"));
    auto texto = [&](const QString& nombre) {
        const QString pdf = QString::fromStdString(folder.Path()) + "/" + nombre;
        EXPECT_EQ(exportar->Exportar(pdf, filtroPdf), "");
        return QString::fromUtf8(Ejecutar("pdftotext", {pdf, "-"}).out).simplified();
    };
    NatalRecord ana, hiroshi;
    ASSERT_TRUE(ReadChartFile(folder.Path(), "Ana_Lucia_Ferreyra.dat", ana).ok);
    ASSERT_TRUE(ReadChartFile(folder.Path(), "Hiroshi_Tanaka.dat", hiroshi).ok);
    const std::string a = NombreCarta(Directa(ana)), b = NombreCarta(Directa(hiroshi));

    const QString sinastria = texto("sinastria.pdf");
    EXPECT_TRUE(sinastria.contains(QString::fromStdString("Sinastría de " + a + " y " + b)));
    EXPECT_TRUE(sinastria.contains(QString::fromStdString("Círculo interior: la carta de " + a)));
    EXPECT_TRUE(
        sinastria.contains(QString::fromStdString("Anillo exterior: los planetas de " + b)));
    EXPECT_TRUE(sinastria.contains("Rejilla de aspectos cruzados"));

    window->Action("mnuVerSoloNatal")->trigger();
    const QString natal = texto("natal.pdf");
    EXPECT_FALSE(natal.contains("Sinastría"));
    EXPECT_FALSE(natal.contains(QString::fromStdString(b)));
    EXPECT_TRUE(natal.contains("Posiciones"));
}

}  // namespace
}  // namespace natalis
