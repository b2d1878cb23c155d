// The preferences: how they are kept as texts, what a damaged text gives, how the session
// takes them, and the aspect grid the window shows checked against a pairing of the chart's
// points done here from their longitudes.
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "app/session/ChartSession.h"
#include "app/session/DibujarRejilla.h"
#include "app/session/InformeCompleto.h"
#include "app/session/Preferencias.h"
#include "astro/Puntos.h"
#include "astro/SwissEphemeris.h"
#include "chart/NombresCarta.h"
#include "chart/RecordingSurface.h"

namespace natalis {
namespace {

const std::string kCharts = std::string(NATALIS_SOURCE_DIR) + "/charts/";

std::vector<int> Todos() {
    std::vector<int> r;
    for (int i = 0; i < kNumPuntos; ++i) r.push_back(i);
    return r;
}

TEST(Preferencias, TextsAsKept) {
    const TextosPreferencias d = TextosDePreferencias(Preferencias{});
    EXPECT_EQ(d.puntos, "");
    EXPECT_EQ(d.casas, "P");
    EXPECT_EQ(d.zodiaco, "tropical");
    EXPECT_EQ(d.orbes, "clasicos");

    Preferencias p;
    p.puntos.push_back(PuntoPorEtiqueta("QUI"));
    p.puntos.push_back(PuntoPorEtiqueta("LIL"));
    p.casas = SistemaCasas::SignosEnteros;
    p.zodiaco = Zodiaco::Lahiri;
    p.orbes = Orbes::Amplios;
    const TextosPreferencias t = TextosDePreferencias(p);
    EXPECT_EQ(t.puntos, "QUI,LIL");
    EXPECT_EQ(t.casas, "W");
    EXPECT_EQ(t.zodiaco, "lahiri");
    EXPECT_EQ(t.orbes, "amplios");
}

// Every house system, zodiac and orb set, with no extra point, some and all, reads back as
// it was written.
TEST(Preferencias, EveryChoiceReadsBackAsWritten) {
    std::vector<int> algunos = PuntosPorDefecto();
    algunos.push_back(PuntoPorEtiqueta("CER"));
    algunos.push_back(PuntoPorEtiqueta("VTX"));
    const std::vector<std::vector<int>> conjuntos = {PuntosPorDefecto(), algunos, Todos()};
    int casos = 0;
    for (const auto& puntos : conjuntos) {
        for (const SistemaCasasFila& c : kSistemasCasas) {
            for (const ZodiacoFila& z : kZodiacos) {
                for (const OrbesFila& o : kOrbes) {
                    Preferencias p;
                    p.puntos = puntos;
                    p.casas = c.id;
                    p.zodiaco = z.id;
                    p.orbes = o.id;
                    EXPECT_TRUE(PreferenciasDeTextos(TextosDePreferencias(p)) == p)
                        << c.letra << " " << z.nombre << " " << o.nombre;
                    ++casos;
                }
            }
        }
    }
    EXPECT_EQ(casos, 3 * 13 * 8 * 3);
}

// A damaged text leaves its own choice at the default and the others as written.
TEST(Preferencias, ADamagedTextGivesItsDefaultOnly) {
    const TextosPreferencias bueno{"QUI,VES", "W", "raman", "predictivos", "algol,Spica"};
    const Preferencias esperado = PreferenciasDeTextos(bueno);
    ASSERT_EQ(esperado.casas, SistemaCasas::SignosEnteros);
    ASSERT_EQ(esperado.puntos.size(), 14u);
    // The names as the star catalogue writes them.
    ASSERT_EQ(esperado.estrellas, (std::vector<std::string>{"Algol", "Spica"}));
    const Preferencias d;
    struct Caso {
        const char* campo;
        std::string valor;
    };
    const Caso casos[] = {
        {"puntos", "QUI,QUI"},
        {"puntos", "XYZ"},
        {"puntos", "QUI,"},
        {"puntos", "\xff\xfe\x01"},
        {"puntos", ","},
        {"casas", "Z"},
        {"casas", "PW"},
        {"casas", ""},
        {"casas", "\x80"},
        {"zodiaco", "sol"},
        {"zodiaco", ""},
        {"zodiaco", "sideral"},
        {"orbes", "enormes"},
        {"orbes", ""},
        {"orbes", "clasico"},
        {"estrellas", "Algol,Xyzzy"},
        {"estrellas", "Algol,Algol"},
        {"estrellas", "Algol,"},
        {"estrellas", ""},
    };
    for (const Caso& c : casos) {
        SCOPED_TRACE(std::string(c.campo) + "=" + c.valor);
        TextosPreferencias t = bueno;
        const std::string campo = c.campo;
        if (campo == "puntos") t.puntos = c.valor;
        if (campo == "casas") t.casas = c.valor;
        if (campo == "zodiaco") t.zodiaco = c.valor;
        if (campo == "orbes") t.orbes = c.valor;
        if (campo == "estrellas") t.estrellas = c.valor;
        const Preferencias p = PreferenciasDeTextos(t);
        EXPECT_EQ(p.puntos, campo == "puntos" ? d.puntos : esperado.puntos);
        EXPECT_EQ(p.casas, campo == "casas" ? d.casas : esperado.casas);
        EXPECT_EQ(p.zodiaco, campo == "zodiaco" ? d.zodiaco : esperado.zodiaco);
        EXPECT_EQ(p.orbes, campo == "orbes" ? d.orbes : esperado.orbes);
        EXPECT_EQ(p.estrellas, campo == "estrellas" ? d.estrellas : esperado.estrellas);
    }
    // "behenias", which the command line takes, reads as the fifteen stars; written back they
    // are their names.
    TextosPreferencias behenias = bueno;
    behenias.estrellas = "behenias";
    const Preferencias b = PreferenciasDeTextos(behenias);
    ASSERT_EQ(b.estrellas.size(), 15u);
    EXPECT_EQ(b.estrellas.front(), "Algol");
    EXPECT_TRUE(PreferenciasDeTextos(TextosDePreferencias(b)) == b);
    // Nothing kept at all: the defaults.
    EXPECT_TRUE(PreferenciasDeTextos({}) == Preferencias{});
}

TEST(Preferencias, TheSessionComputesWithThem) {
    SwissEphemeris eph;
    ChartSession s(eph);
    ASSERT_TRUE(s.Load(kCharts, "Ana_Lucia_Ferreyra.dat").ok);
    Preferencias p;
    p.puntos = Todos();
    p.casas = SistemaCasas::SignosEnteros;
    p.zodiaco = Zodiaco::FaganBradley;
    p.orbes = Orbes::Amplios;
    AplicarPreferencias(p, s);
    ASSERT_FALSE(s.CalcularNatal());
    EXPECT_EQ(s.HouseSystem, SistemaCasas::SignosEnteros);
    EXPECT_EQ(s.tables.natal.Puntos, Todos());
    EXPECT_EQ(s.tables.natal.zodiaco, Zodiaco::FaganBradley);
    EXPECT_EQ(s.orbes, Orbes::Amplios);
    // Whole signs of the sidereal zodiac: every cusp at 0 degrees of a sidereal sign, the
    // first that of the sign holding the sidereal Ascendant (the first cusp of the equal
    // houses computed in the same zodiac).
    ChartSession iguales(eph);
    ASSERT_TRUE(iguales.Load(kCharts, "Ana_Lucia_Ferreyra.dat").ok);
    AplicarPreferencias(p, iguales);
    iguales.HouseSystem = SistemaCasas::IgualesAsc;
    ASSERT_FALSE(iguales.CalcularNatal());
    const double asc = iguales.tables.natal.CuspideNatal[1].Lon;
    for (int i = 1; i <= 12; ++i) {
        const double lon = s.tables.natal.CuspideNatal[static_cast<size_t>(i)].Lon;
        EXPECT_NEAR(std::fmod(lon, 30.0), 0.0, 1e-4) << i;
        EXPECT_NEAR(std::fmod(lon - 30.0 * std::floor(asc / 30.0) + 360.0, 360.0), 30.0 * (i - 1),
                    1e-4)
            << i;
    }
    EXPECT_EQ(s.CasasCaption(), "Signos enteros    Sideral, Fagan-Bradley");
}

// The aspects' angles and the orbs of each set, written out here from their definitions:
// the program's 7 degrees times 0.3, 1 or 0.75, and the wider and the narrow sets.
struct Aspecto {
    const char* simbolo;  // as the grid shows it
    double angulo;
};
double Orbe(Orbes o, int k, bool luminaria) {
    const double clasicos[] = {2.1, 7, 5.25, 7, 7, 7, 2.1, 2.1, 2.1};
    const double amplios[] = {2, 8, 5, 7, 7, 8, 2, 2, 3};
    const double predictivos[] = {0.5, 1, 1, 1, 1, 1, 0.5, 0.5, 0.5};
    switch (o) {
        case Orbes::Clasicos:
            return clasicos[k];
        case Orbes::Amplios:
            return amplios[k] + (luminaria ? 2 : 0);
        case Orbes::Predictivos:
            return predictivos[k] + (luminaria ? 0.5 : 0);
    }
    return 0;
}
constexpr double kAngulos[] = {30, 0, 60, 90, 120, 180, 45, 135, 150};  // in the order tried

// Degrees from "2° 15'".
double Grados(const std::string& texto) {
    const size_t grado = texto.find("°");
    return std::stod(texto.substr(0, grado)) + std::stod(texto.substr(grado + 3)) / 60.0;
}

TEST(RejillaNatal, EveryCellIsThePairsFirstAspectWithinItsOrb) {
    SwissEphemeris eph;
    for (const char* archivo : {"Ana_Lucia_Ferreyra.dat", "Hiroshi_Tanaka.dat"}) {
        for (Orbes o : {Orbes::Clasicos, Orbes::Amplios, Orbes::Predictivos}) {
            SCOPED_TRACE(std::string(archivo) + " " + FilaOrbes(o).nombre);
            ChartSession s(eph);
            ASSERT_TRUE(s.Load(kCharts, archivo).ok);
            s.Puntos = Todos();
            ASSERT_FALSE(s.CalcularNatal());
            const NatalTables& t = s.tables.natal;
            // The grid's points: those that take part in aspects, then MC and Ascendant.
            std::vector<double> lon;
            std::vector<bool> luminaria, angulo;
            std::vector<std::string> glifos;
            for (size_t i = 1; i < t.PlanetaNatal.size(); ++i) {
                const PuntoDef& d = FilaPunto(t.Puntos[i - 1]);
                if (!d.Aspecta) continue;
                lon.push_back(t.PlanetaNatal[i].Lon);
                luminaria.push_back(std::string(d.Etiqueta) == "SOL" ||
                                    std::string(d.Etiqueta) == "LUN");
                angulo.push_back(false);
                glifos.push_back(std::string(1, d.Glifo));
            }
            for (int c : {10, 1}) {
                lon.push_back(t.CuspideNatal[static_cast<size_t>(c)].Lon);
                luminaria.push_back(false);
                angulo.push_back(true);
                glifos.push_back(c == 10 ? "MC" : "Asc");
            }
            ASSERT_EQ(lon.size(), 17u);  // ten planets, Chiron, four asteroids, two angles

            const RejillaAspectos r = RejillaNatal(t, o);
            EXPECT_EQ(r.glifos, glifos);
            int hallados = 0;
            for (size_t i = 0; i < lon.size(); ++i) {
                for (size_t j = 0; j < i; ++j) {
                    double sep = std::fabs(lon[i] - lon[j]);
                    if (sep > 180) sep = 360 - sep;
                    int k = -1;
                    if (!(angulo[i] && angulo[j])) {
                        for (int a = 0; a < 9 && k < 0; ++a) {
                            if (std::fabs(sep - kAngulos[a]) <=
                                Orbe(o, a, luminaria[i] || luminaria[j])) {
                                k = a;
                            }
                        }
                    }
                    SCOPED_TRACE(glifos[i] + "-" + glifos[j]);
                    if (k < 0) {
                        EXPECT_EQ(r.simbolo[i][j], "");
                        EXPECT_EQ(r.orbe[i][j], "");
                        continue;
                    }
                    ++hallados;
                    EXPECT_EQ(r.simbolo[i][j], GlifoAspecto(k));
                    // The orb to the minute (half a minute of rounding, and the program's
                    // single-precision reduction of the separation).
                    EXPECT_NEAR(Grados(r.orbe[i][j]), std::fabs(sep - kAngulos[k]),
                                0.5 / 60 + 1e-4);
                }
            }
            if (o != Orbes::Predictivos) {
                EXPECT_GT(hallados, 0);
            }
        }
    }
}

TEST(DibujarRejilla, DrawsEachGlyphOnTheDiagonalAndEachCellsSymbolAndOrb) {
    RejillaAspectos r;
    r.glifos = {"a", "s", "Asc"};
    r.letras = {LetraCelda::Glifo, LetraCelda::Glifo, LetraCelda::Texto};
    r.simbolo = {{"", "", ""}, {"X", "", ""}, {"", "Y", ""}};
    r.orbe = {{"", "", ""}, {"1° 05'", "", ""}, {"", "0° 30'", ""}};
    RecordingSurface s;
    DibujarRejilla(s, r, "Amplios");
    std::vector<std::string> textos;
    int lineas = 0;
    for (const DrawOp& op : s.Ops()) {
        if (op.kind == DrawOp::Kind::Line) ++lineas;
        if (op.kind == DrawOp::Kind::Text) textos.push_back(op.text);
        if (op.kind != DrawOp::Kind::Text) continue;
        if (op.text == "a") {
            EXPECT_EQ(op.face, "OrreryAstro");
        }
        if (op.text == "Asc" || op.text == "1° 05'") {
            EXPECT_EQ(op.face, "Arial");
        }
        // The aspects' symbols are keys of the glyph font.
        if (op.text == "X" || op.text == "Y") {
            EXPECT_EQ(op.face, "OrreryAstro");
        }
    }
    EXPECT_EQ(textos,
              (std::vector<std::string>{"Rejilla de aspectos (símbolo y orbe)", "Orbes: Amplios",
                                        "a", "X", "1° 05'", "s", "Y", "0° 30'", "Asc"}));
    EXPECT_EQ(lineas, 4 * 6);  // four sides of each of the triangle's six cells
    // Every cell stays inside the drawing, at the largest size and with seventeen points.
    for (size_t n : {size_t{3}, size_t{17}, size_t{30}}) {
        const MedidasRejilla m = MedirRejilla(n);
        EXPECT_LE(m.y0 + static_cast<double>(n) * m.alto, 70.0) << n;
        EXPECT_LE(m.x0 + static_cast<double>(n) * m.ancho, 100.0) << n;
        EXPECT_GT(m.alto, 0.0);
    }
}

// The wheel's aspect lines follow the chosen orbs: one visible line for each point and each
// partner (the other points, MC, Ascendant) in an aspect that is drawn (not the conjunction
// nor the semisextile), counted here from the longitudes.
TEST(RuedaConOrbes, TheWheelsAspectLinesAreThoseOfTheOrbSet) {
    SwissEphemeris eph;
    std::vector<int> lineas;
    for (Orbes o : {Orbes::Clasicos, Orbes::Amplios, Orbes::Predictivos}) {
        SCOPED_TRACE(FilaOrbes(o).nombre);
        ChartSession s(eph);
        ASSERT_TRUE(s.Load(kCharts, "Hiroshi_Tanaka.dat").ok);
        s.orbes = o;
        RecordingSurface rueda;
        ASSERT_FALSE(s.MostrarNatal(&rueda));
        const NatalTables& t = s.tables.natal;
        struct P {
            double lon;
            bool luminaria, angulo;
        };
        std::vector<P> puntos;
        for (size_t i = 1; i < t.PlanetaNatal.size(); ++i) {
            const PuntoDef& d = FilaPunto(t.Puntos[i - 1]);
            if (!d.Aspecta) continue;
            const std::string e = d.Etiqueta;
            puntos.push_back({t.PlanetaNatal[i].Lon, e == "SOL" || e == "LUN", false});
        }
        std::vector<P> socios = puntos;
        for (int c : {10, 1})
            socios.push_back({t.CuspideNatal[static_cast<size_t>(c)].Lon, false, true});
        int esperadas = 0;
        for (size_t i = 0; i < puntos.size(); ++i) {
            for (size_t j = 0; j < socios.size(); ++j) {
                if (i == j) continue;
                double sep = std::fabs(puntos[i].lon - socios[j].lon);
                if (sep > 180) sep = 360 - sep;
                for (int a = 0; a < 9; ++a) {
                    if (std::fabs(sep - kAngulos[a]) <=
                        Orbe(o, a, puntos[i].luminaria || socios[j].luminaria)) {
                        esperadas += kAngulos[a] != 0 && kAngulos[a] != 30;
                        break;
                    }
                }
            }
        }
        int dibujadas = 0;
        for (const DrawOp& op : rueda.Ops()) {
            dibujadas +=
                op.kind == DrawOp::Kind::Line && op.lineStyle != LineStyle::Invisible &&
                (op.color == QBColor(11) || op.color == QBColor(12) || op.color == QBColor(13));
        }
        EXPECT_EQ(dibujadas, esperadas);
        lineas.push_back(dibujadas);
    }
    // The wider set draws more lines than the program's own, the narrow one fewer.
    ASSERT_EQ(lineas.size(), 3u);
    EXPECT_GT(lineas[1], lineas[0]);
    EXPECT_LT(lineas[2], lineas[0]);
}

}  // namespace
}  // namespace natalis
