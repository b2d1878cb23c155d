// The one pipeline of the headless commands: read a chart file, compute and (when a surface is
// given) draw it as the window does, then the progression and the transit the options ask for.
#pragma once
#include <optional>
#include <ostream>
#include <string>

#include "app/cli/HeadlessOptions.h"
#include "app/model/Clock.h"
#include "app/session/ChartSession.h"
#include "chart/Surface.h"
#include "predictive/ConsultaPeriodo.h"

namespace natalis {

struct CartaHeadless {
    ProgresionResultado progresion;  // when o.progresion
    TransitoResultado transito;      // when o.transito
};

// Runs the pipeline for one file into the session. On a rejected file, date or hour, or a
// failed computation writes the program's message on err and returns false; nothing has then
// been printed on standard output. With both a progression and a transit the progression is
// computed first and drawn under the transit ring.
bool EjecutarCarta(const OpcionesHeadless& o, const std::string& archivo, ChartSession& sesion,
                   const Clock& clock, Surface* s, std::ostream& err, CartaHeadless& resultado);
// The file's part of EjecutarCarta: reads archivo into the session (its message on err and
// false when refused).
bool CargarCartaHeadless(const std::string& archivo, ChartSession& sesion, std::ostream& err);
// The rest of EjecutarCarta, for a session that holds the loaded chart.
bool CalcularCartaHeadless(const OpcionesHeadless& o, ChartSession& sesion, const Clock& clock,
                           Surface* s, std::ostream& err, CartaHeadless& resultado);

// The period of o checked, and the chart of its first file computed into the session (the
// houses' warning, if any, on err): what the period search and the time map start from.
// Nothing, with the message on err, when the period or the chart is refused.
std::optional<PeriodoPedido> PeriodoConCarta(const OpcionesHeadless& o, ChartSession& sesion,
                                             const Clock& clock, std::ostream& err);

}  // namespace natalis
