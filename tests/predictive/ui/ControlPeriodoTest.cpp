// The period window and the step frame driven offscreen through the main window: the hits
// of the command line listed and filtered, rejected input, a chosen hit drawn at its
// instant, and the transit or progression on display stepped by buttons and keys.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QGroupBox>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMouseEvent>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>
#include <cmath>

#include "../../app/FakeClock.h"
#include "../../ui/ChartFolder.h"
#include "../../ui/ExternalTools.h"
#include "../../ui/ScriptedDialogs.h"
#include "app/ui/ChartBrowser.h"
#include "app/ui/CuadroGral.h"
#include "astro/AngleMath.h"
#include "astro/Planets.h"
#include "astro/SwissEphemeris.h"
#include "chart/Aspects.h"
#include "predictive/ListarProgresion.h"
#include "predictive/ui/ControlCalendario.h"
#include "predictive/ui/ControlPeriodo.h"
#include "predictive/ui/ControlPredictivo.h"
#include "predictive/ui/FrmCalendario.h"
#include "predictive/ui/FrmMapaTiempo.h"
#include "predictive/ui/FrmPeriodo.h"

namespace natalis {
namespace {

const char* kCarta = "Ana_Lucia_Ferreyra.dat";

std::string Leer(const std::string& ruta) {
    QFile f(QString::fromStdString(ruta));
    f.open(QIODevice::ReadOnly);
    return f.readAll().toStdString();
}

// The lines `natalis --periodo` prints for the chart file and the period.
std::vector<std::string> LineasDelComando(const std::string& archivo, const ConsultaPeriodo& c) {
    const Salida s = Ejecutar(
        QStringLiteral(NATALIS_BINARY_DIR "/natalis"),
        {"--periodo", QString::fromStdString(archivo), "--desde", QString::fromStdString(c.desde),
         "--hasta", QString::fromStdString(c.hasta), "--orbe", QString::fromStdString(c.orbe),
         "--tecnica", QString::fromStdString(c.tecnica)});
    EXPECT_EQ(s.code, 0);
    std::vector<std::string> lineas;
    for (const QString& l : QString::fromUtf8(s.out).split('\n', Qt::SkipEmptyParts)) {
        lineas.push_back(l.toStdString());
    }
    return lineas;
}

// The table's rows, their cells joined by tabs as the command line writes a hit.
std::vector<std::string> Filas(const QTableWidget* t) {
    std::vector<std::string> filas;
    for (int r = 0; r < t->rowCount(); ++r) {
        std::string linea;
        for (int c = 0; c < t->columnCount(); ++c) {
            linea += (c ? "\t" : "") + t->item(r, c)->text().toStdString();
        }
        filas.push_back(linea);
    }
    return filas;
}

void Elegir(QComboBox* c, const QString& texto) {
    const int i = c->findText(texto);
    ASSERT_GE(i, 0) << texto.toStdString();
    c->setCurrentIndex(i);
}

class Periodo : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(folder.dir.isValid());
        folder.Write(kCarta, Leer(std::string(NATALIS_SOURCE_DIR) + "/charts/" + kCarta));
        clock.now = {2024, 3, 5, 14, 5, 0};
        clock.zone = Zone(180);
        w = std::make_unique<CuadroGral>(dialogs, clock, eph, folder.Path());
        w->FormLoad();
        w->flistArchivos()->setCurrentRow(0);
        w->flistArchivos_Click();
        ASSERT_TRUE(w->State().flags.ChartLoaded);
        c = w->findChild<ControlPeriodo*>("ControlPeriodo");
        ASSERT_NE(c, nullptr);
        dialogs.asked.clear();
    }

    FrmPeriodo* Buscar(const ConsultaPeriodo& q) {
        w->Action("mnuPeriodo")->trigger();
        FrmPeriodo* f = c->Ventana();
        EXPECT_NE(f, nullptr);
        f->txtDesde()->setText(QString::fromStdString(q.desde));
        f->txtHasta()->setText(QString::fromStdString(q.hasta));
        f->txtOrbe()->setText(QString::fromStdString(q.orbe));
        f->cboTecnica()->setCurrentText(QString::fromStdString(q.tecnica));
        f->btnBuscar()->click();
        return f;
    }

