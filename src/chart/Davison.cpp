#include "chart/Davison.h"

#include <cmath>

#include "astro/AngleMath.h"
#include "chart/CartaInstante.h"
#include "chart/Compuesta.h"

namespace natalis {

namespace {
constexpr double kRad = 3.14159265358979323846 / 180.0;
}

Coordenadas PuntoMedioLugares(const Coordenadas& a, const Coordenadas& b, LugarMedio modo) {
    if (modo == LugarMedio::Circulo) {
        // The sum of the two unit vectors points at the middle of the shorter great-circle arc.
        const auto vector = [](const Coordenadas& c, double v[3]) {
            const double f = c.latitudDeg * kRad, l = c.longitudDeg * kRad;
            v[0] = std::cos(f) * std::cos(l);
            v[1] = std::cos(f) * std::sin(l);
            v[2] = std::sin(f);
        };
        double u[3], w[3];
        vector(a, u);
        vector(b, w);
        const double x = u[0] + w[0], y = u[1] + w[1], z = u[2] + w[2];
        const double h = std::hypot(x, y);
        if (h + std::fabs(z) > 1e-12) {
            return {std::atan2(z, h) / kRad, h > 1e-12 ? std::atan2(y, x) / kRad : 0.0};
        }
    }
    return {(a.latitudDeg + b.latitudDeg) / 2,
            Reducir180(a.longitudDeg + Reducir180(b.longitudDeg - a.longitudDeg) / 2)};
}

Carta CalcularDavison(const Carta& a, const Carta& b, LugarMedio modo, Ephemeris& eph) {
    const NatalRecord& ra = *a.nacimiento;
    const NatalRecord& rb = *b.nacimiento;
    const Coordenadas m = PuntoMedioLugares({ra.LatitudeDeg, ra.LongitudeDeg},
                                            {rb.LatitudeDeg, rb.LongitudeDeg}, modo);
    LugarCarta lugar;
    lugar.nombre = "Punto medio";
    lugar.latitudDeg = m.latitudDeg;
    lugar.longitudDeg = m.longitudDeg;
    const std::string titulo = "Carta Davison de " + NombreCarta(a) + " y " + NombreCarta(b);
    std::string error;  // a place without a zone never fails
    const NatalRecord rec =
        *RegistroDeInstante((a.natal.NatalJD + b.natal.NatalJD) / 2, lugar, titulo, error);
    Carta c = CalcularCarta(rec, a.opciones, eph);
    c.tipo = TipoCarta::Davison;
    c.titulo = titulo;
    return c;
}

}  // namespace natalis
