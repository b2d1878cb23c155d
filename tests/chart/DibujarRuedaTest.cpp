// The natal wheel drawn on a recording surface: rotation, sign cuts, cusps, the two tracks
// of the points, aspect lines and the header, checked in the window's own units.
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "chart/DibujarRueda.h"
#include "chart/RecordingSurface.h"

namespace natalis {
namespace {

constexpr double kPi = 3.141592653589793;
constexpr double kTol = 1e-4;  // units; the program's own sine differs from sin() by ~1e-6

double SinD(double deg) { return std::sin(deg * kPi / 180); }
double CosD(double deg) { return std::cos(deg * kPi / 180); }

// Twelve points spread round the wheel on the outer track, cusps every 30 degrees from asc.
NatalTables MakeTables(float asc) {
    NatalTables t;
    for (int i = 1; i <= 12; ++i) {
        float lon = std::fmod(asc + 30.0f * (i - 1), 360.0f);
        t.CuspideNatal[i].Lon = lon;
        t.CuspideNatal[i].Grado = static_cast<int16_t>(std::lround(std::fmod(lon, 30.0f)));
    }
    // Points spread round the wheel; their aspects do not matter to the geometry tests.
    const float lons[13] = {0, 3, 73, 143, 213, 283, 353, 0, 0, 0, 0, 0, 0};
    for (int i = 1; i <= 12; ++i) {
        PuntoNatal& p = t.PlanetaNatal[i];
        p.Lon = i <= 6 ? lons[i] : 300.0f + i;  // 307..312 stay out of the picture below
        p.Grado = static_cast<int16_t>(std::lround(std::fmod(p.Lon, 30.0f)));
        p.PosGrafica = static_cast<int16_t>(std::lround(p.Lon));
    }
    return t;
}

NatalRecord MakeRecord() {
    NatalRecord r;
    r.NatalNameFixed = " Ana Lucia Ferreyra           ";
    r.FechaNatalTexto = "5 3 1970";
    r.TimeText = "09:07:30";
    r.ZoneText = "03.00";
    r.LatText = "34.36S";
    r.LonText = "058.27W";
    r.Place = "Buenos Aires                  ";
    return r;
}

std::vector<DrawOp> Texts(const RecordingSurface& s, const std::string& face) {
    std::vector<DrawOp> out;
    for (const DrawOp& op : s.OpsOf(DrawOp::Kind::Text)) {
        if (op.face == face) out.push_back(op);
    }
    return out;
}

std::vector<DrawOp> VisibleLines(const RecordingSurface& s) {
    std::vector<DrawOp> out;
    for (const DrawOp& op : s.OpsOf(DrawOp::Kind::Line)) {
        if (op.lineStyle != LineStyle::Invisible && op.color != kBackground) out.push_back(op);
    }
    return out;
}

TEST(DibujarRuedaTest, StoresGeometryAndClearsFirst) {
    RecordingSurface s;
    WheelGeometry g;
    NatalTables t = MakeTables(100.4f);
    DibujarRueda(s, t, MakeRecord(), {}, g);
    EXPECT_EQ(g.CentroX, 60);
    EXPECT_EQ(g.CentroY, 36);
    EXPECT_EQ(g.Radio, 22);
    EXPECT_EQ(g.GiroAsc, 170);  // CInt(270 - 100.4)
    ASSERT_FALSE(s.Ops().empty());
    EXPECT_EQ(s.Ops().front().kind, DrawOp::Kind::Cls);
}

TEST(DibujarRuedaTest, BandIsDarkDiscEmptiedInsideWithMagentaOutlines) {
    RecordingSurface s;
    WheelGeometry g;
    DibujarRueda(s, MakeTables(0), MakeRecord(), {}, g);
    const std::vector<DrawOp> c = s.OpsOf(DrawOp::Kind::Circle);
    ASSERT_EQ(c.size(), 5u);
    struct Want {
        double r;
        Color outline;
        bool filled;
        Color fill;
    };
    const Want want[] = {{1.11 * 22, QBColor(8), true, QBColor(8)},
                         {0.96 * 22, QBColor(8), true, kBackground},
                         {0.5 * 22, QBColor(8), true, kBackground},
                         {0.96 * 22, QBColor(13), false, 0},
                         {1.12 * 22, QBColor(13), false, 0}};
    for (size_t i = 0; i < 5; ++i) {
        SCOPED_TRACE(i);
        EXPECT_DOUBLE_EQ(c[i].x1, 60);
        EXPECT_DOUBLE_EQ(c[i].y1, 36);
        EXPECT_NEAR(c[i].r, want[i].r, 1e-9);
        EXPECT_EQ(c[i].color, want[i].outline);
        EXPECT_EQ(c[i].fillStyle == FillStyle::Solid, want[i].filled);
        if (want[i].filled) {
            EXPECT_EQ(c[i].fillColor, want[i].fill);
        }
    }
    EXPECT_EQ(c[2].lineStyle, LineStyle::Solid);
}

// First sector cut and first sign glyph for several Ascendants (hand computation from the
// wheel's rules: cut at 270 - CInt(degree in sign), glyph of the Ascendant's sign 15 further).
TEST(DibujarRuedaTest, RotationAndFirstSignCut) {
    struct Case {
        float asc;
        int giro;
        double firstCut;
        const char* firstGlyph;
    };
    const Case cases[] = {
        {0.0f, 270, 270, "q"},    // Aries 0 at the left, the Aries glyph at 285
        {29.6f, 240, 240, "q"},   // 29.6 rounds to 30: the cut falls one sector early
        {45.0f, 225, 255, "w"},   // Taurus 15
        {359.7f, -90, 240, "]"},  // Pisces 29.7
        {180.5f, 90, 270, "u"},   // Libra 0.5 rounds to 0 (half to even)
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.asc);
        RecordingSurface s;
        WheelGeometry g;
        DibujarRueda(s, MakeTables(c.asc), MakeRecord(), {}, g);
        EXPECT_EQ(g.GiroAsc, c.giro);
        // The first cut: the first line drawn in the background colour from 0.98 R.
        const std::vector<DrawOp> lines = s.OpsOf(DrawOp::Kind::Line);
        ASSERT_FALSE(lines.empty());
        const DrawOp& cut = lines.front();
        EXPECT_EQ(cut.color, kBackground);
        EXPECT_NEAR(cut.x1, 60 + 0.98 * 22 * SinD(c.firstCut), kTol);
        EXPECT_NEAR(cut.y1, 36 + 0.98 * 22 * CosD(c.firstCut), kTol);
        EXPECT_NEAR(cut.x2, 60 + (0.98 + 0.1998) * 22 * SinD(c.firstCut), kTol);
        EXPECT_NEAR(cut.y2, 36 + (0.98 + 0.1998) * 22 * CosD(c.firstCut), kTol);
        const std::vector<DrawOp> glyphs = Texts(s, "OrreryAstro");
        ASSERT_GE(glyphs.size(), 12u);
        EXPECT_EQ(glyphs[0].text, c.firstGlyph);
        EXPECT_NEAR(glyphs[0].x1, 58.75 + 1.05 * 22 * SinD(c.firstCut + 15), kTol);
        EXPECT_NEAR(glyphs[0].y1, 35.2 + 1.05 * 22 * CosD(c.firstCut + 15), kTol);
        EXPECT_EQ(glyphs[0].color, QBColor(7));
        EXPECT_DOUBLE_EQ(glyphs[0].sizePt, 18);
        EXPECT_TRUE(glyphs[0].bold);
    }
}

TEST(DibujarRuedaTest, TwelveSignsInOrderWrappingAfterPisces) {
    RecordingSurface s;
    WheelGeometry g;
    DibujarRueda(s, MakeTables(250.0f), MakeRecord(), {}, g);  // Sagittarius 10
    const std::vector<DrawOp> glyphs = Texts(s, "OrreryAstro");
    std::string signs;
    for (size_t i = 0; i < 12; ++i) signs += glyphs[i].text;
    EXPECT_EQ(signs, "op[]qwertyui");
}

TEST(DibujarRuedaTest, CuspLinesAndNumbers) {
    RecordingSurface s;
    WheelGeometry g;
    NatalTables t = MakeTables(100.4f);
    DibujarRueda(s, t, MakeRecord(), {}, g);
    // The cusp lines are the visible lines from 11 units out to 20.9 units.
    std::vector<DrawOp> cusps;
    for (const DrawOp& op : VisibleLines(s)) {
        if (std::abs(std::hypot(op.x1 - 60, op.y1 - 36) - 11) < 1e-3 &&
            std::abs(std::hypot(op.x2 - 60, op.y2 - 36) - 20.9) < 1e-3) {
            cusps.push_back(op);
        }
    }
    ASSERT_EQ(cusps.size(), 12u);
    std::vector<DrawOp> numbers;
    for (const DrawOp& op : s.OpsOf(DrawOp::Kind::Text)) {
        if (op.sizePt == 10 && op.color == QBColor(0)) numbers.push_back(op);
    }
    ASSERT_EQ(numbers.size(), 12u);
    for (int i = 1; i <= 12; ++i) {
        SCOPED_TRACE(i);
        const DrawOp& line = cusps[i - 1];
        const double theta = 170 + t.CuspideNatal[i].Lon;
        const bool angular = i == 1 || i == 4 || i == 7 || i == 10;
        EXPECT_NEAR(line.x1, 60 + 11 * SinD(theta), kTol);
        EXPECT_NEAR(line.y1, 36 + 11 * CosD(theta), kTol);
        EXPECT_NEAR(line.x2, 60 + 20.9 * SinD(theta), kTol);
        EXPECT_NEAR(line.y2, 36 + 20.9 * CosD(theta), kTol);
        EXPECT_EQ(line.color, angular ? QBColor(15) : kGrey128);
        EXPECT_EQ(line.width, (i == 1 || i == 10) ? 2 : 1);
        const DrawOp& n = numbers[i - 1];
        EXPECT_NEAR(n.x1, 60 - (angular ? 1.7 : 1.5) + 22 * SinD(theta), kTol);
        EXPECT_NEAR(n.y1, 35.45 + 22 * CosD(theta), kTol);
        EXPECT_EQ(n.text, " " + std::to_string(t.CuspideNatal[i].Grado) + " ");
        EXPECT_TRUE(n.newLine);
    }
}

TEST(DibujarRuedaTest, PointsOnOuterAndInnerTrack) {
    RecordingSurface s;
    WheelGeometry g;
    NatalTables t = MakeTables(0);       // GiroAsc 270
    t.PlanetaNatal[3].PosGrafica = -73;  // Mercury sent to the inner track
    DibujarRueda(s, t, MakeRecord(), {}, g);
    // The points print in yellow: glyph and number of each point in turn.
    std::vector<DrawOp> glyphs;
    for (const DrawOp& op : Texts(s, "OrreryAstro")) {
        if (op.color == QBColor(14)) glyphs.push_back(op);
    }
    ASSERT_EQ(glyphs.size(), 24u);
    const double sizes[13] = {0, 16, 14, 16, 16, 16, 15, 18, 16, 14, 16, 13, 13};
    const std::string planetGlyphs = "asdfghjkl;A:";
    for (int i = 1; i <= 12; ++i) {
        SCOPED_TRACE(i);
        const DrawOp& glyph = glyphs[2 * (i - 1)];
        const DrawOp& number = glyphs[2 * (i - 1) + 1];
        const double theta = std::abs(t.PlanetaNatal[i].PosGrafica) + 270;
        const bool inner = i == 3;
        const double rg = inner ? 0.75 * 19.8 : 19.8;         // 0.675 R or 0.9 R
        const double rn = inner ? 0.63 * 19.8 : 0.88 * 19.8;  // 0.567 R or 0.792 R
        EXPECT_EQ(glyph.text, planetGlyphs.substr(i - 1, 1));
        EXPECT_EQ(glyph.color, QBColor(14));
        EXPECT_DOUBLE_EQ(glyph.sizePt, sizes[i]);
        EXPECT_NEAR(glyph.x1, 59 + rg * SinD(theta), kTol);
        EXPECT_NEAR(glyph.y1, 35 + rg * CosD(theta), kTol);
        EXPECT_EQ(number.text, " " + std::to_string(t.PlanetaNatal[i].Grado) + " ");
        EXPECT_DOUBLE_EQ(number.sizePt, 9);
        EXPECT_EQ(number.color, QBColor(14));
        EXPECT_NEAR(number.x1, 59 + rn * SinD(theta), kTol);
        EXPECT_NEAR(number.y1, 35.4 + rn * CosD(theta), kTol);
    }
}

// Sun and Moon placed at a separation, every other point far from both (hand-checked).
TEST(DibujarRuedaTest, AspectLinesBetweenTwoPlanets) {
    struct Case {
        float sep;
        int lines;  // drawn twice, once from each side
        Color color;
        LineStyle style;
    };
    const Case cases[] = {
        {0, 0, 0, LineStyle::Solid},
        {30, 0, 0, LineStyle::Solid},
        {90, 2, QBColor(12), LineStyle::Solid},
        {180, 2, QBColor(12), LineStyle::Solid},
        {120, 2, QBColor(11), LineStyle::Solid},
        {60, 2, QBColor(11), LineStyle::Solid},
        {45, 2, QBColor(13), LineStyle::Dot},
        {135, 2, QBColor(13), LineStyle::Dot},
        {150, 2, QBColor(13), LineStyle::Dot},
        {51, 0, 0, LineStyle::Solid},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.sep);
        NatalTables t = MakeTables(0);  // GiroAsc 270
        // The other planets at 263..270, whose display angles differ from both ends.
        for (int i = 3; i <= 10; ++i) {
            t.PlanetaNatal[i].Lon = 260.0f + i;
            t.PlanetaNatal[i].PosGrafica = static_cast<int16_t>(260 + i);
        }
        t.PlanetaNatal[1].Lon = 20;
        t.PlanetaNatal[2].Lon = 20 + c.sep;
        t.PlanetaNatal[1].PosGrafica = 20;
        t.PlanetaNatal[2].PosGrafica = static_cast<int16_t>(20 + c.sep);
        RecordingSurface s;
        WheelGeometry g;
        DibujarRueda(s, t, MakeRecord(), {}, g);
        const double th1 = 20 + 270, th2 = 20 + c.sep + 270;
        const double ax = 60 + 11 * SinD(th1), ay = 36 + 11 * CosD(th1);
        const double bx = 60 + 11 * SinD(th2), by = 36 + 11 * CosD(th2);
        int found = 0;
        for (const DrawOp& op : VisibleLines(s)) {
            const bool ab = std::hypot(op.x1 - ax, op.y1 - ay) < 1e-3 &&
                            std::hypot(op.x2 - bx, op.y2 - by) < 1e-3;
            const bool ba = std::hypot(op.x1 - bx, op.y1 - by) < 1e-3 &&
                            std::hypot(op.x2 - ax, op.y2 - ay) < 1e-3;
            if (!ab && !ba) continue;
            ++found;
            EXPECT_EQ(op.color, c.color);
            EXPECT_EQ(op.lineStyle, c.style);
        }
        EXPECT_EQ(found, c.lines);
    }
}

