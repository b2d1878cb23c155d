// The chart state owned by the main window: the natal record and its flags, the house
// system, the tables of the last computation, the wheel's geometry and the predictive state.
// Plain data, so the computations and the drawing take it by reference without Qt.
#pragma once
#include <string>

#include "app/model/NatalRecord.h"
#include "chart/NatalTables.h"
#include "chart/WheelGeometry.h"
#include "predictive/PredictiveState.h"

namespace natalis {

struct MainState {
    NatalRecord DatosNatales;
    ChartFlags flags;
    std::string HouseSystem = "P";  // "P", "K" or "R"; survives loading another chart
    ChartTables tables;             // Planet and Cusp of the last computation, natal tables
    WheelGeometry wheel;            // written by every wheel drawing, read by the rings
    bool CasasCambiadas = false;    // the house system was just changed: keep txtFecha
    // Technique, progression, date-dialog modes, and the birth time being tried
    // (pred.HoraTexto, pred.ModoCambioHora).
    PredictiveState pred;
};

// What a successful read of a chart file changes besides the natal record: the chart is
// loaded from a file, shown with its own birth time and without a progression.
inline void MarkChartLoaded(MainState& s) {
    s.flags.ChartLoaded = true;
    s.flags.NewChart = false;
    s.pred.HoraTexto.clear();
    s.pred.HayProgresion = false;
}

}  // namespace natalis
