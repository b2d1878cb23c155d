#include "app/ui/PintarInformeCompleto.h"

#include <QPagedPaintDevice>
#include <QPainter>
#include <cmath>

#include "app/ui/HojaPuntos.h"
#include "chart/DibujarRueda.h"
#include "chart/ui/DrawingPainter.h"
#include "chart/ui/QtSurface.h"

namespace natalis {

namespace {

constexpr double kPuntosTitulo = 11;
constexpr double kPuntosTexto = 9;
constexpr double kPuntosGlifo = 11;
constexpr double kPuntosDatosInforme = 10;
constexpr double kMargenRueda = 0.3;  // units round the wheel's outermost mark
const QColor kGrisRaya(150, 150, 150);

double AnchoDesign(const DrawOp& t) {
    return QtSurface::DesignAdvance(t.face, t.sizePt, t.bold, t.text);
}

RuedaRecortada Recortar(const std::vector<DrawOp>& ops) {
    RuedaRecortada r;
    r.ops = SinCabecera(ops);
    r.cuadro = CuadroRueda(r.ops, AnchoDesign, kMargenRueda);
    return r;
}

QFont LetraDe(LetraCelda l, double puntos) {
    return l == LetraCelda::Texto ? LetraInforme(puntos) : LetraGlifos(puntos);
}

void PintarTabla(const HojaPuntos& hoja, const TablaInforme& t, double x0, double y, double ancho) {
    double x = x0;
    std::vector<double> xs, anchos;
    for (const ColumnaTabla& c : t.columnas) {
        const double a = c.anchoPt > 0 ? c.anchoPt : x0 + ancho - x;
        xs.push_back(x);
        anchos.push_back(a);
        x += a;
    }
    const double fin = x;
    for (size_t c = 0; c < t.columnas.size(); ++c) {
        hoja.Texto({xs[c], y, anchos[c], kAltoFila}, t.columnas[c].titulo,
                   LetraInforme(kPuntosTexto, true));
    }
    hoja.Raya(x0, y + kAltoFila - 1.5, fin, y + kAltoFila - 1.5, 0.5, kGrisRaya);
    for (const std::vector<std::string>& fila : t.filas) {
        y += kAltoFila;
        for (size_t c = 0; c < fila.size() && c < t.columnas.size(); ++c) {
            const LetraCelda l = t.columnas[c].letra;
            // Glyphs sit a little higher than text of their size: a point up keeps the row even.
            const double subir = l == LetraCelda::Texto ? 0 : 1.5;
            hoja.Texto({xs[c], y - subir, anchos[c], kAltoFila}, fila[c],
                       LetraDe(l, l == LetraCelda::Texto ? kPuntosTexto : kPuntosGlifo));
        }
    }
}

void PintarRejilla(const HojaPuntos& hoja, const RejillaAspectos& r, double x0, double y0) {
    const size_t n = r.glifos.size();
    const double c = kLadoCelda;
    for (size_t i = 0; i < n; ++i) {
        const double y = y0 + static_cast<double>(i) * c;
        for (size_t j = 0; j <= i; ++j) {
            const double x = x0 + static_cast<double>(j) * c;
            hoja.Raya(x, y, x + c, y, 0.4, kGrisRaya);
            hoja.Raya(x, y + c, x + c, y + c, 0.4, kGrisRaya);
            hoja.Raya(x, y, x, y + c, 0.4, kGrisRaya);
            hoja.Raya(x + c, y, x + c, y + c, 0.4, kGrisRaya);
            if (j == i) {
                const double pt = r.letras[i] == LetraCelda::Glifo ? 13 : 9;
                hoja.Texto({x, y + (c - pt) / 2 - 1, c, pt}, r.glifos[i], LetraDe(r.letras[i], pt),
                           Qt::AlignHCenter);
                continue;
            }
            if (r.simbolo[i][j].empty()) continue;
            hoja.Texto({x, y + 1.5, c, 11}, r.simbolo[i][j], LetraDe(LetraCelda::Simbolo, 10),
                       Qt::AlignHCenter);
            hoja.Texto({x, y + 14, c, 8}, r.orbe[i][j], LetraInforme(6.5), Qt::AlignHCenter);
        }
    }
}

}  // namespace

RuedasInforme RecortarRuedas(const ChartSession& s, const RecordingSurface& pantalla) {
    QtSurface natal;
    WheelGeometry g;
    DibujarRueda(natal, s.tables.natal, s.DatosNatales,
                 {s.pred.HoraTexto, s.CasasCaption(), true, s.orbes}, g, EstiloRueda::Informe);
    return {Recortar(natal.Ops()), Recortar(pantalla.Ops())};
}

MedidasCompletas MedirInformeCompleto(double anchoPt, double altoPt, InformeCompleto informe) {
    MedidasCompletas m;
    m.hoja = MedirInforme(anchoPt, altoPt, 0, 1);
    const double alto = m.hoja.cuerpo.alto;
    PartirTablas(informe, static_cast<size_t>(
                              std::max(1.0, std::floor((alto - kAltoTitulo) / kAltoFila) - 1)));
    m.colocacion = PaginarBloques(informe, m.hoja.cuerpo.ancho, alto);
    m.informe = std::move(informe);
    return m;
}

RectPt RectRueda(const MedidasCompletas& m, const BloqueInforme& b, double y) {
    const double lado = m.colocacion.ladoRueda;
    const RectPt& cuerpo = m.hoja.cuerpo;
    return {cuerpo.x + (cuerpo.ancho - lado) / 2,
            cuerpo.y + y + (b.titulo.empty() ? 0 : kAltoTitulo), lado, lado};
}

bool PintarInformeCompleto(QPagedPaintDevice& device, const InformeCompleto& informe,
                           const RuedasInforme& ruedas, Tema tema) {
    const QRectF hojaPt = device.pageLayout().fullRectPoints();
    const MedidasCompletas m = MedirInformeCompleto(hojaPt.width(), hojaPt.height(), informe);
    const MedidasInforme& h = m.hoja;
    const int total = static_cast<int>(m.colocacion.paginas.size());

    QPainter p;
    if (!p.begin(&device)) return false;
    const HojaPuntos hoja(p, PrepararHoja(p, device));
    for (int n = 1; n <= total; ++n) {
        if (n > 1) device.newPage();
        p.setPen(Qt::black);
        // Page 1 has the name as its title: its running head gives the page alone.
        if (n > 1) hoja.Texto(h.cabecera, m.informe.nombre, LetraInforme(kPuntosCabecera));
        hoja.Texto(h.cabecera, TextoPagina(n, total), LetraInforme(kPuntosCabecera),
                   Qt::AlignRight);
        hoja.Texto(h.pie, TextoPie(), LetraInforme(kPuntosPie));
        for (const BloqueColocado& c : m.colocacion.paginas[static_cast<size_t>(n - 1)]) {
            const BloqueInforme& b = m.informe.bloques[c.bloque];
            const double x = h.cuerpo.x;
            double y = h.cuerpo.y + c.y;
            p.setPen(Qt::black);
            if (b.tipo == BloqueInforme::Tipo::Datos) {
                hoja.Texto({x, y, h.cuerpo.ancho, kAltoNombreInforme}, b.titulo,
                           LetraInforme(kPuntosNombre, true));
                y += kAltoNombreInforme;
            } else if (!b.titulo.empty()) {
                hoja.Texto({x, y, h.cuerpo.ancho, kAltoTitulo}, b.titulo,
                           LetraInforme(kPuntosTitulo, true));
                y += kAltoTitulo;
            }
            switch (b.tipo) {
                case BloqueInforme::Tipo::Rueda: {
                    const RuedaRecortada& r =
                        b.dibujo == DibujoRueda::Natal ? ruedas.natal : ruedas.anillos;
                    const RectPt rect = RectRueda(m, b, c.y);
                    const CajaUnidades& q = r.cuadro;
                    PaintPart(p, r.ops, QRectF(q.x, q.y, q.ancho, q.alto), hoja.Rect(rect), tema);
                    y = rect.y + rect.alto;
                    p.setPen(Qt::black);
                    for (const std::string& l : b.lineas) {
                        hoja.Texto({x, y, h.cuerpo.ancho, kAltoLinea}, l,
                                   LetraInforme(kPuntosTexto));
                        y += kAltoLinea;
                    }
                    break;
                }
                case BloqueInforme::Tipo::Tabla:
                    PintarTabla(hoja, b.tabla, x, y, h.cuerpo.ancho);
                    break;
                case BloqueInforme::Tipo::Rejilla:
                    PintarRejilla(hoja, b.rejilla, x, y);
                    break;
                case BloqueInforme::Tipo::Datos:
                case BloqueInforme::Tipo::Texto:
                    for (const std::string& l : b.lineas) {
                        hoja.Texto(
                            {x, y, h.cuerpo.ancho, kAltoLinea}, l,
                            LetraInforme(b.tipo == BloqueInforme::Tipo::Datos ? kPuntosDatosInforme
                                                                              : kPuntosTexto));
                        y += kAltoLinea;
                    }
                    break;
            }
        }
    }
    return p.end();
}

}  // namespace natalis
