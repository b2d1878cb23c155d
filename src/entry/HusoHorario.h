// The time zone as typed in the entry form's two zone boxes.
#pragma once
#include <string>

namespace natalis {

struct HusoTecleado {
    // "+" ahead of universal time (east of Greenwich), "-" behind it (west), "" when no
    // sign was typed and the longitude's hemisphere decides.
    std::string sign;
    double magnitudeHours = 0;  // |hours| + minutes / 60, as typed
    // Hours and minutes as the chart file stores them (digits only, no sign). The typed
    // texts when they are already plain digits (at most two, minutes below 60); otherwise
    // the magnitude written as whole hours and minutes, so that a value typed with a point
    // ("3.5") is saved as one the reader gives back ("03", "30").
    std::string hourText, minuteText;
};

// Reads the zone hours box (optionally signed) and the zone minutes box.
HusoTecleado LeerHuso(const std::string& horas, const std::string& minutos);

// The zone correction in hours: universal time = local time + result. An explicit sign
// decides ("+1" gives -1, "-3" gives 3); without one a zone west of Greenwich is positive
// and one east of it negative.
double CorreccionHuso(const HusoTecleado& huso, bool oeste);

}  // namespace natalis
