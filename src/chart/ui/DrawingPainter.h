// The one paint routine of the drawing: replays the operations recorded on a RecordingSurface
// onto any QPainter (a widget's image, a PNG, an SVG, a PDF, the printer) inside a target
// rectangle. The 100 x 70 user scale is fitted uniformly into the rectangle, centred, so the
// wheel stays round at any size; pen widths and fonts scale with it. A font of n points is
// n * 96 / 72 of the target's units high whatever the device's resolution, so the drawing
// is the same in every target. The palette changes colours only, never geometry.
#pragma once
#include <QPainter>
#include <QRectF>
#include <vector>

#include "chart/Paleta.h"
#include "chart/RecordingSurface.h"

namespace natalis {

class DrawingPainter {
  public:
    // A 12 pt font at the designed size (958 x 677 px, 9.58 px per unit) is 16 px high.
    static constexpr double kDesignPxPerUnit = 9.58;

    // How the texts are painted: as text, or the glyph font's texts as filled outlines (for
    // a file read where that font is not installed, such as an SVG).
    enum class Glyphs { Text, Outlines };

    // The whole drawing, 0..100 x 0..70 units.
    static QRectF WholeDrawing() { return QRectF(0, 0, 100, 70); }

    // source: the part of the drawing fitted into target, in units (the whole by default).
    explicit DrawingPainter(const QRectF& target, Tema tema = Tema::Pantalla,
                            Glyphs glyphs = Glyphs::Text, const QRectF& source = WholeDrawing());

    // Units to the painter's coordinates, and the rectangle the source part fills.
    double Scale() const { return scale_; }
    QPointF ToPixels(double x, double y) const;
    QRectF DrawingRect() const;

    // Fills the whole target with the drawing's background colour (the letterbox margins
    // included).
    void FillBackground(QPainter& p) const;
    // Paints ops[from..] clipped to the drawing's rectangle; the painter's state is restored.
    // A line of text that would run past the drawing's right edge (the header with a long
    // name or place) is condensed across to end at it, so none of it is cut.
    void Paint(QPainter& p, const std::vector<DrawOp>& ops, size_t from = 0) const;

    // The horizontal factor (1 or less) that line of text ops[i] belongs to is painted with:
    // a line is a run of consecutive text operations on the same row.
    static double LineCondensing(const std::vector<DrawOp>& ops, size_t i);

  private:
    void PaintOp(QPainter& p, const DrawOp& op) const;
    QColor Painted(Color c) const;

    QRectF target_;
    QRectF source_;
    Tema tema_;
    Glyphs glyphs_;
    double scale_ = kDesignPxPerUnit;  // painter px per unit
    double offX_ = 0, offY_ = 0;       // top-left of the drawing in painter px
};

// The whole record painted into target over the background: what the window shows at that
// size, in the palette tema.
void PaintRecord(QPainter& p, const RecordingSurface& record, const QRectF& target,
                 Tema tema = Tema::Pantalla,
                 DrawingPainter::Glyphs glyphs = DrawingPainter::Glyphs::Text);
// The part source (units) of a list of operations painted into target over the background.
void PaintPart(QPainter& p, const std::vector<DrawOp>& ops, const QRectF& source,
               const QRectF& target, Tema tema);

}  // namespace natalis
