// The progression engine: progressed and directed positions for a typed date by primary
// directions ("Primaria"), solar arc ("Arco Solar"), one degree per year ("Grado x Año") or
// secondary progressions ("Secundaria"), direct or converse.
#pragma once
#include <string>

#include "app/model/NatalRecord.h"
#include "astro/Ephemeris.h"
#include "astro/SistemaCasas.h"
#include "chart/NatalTables.h"
#include "predictive/PredictiveState.h"

namespace natalis {

enum class ProgresionEstado {
    Calculada,       // positions, Edad and Arco written; HayProgresion set
    FechaRechazada,  // the date parser's message; nothing changed
    ErrorCalculo,    // no answer (a non-finite result, a direction without meaning);
                     // nothing changed
};

struct ProgresionResultado {
    ProgresionEstado estado = ProgresionEstado::Calculada;
    std::string mensaje;  // prompt of the message box for a rejection or a fault
    std::string titulo;   // its title
    // Caption of the age warning, non-empty when the age rounds to more than 100 years
    // (whether it is shown is the window's choice).
    std::string aviso;
};

constexpr const char* kErrorCalculoProgresion =
    "Error de cálculo: no se pudo completar la progresión.";
constexpr const char* kTituloErrorCalculo = "Error de cálculo";

// Parses ps.FechaProgTexto (the solar time's date while ps.HoraSolar is set) and computes the
// progression by ps.Tecnica. On success writes ps.Edad, ps.Arco, ps.prog, ps.HayProgresion,
// tables.Cusp (progressed or directed cusps) and, for primary directions,
// tables.Planet(1..10).Lon (directed longitudes, not reduced); for secondary progressions
// tables.Planet(1..10) Lon and Vel of the progressed instant. casas is the chart's house
// system; the latitude, longitude and birth time come from rec.
ProgresionResultado CalcularProgresion(PredictiveState& ps, ChartTables& tables,
                                       const NatalRecord& rec, SistemaCasas casas, Ephemeris& eph);

// Fills prog from an arc in degrees: cusps from Cusp (the ASC moved by the MC's arc when
// ascEnArco and the technique is not direct only), bodies as natal + arc or, for a technique
// with bodies of its own (primary directions, secondary progressions), the longitudes of
// Planet; where the technique marks retrograde bodies, a body whose Planet Vel is below 0
// has " r" after its position.
void PosicionesProgresadas(float arc, TipoTecnica tecnica, bool ascEnArco, const NatalTables& natal,
                           const CuspTable& Cusp, const PlanetTable& Planet, ProgTables& prog);

// The age warning's caption: " Progresión a " signo anios " años".
std::string AvisoEdad(long anios, const std::string& signo);

}  // namespace natalis
