// The "Preferencias" window and the aspect grid's window, driven offscreen: the choices kept
// in a settings file of a temporary folder across a restart, a damaged file, the listings
// with the defaults and with more, compared with the command line's, and the grid.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QSettings>
#include <QTemporaryDir>
#include <fstream>
#include <memory>
#include <set>
#include <sstream>

#include "app/cli/Headless.h"
#include "app/cli/HeadlessChart.h"
#include "app/session/InformeCompleto.h"
#include "app/ui/ChartBrowser.h"
#include "app/ui/CuadroGral.h"
#include "app/ui/FrmPreferencias.h"
#include "app/ui/FrmRejilla.h"
#include "app/ui/PreferenciasCommands.h"
#include "app/ui/WindowSettings.h"
#include "astro/SwissEphemeris.h"
#include "chart/Aspects.h"
#include "chart/CalcularNatal.h"
#include "chart/DistribuirGlifos.h"
#include "chart/Glyphs.h"
#include "chart/ListadoNatal.h"
#include "chart/NombresCarta.h"
#include "chart/RecordingSurface.h"
#include "chart/ui/FrmListaNat.h"
#include "chart/ui/QtSurface.h"
#include "tests/app/FakeClock.h"
#include "tests/app/cli/HeadlessRun.h"
#include "tests/ui/ChartFolder.h"
#include "tests/ui/ScriptedDialogs.h"

namespace natalis {
namespace {

const char kCarta[] = "Ana_Lucia_Ferreyra.dat";

std::string Leer(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

std::vector<std::string> Items(const QListWidget* list) {
    std::vector<std::string> out;
    for (int i = 0; i < list->count(); ++i) out.push_back(list->item(i)->text().toStdString());
    return out;
}

// One run of the program's window: its settings read from the temporary folder as the
// program reads its own, the preferences taken from them.
struct Arranque {
    QSettings settings{QSettings::NativeFormat, QSettings::UserScope, "natalis", "natalis"};
    WindowSettings ajustes{settings};
    std::unique_ptr<CuadroGral> window;
};

class Preferences : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(config.isValid());
        ASSERT_TRUE(folder.dir.isValid());
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, config.path());
        folder.Write(kCarta, Leer(std::string(NATALIS_SOURCE_DIR) + "/charts/" + kCarta));
        clock.now = {2024, 3, 5, 14, 5, 0};
        clock.zone = Zone(180);
    }
    void TearDown() override {
        run.reset();
        QApplication::processEvents();
    }
    std::string SettingsFile() const {
        return config.path().toStdString() + "/natalis/natalis.conf";
    }

    CuadroGral& Arrancar() {
        run.reset();
        run = std::make_unique<Arranque>();
        run->window = std::make_unique<CuadroGral>(dialogs, clock, eph, folder.Path());
        run->window->SetEndProgram([] {});
        run->window->ComandosPreferencias()->Usar(run->ajustes);
        run->window->FormLoad();
        return *run->window;
    }
    void Cargar(CuadroGral& w) {
        ChartList* list = w.flistArchivos();
        ASSERT_TRUE(list->SelectFile(kCarta));
        emit list->clicked(list->currentIndex());
        ASSERT_TRUE(w.State().flags.ChartLoaded);
    }
    FrmPreferencias* Abrir(CuadroGral& w) {
        w.Action("mnuPreferencias")->trigger();
        FrmPreferencias* v = w.ComandosPreferencias()->Ventana();
        EXPECT_NE(v, nullptr);
        EXPECT_TRUE(v && v->isVisible());
        return v;
    }
    static void ElegirDato(QComboBox* c, int dato) {
        const int i = c->findData(dato);
        ASSERT_GE(i, 0);
        c->setCurrentIndex(i);
    }
    // What the command line lists for the chart with these options.
    std::vector<std::string> Linea(Args extra) {
        Args args = {"--listing", folder.Path() + kCarta};
        args.insert(args.end(), extra.begin(), extra.end());
        const Outcome o = Invoke(HeadlessListing, args);
        EXPECT_EQ(o.code, 0) << o.err;
        return Lines(o.out);
    }
    // The window's listing as the command line prints it: the listing window's lines without
    // their closing empty line, then the aspects list.
    static std::vector<std::string> Ventana(CuadroGral& w) {
        std::vector<std::string> lines;
        for (const QString& l : w.frmListaNat()->Lines()) lines.push_back(l.toStdString());
        EXPECT_FALSE(lines.empty());
        if (!lines.empty()) lines.pop_back();
        const std::vector<std::string> lista = Items(w.Lista());
        lines.insert(lines.end(), lista.begin(), lista.end());
        return lines;
    }

