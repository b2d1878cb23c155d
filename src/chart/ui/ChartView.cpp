#include "chart/ui/ChartView.h"

#include <QPainter>
#include <QResizeEvent>

#include "chart/ui/QtSurface.h"

namespace natalis {

ChartView::ChartView(QtSurface& surface, QWidget* parent) : QWidget(parent), surface_(surface) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMinimumSize(200, 140);
}

QSize ChartView::sizeHint() const {
    return QSize(QtSurface::kDesignWidth, QtSurface::kDesignHeight);
}

void ChartView::Place(QWidget* w, const QRectF& units, double fontPt, bool yields) {
    placed_.push_back({w, units, fontPt, yields});
    w->installEventFilter(this);
    Layout(placed_.back());
    LayoutYielding();
}

QRectF ChartView::UnitsFor(const Placed& p) const {
    QRectF units = p.units;
    if (!p.yields) return units;
    for (const Placed& other : placed_) {
        const QRectF& o = other.units;
        const bool beside = o.left() < units.right() && o.right() > units.left();
        if (other.widget != p.widget && !other.widget->isHidden() && beside &&
            o.top() > p.units.top() && o.top() - 1 < units.bottom()) {
            units.setBottom(o.top() - 1);
        }
    }
    return units;
}

void ChartView::LayoutYielding() {
    for (const Placed& p : placed_) {
        if (p.yields) Layout(p);
    }
}

// The placed controls are children, destroyed after this view's members: they must not reach
// this filter once the list of placements is gone.
ChartView::~ChartView() {
    for (const Placed& p : placed_) p.widget->removeEventFilter(this);
}

bool ChartView::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Show || event->type() == QEvent::Hide) {
        for (const Placed& p : placed_) {
            if (p.widget == watched && !p.yields) LayoutYielding();
        }
    }
    return QWidget::eventFilter(watched, event);
}

void ChartView::Layout(const Placed& p) {
    const QRectF units = UnitsFor(p);
    const QPointF topLeft = surface_.ToPixels(units.left(), units.top());
    const QPointF bottomRight = surface_.ToPixels(units.right(), units.bottom());
    p.widget->setGeometry(QRectF(topLeft, bottomRight).toRect());
    if (p.fontPt > 0) {
        QFont f = p.widget->font();
        f.setPointSizeF(p.fontPt * surface_.PxPerUnit() / QtSurface::kDesignPxPerUnit);
        p.widget->setFont(f);
    }
}

void ChartView::FitSurface() {
    if (surface_.TargetSize() != size() || surface_.DevicePixelRatio() != devicePixelRatioF()) {
        surface_.SetTargetSize(size(), devicePixelRatioF());
    }
}

void ChartView::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    FitSurface();
    for (const Placed& p : placed_) Layout(p);
}

void ChartView::paintEvent(QPaintEvent*) {
    FitSurface();  // the screen's pixel ratio may have changed
    QPainter p(this);
    p.drawImage(QPointF(0, 0), surface_.Image());
}

}  // namespace natalis
