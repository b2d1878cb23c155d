// Aspect test and the natal aspects list.
#include "chart/Aspects.h"

#include <cmath>

#include "astro/AngleMath.h"

namespace natalis {

namespace {

const std::string kRule = "————————————";  // twelve em dashes
const std::string kGap = "   ";

}  // namespace

double OrbeAspecto(int k) { return kOrbeBase * TablaAspectos[k].FactorOrbe; }

void CompararAspecto(double lon1, double lon2, double angulo, double orbe, bool& HayAspecto) {
    double d = std::fabs(lon1 - lon2);
    if (d > 180) d = MODg(360 - d);
    HayAspecto = d >= angulo - orbe && d <= angulo + orbe;
}

int BuscarAspecto(double lon1, double lon2) {
    for (int k = 0; k < kNumAspectos; ++k) {
        bool hay = false;
        CompararAspecto(lon1, lon2, TablaAspectos[k].Angulo, OrbeAspecto(k), hay);
        if (hay) return k;
    }
    return -1;
}

std::vector<std::string> ListarAspectos(const NatalTables& t) {
    const CuspideRec& mc = t.CuspideNatal[10];
    const CuspideRec& asc = t.CuspideNatal[1];
    std::vector<std::string> lines = {
        kRule, kGap, "  " + mc.Texto, "  " + asc.Texto, kGap, kRule, kGap, "ASPECTOS NATALES",
        kGap};
    for (int i = 1; i <= 10; ++i) {
        const PuntoNatal& p = t.PlanetaNatal[i];
        lines.push_back(p.Vel < 0 ? p.Texto + " r" : p.Texto);
        // Partners 1..10 the planets, 11 the Midheaven, 12 the Ascendant.
        for (int j = 1; j <= 12; ++j) {
            if (j == i) continue;
            const float lon = j <= 10 ? t.PlanetaNatal[j].Lon : (j == 11 ? mc : asc).Lon;
            const std::string& texto =
                j <= 10 ? t.PlanetaNatal[j].Texto : (j == 11 ? mc : asc).Texto;
            const int k = BuscarAspecto(p.Lon, lon);
            if (k >= 0) lines.push_back(std::string("  ") + TablaAspectos[k].Nombre + " " + texto);
        }
        lines.push_back(kGap);
    }
    lines.push_back(kGap);
    return lines;
}

}  // namespace natalis
