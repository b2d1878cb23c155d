// The start screen drawn on a recording surface with a fixed clock and a scripted sky.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/session/MostrarInicio.h"
#include "chart/RecordingSurface.h"
#include "tests/app/FakeClock.h"
#include "tests/astro/ScriptedEphemeris.h"

namespace natalis {
namespace {

struct StartScreen : ::testing::Test {
    void SetUp() override {
        clock.now = {2024, 3, 5, 14, 35, 10};
        clock.zone = Zone(180);  // 3 h west of Greenwich, standard time
        // Body b at 33 b + 1.5 degrees: 01Ari30, 04Tau30 ... 28Cap30.
        for (int b = 0; b < 10; ++b) eph.today[b] = eph.tomorrow[b] = 33 * b + 1.5;
        MostrarInicio(surface, clock, eph, Planet);
        texts = surface.OpsOf(DrawOp::Kind::Text);
    }

    // The point plotted just before the i-th printed text.
    DrawOp PointBefore(size_t textIndex) const {
        size_t seen = 0;
        const DrawOp* last = nullptr;
        for (const DrawOp& op : surface.Ops()) {
            if (op.kind == DrawOp::Kind::Point) last = &op;
            if (op.kind == DrawOp::Kind::Text && seen++ == textIndex) break;
        }
        return last ? *last : DrawOp{};
    }

    FakeClock clock;
    ScriptedEphemeris eph;
    PlanetTable Planet{};
    RecordingSurface surface;
    std::vector<DrawOp> texts;
};

TEST_F(StartScreen, HeadingsAndHint) {
    ASSERT_EQ(texts.size(), 13u);  // two lines, five glyph rows, five position rows, heading
    EXPECT_EQ(texts[0].text, "<···  CARTAS NATALES DISPONIBLES");
    EXPECT_DOUBLE_EQ(texts[0].x1, 36);
    EXPECT_DOUBLE_EQ(texts[0].y1, 3);
    EXPECT_EQ(texts[0].face, "Microsoft Sans Serif");
    EXPECT_DOUBLE_EQ(texts[0].sizePt, 12);
    EXPECT_TRUE(texts[0].bold);
    EXPECT_EQ(texts[0].color, QBColor(11));
    EXPECT_EQ(PointBefore(0).color, kBackground);

    EXPECT_EQ(texts[1].text, " Se pueden crear otras con el menú Nueva Carta");
    EXPECT_DOUBLE_EQ(texts[1].x1, 39);
    EXPECT_DOUBLE_EQ(texts[1].y1, 6);
    EXPECT_FALSE(texts[1].bold);
    EXPECT_EQ(texts[1].color, QBColor(11));
    EXPECT_EQ(PointBefore(1).color, QBColor(11));  // this point shows, in the fore colour

    const DrawOp& heading = texts.back();
    EXPECT_EQ(heading.text, "TRÁNSITOS");
    EXPECT_DOUBLE_EQ(heading.x1, 56);
    EXPECT_DOUBLE_EQ(heading.y1, 15);
    EXPECT_DOUBLE_EQ(heading.sizePt, 14);
    EXPECT_TRUE(heading.bold);
    EXPECT_EQ(heading.color, QBColor(10));
    EXPECT_EQ(PointBefore(12).color, QBColor(10));
}

TEST_F(StartScreen, GlyphRowsInTwoColumns) {
    const char* rows[5] = {"a", "d", "g", "j", "l"};
    const char* second[5] = {"s", "f", "h", "k", ";"};
    for (int k = 0; k < 5; ++k) {
        SCOPED_TRACE(k);
        const DrawOp& row = texts[2 + k];
        EXPECT_EQ(row.text, std::string(rows[k]) + std::string(16, ' ') + second[k]);
        EXPECT_DOUBLE_EQ(row.x1, 40);
        EXPECT_DOUBLE_EQ(row.y1, 20 + 10 * k);
        EXPECT_EQ(row.face, "orreryAstro");
        EXPECT_DOUBLE_EQ(row.sizePt, 24);
        EXPECT_TRUE(row.bold);
        EXPECT_EQ(row.color, QBColor(14));
    }
}

TEST_F(StartScreen, PositionRowsWith28_30_31Blanks) {
    const char* expected[5] = {
        "01Ari30"
        "                            "
        "04Tau30",  // 28 blanks
        "07Gem30"
        "                            "
        "10Can30",  // 28
        "13Leo30"
        "                              "
        "16Vir30",  // 30
        "19Lib30"
        "                              "
        "22Sco30",  // 30
        "25Sag30"
        "                               "
        "28Cap30",  // 31
    };
    for (int k = 0; k < 5; ++k) {
        SCOPED_TRACE(k);
        const DrawOp& row = texts[7 + k];
        EXPECT_EQ(row.text, expected[k]);
        EXPECT_DOUBLE_EQ(row.x1, 45);
        EXPECT_DOUBLE_EQ(row.y1, 20 + 10 * k);
        EXPECT_EQ(row.face, "Microsoft Sans Serif");
        EXPECT_DOUBLE_EQ(row.sizePt, 16);
        EXPECT_TRUE(row.bold);
        EXPECT_EQ(row.color, QBColor(15));
    }
}

// 5 March 2024 at 0 h is JD 2460374.5 (1 January 2024 is 2460310.5, plus 64 days); 14:35
// local, 3 h west, is 17:35 UT = 0.7326389 of a day. Seconds are not counted.
TEST_F(StartScreen, SkyIsComputedForTheUniversalTimeOfNow) {
    ASSERT_FALSE(eph.calls.empty());
    EXPECT_NEAR(eph.calls.front().jd, 2460374.5 + (14 + 35 / 60.0 + 3) / 24, 2e-5);
    EXPECT_FLOAT_EQ(Planet[1].Lon, 1.5f);  // the planet table keeps the present sky
    EXPECT_FLOAT_EQ(Planet[10].Lon, 298.5f);
}

TEST(StartScreenNearMidnight, FractionCarriesIntoTheNextDay) {
    FakeClock clock({2024, 3, 5, 23, 0, 0}, Zone(180));  // 02:00 UT on the 6th
    ScriptedEphemeris eph;
    PlanetTable Planet{};
    RecordingSurface s;
    MostrarInicio(s, clock, eph, Planet);
    ASSERT_FALSE(eph.calls.empty());
    EXPECT_NEAR(eph.calls.front().jd, 2460374.5 + 26.0 / 24, 2e-5);
}

}  // namespace
}  // namespace natalis
