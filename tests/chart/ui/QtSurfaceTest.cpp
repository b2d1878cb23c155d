// The Qt surface: the 100 x 70 scale fitted uniformly into any image, so the wheel stays
// round; the spare margin in the background colour; text placed by its cell's corner.
#include <gtest/gtest.h>

#include <QColor>
#include <QFontDatabase>
#include <QImage>

#include "chart/DibujarRueda.h"
#include "chart/ui/GlyphFont.h"
#include "chart/ui/QtSurface.h"

namespace natalis {
namespace {

QRgb Rgb(Color c) { return qRgb((c >> 16) & 0xFF, (c >> 8) & 0xFF, c & 0xFF); }

// Extent of the pixels of colour c along a row or a column through (x, y): first and last.
std::pair<int, int> Extent(const QImage& img, int x, int y, bool horizontal, Color c) {
    int first = -1, last = -1;
    const int n = horizontal ? img.width() : img.height();
    for (int i = 0; i < n; ++i) {
        const QRgb px = horizontal ? img.pixel(i, y) : img.pixel(x, i);
        if ((px & 0xFFFFFF) == (Rgb(c) & 0xFFFFFF)) {
            if (first < 0) first = i;
            last = i;
        }
    }
    return {first, last};
}

TEST(QtSurfaceTest, DesignedSizeHas958By677PixelsAndUniformUnits) {
    QtSurface s;
    EXPECT_EQ(s.Image().size(), QSize(958, 677));
    EXPECT_DOUBLE_EQ(s.PxPerUnit(), 9.58);
    EXPECT_NEAR(s.ToPixels(0, 0).y(), (677 - 70 * 9.58) / 2, 1e-9);  // letterboxed
    EXPECT_NEAR(s.ToPixels(100, 70).x(), 958, 1e-9);
}

// A filled disc drawn at any window shape is as wide as it is high.
TEST(QtSurfaceTest, CirclesStayRoundAtAnyShape) {
    const QSize sizes[] = {QSize(958, 677), QSize(1200, 400), QSize(400, 900)};
    for (const QSize& size : sizes) {
        SCOPED_TRACE(size.width());
        QtSurface s;
        s.SetTargetSize(size);
        s.SetFillStyle(FillStyle::Solid);
        s.SetFillColor(QBColor(8));
        s.Circle(60, 36, 24.42, QBColor(8));
        const QImage img = s.Image();
        const QPointF c = s.ToPixels(60, 36);
        const auto h = Extent(img, int(c.x()), int(c.y()), true, QBColor(8));
        const auto v = Extent(img, int(c.x()), int(c.y()), false, QBColor(8));
        ASSERT_GE(h.first, 0);
        ASSERT_GE(v.first, 0);
        EXPECT_NEAR(h.second - h.first, v.second - v.first, 2);
        EXPECT_NEAR(h.second - h.first, 2 * 24.42 * s.PxPerUnit(), 3);
        // The margin outside the 100 x 70 area stays in the background colour.
        EXPECT_EQ(img.pixel(0, 0) & 0xFFFFFF, Rgb(kBackground) & 0xFFFFFF);
        EXPECT_EQ(img.pixel(size.width() - 1, size.height() - 1) & 0xFFFFFF,
                  Rgb(kBackground) & 0xFFFFFF);
    }
}

TEST(QtSurfaceTest, ResizingRepaintsTheSameDrawing) {
    QtSurface s;
    s.SetFillStyle(FillStyle::Solid);
    s.SetFillColor(QBColor(12));
    s.Circle(50, 35, 10, QBColor(12));
    s.SetTargetSize(QSize(500, 350), 2.0);  // half the size on a doubled pixel ratio
    const QImage img = s.Image();
    EXPECT_EQ(img.size(), QSize(1000, 700));
    EXPECT_EQ(img.pixel(500, 350) & 0xFFFFFF, Rgb(QBColor(12)) & 0xFFFFFF);
    s.Cls();
    EXPECT_EQ(s.Image().pixel(500, 350) & 0xFFFFFF, Rgb(kBackground) & 0xFFFFFF);
}

TEST(QtSurfaceTest, PrintMovesThePositionAlongTheTextOrToTheNextLine) {
    QtSurface s;
    s.SetFont("Arial", 12, false);
    s.PSet(26, 1, kBackground);
    s.Print("Hora ", false);
    const double afterWord = s.CurrentX();
    EXPECT_GT(afterWord, 26 + 1);
    EXPECT_DOUBLE_EQ(s.CurrentY(), 1);
    s.Print("09:07:30", true);
    EXPECT_DOUBLE_EQ(s.CurrentX(), 0);
    // A 12 pt line is about 16 to 20 px high at 9.58 px per unit.
    EXPECT_GT(s.CurrentY(), 1 + 16 / 9.58);
    EXPECT_LT(s.CurrentY(), 1 + 22 / 9.58);
}

TEST(QtSurfaceTest, FacesMapToFontsOfThisSystem) {
    EXPECT_EQ(QtSurface::FamilyFor("orreryAstro"), "OrreryAstro");
    EXPECT_EQ(QtSurface::FamilyFor("Arial"), QtSurface::FamilyFor("Microsoft Sans Serif"));
    EXPECT_NE(QtSurface::FamilyFor("Arial"), "Arial");
}

// The glyph font from the program folder, or the built-in copy when the folder has none.
TEST(GlyphFontTest, RegistersFromTheFolderOrTheBuiltInCopy) {
    for (const QString& folder : {QString(NATALIS_SOURCE_DIR "/fonts"), QString("/nonexistent")}) {
        SCOPED_TRACE(folder.toStdString());
        const int id = RegisterGlyphFont(folder);
        ASSERT_GE(id, 0);
        EXPECT_TRUE(QFontDatabase::applicationFontFamilies(id).contains("OrreryAstro"));
        UnregisterGlyphFont(id);
    }
}

}  // namespace
}  // namespace natalis