    // Double-clicks a row of the period table.
    void DobleClic(FrmPeriodo* f, int fila) {
        QTableWidget* t = f->Tabla();
        QApplication::processEvents();
        const QRect celda = t->visualRect(t->model()->index(fila, 1));
        ASSERT_FALSE(celda.isEmpty());
        const QPoint p = celda.center();
        // A double click as the window system delivers it: a click, then the second press
        // as a double click, then its release.
        QTest::mouseClick(t->viewport(), Qt::LeftButton, Qt::NoModifier, p);
        QTest::mouseDClick(t->viewport(), Qt::LeftButton, Qt::NoModifier, p);
        QTest::mouseRelease(t->viewport(), Qt::LeftButton, Qt::NoModifier, p);
    }

    std::string Ruta() const { return folder.Path() + kCarta; }
    std::string Fecha() const { return c->lblFechaPaso()->text().toStdString(); }

    ChartFolder folder;
    ScriptedDialogs dialogs;
    FakeClock clock;
    SwissEphemeris eph;
    std::unique_ptr<CuadroGral> w;
    ControlPeriodo* c = nullptr;
};

// The window opens centred over the main window, says that its times are universal time, and
// Escape closes it; opened again it keeps where the user left it.
TEST_F(Periodo, WindowOpensOverTheMainWindowAndEscapeClosesIt) {
    w->move(40, 30);
    w->resize(900, 640);
    w->Action("mnuPeriodo")->trigger();
    FrmPeriodo* f = c->Ventana();
    ASSERT_NE(f, nullptr);
    QApplication::processEvents();
    EXPECT_TRUE(f->isVisible());
    EXPECT_TRUE(w->frameGeometry().contains(f->frameGeometry().center()));
    EXPECT_LE((f->frameGeometry().center() - w->frameGeometry().center()).manhattanLength(), 4);
    EXPECT_EQ(f->lblUT()->text().toStdString(),
              "Las fechas y horas de Entrada, Exacto y Salida son de tiempo universal (UT).");
    EXPECT_TRUE(f->lblUT()->isVisible());

    f->txtDesde()->setFocus();
    QTest::keyClick(f->txtDesde(), Qt::Key_Escape);
    EXPECT_FALSE(f->isVisible());

    f->move(f->pos() + QPoint(25, 15));
    const QPoint moved = f->pos();
    w->Action("mnuPeriodo")->trigger();
    EXPECT_TRUE(f->isVisible());
    EXPECT_EQ(f->pos(), moved);
    QTest::keyClick(f->Tabla(), Qt::Key_Escape);
    EXPECT_FALSE(f->isVisible());
}

TEST_F(Periodo, MenuEntryFollowsTheReturnsAndOpensTheWindow) {
    QMenu* transitos = w->Menu("TitleMnuTransitos");
    ASSERT_NE(transitos, nullptr);
    const QList<QAction*> entradas = transitos->actions();
    // The returns, the period search, then the calendar of the sky and the time map.
    ASSERT_GE(entradas.size(), 4);
    EXPECT_EQ(entradas[entradas.size() - 4]->text(), "Retorno lunar");
    EXPECT_EQ(entradas[entradas.size() - 3]->text(), "Aspectos del período…");
    EXPECT_EQ(entradas[entradas.size() - 2], w->Action("mnuCalendario"));
    EXPECT_EQ(entradas[entradas.size() - 2]->text(), "Calendario del cielo…");
    EXPECT_EQ(entradas.back(), w->Action("mnuMapaTiempo"));
    EXPECT_EQ(entradas.back()->text(), "Mapa del tiempo…");
    EXPECT_TRUE(w->Action("TitleMnuTransitos")->isEnabled());
    w->Action("mnuPeriodo")->trigger();
    FrmPeriodo* f = c->Ventana();
    ASSERT_NE(f, nullptr);
    EXPECT_TRUE(f->isVisible());
    EXPECT_EQ(f->txtDesde()->text(), "5 3 2024");  // today, and a year on
    EXPECT_EQ(f->txtHasta()->text(), "5 3 2025");
    EXPECT_EQ(f->txtOrbe()->text(), "1");
    EXPECT_EQ(f->cboTecnica()->currentText(), "Transitos");
    EXPECT_EQ(f->cboTecnica()->count(), 3);
    EXPECT_EQ(f->cboTecnica()->itemText(2), "Arco Solar");
    QStringList encabezados;
    for (int i = 0; i < f->Tabla()->columnCount(); ++i) {
        encabezados << f->Tabla()->horizontalHeaderItem(i)->text();
    }
    EXPECT_EQ(encabezados.join(","), "Móvil,Aspecto,Natal,Entrada,Exacto,Salida");
    EXPECT_EQ(f->cboMovil()->currentText(), "Todos");
    EXPECT_EQ(f->cboAspecto()->currentText(), "Todos");
    EXPECT_EQ(f->cboNatal()->currentText(), "Todos");
}

