// The session's comparisons: a synastry, a Davison chart, returns and the chart of a moment
// computed from the natal chart on display, drawn and listed, checked against charts computed
// here directly and a brute-force pairing of the points.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <set>
#include <string>
#include <tuple>

#include "app/model/ChartFile.h"
#include "app/session/ChartSession.h"
#include "astro/Calendar.h"
#include "astro/SwissEphemeris.h"
#include "astro/TextTrim.h"
#include "chart/Compuesta.h"
#include "chart/Glyphs.h"
#include "chart/RecordingSurface.h"
#include "chart/Rings.h"

namespace natalis {
namespace {

// A point's glyph (the degrees printed beside it use the same font).
bool EsGlifoDePunto(const std::string& texto) {
    for (int fila = 1; fila <= kNumPuntos; ++fila) {
        if (texto == GlifoPlaneta(fila)) return true;
    }
    return false;
}

const std::string kCharts = std::string(NATALIS_SOURCE_DIR) + "/charts/";

struct Comparar : ::testing::Test {
    SwissEphemeris eph;
    ChartSession s{eph};
    NatalRecord hiroshi;
    RecordingSurface surface;

    void SetUp() override {
        ASSERT_TRUE(s.Load(kCharts, "Ana_Lucia_Ferreyra.dat").ok);
        ASSERT_FALSE(s.MostrarNatal(nullptr).has_value());
        ASSERT_TRUE(ReadChartFile(kCharts, "Hiroshi_Tanaka.dat", hiroshi).ok);
    }
    // A chart computed directly from its record, with the session's options.
    Carta Directa(const NatalRecord& rec) {
        OpcionesCarta o;
        o.casas = s.HouseSystem;
        o.zodiaco = s.zodiaco;
        o.puntos = s.Puntos;
        return CalcularCarta(rec, o, eph);
    }
    // The point glyphs drawn in colour c.
    int GlifosDeColor(Color c) const {
        int n = 0;
        for (const DrawOp& op : surface.OpsOf(DrawOp::Kind::Text))
            n += op.face == "OrreryAstro" && op.color == c && EsGlifoDePunto(op.text);
        return n;
    }
    bool Escrito(const std::string& inicio) const {
        for (const DrawOp& op : surface.OpsOf(DrawOp::Kind::Text)) {
            if (op.text.rfind(inicio, 0) == 0) return true;
        }
        return false;
    }
};

// Every pair of points tried by hand: the separation (0..180) and the first aspect of the
// table whose window (7 degrees times its factor, bounds included) holds it.
std::set<std::tuple<int, int, int>> ParesAFuerzaBruta(const Sinastria& x) {
    std::set<std::tuple<int, int, int>> pares;
    for (size_t i = 0; i < x.puntosA.size(); ++i) {
        for (size_t j = 0; j < x.puntosB.size(); ++j) {
            double d = std::fabs(x.puntosA[i].Lon - x.puntosB[j].Lon);
            d = std::fmod(d, 360.0);
            if (d > 180) d = 360 - d;
            for (int k = 0; k < kNumAspectos; ++k) {
                if (std::fabs(d - TablaAspectos[k].Angulo) <= 7 * TablaAspectos[k].FactorOrbe) {
                    pares.insert({static_cast<int>(i), static_cast<int>(j), k});
                    break;
                }
            }
        }
    }
    return pares;
}

TEST_F(Comparar, SynastryIsDrawnOnTwoRingsAndListsTheCrossAspects) {
    const std::vector<double> natalAntes = [&] {
        std::vector<double> v;
        for (const PuntoNatal& p : s.tables.natal.PlanetaNatal) v.push_back(p.Lon);
        return v;
    }();
    ASSERT_FALSE(s.MostrarSinastria(hiroshi, &surface).has_value());
    ASSERT_TRUE(s.ComparacionEnPantalla().has_value());
    const CartasComparadas& c = *s.ComparacionEnPantalla();
    EXPECT_EQ(c.tipo, TipoComparacion::Sinastria);
    ASSERT_EQ(s.Cartas().size(), 2u);

    // The two charts equal those computed here, and the cross aspects equal a pairing by hand.
    const Carta a = Directa(s.DatosNatales), b = Directa(hiroshi);
    for (size_t k = 1; k < a.natal.PlanetaNatal.size(); ++k) {
        EXPECT_DOUBLE_EQ(c.primera.natal.PlanetaNatal[k].Lon, a.natal.PlanetaNatal[k].Lon);
        EXPECT_DOUBLE_EQ(c.carta.natal.PlanetaNatal[k].Lon, b.natal.PlanetaNatal[k].Lon);
    }
    std::set<std::tuple<int, int, int>> hallados;
    for (const AspectoHallado& h : c.cruce.aspectos) {
        hallados.insert({h.a, h.b, h.k});
        double d = std::fmod(std::fabs(c.cruce.puntosA[h.a].Lon - c.cruce.puntosB[h.b].Lon), 360.0);
        if (d > 180) d = 360 - d;
        // The aspect routine works in single precision.
        EXPECT_NEAR(h.orbe, std::fabs(d - TablaAspectos[h.k].Angulo), 1e-5);
    }
    EXPECT_EQ(hallados, ParesAFuerzaBruta(c.cruce));
    EXPECT_FALSE(hallados.empty());

    // Lista and the listing window hold the list of the charts computed here.
    const std::vector<std::string> lista =
        ListarSinastria(a, b, CalcularSinastria(a.natal, b.natal));
    EXPECT_EQ(s.Lista, lista);
    const std::vector<std::string> listado = s.ListadoComparacion();
    ASSERT_GE(listado.size(), 2u);
    EXPECT_EQ(listado.front(), "Sinastría de " + NombreCarta(a) + " y " + NombreCarta(b));
    EXPECT_EQ(std::vector<std::string>(listado.begin() + 2, listado.end()), lista);

    // Both rings: the outer one's glyphs in its colour, one per point of the second chart,
    // and the header naming it.
    EXPECT_EQ(GlifosDeColor(kColorAnilloCarta), static_cast<int>(b.natal.PlanetaNatal.size()) - 1);
    EXPECT_TRUE(Escrito("Anillo exterior: " + NombreCarta(b)));

    // The natal tables are the first person's still; drawing the natal wheel ends it.
    for (size_t k = 0; k < natalAntes.size(); ++k)
        EXPECT_EQ(s.tables.natal.PlanetaNatal[k].Lon, natalAntes[k]);
    s.DibujarNatal(surface);
    EXPECT_FALSE(s.ComparacionEnPantalla().has_value());
    EXPECT_TRUE(s.ListadoComparacion().empty());
}

TEST_F(Comparar, TheGridHoldsEveryCrossAspectInItsCell) {
    ASSERT_FALSE(s.MostrarSinastria(hiroshi, nullptr).has_value());
    const CartasComparadas& c = *s.ComparacionEnPantalla();
    const std::optional<RejillaCruzada> r = s.RejillaComparacion();
    ASSERT_TRUE(r.has_value());
    ASSERT_EQ(r->filas.size(), c.cruce.puntosA.size());
    ASSERT_EQ(r->columnas.size(), c.cruce.puntosB.size());
    EXPECT_EQ(r->filas.front(), "SOL");
    EXPECT_EQ(r->filas.back(), "ASC");
    const auto pares = ParesAFuerzaBruta(c.cruce);
    size_t llenas = 0;
    for (size_t i = 0; i < r->filas.size(); ++i) {
        for (size_t j = 0; j < r->columnas.size(); ++j) {
            const std::string& celda = r->celdas[i][j];
            if (celda.empty()) continue;
            ++llenas;
            const auto it = std::find_if(pares.begin(), pares.end(), [&](const auto& p) {
                return std::get<0>(p) == static_cast<int>(i) &&
                       std::get<1>(p) == static_cast<int>(j);
            });
            ASSERT_NE(it, pares.end()) << r->filas[i] << " " << r->columnas[j] << " " << celda;
            EXPECT_EQ(celda.substr(0, 4), TablaAspectos[std::get<2>(*it)].Nombre);
        }
    }
    EXPECT_EQ(llenas, pares.size());
}

TEST_F(Comparar, DavisonIsTheChartOfTheMeanInstantAndCanBeSaved) {
    ASSERT_FALSE(s.MostrarDavison(hiroshi, LugarMedio::Medias, &surface).has_value());
    const CartasComparadas& c = *s.ComparacionEnPantalla();
    EXPECT_EQ(c.tipo, TipoComparacion::Davison);
    const Carta d =
        CalcularDavison(Directa(s.DatosNatales), Directa(hiroshi), LugarMedio::Medias, eph);
    for (size_t k = 1; k < d.natal.PlanetaNatal.size(); ++k)
        EXPECT_DOUBLE_EQ(c.carta.natal.PlanetaNatal[k].Lon, d.natal.PlanetaNatal[k].Lon);
    const std::optional<NatalRecord> guardable = s.RegistroGuardable();
    ASSERT_TRUE(guardable.has_value());
    EXPECT_EQ(guardable->FechaNatalTexto, d.nacimiento->FechaNatalTexto);
    EXPECT_TRUE(
        Escrito(TrimBlanks(d.nacimiento->NatalNameFixed) + "   " + d.nacimiento->FechaNatalTexto));
    EXPECT_EQ(s.Lista, ListarAspectosOrbes(d.natal, s.orbes));
    EXPECT_FALSE(s.RejillaComparacion().has_value());
}

TEST_F(Comparar, TheCompositeIsDrawnWithItsTitle) {
    ASSERT_FALSE(s.MostrarCompuesta(hiroshi, &surface).has_value());
    const CartasComparadas& c = *s.ComparacionEnPantalla();
    EXPECT_EQ(c.tipo, TipoComparacion::Compuesta);
    const Carta a = Directa(s.DatosNatales), b = Directa(hiroshi);
    // Each point at the near midpoint of the two charts' longitudes (computed here).
    for (size_t k = 1; k < a.natal.PlanetaNatal.size(); ++k) {
        EXPECT_NEAR(c.carta.natal.PlanetaNatal[k].Lon,
                    PuntoMedioCercano(a.natal.PlanetaNatal[k].Lon, b.natal.PlanetaNatal[k].Lon),
                    1e-4);
    }
    EXPECT_FALSE(c.carta.nacimiento.has_value());
    const std::string titulo = "Carta compuesta de " + NombreCarta(a) + " y " + NombreCarta(b);
    EXPECT_EQ(TituloComparacion(c), titulo);
    EXPECT_TRUE(Escrito(titulo));
    EXPECT_EQ(s.ListadoComparacion().front(), titulo);
    EXPECT_FALSE(s.RegistroGuardable().has_value());  // nothing to save: no birth record
}

TEST_F(Comparar, NextAndPreviousSolarReturnsStandAYearApart) {
    std::string fecha = "1 1 2030";
    ASSERT_FALSE(
        s.MostrarRetornoCarta(TipoRetorno::Solar, fecha, LugarNatal(s.DatosNatales), &surface)
            .has_value());
    const double primero = s.ComparacionEnPantalla()->jd;
    EXPECT_GE(primero, JulDay(1, 1, 2030));
    EXPECT_LT(primero, JulDay(1, 1, 2031));
    // The return's Sun at its instant, asked of the ephemeris, is the natal Sun (0.1").
    PlanetTable sol{};
    Planets(primero, eph, sol, s.zodiaco);
    const double dif = std::remainder(sol[1].Lon - s.tables.natal.PlanetaNatal[1].Lon, 360.0);
    EXPECT_LT(std::fabs(dif) * 3600, 0.1);

    ASSERT_FALSE(s.RetornoVecinoCarta(true, &surface).has_value());
    const double siguiente = s.ComparacionEnPantalla()->jd;
    EXPECT_NEAR(siguiente - primero, 365.2422, 1.0);
    ASSERT_FALSE(s.RetornoVecinoCarta(false, &surface).has_value());
    ASSERT_FALSE(s.RetornoVecinoCarta(false, &surface).has_value());
    EXPECT_NEAR(primero - s.ComparacionEnPantalla()->jd, 365.2422, 1.0);
    EXPECT_TRUE(Escrito("Anillo exterior: " + NombreCarta(s.Cartas().front())));
    EXPECT_TRUE(s.RejillaComparacion().has_value());
}

TEST_F(Comparar, RefusalsChangeNothing) {
    ASSERT_FALSE(s.MostrarSinastria(hiroshi, nullptr).has_value());
    const std::vector<std::string> lista = s.Lista;
    std::string fecha = "31 2 2030";
    const auto error =
        s.MostrarRetornoCarta(TipoRetorno::Lunar, fecha, LugarNatal(s.DatosNatales), nullptr);
    ASSERT_TRUE(error.has_value());
    EXPECT_FALSE(error->empty());
    EXPECT_EQ(s.ComparacionEnPantalla()->tipo, TipoComparacion::Sinastria);
    EXPECT_EQ(s.Lista, lista);
    // No return on display: no neighbour either.
    EXPECT_TRUE(s.RetornoVecinoCarta(true, nullptr).has_value());
    EXPECT_EQ(s.Lista, lista);
    // An unknown zone.
    LugarCarta nunca;
    nunca.nombre = "Ninguna";
    nunca.zona = "Europe/Atlantida";
    EXPECT_TRUE(s.MostrarAhora(JulDay(1, 7, 2026) + 0.5, nunca, nullptr).has_value());
    EXPECT_EQ(s.ComparacionEnPantalla()->tipo, TipoComparacion::Sinastria);

    ChartSession vacia{eph};
    EXPECT_TRUE(vacia.MostrarSinastria(hiroshi, nullptr).has_value());
    EXPECT_FALSE(vacia.ComparacionEnPantalla().has_value());
}

// 1 July 2026 12:00 UT is 14:00 in Madrid (summer time, tz database).
TEST_F(Comparar, TheMomentsChartStandsAtTheInstantAtThePlace) {
    LugarCarta madrid;
    madrid.nombre = "Madrid";
    madrid.latitudDeg = 40.4165;
    madrid.longitudDeg = -3.70256;
    madrid.zona = "Europe/Madrid";
    ASSERT_FALSE(s.MostrarAhora(JulDay(1, 7, 2026) + 0.5, madrid, &surface).has_value());
    const CartasComparadas& c = *s.ComparacionEnPantalla();
    EXPECT_EQ(c.tipo, TipoComparacion::Ahora);
    ASSERT_TRUE(c.carta.nacimiento.has_value());
    EXPECT_EQ(c.carta.nacimiento->FechaNatalTexto, "1 7 2026");
    EXPECT_EQ(c.carta.nacimiento->TimeText.substr(0, 5), "14:00");
    EXPECT_EQ(TituloComparacion(c), "Ahora en Madrid");
    PlanetTable sol{};
    Planets(JulDay(1, 7, 2026) + 0.5, eph, sol, s.zodiaco);
    EXPECT_NEAR(c.carta.natal.PlanetaNatal[1].Lon, sol[1].Lon, 1e-6);
}

}  // namespace
}  // namespace natalis
