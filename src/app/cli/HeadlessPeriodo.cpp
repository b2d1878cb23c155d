// The headless period search: every aspect of a technique's moving points to the natal
// points over a period, one hit a line.
#include "app/cli/Headless.h"
#include "app/cli/HeadlessChart.h"
#include "app/model/SystemClock.h"
#include "app/session/ChartSession.h"
#include "astro/SwissEphemeris.h"
#include "predictive/ConsultaPeriodo.h"

namespace natalis {

int HeadlessPeriodo(const Args& args, std::ostream& out, std::ostream& err) {
    const auto opciones = LeerOpcionesOAvisar("--periodo", args, err);
    if (!opciones) return 2;
    const OpcionesHeadless& o = *opciones;
    SwissEphemeris eph;
    SystemClock clock;
    ChartSession sesion(eph);
    const std::optional<PeriodoPedido> pedido = PeriodoConCarta(o, sesion, clock, err);
    if (!pedido) return 2;

    // Nothing can fail once the search is done, so the lines go out as they are written
    // instead of through a copy of them all (a century of transits is some 27 MB of text).
    for (const AspectoPeriodo& a : sesion.AspectosDelPeriodo(*pedido)) {
        out << LineaAspectoPeriodo(a) << '\n';
    }
    return 0;
}

}  // namespace natalis
