// The paint routine's handling of a line of text too long for the drawing: the header with a
// long name and place is condensed across to end inside the drawing, so none of it is cut.
#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>

#include "chart/RecordingSurface.h"
#include "chart/ui/DrawingPainter.h"
#include "chart/ui/QtSurface.h"

namespace natalis {
namespace {

// The header's pieces printed as the wheel prints them: Arial 12 from (26, 1), white.
void Header(QtSurface& s, const std::string& name, const std::string& place) {
    s.Cls();
    s.SetFont("Arial", 12, false);
    s.SetForeColor(QBColor(15));
    s.PSet(26, 1, kBackground);
    s.Print(name + "   5 3 1970   ", false);
    s.Print("Hora 09:07:30", false);
    s.Print("    huso: 03.00    Lat: 34.36S    ", false);
    s.Print("Long: 058.27W", false);
    s.Print("   " + place, true);
}

// The rightmost column with a text pixel in the header's rows.
int RightmostText(const QImage& img) {
    int right = -1;
    for (int y = 0; y < img.height() / 12; ++y) {
        for (int x = 0; x < img.width(); ++x) {
            const QColor px = img.pixelColor(x, y);
            if (px.red() > 160 && px.green() > 160 && px.blue() > 160) right = std::max(right, x);
        }
    }
    return right;
}

TEST(DrawingPainter, ALongHeaderIsCondensedToEndInsideTheDrawing) {
    QtSurface s;
    Header(s, "María Fernanda de los Ángeles", "San Miguel de Tucumán         ");
    const std::vector<DrawOp>& ops = s.Ops();
    const size_t last = ops.size() - 1;
    ASSERT_EQ(ops[last].kind, DrawOp::Kind::Text);
    const double factor = DrawingPainter::LineCondensing(ops, last);
    EXPECT_LT(factor, 1.0);
    EXPECT_GT(factor, 0.6);
    EXPECT_DOUBLE_EQ(DrawingPainter::LineCondensing(ops, last - 2), factor);  // the whole line
    const QImage& img = s.Image();
    const int right = RightmostText(img);
    EXPECT_LT(right, img.width() - 2);     // not cut at the edge
    EXPECT_GT(right, img.width() * 0.95);  // and the place is there, up to near the edge
}

TEST(DrawingPainter, AShortHeaderIsPaintedAsItIs) {
    QtSurface s;
    Header(s, "Ana", "Lima                          ");  // trailing blanks do not count
    const std::vector<DrawOp>& ops = s.Ops();
    for (size_t i = 0; i < ops.size(); ++i) EXPECT_EQ(DrawingPainter::LineCondensing(ops, i), 1.0);
    EXPECT_LT(RightmostText(s.Image()), s.Image().width() * 0.95);
}

}  // namespace
}  // namespace natalis
