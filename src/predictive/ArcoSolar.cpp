// Progressed instant and solar arc.
#include "predictive/ArcoSolar.h"

#include "astro/AngleMath.h"
#include "astro/Zodiaco.h"

namespace natalis {

double InstanteProgresado(double jd, double natalJD0, double horaUT) {
    const double edad = (jd - natalJD0) / kDiasPorAnioEdad;
    return natalJD0 + edad + horaUT / 24.0;
}

double ArcoSolar(double jd, const NatalTables& natal, double horaUT, Ephemeris& eph,
                 double* velDegPorDia) {
    double sol[4] = {0, 0, 0, 0};
    PosicionZodiacal(eph, InstanteProgresado(jd, natal.NatalJD0, horaUT), 0, natal.zodiaco, sol);
    if (velDegPorDia) *velDegPorDia = sol[3] / kDiasPorAnioEdad;
    return Reducir180(sol[0] - natal.PlanetaNatal[1].Lon);
}

}  // namespace natalis
