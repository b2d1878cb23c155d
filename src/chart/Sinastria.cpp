#include "chart/Sinastria.h"

#include <cmath>

#include "astro/AngleMath.h"
#include "chart/CalcularNatal.h"
#include "chart/Compuesta.h"

namespace natalis {

namespace {

std::vector<int> Casas(const NatalTables& puntos, const NatalTables& casas) {
    std::vector<int> r(puntos.PlanetaNatal.size(), 0);
    for (size_t i = 1; i < puntos.PlanetaNatal.size(); ++i) {
        r[i] = CasaDeLongitud(puntos.PlanetaNatal[i].Lon, casas.CuspideNatal);
    }
    return r;
}

}  // namespace

Sinastria CalcularSinastria(const NatalTables& a, const NatalTables& b) {
    Sinastria s;
    s.puntosA = PuntosAspectoNatal(a, true);
    s.puntosB = PuntosAspectoNatal(b, true);
    // Distinct Ids, so the same point of both people is paired too.
    for (PuntoAspecto& p : s.puntosB) p.Id += p.Id > 0 ? kIdSegunda : -kIdSegunda;
    s.aspectos = BuscarAspectos(s.puntosA, s.puntosB, ReglaNatal);
    s.casasEnA = Casas(b, a);
    s.casasEnB = Casas(a, b);
    return s;
}

std::string EtiquetaPuntoAspecto(const NatalTables& t, const PuntoAspecto& p) {
    const int id = p.Id > kIdSegunda    ? p.Id - kIdSegunda
                   : p.Id < -kIdSegunda ? p.Id + kIdSegunda
                                        : p.Id;
    if (id == -10) return "MC";
    if (id == -1) return "ASC";
    std::string e = EtiquetaPlaneta(t.Puntos[id - 1] + 1);
    e.erase(e.find_last_not_of(' ') + 1);
    return e;
}

std::string TextoOrbe(double orbeDeg) {
    long minutos = std::lround(orbeDeg * 60);
    std::string m = std::to_string(minutos % 60);
    if (m.size() < 2) m = "0" + m;
    return std::to_string(minutos / 60) + "°" + m + "'";
}

std::vector<std::string> ListarSinastria(const Carta& a, const Carta& b, const Sinastria& s) {
    std::vector<std::string> lines = {"ASPECTOS CRUZADOS"};
    for (const AspectoHallado& h : s.aspectos) {
        std::string line = EtiquetaPuntoAspecto(a.natal, s.puntosA[h.a]) + " " +
                           TablaAspectos[h.k].Nombre + " " +
                           EtiquetaPuntoAspecto(b.natal, s.puntosB[h.b]) + " " + TextoOrbe(h.orbe);
        const std::string fase = TextoFase(h.fase);
        if (!fase.empty()) line += " " + fase;
        lines.push_back(line);
    }
    const auto superposicion = [&](const Carta& de, const Carta& en, const std::vector<int>& c) {
        lines.push_back("");
        lines.push_back("CASAS DE " + NombreCarta(de) + " EN LA CARTA DE " + NombreCarta(en));
        for (size_t i = 1; i < c.size(); ++i) {
            std::string e = EtiquetaPlaneta(de.natal.Puntos[i - 1] + 1);
            e.erase(e.find_last_not_of(' ') + 1);
            lines.push_back(e + " casa " + std::to_string(c[i]));
        }
    };
    superposicion(b, a, s.casasEnA);
    superposicion(a, b, s.casasEnB);
    return lines;
}

}  // namespace natalis
