// The headless calendar of the sky: one event a line, for the sky alone or with a chart's
// contacts.
#include <sstream>

#include "app/cli/Headless.h"
#include "app/cli/HeadlessChart.h"
#include "app/model/SystemClock.h"
#include "app/session/ChartSession.h"
#include "astro/SwissEphemeris.h"

namespace natalis {

int HeadlessCalendario(const Args& args, std::ostream& out, std::ostream& err) {
    const auto opciones = LeerOpcionesOAvisar("--calendario", args, err);
    if (!opciones) return 2;
    const OpcionesHeadless& o = *opciones;
    const CalendarioRevisado revisado = RevisarConsultaCalendario(o.consultaCalendario);
    if (!revisado.pedido) {
        err << revisado.mensaje << "\n";
        return 2;
    }
    SwissEphemeris eph;
    ChartSession sesion(eph);
    const bool conCarta = !o.archivos.empty();
    if (conCarta) {
        SystemClock clock;
        CartaHeadless carta;
        if (!EjecutarCarta(o, o.archivos[0], sesion, clock, nullptr, err, carta)) return 2;
    }
    const RelojCalendario reloj = sesion.RelojDelCalendario(*revisado.pedido, conCarta);
    std::ostringstream texto;
    for (const EventoCielo& e : sesion.CalendarioDelPeriodo(*revisado.pedido, conCarta)) {
        texto << LineaEventoCielo(e, reloj) << "\n";
    }
    out << texto.str();
    return 0;
}

}  // namespace natalis
