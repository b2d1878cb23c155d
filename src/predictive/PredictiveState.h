// The state of the predictive techniques that the engine computes from and writes: the chosen
// technique and its options, the date to progress to, the last progression's age, arc and
// progressed points, and the birth time being tried. The dialogs' modes (what the date dialog
// serves, whether the age warning is switched off) belong to the window's controllers.
#pragma once
#include <optional>
#include <string>

#include "chart/ProgTables.h"
#include "predictive/Tecnicas.h"

namespace natalis {

// A progression asked for at one of the birth day's solar times instead of a typed date.
struct HoraSolarPedida {
    int eleccion = 0;   // 1..4: sunrise, noon, sunset, midnight
    std::string fecha;  // "d m yyyy" the primary direction brings the birth hour to it
};

struct PredictiveState {
    TipoTecnica Tecnica = TipoTecnica::Primaria;
    bool Directa = true;     // direct direction chosen
    bool Conversa = false;   // converse direction: the arc is negated
    float Edad = 0;          // age in years at the chosen date
    float Arco = 0;          // arc of the last progression, degrees
    bool AscEnArco = false;  // progressed ASC = natal ASC moved by the MC's arc
    bool HayProgresion = false;
    std::string FechaProgTexto;  // date to progress to, "d m yyyy"
    // Set while a progression to a solar time runs: its date replaces FechaProgTexto and
    // the listing's header names the solar time.
    std::optional<HoraSolarPedida> HoraSolar;
    std::string HoraTexto;  // new birth time as typed, "hh mm ss"
    ProgTables prog;
};

}  // namespace natalis
