// The synastry report's blocks and the report of a chart value, checked against the charts
// themselves: the cross aspects by a pairing of the longitudes worked out here, the overlays
// by locating each point between the other chart's cusps by hand.
#include <gtest/gtest.h>

#include <cmath>

#include "app/model/ChartFile.h"
#include "app/session/InformeSinastria.h"
#include "astro/AngleMath.h"
#include "astro/SwissEphemeris.h"
#include "chart/Compuesta.h"
#include "chart/NombresCarta.h"

namespace natalis {
namespace {

const std::string kCarpeta = std::string(NATALIS_SOURCE_DIR) + "/charts";

Carta Leer(const std::string& archivo, Ephemeris& eph) {
    NatalRecord r;
    const ChartReadResult l = ReadChartFile(kCarpeta, archivo, r);
    EXPECT_TRUE(l.ok) << l.message;
    return CalcularCarta(r, OpcionesCarta{}, eph);
}

const BloqueInforme* Bloque(const InformeCompleto& i, const std::string& titulo) {
    for (const BloqueInforme& b : i.bloques) {
        if (b.titulo == titulo) return &b;
    }
    return nullptr;
}

// The house of lon among cusps 1..12 (degrees), by walking the arcs: the house whose cusp it
// has passed and whose next cusp it has not.
int CasaAMano(double lon, const NatalTables& t) {
    for (int i = 1; i <= 12; ++i) {
        const double desde = t.CuspideNatal[static_cast<size_t>(i)].Lon;
        const double hasta = t.CuspideNatal[static_cast<size_t>(i % 12 + 1)].Lon;
        const double arco = std::fmod(hasta - desde + 720, 360);
        const double dentro = std::fmod(lon - desde + 720, 360);
        if (dentro < arco) return i;
    }
    return 0;
}

class InformeSinastria_ : public ::testing::Test {
  protected:
    SwissEphemeris eph;
    Carta a = Leer("Ana_Lucia_Ferreyra.dat", eph);
    Carta b = Leer("Tomas_Ibanez_de_Ulloa.dat", eph);
    Sinastria s = CalcularSinastria(a.natal, b.natal);
    InformeCompleto informe = ArmarInformeSinastria(a, b, s);
};

// The title names both; the wheel block is the bi-wheel with a legend naming whose each ring is.
TEST_F(InformeSinastria_, TitleAndLegendSayWhoIsWhere) {
    const std::string titulo = "Sinastría de " + NombreCarta(a) + " y " + NombreCarta(b);
    EXPECT_EQ(informe.nombre, titulo);
    ASSERT_EQ(informe.bloques[0].tipo, BloqueInforme::Tipo::Datos);
    EXPECT_EQ(informe.bloques[0].titulo, titulo);
    ASSERT_EQ(informe.bloques[1].tipo, BloqueInforme::Tipo::Rueda);
    EXPECT_EQ(informe.bloques[1].dibujo, DibujoRueda::Anillos);
    EXPECT_EQ(informe.bloques[1].lineas,
              (std::vector<std::string>{
                  "Círculo interior: la carta de " + NombreCarta(a) +
                      " (signos, casas y planetas en ocre).",
                  "Anillo exterior: los planetas de " + NombreCarta(b) + " (en verde).",
                  "En el centro, solo los aspectos entre las dos cartas."}));
}

// Every pair of the first person's bodies and angles with the second's within the natal orb
// (7° times the aspect's factor), paired here from the longitudes, is a row in full words.
TEST_F(InformeSinastria_, CrossAspectsEqualAPairingByHand) {
    const BloqueInforme* t =
        Bloque(informe, "Aspectos cruzados (" + NombreCarta(a) + " con " + NombreCarta(b) + ")");
    ASSERT_NE(t, nullptr);
    struct P {
        std::string nombre;
        double lon;
    };
    const auto puntos = [](const Carta& c) {
        std::vector<P> v;
        for (int k = 1; k <= 10; ++k) {
            v.push_back(
                {NombrePunto(FilaPunto(c.natal.Puntos[static_cast<size_t>(k - 1)]).Etiqueta),
                 c.natal.PlanetaNatal[static_cast<size_t>(k)].Lon});
        }
        v.push_back({"Medio Cielo", c.natal.CuspideNatal[10].Lon});
        v.push_back({"Ascendente", c.natal.CuspideNatal[1].Lon});
        return v;
    };
    std::vector<std::vector<std::string>> esperadas;
    for (const P& x : puntos(a)) {
        for (const P& y : puntos(b)) {
            const double d = std::fabs(x.lon - y.lon);
            const double sep = d > 180 ? 360 - d : d;
            for (int k = 0; k < kNumAspectos; ++k) {
                const double angulo = TablaAspectos[static_cast<size_t>(k)].Angulo;
                if (std::fabs(sep - angulo) > 7 * TablaAspectos[static_cast<size_t>(k)].FactorOrbe)
                    continue;
                esperadas.push_back({x.nombre, NombreAspecto(k), y.nombre});
                break;
            }
        }
    }
    ASSERT_EQ(t->tabla.filas.size(), esperadas.size());
    for (size_t i = 0; i < esperadas.size(); ++i) {
        const std::vector<std::string>& f = t->tabla.filas[i];
        EXPECT_EQ((std::vector<std::string>{f[1], f[3], f[5]}), esperadas[i]) << i;
        EXPECT_TRUE(f[7] == "aplicativo" || f[7] == "separativo" || f[7] == "exacto" || f[7] == "—")
            << f[7];
    }
    EXPECT_GT(esperadas.size(), 5u);
}

// The grid: the first person's points down the rows, the second's across; a cell holds a
// symbol and an orb exactly where the list has that pair.
TEST_F(InformeSinastria_, GridHasAPersonOnEachSide) {
    const BloqueInforme* g = nullptr;
    for (const BloqueInforme& x : informe.bloques) {
        if (x.tipo == BloqueInforme::Tipo::Rejilla) g = &x;
    }
    ASSERT_NE(g, nullptr);
    EXPECT_EQ(g->titulo, "Rejilla de aspectos cruzados (filas: " + NombreCarta(a) +
                             "; columnas: " + NombreCarta(b) + ")");
    const RejillaAspectos& r = g->rejilla;
    ASSERT_EQ(r.glifos.size(), s.puntosA.size());
    ASSERT_EQ(r.columnas.size(), s.puntosB.size());
    EXPECT_EQ(r.columnas.back(), "Asc");
    size_t llenas = 0;
    for (size_t i = 0; i < r.glifos.size(); ++i) {
        for (size_t j = 0; j < r.columnas.size(); ++j) {
            if (!r.simbolo[i][j].empty()) {
                ++llenas;
                EXPECT_FALSE(r.orbe[i][j].empty());
            }
        }
    }
    EXPECT_EQ(llenas, s.aspectos.size());
    // One row of glyphs above the rows: the block is one cell taller than its rows.
    EXPECT_DOUBLE_EQ(AltoBloque(*g, 0),
                     kAltoTitulo + kLadoCelda * static_cast<double>(r.glifos.size() + 1));
}

// Each person's points in the other's houses, located here between the cusps.
TEST_F(InformeSinastria_, HouseOverlaysBothWays) {
    const struct {
        const Carta& de;
        const Carta& en;
    } casos[] = {{b, a}, {a, b}};
    for (const auto& c : casos) {
        const BloqueInforme* t = Bloque(
            informe, "Planetas de " + NombreCarta(c.de) + " en las casas de " + NombreCarta(c.en));
        ASSERT_NE(t, nullptr);
        ASSERT_EQ(t->tabla.filas.size(), c.de.natal.PlanetaNatal.size() - 1);
        for (size_t i = 1; i < c.de.natal.PlanetaNatal.size(); ++i) {
            const std::vector<std::string>& f = t->tabla.filas[i - 1];
            EXPECT_EQ(f[1], NombrePunto(FilaPunto(c.de.natal.Puntos[i - 1]).Etiqueta));
            EXPECT_EQ(f[2], std::to_string(CasaAMano(c.de.natal.PlanetaNatal[i].Lon, c.en.natal)))
                << f[1];
        }
    }
}

// A composite's report: its title where a name stands, what it was built from, then the
// natal report's blocks for its own tables.
TEST_F(InformeSinastria_, CompositeReportIsItsOwnChartsReport) {
    const Carta c = CalcularCompuesta(a, b);
    const InformeCompleto i = ArmarInformeDeCarta(c);
    EXPECT_EQ(i.nombre, c.titulo);
    ASSERT_GE(i.bloques.size(), 4u);
    EXPECT_EQ(i.bloques[0].titulo, c.titulo);
    ASSERT_EQ(i.bloques[0].lineas.size(), 3u);
    // The mean latitude, in degrees and minutes with its hemisphere.
    const double lat = std::fabs(c.latitud);
    const long g = static_cast<long>(lat), m = std::lround((lat - static_cast<double>(g)) * 60);
    EXPECT_NE(i.bloques[0].lineas[1].find(std::to_string(g) + "° " + (m < 10 ? "0" : "") +
                                          std::to_string(m) + "' " + (c.latitud < 0 ? "S" : "N")),
              std::string::npos)
        << i.bloques[0].lineas[1];
    EXPECT_EQ(i.bloques[0].lineas[2], "Casas: Plácido    Zodíaco: tropical");
    EXPECT_EQ(i.bloques[1].tipo, BloqueInforme::Tipo::Rueda);
    EXPECT_EQ(i.bloques[1].dibujo, DibujoRueda::Natal);
    const BloqueInforme* puntos = Bloque(i, "Posiciones");
    ASSERT_NE(puntos, nullptr);
    ASSERT_EQ(puntos->tabla.filas.size(), c.natal.PlanetaNatal.size() - 1);
    // The Sun's row stands at the composite's Sun, the midpoint of the two.
    const LugarEnSigno sol =
        LugarZodiacal(PuntoMedioCercano(a.natal.PlanetaNatal[1].Lon, b.natal.PlanetaNatal[1].Lon));
    EXPECT_EQ(puntos->tabla.filas[0][3], NombreSigno(sol.signo));
}

// A natal chart's report from its value says "Fecha de nacimiento", a Davison's "Fecha".
TEST_F(InformeSinastria_, DataOfARecordLabelTheDateByKind) {
    EXPECT_EQ(ArmarInformeDeCarta(a).bloques[0].lineas[0].rfind("Fecha de nacimiento: ", 0), 0u);
    Carta d = a;
    d.tipo = TipoCarta::Davison;
    d.titulo = "Carta Davison de X y Y";
    const InformeCompleto i = ArmarInformeDeCarta(d);
    EXPECT_EQ(i.nombre, "Carta Davison de X y Y");
    EXPECT_EQ(i.bloques[0].lineas[0].rfind("Fecha: ", 0), 0u);
}

}  // namespace
}  // namespace natalis
