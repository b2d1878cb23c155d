// Fixed-width chart lists, one chart per line of 100 characters:
//
//     columns   1-23  name
//              24-26  month (1 to 12, or its first three letters: "Mar", "Ene", "Jan")
//              27-29  day, and a comma in column 30
//              31-35  year
//              36-46  local time "hh:mm:ss AM" (12 hours with AM or PM; 24 hours without)
//              47-56  zone, "5:00W" or "1:00E" (or signed, "+" ahead of universal time)
//              57-66  longitude, "122W25" or "3:42W" or "-3.7" (east positive)
//              67-75  latitude, "37N23" or "40:25N" or "40.42" (north positive)
//              76-100 place
//
// Dates are in the program's calendar (Julian before 1583). A shorter line is read as if
// padded with blanks; a blank line is skipped.
#pragma once
#include <string_view>

#include "app/model/CartaIntercambio.h"

namespace natalis {

Lectura LeerQuickChart(std::string_view bytes);

// True when every line that is not blank fits the layout: at most 100 characters and a
// comma in column 30.
bool PareceQuickChart(std::string_view bytes);

}  // namespace natalis