// The calendar's and the time map's entries open their windows over the main window.
TEST_F(Periodo, CalendarAndTimeMapEntriesOpenTheirWindows) {
    ControlCalendario* cal = c->Calendario();
    ASSERT_NE(cal, nullptr);
    EXPECT_EQ(w->findChild<ControlCalendario*>("ControlCalendario"), cal);
    EXPECT_EQ(cal->VentanaCalendario(), nullptr);
    w->Action("mnuCalendario")->trigger();
    ASSERT_NE(cal->VentanaCalendario(), nullptr);
    EXPECT_TRUE(cal->VentanaCalendario()->isVisible());
    EXPECT_EQ(cal->VentanaCalendario()->parentWidget(), w.get());
    EXPECT_EQ(cal->VentanaMapa(), nullptr);
    w->Action("mnuMapaTiempo")->trigger();
    ASSERT_NE(cal->VentanaMapa(), nullptr);
    EXPECT_TRUE(cal->VentanaMapa()->isVisible());
    EXPECT_EQ(cal->VentanaMapa()->parentWidget(), w.get());
    EXPECT_TRUE(dialogs.asked.empty());
}

TEST_F(Periodo, ListsTheSameHitsAsTheCommandLine) {
    const ConsultaPeriodo casos[] = {
        {"1 1 2024", "30 6 2024", "1", "Transitos"},
        {"1 1 2024", "31 12 2024", "1.5", "Transitos"},
        {"1 1 2020", "31 12 2034", "1", "Secundaria"},
        {"1 1 2020", "31 12 2034", "1", "Arco Solar"},
    };
    for (const ConsultaPeriodo& q : casos) {
        FrmPeriodo* f = Buscar(q);
        ASSERT_TRUE(dialogs.asked.empty());
        const std::vector<std::string> esperadas = LineasDelComando(Ruta(), q);
        ASSERT_FALSE(esperadas.empty()) << q.tecnica;
        EXPECT_EQ(Filas(f->Tabla()), esperadas) << q.tecnica << " " << q.orbe;
        EXPECT_EQ(f->lblCuenta()->text().toStdString(), std::to_string(esperadas.size()) + " de " +
                                                            std::to_string(esperadas.size()) +
                                                            " aspectos");
    }
    // The solar arc's moving points are the sixteen listed points.
    EXPECT_EQ(c->Ventana()->cboMovil()->count(), 17);
}

