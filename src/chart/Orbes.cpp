#include "chart/Orbes.h"

#include <cmath>
#include <utility>

namespace natalis {

const OrbesFila& FilaOrbes(Orbes o) {
    for (const OrbesFila& f : kOrbes) {
        if (f.id == o) return f;
    }
    return kOrbes[0];
}

std::optional<Orbes> OrbesPorNombre(const std::string& nombre) {
    for (const OrbesFila& f : kOrbes) {
        if (nombre == f.nombre) return f.id;
    }
    return std::nullopt;
}

ReglaOrbe ReglaDeOrbes(Orbes o, std::function<bool(const PuntoAspecto&)> esLuminaria) {
    if (o == Orbes::Clasicos) return ReglaNatal;
    const OrbesFila& f = FilaOrbes(o);
    return [&f, lum = std::move(esLuminaria)](int k, const PuntoAspecto& a, const PuntoAspecto& b) {
        const double orbe = f.orbe[k] + (lum(a) || lum(b) ? f.masLuminarias : 0);
        return std::fabs(Separacion(a.Lon, b.Lon) - TablaAspectos[k].Angulo) <= orbe;
    };
}

ReglaOrbe ReglaOrbesNatal(const NatalTables& t, Orbes o) {
    return ReglaDeOrbes(o, [&t](const PuntoAspecto& p) {
        if (p.Id <= 0 || static_cast<size_t>(p.Id) > t.Puntos.size()) return false;
        const PuntoDef& d = FilaPunto(t.Puntos[p.Id - 1]);
        return d.Regla == ReglaPunto::Cuerpo &&
               (d.CuerpoId == Cuerpo::Sol || d.CuerpoId == Cuerpo::Luna);
    });
}

std::string TextoOrbe(const AspectoHallado& h) {
    const long minutos = std::lround(h.orbe * 60);
    std::string minuto = std::to_string(minutos % 60);
    if (minuto.size() < 2) minuto = "0" + minuto;
    std::string t = " " + std::to_string(minutos / 60) + "°" + minuto + "'";
    if (h.fase == FaseAspecto::Aplicativo) t += " a";
    if (h.fase == FaseAspecto::Separativo) t += " s";
    return t;
}

}  // namespace natalis
