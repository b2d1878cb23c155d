#include "predictive/ListarRetorno.h"

#include "astro/InstanteCivil.h"
#include "predictive/Transito.h"

namespace natalis {

std::vector<std::string> ListarRetorno(TipoRetorno tipo, double jd, float zoneHours,
                                       const std::vector<PuntoAnillo>& puntos,
                                       const NatalTables& natal) {
    const InstanteCivil ut = InstanteDeJD(jd);
    const InstanteCivil local = InstanteDeJD(jd - zoneHours / 24.0);
    std::vector<std::string> lista =
        ListarTransitos(TextoFecha(local), TextoHora(local) + " (huso de la carta)", puntos, natal);
    // The transits heading "  TRANSITOS" gives way to the return's two heading lines.
    lista[0] = "Instante UT:  " + TextoFecha(ut) + " " + TextoHora(ut);
    lista.insert(lista.begin(), TituloRetorno(tipo));
    return lista;
}

std::vector<std::string> ListarRetorno(TipoRetorno tipo, double jd, float zoneHours,
                                       const PlanetTable& Planet, const NatalTables& natal) {
    return ListarRetorno(tipo, jd, zoneHours, PuntosDeTabla(Planet), natal);
}

}  // namespace natalis