TEST(DibujarRuedaTest, InnerTrackPointsAspectLinesEndOnTheInnerCircle) {
    NatalTables t = MakeTables(0);
    for (int i = 3; i <= 10; ++i) {
        t.PlanetaNatal[i].Lon = 260.0f + i;
        t.PlanetaNatal[i].PosGrafica = static_cast<int16_t>(260 + i);
    }
    t.PlanetaNatal[1].Lon = 20;
    t.PlanetaNatal[2].Lon = 110;  // square
    t.PlanetaNatal[1].PosGrafica = 20;
    t.PlanetaNatal[2].PosGrafica = -112;  // inner track, shifted display angle
    RecordingSurface s;
    WheelGeometry g;
    DibujarRueda(s, t, MakeRecord(), {}, g);
    const double bx = 60 + 11 * SinD(112 + 270), by = 36 + 11 * CosD(112 + 270);
    int found = 0;
    for (const DrawOp& op : VisibleLines(s)) {
        if (op.color != QBColor(12)) continue;
        if (std::hypot(op.x2 - bx, op.y2 - by) < 1e-3 || std::hypot(op.x1 - bx, op.y1 - by) < 1e-3)
            ++found;
    }
    EXPECT_EQ(found, 2);
}

TEST(DibujarRuedaTest, AspectToTheAnglesUsesTheirLongitude) {
    NatalTables t = MakeTables(0);
    for (int i = 2; i <= 10; ++i) t.PlanetaNatal[i].Lon = 200.0f + i;
    t.PlanetaNatal[1].Lon = 130;
    t.PlanetaNatal[1].PosGrafica = 130;
    t.CuspideNatal[1].Lon = 10;    // trine to the Sun
    t.CuspideNatal[10].Lon = 300;  // no aspect to the Sun (170)
    RecordingSurface s;
    WheelGeometry g;
    DibujarRueda(s, t, MakeRecord(), {}, g);
    EXPECT_EQ(g.GiroAsc, 260);
    const double ax = 60 + 11 * SinD(130 + 260), ay = 36 + 11 * CosD(130 + 260);
    const double bx = 60 + 11 * SinD(10 + 260), by = 36 + 11 * CosD(10 + 260);
    int found = 0;
    for (const DrawOp& op : VisibleLines(s)) {
        if (std::hypot(op.x1 - ax, op.y1 - ay) < 1e-3 &&
            std::hypot(op.x2 - bx, op.y2 - by) < 1e-3) {
            ++found;
            EXPECT_EQ(op.color, QBColor(11));
        }
    }
    EXPECT_EQ(found, 1);  // only the Sun's side visits the Ascendant
}

