// The report made for reading: what it holds for a sample chart, checked against the chart's
// own tables and an independent pairing of its points, and how its blocks go on pages.
#include <gtest/gtest.h>

#include <cmath>
#include <map>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "app/session/ChartSession.h"
#include "app/session/InformeCompleto.h"
#include "astro/AngleMath.h"
#include "astro/Puntos.h"
#include "astro/SwissEphemeris.h"
#include "chart/Aspects.h"
#include "chart/NombresCarta.h"
#include "tests/app/FakeClock.h"

namespace natalis {
namespace {

const std::string kCharts = std::string(NATALIS_SOURCE_DIR) + "/charts/";

struct FullReport : ::testing::Test {
    SwissEphemeris eph;
    ChartSession s{eph};
    FakeClock clock{{2024, 3, 5, 14, 5, 0}, Zone(180)};

    void SetUp() override {
        ASSERT_TRUE(s.Load(kCharts, "Ana_Lucia_Ferreyra.dat").ok);
        s.MostrarNatal(nullptr);
    }
    const BloqueInforme* Titulado(const InformeCompleto& i, const std::string& titulo) {
        for (const BloqueInforme& b : i.bloques) {
            if (b.titulo == titulo) return &b;
        }
        return nullptr;
    }
};

TEST_F(FullReport, PageOneHoldsTheDataOnceThenTheWheelAndThePoints) {
    const InformeCompleto i = ArmarInformeCompleto(s);
    ASSERT_GE(i.bloques.size(), 3u);
    EXPECT_EQ(i.bloques[0].tipo, BloqueInforme::Tipo::Datos);
    EXPECT_EQ(i.bloques[0].titulo, "Ana Lucía Ferreyra");
    // Values from the chart file charts/Ana_Lucia_Ferreyra.dat (zone typed by hand).
    EXPECT_EQ(i.bloques[0].lineas,
              (std::vector<std::string>{"Fecha de nacimiento: 12 10 1985",
                                        "Hora: 07:45:00, huso 03.00 (huso indicado a mano)",
                                        "Lugar: Buenos Aires, latitud 34.36S, longitud 058.27W",
                                        "Casas: Plácido    Zodíaco: tropical"}));
    EXPECT_EQ(i.bloques[1].tipo, BloqueInforme::Tipo::Rueda);
    EXPECT_EQ(i.bloques[1].dibujo, DibujoRueda::Natal);
    EXPECT_EQ(i.bloques[2].titulo, "Posiciones");
    int datos = 0;
    for (const BloqueInforme& b : i.bloques) datos += b.tipo == BloqueInforme::Tipo::Datos;
    EXPECT_EQ(datos, 1);
}

// A sidereal chart's data line names the zodiac and its ayanamsa.
TEST_F(FullReport, SiderealChartNamesItsAyanamsa) {
    s.zodiaco = Zodiaco::Lahiri;
    s.MostrarNatal(nullptr);
    const InformeCompleto i = ArmarInformeCompleto(s);
    ASSERT_FALSE(i.bloques.empty());
    EXPECT_EQ(i.bloques[0].lineas.back(), "Casas: Plácido    Zodíaco: sideral (Lahiri)");
}

TEST_F(FullReport, EveryPointRowComesFromTheChartsOwnListingText) {
    const InformeCompleto i = ArmarInformeCompleto(s);
    const BloqueInforme* puntos = Titulado(i, "Posiciones");
    ASSERT_TRUE(puntos);
    const NatalTables& t = s.tables.natal;
    ASSERT_EQ(puntos->tabla.filas.size(), t.PlanetaNatal.size() - 1);
    for (size_t k = 1; k < t.PlanetaNatal.size(); ++k) {
        const std::vector<std::string>& fila = puntos->tabla.filas[k - 1];
        // The listing's text "SOL 19Lib02": label, then degree, sign label, minutes.
        const std::string& texto = t.PlanetaNatal[k].Texto;
        const std::string lugar = texto.substr(texto.size() - 7);
        EXPECT_EQ(fila[1], NombrePunto(texto.substr(0, texto.find(' '))));
        EXPECT_EQ(fila[3], NombreSigno(SignoDeEtiqueta(lugar.substr(2, 3))));
        EXPECT_EQ(fila[4], lugar.substr(0, 2) + "° " + lugar.substr(5, 2) + "'");
        EXPECT_EQ(fila[6], t.PlanetaNatal[k].Vel < 0 ? "R" : "");
        const int casa = std::stoi(fila[5]);
        EXPECT_GE(casa, 1);
        EXPECT_LE(casa, 12);
    }
    EXPECT_EQ(puntos->tabla.filas[0][1], "Sol");
    EXPECT_EQ(puntos->tabla.filas[10][1], "Nodo Norte");
    EXPECT_EQ(puntos->tabla.filas[11][1], "Parte de la Fortuna");
}

// With every point of the table, each row names its point in full and carries the point's
// own glyph; the aspects use the glyph font's aspect keys.
TEST_F(FullReport, EveryPointHasItsFullNameAndGlyph) {
    s.Puntos = *PuntosPorLista("todos", nullptr);
    s.MostrarNatal(nullptr);
    const InformeCompleto i = ArmarInformeCompleto(s);
    const BloqueInforme* puntos = Titulado(i, "Posiciones");
    ASSERT_TRUE(puntos);
    std::vector<std::string> nombres, glifos;
    for (const std::vector<std::string>& f : puntos->tabla.filas) {
        glifos.push_back(f[0]);
        nombres.push_back(f[1]);
    }
    EXPECT_EQ(nombres, (std::vector<std::string>{
                           "Sol",     "Luna",           "Mercurio",     "Venus",
                           "Marte",   "Júpiter",        "Saturno",      "Urano",
                           "Neptuno", "Plutón",         "Nodo Norte",   "Parte de la Fortuna",
                           "Quirón",  "Ceres",          "Palas",        "Juno",
                           "Vesta",   "Nodo verdadero", "Lilith media", "Lilith osculadora",
                           "Vértice"}));
    EXPECT_EQ(glifos,
              (std::vector<std::string>{"a", "s", "d", "f", "g", "h", "j", "k", "l", ";", "A",
                                        ":", "z", "x", "c", "v", "b", "S", "n", "m", "X"}));
    const BloqueInforme* lista = Titulado(i, "Aspectos");
    ASSERT_TRUE(lista);
    ASSERT_EQ(lista->tabla.columnas[2].letra, LetraCelda::Simbolo);
    for (const std::vector<std::string>& f : lista->tabla.filas) {
        ASSERT_EQ(f[2].size(), 1u) << f[3];
        EXPECT_NE(std::string("QWERTYIOP").find(f[2]), std::string::npos) << f[3];
    }
}

// The pairs are found again by brute force over the separations, with the natal orbs
// (7 degrees times each aspect's factor, the first aspect of the table that holds).
TEST_F(FullReport, AspectsAreEveryPairOfTheChartOnceWithFullNameAndOrb) {
    const InformeCompleto i = ArmarInformeCompleto(s);
    const BloqueInforme* lista = Titulado(i, "Aspectos");
    ASSERT_TRUE(lista);
    const NatalTables& t = s.tables.natal;
    struct P {
        std::string nombre;
        double lon;
    };
    std::vector<P> planetas;
    for (int k = 1; k <= 10; ++k) {
        planetas.push_back({NombrePunto(FilaPunto(t.Puntos[static_cast<size_t>(k - 1)]).Etiqueta),
                            t.PlanetaNatal[static_cast<size_t>(k)].Lon});
    }
    std::vector<P> todos = planetas;
    todos.push_back({"Medio Cielo", t.CuspideNatal[10].Lon});
    todos.push_back({"Ascendente", t.CuspideNatal[1].Lon});
    std::map<std::set<std::string>, std::string> esperados;  // the pair -> "aspect orb"
    for (size_t a = 0; a < planetas.size(); ++a) {
        for (size_t b = a + 1; b < todos.size(); ++b) {
            const double d = std::min(std::fabs(todos[a].lon - todos[b].lon),
                                      360 - std::fabs(todos[a].lon - todos[b].lon));
            for (int k = 0; k < kNumAspectos; ++k) {
                const double angulo = TablaAspectos[static_cast<size_t>(k)].Angulo;
                const double orbe = 7 * TablaAspectos[static_cast<size_t>(k)].FactorOrbe;
                if (d < angulo - orbe || d > angulo + orbe) continue;
                esperados[{todos[a].nombre, todos[b].nombre}] = NombreAspecto(k);
                break;
            }
        }
    }
    std::map<std::set<std::string>, std::string> hallados;
    for (const std::vector<std::string>& f : lista->tabla.filas) {
        EXPECT_TRUE(hallados.emplace(std::set<std::string>{f[1], f[5]}, f[3]).second)
            << "dos veces: " << f[1] << " " << f[5];
        EXPECT_NE(f[6].find("° "), std::string::npos) << f[6];
        // The angles carry their speeds too: every pair has its phase.
        EXPECT_TRUE(f[7] == "aplicativo" || f[7] == "separativo" || f[7] == "exacto") << f[7];
    }
    EXPECT_FALSE(esperados.empty());
    EXPECT_EQ(hallados, esperados);
}

TEST_F(FullReport, BalancesCountEachPlanetOnceInEveryGroup) {
    const InformeCompleto i = ArmarInformeCompleto(s);
    for (const char* grupo : {"Elementos", "Modalidades", "Cuadrantes"}) {
        const BloqueInforme* b = Titulado(i, grupo);
        ASSERT_TRUE(b) << grupo;
        int total = 0;
        for (const auto& f : b->tabla.filas) total += std::stoi(f[1]);
        EXPECT_EQ(total, 10) << grupo;
    }
    const BloqueInforme* h = Titulado(i, "Hemisferios");
    ASSERT_TRUE(h);
    ASSERT_EQ(h->tabla.filas.size(), 4u);
    EXPECT_EQ(std::stoi(h->tabla.filas[0][1]) + std::stoi(h->tabla.filas[1][1]), 10);
    EXPECT_EQ(std::stoi(h->tabla.filas[2][1]) + std::stoi(h->tabla.filas[3][1]), 10);
    // The Sun at 19 Libra is in an air sign and a cardinal one.
    const BloqueInforme* e = Titulado(i, "Elementos");
    EXPECT_NE(e->tabla.filas[2][2].find("Sol"), std::string::npos);
    const BloqueInforme* regla = Titulado(i, "Balances");
    ASSERT_TRUE(regla);
    EXPECT_FALSE(regla->lineas.empty());
}

TEST_F(FullReport, PredictiveBlocksOnlyWithARingOnDisplay) {
    EXPECT_EQ(Titulado(ArmarInformeCompleto(s), "Progresión"), nullptr);
    s.pred.Tecnica = TipoTecnica::ArcoSolar;
    s.pred.FechaProgTexto = "1 1 2030";
    ASSERT_EQ(s.Progresar(nullptr).estado, ProgresionEstado::Calculada);
    std::string fecha = "3 4 2027", hora = "10 30";
    ASSERT_EQ(s.Transitar(clock, nullptr, fecha, hora).instante.estado, TransitoEstado::Calculado);
    const InformeCompleto i = ArmarInformeCompleto(s);
    const BloqueInforme* rueda = Titulado(i, "Progresión y tránsito");
    ASSERT_TRUE(rueda);
    EXPECT_EQ(rueda->dibujo, DibujoRueda::Anillos);
    EXPECT_EQ(rueda->lineas,
              (std::vector<std::string>{
                  "Círculo interior: la carta natal (planetas en ocre).",
                  "Anillo medio: la progresión por Arco Solar al 1 1 2030 (planetas en verde).",
                  "Anillo exterior: los planetas en tránsito el 3 4 2027 10:30 (en azul)."}));
    const BloqueInforme* listado = Titulado(i, "Listado de la progresión y el tránsito");
    ASSERT_TRUE(listado);
    // Every line in full words: no word of it is an abbreviation of the window's listing.
    const std::set<std::string> cortas = {"Smsx", "Conj", "Sext", "Cuad", "Trig", "Opos", "Smcd",
                                          "Sqcd", "Quin", "SOL",  "LUN",  "MER",  "VEN",  "MAR",
                                          "JUP",  "SAT",  "URA",  "NEP",  "PLU",  "ASC",  "C2"};
    ASSERT_FALSE(listado->tabla.filas.empty());
    for (const auto& f : listado->tabla.filas) {
        std::istringstream palabras(f[0]);
        for (std::string w; palabras >> w;) {
            EXPECT_EQ(cortas.count(w), 0u) << f[0];
            // A zodiac place as the listing writes it, "19Lib03".
            EXPECT_FALSE(w.size() == 7 && SignoDeEtiqueta(w.substr(2, 3)) > 0) << f[0];
        }
    }
}

// A return is drawn as a ring of its own instant: the legend and the listing's title name it
// a return, not a transit.
TEST_F(FullReport, AReturnOnDisplayIsNamedAReturn) {
    std::string fecha = "1 1 2027";
    ASSERT_EQ(s.Retornar(nullptr, TipoRetorno::Solar, fecha).retorno.estado,
              RetornoCalculoEstado::Calculado);
    const InformeCompleto i = ArmarInformeCompleto(s);
    EXPECT_EQ(Titulado(i, "Tránsito"), nullptr);
    const BloqueInforme* rueda = Titulado(i, "Retorno");
    ASSERT_TRUE(rueda);
    ASSERT_EQ(rueda->lineas.size(), 2u);
    EXPECT_EQ(rueda->lineas[1].rfind("Anillo exterior: los planetas del retorno, el ", 0), 0u)
        << rueda->lineas[1];
    EXPECT_TRUE(Titulado(i, "Listado del retorno"));
}

// ---- Pages ----

BloqueInforme Texto(size_t lineas) {
    BloqueInforme b;
    b.tipo = BloqueInforme::Tipo::Texto;
    b.lineas.assign(lineas, "x");
    return b;
}

TEST(PaginarBloques, KeepsBlocksWholeAndLeavesNoPageHalfEmptyWithoutCause) {
    // Heights are lines of kAltoLinea = 13 pt on a body 130 pt high (10 lines).
    const struct {
        std::vector<size_t> lineas;
        std::vector<size_t> porPagina;  // blocks on each page
    } casos[] = {
        {{3, 3, 3}, {2, 1}},      // 3 + 3 (+ gaps) fit, the third does not
        {{2, 2}, {2}},            // both fit
        {{12, 1}, {1, 1}},        // taller than a page: alone, not cut
        {{1, 12, 1}, {1, 1, 1}},  // the tall one cannot join the first page
        {{9, 1, 1}, {1, 2}},
    };
    for (const auto& c : casos) {
        InformeCompleto i;
        for (size_t n : c.lineas) i.bloques.push_back(Texto(n));
        const ColocacionInforme col = PaginarBloques(i, 500, 130);
        std::vector<size_t> porPagina;
        for (const PaginaInforme& p : col.paginas) porPagina.push_back(p.size());
        EXPECT_EQ(porPagina, c.porPagina);
        for (size_t p = 0; p < col.paginas.size(); ++p) {
            const BloqueColocado& ultimo = col.paginas[p].back();
            // Every block within its page but one taller than the page.
            if (col.paginas[p].size() > 1) {
                EXPECT_LE(ultimo.y + ultimo.alto, 130);
            }
            if (p + 1 == col.paginas.size()) continue;
            // A page less than half full only when the next block could not fit under it.
            const BloqueColocado& siguiente = col.paginas[p + 1].front();
            if (ultimo.y + ultimo.alto < 65) {
                EXPECT_GT(ultimo.y + ultimo.alto + kEntreBloques + siguiente.alto, 130);
            }
        }
    }
}

TEST(PaginarBloques, TheWheelLeavesRoomForThePointsWithinItsBounds) {
    InformeCompleto i;
    BloqueInforme datos;
    datos.tipo = BloqueInforme::Tipo::Datos;
    datos.lineas.assign(4, "x");
    BloqueInforme rueda;
    rueda.tipo = BloqueInforme::Tipo::Rueda;
    i.bloques = {datos, rueda, Texto(10)};
    // Room enough: the largest wheel. Little room: the smallest, the table on a page of its own.
    const double ancho = 500;
    EXPECT_DOUBLE_EQ(PaginarBloques(i, ancho, 2000).ladoRueda, kRuedaMaxima * ancho);
    const ColocacionInforme justo = PaginarBloques(i, ancho, 500);
    EXPECT_DOUBLE_EQ(justo.ladoRueda, kRuedaMinima * ancho);
    EXPECT_EQ(justo.paginas.size(), 2u);
    // In between: exactly the space left once the data and the table are placed.
    const double alto =
        kAltoNombreInforme + 4 * kAltoLinea + 390 + 10 * kAltoLinea + 2 * kEntreBloques;
    const ColocacionInforme medio = PaginarBloques(i, ancho, alto);
    EXPECT_NEAR(medio.ladoRueda, 390, 1e-9);
    EXPECT_EQ(medio.paginas.size(), 1u);
}

TEST(PartirTablas, CutsLongTablesKeepingHeadingsAndOrder) {
    InformeCompleto i;
    BloqueInforme t;
    t.tipo = BloqueInforme::Tipo::Tabla;
    t.titulo = "Aspectos";
    t.tabla.columnas = {{"A", 10}};
    for (int r = 0; r < 7; ++r) t.tabla.filas.push_back({std::to_string(r)});
    i.bloques = {t, Texto(2)};
    PartirTablas(i, 3);
    ASSERT_EQ(i.bloques.size(), 4u);
    EXPECT_EQ(i.bloques[0].titulo, "Aspectos");
    EXPECT_EQ(i.bloques[1].titulo, "Aspectos (continuación)");
    EXPECT_EQ(i.bloques[2].tabla.filas, (std::vector<std::vector<std::string>>{{"6"}}));
    EXPECT_EQ(i.bloques[1].tabla.columnas.front().titulo, "A");
    EXPECT_EQ(i.bloques[3].tipo, BloqueInforme::Tipo::Texto);
}

}  // namespace
}  // namespace natalis
