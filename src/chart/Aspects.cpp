// Aspect test and the natal aspects list.
#include "chart/Aspects.h"

#include <cmath>

#include "astro/AngleMath.h"
#include "chart/Orbes.h"

namespace natalis {

namespace {

const std::string kRule = "————————————";  // twelve em dashes
const std::string kGap = "   ";

}  // namespace

double OrbeAspecto(int k) { return kOrbeBase * TablaAspectos[k].FactorOrbe; }

double Separacion(double lon1, double lon2) {
    double d = std::fabs(lon1 - lon2);
    if (d > 180) d = MODg(360 - d);
    return d;
}

void CompararAspecto(double lon1, double lon2, double angulo, double orbe, bool& HayAspecto) {
    const double d = Separacion(lon1, lon2);
    HayAspecto = d >= angulo - orbe && d <= angulo + orbe;
}

bool ReglaNatal(int k, const PuntoAspecto& a, const PuntoAspecto& b) {
    bool hay = false;
    CompararAspecto(a.Lon, b.Lon, TablaAspectos[k].Angulo, OrbeAspecto(k), hay);
    return hay;
}

int BuscarAspecto(double lon1, double lon2) {
    PuntoAspecto a, b;
    a.Lon = lon1;
    b.Lon = lon2;
    for (int k = 0; k < kNumAspectos; ++k) {
        if (ReglaNatal(k, a, b)) return k;
    }
    return -1;
}

namespace {

// Closing when the separation moves towards the aspect's angle. The separation changes at
// the relative speed, signed by which side of the other point a stands on.
FaseAspecto Fase(const PuntoAspecto& a, const PuntoAspecto& b, double angulo) {
    if (!a.ConVel || !b.ConVel) return FaseAspecto::Desconocida;
    const double desvio = Separacion(a.Lon, b.Lon) - angulo;
    const double lado = Reducir180(a.Lon - b.Lon) >= 0 ? 1 : -1;
    const double cambio = lado * (a.Vel - b.Vel);  // degrees/day of the separation
    if (desvio == 0) return FaseAspecto::Exacto;
    // Two points held still (one chart's angle against another's) neither close nor part.
    if (cambio == 0) return FaseAspecto::Desconocida;
    return desvio * cambio < 0 ? FaseAspecto::Aplicativo : FaseAspecto::Separativo;
}

}  // namespace

std::vector<AspectoHallado> BuscarAspectos(const std::vector<PuntoAspecto>& A,
                                           const std::vector<PuntoAspecto>& B,
                                           const ReglaOrbe& regla, ParesAspecto pares) {
    std::vector<AspectoHallado> hallados;
    for (size_t i = 0; i < A.size(); ++i) {
        for (size_t j = 0; j < B.size(); ++j) {
            if (B[j].Id == A[i].Id) continue;
            if (pares == ParesAspecto::UnaVez) {
                // Skip b when it stands in A at or before a: that pair was tried from b's side.
                bool visto = false;
                for (size_t m = 0; m < i && !visto; ++m) visto = A[m].Id == B[j].Id;
                if (visto) continue;
            }
            for (int k = 0; k < kNumAspectos; ++k) {
                if (!regla(k, A[i], B[j])) continue;
                const double angulo = TablaAspectos[k].Angulo;
                hallados.push_back({static_cast<int>(i), static_cast<int>(j), k,
                                    std::fabs(Separacion(A[i].Lon, B[j].Lon) - angulo),
                                    Fase(A[i], B[j], angulo)});
                break;
            }
        }
    }
    return hallados;
}

std::vector<int> IndicesAspectoNatal(const NatalTables& t) {
    std::vector<int> indices;
    for (size_t k = 0; k < t.Puntos.size() && k + 1 < t.PlanetaNatal.size(); ++k) {
        if (FilaPunto(t.Puntos[k]).Aspecta) indices.push_back(static_cast<int>(k) + 1);
    }
    return indices;
}

std::vector<PuntoAspecto> PuntosAspectoNatal(const NatalTables& t, bool conAngulos) {
    std::vector<PuntoAspecto> puntos;
    for (int i : IndicesAspectoNatal(t)) {
        const PuntoNatal& p = t.PlanetaNatal[i];
        PuntoAspecto a;
        a.Lon = p.Lon;
        a.Grado = p.Grado;
        a.Vel = p.Vel;
        a.ConVel = true;
        a.Id = i;
        puntos.push_back(a);
    }
    if (conAngulos) {
        for (int c : {10, 1}) {
            PuntoAspecto a;
            a.Lon = t.CuspideNatal[c].Lon;
            a.Grado = t.CuspideNatal[c].Grado;
            a.Id = -c;
            // The angles turn with the sky, about a degree every four minutes: their motion
            // decides most phases to them. Where the library could not give it (NaN) the
            // phase is unknown.
            const double vel = c == 1 ? t.VelAngulos.ascendente : t.VelAngulos.medioCielo;
            a.Vel = std::isfinite(vel) ? vel : 0;
            a.ConVel = std::isfinite(vel);
            puntos.push_back(a);
        }
    }
    return puntos;
}

std::vector<std::string> ListarAspectos(const NatalTables& t) {
    return ListarAspectosOrbes(t, Orbes::Clasicos);
}

std::vector<std::string> ListarAspectosOrbes(const NatalTables& t, Orbes orbes) {
    const CuspideRec& mc = t.CuspideNatal[10];
    const CuspideRec& asc = t.CuspideNatal[1];
    std::vector<std::string> lines = {
        kRule, kGap, "  " + mc.Texto, "  " + asc.Texto, kGap, kRule, kGap, "ASPECTOS NATALES",
        kGap};
    // Partners: the other aspecting points, then the Midheaven, then the Ascendant.
    const std::vector<PuntoAspecto> puntos = PuntosAspectoNatal(t, false);
    const std::vector<PuntoAspecto> socios = PuntosAspectoNatal(t, true);
    const std::vector<AspectoHallado> hallados =
        BuscarAspectos(puntos, socios, ReglaOrbesNatal(t, orbes));
    size_t h = 0;
    for (size_t i = 0; i < puntos.size(); ++i) {
        const PuntoNatal& p = t.PlanetaNatal[puntos[i].Id];
        lines.push_back(p.Vel < 0 ? p.Texto + " r" : p.Texto);
        for (; h < hallados.size() && hallados[h].a == static_cast<int>(i); ++h) {
            const int id = socios[hallados[h].b].Id;
            const std::string& texto =
                id > 0 ? t.PlanetaNatal[id].Texto : t.CuspideNatal[-id].Texto;
            // The program's own set lists the aspect as it always has; another set adds the orb.
            lines.push_back(std::string("  ") + TablaAspectos[hallados[h].k].Nombre + " " + texto +
                            (orbes == Orbes::Clasicos ? "" : TextoOrbe(hallados[h])));
        }
        lines.push_back(kGap);
    }
    lines.push_back(kGap);
    return lines;
}

}  // namespace natalis
