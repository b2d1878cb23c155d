// The time map's window driven offscreen on a fake port: its pages hold one labelled row per
// moving point, aspect and natal point of `natalis --periodo`'s lines (the Moon only when
// asked), the page scrolls, a click on a bar draws that moment through the port by the
// map's technique, and "Exportar…" writes the file `natalis --mapa-tiempo` writes.
#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>
#include <cmath>
#include <set>

#include "app/cli/Headless.h"
#include "app/ui/HeadlessMapa.h"
#include "astro/Calendar.h"
#include "astro/SwissEphemeris.h"
#include "predictive/ui/ControlCalendario.h"
#include "predictive/ui/ControlPeriodo.h"
#include "predictive/ui/FrmMapaTiempo.h"
#include "predictive/ui/FrmPeriodo.h"
#include "tests/app/cli/HeadlessRun.h"
#include "tests/predictive/ui/PuertoFalso.h"
#include "tests/ui/ExternalTools.h"

namespace natalis {
namespace {

const std::string kCharts = std::string(NATALIS_SOURCE_DIR) + "/charts/";
const std::string kCarta = "Ana_Lucia_Ferreyra.dat";

// The distinct rows ("PLU Cuad SOL") of `natalis --periodo`'s lines, the Moon's only when
// conLuna; the directed Moon of the solar arc moves as slowly as every other directed point
// and keeps its rows.
std::set<std::string> FilasDelComando(const std::string& desde, const std::string& hasta,
                                      const std::string& tecnica, bool conLuna) {
    const Outcome o =
        Invoke(HeadlessPeriodo, {"--periodo", kCharts + kCarta, "--desde", desde, "--hasta", hasta,
                                 "--orbe", "1", "--tecnica", tecnica});
    EXPECT_EQ(o.code, 0) << o.err;
    std::set<std::string> filas;
    for (const std::string& l : Lines(o.out)) {
        const QStringList c = QString::fromStdString(l).split('\t');
        if (c[0] == "LUN" && !conLuna && tecnica != "Arco Solar") continue;
        filas.insert((c[0] + " " + c[1] + " " + c[2]).toStdString());
    }
    return filas;
}

// The rows' labels as drawn on the window's pages, in page order.
std::vector<std::string> EtiquetasDibujadas(const FrmMapaTiempo* f) {
    std::vector<std::string> etiquetas;
    for (const RecordingSurface& s : f->Paginas()) {
        for (const DrawOp& op : s.OpsOf(DrawOp::Kind::Text)) {
            if (op.x1 == 1 && op.y1 > kMapaY0) etiquetas.push_back(op.text);
        }
    }
    return etiquetas;
}

struct Mapa : ::testing::Test {
    SwissEphemeris eph;
    PuertoFalso w{eph};
    ControlPeriodo* periodo = nullptr;
    ControlCalendario* c = nullptr;
    QTemporaryDir dir;

    void SetUp() override {
        ChartSession& s = w.Sesion();
        ASSERT_TRUE(s.Load(kCharts, kCarta).ok);
        ASSERT_FALSE(s.MostrarNatal(&w.Superficie()).has_value());
        periodo = new ControlPeriodo(w);
        c = periodo->Calendario();
        ASSERT_NE(c, nullptr);
        ASSERT_TRUE(dir.isValid());
    }

    FrmMapaTiempo* Dibujar(const QString& desde, const QString& hasta, const QString& tecnica,
                           bool conLuna = false) {
        w.Comando("mnuMapaTiempo")->trigger();
        FrmMapaTiempo* f = c->VentanaMapa();
        EXPECT_NE(f, nullptr);
        f->txtDesde()->setText(desde);
        f->txtHasta()->setText(hasta);
        f->txtOrbe()->setText("1");
        f->cboTecnica()->setCurrentText(tecnica);
        f->chkLuna()->setChecked(conLuna);
        f->btnDibujar()->click();
        return f;
    }

