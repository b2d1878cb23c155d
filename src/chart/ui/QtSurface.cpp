#include "chart/ui/QtSurface.h"

#include <QFontDatabase>
#include <QFontMetricsF>
#include <QPainter>
#include <QPen>
#include <algorithm>
#include <cctype>

#include "chart/ui/DrawingPainter.h"

namespace natalis {

namespace {

// Images are painted at 96 logical dots per inch, so a point is 96/72 logical pixels.
constexpr int kDotsPerMeter96 = 3780;
constexpr double kPxPerPt = 96.0 / 72.0;
// Printed lines are 1.15 em apart.
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
    const DrawingPainter fit(QRectF(QPointF(0, 0), QSizeF(size_)));
    scale_ = fit.Scale();
    offX_ = fit.ToPixels(0, 0).x();
    offY_ = fit.ToPixels(0, 0).y();
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
    DrawingPainter(QRectF(QPointF(0, 0), QSizeF(size_))).Paint(p, ops, painted_);
    painted_ = ops.size();
}

void QtSurface::Cls() {
    Clear();
    RecordingSurface::Cls();
    Restart();
}

double QtSurface::DesignAdvance(const std::string& face, double sizePt, bool bold,
                                const std::string& text) {
    static const QImage metricsDevice = MetricsDevice();
    const QFontMetricsF fm(FontFor(face, sizePt, bold), &metricsDevice);
    return fm.horizontalAdvance(QString::fromStdString(text)) / kDesignPxPerUnit;
}

double QtSurface::TextAdvance(const std::string& text) const {
    return DesignAdvance(FontFace(), FontSizePt(), FontBold(), text);
}

double QtSurface::LineAdvance() const {
    return kCellHeightEm * FontSizePt() * kPxPerPt / kDesignPxPerUnit;
}

}  // namespace natalis
