#include "chart/Carta.h"

#include "chart/CalcularNatal.h"
#include "chart/DistribuirGlifos.h"

namespace natalis {

Carta CalcularCarta(const NatalRecord& rec, const OpcionesCarta& opciones, Ephemeris& eph) {
    ChartTables t;
    t.natal.zodiaco = opciones.zodiaco;
    t.natal.Puntos = opciones.puntos;
    CalcularNatal(rec, opciones.casas, eph, t);
    DistribuirGlifos(t.natal.PlanetaNatal);
    Carta c;
    c.nacimiento = rec;
    c.opciones = opciones;
    c.natal = std::move(t.natal);
    c.Planet = t.Planet;
    c.Cusp = t.Cusp;
    return c;
}

}  // namespace natalis