TEST_F(Periodo, FiltersNarrowTheListAndTodosRestoresIt) {
    const ConsultaPeriodo q{"1 1 2024", "31 12 2024", "1", "Transitos"};
    FrmPeriodo* f = Buscar(q);
    const std::vector<std::string> todas = LineasDelComando(Ruta(), q);
    ASSERT_EQ(Filas(f->Tabla()), todas);
    // Each filter, and then all three together, keep exactly the command line's lines with
    // those fields.
    struct Caso {
        const char *movil, *aspecto, *natal;
    };
    const Caso casos[] = {{"MAR", "Todos", "Todos"},
                          {"Todos", "Cuad", "Todos"},
                          {"Todos", "Todos", "ASC"},
                          {"SOL", "Conj", "Todos"},
                          {"LUN", "Trig", "SOL"}};
    for (const Caso& k : casos) {
        Elegir(f->cboMovil(), k.movil);
        Elegir(f->cboAspecto(), k.aspecto);
        Elegir(f->cboNatal(), k.natal);
        std::vector<std::string> quedan;
        for (const std::string& l : todas) {
            const QStringList campos = QString::fromStdString(l).split('\t');
            auto pasa = [](const char* filtro, const QString& campo) {
                return std::string(filtro) == "Todos" || campo == filtro;
            };
            if (pasa(k.movil, campos[0]) && pasa(k.aspecto, campos[1]) &&
                pasa(k.natal, campos[2])) {
                quedan.push_back(l);
            }
        }
        EXPECT_EQ(Filas(f->Tabla()), quedan) << k.movil << " " << k.aspecto << " " << k.natal;
        EXPECT_LT(quedan.size(), todas.size());
    }
    ASSERT_FALSE(Filas(f->Tabla()).empty());  // the Moon trines the natal Sun in a year
    Elegir(f->cboMovil(), "Todos");
    Elegir(f->cboAspecto(), "Todos");
    Elegir(f->cboNatal(), "Todos");
    EXPECT_EQ(Filas(f->Tabla()), todas);
}

TEST_F(Periodo, RejectedInputGivesTheCoresMessageAndKeepsTheList) {
    FrmPeriodo* f = Buscar({"1 1 2024", "31 1 2024", "1", "Transitos"});
    const std::vector<std::string> antes = Filas(f->Tabla());
    ASSERT_FALSE(antes.empty());
    const ConsultaPeriodo malas[] = {
        {"1 13 2024", "31 3 2024", "1", "Transitos"},
        {"1 3 2024", "1 2 2024", "1", "Transitos"},
        {"1 1 2024", "31 1 2024", "0", "Transitos"},
        {"1 1 2024", "31 1 2024", "diez", "Transitos"},
    };
    for (const ConsultaPeriodo& q : malas) {
        dialogs.asked.clear();
        Buscar(q);
        const PeriodoRevisado r = RevisarConsultaPeriodo(q);
        ASSERT_FALSE(r.pedido);
        ASSERT_EQ(dialogs.asked.size(), 1u) << q.desde << " " << q.orbe;
        EXPECT_EQ(dialogs.asked[0].prompt, r.mensaje);
        EXPECT_EQ(dialogs.asked[0].title, r.titulo);
        EXPECT_EQ(dialogs.asked[0].icon, MsgIcon::Exclamation);
        EXPECT_EQ(Filas(f->Tabla()), antes);
    }
}

TEST_F(Periodo, ChoosingATransitHitDrawsTheSkyOfItsExactInstant) {
    FrmPeriodo* f = Buscar({"1 1 2024", "30 6 2024", "1", "Transitos"});
    ASSERT_GT(f->Tabla()->rowCount(), 5);
    ChartSession& st = w->State();
    SwissEphemeris otra;
    for (int fila : {0, 5}) {
        const AspectoPeriodo hit = *f->AspectoDeFila(fila);
        if (fila == 0) {
            DobleClic(f, fila);
        } else {
            f->Tabla()->setCurrentCell(fila, 0);
            QTest::keyClick(f->Tabla(), Qt::Key_Return);
        }
        ASSERT_TRUE(dialogs.asked.empty());
        ASSERT_TRUE(st.JdTransito()) << fila;
        EXPECT_DOUBLE_EQ(*st.JdTransito(), hit.jdExacto);
        // The session's transiting bodies are the ephemeris's at the exact instant ...
        PlanetTable cielo = st.tables.Planet;
        Planets(hit.jdExacto, otra, cielo);
        for (int i = 1; i <= 10; ++i) EXPECT_EQ(st.tables.Planet[i].Lon, cielo[i].Lon) << i;
        // ... and the moving body there makes the aspect with the natal point, to the minute.
        const double sep = std::fabs(Reducir180(st.tables.Planet[hit.movil].Lon -
                                                PuntoNatalListado(st.tables.natal, hit.natal).Lon));
        EXPECT_NEAR(sep, TablaAspectos[hit.aspecto].Angulo, 0.02) << fila;
        // The listing shows the transits block, selected, and the step frame its instant.
        const int actual = w->Lista()->currentRow();
        ASSERT_GE(actual, 0);
        EXPECT_EQ(w->Lista()->item(actual)->text(), "  TRANSITOS");
        EXPECT_TRUE(c->fPasos()->isVisible());
        EXPECT_EQ(Fecha(), st.FechaEnPantalla());
        EXPECT_EQ(Fecha().rfind("Tránsito ", 0), 0u);
        EXPECT_TRUE(w->Action("mnuVerSoloNatal")->isEnabled());
    }
}

