#include "chart/ui/DrawingPainter.h"

#include <QPaintDevice>
#include <QPainterPath>
#include <QPen>
#include <algorithm>

#include "chart/ui/QtSurface.h"

namespace natalis {

namespace {

// The drawing's fonts are sized for 96 units per inch: a point is 96/72 units.
constexpr double kPxPerPt = 96.0 / 72.0;
// Outlines of the glyph font are taken at this pixel size and scaled down: large enough that
// hinting leaves no trace, small enough for exact coordinates.
constexpr int kOutlinePx = 256;
// The drawing's text positions were laid out for cells whose baseline lies 0.905 em below
// their top. Every face is placed that way, whatever its own vertical metrics (the glyph
// font's ascent alone is 1.5 em).
constexpr double kCellAscentEm = 0.905;

// Where a condensed line of text ends: half a unit in from the drawing's right edge.
constexpr double kTextRightUnits = 99.5;

QColor ToQColor(Color c) { return QColor((c >> 16) & 0xFF, (c >> 8) & 0xFF, c & 0xFF); }

// The font size on p's device for a size in points at 96 dpi: the same on an image at 96 dpi
// (every window and PNG), smaller on a device of finer resolution (a PDF, a printer), so a
// font of n points spans n * 96 / 72 of the painter's units there too.
double PointScale(const QPainter& p) {
    const QPaintDevice* d = p.device();
    const int dpi = d ? d->logicalDpiY() : 96;
    return dpi > 0 ? 96.0 / dpi : 1.0;
}

bool SameLine(const DrawOp& a, const DrawOp& b) {
    return a.kind == DrawOp::Kind::Text && b.kind == DrawOp::Kind::Text && a.y1 == b.y1;
}

}  // namespace

double DrawingPainter::LineCondensing(const std::vector<DrawOp>& ops, size_t i) {
    if (i >= ops.size() || ops[i].kind != DrawOp::Kind::Text) return 1.0;
    size_t first = i, last = i;
    while (first > 0 && SameLine(ops[first - 1], ops[i])) --first;
    while (last + 1 < ops.size() && SameLine(ops[last + 1], ops[i])) ++last;
    const DrawOp& end = ops[last];
    const std::string shown = end.text.substr(0, end.text.find_last_not_of(' ') + 1);
    const double right = end.x1 + QtSurface::DesignAdvance(end.face, end.sizePt, end.bold, shown);
    const double left = ops[first].x1;
    if (right <= kTextRightUnits || left >= kTextRightUnits) return 1.0;
    return (kTextRightUnits - left) / (right - left);
}

DrawingPainter::DrawingPainter(const QRectF& target, Tema tema, Glyphs glyphs, const QRectF& source)
    : target_(target), source_(source), tema_(tema), glyphs_(glyphs) {
    scale_ = std::min(target.width() / source.width(), target.height() / source.height());
    offX_ =
        target.left() + (target.width() - source.width() * scale_) / 2.0 - source.left() * scale_;
    offY_ =
        target.top() + (target.height() - source.height() * scale_) / 2.0 - source.top() * scale_;
}

QPointF DrawingPainter::ToPixels(double x, double y) const {
    return QPointF(offX_ + x * scale_, offY_ + y * scale_);
}

QRectF DrawingPainter::DrawingRect() const {
    return QRectF(ToPixels(source_.left(), source_.top()),
                  QSizeF(source_.width() * scale_, source_.height() * scale_));
}

QColor DrawingPainter::Painted(Color c) const { return ToQColor(ColorEnTema(tema_, c)); }

void DrawingPainter::FillBackground(QPainter& p) const {
    p.fillRect(target_, Painted(kBackground));
}

void DrawingPainter::Paint(QPainter& p, const std::vector<DrawOp>& ops, size_t from) const {
    if (from >= ops.size()) return;
    p.save();
    p.setRenderHint(QPainter::Antialiasing, true);
    p.setRenderHint(QPainter::TextAntialiasing, true);
    p.setClipRect(DrawingRect(), Qt::IntersectClip);
    for (size_t i = from; i < ops.size(); ++i) {
        const double condensing = LineCondensing(ops, i);
        if (condensing >= 1.0) {
            PaintOp(p, ops[i]);
            continue;
        }
        size_t first = i;
        while (first > 0 && SameLine(ops[first - 1], ops[i])) --first;
        const double x0 = ToPixels(ops[first].x1, 0).x();
        p.save();
        p.translate(x0, 0);
        p.scale(condensing, 1.0);
        p.translate(-x0, 0);
        PaintOp(p, ops[i]);
        p.restore();
    }
    p.restore();
}

void DrawingPainter::PaintOp(QPainter& p, const DrawOp& op) const {
    const double f = scale_ / kDesignPxPerUnit;  // pixels per designed pixel
    QPen pen(Painted(op.color));
    pen.setWidthF(std::max(1.0, op.width * f));
    pen.setCapStyle(Qt::FlatCap);
    switch (op.lineStyle) {
        case LineStyle::Solid:
            pen.setStyle(Qt::SolidLine);
            break;
        case LineStyle::Dot:
            pen.setDashPattern({1.5, 2.0});
            break;
        case LineStyle::Invisible:
            pen.setStyle(Qt::NoPen);
            break;
    }
    switch (op.kind) {
        case DrawOp::Kind::Cls:
            break;  // a drawing starts on the background
        case DrawOp::Kind::Circle: {
            p.setPen(pen);
            p.setBrush(op.fillStyle == FillStyle::Solid ? QBrush(Painted(op.fillColor))
                                                        : QBrush(Qt::NoBrush));
            const double rPx = op.r * scale_;
            p.drawEllipse(ToPixels(op.x1, op.y1), rPx, rPx);
            break;
        }
        case DrawOp::Kind::Point: {
            const double side = std::max(1.0, op.width * f);
            const QPointF c = ToPixels(op.x1, op.y1);
            p.fillRect(QRectF(c.x() - side / 2, c.y() - side / 2, side, side), Painted(op.color));
            break;
        }
        case DrawOp::Kind::Line:
            if (op.lineStyle == LineStyle::Invisible) break;
            p.setPen(pen);
            p.drawLine(ToPixels(op.x1, op.y1), ToPixels(op.x2, op.y2));
            break;
        case DrawOp::Kind::Text: {
            const double sizePt = op.sizePt * f;  // at 96 units per inch
            const double emPx = (sizePt > 0 ? sizePt : 1.0) * kPxPerPt;
            const QPointF topLeft = ToPixels(op.x1, op.y1);
            const QPointF baseline(topLeft.x(), topLeft.y() + kCellAscentEm * emPx);
            const QString text = QString::fromStdString(op.text);
            if (glyphs_ == Glyphs::Outlines &&
                QtSurface::FamilyFor(op.face) == QLatin1String("OrreryAstro")) {
                QFont font = QtSurface::FontFor(op.face, op.sizePt, op.bold);
                font.setPixelSize(kOutlinePx);
                QPainterPath path;
                path.addText(QPointF(0, 0), font, text);
                const double k = emPx / kOutlinePx;
                QTransform t;
                t.translate(baseline.x(), baseline.y());
                t.scale(k, k);
                p.setPen(Qt::NoPen);
                p.setBrush(Painted(op.color));
                p.drawPath(t.map(path));
                break;
            }
            p.setFont(QtSurface::FontFor(op.face, sizePt * PointScale(p), op.bold));
            p.setPen(Painted(op.color));
            p.drawText(baseline, text);
            break;
        }
    }
}

void PaintRecord(QPainter& p, const RecordingSurface& record, const QRectF& target, Tema tema,
                 DrawingPainter::Glyphs glyphs) {
    const DrawingPainter painter(target, tema, glyphs);
    painter.FillBackground(p);
    painter.Paint(p, record.Ops());
}

void PaintPart(QPainter& p, const std::vector<DrawOp>& ops, const QRectF& source,
               const QRectF& target, Tema tema) {
    const DrawingPainter painter(target, tema, DrawingPainter::Glyphs::Text, source);
    painter.FillBackground(p);
    painter.Paint(p, ops);
}

}  // namespace natalis
