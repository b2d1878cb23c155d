#include "app/cli/CartaJson.h"

#include <sstream>

#include "app/cli/JsonText.h"
#include "app/cli/ZoneSourceJson.h"
#include "app/model/Cp1252.h"
#include "astro/SistemaCasas.h"
#include "astro/Zodiaco.h"
#include "chart/Aspects.h"
#include "chart/CalcularNatal.h"
#include "chart/EstrellasNatales.h"

namespace natalis {

namespace {

std::string PointJson(int i, const PuntoNatal& p) {
    return "{\"label\": " + JsonString(TrimBlanks(EtiquetaPlaneta(i))) +
           ", \"lon\": " + JsonNumber(p.Lon) + ", \"vel\": " + JsonNumber(p.Vel) +
           ", \"grado\": " + std::to_string(p.Grado) + ", \"texto\": " + JsonString(p.Texto) +
           ", \"posGrafica\": " + std::to_string(p.PosGrafica) +
           ", \"speed\": " + JsonNumber(p.Vel) + "}";
}

std::string CuspJson(const CuspideRec& c) {
    return "{\"lon\": " + JsonNumber(c.Lon) + ", \"grado\": " + std::to_string(c.Grado) +
           ", \"texto\": " + JsonString(c.Texto) + "}";
}

// The Ascendant and the Midheaven with their speeds (degrees/day), which the aspects' phases
// to them read.
std::vector<std::string> AnglesJson(const NatalTables& t) {
    const auto angle = [](const char* label, const CuspideRec& c, double speed) {
        return "{\"label\": " + JsonString(label) + ", \"lon\": " + JsonNumber(c.Lon) +
               ", \"speed\": " + JsonNumber(speed) + "}";
    };
    return {angle("ASC", t.CuspideNatal[1], t.VelAngulos.ascendente),
            angle("MC", t.CuspideNatal[10], t.VelAngulos.medioCielo)};
}

// "orb": |separation - the aspect's angle|, degrees; "applying": the separation is moving
// towards the exact angle at the two points' speeds (the angles' speeds as in "angles").
std::string AspectJson(const std::string& from, const std::string& to, const AspectoHallado& h) {
    return "{\"from\": " + JsonString(from) + ", \"to\": " + JsonString(to) +
           ", \"aspect\": " + JsonString(TablaAspectos[h.k].Nombre) +
           ", \"orb\": " + JsonNumber(h.orbe) +
           ", \"applying\": " + (h.fase == FaseAspecto::Aplicativo ? "true" : "false") + "}";
}

// Each unordered pair of planets once, then each planet with the Midheaven and the
// Ascendant, in the order of the aspects list.
std::vector<std::string> AspectsJson(const NatalTables& t, Orbes orbes) {
    std::vector<std::string> items;
    const std::vector<PuntoAspecto> puntos = PuntosAspectoNatal(t, false);
    const std::vector<PuntoAspecto> socios = PuntosAspectoNatal(t, true);
    const auto label = [&](int id) {
        return id > 0 ? TrimBlanks(EtiquetaPlaneta(t.Puntos[id - 1] + 1))
                      : std::string(id == -10 ? "MC" : "ASC");
    };
    for (const AspectoHallado& h :
         BuscarAspectos(puntos, socios, ReglaOrbesNatal(t, orbes), ParesAspecto::UnaVez)) {
        items.push_back(AspectJson(label(puntos[h.a].Id), label(socios[h.b].Id), h));
    }
    return items;
}

// Each star asked for: its place, and the natal points within kOrbeEstrella of it ("orb":
// the separation, degrees).
std::vector<std::string> StarsJson(const NatalTables& t) {
    const std::vector<ConjuncionEstrella> conj = ConjuncionesEstrellas(t);
    std::vector<std::string> items;
    for (size_t s = 0; s < t.Estrellas.size(); ++s) {
        const EstrellaNatal& e = t.Estrellas[s];
        std::string puntos;
        for (const ConjuncionEstrella& c : conj) {
            if (c.estrella != s) continue;
            puntos += std::string(puntos.empty() ? "" : ", ") +
                      "{\"to\": " + JsonString(c.etiqueta) + ", \"orb\": " + JsonNumber(c.orbe) +
                      "}";
        }
        items.push_back("{\"name\": " + JsonString(e.Nombre) + ", \"lon\": " + JsonNumber(e.Lon) +
                        ", \"lat\": " + JsonNumber(e.Lat) + ", \"texto\": " + JsonString(e.Texto) +
                        ", \"conjunctions\": [" + puntos + "]}");
    }
    return items;
}

MiembroJson Valor(const char* clave, std::string valor) {
    return {clave, std::move(valor), {}, false};
}
MiembroJson Arreglo(const char* clave, std::vector<std::string> items) {
    return {clave, {}, std::move(items), true};
}

}  // namespace

std::string ObjetoJson(const std::vector<MiembroJson>& miembros) {
    std::ostringstream os;
    os << "{";
    for (size_t m = 0; m < miembros.size(); ++m) {
        const MiembroJson& x = miembros[m];
        os << (m == 0 ? "" : ", ") << JsonString(x.clave) << ": ";
        if (x.arreglo) {
            os << "[";
            for (size_t i = 0; i < x.items.size(); ++i) os << (i == 0 ? "" : ", ") << x.items[i];
            os << "]";
        } else {
            os << x.valor;
        }
    }
    os << "}\n";
    return os.str();
}

std::vector<MiembroJson> MiembrosCarta(const NatalTables& t, const std::string& nombre,
                                       const NatalRecord* rec, EphemerisSource source,
                                       Orbes orbes) {
    std::vector<std::string> points, cusps;
    for (size_t i = 1; i < t.PlanetaNatal.size(); ++i) {
        points.push_back(PointJson(t.Puntos[i - 1] + 1, t.PlanetaNatal[i]));
    }
    for (int i = 0; i <= 12; ++i) cusps.push_back(CuspJson(t.CuspideNatal[i]));
    std::vector<std::string> notas;
    if (const std::string casas = NotaCasas(t.Casas); !casas.empty()) {
        notas.push_back(JsonString(casas));
    }
    for (const std::string& nota : t.Notas) notas.push_back(JsonString(nota));
    std::vector<MiembroJson> miembros = {
        Valor("name", JsonString(TrimBlanks(nombre))),
        Valor("place", JsonString(rec ? TrimBlanks(rec->Place) : std::string())),
        Valor("jd", JsonNumber(t.NatalJD)),
        Valor("armc", JsonNumber(t.NatalARMC)),
        Valor("obliquity", JsonNumber(t.Obliquity)),
        Valor("houseSystem", JsonString(std::string(1, LetraResultado(t.Casas)))),
        Valor("ephemeris", JsonString(source == EphemerisSource::Files ? "files" : "analytic")),
        Arreglo("points", std::move(points)),
        Arreglo("cusps", std::move(cusps)),
        Arreglo("aspects", AspectsJson(t, orbes)),
        Valor("zoneSource", rec ? ZoneSourceJson(*rec) : "null"),
        Valor("zodiac", JsonString(FilaZodiaco(t.zodiaco).nombre)),
        Arreglo("notes", std::move(notas)),
        Arreglo("angles", AnglesJson(t)),
    };
    // Only a chart with stars asked for has the key.
    if (!t.EstrellasPedidas.empty()) miembros.push_back(Arreglo("stars", StarsJson(t)));
    return miembros;
}

}  // namespace natalis
