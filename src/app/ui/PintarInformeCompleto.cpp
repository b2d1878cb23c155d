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

// One cell's frame.
void Celda(const HojaPuntos& hoja, double x, double y) {
    const double c = kLadoCelda;
    hoja.Raya(x, y, x + c, y, 0.4, kGrisRaya);
    hoja.Raya(x, y + c, x + c, y + c, 0.4, kGrisRaya);
    hoja.Raya(x, y, x, y + c, 0.4, kGrisRaya);
    hoja.Raya(x + c, y, x + c, y + c, 0.4, kGrisRaya);
}

// A point's glyph centred in its cell.
void GlifoEnCelda(const HojaPuntos& hoja, double x, double y, const std::string& glifo,
                  LetraCelda letra) {
    const double c = kLadoCelda;
    const double pt = letra == LetraCelda::Glifo ? 13 : 9;
    hoja.Texto({x, y + (c - pt) / 2 - 1, c, pt}, glifo, LetraDe(letra, pt), Qt::AlignHCenter);
}

// An aspect's symbol over its orb.
void AspectoEnCelda(const HojaPuntos& hoja, double x, double y, const std::string& simbolo,
                    const std::string& orbe) {
    if (simbolo.empty()) return;
    const double c = kLadoCelda;
    hoja.Texto({x, y + 1.5, c, 11}, simbolo, LetraDe(LetraCelda::Simbolo, 10), Qt::AlignHCenter);
    hoja.Texto({x, y + 14, c, 8}, orbe, LetraInforme(6.5), Qt::AlignHCenter);
}

void PintarRejilla(const HojaPuntos& hoja, const RejillaAspectos& r, double x0, double y0) {
    const size_t n = r.glifos.size();
    const double c = kLadoCelda;
    if (!r.columnas.empty()) {
        // Two charts: the columns' glyphs in the first row, the rows' glyphs down the first
        // column, every other cell an aspect or nothing.
        for (size_t j = 0; j < r.columnas.size(); ++j) {
            const double x = x0 + static_cast<double>(j + 1) * c;
            Celda(hoja, x, y0);
            GlifoEnCelda(hoja, x, y0, r.columnas[j], r.letrasColumnas[j]);
        }
        for (size_t i = 0; i < n; ++i) {
            const double y = y0 + static_cast<double>(i + 1) * c;
            Celda(hoja, x0, y);
            GlifoEnCelda(hoja, x0, y, r.glifos[i], r.letras[i]);
            for (size_t j = 0; j < r.columnas.size(); ++j) {
                const double x = x0 + static_cast<double>(j + 1) * c;
                Celda(hoja, x, y);
                AspectoEnCelda(hoja, x, y, r.simbolo[i][j], r.orbe[i][j]);
            }
        }
        return;
    }
    for (size_t i = 0; i < n; ++i) {
        const double y = y0 + static_cast<double>(i) * c;
        for (size_t j = 0; j <= i; ++j) {
            const double x = x0 + static_cast<double>(j) * c;
            Celda(hoja, x, y);
            if (j == i) {
                GlifoEnCelda(hoja, x, y, r.glifos[i], r.letras[i]);
                continue;
            }
            AspectoEnCelda(hoja, x, y, r.simbolo[i][j], r.orbe[i][j]);
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

RuedasInforme RecortarRuedasDeCarta(const Carta& c, const RecordingSurface& anillos) {
    QtSurface rueda;
    WheelGeometry g;
    DibujarCarta(rueda, c, WheelHeader{}, g, EstiloRueda::Informe);
    return {Recortar(rueda.Ops()), Recortar(anillos.Ops())};
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
