#include "chart/ui/ChartView.h"

#include <QPainter>
#include <QResizeEvent>
#include <algorithm>
#include <cmath>

#include "chart/Surface.h"
#include "chart/ui/QtSurface.h"

namespace natalis {

namespace {

constexpr double kUnitsW = 100, kUnitsH = 70;
constexpr double kFrameGapUnits = 0.5;     // between frames stacked in the column
constexpr double kColumnBottomUnits = 68;  // where the column's frames stand

QColor Rgb(Color c) { return QColor((c >> 16) & 0xFF, (c >> 8) & 0xFF, c & 0xFF); }

}  // namespace

ChartView::ChartView(QtSurface& surface, QWidget* parent) : QWidget(parent), surface_(surface) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMinimumSize(200, 140);
}

QSize ChartView::sizeHint() const {
    return QSize(QtSurface::kDesignWidth, QtSurface::kDesignHeight);
}

QRectF ChartView::DrawingRect() const {
    // Whole pixels, so the surface's image lands exactly on it.
    const double s = std::max(0.01, std::min(width() / kUnitsW, height() / kUnitsH));
    const int w = std::max(1, static_cast<int>(std::lround(kUnitsW * s)));
    const int h = std::max(1, static_cast<int>(std::lround(kUnitsH * s)));
    return QRectF(width() - w, 0, w, h);
}

double ChartView::PxPerUnit() const { return surface_.PxPerUnit(); }

QPointF ChartView::ToPixels(double x, double y) const {
    return DrawingRect().topLeft() + surface_.ToPixels(x, y);
}

void ChartView::Add(const Placed& p) {
    placed_.push_back(p);
    p.widget->installEventFilter(this);
    LayoutAll();
}

void ChartView::PlaceInColumn(QWidget* w, const QRectF& units, double fontPt, bool yields) {
    Add({w, units, fontPt, yields ? Kind::ColumnYields : Kind::Column});
}

void ChartView::PlaceFrame(QWidget* w, double leftUnits, double widthUnits, double fontPt) {
    Add({w, QRectF(leftUnits, 0, widthUnits, 0), fontPt, Kind::Frame});
}

QRectF ChartView::ColumnRect(const QRectF& units) const {
    const QRectF d = DrawingRect();
    const double s = PxPerUnit();
    // The room left of the drawing and below it belongs to the column.
    const double left = units.left() * s;
    const double right = d.left() + units.right() * s;
    const double top = d.top() + units.top() * s;
    double bottom = d.top() + units.bottom() * s;
    if (units.bottom() >= kColumnBottomUnits) bottom = height() - (kUnitsH - units.bottom()) * s;
    return QRectF(QPointF(left, top), QPointF(right, bottom));
}

void ChartView::ApplyFont(const Placed& p) {
    if (p.fontPt <= 0) return;
    const double pt = std::max(kMinTextPt, p.fontPt * PxPerUnit() / QtSurface::kDesignPxPerUnit);
    if (std::abs(p.widget->font().pointSizeF() - pt) < 0.01) return;
    QFont f = p.widget->font();
    f.setPointSizeF(pt);
    p.widget->setFont(f);
}

void ChartView::LayoutAll() {
    if (layingOut_) return;  // geometry changes below report back through the event filter
    layingOut_ = true;
    FitSurface();
    const double s = PxPerUnit();
    // Frames first, bottom up: the yielding controls end above the topmost one. A frame that
    // would rise past the top starts a column of its own to the right, so none is cut.
    const double bottom = height() - (kUnitsH - kColumnBottomUnits) * s;
    const double ceiling = s;  // one unit from the top
    double stackTop = bottom;
    double columnLeft = -1, nextColumnLeft = 0;
    double framesTop = bottom;  // of the frames in the first column
    bool firstColumn = true;
    for (const Placed& p : placed_) {
        if (p.kind != Kind::Frame) continue;
        ApplyFont(p);
        if (p.widget->isHidden()) continue;
        const QSize need = p.widget->sizeHint().expandedTo(p.widget->minimumSizeHint());
        const double w = std::max(p.units.width() * s, static_cast<double>(need.width()));
        const double h = need.height();
        if (columnLeft < 0) columnLeft = p.units.left() * s;
        if (stackTop - h < ceiling && stackTop < bottom) {  // full: a new column
            columnLeft = nextColumnLeft + kFrameGapUnits * s;
            stackTop = bottom;
            firstColumn = false;
        }
        const QRectF r(columnLeft, stackTop - h, w, h);
        p.widget->setGeometry(r.toRect());
        stackTop = r.top() - kFrameGapUnits * s;
        nextColumnLeft = std::max(nextColumnLeft, r.right());
        if (firstColumn) framesTop = r.top();
    }
    for (const Placed& p : placed_) {
        if (p.kind == Kind::Frame) continue;
        ApplyFont(p);
        QRectF r = ColumnRect(p.units);
        if (p.kind == Kind::ColumnYields && framesTop < r.bottom()) {
            r.setBottom(std::max(r.top() + 1, framesTop - s));
        }
        p.widget->setGeometry(r.toRect());
    }
    layingOut_ = false;
}

// The placed controls are children, destroyed after this view's members: they must not reach
// this filter once the list of placements is gone.
ChartView::~ChartView() {
    for (const Placed& p : placed_) p.widget->removeEventFilter(this);
}

bool ChartView::eventFilter(QObject* watched, QEvent* event) {
    const QEvent::Type t = event->type();
    if (t == QEvent::Show || t == QEvent::Hide || t == QEvent::LayoutRequest) {
        // Only the frames move the others: they stack, and the aspects list yields to them. A
        // hidden frame's contents changing moves nothing.
        for (const Placed& p : placed_) {
            if (p.widget != watched || p.kind != Kind::Frame) continue;
            if (t != QEvent::LayoutRequest || p.widget->isVisible()) LayoutAll();
            break;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void ChartView::FitSurface() {
    const QSize size = DrawingRect().size().toSize();
    if (surface_.TargetSize() != size || surface_.DevicePixelRatio() != devicePixelRatioF()) {
        surface_.SetTargetSize(size, devicePixelRatioF());
    }
}

void ChartView::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    LayoutAll();
}

void ChartView::paintEvent(QPaintEvent*) {
    FitSurface();  // the screen's pixel ratio may have changed
    QPainter p(this);
    const QRectF d = DrawingRect();
    p.fillRect(rect(), Rgb(kBackground));
    p.drawImage(d.topLeft(), surface_.Image());
}

}  // namespace natalis
