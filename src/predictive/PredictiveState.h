// The state of the predictive techniques: the chosen technique and its options, the last
// progression's age and its progressed points, and the birth time being tried. The date
// dialog's modes belong to the window.
#pragma once
#include <string>

#include "chart/ProgTables.h"
#include "predictive/Tecnicas.h"

namespace natalis {

struct PredictiveState {
    TipoTecnica Tecnica = TipoTecnica::Primaria;
    bool Directa = true;     // direct direction chosen
    bool Conversa = false;   // converse direction: the arc is negated
    float Edad = 0;          // age in years at the chosen date
    float Arco = 0;          // arc of the last progression, degrees
    bool AscEnArco = false;  // progressed ASC = natal ASC moved by the MC's arc
    bool AvisoOff = false;   // the age warning is not shown
    bool HayProgresion = false;
    std::string FechaProgTexto;  // date to progress to, "d m yyyy"
    bool UsarHoraSolar = false;  // the solar-time dialog is running the engine
    std::string FechaHoraSolar;  // date built by the solar-time dialog
    int HoraSolarElegida = 0;    // 1..4: sunrise, noon, sunset, midnight; 0 none chosen
    std::string HoraTexto;       // new birth time as typed, "hh mm ss"
    ProgTables prog;
};

}  // namespace natalis
