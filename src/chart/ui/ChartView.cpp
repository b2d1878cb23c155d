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

void ChartView::Place(QWidget* w, const QRectF& units, double fontPt) {
    placed_.push_back({w, units, fontPt});
    Layout(placed_.back());
}

void ChartView::Layout(const Placed& p) {
    const QPointF topLeft = surface_.ToPixels(p.units.left(), p.units.top());
    const QPointF bottomRight = surface_.ToPixels(p.units.right(), p.units.bottom());
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