    QTemporaryDir config;
    ChartFolder folder;
    ScriptedDialogs dialogs;
    FakeClock clock;
    SwissEphemeris eph;
    std::unique_ptr<Arranque> run;
};

TEST_F(Preferences, MenuEntriesAfterTheOthers) {
    CuadroGral& w = Arrancar();
    const QList<QAction*> barra = w.menuBar()->actions();
    ASSERT_FALSE(barra.isEmpty());
    // Right after the behaviour's last entry (the comparisons' menu follows it).
    const int preferencias = barra.indexOf(w.Action("mnuPreferencias"));
    EXPECT_EQ(preferencias, barra.indexOf(w.Action("TitlemnuHoraSolar")) + 1);
    EXPECT_EQ(barra[preferencias]->text().toStdString(), "  PRE&FERENCIAS");
    EXPECT_TRUE(w.Action("mnuPreferencias")->isEnabled());
    const QList<QAction*> natal = w.Menu("TitleMnuNatal")->actions();
    ASSERT_EQ(natal.size(), 3);
    EXPECT_EQ(natal[2]->text().toStdString(), "Rejilla de aspectos");
    EXPECT_FALSE(w.Action("TitleMnuNatal")->isEnabled());  // with the other chart titles
}

TEST_F(Preferences, AFirstStartShowsTheDefaults) {
    CuadroGral& w = Arrancar();
    const ChartSession& s = w.State();
    EXPECT_EQ(s.HouseSystem, SistemaCasas::Placido);
    EXPECT_EQ(s.Puntos, PuntosPorDefecto());
    EXPECT_EQ(s.zodiaco, Zodiaco::Tropical);
    EXPECT_EQ(s.orbes, Orbes::Clasicos);
    EXPECT_TRUE(w.MnuHsys(30)->isChecked());
    FrmPreferencias* v = Abrir(w);
    ASSERT_NE(v, nullptr);
    for (int r = kPuntosPorDefecto; r < kNumPuntos; ++r) {
        ASSERT_NE(v->Punto(FilaPunto(r).Etiqueta), nullptr);
        EXPECT_FALSE(v->Punto(FilaPunto(r).Etiqueta)->isChecked());
    }
    EXPECT_EQ(v->Punto("QUI")->text().toStdString(), "Quirón (QUI)");
    EXPECT_EQ(v->Punto("SOL"), nullptr);  // the default twelve are always there
    EXPECT_EQ(v->Casas()->count(), static_cast<int>(std::size(kSistemasCasas)));
    EXPECT_EQ(v->Casas()->currentText().toStdString(), "Plácido");
    EXPECT_EQ(v->Zodiaco()->count(), static_cast<int>(std::size(kZodiacos)));
    EXPECT_EQ(v->Zodiaco()->currentText().toStdString(), "Tropical");
    EXPECT_EQ(v->Zodiaco()->itemText(2).toStdString(), "Sideral, Lahiri");
    EXPECT_EQ(v->Orbes()->currentText().toStdString(), "Clásicos");
    v->Cancelar()->click();
    EXPECT_FALSE(v->isVisible());
    // Nothing was written by looking.
    EXPECT_FALSE(QFile::exists(QString::fromStdString(SettingsFile())));
}

