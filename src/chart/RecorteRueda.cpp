#include "chart/RecorteRueda.h"

#include <algorithm>
#include <cmath>

namespace natalis {

namespace {
const std::string kCaraGlifos = "OrreryAstro";
}

std::vector<DrawOp> SinCabecera(const std::vector<DrawOp>& ops) {
    std::vector<DrawOp> rueda;
    for (const DrawOp& op : ops) {
        if (op.kind == DrawOp::Kind::Text && op.face != kCaraGlifos) continue;
        if (op.kind == DrawOp::Kind::Point) continue;
        rueda.push_back(op);
    }
    return rueda;
}

CajaUnidades CajaTexto(const DrawOp& texto, const AnchoTexto& anchoTexto) {
    const size_t desde = texto.text.find_first_not_of(' ');
    if (desde == std::string::npos) return {texto.x1, texto.y1, 0, 0};
    const size_t hasta = texto.text.find_last_not_of(' ');
    DrawOp antes = texto, visto = texto;
    antes.text = texto.text.substr(0, desde);
    visto.text = texto.text.substr(desde, hasta - desde + 1);
    return {texto.x1 + anchoTexto(antes), texto.y1, anchoTexto(visto),
            texto.sizePt * RecordingSurface::kUnitsPerPt};
}

CajaUnidades CuadroRueda(const std::vector<DrawOp>& ops, const AnchoTexto& anchoTexto,
                         double margen) {
    double x0 = 1e9, y0 = 1e9, x1 = -1e9, y1 = -1e9;
    const auto incluir = [&](double x, double y) {
        x0 = std::min(x0, x);
        y0 = std::min(y0, y);
        x1 = std::max(x1, x);
        y1 = std::max(y1, y);
    };
    for (const DrawOp& op : ops) {
        switch (op.kind) {
            case DrawOp::Kind::Circle:
                incluir(op.x1 - op.r, op.y1 - op.r);
                incluir(op.x1 + op.r, op.y1 + op.r);
                break;
            case DrawOp::Kind::Line:
                if (op.lineStyle == LineStyle::Invisible) break;
                incluir(op.x1, op.y1);
                incluir(op.x2, op.y2);
                break;
            case DrawOp::Kind::Text: {
                const CajaUnidades c = CajaTexto(op, anchoTexto);
                if (c.ancho <= 0) break;  // blanks only
                incluir(c.x, c.y);
                incluir(c.Derecha(), c.Abajo());
                break;
            }
            case DrawOp::Kind::Cls:
            case DrawOp::Kind::Point:  // positioning marks
                break;
        }
    }
    if (x1 < x0) return {0, 0, 100, 70};  // nothing drawn: the whole drawing
    const double lado = std::max(x1 - x0, y1 - y0) + 2 * margen;
    return {(x0 + x1 - lado) / 2, (y0 + y1 - lado) / 2, lado, lado};
}

bool Solapan(const CajaUnidades& a, const CajaUnidades& b) {
    return a.x < b.Derecha() && b.x < a.Derecha() && a.y < b.Abajo() && b.y < a.Abajo();
}

}  // namespace natalis
