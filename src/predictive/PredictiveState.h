// The state of the predictive techniques: the chosen technique and its options, the last
// progression's age and its progressed points, and the modes of the date dialog.
#pragma once
#include <array>
#include <cstdint>
#include <string>

#include "predictive/Tecnicas.h"

namespace natalis {

// One progressed point: longitude, degree within the sign (rounded) and its listing line.
struct ProgRec {
    float Lon = 0;      // degrees, 0 up to 360
    int16_t Grado = 0;  // CInt(Lon - 30 * Int(Lon / 30)), halves to even
    std::string Texto;  // "SOL prog 05Ari30", "ASC prog 12Leo40", "C2 prog ..."
};

struct ProgTables {
    std::array<ProgRec, 11> PlanetaProg{};  // 1..10: SOL..PLU
    std::array<ProgRec, 14> CuspideProg{};  // 1..12: cusps (1 ASC, 10 MC)
};

struct PredictiveState {
    TipoTecnica Tecnica = TipoTecnica::Primaria;
    bool Directa = true;     // direct direction chosen
    bool Conversa = false;   // converse direction: the arc is negated
    float Edad = 0;          // age in years at the chosen date
    float Arco = 0;          // arc of the last progression, degrees
    bool AscEnArco = false;  // progressed ASC = natal ASC moved by the MC's arc
    bool AvisoOff = false;   // the age warning is not shown
    bool HayProgresion = false;
    std::string FechaProgTexto;   // date to progress to, "d m yyyy"
    bool UsarHoraSolar = false;   // the solar-time dialog is running the engine
    std::string FechaHoraSolar;   // date built by the solar-time dialog
    int HoraSolarElegida = 0;     // 1..4: sunrise, noon, sunset, midnight; 0 none chosen
    bool ModoTransito = false;    // the date dialog serves a transit
    bool ModoCambioHora = false;  // the date dialog serves a new birth time
    bool SelHoraAlClic = false;   // the next click in the hour box selects its text
    std::string HoraTexto;        // new birth time as typed, "hh mm ss"
    ProgTables prog;
};

}  // namespace natalis
