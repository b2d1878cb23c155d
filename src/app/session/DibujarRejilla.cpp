#include "app/session/DibujarRejilla.h"

#include <algorithm>

namespace natalis {

namespace {

constexpr const char* kCaraGlifos = "OrreryAstro";
constexpr const char* kCaraTexto = "Arial";
constexpr Color kRaya = kGrey128;

void Texto(Surface& s, double x, double y, const std::string& texto) {
    s.PSet(x, y, kBackground);
    s.Print(texto, false);
}

}  // namespace

MedidasRejilla MedirRejilla(size_t puntos) {
    MedidasRejilla m{kRejillaX0, kRejillaY0, kLadoMaximo};
    if (puntos > 0) {
        m.lado = std::min(kLadoMaximo, (kRejillaFondo - kRejillaY0) / static_cast<double>(puntos));
    }
    return m;
}

void DibujarRejilla(Surface& s, const RejillaAspectos& r, const std::string& orbes) {
    s.Cls();
    s.SetFillStyle(FillStyle::Transparent);
    s.SetDrawStyle(LineStyle::Solid);
    s.SetDrawWidth(1);
    s.SetForeColor(QBColor(15));
    s.SetFont(kCaraTexto, 12, true);
    Texto(s, kRejillaX0, 1, "Rejilla de aspectos (símbolo y orbe)");
    s.SetFont(kCaraTexto, 9, false);
    Texto(s, kRejillaX0, 3.5, "Orbes: " + orbes);

    const size_t n = r.glifos.size();
    const MedidasRejilla m = MedirRejilla(n);
    // Font sizes follow the cell: at the largest cell a glyph of 15 points, the symbol of 11
    // and the orb of 7 (points at the designed size; the surface scales them).
    const double escala = m.lado / kLadoMaximo;
    for (size_t i = 0; i < n; ++i) {
        const double y = m.y0 + static_cast<double>(i) * m.lado;
        for (size_t j = 0; j <= i; ++j) {
            const double x = m.x0 + static_cast<double>(j) * m.lado;
            s.Line(x, y, false, x + m.lado, y, false, kRaya);
            s.Line(x, y + m.lado, false, x + m.lado, y + m.lado, false, kRaya);
            s.Line(x, y, false, x, y + m.lado, false, kRaya);
            s.Line(x + m.lado, y, false, x + m.lado, y + m.lado, false, kRaya);
            if (j == i) {
                const bool glifo = r.letras[i] == LetraCelda::Glifo;
                s.SetFont(glifo ? kCaraGlifos : kCaraTexto, (glifo ? 15 : 9) * escala, false);
                s.SetForeColor(QBColor(14));
                Texto(s, x + 0.15 * m.lado, y + 0.1 * m.lado, r.glifos[i]);
                continue;
            }
            if (r.simbolo[i][j].empty()) continue;
            s.SetForeColor(QBColor(15));
            s.SetFont(kCaraTexto, 11 * escala, false);
            Texto(s, x + 0.25 * m.lado, y + 0.02 * m.lado, r.simbolo[i][j]);
            s.SetFont(kCaraTexto, 7 * escala, false);
            Texto(s, x + 0.08 * m.lado, y + 0.55 * m.lado, r.orbe[i][j]);
        }
    }
}

}  // namespace natalis
