#include "astro/CasasBiblioteca.h"

#include <swephexp.h>

#include <cmath>

#include "astro/AngleMath.h"

namespace natalis {

CasasLibreria CasasBiblioteca(char letra, double armc, double lat, double obliquity) {
    double cusps[13] = {};
    double ascmc[10] = {};
    const int ret = swe_houses_armc(armc, lat, obliquity, letra, cusps, ascmc);
    CasasLibreria r;
    for (int i = 1; i <= 12; ++i) r.cuspides[i] = static_cast<float>(cusps[i]);
    r.ascendente = ascmc[SE_ASC];
    r.medioCielo = ascmc[SE_MC];
    r.vertice = ascmc[SE_VERTEX];
    // The library answers ERR, with Porphyry cusps, where the system is undefined.
    r.reemplazadas = ret == ERR;
    return r;
}

VelocidadAngulos VelocidadesAngulos(char letra, double armc, double lat, double obliquity) {
    // Central difference of the library's cusps over a small turn of the ARMC, which turns at
    // the sidereal rate: 360.98564736629 degrees per day of universal time (IAU 1982).
    constexpr double kPaso = 0.01;  // degrees of ARMC
    constexpr double kRitmoArmc = 360.98564736629;
    const CasasLibreria antes = CasasBiblioteca(letra, armc - kPaso, lat, obliquity);
    const CasasLibreria despues = CasasBiblioteca(letra, armc + kPaso, lat, obliquity);
    const auto velocidad = [&](int c) {
        return Reducir180(double{despues.cuspides[c]} - double{antes.cuspides[c]}) / (2 * kPaso) *
               kRitmoArmc;
    };
    return {velocidad(1), velocidad(10)};
}

bool CuspidesEnOrden(const CuspTable& Cusp) {
    double vuelta = 0;
    for (int i = 1; i <= 12; ++i) vuelta += UnaVuelta(Cusp[i % 12 + 1] - double{Cusp[i]});
    return std::fabs(vuelta - 360.0) < 1.0;
}

}  // namespace natalis
