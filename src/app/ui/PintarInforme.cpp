#include "app/ui/PintarInforme.h"

#include <QFontMetricsF>
#include <QImage>
#include <QPagedPaintDevice>
#include <QPainter>
#include <algorithm>

#include "app/ui/HojaPuntos.h"
#include "chart/ui/DrawingPainter.h"
#include "chart/ui/QtSurface.h"

namespace natalis {

namespace {

// The widest of the listings' lines, in points.
double AnchoMayorPt(const InformeCarta& informe) {
    QImage a72(1, 1, QImage::Format_ARGB32_Premultiplied);
    a72.setDotsPerMeterX(2835);  // 72 dpi: a pixel is a point
    a72.setDotsPerMeterY(2835);
    const QFontMetricsF fm(LetraInforme(kPuntosListado), &a72);
    double ancho = 0;
    for (const auto& seccion : informe.secciones) {
        for (const std::string& linea : seccion) {
            ancho = std::max(ancho, fm.horizontalAdvance(QString::fromStdString(linea)));
        }
    }
    return ancho;
}

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
    const HojaPuntos hoja(p, PrepararHoja(p, device));

    for (int n = 1; n <= total; ++n) {
        if (n > 1) device.newPage();
        p.setPen(Qt::black);
        hoja.Texto(m.cabecera, informe.nombre, LetraInforme(kPuntosCabecera));
        hoja.Texto(m.cabecera, TextoPagina(n, total), LetraInforme(kPuntosCabecera),
                   Qt::AlignRight);
        hoja.Texto(m.pie, TextoPie(), LetraInforme(kPuntosPie));
        if (n == 1) {
            hoja.Texto(m.nombre, informe.nombre, LetraInforme(kPuntosNombre, true));
            for (size_t i = 0; i < m.datos.size() && i < informe.datos.size(); ++i) {
                hoja.Texto(m.datos[i], informe.datos[i], LetraInforme(kPuntosDatos));
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
                hoja.Texto(linea, pagina[c][f], LetraInforme(kPuntosListado));
            }
        }
    }
    return p.end();
}

}  // namespace natalis
