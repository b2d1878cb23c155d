// Whether the natal computation gave a chart: every point finite.
#pragma once
#include <optional>
#include <string>

#include "chart/NatalTables.h"

namespace natalis {

constexpr const char* kTituloErrorCalculoNatal = "Error de cálculo";
constexpr const char* kErrorEfemerides =
    "Error de cálculo: las efemérides no dan la posición de los planetas en esta fecha.";
constexpr const char* kErrorCalculoNatal = "Error de cálculo: no se pudo completar la carta natal.";

// Given:    t  the tables as CalcularNatal left them
// Returned: the message to show instead of the chart when a body has no position (the
//           ephemeris gives NaN where it has no answer) or any other point is not finite;
//           nothing when the chart can be drawn.
std::optional<std::string> ErrorCalculoNatal(const ChartTables& t);

}  // namespace natalis