TEST_F(Preferences, ChoicesSurviveARestart) {
    {
        CuadroGral& w = Arrancar();
        FrmPreferencias* v = Abrir(w);
        ASSERT_NE(v, nullptr);
        v->Punto("QUI")->setChecked(true);
        v->Punto("LIL")->setChecked(true);
        ElegirDato(v->Casas(), static_cast<int>(SistemaCasas::SignosEnteros));
        ElegirDato(v->Zodiaco(), static_cast<int>(Zodiaco::Lahiri));
        ElegirDato(v->Orbes(), static_cast<int>(Orbes::Amplios));
        v->Aceptar()->click();
        EXPECT_EQ(w.State().HouseSystem, SistemaCasas::SignosEnteros);
        // No entry of the house menu is the chosen system's.
        for (int i : {30, 31, 32}) EXPECT_FALSE(w.MnuHsys(i)->isChecked()) << i;
    }
    // Written to disk at once, before the run ends.
    const std::string escrito = Leer(SettingsFile());
    EXPECT_NE(escrito.find("casas=W"), std::string::npos) << escrito;
    EXPECT_NE(escrito.find("zodiaco=lahiri"), std::string::npos) << escrito;

    CuadroGral& w = Arrancar();
    const ChartSession& s = w.State();
    EXPECT_EQ(s.HouseSystem, SistemaCasas::SignosEnteros);
    std::vector<int> puntos = PuntosPorDefecto();
    puntos.push_back(PuntoPorEtiqueta("QUI"));
    puntos.push_back(PuntoPorEtiqueta("LIL"));
    EXPECT_EQ(s.Puntos, puntos);
    EXPECT_EQ(s.zodiaco, Zodiaco::Lahiri);
    EXPECT_EQ(s.orbes, Orbes::Amplios);
    for (int i : {30, 31, 32}) EXPECT_FALSE(w.MnuHsys(i)->isChecked()) << i;
    FrmPreferencias* v = Abrir(w);
    ASSERT_NE(v, nullptr);
    EXPECT_TRUE(v->Punto("QUI")->isChecked());
    EXPECT_TRUE(v->Punto("LIL")->isChecked());
    EXPECT_FALSE(v->Punto("CER")->isChecked());
    EXPECT_EQ(v->Casas()->currentText().toStdString(), "Signos enteros");
    EXPECT_EQ(v->Zodiaco()->currentText().toStdString(), "Sideral, Lahiri");
    EXPECT_EQ(v->Orbes()->currentText().toStdString(), "Amplios");
    // "Valores iniciales" puts the defaults in the window; accepted, they are kept.
    v->Iniciales()->click();
    v->Aceptar()->click();
    EXPECT_TRUE(w.MnuHsys(30)->isChecked());
    EXPECT_TRUE(run->ajustes.Preferencias() == Preferencias{});
}

TEST_F(Preferences, ADamagedSettingsFileGivesTheDefaultsAndLosesNothingElse) {
    QDir().mkpath(config.path() + "/natalis");
    {
        std::ofstream f(SettingsFile(), std::ios::binary);
        f << "[cartas]\ncarpeta=/home/ana/cartas\n"
          << "[preferencias]\ncasas=Z\npuntos=QUI,QUI\nzodiaco=\xff\xfe\norbes=enormes\n"
          << "\x01\x02 esto no es un ajuste\n[sin cerrar\n";
    }
    CuadroGral& w = Arrancar();
    const ChartSession& s = w.State();
    EXPECT_EQ(s.HouseSystem, SistemaCasas::Placido);
    EXPECT_EQ(s.Puntos, PuntosPorDefecto());
    EXPECT_EQ(s.zodiaco, Zodiaco::Tropical);
    EXPECT_EQ(s.orbes, Orbes::Clasicos);
    EXPECT_TRUE(w.MnuHsys(30)->isChecked());
    EXPECT_EQ(run->ajustes.Folder(), "/home/ana/cartas");
    // New choices are kept, and the folder with them.
    FrmPreferencias* v = Abrir(w);
    ASSERT_NE(v, nullptr);
    ElegirDato(v->Casas(), static_cast<int>(SistemaCasas::Koch));
    v->Aceptar()->click();
    EXPECT_TRUE(w.MnuHsys(32)->isChecked());
    Arrancar();
    EXPECT_EQ(run->window->State().HouseSystem, SistemaCasas::Koch);
    EXPECT_EQ(run->ajustes.Folder(), "/home/ana/cartas");
}