TEST_F(Periodo, ChoosingAProgressedHitDrawsTheProgressionOfItsDate) {
    struct Caso {
        const char* tecnica;
        TipoTecnica tipo;
        int menu;
    };
    for (const Caso k : {Caso{"Secundaria", TipoTecnica::Secundaria, 43},
                         Caso{"Arco Solar", TipoTecnica::ArcoSolar, 41}}) {
        FrmPeriodo* f = Buscar({"1 1 2020", "31 12 2030", "1", k.tecnica});
        ASSERT_GT(f->Tabla()->rowCount(), 0) << k.tecnica;
        const AspectoPeriodo hit = *f->AspectoDeFila(0);
        DobleClic(f, 0);
        ASSERT_TRUE(dialogs.asked.empty());
        ChartSession& st = w->State();
        EXPECT_TRUE(st.pred.HayProgresion);
        EXPECT_FALSE(st.JdTransito());
        EXPECT_EQ(st.pred.Tecnica, k.tipo);
        const FechaCivil fecha = FechaEnZona(hit.jdExacto, st.DatosNatales.ZoneHours);
        EXPECT_EQ(st.pred.FechaProgTexto, std::to_string(fecha.dia) + " " +
                                              std::to_string(fecha.mes) + " " +
                                              std::to_string(fecha.anio));
        EXPECT_TRUE(w->mnuProg(k.menu)->isChecked());
        EXPECT_EQ(w->Lista()->item(0)->text(), "PROGRESION");
        EXPECT_EQ(Fecha(), "Progresión " + st.pred.FechaProgTexto);
    }
}

