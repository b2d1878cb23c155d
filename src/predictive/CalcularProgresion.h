// The progression engine: progressed and directed positions for a typed date by primary
// directions ("Primaria"), solar arc ("Arco Solar") or one degree per year ("Grado x Año"),
// direct or converse.
#pragma once
#include <string>

#include "app/model/NatalRecord.h"
#include "astro/Ephemeris.h"
#include "chart/NatalTables.h"
#include "predictive/PredictiveState.h"

namespace natalis {

enum class ProgresionEstado {
    Calculada,          // positions, Edad and Arco written; HayProgresion set
    FechaRechazada,     // the date parser's message; nothing changed
    ErrorCalculo,       // no answer (a non-finite result, a direction without meaning);
                        // nothing changed
    TecnicaDesconocida  // Tecnica names no technique; only HayProgresion was set
};

struct ProgresionResultado {
    ProgresionEstado estado = ProgresionEstado::Calculada;
    std::string mensaje;  // prompt of the message box for a rejection or a fault
    std::string titulo;   // its title
    // Caption of the age warning, non-empty when the age rounds to more than 100 years
    // and the warning is not switched off.
    std::string aviso;
};

constexpr const char* kErrorCalculoProgresion =
    "Error de cálculo: no se pudo completar la progresión.";
constexpr const char* kTituloErrorCalculo = "Error de cálculo";

// Parses ps.FechaProgTexto (ps.FechaHoraSolar while ps.UsarHoraSolar) and computes the
// progression by ps.Tecnica. On success writes ps.Edad, ps.Arco, ps.prog, ps.HayProgresion,
// tables.Cusp (progressed or directed cusps) and, for primary directions,
// tables.Planet(1..10).Lon (directed longitudes, not reduced). houseSystem is the chart's
// house-system letter; the latitude, longitude and birth time come from rec.
ProgresionResultado CalcularProgresion(PredictiveState& ps, ChartTables& tables,
                                       const NatalRecord& rec, const std::string& houseSystem,
                                       Ephemeris& eph);

// Fills prog from an arc in degrees: cusps from Cusp (the ASC moved by the MC's arc when
// ascEnArco and the technique is not "Primaria"), bodies as natal + arc or, for "Primaria",
// the directed longitudes of Planet.
void PosicionesProgresadas(float arc, const std::string& tecnica, bool ascEnArco,
                           const NatalTables& natal, const CuspTable& Cusp,
                           const PlanetTable& Planet, ProgTables& prog);

// The age warning's caption: " Progresión a " signo anios " años".
std::string AvisoEdad(long anios, const std::string& signo);

}  // namespace natalis
