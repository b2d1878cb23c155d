// The calendar of the sky's window driven offscreen on a fake port: it lists exactly the
// lines of `natalis --calendario` for the same period, chart and zone, refuses bad input
// with the program's Spanish message and keeps what it listed, and an event chosen draws
// the sky at its instant through the port.
#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QTableWidget>
#include <QTest>

#include "astro/SwissEphemeris.h"
#include "predictive/ui/ControlCalendario.h"
#include "predictive/ui/ControlPeriodo.h"
#include "predictive/ui/FrmCalendario.h"
#include "tests/predictive/ui/PuertoFalso.h"
#include "tests/ui/ExternalTools.h"

namespace natalis {
namespace {

const std::string kCharts = std::string(NATALIS_SOURCE_DIR) + "/charts/";
const std::string kCarta = "Ana_Lucia_Ferreyra.dat";

// The lines `natalis --calendario` prints: the period, then the chart file and the zone
// when given.
std::vector<std::string> LineasDelComando(const QString& desde, const QString& hasta,
                                          const QStringList& mas) {
    const Salida s =
        Ejecutar(QStringLiteral(NATALIS_BINARY_DIR "/natalis"),
                 QStringList{"--calendario", "--desde", desde, "--hasta", hasta} + mas);
    EXPECT_EQ(s.code, 0);
    std::vector<std::string> lineas;
    for (const QString& l : QString::fromUtf8(s.out).split('\n', Qt::SkipEmptyParts)) {
        lineas.push_back(l.toStdString());
    }
    return lineas;
}

// The table's rows, their cells joined by tabs as the command writes an event.
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

struct Calendario : ::testing::Test {
    SwissEphemeris eph;
    PuertoFalso w{eph};
    ControlPeriodo* periodo = nullptr;
    ControlCalendario* c = nullptr;

    void SetUp() override {
        ChartSession& s = w.Sesion();
        ASSERT_TRUE(s.Load(kCharts, kCarta).ok);
        ASSERT_FALSE(s.MostrarNatal(&w.Superficie()).has_value());
        periodo = new ControlPeriodo(w);
        c = periodo->Calendario();
        ASSERT_NE(c, nullptr);
    }

    FrmCalendario* Abrir() {
        w.Comando("mnuCalendario")->trigger();
        return c->VentanaCalendario();
    }

