// natalis --retorno solar|lunar FILE --fecha "d m aaaa": the return block the window lists for
// the first return on or after that date, over the one headless pipeline.
#include <sstream>

#include "app/cli/Headless.h"
#include "app/cli/HeadlessChart.h"
#include "app/model/SystemClock.h"
#include "astro/SwissEphemeris.h"

namespace natalis {

std::optional<RetornoSesion> RetornoDeArchivo(const OpcionesHeadless& o, ChartSession& sesion,
                                              const Clock& clock, std::ostream& err) {
    CartaHeadless carta;
    OpcionesHeadless natal = o;
    natal.progresion = natal.transito = false;
    if (!EjecutarCarta(natal, o.archivos[0], sesion, clock, nullptr, err, carta)) {
        return std::nullopt;
    }
    // The house warning comes as soon as the natal chart is computed, before any refusal of
    // the date.
    const std::string aviso = sesion.AvisoCasas();
    if (!aviso.empty()) err << aviso << "\n";
    std::string fecha = o.fechaRetorno;
    RetornoSesion r = sesion.Retornar(nullptr, o.tipoRetorno, fecha);
    if (r.retorno.estado != RetornoCalculoEstado::Calculado) {
        err << r.retorno.mensaje << "\n";
        return std::nullopt;
    }
    return r;
}

int HeadlessRetorno(const Args& args, std::ostream& out, std::ostream& err) {
    const auto opciones = LeerOpcionesOAvisar("--retorno", args, err);
    if (!opciones) return 2;
    const OpcionesHeadless& o = *opciones;
    SwissEphemeris eph;
    SystemClock clock;
    ChartSession sesion(eph);
    const auto r = RetornoDeArchivo(o, sesion, clock, err);
    if (!r) return 2;
    if (o.lugar || o.json) return RetornoComoCarta(o, sesion, r->retorno.jd, eph, out, err);
    std::ostringstream texto;
    for (size_t i = r->primeraLinea; i < sesion.Lista.size(); ++i) texto << sesion.Lista[i] << "\n";
    out << texto.str();
    return 0;
}

}  // namespace natalis
