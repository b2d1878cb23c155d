#include <gtest/gtest.h>

#include <cmath>

#include "astro/AngleMath.h"
#include "chart/Glyphs.h"
#include "chart/RecordingSurface.h"
#include "chart/Rings.h"

namespace natalis {
namespace {

constexpr WheelGeometry kRueda = {60, 36, 22, 0};

// Progressed bodies 1..10 at the given longitudes.
ProgTables Progresion(const std::array<float, 10>& lon) {
    ProgTables p;
    for (int i = 1; i <= 10; ++i) {
        p.PlanetaProg[i].Lon = lon[i - 1];
        p.PlanetaProg[i].Grado = static_cast<int16_t>(i);
    }
    for (int i = 1; i <= 12; ++i) {
        p.CuspideProg[i].Lon = 30.0f * (i - 1);
        p.CuspideProg[i].Grado = static_cast<int16_t>(i + 10);
    }
    return p;
}

PlanetTable Transito(const std::array<float, 10>& lon) {
    PlanetTable t{};
    for (int i = 1; i <= 10; ++i) t[i].Lon = lon[i - 1];
    return t;
}

int AnguloDe(const AngulosAnillo& a, int cuerpo) {
    for (const AnguloGlifo& g : a) {
        if (g.cuerpo == cuerpo) return g.angulo;
    }
    return -1000;
}

// Circular distance between two display angles.
int Separacion(int a, int b) {
    int d = ((a - b) % 360 + 360) % 360;
    return std::min(d, 360 - d);
}

const std::array<float, 10> kLejos = {100, 101, 102, 150, 190, 230, 260, 290, 320, 40};

TEST(AngulosProgresion, CrowdedBodiesKeepFourDegreesApart) {
    // Worked example: 100, 101 and 102 are drawn at 100, 104 and 108.
    const auto a = AngulosProgresion(Progresion(kLejos), 0);
    EXPECT_EQ(AnguloDe(a, 1), 100);
    EXPECT_EQ(AnguloDe(a, 2), 104);
    EXPECT_EQ(AnguloDe(a, 3), 108);
    EXPECT_EQ(AnguloDe(a, 4), 150);
}

TEST(AngulosProgresion, RotationAndRoundingGiveTheDisplayAngle) {
    // GiroAsc 170: 100.4 + 170 = 270.4 rounds to 270; 290.5 + 170 = 460.5 rounds to the even
    // 460 and comes back as 100.
    auto lon = kLejos;
    lon[0] = 100.4f;
    lon[7] = 290.5f;
    const auto a = AngulosProgresion(Progresion(lon), 170);
    EXPECT_EQ(AnguloDe(a, 1) % 360, 270);
    EXPECT_EQ(AnguloDe(a, 8) % 360, 100);
}

TEST(AngulosProgresion, BodiesOnBothSidesOfZeroAreSeparatedNotThrownForward) {
    // Two bodies at 358 and 1: the first stays, the second moves on to 4 degrees after it.
    auto lon = kLejos;
    lon[0] = 358;
    lon[1] = 1;
    const auto a = AngulosProgresion(Progresion(lon), 0);
    EXPECT_EQ(AnguloDe(a, 1) % 360, 358);
    EXPECT_EQ(AnguloDe(a, 2) % 360, 2);
    for (const AnguloGlifo& x : a) {
        for (const AnguloGlifo& y : a) {
            if (x.cuerpo != y.cuerpo) {
                EXPECT_GE(Separacion(x.angulo, y.angulo), 4);
            }
        }
    }
}

TEST(AngulosTransito, FiveDegreesApartAndWrappedPast360) {
    // Worked examples: 100, 101, 102 drawn at 100, 105, 110; 357 and 359 at 357 and 2.
    const auto a = AngulosTransito(Transito(kLejos), 0);
    EXPECT_EQ(AnguloDe(a, 1), 100);
    EXPECT_EQ(AnguloDe(a, 2), 105);
    EXPECT_EQ(AnguloDe(a, 3), 110);
    auto lon = kLejos;
    lon[0] = 357;
    lon[1] = 359;
    lon[2] = 200;
    const auto b = AngulosTransito(Transito(lon), 0);
    EXPECT_EQ(AnguloDe(b, 1), 357);
    EXPECT_EQ(AnguloDe(b, 2), 2);
}

TEST(GradoTransito, WholeDivisionOfTheRoundedLongitude) {
    // Worked examples: 59.6 prints 0 (where the natal rule gives 30); 29.7 prints 0.
    EXPECT_EQ(GradoTransito(59.6f), 0);
    EXPECT_EQ(GradoTransito(29.7f), 0);
    EXPECT_EQ(GradoTransito(45.2f), 15);
    EXPECT_EQ(GradoTransito(0.4f), 0);
}

// Text operations of a colour, in drawing order.
std::vector<DrawOp> Textos(const RecordingSurface& s, Color c) {
    std::vector<DrawOp> r;
    for (const DrawOp& op : s.OpsOf(DrawOp::Kind::Text)) {
        if (op.color == c) r.push_back(op);
    }
    return r;
}

TEST(DibujarTransito, GlyphsOutsideTheProgressedRingOnlyWhenThereIsOne) {
    const Color azul = 0x32C8FA;
    for (const bool hayProgresion : {true, false}) {
        RecordingSurface s;
        DibujarTransito(s, kRueda, Transito(kLejos), hayProgresion);
        const auto t = Textos(s, azul);
        ASSERT_EQ(t.size(), 20u);  // a glyph and a number per body
        const double rGlifo = hayProgresion ? 1.5 * 22 : 1.3 * 22;
        const double rNumero = hayProgresion ? 1.42 * 22 : 1.2 * 22;
        for (size_t k = 0; k < t.size(); k += 2) {
            EXPECT_NEAR(std::hypot(t[k].x1 - 59, t[k].y1 - 35), rGlifo, 1e-3);
            EXPECT_EQ(t[k].sizePt, 15);
            EXPECT_EQ(t[k].face, "OrreryAstro");
            EXPECT_FALSE(t[k].bold);
            EXPECT_NEAR(std::hypot(t[k + 1].x1 - 58.5, t[k + 1].y1 - 35.4), rNumero, 1e-3);
            EXPECT_EQ(t[k + 1].sizePt, 9);
        }
        // The first body drawn is Pluto at 40 degrees: screen angle 40, its glyph.
        EXPECT_EQ(t[0].text, GlifoPlaneta(10));
        EXPECT_NEAR(t[0].x1, 59 + rGlifo * gSEN(40), 1e-4);
        EXPECT_NEAR(t[0].y1, 35 + rGlifo * gCOS(40), 1e-4);
        EXPECT_EQ(t[1].text, " 10 ");  // 40 degrees is 10 of Taurus
    }
}

TEST(DibujarProgresion, OutlinesCuspsAndBodies) {
    RecordingSurface s;
    DibujarProgresion(s, kRueda, Progresion(kLejos));
    const auto circulos = s.OpsOf(DrawOp::Kind::Circle);
    ASSERT_EQ(circulos.size(), 2u);
    EXPECT_NEAR(circulos[0].r, 1.12 * 22, 1e-9);
    EXPECT_EQ(circulos[0].color, QBColor(13));
    EXPECT_NEAR(circulos[1].r, 1.36 * 22, 1e-9);
    EXPECT_EQ(circulos[1].color, QBColor(8));

    // Visible cusp ticks from 1.12 R, 0.21 R long; wide and white for ASC and MC, white for
    // IC and DSC, light grey for the rest.
    std::vector<DrawOp> ticks;
    for (const DrawOp& op : s.OpsOf(DrawOp::Kind::Line)) {
        if (op.lineStyle == LineStyle::Solid) ticks.push_back(op);
    }
    ASSERT_EQ(ticks.size(), 12u);
    for (int i = 1; i <= 12; ++i) {
        const DrawOp& l = ticks[i - 1];
        EXPECT_NEAR(std::hypot(l.x1 - 60, l.y1 - 36), 1.12 * 22, 1e-4) << i;
        EXPECT_NEAR(std::hypot(l.x2 - 60, l.y2 - 36), 1.33 * 22, 1e-4) << i;
        EXPECT_EQ(l.width, (i == 1 || i == 10) ? 2 : 1) << i;
        const bool angular = i == 1 || i == 4 || i == 7 || i == 10;
        EXPECT_EQ(l.color, QBColor(angular ? 15 : 7)) << i;
    }
    const auto blancos = Textos(s, QBColor(15));
    ASSERT_EQ(blancos.size(), 12u);
    EXPECT_EQ(blancos[0].text, " 11 ");
    EXPECT_EQ(blancos[0].face, "OrreryAstro");

    const auto verdes = Textos(s, QBColor(10));
    ASSERT_EQ(verdes.size(), 20u);
    for (size_t k = 0; k < verdes.size(); k += 2) {
        EXPECT_NEAR(std::hypot(verdes[k].x1 - 59, verdes[k].y1 - 35), 1.27 * 22, 1e-3);
        EXPECT_EQ(verdes[k].sizePt, 15);
        EXPECT_NEAR(std::hypot(verdes[k + 1].x1 - 58.5, verdes[k + 1].y1 - 35.4), 1.17 * 22, 1e-3);
        EXPECT_EQ(verdes[k + 1].sizePt, 9);
    }
    EXPECT_EQ(verdes[0].text, GlifoPlaneta(10));  // the body at 40 degrees comes first
    EXPECT_EQ(verdes[1].text, " 10 ");
}

TEST(DibujarProgresion, CuspNumbersStandBeyondTheTicksFromTheOffsetOrigin) {
    // Hand computation: from (0.98 CentroX, 0.99 CentroY) an invisible step of 1.12 R and a
    // further 1.2 * 0.21 R along the cusp's screen angle; the number is printed there in the
    // new glyph font's own size, before any size is set.
    constexpr WheelGeometry g = {60, 36, 22, 30};
    ProgTables p = Progresion(kLejos);
    for (int i = 1; i <= 12; ++i) p.CuspideProg[i].Lon = 17.0f + 29.0f * (i - 1);
    RecordingSurface s;
    DibujarProgresion(s, g, p);
    const auto numeros = Textos(s, QBColor(15));
    ASSERT_EQ(numeros.size(), 12u);
    const double r = (1.12 + 1.2 * 0.21) * 22;
    for (int i = 1; i <= 12; ++i) {
        const double theta = 30 + p.CuspideProg[i].Lon;
        const DrawOp& n = numeros[i - 1];
        EXPECT_NEAR(n.x1, 0.98 * 60 + r * gSEN(theta), 1e-4) << i;
        EXPECT_NEAR(n.y1, 0.99 * 36 + r * gCOS(theta), 1e-4) << i;
        EXPECT_EQ(n.text, " " + std::to_string(i + 10) + " ") << i;
        EXPECT_EQ(n.sizePt, numeros[0].sizePt);
        EXPECT_NE(n.sizePt, 9);
        EXPECT_NE(n.sizePt, 15);
    }
    // The invisible lines that carry the cursor are not drawn.
    for (const DrawOp& op : s.OpsOf(DrawOp::Kind::Line)) {
        if (op.lineStyle != LineStyle::Invisible) {
            EXPECT_NEAR(std::hypot(op.x1 - 60, op.y1 - 36), 1.12 * 22, 1e-4);
        }
    }
}

}  // namespace
}  // namespace natalis
