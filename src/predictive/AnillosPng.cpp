#include "predictive/AnillosPng.h"

#include "app/Headless.h"
#include "app/model/SystemClock.h"
#include "predictive/EjecutarPredictivo.h"
#include "predictive/OpcionesPredictivas.h"

namespace natalis {

bool DibujarAnillosPng(const std::vector<std::string>& options, MainState& st, Ephemeris& eph,
                       Surface& s, std::ostream& err) {
    const auto o = LeerOpcionesPredictivas(options, 0, false);
    if (!o) {
        err << UsageText();
        return false;
    }
    std::vector<std::string> lista;
    if (o->progresion) {
        st.pred.Tecnica = *TecnicaPorCaption(o->tecnica);
        st.pred.Conversa = o->conversa && !FilaTecnica(st.pred.Tecnica).soloDirecta;
        st.pred.Directa = !st.pred.Conversa;
        st.pred.AscEnArco = o->ascEnArco;
        st.pred.FechaProgTexto = o->fechaProg;
        // With a transit too, the transit redraws the progression under its own ring.
        const ProgresionResultado r =
            EjecutarProgresion(st, eph, o->transito ? nullptr : &s, nullptr, lista);
        if (r.estado != ProgresionEstado::Calculada) {
            err << r.mensaje << "\n";
            return false;
        }
    }
    if (o->transito) {
        SystemClock clock;
        std::string fecha = o->fechaTrans, hora = o->horaTrans;
        const TransitoResultado r =
            EjecutarTransito(st, eph, clock, &s, nullptr, fecha, hora, lista);
        if (r.instante.estado != TransitoEstado::Calculado) {
            err << r.instante.mensaje << "\n";
            return false;
        }
        if (r.errorCalculo) {
            err << kErrorCalculoTransito << "\n";
            return false;
        }
    }
    return true;
}

}  // namespace natalis
