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
    double cusps[13] = {}, ascmc[10] = {}, velCusps[13] = {}, velAscmc[10] = {};
    char error[256] = "";
    swe_houses_armc_ex2(armc, lat, obliquity, letra, cusps, ascmc, velCusps, velAscmc, error);
    // Where the system is undefined (ERR) the library gives Porphyry's cusps and speeds, as
    // the chart then has them.
    return {velCusps[1], velCusps[10]};
}

bool CuspidesEnOrden(const CuspTable& Cusp) {
    double vuelta = 0;
    for (int i = 1; i <= 12; ++i) vuelta += UnaVuelta(Cusp[i % 12 + 1] - double{Cusp[i]});
    return std::fabs(vuelta - 360.0) < 1.0;
}

}  // namespace natalis
