// Typed date and time texts to numbers. A rejection is reported only through serr, which
// these procedures never clear: callers set it empty before the call.
#pragma once
#include <string>

namespace natalis {

// "5 3 1999", "5/3/1999": day, month, year (separators blank or "/"). fecha is trimmed in
// place. Checks day <= 31, month <= 12, year within -3000..3000, and then that the day
// exists in that month of that year ("Dia 31 es incorrecto: febrero de 1970 tiene 28 días."),
// in that order.
void stringFecha_a_dma(std::string& fecha, double& d, double& m, double& a, std::string& serr);

// "14 30", "14 30 15" or "14.5": decimal hours. hora is trimmed in place.
void stringHora_a_h(std::string& hora, double& h, std::string& serr);

}  // namespace natalis
