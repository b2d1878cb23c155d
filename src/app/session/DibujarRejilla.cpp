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
    MedidasRejilla m{kRejillaX0, kRejillaY0, 1.5 * kAltoMaximo, kAltoMaximo};
    if (puntos > 0) {
        const double n = static_cast<double>(puntos);
        m.alto = std::min(kAltoMaximo, (kRejillaFondo - kRejillaY0) / n);
        m.ancho = std::min(1.5 * m.alto, (kRejillaDerecha - kRejillaX0) / n);
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
    // Font sizes follow the cell's height (a unit is 7.2 points at the designed size): the
    // point's glyph takes a little over half of it, the symbol and the orb under it share it.
    const double pt = 7.2 * m.alto;
    for (size_t i = 0; i < n; ++i) {
        const double y = m.y0 + static_cast<double>(i) * m.alto;
        for (size_t j = 0; j <= i; ++j) {
            const double x = m.x0 + static_cast<double>(j) * m.ancho;
            s.Line(x, y, false, x + m.ancho, y, false, kRaya);
            s.Line(x, y + m.alto, false, x + m.ancho, y + m.alto, false, kRaya);
            s.Line(x, y, false, x, y + m.alto, false, kRaya);
            s.Line(x + m.ancho, y, false, x + m.ancho, y + m.alto, false, kRaya);
            if (j == i) {
                const bool glifo = r.letras[i] == LetraCelda::Glifo;
                s.SetFont(glifo ? kCaraGlifos : kCaraTexto, (glifo ? 0.55 : 0.35) * pt, false);
                s.SetForeColor(QBColor(14));
                Texto(s, x + 0.3 * m.ancho, y + (glifo ? 0.1 : 0.25) * m.alto, r.glifos[i]);
                continue;
            }
            if (r.simbolo[i][j].empty()) continue;
            s.SetForeColor(QBColor(15));
            // The aspect's symbol is a key of the glyph font.
            s.SetFont(kCaraGlifos, 0.38 * pt, false);
            Texto(s, x + 0.35 * m.ancho, y + 0.02 * m.alto, r.simbolo[i][j]);
            s.SetFont(kCaraTexto, 0.3 * pt, false);
            Texto(s, x + 0.1 * m.ancho, y + 0.52 * m.alto, r.orbe[i][j]);
        }
    }
}

}  // namespace natalis