// With the defaults the window lists what it always has: the behaviour's listing functions
// on a computation made here, and the command line without options.
TEST_F(Preferences, WithTheDefaultsTheListingsAreTodays) {
    CuadroGral& w = Arrancar();
    Cargar(w);
    ChartTables t;
    CalcularNatal(w.State().DatosNatales, SistemaCasas::Placido, eph, t);
    DistribuirGlifos(t.natal.PlanetaNatal);
    EXPECT_EQ(Items(w.Lista()), ListarAspectos(t.natal));
    std::vector<std::string> listado;
    for (const QString& l : w.frmListaNat()->Lines()) listado.push_back(l.toStdString());
    EXPECT_EQ(listado, ListadoNatal(t.natal));
    ASSERT_EQ(listado.size(), 2u + 12u + 1u + 12u + 1u);
    EXPECT_EQ(Ventana(w), Linea({}));
}

// Every point and Whole Sign houses: the listings equal the command line's, the wheel is the
// one the command line draws, and every point's glyph is on it.
TEST_F(Preferences, AllPointsAndWholeSignsAsTheCommandLine) {
    CuadroGral& w = Arrancar();
    FrmPreferencias* v = Abrir(w);
    ASSERT_NE(v, nullptr);
    for (int r = kPuntosPorDefecto; r < kNumPuntos; ++r) {
        v->Punto(FilaPunto(r).Etiqueta)->setChecked(true);
    }
    ElegirDato(v->Casas(), static_cast<int>(SistemaCasas::SignosEnteros));
    v->Aceptar()->click();
    Cargar(w);
    const std::vector<std::string> linea = Linea({"--puntos", "todos", "--houses", "W"});
    EXPECT_EQ(Ventana(w), linea);
    // The listing names every point, by its label.
    for (int r = 0; r < kNumPuntos; ++r) {
        const std::string etiqueta = FilaPunto(r).Etiqueta;
        bool hallada = false;
        for (const std::string& l : linea) hallada = hallada || l.rfind(etiqueta, 0) == 0;
        EXPECT_TRUE(hallada) << etiqueta;
    }

    // The command line's wheel, drawn by its own pipeline on the surface its images use.
    const auto o = LeerOpcionesOAvisar(
        "--png", {"--png", folder.Path() + kCarta, "x.png", "--puntos", "todos", "--houses", "W"},
        std::cerr);
    ASSERT_TRUE(o);
    ChartSession sesion(eph);
    QtSurface rueda;
    CartaHeadless r;
    std::ostringstream err;
    ASSERT_TRUE(EjecutarCarta(*o, o->archivos[0], sesion, clock, &rueda, err, r)) << err.str();
    const auto textos = [](const std::vector<DrawOp>& ops) {
        std::vector<std::string> t;
        size_t desde = 0;  // from the last clearing: the window drew the start screen first
        for (size_t i = 0; i < ops.size(); ++i) {
            if (ops[i].kind == DrawOp::Kind::Cls) desde = i;
        }
        for (size_t i = desde; i < ops.size(); ++i) {
            const DrawOp& op = ops[i];
            if (op.kind != DrawOp::Kind::Text) continue;
            std::ostringstream s;
            s << op.face << "|" << op.sizePt << "|" << op.x1 << "," << op.y1 << "|" << op.text;
            t.push_back(s.str());
        }
        return t;
    };
    const std::vector<std::string> ventana = textos(w.Surface().Ops());
    EXPECT_EQ(ventana, textos(rueda.Ops()));
    const NatalTables& t = w.State().tables.natal;
    ASSERT_EQ(t.PlanetaNatal.size(), static_cast<size_t>(kNumPuntos) + 1);
    for (int fila = 1; fila <= kNumPuntos; ++fila) {
        int veces = 0;
        for (const DrawOp& op : w.Surface().Ops()) {
            veces += op.kind == DrawOp::Kind::Text && op.face == "OrreryAstro" &&
                     op.text == GlifoPlaneta(fila) && op.sizePt == TamanoGlifoPlaneta(fila);
        }
        EXPECT_GE(veces, 1) << FilaPunto(fila - 1).Etiqueta;
    }
    // The header names the houses.
    bool cabecera = false;
    for (const DrawOp& op : w.Surface().Ops()) cabecera |= op.text == "Casas Signos enteros";
    EXPECT_TRUE(cabecera);
}

