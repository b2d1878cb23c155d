#include "chart/EstrellasNatales.h"

#include <cmath>

#include "astro/AngleMath.h"
#include "astro/Zodiaco.h"
#include "chart/Aspects.h"
#include "chart/CalcularNatal.h"
#include "chart/Orbes.h"

namespace natalis {

void CalcularEstrellas(Ephemeris& eph, NatalTables& natal) {
    natal.Estrellas.clear();
    if (natal.EstrellasPedidas.empty()) return;
    const double ayanamsa = AyanamsaDe(eph, natal.NatalJD, natal.zodiaco);
    for (const std::string& nombre : natal.EstrellasPedidas) {
        double out[4];
        if (!eph.CalcStar(natal.NatalJD, nombre, out) || !std::isfinite(out[0])) {
            natal.Notas.push_back(nombre + ": sin posición en el catálogo de estrellas");
            continue;
        }
        EstrellaNatal e;
        e.Nombre = nombre;
        e.Lon = static_cast<float>(UnaVuelta(out[0] - ayanamsa));
        e.Lat = static_cast<float>(out[1]);
        e.Texto = nombre + " " + ZodiacString(e.Lon);
        natal.Estrellas.push_back(std::move(e));
    }
}

std::vector<ConjuncionEstrella> ConjuncionesEstrellas(const NatalTables& natal) {
    struct Punto {
        std::string etiqueta;
        float lon;
        const std::string* texto;
    };
    std::vector<Punto> puntos;
    for (size_t i = 1; i < natal.PlanetaNatal.size() && i <= natal.Puntos.size(); ++i) {
        puntos.push_back({FilaPunto(natal.Puntos[i - 1]).Etiqueta, natal.PlanetaNatal[i].Lon,
                          &natal.PlanetaNatal[i].Texto});
    }
    constexpr struct {
        const char* etiqueta;
        int cuspide;
    } kAngulos[] = {{"ASC", 1}, {"MC", 10}, {"DSC", 7}, {"IC", 4}};
    for (const auto& a : kAngulos) {
        const CuspideRec& c = natal.CuspideNatal[a.cuspide];
        puntos.push_back({a.etiqueta, c.Lon, &c.Texto});
    }
    std::vector<ConjuncionEstrella> conj;
    for (size_t s = 0; s < natal.Estrellas.size(); ++s) {
        for (const Punto& p : puntos) {
            // The separation the short way round, in double precision.
            double orbe = std::fabs(static_cast<double>(natal.Estrellas[s].Lon) - p.lon);
            if (orbe > 180) orbe = 360 - orbe;
            if (orbe <= kOrbeEstrella) conj.push_back({s, p.etiqueta, p.texto, orbe});
        }
    }
    return conj;
}

std::vector<std::string> ListarEstrellas(const NatalTables& natal) {
    if (natal.EstrellasPedidas.empty()) return {};
    std::vector<std::string> lista = {"   ", "ESTRELLAS FIJAS", "   "};
    const std::vector<ConjuncionEstrella> conj = ConjuncionesEstrellas(natal);
    for (size_t i = 0; i < conj.size(); ++i) {
        if (i == 0 || conj[i].estrella != conj[i - 1].estrella) {
            if (i > 0) lista.push_back("   ");
            lista.push_back(natal.Estrellas[conj[i].estrella].Texto);
        }
        AspectoHallado h;
        h.orbe = conj[i].orbe;
        lista.push_back("  Conj " + *conj[i].texto + TextoOrbe(h));
    }
    if (conj.empty()) lista.push_back("Ninguna a menos de 1° de un punto natal.");
    lista.push_back("   ");
    return lista;
}

}  // namespace natalis
