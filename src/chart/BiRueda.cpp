#include "chart/BiRueda.h"

#include <cstdlib>

#include "chart/Compuesta.h"
#include "chart/Rings.h"

namespace natalis {

void DibujarBiRueda(Surface& s, const Carta& a, const Carta& b, const Sinastria& cruce,
                    const WheelHeader& header, WheelGeometry& g) {
    WheelHeader h = header;
    h.aspectos = false;
    DibujarCarta(s, a, h, g);
    DibujarAnilloCarta(s, g, b.natal);

    // Lines from where each glyph stands: the first chart's display angle, the outer ring's
    // spread angle; the angles at their longitude.
    const std::vector<AnguloGlifo> anillo = AngulosAnilloCarta(b.natal, g.GiroAsc);
    const auto thetaA = [&](const PuntoAspecto& p) {
        return (p.Id > 0 ? std::abs(a.natal.PlanetaNatal[p.Id].PosGrafica) : p.Lon) + g.GiroAsc;
    };
    const auto thetaB = [&](const PuntoAspecto& p) -> double {
        const int id = p.Id > 0 ? p.Id - kIdSegunda : 0;
        if (id <= 0) return p.Lon + g.GiroAsc;
        const int fila = b.natal.Puntos[id - 1] + 1;
        for (const AnguloGlifo& x : anillo) {
            if (x.cuerpo == fila) return x.angulo;
        }
        return p.Lon + g.GiroAsc;
    };
    for (const AspectoHallado& x : cruce.aspectos) {
        LineaAspecto(s, g, TablaAspectos[x.k].Angulo, thetaA(cruce.puntosA[x.a]),
                     thetaB(cruce.puntosB[x.b]));
    }

    s.SetFont("Arial", 12, false);
    s.PSet(26, 5, kBackground);
    s.SetForeColor(kColorAnilloCarta);
    std::string linea = "Anillo exterior: " + NombreCarta(b);
    if (b.nacimiento)
        linea += "   " + b.nacimiento->FechaNatalTexto + "   " + b.nacimiento->TimeText;
    s.Print(linea, true);
}

}  // namespace natalis
