// Runs a progression or a transit on the main window's state, as its commands do: computes
// first, and only when that succeeds redraws the natal wheel with the ring(s) and produces
// the listing. Shared by the window, the headless commands and the PNG command.
#pragma once
#include <functional>
#include <string>
#include <vector>

#include "app/MainState.h"
#include "app/model/Clock.h"
#include "astro/Ephemeris.h"
#include "chart/Surface.h"
#include "predictive/CalcularProgresion.h"
#include "predictive/Transito.h"

namespace natalis {

// Clears the surface and draws the natal wheel (writing the wheel's geometry).
using DibujarNatal = std::function<void()>;

// CalcularProgresion on the state; on success, when s is given, redraws the natal wheel and
// the progressed ring on it, and lista receives the progression listing. On any other
// outcome nothing is drawn and lista is untouched.
ProgresionResultado EjecutarProgresion(MainState& st, Ephemeris& eph, Surface* s,
                                       const DibujarNatal& dibujarNatal,
                                       std::vector<std::string>& lista);

constexpr const char* kErrorCalculoTransito = "Error de cálculo: no se pudo completar el tránsito.";

struct TransitoResultado {
    TransitoInstante instante;       // estado Calculado, or why nothing was done
    bool errorCalculo = false;       // the positions were not finite: nothing drawn or listed
    ProgresionResultado progresion;  // the progression recomputed when one is on display
    size_t primeraLinea = 0;         // index in lista of the block's heading
};

// A transit for fechaTrans and horaTrans (rewritten as the listing shows them): checks
// them, computes the positions into Planet, redraws the natal wheel (and the progression
// when one is on display, which rewrites lista), draws the transit ring and appends the
// transits block to lista. Does nothing while the solar-time dialog runs the engine.
TransitoResultado EjecutarTransito(MainState& st, Ephemeris& eph, const Clock& clock, Surface* s,
                                   const DibujarNatal& dibujarNatal, std::string& fechaTrans,
                                   std::string& horaTrans, std::vector<std::string>& lista);

}  // namespace natalis