TEST_F(Preferences, AnotherOrbSetListsOrbsAndPhasesAsTheCommandLine) {
    CuadroGral& w = Arrancar();
    Cargar(w);
    const std::vector<std::string> antes = Items(w.Lista());
    FrmPreferencias* v = Abrir(w);
    ASSERT_NE(v, nullptr);
    ElegirDato(v->Orbes(), static_cast<int>(Orbes::Amplios));
    ElegirDato(v->Zodiaco(), static_cast<int>(Zodiaco::Raman));
    v->Aceptar()->click();
    // The chart on display was drawn again with them.
    EXPECT_NE(Items(w.Lista()), antes);
    EXPECT_EQ(Ventana(w),
              Linea({"--orbes", "amplios", "--zodiaco", "sideral", "--ayanamsa", "raman"}));
    int conFase = 0;
    for (const std::string& l : Items(w.Lista())) {
        const bool fase =
            l.size() > 2 && (l.substr(l.size() - 2) == " a" || l.substr(l.size() - 2) == " s");
        conFase += fase;
    }
    EXPECT_GT(conFase, 0);
    bool zodiaco = false;
    for (const QString& l : w.frmListaNat()->Lines()) zodiaco |= l == "Zodiaco: Sideral, Raman";
    EXPECT_TRUE(zodiaco);
}

// The grid's cells: each pair once, the aspect the aspect routine finds between the chart's
// points under the chosen orbs, computed here from a chart computed apart from the window.
TEST_F(Preferences, TheGridShowsTheAspectsOfTheChartOnDisplay) {
    CuadroGral& w = Arrancar();
    EXPECT_EQ(w.ComandosPreferencias()->Rejilla(), nullptr);
    Cargar(w);
    FrmPreferencias* v = Abrir(w);
    ASSERT_NE(v, nullptr);
    for (const char* p : {"QUI", "CER", "PAL", "JUN", "VES"}) v->Punto(p)->setChecked(true);
    ElegirDato(v->Orbes(), static_cast<int>(Orbes::Amplios));
    v->Aceptar()->click();
    ASSERT_TRUE(w.Action("mnuRejilla")->isEnabled());
    w.Action("mnuRejilla")->trigger();
    FrmRejilla* g = w.ComandosPreferencias()->Rejilla();
    ASSERT_NE(g, nullptr);
    EXPECT_TRUE(g->isVisible());

    ChartTables t;
    t.natal.Puntos = w.State().Puntos;
    CalcularNatal(w.State().DatosNatales, SistemaCasas::Placido, eph, t);
    const std::vector<PuntoAspecto> todos = PuntosAspectoNatal(t.natal, true);
    ASSERT_EQ(todos.size(), 17u);
    const RejillaAspectos& r = g->Rejilla();
    ASSERT_EQ(r.glifos.size(), todos.size());
    std::vector<std::vector<int>> esperado(todos.size(), std::vector<int>(todos.size(), -1));
    for (const AspectoHallado& h :
         BuscarAspectos(todos, todos, ReglaOrbesNatal(t.natal, Orbes::Amplios))) {
        if (todos[h.a].Id < 0 && todos[h.b].Id < 0) continue;  // MC and Ascendant
        esperado[std::max(h.a, h.b)][std::min(h.a, h.b)] = h.k;
    }
    int llenas = 0;
    for (size_t i = 0; i < todos.size(); ++i) {
        for (size_t j = 0; j < i; ++j) {
            const int k = esperado[i][j];
            EXPECT_EQ(r.simbolo[i][j], k < 0 ? std::string() : GlifoAspecto(k)) << i << "," << j;
            EXPECT_EQ(r.orbe[i][j].empty(), k < 0) << i << "," << j;
            llenas += k >= 0;
        }
    }
    EXPECT_GT(llenas, 0);
    // Each filled cell's symbol and orb are drawn on the window's surface.
    std::multiset<std::string> dibujados;
    for (const DrawOp& op : g->Superficie().Ops()) {
        if (op.kind == DrawOp::Kind::Text) dibujados.insert(op.text);
    }
    for (size_t i = 0; i < r.simbolo.size(); ++i) {
        for (size_t j = 0; j < i; ++j) {
            if (r.simbolo[i][j].empty()) continue;
            EXPECT_GT(dibujados.count(r.simbolo[i][j]), 0u) << i << "," << j;
            EXPECT_GT(dibujados.count(r.orbe[i][j]), 0u) << i << "," << j;
        }
    }

    // The chart drawn again with narrower orbs: the open grid follows it.
    const RejillaAspectos antes = r;
    FrmPreferencias* v2 = Abrir(w);
    ASSERT_NE(v2, nullptr);
    ElegirDato(v2->Orbes(), static_cast<int>(Orbes::Predictivos));
    v2->Aceptar()->click();
    EXPECT_NE(g->Rejilla().simbolo, antes.simbolo);
    EXPECT_EQ(g->Rejilla().glifos, antes.glifos);
}