// The wheel is built up in layers: band, signs, cusps, points, aspect lines, header. A later
// layer painted first would be covered by an earlier one.
TEST(DibujarRuedaTest, LayersAreDrawnInOrder) {
    NatalTables t = MakeTables(0);
    t.PlanetaNatal[2].Lon = 93;  // square to the Sun at 3: one visible aspect line at least
    RecordingSurface s;
    WheelGeometry g;
    DibujarRueda(s, t, MakeRecord(), {}, g);
    const std::vector<DrawOp>& ops = s.Ops();
    auto first = [&](auto pred) {
        for (size_t i = 0; i < ops.size(); ++i) {
            if (pred(ops[i])) return static_cast<long>(i);
        }
        return -1L;
    };
    auto last = [&](auto pred) {
        for (size_t i = ops.size(); i-- > 0;) {
            if (pred(ops[i])) return static_cast<long>(i);
        }
        return -1L;
    };
    using K = DrawOp::Kind;
    const auto circle = [](const DrawOp& op) { return op.kind == K::Circle; };
    const auto sign = [](const DrawOp& op) { return op.kind == K::Text && op.color == QBColor(7); };
    const auto cusp = [](const DrawOp& op) {
        return op.kind == K::Line && (op.color == QBColor(15) || op.color == kGrey128);
    };
    const auto point = [](const DrawOp& op) {
        return op.kind == K::Text && op.color == QBColor(14);
    };
    const auto aspect = [](const DrawOp& op) {
        return op.kind == K::Line && op.lineStyle != LineStyle::Invisible &&
               (op.color == QBColor(11) || op.color == QBColor(12) || op.color == QBColor(13));
    };
    const auto header = [](const DrawOp& op) { return op.kind == K::Text && op.face == "Arial"; };
    ASSERT_GE(first(aspect), 0);
    EXPECT_EQ(first([](const DrawOp& op) { return op.kind == K::Cls; }), 0);
    EXPECT_LT(last(circle), first(sign));
    EXPECT_LT(last(sign), first(cusp));
    EXPECT_LT(last(cusp), first(point));
    EXPECT_LT(last(point), first(aspect));
    EXPECT_LT(last(aspect), first(header));
}

