// Chart files of the Python program that stores one chart as 27 pickled values, one after
// another: name, male, chart type, before Christ, year, month, day, hour, minute, second,
// calendar (0 Gregorian, 1 Julian), zone type (0 zone time, 1 universal time, 2 local mean
// time, 3 local apparent time), zone ahead of Greenwich, zone hours, zone minutes, summer
// time, place, longitude degrees, minutes, seconds, east, latitude degrees, minutes,
// seconds, north, altitude (m), notes. Read with the strict pickle reader only.
#pragma once
#include <string_view>

#include "app/model/CartaIntercambio.h"

namespace natalis {

// The file's one chart; error when the values are refused or not the 27 in that order.
Lectura LeerMorinus(std::string_view bytes);

// Whether bytes look like a pickle of those values.
bool PareceMorinus(std::string_view bytes);

}  // namespace natalis