TEST_F(Periodo, StepButtonsMoveTheTransitAndComeBack) {
    EXPECT_FALSE(c->fPasos()->isVisible());  // nothing to step on the natal chart
    FrmPeriodo* f = Buscar({"1 1 2024", "31 1 2024", "1", "Transitos"});
    DobleClic(f, 0);
    ChartSession& st = w->State();
    ASSERT_TRUE(st.JdTransito());
    const double inicio = *st.JdTransito();
    const std::string fechaInicio = Fecha();
    const QStringList captions = {"−1 año", "−1 mes", "−1 día", "+1 día", "+1 mes", "+1 año"};
    for (int i = 0; i < 6; ++i) EXPECT_EQ(c->btnPaso(i)->text(), captions[i]);
    SwissEphemeris otra;
    // Forward by a day, a month and a year, then back the same way.
    int orden[] = {3, 4, 5, 0, 1, 2};
    std::vector<std::string> vistas = {fechaInicio};
    for (int i : orden) {
        c->btnPaso(i)->click();
        ASSERT_TRUE(dialogs.asked.empty());
        vistas.push_back(Fecha());
        PlanetTable cielo = st.tables.Planet;
        Planets(*st.JdTransito(), otra, cielo);
        for (int b = 1; b <= 10; ++b) EXPECT_EQ(st.tables.Planet[b].Lon, cielo[b].Lon);
        EXPECT_EQ(std::count_if(st.Lista.begin(), st.Lista.end(),
                                [](const std::string& l) { return l == "  TRANSITOS"; }),
                  1);
    }
    EXPECT_NEAR(*st.JdTransito(), inicio, 1e-8);
    EXPECT_EQ(vistas.back(), fechaInicio);
    // Every step showed a date of its own until the way back.
    for (size_t i = 1; i < 4; ++i) EXPECT_NE(vistas[i], vistas[i - 1]);
    // The time of day stays; one day, one month, one year later.
    const FechaCivil d0 = FechaEnZona(inicio, st.DatosNatales.ZoneHours);
    const FechaCivil d3 =
        DesplazarFecha(DesplazarFecha(DesplazarFecha(d0, UnidadPaso::Dia, 1), UnidadPaso::Mes, 1),
                       UnidadPaso::Anio, 1);
    EXPECT_EQ(vistas[3], "Tránsito " + std::to_string(d3.dia) + " " + std::to_string(d3.mes) + " " +
                             std::to_string(d3.anio) + fechaInicio.substr(fechaInicio.rfind(' ')));
    // "Ver solo natal" leaves nothing to step.
    w->Action("mnuVerSoloNatal")->trigger();
    EXPECT_FALSE(c->fPasos()->isVisible());
}

TEST_F(Periodo, KeysStepAProgressionFromTheWindows) {
    auto* p = w->findChild<ControlPredictivo*>("ControlPredictivo");
    ASSERT_NE(p, nullptr);
    p->mnuProg_Click(41);
    w->txtFecha()->setText("31 1 2000");
    p->btnOK_Click(0);
    ASSERT_TRUE(w->State().pred.HayProgresion);
    EXPECT_TRUE(c->fPasos()->isVisible());
    EXPECT_EQ(Fecha(), "Progresión 31 1 2000");
    // The user comes back to the main window (the natal listing the drawing opened closes),
    // once the listing's own activation has been delivered.
    QApplication::processEvents();
    QApplication::setActiveWindow(w.get());
    QApplication::processEvents();
    ASSERT_EQ(QApplication::activeWindow(), w.get());
    QWidget* lista = w->Lista();
    struct Caso {
        QKeyCombination tecla;
        const char* fecha;
    };
    const Caso casos[] = {
        {Qt::CTRL | Qt::Key_Up, "Progresión 29 2 2000"},  // the month's last day
        {Qt::CTRL | Qt::Key_Right, "Progresión 1 3 2000"},
        {Qt::CTRL | Qt::Key_PageUp, "Progresión 1 3 2001"},
        {Qt::CTRL | Qt::Key_PageDown, "Progresión 1 3 2000"},
        {Qt::CTRL | Qt::Key_Left, "Progresión 29 2 2000"},
        {Qt::CTRL | Qt::Key_Down, "Progresión 29 1 2000"},
    };
    for (const Caso& k : casos) {
        QTest::keyClick(lista, k.tecla.key(), k.tecla.keyboardModifiers());
        EXPECT_EQ(Fecha(), k.fecha);
        EXPECT_EQ(w->State().Lista[0], "PROGRESION");
    }
    // The keys step from the period window too.
    w->Action("mnuPeriodo")->trigger();
    QApplication::processEvents();
    QApplication::setActiveWindow(c->Ventana());
    QApplication::processEvents();
    ASSERT_EQ(QApplication::activeWindow(), c->Ventana());
    QTest::keyClick(c->Ventana()->Tabla(), Qt::Key_PageUp, Qt::ControlModifier);
    EXPECT_EQ(Fecha(), "Progresión 29 1 2001");
    EXPECT_TRUE(dialogs.asked.empty());
    // The keys are the step actions', shown on the buttons.
    EXPECT_EQ(c->AccionPaso(3)->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_Right));
    EXPECT_FALSE(c->btnPaso(3)->toolTip().isEmpty());
}

}  // namespace
}  // namespace natalis