// The rings drawn next start from what the wheel leaves: pen width 1 (the last cusp is not
// angular), transparent fill, and the header's font, Arial 12 regular.
TEST(DibujarRuedaTest, LeavesThinPenTransparentFillAndTheHeaderFont) {
    RecordingSurface s;
    s.SetDrawWidth(3);
    s.SetFillStyle(FillStyle::Solid);
    WheelGeometry g;
    DibujarRueda(s, MakeTables(100.4f), MakeRecord(), {}, g);
    s.Print("x", false);
    const DrawOp after = s.Ops().back();
    EXPECT_EQ(after.width, 1);
    EXPECT_EQ(after.fillStyle, FillStyle::Transparent);
    EXPECT_EQ(after.face, "Arial");
    EXPECT_DOUBLE_EQ(after.sizePt, 12);
    EXPECT_FALSE(after.bold);
    EXPECT_EQ(after.color, QBColor(15));
}

TEST(LineaAspectoTest, ColourAndStyleByAngle) {
    struct Case {
        int angle;
        bool drawn;
        Color color;
        LineStyle style;
    };
    const Case cases[] = {
        {0, false, 0, LineStyle::Invisible},       {30, false, 0, LineStyle::Invisible},
        {60, true, QBColor(11), LineStyle::Solid}, {120, true, QBColor(11), LineStyle::Solid},
        {90, true, QBColor(12), LineStyle::Solid}, {180, true, QBColor(12), LineStyle::Solid},
        {45, true, QBColor(13), LineStyle::Dot},   {135, true, QBColor(13), LineStyle::Dot},
        {150, true, QBColor(13), LineStyle::Dot},
    };
    WheelGeometry g{60, 36, 22, 270};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.angle);
        RecordingSurface s;
        LineaAspecto(s, g, c.angle, 0, 90);
        const std::vector<DrawOp> lines = VisibleLines(s);
        ASSERT_EQ(lines.size(), c.drawn ? 1u : 0u);
        if (!c.drawn) continue;
        // From 11 units straight down to 11 units to the right of the centre.
        EXPECT_NEAR(lines[0].x1, 60, kTol);
        EXPECT_NEAR(lines[0].y1, 47, kTol);
        EXPECT_NEAR(lines[0].x2, 71, kTol);
        EXPECT_NEAR(lines[0].y2, 36, kTol);
        EXPECT_EQ(lines[0].color, c.color);
        EXPECT_EQ(lines[0].lineStyle, c.style);
    }
}

