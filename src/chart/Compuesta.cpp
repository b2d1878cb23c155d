#include "chart/Compuesta.h"

#include <algorithm>
#include <cmath>

#include "astro/AngleMath.h"
#include "chart/CalcularNatal.h"
#include "chart/DistribuirGlifos.h"

namespace natalis {

double PuntoMedioCercano(double a, double b) {
    // d: b's place seen from a, -180 up to 180; half of it from a is the near midpoint.
    const double d = Reducir180(b - a);
    if (std::fabs(d) == 180) return UnaVuelta(a + 90);
    return UnaVuelta(a + d / 2);
}

CasasCompuestas DerivarCasas(SistemaCasas s, double mc, double latitud, float oblicuidad) {
    CasasCompuestas c;
    c.armc = AscensionRecta(mc, oblicuidad);
    c.casas = CalcularCasas(s, c.armc, static_cast<float>(latitud), oblicuidad, c.Cusp);
    return c;
}

std::string NombreCarta(const Carta& c) {
    if (!c.nacimiento) return c.titulo;
    // A loaded name keeps the label's leading blank; the header has no use for it.
    const std::string& n = c.nacimiento->NatalName;
    const size_t a = n.find_first_not_of(' ');
    if (a == std::string::npos) return {};
    return n.substr(a, n.find_last_not_of(' ') - a + 1);
}

Carta CalcularCompuesta(const Carta& a, const Carta& b) {
    Carta c;
    c.tipo = TipoCarta::Compuesta;
    c.titulo = "Carta compuesta de " + NombreCarta(a) + " y " + NombreCarta(b);
    c.opciones = a.opciones;
    c.latitud = (a.latitud + b.latitud) / 2;
    NatalTables& n = c.natal;
    n.zodiaco = a.natal.zodiaco;
    n.NatalJD = (a.natal.NatalJD + b.natal.NatalJD) / 2;
    n.NatalJD0 = std::floor(n.NatalJD - 0.5) + 0.5;
    n.Obliquity = (a.natal.Obliquity + b.natal.Obliquity) / 2;

    n.Puntos.clear();
    n.PlanetaNatal.assign(1, PuntoNatal{});
    for (size_t i = 0; i < a.natal.Puntos.size(); ++i) {
        const int r = a.natal.Puntos[i];
        const auto enB = std::find(b.natal.Puntos.begin(), b.natal.Puntos.end(), r);
        if (enB == b.natal.Puntos.end()) continue;
        const PuntoNatal& pa = a.natal.PlanetaNatal[i + 1];
        const PuntoNatal& pb = b.natal.PlanetaNatal[enB - b.natal.Puntos.begin() + 1];
        n.Puntos.push_back(r);
        n.PlanetaNatal.push_back(PuntoEnLongitud(
            r, static_cast<float>(PuntoMedioCercano(pa.Lon, pb.Lon)), (pa.Vel + pb.Vel) / 2));
    }
    c.opciones.puntos = n.Puntos;

    const CasasCompuestas casas =
        DerivarCasas(a.opciones.casas,
                     PuntoMedioCercano(a.natal.CuspideNatal[10].Lon, b.natal.CuspideNatal[10].Lon),
                     c.latitud, n.Obliquity);
    n.Casas = casas.casas;
    c.Cusp = casas.Cusp;
    LlenarCuspides(casas.Cusp, casas.armc, n);
    DistribuirGlifos(n.PlanetaNatal);
    return c;
}

}  // namespace natalis
