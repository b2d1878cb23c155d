// A moment of a period search drawn by the technique that search used. The session draws a
// hit by the technique of the search it ran last, and the period window and the time map
// each keep their own search: whichever of them ran last, each draws its moments by its own.
#pragma once
#include "app/session/ChartSession.h"

namespace natalis {

// hit drawn as ChartSession::MostrarAspectoPeriodo draws it, by tecnica; the session's
// search is left as it was.
inline PasoSesion MostrarMomentoPeriodo(ChartSession& st, Surface* s, TecnicaPeriodo tecnica,
                                        const AspectoPeriodo& hit) {
    const TecnicaPeriodo buscada = st.Periodo.tecnica;
    st.Periodo.tecnica = tecnica;
    const PasoSesion r = st.MostrarAspectoPeriodo(s, hit);
    st.Periodo.tecnica = buscada;
    return r;
}

}  // namespace natalis
