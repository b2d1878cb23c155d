// The wheel of any chart drawn from the chart value: a composite without a birth record, a
// Davison chart with its own, and a natal chart exactly as the natal wheel draws it.
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "astro/AngleMath.h"
#include "astro/SwissEphemeris.h"
#include "chart/Compuesta.h"
#include "chart/Davison.h"
#include "chart/DibujarRueda.h"
#include "chart/Glyphs.h"
#include "chart/RecordingSurface.h"

namespace natalis {
namespace {

NatalRecord Persona(const char* nombre, int d, int m, int a, float hora, float zona, float lat,
                    float lon) {
    NatalRecord r;
    r.NatalName = nombre;
    r.NatalNameFixed = nombre;
    r.NatalDay = static_cast<int16_t>(d);
    r.NatalMonth = static_cast<int16_t>(m);
    r.NatalYear = static_cast<int16_t>(a);
    r.NatalHour = hora;
    r.ZoneHours = zona;
    r.LatitudeDeg = lat;
    r.LongitudeDeg = lon;
    r.FechaNatalTexto = "1 1 2000";
    r.TimeText = "12:00";
    return r;
}

// The header's texts (Arial), in drawing order.
std::vector<std::string> Cabecera(const RecordingSurface& s) {
    std::vector<std::string> out;
    for (const DrawOp& op : s.OpsOf(DrawOp::Kind::Text)) {
        if (op.face == "Arial") out.push_back(op.text);
    }
    return out;
}

// The point glyphs drawn (yellow, the glyph font; their degrees, printed beside them in the
// same colour, start with a blank), as texts.
std::vector<std::string> GlifosDePuntos(const RecordingSurface& s) {
    std::vector<std::string> out;
    for (const DrawOp& op : s.OpsOf(DrawOp::Kind::Text)) {
        if (op.face == "OrreryAstro" && op.color == QBColor(14) && op.text.rfind(' ', 0) != 0)
            out.push_back(op.text);
    }
    return out;
}

bool MismaOperacion(const DrawOp& a, const DrawOp& b) {
    return a.kind == b.kind && a.x1 == b.x1 && a.y1 == b.y1 && a.x2 == b.x2 && a.y2 == b.y2 &&
           a.r == b.r && a.color == b.color && a.fillColor == b.fillColor &&
           a.fillStyle == b.fillStyle && a.lineStyle == b.lineStyle && a.width == b.width &&
           a.face == b.face && a.sizePt == b.sizePt && a.bold == b.bold && a.text == b.text &&
           a.newLine == b.newLine;
}

class DibujarCarta_ : public ::testing::Test {
  protected:
    SwissEphemeris eph;
    Carta a = CalcularCarta(Persona("Ana", 14, 7, 1985, 9.5f, -2, 40.4f, -3.7f), {}, eph);
    Carta b = CalcularCarta(Persona("Luis", 2, 11, 1979, 23.25f, 6, 19.43f, -99.13f), {}, eph);
};

// A composite has no birth record: the wheel stands on its own cusps, every point is drawn,
// and the header names it by its title, with its house system.
TEST_F(DibujarCarta_, CompositeIsDrawnWithItsTitle) {
    const Carta c = CalcularCompuesta(a, b);
    ASSERT_FALSE(c.nacimiento);
    RecordingSurface s;
    WheelGeometry g;
    DibujarCarta(s, c, WheelHeader{}, g);
    EXPECT_EQ(Cabecera(s),
              (std::vector<std::string>{"Carta compuesta de Ana y Luis", "Casas Plácido"}));
    // Rotated so the composite's own Ascendant stands at the left (screen angle 270, the
    // rotation rounded half to even).
    EXPECT_EQ(g.GiroAsc, static_cast<int16_t>(std::nearbyint(270.0 - c.natal.CuspideNatal[1].Lon)));
    EXPECT_NE(c.natal.CuspideNatal[1].Lon, a.natal.CuspideNatal[1].Lon);
    std::vector<std::string> esperados;
    for (size_t i = 1; i < c.natal.PlanetaNatal.size(); ++i) {
        esperados.push_back(GlifoPlaneta(c.natal.Puntos[i - 1] + 1));
    }
    EXPECT_EQ(GlifosDePuntos(s), esperados);
}

// A sidereal composite says so beside its houses, as the natal header does.
TEST_F(DibujarCarta_, CaptionCarriesTheZodiac) {
    OpcionesCarta sideral;
    sideral.casas = SistemaCasas::Koch;
    sideral.zodiaco = Zodiaco::Lahiri;
    const Carta as = CalcularCarta(*a.nacimiento, sideral, eph);
    const Carta bs = CalcularCarta(*b.nacimiento, sideral, eph);
    RecordingSurface s;
    WheelGeometry g;
    DibujarCarta(s, CalcularCompuesta(as, bs), WheelHeader{}, g);
    const std::vector<std::string> cab = Cabecera(s);
    ASSERT_EQ(cab.size(), 2u);
    EXPECT_EQ(cab[1], "Casas Koch    Sideral, Lahiri");
}

// A Davison chart keeps its record, which bears the chart's title as its name.
TEST_F(DibujarCarta_, DavisonHeaderNamesIt) {
    const Carta d = CalcularDavison(a, b, LugarMedio::Circulo, eph);
    RecordingSurface s;
    WheelGeometry g;
    DibujarCarta(s, d, WheelHeader{}, g);
    const std::vector<std::string> cab = Cabecera(s);
    ASSERT_FALSE(cab.empty());
    EXPECT_EQ(cab[0].rfind("Carta Davison de Ana y Luis   ", 0), 0u) << cab[0];
    EXPECT_EQ(cab.back(), "Casas Plácido");
}

// A natal chart drawn from its value is the natal wheel, operation for operation.
TEST_F(DibujarCarta_, NatalChartIsTheNatalWheel) {
    for (const EstiloRueda estilo : {EstiloRueda::Ventana, EstiloRueda::Informe}) {
        const WheelHeader header{"", "Plácido", true};
        RecordingSurface viaCarta, viaRegistro;
        WheelGeometry g1, g2;
        DibujarCarta(viaCarta, a, header, g1, estilo);
        DibujarRueda(viaRegistro, a.natal, *a.nacimiento, header, g2, estilo);
        ASSERT_EQ(viaCarta.Ops().size(), viaRegistro.Ops().size());
        for (size_t i = 0; i < viaCarta.Ops().size(); ++i) {
            EXPECT_TRUE(MismaOperacion(viaCarta.Ops()[i], viaRegistro.Ops()[i])) << i;
        }
        EXPECT_EQ(g1.GiroAsc, g2.GiroAsc);
    }
}

}  // namespace
}  // namespace natalis
