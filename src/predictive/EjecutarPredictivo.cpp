#include "predictive/EjecutarPredictivo.h"

#include <cmath>

#include "astro/Planets.h"
#include "chart/Rings.h"
#include "predictive/ListarProgresion.h"

namespace natalis {

ProgresionResultado EjecutarProgresion(MainState& st, Ephemeris& eph, Surface* s,
                                       const DibujarNatal& dibujarNatal,
                                       std::vector<std::string>& lista) {
    ProgresionResultado r =
        CalcularProgresion(st.pred, st.tables, st.DatosNatales, st.HouseSystem, eph);
    if (r.estado != ProgresionEstado::Calculada) return r;
    if (s) {
        if (dibujarNatal) dibujarNatal();
        DibujarProgresion(*s, st.wheel, st.pred.prog);
    }
    lista = ListarProgresion(st.pred.Tecnica, st.pred.Arco, st.pred, st.tables.natal);
    return r;
}

TransitoResultado EjecutarTransito(MainState& st, Ephemeris& eph, const Clock& clock, Surface* s,
                                   const DibujarNatal& dibujarNatal, std::string& fechaTrans,
                                   std::string& horaTrans, std::vector<std::string>& lista) {
    TransitoResultado res;
    if (st.pred.UsarHoraSolar) return res;
    res.instante =
        InstanteTransito(fechaTrans, horaTrans, st.pred.FechaProgTexto, st.DatosNatales, clock);
    if (res.instante.estado != TransitoEstado::Calculado) return res;

    PlanetTable transito = st.tables.Planet;
    Planets(res.instante.jd, eph, transito);
    for (int i = 1; i <= 10; ++i) {
        if (!std::isfinite(transito[i].Lon) || !std::isfinite(transito[i].Vel)) {
            res.errorCalculo = true;
            return res;
        }
    }

    if (s && dibujarNatal) dibujarNatal();
    if (st.pred.HayProgresion) {
        res.progresion = EjecutarProgresion(st, eph, s, nullptr, lista);
    }
    st.tables.Planet = transito;
    if (s) DibujarTransito(*s, st.wheel, st.tables.Planet, st.pred.HayProgresion);
    res.primeraLinea = lista.size();
    const auto bloque = ListarTransitos(fechaTrans, horaTrans, st.tables.Planet, st.tables.natal);
    lista.insert(lista.end(), bloque.begin(), bloque.end());
    st.pred.ModoTransito = false;
    return res;
}

}  // namespace natalis
