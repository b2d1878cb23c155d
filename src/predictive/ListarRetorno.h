// The listing of a solar or lunar return: a transits block for the return's instant whose
// heading names the return and gives its instant in universal time.
#pragma once
#include <string>
#include <vector>

#include "astro/Planets.h"
#include "chart/NatalTables.h"
#include "predictive/Retorno.h"

namespace natalis {

// "RETORNO SOLAR" (or "RETORNO LUNAR"), "Instante UT:  d m aaaa hh:mm:ss", then the lines of
// the transits block after its heading: "   ", "Fecha:  " with the date and "Hora:  " with
// the time of the instant in the birth zone (UT - zoneHours, to the second, followed by
// " (huso de la carta)"), "   ", and each point of the return with the natal points it
// aspects.
std::vector<std::string> ListarRetorno(TipoRetorno tipo, double jd, float zoneHours,
                                       const std::vector<PuntoAnillo>& puntos,
                                       const NatalTables& natal);
// The same for the ten bodies of Planet(1..10).
std::vector<std::string> ListarRetorno(TipoRetorno tipo, double jd, float zoneHours,
                                       const PlanetTable& Planet, const NatalTables& natal);

}  // namespace natalis
