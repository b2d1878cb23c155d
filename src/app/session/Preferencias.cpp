#include "app/session/Preferencias.h"

#include "app/session/ChartSession.h"
#include "astro/CatalogoEstrellas.h"
#include "astro/Puntos.h"

namespace natalis {

TextosPreferencias TextosDePreferencias(const Preferencias& p) {
    TextosPreferencias t;
    for (int r : p.puntos) {
        if (r < kPuntosPorDefecto) continue;
        t.puntos += (t.puntos.empty() ? "" : ",") + std::string(FilaPunto(r).Etiqueta);
    }
    t.casas = LetraCasas(p.casas);
    t.zodiaco = FilaZodiaco(p.zodiaco).nombre;
    t.orbes = FilaOrbes(p.orbes).nombre;
    for (const std::string& e : p.estrellas) t.estrellas += (t.estrellas.empty() ? "" : ",") + e;
    return t;
}

Preferencias PreferenciasDeTextos(const TextosPreferencias& t) {
    Preferencias p;
    // "todos" is a list the command line takes, not one this program writes: it is read too.
    if (!t.puntos.empty()) {
        if (auto filas = PuntosPorLista(t.puntos, nullptr)) p.puntos = std::move(*filas);
    }
    if (auto casas = CasasPorLetra(t.casas)) p.casas = *casas;
    if (t.zodiaco != "tropical") {
        if (auto z = ZodiacoSideral(t.zodiaco)) p.zodiaco = *z;
    }
    if (auto o = OrbesPorNombre(t.orbes)) p.orbes = *o;
    if (!t.estrellas.empty()) {
        if (auto e = EstrellasPorLista(t.estrellas, NombresEstrellas(), nullptr)) {
            p.estrellas = std::move(*e);
        }
    }
    return p;
}

void AplicarPreferencias(const Preferencias& p, ChartSession& s) {
    s.HouseSystem = p.casas;
    s.Puntos = p.puntos;
    s.zodiaco = p.zodiaco;
    s.orbes = p.orbes;
    s.Estrellas = p.estrellas;
}

}  // namespace natalis
