// The text of "Acerca de Natalis": version, licence, credits, the ephemeris that answered
// and the chart folder in use. Plain text, shown by the window through its Dialogs seam.
#pragma once
#include <string>

#include "astro/Ephemeris.h"

namespace natalis {

// The ephemeris as the user reads it: "archivos del Swiss Ephemeris" or "teoría analítica".
const char* EfemeridesTexto(EphemerisSource source);

// The whole text, lines separated by "\n". chartFolder: the folder the chart list shows.
std::string AcercaDeNatalis(EphemerisSource source, const std::string& chartFolder);

}  // namespace natalis
