#include "chart/Carta.h"

#include "chart/CalcularNatal.h"
#include "chart/DistribuirGlifos.h"

namespace natalis {

const char* NombreTipoCarta(TipoCarta t) {
    switch (t) {
        case TipoCarta::Natal:
            return "natal";
        case TipoCarta::Compuesta:
            return "compuesta";
        case TipoCarta::Davison:
            return "davison";
        case TipoCarta::RetornoSolar:
            return "retorno-solar";
        case TipoCarta::RetornoLunar:
            return "retorno-lunar";
        case TipoCarta::Ahora:
            return "ahora";
    }
    return "natal";
}

Carta CalcularCarta(const NatalRecord& rec, const OpcionesCarta& opciones, Ephemeris& eph) {
    ChartTables t;
    t.natal.zodiaco = opciones.zodiaco;
    t.natal.Puntos = opciones.puntos;
    t.natal.EstrellasPedidas = opciones.estrellas;
    CalcularNatal(rec, opciones.casas, eph, t);
    DistribuirGlifos(t.natal.PlanetaNatal);
    Carta c;
    c.nacimiento = rec;
    c.latitud = rec.LatitudeDeg;
    c.opciones = opciones;
    c.natal = std::move(t.natal);
    c.Planet = t.Planet;
    c.Cusp = t.Cusp;
    return c;
}

}  // namespace natalis
