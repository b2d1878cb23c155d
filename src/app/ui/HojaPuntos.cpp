#include "app/ui/HojaPuntos.h"

#include <QFontMetricsF>
#include <QPagedPaintDevice>
#include <QPen>

#include "chart/ui/QtSurface.h"

namespace natalis {

QRectF HojaPuntos::Rect(const RectPt& r) const {
    return QRectF(r.x * k_, r.y * k_, r.ancho * k_, r.alto * k_);
}

void HojaPuntos::Texto(const RectPt& r, const std::string& texto, const QFont& letra,
                       Qt::Alignment alineacion) const {
    p_.setFont(letra);
    const QFontMetricsF fm(letra, p_.device());
    const QString s = QString::fromStdString(texto);
    const QRectF rect = Rect(r);
    double x = rect.left();
    if (alineacion & Qt::AlignRight) x = rect.right() - fm.horizontalAdvance(s);
    if (alineacion & Qt::AlignHCenter) x = rect.center().x() - fm.horizontalAdvance(s) / 2;
    // The glyph font's ascent is half as tall again as its glyphs: its baseline is put where
    // the sans puts its own, 0.905 em down, so glyphs and words share a row.
    double ascent = fm.ascent();
    if (letra.family() == QtSurface::FamilyFor("OrreryAstro"))
        ascent = 0.905 * letra.pointSizeF() * k_;
    p_.drawText(QPointF(x, rect.top() + ascent), s);
}

void HojaPuntos::Raya(double x1, double y1, double x2, double y2, double grosor,
                      const QColor& color) const {
    const QPen antes = p_.pen();
    QPen pen(color);
    pen.setWidthF(grosor * k_);
    p_.setPen(pen);
    p_.drawLine(QPointF(x1 * k_, y1 * k_), QPointF(x2 * k_, y2 * k_));
    p_.setPen(antes);
}

QFont LetraInforme(double puntos, bool negrita) {
    return QtSurface::FontFor("Arial", puntos, negrita);
}

QFont LetraGlifos(double puntos) { return QtSurface::FontFor("OrreryAstro", puntos, false); }

double PrepararHoja(QPainter& p, const QPagedPaintDevice& device) {
    const double k = device.logicalDpiX() / 72.0;
    const QPageLayout layout = device.pageLayout();
    if (layout.mode() != QPageLayout::FullPageMode) {
        const QPointF esquina = layout.paintRectPoints().topLeft();
        p.translate(-esquina.x() * k, -esquina.y() * k);
    }
    p.setRenderHint(QPainter::Antialiasing, true);
    p.setRenderHint(QPainter::TextAntialiasing, true);
    return k;
}

}  // namespace natalis
