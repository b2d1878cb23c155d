#include "chart/ui/QtSurface.h"

#include <QFontDatabase>
#include <QFontMetricsF>
#include <QPainter>
#include <QPen>
#include <algorithm>
#include <cctype>

namespace natalis {

namespace {

// Images are painted at 96 logical dots per inch, so a point is 96/72 logical pixels.
constexpr int kDotsPerMeter96 = 3780;
constexpr double kPxPerPt = 96.0 / 72.0;
// The drawing's text positions were laid out for cells whose baseline lies 0.905 em below
// their top and whose lines are 1.15 em apart. Every face is placed that way, whatever its
// own vertical metrics (the glyph font's ascent alone is 1.5 em).
constexpr double kCellAscentEm = 0.905;
constexpr double kCellHeightEm = 1.15;

QColor ToQColor(Color c) { return QColor((c >> 16) & 0xFF, (c >> 8) & 0xFF, c & 0xFF); }

std::string Lower(std::string s) {
    std::transform(s.begin(), s.end(), s.begin(),
                   [](unsigned char ch) { return static_cast<char>(std::tolower(ch)); });
    return s;
}

// The first of the wanted families that this system has, else the last one.
QString FirstAvailable(const QStringList& wanted) {
    const QStringList families = QFontDatabase::families();
    for (const QString& w : wanted) {
        if (families.contains(w, Qt::CaseInsensitive)) return w;
    }
    return wanted.back();
}

QImage MetricsDevice() {
    QImage img(1, 1, QImage::Format_ARGB32_Premultiplied);
    img.setDotsPerMeterX(kDotsPerMeter96);
    img.setDotsPerMeterY(kDotsPerMeter96);
    return img;
}

bool IsSansFace(const std::string& lowerFace) {
    return lowerFace == "arial" || lowerFace == "microsoft sans serif";
}

}  // namespace

QString QtSurface::FamilyFor(const std::string& face) {
    const std::string f = Lower(face);
    if (f == "orreryastro") return QStringLiteral("OrreryAstro");
    if (IsSansFace(f)) {
        // Looked up once: the fonts installed do not change while the program runs.
        static const QString sans =
            FirstAvailable({"Liberation Sans", "Arimo", "DejaVu Sans", "Sans Serif"});
        return sans;
    }
    return QString::fromStdString(face);
}

QFont QtSurface::FontFor(const std::string& face, double sizePt, bool bold) {
    const QString family = FamilyFor(face);
    QFont font(family);
    font.setPointSizeF(sizePt > 0 ? sizePt : 1.0);
    font.setBold(bold);
    font.setStyleStrategy(QFont::PreferAntialias);
    // DejaVu Sans is about a tenth wider than the faces the layout was made for; its
    // condensed cut comes close to them.
    if (IsSansFace(Lower(face)) && family == "DejaVu Sans") font.setStretch(QFont::SemiCondensed);
    return font;
}

QtSurface::QtSurface() { SetTargetSize(QSize(kDesignWidth, kDesignHeight), 1.0); }

void QtSurface::SetTargetSize(QSize logicalSize, qreal devicePixelRatio) {
    size_ = logicalSize.expandedTo(QSize(1, 1));
    dpr_ = devicePixelRatio > 0 ? devicePixelRatio : 1.0;
    scale_ = std::min(size_.width() / 100.0, size_.height() / 70.0);
    offX_ = (size_.width() - 100.0 * scale_) / 2.0;
    offY_ = (size_.height() - 70.0 * scale_) / 2.0;
    Restart();
}

void QtSurface::Restart() {
    image_ = QImage(size_ * dpr_, QImage::Format_ARGB32_Premultiplied);
    image_.setDevicePixelRatio(dpr_);
    image_.setDotsPerMeterX(kDotsPerMeter96);
    image_.setDotsPerMeterY(kDotsPerMeter96);
    image_.fill(ToQColor(kBackground));
    painted_ = 0;
}

const QImage& QtSurface::Image() {
    PaintPending();
    return image_;
}

QPointF QtSurface::ToPixels(double x, double y) const {
    return QPointF(offX_ + x * scale_, offY_ + y * scale_);
}

void QtSurface::PaintPending() {
    const std::vector<DrawOp>& ops = Ops();
    if (painted_ >= ops.size()) return;
    QPainter p(&image_);
    p.setRenderHint(QPainter::Antialiasing, true);
    p.setRenderHint(QPainter::TextAntialiasing, true);
    p.setClipRect(QRectF(offX_, offY_, 100.0 * scale_, 70.0 * scale_));
    for (; painted_ < ops.size(); ++painted_) PaintOp(p, ops[painted_]);
}

void QtSurface::PaintOp(QPainter& p, const DrawOp& op) const {
    const double f = scale_ / kDesignPxPerUnit;  // pixels per designed pixel
    QPen pen(ToQColor(op.color));
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
            break;  // the image was emptied when the drawing started
        case DrawOp::Kind::Circle: {
            p.setPen(pen);
            p.setBrush(op.fillStyle == FillStyle::Solid ? QBrush(ToQColor(op.fillColor))
                                                        : QBrush(Qt::NoBrush));
            const double rPx = op.r * scale_;
            p.drawEllipse(ToPixels(op.x1, op.y1), rPx, rPx);
            break;
        }
        case DrawOp::Kind::Point: {
            const double side = std::max(1.0, op.width * f);
            const QPointF c = ToPixels(op.x1, op.y1);
            p.fillRect(QRectF(c.x() - side / 2, c.y() - side / 2, side, side), ToQColor(op.color));
            break;
        }
        case DrawOp::Kind::Line:
            if (op.lineStyle == LineStyle::Invisible) break;
            p.setPen(pen);
            p.drawLine(ToPixels(op.x1, op.y1), ToPixels(op.x2, op.y2));
            break;
        case DrawOp::Kind::Text: {
            const QFont font = FontFor(op.face, op.sizePt * f, op.bold);
            p.setFont(font);
            p.setPen(ToQColor(op.color));
            const QPointF topLeft = ToPixels(op.x1, op.y1);
            const double emPx = font.pointSizeF() * kPxPerPt;
            p.drawText(QPointF(topLeft.x(), topLeft.y() + kCellAscentEm * emPx),
                       QString::fromStdString(op.text));
            break;
        }
    }
}

void QtSurface::Cls() {
    Clear();
    RecordingSurface::Cls();
    Restart();
}

double QtSurface::TextAdvance(const std::string& text) const {
    static const QImage metricsDevice = MetricsDevice();
    const QFontMetricsF fm(FontFor(FontFace(), FontSizePt(), FontBold()), &metricsDevice);
    return fm.horizontalAdvance(QString::fromStdString(text)) / kDesignPxPerUnit;
}

double QtSurface::LineAdvance() const {
    return kCellHeightEm * FontSizePt() * kPxPerPt / kDesignPxPerUnit;
}

}  // namespace natalis