    FrmCalendario* Calcular(const QString& desde, const QString& hasta, bool conCarta,
                            const QString& huso = {}, const QString& orbe = "2") {
        FrmCalendario* f = Abrir();
        f->txtDesde()->setText(desde);
        f->txtHasta()->setText(hasta);
        f->chkCarta()->setChecked(conCarta);
        f->txtOrbe()->setText(orbe);
        f->txtHuso()->setText(huso);
        f->btnCalcular()->click();
        return f;
    }
};

TEST_F(Calendario, OpensWithAYearFromTodayAndTheCommandsColumns) {
    FrmCalendario* f = Abrir();
    ASSERT_NE(f, nullptr);
    EXPECT_TRUE(f->isVisible());
    EXPECT_EQ(f->windowTitle(), "Calendario del cielo");
    EXPECT_EQ(f->txtDesde()->text(), "5 3 2024");  // the fake clock's day, and a year on
    EXPECT_EQ(f->txtHasta()->text(), "5 3 2025");
    EXPECT_EQ(f->txtOrbe()->text(), "2");
    EXPECT_TRUE(f->chkCarta()->isEnabled());  // a chart is on display
    EXPECT_TRUE(f->chkCarta()->isChecked());
    QStringList encabezados;
    for (int i = 0; i < f->Tabla()->columnCount(); ++i) {
        encabezados << f->Tabla()->horizontalHeaderItem(i)->text();
    }
    EXPECT_EQ(encabezados.join('\t').toStdString(), CabeceraCalendario());
    EXPECT_EQ(f->Tabla()->rowCount(), 0);
    EXPECT_EQ(f->lblNota()->text().toStdString(), FrmCalendario::kNota);
}

// The rows are the command's lines, for the sky alone, with the chart (its contacts and its
// clock) and with a chosen zone.
TEST_F(Calendario, ListsExactlyTheCommandsLines) {
    const QString carta = QString::fromStdString(kCharts + kCarta);
    struct Caso {
        QString desde, hasta;
        bool conCarta;
        QString huso, orbe;
        QStringList mas;
    };
    const Caso casos[] = {
        {"1 1 2024", "31 3 2024", false, "", "2", {}},
        {"1 1 2024", "30 6 2024", true, "", "2", {carta}},
        {"1 1 2024", "30 6 2024", true, "", "5", {carta, "--orbe", "5"}},
        {"1 3 2025",
         "30 4 2025",
         false,
         "America/Mexico_City",
         "2",
         {"--huso", "America/Mexico_City"}},
        {"1 3 2025", "30 4 2025", true, "Europe/Madrid", "2", {carta, "--huso", "Europe/Madrid"}},
    };
    for (const Caso& k : casos) {
        FrmCalendario* f = Calcular(k.desde, k.hasta, k.conCarta, k.huso, k.orbe);
        ASSERT_TRUE(w.dialogos.asked.empty()) << w.dialogos.asked[0].prompt;
        const std::vector<std::string> esperadas = LineasDelComando(k.desde, k.hasta, k.mas);
        ASSERT_FALSE(esperadas.empty());
        EXPECT_EQ(Filas(f->Tabla()), esperadas) << k.desde.toStdString() << " " << k.conCarta;
        EXPECT_EQ(f->lblCuenta()->text().toStdString(),
                  std::to_string(esperadas.size()) + " eventos");
        EXPECT_EQ(f->Eventos().size(), esperadas.size());
    }
}

// A wider orb finds at least the contacts of a narrower one; without the chart there are
// none, whatever the orb box says.
TEST_F(Calendario, ContactsOnlyWithTheChart) {
    auto contactos = [](const FrmCalendario* f) {
        int n = 0;
        for (const EventoCielo& e : f->Eventos()) n += e.tipo == TipoEventoCielo::Contacto;
        return n;
    };
    FrmCalendario* f = Calcular("1 1 2024", "31 12 2025", true, "", "8");
    const int anchos = contactos(f);
    EXPECT_GT(anchos, 0);
    Calcular("1 1 2024", "31 12 2025", true, "", "1");
    EXPECT_LT(contactos(f), anchos);
    Calcular("1 1 2024", "31 12 2025", false, "", "8");
    EXPECT_EQ(contactos(f), 0);
    EXPECT_FALSE(f->txtOrbe()->isEnabled());
    EXPECT_TRUE(w.dialogos.asked.empty());
}

// A refused request: the core's message and title, and the list stays as it was.
TEST_F(Calendario, RefusedInputGivesTheCoresMessageAndKeepsTheList) {
    FrmCalendario* f = Calcular("1 1 2024", "31 1 2024", true);
    const std::vector<std::string> antes = Filas(f->Tabla());
    ASSERT_FALSE(antes.empty());
    struct Mala {
        QString desde, hasta, orbe, huso;
    };
    const Mala malas[] = {
        {"1 13 2024", "31 3 2024", "2", ""},
        {"1 3 2024", "1 1 2024", "2", ""},
        {"1 1 2024", "31 3 2024", "cero", ""},
        {"1 1 2024", "31 3 2024", "2", "Marte/Olimpo"},
    };
    for (const Mala& m : malas) {
        w.dialogos.asked.clear();
        Calcular(m.desde, m.hasta, true, m.huso, m.orbe);
        ConsultaCalendario q;
        q.desde = m.desde.toStdString();
        q.hasta = m.hasta.toStdString();
        q.orbe = m.orbe.toStdString();
        q.huso = m.huso.toStdString();
        const CalendarioRevisado r = RevisarConsultaCalendario(q);
        ASSERT_FALSE(r.pedido);
        ASSERT_EQ(w.dialogos.asked.size(), 1u) << q.desde;
        EXPECT_EQ(w.dialogos.asked[0].prompt, r.mensaje);
        EXPECT_EQ(w.dialogos.asked[0].title, r.titulo);
        EXPECT_EQ(w.dialogos.asked[0].icon, MsgIcon::Exclamation);
        EXPECT_EQ(Filas(f->Tabla()), antes);
    }
    EXPECT_EQ(w.dialogos.asked[0].title, "corregir huso");
    EXPECT_NE(w.dialogos.asked[0].prompt.find("Marte/Olimpo"), std::string::npos);
}

// Enter on a row (as a double click) draws the sky at the event's instant as a transit of
// the chart on display, and the port shows the transit's block.
TEST_F(Calendario, ChosenEventDrawsTheSkyAtItsInstantThroughThePort) {
    FrmCalendario* f = Calcular("1 1 2024", "31 3 2024", true);
    QTableWidget* t = f->Tabla();
    int fila = -1;
    for (int r = 0; r < t->rowCount() && fila < 0; ++r) {
        if (t->item(r, 3)->text() == "Eclipse lunar") fila = r;  // the penumbral of March 25th
    }
    ASSERT_GE(fila, 0);
    const double jd = f->EventoDeFila(fila)->jd;
    ASSERT_TRUE(w.listas.empty());
    t->setFocus();
    t->setCurrentCell(fila, 0);
    QTest::keyClick(t, Qt::Key_Return);
    ASSERT_TRUE(w.Sesion().JdTransito.has_value());
    EXPECT_DOUBLE_EQ(*w.Sesion().JdTransito, jd);
    EXPECT_EQ(w.redibujados, 1);
    ASSERT_EQ(w.listas.size(), 1u);
    EXPECT_EQ(w.ListaAspectos()->item(w.listas[0])->text(), "  TRANSITOS");
    EXPECT_TRUE(w.Comando("mnuVerSoloNatal")->isEnabled());
    // The transit's date and hour on the birth zone's clock are the row's, on the chart's.
    const QStringList local = t->item(fila, 1)->text().split(QRegularExpression("[- ]"));
    ASSERT_EQ(local.size(), 4);
    EXPECT_EQ(w.Sesion().FechaEnPantalla(), QString("Tránsito %1 %2 %3 %4")
                                                .arg(local[2].toInt())
                                                .arg(local[1].toInt())
                                                .arg(local[0], local[3])
                                                .toStdString());
}

// Escape closes the window; opened again it holds the same request and rows, and closing it
// changed nothing in the session.
TEST_F(Calendario, ClosingLosesNothing) {
    FrmCalendario* f = Calcular("1 2 2024", "29 2 2024", true, "Europe/Madrid", "3");
    const std::vector<std::string> filas = Filas(f->Tabla());
    ASSERT_FALSE(filas.empty());
    const std::vector<std::string> lista = w.Sesion().Lista;
    f->txtDesde()->setFocus();
    QTest::keyClick(f->txtDesde(), Qt::Key_Escape);
    EXPECT_FALSE(f->isVisible());
    EXPECT_EQ(w.redibujados, 0);
    EXPECT_EQ(w.Sesion().Lista, lista);
    EXPECT_FALSE(w.Sesion().JdTransito.has_value());

    EXPECT_EQ(Abrir(), f);
    EXPECT_TRUE(f->isVisible());
    EXPECT_EQ(f->txtDesde()->text(), "1 2 2024");
    EXPECT_EQ(f->txtHuso()->text(), "Europe/Madrid");
    EXPECT_EQ(f->txtOrbe()->text(), "3");
    EXPECT_EQ(Filas(f->Tabla()), filas);
}

// With no chart on display the sky alone is listed, and a chosen event draws nothing.
TEST(CalendarioSinCarta, ListsTheSkyAloneAndDrawsNothing) {
    SwissEphemeris eph;
    PuertoFalso w{eph};
    auto* periodo = new ControlPeriodo(w);
    w.Comando("mnuCalendario")->trigger();
    FrmCalendario* f = periodo->Calendario()->VentanaCalendario();
    ASSERT_NE(f, nullptr);
    EXPECT_FALSE(f->chkCarta()->isEnabled());
    EXPECT_FALSE(f->chkCarta()->isChecked());
    f->txtDesde()->setText("1 1 2024");
    f->txtHasta()->setText("31 3 2024");
    f->btnCalcular()->click();
    EXPECT_EQ(Filas(f->Tabla()), LineasDelComando("1 1 2024", "31 3 2024", {}));
    ASSERT_GT(f->Tabla()->rowCount(), 0);
    periodo->Calendario()->ElegirEvento(*f->EventoDeFila(0));
    EXPECT_EQ(w.redibujados, 0);
    EXPECT_FALSE(w.Sesion().JdTransito.has_value());
}

}  // namespace
}  // namespace natalis
