#include <gtest/gtest.h>

#include <cmath>

#include "astro/SwissEphemeris.h"
#include "chart/BiRueda.h"
#include "chart/Glyphs.h"
#include "chart/RecordingSurface.h"
#include "chart/Rings.h"

namespace natalis {
namespace {

NatalRecord Persona(const char* nombre, int d, int m, int a, float hora, float lat) {
    NatalRecord r;
    r.NatalName = nombre;
    r.NatalNameFixed = nombre;
    r.NatalDay = static_cast<int16_t>(d);
    r.NatalMonth = static_cast<int16_t>(m);
    r.NatalYear = static_cast<int16_t>(a);
    r.NatalHour = hora;
    r.LatitudeDeg = lat;
    r.LongitudeDeg = -3.7f;
    return r;
}

struct Caja {
    double x0, y0, x1, y1;
};

// The cell a one-glyph text takes on the recording surface: its advance by its line height.
Caja CajaDe(const DrawOp& op) {
    const double em = op.sizePt * RecordingSurface::kUnitsPerPt;
    return {op.x1, op.y1, op.x1 + RecordingSurface::kAdvancePerChar * em,
            op.y1 + RecordingSurface::kLineHeight * em};
}

bool Solapan(const Caja& a, const Caja& b) {
    return a.x0 < b.x1 && b.x0 < a.x1 && a.y0 < b.y1 && b.y0 < a.y1;
}

bool EsGlifoDePunto(const std::string& texto) {
    for (int fila = 1; fila <= kNumPuntos; ++fila) {
        if (texto == GlifoPlaneta(fila)) return true;
    }
    return false;
}

// The outer ring's point glyphs (its colour) and the inner wheel's (yellow, the point glyphs'
// colour), as recorded; the degrees beside them are not glyphs.
void Glifos(const RecordingSurface& s, std::vector<Caja>& exterior, std::vector<Caja>& interior) {
    for (const DrawOp& op : s.OpsOf(DrawOp::Kind::Text)) {
        if (op.face != "OrreryAstro" || !EsGlifoDePunto(op.text)) continue;
        if (op.color == kColorAnilloCarta) exterior.push_back(CajaDe(op));
        if (op.color == QBColor(14)) interior.push_back(CajaDe(op));
    }
}

// Pairs of real charts and crowded outer charts (every point within a few degrees, also
// across 0 Aries): no outer glyph overlaps another or an inner one, and each of the second
// chart's points is drawn once.
TEST(BiRueda, OuterGlyphsOverlapNeitherEachOtherNorTheInnerRing) {
    SwissEphemeris eph;
    const Carta a = CalcularCarta(Persona("Ana", 14, 7, 1985, 9.5f, 40.4f), {}, eph);
    const Carta real = CalcularCarta(Persona("Luis", 2, 11, 1979, 17.75f, -33.9f), {}, eph);
    struct Caso {
        double centro;  // where the crowd stands; < 0 for the real chart
        double paso;    // degrees between crowded points
    };
    const Caso casos[] = {{-1, 0}, {0, 0.5}, {355, 1}, {120, 0}, {200, 2.5}, {89, 0.1}};
    for (const Caso& c : casos) {
        Carta b = real;
        if (c.centro >= 0) {
            for (size_t i = 1; i < b.natal.PlanetaNatal.size(); ++i) {
                b.natal.PlanetaNatal[i].Lon =
                    static_cast<float>(std::fmod(c.centro + c.paso * i + 360, 360));
            }
        }
        const Sinastria cruce = CalcularSinastria(a.natal, b.natal);
        RecordingSurface s;
        WheelGeometry g;
        DibujarBiRueda(s, a, b, cruce, WheelHeader{}, g);
        std::vector<Caja> exterior, interior;
        Glifos(s, exterior, interior);
        ASSERT_EQ(exterior.size(), b.natal.PlanetaNatal.size() - 1) << c.centro;
        ASSERT_EQ(interior.size(), a.natal.PlanetaNatal.size() - 1);
        for (size_t i = 0; i < exterior.size(); ++i) {
            for (size_t j = i + 1; j < exterior.size(); ++j) {
                EXPECT_FALSE(Solapan(exterior[i], exterior[j])) << c.centro << " " << i << " " << j;
            }
            for (const Caja& k : interior) EXPECT_FALSE(Solapan(exterior[i], k)) << c.centro;
        }
    }
}

// Only cross aspects are drawn in the centre: as many coloured lines as the synastry's aspects
// that draw a line (no conjunctions or semisextiles), and none of the inner chart's own.
TEST(BiRueda, CentreHoldsOnlyTheCrossAspects) {
    SwissEphemeris eph;
    const Carta a = CalcularCarta(Persona("Ana", 14, 7, 1985, 9.5f, 40.4f), {}, eph);
    const Carta b = CalcularCarta(Persona("Luis", 2, 11, 1979, 17.75f, -33.9f), {}, eph);
    const Sinastria cruce = CalcularSinastria(a.natal, b.natal);
    const auto lineasAspecto = [](const RecordingSurface& s, const WheelGeometry& g) {
        int n = 0;
        for (const DrawOp& op : s.OpsOf(DrawOp::Kind::Line)) {
            const double r1 = std::hypot(op.x1 - g.CentroX, op.y1 - g.CentroY);
            const double r2 = std::hypot(op.x2 - g.CentroX, op.y2 - g.CentroY);
            if (std::fabs(r1 - g.Radio / 2.0) < 0.01 && std::fabs(r2 - g.Radio / 2.0) < 0.01) ++n;
        }
        return n;
    };
    int esperadas = 0;
    for (const AspectoHallado& h : cruce.aspectos) {
        const int ang = TablaAspectos[h.k].Angulo;
        if (ang != 0 && ang != 30) ++esperadas;
    }
    RecordingSurface s;
    WheelGeometry g;
    DibujarBiRueda(s, a, b, cruce, WheelHeader{}, g);
    EXPECT_EQ(lineasAspecto(s, g), esperadas);
    EXPECT_GT(esperadas, 0);

    // The plain wheel of the first chart draws its own lines, which the bi-wheel leaves out.
    RecordingSurface natal;
    WheelGeometry gn;
    DibujarRueda(natal, a.natal, *a.nacimiento, WheelHeader{}, gn);
    EXPECT_GT(lineasAspecto(natal, gn), 0);
}

}  // namespace
}  // namespace natalis
