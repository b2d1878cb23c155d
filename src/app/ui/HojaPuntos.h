// Painting in points (1/72 inch) from the sheet's top-left corner on a device of any
// resolution: rectangles and single lines of text. Both reports paint through it.
#pragma once
#include <QFont>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QRectF>
#include <string>

#include "app/session/PaginasInforme.h"

namespace natalis {

class HojaPuntos {
  public:
    HojaPuntos(QPainter& p, double unidadesPorPunto) : p_(p), k_(unidadesPorPunto) {}

    QRectF Rect(const RectPt& r) const;
    // One line of text in r, on its baseline at the top of r plus the font's ascent; at r's
    // left, its right, or centred across it.
    void Texto(const RectPt& r, const std::string& texto, const QFont& letra,
               Qt::Alignment alineacion = Qt::AlignLeft) const;
    // A line from (x1, y1) to (x2, y2), in points, grosor points wide.
    void Raya(double x1, double y1, double x2, double y2, double grosor, const QColor& color) const;
    QPainter& Pintor() const { return p_; }

  private:
    QPainter& p_;
    double k_;
};

// The sheet's texts in the drawing's sans, and the glyphs in the glyph font.
QFont LetraInforme(double puntos, bool negrita = false);
QFont LetraGlifos(double puntos);

// Readies p to paint on device in points: the painter's origin at the sheet's corner (the
// printable area's corner when the device does not print the full sheet), antialiased. The
// device units per point.
double PrepararHoja(QPainter& p, const QPagedPaintDevice& device);

}  // namespace natalis
