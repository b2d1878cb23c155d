// The calendar of the sky for the chart on display (or for no chart), and the time map of
// its period search.
#include "app/model/ClockHelpers.h"
#include "app/session/ChartSession.h"
#include "astro/Calendar.h"
#include "astro/NumberText.h"
#include "astro/TextTrim.h"

namespace natalis {

std::vector<EventoCielo> ChartSession::CalendarioDelPeriodo(const CalendarioPedido& p,
                                                            bool conCarta) {
    return CalendarioCielo(eph_, p.jdDesde, p.jdHasta, conCarta ? &tables.natal : nullptr,
                           p.orbeDeg);
}

RelojCalendario ChartSession::RelojDelCalendario(const CalendarioPedido& p, bool conCarta) const {
    return conCarta ? RelojDeCarta(DatosNatales, p.huso) : RelojDeHuso(p.huso);
}

double JdAhora(const Clock& clock) {
    const LocalDateTime t = clock.Now();
    return JulDay(t.day, t.month, t.year) + FraccionDiaGMT(clock);
}

MapaTiempo ChartSession::MapaDelPeriodo(const PeriodoPedido& p, bool conLuna) {
    return ArmarMapaTiempo(AspectosDelPeriodo(p), p, conLuna);
}

std::string ChartSession::TituloMapa(const PeriodoPedido& p) const {
    return TrimBlanks(DatosNatales.NatalName) + " · " + NombreTecnicaPeriodo(p.tecnica) + " · " +
           InstanteUT(p.jdDesde).substr(0, 10) + " a " + InstanteUT(p.jdHasta - 1).substr(0, 10) +
           " · orbe " + FormatGeneral(p.orbeDeg) + "°";
}

}  // namespace natalis
