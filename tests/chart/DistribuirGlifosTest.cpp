#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "ScriptedChart.h"
#include "chart/DistribuirGlifos.h"

namespace natalis {
namespace {

std::vector<int> Spread(NatalTables t) {
    DistribuirGlifos(t.PlanetaNatal);
    std::vector<int> pos;
    for (int i = 1; i <= 12; ++i) pos.push_back(t.PlanetaNatal[i].PosGrafica);
    return pos;
}

TEST(DistribuirGlifos, PointsWellApartKeepTheirRoundedLongitudes) {
    // Given out of order; at least 7 degrees between neighbours, also across 0 Aries.
    const NatalTables t =
        TablesAt({125, 2.5f, 65.5f, 35.4f, 95, 155, 185, 215, 245, 275, 305, 335});
    // Rounding halves to even: 2.5 -> 2, 65.5 -> 66.
    EXPECT_EQ(Spread(t), (std::vector<int>{125, 2, 66, 35, 95, 155, 185, 215, 245, 275, 305, 335}));
}

TEST(DistribuirGlifos, ThreeCrowdedPointsAlternateTracks) {
    // Worked example: Sun 100.2, Mercury 102.7, Venus 104.0 start at 100, 103, 104; Venus
    // and the Sun are pushed apart to 105 and 99, and Mercury (4 after the Sun) goes inside.
    NatalTables t = TablesAt({100.2f, 200, 102.7f, 104, 20, 40, 60, 150, 230, 260, 290, 320});
    EXPECT_EQ(Spread(t),
              (std::vector<int>{99, 200, -103, 105, 20, 40, 60, 150, 230, 260, 290, 320}));
    // The longitudes themselves are not touched.
    DistribuirGlifos(t.PlanetaNatal);
    EXPECT_EQ(t.PlanetaNatal[3].Lon, 102.7f);
}

TEST(DistribuirGlifos, LastAndFirstArePushedApartAcross0Aries) {
    // Worked example: 358.6 and 1.2 round to 359 and 1; half of the missing 4 degrees
    // moves each, to 357 and 3; the last and the first are never compared for tracks.
    const NatalTables t = TablesAt({30, 358.6f, 60, 90, 120, 1.2f, 150, 180, 210, 240, 270, 300});
    EXPECT_EQ(Spread(t), (std::vector<int>{30, 357, 60, 90, 120, 3, 150, 180, 210, 240, 270, 300}));
}

TEST(DistribuirGlifos, PointPushedBelow0IsDrawnAt359NotAtTheMirroredAngle) {
    // Hand computation: 0.4, 1.3, 2.2, 3.1 start at 0, 1, 2, 3. Two places apart they are
    // 2 degrees apart, so each pair moves 2 each way: -2, -1, 4, 5. On the circle those
    // are 358, 359, 4, 5; the second and the fourth are crowded against an outer
    // predecessor and go inside.
    const NatalTables t = TablesAt({0.4f, 1.3f, 2.2f, 3.1f, 40, 80, 120, 160, 200, 240, 280, 320});
    EXPECT_EQ(Spread(t),
              (std::vector<int>{358, -359, 4, -5, 40, 80, 120, 160, 200, 240, 280, 320}));
}

TEST(DistribuirGlifos, InnerTrackAt0IsWrittenAsMinus360) {
    // Hand computation: 0.2, 0.4, 1.6, 9 start at 0, 0, 2, 9; the first and the third move
    // apart to -2 and 4. The second (0) is crowded against the first and goes inside; as
    // there is no negative zero it is written -360. The fourth, 5 after the outer third,
    // goes inside too.
    const NatalTables t = TablesAt({0.2f, 0.4f, 1.6f, 9, 40, 80, 120, 160, 200, 240, 280, 320});
    EXPECT_EQ(Spread(t),
              (std::vector<int>{358, -360, 4, -9, 40, 80, 120, 160, 200, 240, 280, 320}));
}

TEST(DistribuirGlifos, PointRoundedTo360StaysCrowdedAgainstItsPredecessor) {
    // 355.8 and 359.6 round to 356 and 360, 4 apart: the later one goes inside, drawn at 0.
    const NatalTables t = TablesAt({20, 50, 80, 110, 140, 170, 200, 230, 260, 300, 355.8f, 359.6f});
    EXPECT_EQ(Spread(t),
              (std::vector<int>{20, 50, 80, 110, 140, 170, 200, 230, 260, 300, 356, -360}));
}

TEST(DistribuirGlifos, EveryAngleIsWithinOneTurn) {
    // A sweep of a tight cluster of all twelve points round the circle.
    for (int start = 0; start < 360; start += 5) {
        NatalTables t;
        for (int i = 1; i <= 12; ++i) t.PlanetaNatal[i].Lon = std::fmod(start + 1.5f * i, 360.f);
        DistribuirGlifos(t.PlanetaNatal);
        for (int i = 1; i <= 12; ++i) {
            const int p = t.PlanetaNatal[i].PosGrafica;
            EXPECT_GE(p, -360) << start << " " << i;
            EXPECT_LT(p, 360) << start << " " << i;
        }
    }
}

}  // namespace
}  // namespace natalis
