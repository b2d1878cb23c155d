#include "app/ui/PintarInforme.h"

#include <QFontMetricsF>
#include <QImage>
#include <QPagedPaintDevice>
#include <QPainter>
#include <algorithm>

#include "chart/ui/DrawingPainter.h"
#include "chart/ui/QtSurface.h"

namespace natalis {

namespace {

// The report's texts are in the drawing's sans.
QFont Letra(double puntos, bool negrita = false) {
    return QtSurface::FontFor("Arial", puntos, negrita);
}

// The widest of the listings' lines, in points.
double AnchoMayorPt(const InformeCarta& informe) {
    QImage a72(1, 1, QImage::Format_ARGB32_Premultiplied);
    a72.setDotsPerMeterX(2835);  // 72 dpi: a pixel is a point
    a72.setDotsPerMeterY(2835);
    const QFontMetricsF fm(Letra(kPuntosListado), &a72);
    double ancho = 0;
    for (const auto& seccion : informe.secciones) {
        for (const std::string& linea : seccion) {
            ancho = std::max(ancho, fm.horizontalAdvance(QString::fromStdString(linea)));
        }
    }
    return ancho;
}

// Paints in points on a device of any resolution.
class Hoja {
  public:
    Hoja(QPainter& p, double unidadesPorPunto) : p_(p), k_(unidadesPorPunto) {}

    QRectF Rect(const RectPt& r) const {
        return QRectF(r.x * k_, r.y * k_, r.ancho * k_, r.alto * k_);
    }
    // One line of text in r, on its baseline at the top of r plus the font's ascent.
    void Texto(const RectPt& r, const std::string& texto, const QFont& letra,
               Qt::Alignment alineacion = Qt::AlignLeft) const {
        p_.setFont(letra);
        const QFontMetricsF fm(letra, p_.device());
        const QString s = QString::fromStdString(texto);
        const QRectF rect = Rect(r);
        double x = rect.left();
        if (alineacion & Qt::AlignRight) x = rect.right() - fm.horizontalAdvance(s);
        p_.drawText(QPointF(x, rect.top() + fm.ascent()), s);
    }

  private:
    QPainter& p_;
    double k_;
};

}  // namespace

MedidasInforme MedidasEn(const QPagedPaintDevice& device, const InformeCarta& informe) {
    const QRectF hoja = device.pageLayout().fullRectPoints();
    return MedirInforme(hoja.width(), hoja.height(), informe.datos.size(), AnchoMayorPt(informe));
}

bool PintarInforme(QPagedPaintDevice& device, const RecordingSurface& dibujo,
                   const InformeCarta& informe, Tema tema) {
    const MedidasInforme m = MedidasEn(device, informe);
    const std::vector<PaginaListado> listados =
        PaginarListados(informe.secciones, m.lineasPorColumna, m.columnas);
    const int total = 1 + static_cast<int>(listados.size());

    QPainter p;
    if (!p.begin(&device)) return false;
    const double k = device.logicalDpiX() / 72.0;  // device units per point
    // The painter's origin is the printable area's corner unless the device prints the
    // full sheet; the layout counts from the sheet's corner.
    const QPageLayout layout = device.pageLayout();
    if (layout.mode() != QPageLayout::FullPageMode) {
        const QPointF esquina = layout.paintRectPoints().topLeft();
        p.translate(-esquina.x() * k, -esquina.y() * k);
    }
    p.setRenderHint(QPainter::Antialiasing, true);
    p.setRenderHint(QPainter::TextAntialiasing, true);
    const Hoja hoja(p, k);

    for (int n = 1; n <= total; ++n) {
        if (n > 1) device.newPage();
        p.setPen(Qt::black);
        hoja.Texto(m.cabecera, informe.nombre, Letra(kPuntosCabecera));
        hoja.Texto(m.cabecera, TextoPagina(n, total), Letra(kPuntosCabecera), Qt::AlignRight);
        hoja.Texto(m.pie, TextoPie(), Letra(kPuntosPie));
        if (n == 1) {
            hoja.Texto(m.nombre, informe.nombre, Letra(kPuntosNombre, true));
            for (size_t i = 0; i < m.datos.size() && i < informe.datos.size(); ++i) {
                hoja.Texto(m.datos[i], informe.datos[i], Letra(kPuntosDatos));
            }
            // The drawing replayed in the device's own fine units: no pen reaches the
            // painter's floor of one unit, and fonts keep their fractional sizes, as in a PNG
            // of any size from the designed one up.
            PaintRecord(p, dibujo, hoja.Rect(m.rueda), tema);
            continue;
        }
        const PaginaListado& pagina = listados[static_cast<size_t>(n - 2)];
        for (size_t c = 0; c < pagina.size(); ++c) {
            const RectPt& col = m.columna[c];
            for (size_t f = 0; f < pagina[c].size(); ++f) {
                const RectPt linea{col.x, m.LineaY(static_cast<int>(f)), col.ancho,
                                   kInterlineaListado};
                hoja.Texto(linea, pagina[c][f], Letra(kPuntosListado));
            }
        }
    }
    return p.end();
}

}  // namespace natalis