std::string HeaderLine(const RecordingSurface& s, int line) {
    std::string text;
    int current = 0;
    for (const DrawOp& op : Texts(s, "Arial")) {
        if (current == line) text += op.text;
        if (op.newLine) ++current;
    }
    return text;
}

TEST(DibujarRuedaTest, HeaderWithTheChartsOwnTime) {
    RecordingSurface s;
    WheelGeometry g;
    DibujarRueda(s, MakeTables(0), MakeRecord(), {"", "Plácido"}, g);
    EXPECT_EQ(HeaderLine(s, 0),
              "Ana Lucia Ferreyra   5 3 1970   Hora 09:07:30    huso: 03.00    Lat: 34.36S    "
              "Long: 058.27W   Buenos Aires                  ");
    EXPECT_EQ(HeaderLine(s, 1), "Casas Plácido");
    const std::vector<DrawOp> header = Texts(s, "Arial");
    EXPECT_DOUBLE_EQ(header.front().x1, 26);
    EXPECT_DOUBLE_EQ(header.front().y1, 1);
    EXPECT_DOUBLE_EQ(header.front().sizePt, 12);
    EXPECT_FALSE(header.front().bold);
    EXPECT_EQ(header.front().color, QBColor(15));
    EXPECT_DOUBLE_EQ(header.back().x1, 26);
    EXPECT_DOUBLE_EQ(header.back().y1, 3);
}

TEST(DibujarRuedaTest, HeaderWithAChangedTimeAndNoCheckedSystem) {
    RecordingSurface s;
    WheelGeometry g;
    DibujarRueda(s, MakeTables(0), MakeRecord(), {"14 30 00", ""}, g);
    EXPECT_NE(HeaderLine(s, 0).find("   Hora 14 30 00    huso: "), std::string::npos);
    EXPECT_EQ(HeaderLine(s, 0).find("09:07:30"), std::string::npos);
    EXPECT_EQ(HeaderLine(s, 1), "Casas ");
}

}  // namespace
}  // namespace natalis
