// What the printed report of the chart on display says: the chart's name and birth data for
// the header of the first page, and the listings for the pages after it.
#pragma once
#include <string>
#include <vector>

#include "app/session/ChartSession.h"

namespace natalis {

struct InformeCarta {
    std::string nombre;              // the chart's name, without its padding blanks
    std::vector<std::string> datos;  // date, time and zone; place and coordinates; houses
    // The natal listing, the natal aspects list and, when a progression, a transit or a
    // return is on display, its listing (ChartSession::ListaPredictiva): each one a run of
    // lines as the windows show them.
    std::vector<std::vector<std::string>> secciones;
};

// The report of the chart on display in s (a chart must have been computed).
InformeCarta ArmarInforme(const ChartSession& s);

}  // namespace natalis
