#include "chart/RejillaCruzada.h"

namespace natalis {

RejillaCruzada ArmarRejillaCruzada(const Carta& a, const Carta& b, const Sinastria& s) {
    RejillaCruzada r;
    for (const PuntoAspecto& p : s.puntosA) r.filas.push_back(EtiquetaPuntoAspecto(a.natal, p));
    for (const PuntoAspecto& p : s.puntosB) r.columnas.push_back(EtiquetaPuntoAspecto(b.natal, p));
    r.celdas.assign(r.filas.size(), std::vector<std::string>(r.columnas.size()));
    for (const AspectoHallado& h : s.aspectos) {
        r.celdas[h.a][h.b] = std::string(TablaAspectos[h.k].Nombre) + " " + TextoOrbe(h.orbe);
    }
    return r;
}

}  // namespace natalis
