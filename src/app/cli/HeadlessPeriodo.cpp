// The headless period search: every aspect of a technique's moving points to the natal
// points over a period, one hit a line.
#include <sstream>

#include "app/session/ChartSession.h"
#include "app/cli/Headless.h"
#include "app/cli/HeadlessChart.h"
#include "app/model/SystemClock.h"
#include "astro/SwissEphemeris.h"
#include "predictive/ConsultaPeriodo.h"

namespace natalis {

int HeadlessPeriodo(const Args& args, std::ostream& out, std::ostream& err) {
    const auto opciones = LeerOpcionesOAvisar("--periodo", args, err);
    if (!opciones) return 2;
    const OpcionesHeadless& o = *opciones;
    const PeriodoRevisado revisado = RevisarConsultaPeriodo(o.consultaPeriodo);
    if (!revisado.pedido) {
        err << revisado.mensaje << "\n";
        return 2;
    }
    SwissEphemeris eph;
    SystemClock clock;
    ChartSession sesion(eph);
    CartaHeadless carta;
    if (!EjecutarCarta(o, o.archivos[0], sesion, clock, nullptr, err, carta)) return 2;
    const std::string aviso = sesion.AvisoCasas();
    if (!aviso.empty()) err << aviso << "\n";

    std::ostringstream texto;
    for (const AspectoPeriodo& a : sesion.AspectosDelPeriodo(*revisado.pedido)) {
        texto << LineaAspectoPeriodo(a) << "\n";
    }
    out << texto.str();
    return 0;
}

}  // namespace natalis