    // Clicks the canvas at (x, y) units of a page.
    void Clic(FrmMapaTiempo* f, int pagina, double x, double y) {
        const QPointF p = f->Lienzo()->PixelDe(pagina, x, y);
        f->Area()->ensureVisible(static_cast<int>(p.x()), static_cast<int>(p.y()));
        QTest::mouseClick(f->Lienzo(), Qt::LeftButton, Qt::NoModifier, p.toPoint());
    }

    std::string Ruta(const char* nombre) const { return (dir.path() + "/" + nombre).toStdString(); }
};

TEST_F(Mapa, OpensWithTheSearchsDefaultsAndTheMoonOff) {
    w.Comando("mnuMapaTiempo")->trigger();
    FrmMapaTiempo* f = c->VentanaMapa();
    ASSERT_NE(f, nullptr);
    EXPECT_TRUE(f->isVisible());
    EXPECT_EQ(f->windowTitle(), "Mapa del tiempo");
    EXPECT_EQ(f->txtDesde()->text(), "5 3 2024");  // the fake clock's day, and a year on
    EXPECT_EQ(f->txtHasta()->text(), "5 3 2025");
    EXPECT_EQ(f->txtOrbe()->text(), "1");
    EXPECT_EQ(f->cboTecnica()->currentText(), "Transitos");
    ASSERT_EQ(f->cboTecnica()->count(), 3);
    EXPECT_EQ(f->cboTecnica()->itemText(2), "Arco Solar");
    EXPECT_FALSE(f->chkLuna()->isChecked());
    EXPECT_FALSE(f->btnExportar()->isEnabled());  // nothing drawn yet
    EXPECT_TRUE(f->Paginas().empty());
}

// One labelled row per distinct line of the command, in the session's order, on pages that
// scroll; with the Moon its rows too.
TEST_F(Mapa, RowsAreTheCommandsRowsOnScrollingPages) {
    struct Caso {
        const char *desde, *hasta, *tecnica;
        bool conLuna;
    };
    const Caso casos[] = {
        {"1 1 2026", "31 12 2026", "Transitos", false},
        {"1 1 2024", "31 3 2024", "Transitos", true},
        {"1 1 2020", "31 12 2034", "Secundaria", false},
        {"1 1 2020", "31 12 2034", "Arco Solar", false},
    };
    for (const Caso& k : casos) {
        FrmMapaTiempo* f = Dibujar(k.desde, k.hasta, k.tecnica, k.conLuna);
        ASSERT_TRUE(w.dialogos.asked.empty());
        const std::set<std::string> esperadas =
            FilasDelComando(k.desde, k.hasta, k.tecnica, k.conLuna);
        ASSERT_FALSE(esperadas.empty());
        const std::vector<std::string> dibujadas = EtiquetasDibujadas(f);
        EXPECT_EQ(std::set<std::string>(dibujadas.begin(), dibujadas.end()), esperadas)
            << k.tecnica;
        EXPECT_EQ(dibujadas.size(), esperadas.size());
        // In the map's order: the session's rows.
        std::vector<std::string> sesion;
        for (const FilaMapa& fila : f->Mapa().filas) sesion.push_back(EtiquetaFilaMapa(fila));
        EXPECT_EQ(dibujadas, sesion);
        EXPECT_EQ(static_cast<int>(f->Paginas().size()), PaginasMapa(f->Mapa()));
        EXPECT_EQ(f->lblCuenta()->text().toStdString(),
                  std::to_string(esperadas.size()) + " filas en " +
                      std::to_string(f->Paginas().size()) + " páginas");
        EXPECT_EQ(f->Lienzo()->height(), LienzoMapa::kAlto * static_cast<int>(f->Paginas().size()));
        bool luna = false;
        for (const std::string& e : dibujadas) luna = luna || e.rfind("LUN ", 0) == 0;
        EXPECT_EQ(luna, k.conLuna || std::string(k.tecnica) == "Arco Solar") << k.tecnica;
    }
    // A year's rows fill several pages: the area scrolls down to the last.
    FrmMapaTiempo* f = Dibujar("1 1 2026", "31 12 2026", "Transitos");
    ASSERT_GT(f->Paginas().size(), 1u);
    f->resize(1000, 700);
    QApplication::processEvents();
    EXPECT_GT(f->Area()->verticalScrollBar()->maximum(), 0);
}

// The line for today stands at the fake clock's instant when it lies in the period.
TEST_F(Mapa, TodaysLineAtTheClocksInstant) {
    FrmMapaTiempo* f = Dibujar("1 1 2024", "31 12 2024", "Transitos");
    const double hoy = JdAhora(w.reloj);
    ASSERT_GT(hoy, f->Mapa().pedido.jdDesde);
    int lineas = 0;
    for (const DrawOp& op : f->Paginas()[0].OpsOf(DrawOp::Kind::Line)) {
        if (op.color != 0xFF0000) continue;
        ++lineas;
        EXPECT_DOUBLE_EQ(op.x1, XDeJd(f->Mapa(), hoy));
    }
    EXPECT_EQ(lineas, 1);
    f = Dibujar("1 1 2026", "31 12 2026", "Transitos");
    for (const DrawOp& op : f->Paginas()[0].OpsOf(DrawOp::Kind::Line)) {
        EXPECT_NE(op.color, 0xFF0000u);
    }
}

// A click on a bar's exact tick draws the transit at that instant (within the pixel's
// width of time); a click beside the bars draws nothing.
TEST_F(Mapa, ClickOnABarDrawsThatMomentThroughThePort) {
    FrmMapaTiempo* f = Dibujar("1 1 2026", "31 12 2026", "Transitos");
    const MapaTiempo& m = f->Mapa();
    ASSERT_GT(m.filas.size(), 30u);
    const int fila = 30;  // on the second page
    const double exacto = m.filas[fila].pasos.front().exactos.front();
    const int pagina = fila / kFilasPorPagina;
    ASSERT_EQ(pagina, 1);
    const double diasPorPixel =
        (m.pedido.jdHasta - m.pedido.jdDesde) /
        (f->Lienzo()->PixelDe(0, kMapaX1, 0).x() - f->Lienzo()->PixelDe(0, kMapaX0, 0).x());

    Clic(f, pagina, XDeJd(m, exacto), YDeFila(fila % kFilasPorPagina));
    ASSERT_TRUE(w.Sesion().JdTransito.has_value());
    EXPECT_NEAR(*w.Sesion().JdTransito, exacto, diasPorPixel);
    EXPECT_EQ(w.redibujados, 1);
    ASSERT_EQ(w.listas.size(), 1u);
    EXPECT_EQ(w.ListaAspectos()->item(w.listas[0])->text(), "  TRANSITOS");

    // The label column holds no bar.
    Clic(f, pagina, 5, YDeFila(fila % kFilasPorPagina));
    EXPECT_EQ(w.redibujados, 1);
}

// By a progressing technique the click draws the progression to the clicked date.
TEST_F(Mapa, ClickOnAProgressionsBarDrawsTheProgression) {
    FrmMapaTiempo* f = Dibujar("1 1 2020", "31 12 2034", "Secundaria");
    const MapaTiempo& m = f->Mapa();
    ASSERT_FALSE(m.filas.empty());
    const double exacto = m.filas[0].pasos.front().exactos.front();
    // The period window searched since by another technique: the map keeps its own.
    w.Sesion().AspectosDelPeriodo(
        *RevisarConsultaPeriodo({"1 1 2024", "31 1 2024", "1", "Transitos"}).pedido);
    Clic(f, 0, XDeJd(m, exacto), YDeFila(0));
    EXPECT_TRUE(w.Sesion().pred.HayProgresion);
    EXPECT_EQ(w.Sesion().pred.Tecnica, TipoTecnica::Secundaria);
    EXPECT_FALSE(w.Sesion().JdTransito.has_value());
    EXPECT_EQ(w.redibujados, 1);
    EXPECT_TRUE(w.ComandoIndice(43)->isChecked());
    // The progression's date is the clicked day (a pixel is about a week of 15 years).
    int d = 0, mes = 0, a = 0;
    ASSERT_EQ(std::sscanf(w.Sesion().pred.FechaProgTexto.c_str(), "%d %d %d", &d, &mes, &a), 3);
    EXPECT_NEAR(JulDay(d, mes, a), exacto, 8);
}

// The map's search does not change how the period window draws its own hits: a transit hit
// chosen there after a map of secondary progressions is still drawn as a transit.
TEST_F(Mapa, PeriodWindowKeepsItsTechniqueAfterAMap) {
    periodo->mnuPeriodo_Click();
    FrmPeriodo* p = periodo->Ventana();
    p->txtDesde()->setText("1 1 2024");
    p->txtHasta()->setText("31 3 2024");
    p->btnBuscar()->click();
    ASSERT_FALSE(p->Aspectos().empty());
    Dibujar("1 1 2020", "31 12 2034", "Secundaria");
    ASSERT_EQ(w.Sesion().Periodo.tecnica, TecnicaPeriodo::Secundaria);
    const AspectoPeriodo hit = p->Aspectos().front();
    periodo->Elegir(hit);
    ASSERT_TRUE(w.Sesion().JdTransito.has_value());
    EXPECT_DOUBLE_EQ(*w.Sesion().JdTransito, hit.jdExacto);
    EXPECT_FALSE(w.Sesion().pred.HayProgresion);
    EXPECT_EQ(w.Sesion().Periodo.tecnica, TecnicaPeriodo::Secundaria);  // left as it was
}

// A refused search: the core's message, and the map drawn before stays.
TEST_F(Mapa, RefusedInputGivesTheCoresMessageAndKeepsTheMap) {
    FrmMapaTiempo* f = Dibujar("1 1 2024", "31 3 2024", "Transitos");
    const std::vector<std::string> antes = EtiquetasDibujadas(f);
    ASSERT_FALSE(antes.empty());
    const ConsultaPeriodo malas[] = {
        {"1 13 2024", "31 3 2024", "1", "Transitos"},
        {"1 3 2024", "1 1 2024", "1", "Transitos"},
        {"1 1 2024", "31 3 2024", "-1", "Transitos"},
    };
    for (const ConsultaPeriodo& q : malas) {
        w.dialogos.asked.clear();
        f->txtDesde()->setText(QString::fromStdString(q.desde));
        f->txtHasta()->setText(QString::fromStdString(q.hasta));
        f->txtOrbe()->setText(QString::fromStdString(q.orbe));
        f->btnDibujar()->click();
        const PeriodoRevisado r = RevisarConsultaPeriodo(q);
        ASSERT_FALSE(r.pedido);
        ASSERT_EQ(w.dialogos.asked.size(), 1u);
        EXPECT_EQ(w.dialogos.asked[0].prompt, r.mensaje);
        EXPECT_EQ(w.dialogos.asked[0].title, r.titulo);
        EXPECT_EQ(EtiquetasDibujadas(f), antes);
    }
}

// "Exportar…" writes, for a period without today in it, the very SVG the command writes, and
// a PDF with the same text; the type's extension is added to a name without one.
TEST_F(Mapa, ExportWritesWhatTheCommandWrites) {
    // The chart as the main window opens it: from its file in the chart folder.
    w.Sesion().flags.ProgramFolder = kCharts;
    w.Sesion().flags.ChartFileName = kCarta;
    FrmMapaTiempo* f = Dibujar("1 1 2030", "31 12 2030", "Transitos");
    ASSERT_TRUE(f->btnExportar()->isEnabled());
    QStringList sugeridos;
    QString respuesta, filtro;
    c->SetElegirArchivo(
        [&](const QString& sugerido,
            const QStringList& filtros) -> std::optional<ControlCalendario::ArchivoElegido> {
            sugeridos << sugerido;
            EXPECT_EQ(filtros, ControlCalendario::Filtros());
            return ControlCalendario::ArchivoElegido{respuesta, filtro};
        });
    respuesta = QString::fromStdString(Ruta("ventana"));
    filtro = ControlCalendario::Filtros()[1];
    f->btnExportar()->click();
    ASSERT_EQ(sugeridos.size(), 1);
    EXPECT_EQ(sugeridos[0].toStdString(), kCharts + "Ana_Lucia_Ferreyra_mapa.pdf");
    respuesta = QString::fromStdString(Ruta("ventana.pdf"));
    filtro = ControlCalendario::Filtros()[0];
    f->btnExportar()->click();
    EXPECT_TRUE(w.dialogos.asked.empty());

    for (const char* salida : {"comando.svg", "comando.pdf"}) {
        const Outcome o =
            Invoke(HeadlessMapaTiempo, {"--mapa-tiempo", kCharts + kCarta, "--desde", "1 1 2030",
                                        "--hasta", "31 12 2030", "--orbe", "1", Ruta(salida)});
        ASSERT_EQ(o.code, 0) << o.err;
    }
    auto leer = [](const std::string& ruta) {
        QFile f(QString::fromStdString(ruta));
        EXPECT_TRUE(f.open(QIODevice::ReadOnly)) << ruta;
        return f.readAll();
    };
    const QByteArray svg = leer(Ruta("ventana.svg"));
    ASSERT_FALSE(svg.isEmpty());
    EXPECT_EQ(svg, leer(Ruta("comando.svg")));
    if (!HayHerramienta("pdftotext")) GTEST_SKIP() << "sin pdftotext";
    const Salida a = Ejecutar("pdftotext", {QString::fromStdString(Ruta("ventana.pdf")), "-"});
    const Salida b = Ejecutar("pdftotext", {QString::fromStdString(Ruta("comando.pdf")), "-"});
    ASSERT_EQ(a.code, 0);
    EXPECT_FALSE(a.out.trimmed().isEmpty());
    EXPECT_EQ(a.out, b.out);
}

// A cancelled dialog writes nothing; a file that cannot be written is said in Spanish and
// nothing is left behind.
TEST_F(Mapa, CancelledOrFailedExportLeavesNoFile) {
    FrmMapaTiempo* f = Dibujar("1 1 2030", "31 3 2030", "Transitos");
    c->SetElegirArchivo([](const QString&, const QStringList&) { return std::nullopt; });
    f->btnExportar()->click();
    EXPECT_TRUE(w.dialogos.asked.empty());
    EXPECT_TRUE(QDir(dir.path()).isEmpty());

    const std::string mala = Ruta("no/existe/mapa.pdf");
    c->SetElegirArchivo([&](const QString&, const QStringList& filtros) {
        return std::optional<ControlCalendario::ArchivoElegido>{
            {QString::fromStdString(mala), filtros[0]}};
    });
    f->btnExportar()->click();
    ASSERT_EQ(w.dialogos.asked.size(), 1u);
    EXPECT_EQ(w.dialogos.asked[0].prompt, "No se pudo escribir el mapa de tiempo " + mala);
    EXPECT_EQ(w.dialogos.asked[0].title, "Exportar mapa de tiempo");
    EXPECT_EQ(w.dialogos.asked[0].icon, MsgIcon::Critical);
    EXPECT_TRUE(QDir(dir.path()).isEmpty());
}

// Escape closes the window; opened again it holds the same request and pages, and closing
// it changed nothing in the session.
TEST_F(Mapa, ClosingLosesNothing) {
    FrmMapaTiempo* f = Dibujar("1 1 2024", "30 6 2024", "Arco Solar");
    const std::vector<std::string> etiquetas = EtiquetasDibujadas(f);
    const std::vector<std::string> lista = w.Sesion().Lista;
    f->txtOrbe()->setFocus();
    QTest::keyClick(f->txtOrbe(), Qt::Key_Escape);
    EXPECT_FALSE(f->isVisible());
    EXPECT_EQ(w.redibujados, 0);
    EXPECT_EQ(w.Sesion().Lista, lista);
    w.Comando("mnuMapaTiempo")->trigger();
    EXPECT_EQ(c->VentanaMapa(), f);
    EXPECT_TRUE(f->isVisible());
    EXPECT_EQ(f->txtDesde()->text(), "1 1 2024");
    EXPECT_EQ(f->cboTecnica()->currentText(), "Arco Solar");
    EXPECT_EQ(EtiquetasDibujadas(f), etiquetas);
    EXPECT_TRUE(f->btnExportar()->isEnabled());
}

}  // namespace
}  // namespace natalis