// The fixed stars: typed names are kept between runs and the listing window shows the block
// the command line prints with `--estrellas`; a name the catalogue does not hold keeps the
// window open, says which, and changes nothing.
TEST_F(Preferences, FixedStarsAreListedAsTheCommandLineListsThem) {
    const char* lista = "Aldebaran, Antares, Regulus, Fomalhaut";
    {
        CuadroGral& w = Arrancar();
        FrmPreferencias* v = Abrir(w);
        ASSERT_NE(v, nullptr);
        v->Estrellas()->setText("Algol, Xyzzy");
        v->Aceptar()->click();
        EXPECT_TRUE(v->isVisible());
        EXPECT_NE(v->Aviso()->text().toStdString().find("«Xyzzy»"), std::string::npos);
        EXPECT_TRUE(w.State().Estrellas.empty());

        v->Estrellas()->setText(lista);
        v->Aceptar()->click();
        EXPECT_FALSE(v->isVisible());
        EXPECT_EQ(w.State().Estrellas,
                  (std::vector<std::string>{"Aldebaran", "Antares", "Regulus", "Fomalhaut"}));
    }
    CuadroGral& w = Arrancar();  // a new run reads them back
    EXPECT_EQ(w.State().Estrellas.size(), 4u);
    Cargar(w);
    w.ListadoNatal(false);
    std::vector<std::string> ventana;
    for (const QString& l : w.frmListaNat()->Lines()) ventana.push_back(l.toStdString());

    // The command line appends the block after the aspects: what it prints beyond its listing
    // without stars.
    const std::vector<std::string> sin = Linea({});
    const std::vector<std::string> con = Linea({"--estrellas", lista});
    ASSERT_GT(con.size(), sin.size());
    const std::vector<std::string> bloque(con.begin() + static_cast<long>(sin.size()), con.end());
    // The window: the positions, the block, the closing empty line.
    ASSERT_GT(ventana.size(), bloque.size() + 1);
    EXPECT_EQ(std::vector<std::string>(ventana.end() - 1 - static_cast<long>(bloque.size()),
                                       ventana.end() - 1),
              bloque);
    EXPECT_EQ(ventana.back(), "");
}

}  // namespace
}  // namespace natalis
