// The one pipeline of the headless commands: read a chart file, compute and (when a surface is
// given) draw it as the window does, then the progression and the transit the options ask for.
#pragma once
#include <ostream>
#include <string>

#include "app/cli/HeadlessOptions.h"
#include "app/model/Clock.h"
#include "app/session/ChartSession.h"
#include "chart/Surface.h"

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

}  // namespace natalis
