// Where the windows go: the main window fitted to small screens at every scale factor, a
// remembered place brought back onto the screen, the other windows over or beside it.
#include <gtest/gtest.h>

#include <cstdlib>

#include "app/model/WindowPlacement.h"

namespace natalis {
namespace {

// The designed view (958 x 677) under a 22 px menu bar.
constexpr int kViewW = 958, kViewH = 677, kMenuH = 22, kMinW = 200, kMinH = 140;

WinRect Frame(const WinRect& client, const WinMargins& m) {
    return {client.x - m.left, client.y - m.top, client.width + m.left + m.right,
            client.height + m.top + m.bottom};
}

TEST(LogicalArea, DividesByTheScaleFactor) {
    struct Row {
        double dpr;
        WinRect expected;
    };
    const Row rows[] = {{1.0, {0, 0, 1366, 768}},
                        {1.5, {0, 0, 911, 512}},
                        {2.0, {0, 0, 683, 384}},
                        {0.0, {0, 0, 1366, 768}}};
    for (const Row& r : rows) {
        EXPECT_EQ(LogicalArea({0, 0, 1366, 768}, r.dpr), r.expected) << r.dpr;
    }
}

// A 1366 x 768 screen with a 32 px panel at the top, at scale factors 1, 1.5 and 2: the
// window with its frame lies inside the available area, keeps the view's proportions, and is
// as large as that allows (the designed size when it fits).
TEST(FitMainWindow, SmallScreenAtEveryScaleFactor) {
    struct Row {
        double dpr;
        int viewW;  // hand computation: the view's height is what the area leaves, 10 : 7
    };
    // 1: 736 - 36 - 22 = 678 >= 677 rows, the designed size. 1.5: 736 / 1.5 = 491 rows of
    // area, 491 - 36 - 22 = 433, 433 * 958 / 677 = 612.7. 2: 368 - 58 = 310, 310 * 958 / 677
    // = 438.7.
    const Row rows[] = {{1.0, 958}, {1.5, 612}, {2.0, 438}};
    for (const Row& r : rows) {
        SCOPED_TRACE(r.dpr);
        const WinRect area = LogicalArea({0, 32, 1366, 736}, r.dpr);
        const WinRect client =
            FitMainWindow(area, kViewW, kViewH, kMenuH, kFrameAllowance, kMinW, kMinH);
        EXPECT_TRUE(area.Contains(Frame(client, kFrameAllowance)));
        EXPECT_EQ(client.width, r.viewW);
        const double viewH = client.height - kMenuH;
        EXPECT_NEAR(client.width / viewH, static_cast<double>(kViewW) / kViewH, 0.01);
        // Centred across.
        EXPECT_LE(std::abs((client.x - area.x) - (area.Right() - client.Right())), 8);
    }
}

TEST(FitMainWindow, ALargeScreenKeepsTheDesignedSizeCentred) {
    const WinRect area{0, 0, 1920, 1080};
    const WinRect client = FitMainWindow(area, kViewW, kViewH, kMenuH, {}, kMinW, kMinH);
    EXPECT_EQ(client, (WinRect{481, 190, 958, 699}));  // (1920 - 958) / 2, (1080 - 699) / 2
}

TEST(FitMainWindow, NeverBelowTheSmallestViewAndStaysOnTheScreen) {
    const WinRect area{100, 50, 150, 100};
    const WinRect client =
        FitMainWindow(area, kViewW, kViewH, kMenuH, kFrameAllowance, kMinW, kMinH);
    EXPECT_EQ(client.width, kMinW);
    EXPECT_EQ(client.height, kMinH + kMenuH);
    // Too large for the area: its frame's top-left corner stays on the screen.
    EXPECT_EQ(client.x - kFrameAllowance.left, area.x);
    EXPECT_EQ(client.y - kFrameAllowance.top, area.y);
}

TEST(KeepInside, ARememberedPlaceOffTheScreenComesBack) {
    const WinRect area{0, 0, 1366, 768};
    const WinMargins m{4, 32, 4, 4};
    struct Row {
        WinRect saved, expected;
    };
    const Row rows[] = {
        {{100, 100, 800, 600}, {100, 100, 800, 600}},   // inside: unchanged
        {{1200, 700, 800, 600}, {562, 164, 800, 600}},  // moved back
        {{-500, -20, 800, 600}, {4, 32, 800, 600}},     // title bar off the top
        {{0, 0, 3000, 2000}, {4, 32, 1358, 732}},       // larger than the screen
        {{10, 40, 50, 20}, {10, 40, 200, 140}},         // not below the smallest size
    };
    for (const Row& r : rows) {
        EXPECT_EQ(KeepInside(r.saved, area, m, kMinW, kMinH), r.expected)
            << r.saved.x << "," << r.saved.y;
    }
}

TEST(PlaceOver, CentredOverTheOwnerAndKeptOnTheScreen) {
    const WinRect area{0, 0, 1366, 768};
    const WinMargins m{4, 32, 4, 4};
    // Owner frame 100..1100 x 50..750: a 520 x 370 window with frame 528 x 406 is centred.
    EXPECT_EQ(PlaceOver({100, 50, 1000, 700}, 520, 370, area, m), (WinRect{340, 229, 520, 370}));
    // An owner in the corner: the window does not leave the screen.
    const WinRect r = PlaceOver({-400, -300, 500, 400}, 520, 370, area, m);
    EXPECT_TRUE(area.Contains(Frame(r, m)));
}

TEST(PlaceBeside, RightOfTheOwnerOrOverlappingItAtTheScreensEdge) {
    const WinRect area{0, 0, 1920, 1080};
    const WinMargins m{4, 32, 4, 4};
    // Room to the right: the frame starts at the owner's right edge, level with its top.
    EXPECT_EQ(PlaceBeside({200, 50, 1166, 733}, 122, 401, 1100, area, m),
              (WinRect{1370, 82, 122, 401}));
    EXPECT_EQ(PlaceBeside({100, 50, 500, 733}, 122, 401, 1100, area, m),
              (WinRect{1104, 82, 122, 401}));  // minLeft is further right
    // No room: it overlaps the owner instead of leaving the screen.
    const WinRect small{0, 0, 1366, 768};
    const WinRect r = PlaceBeside({200, 0, 1166, 733}, 122, 401, 1100, small, m);
    EXPECT_TRUE(small.Contains(Frame(r, m)));
    EXPECT_EQ(r.x + r.width + m.right, small.Right());
}

}  // namespace
}  // namespace natalis
