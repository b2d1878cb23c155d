// The text of the natal listing window.
#pragma once
#include <string>
#include <vector>

#include "chart/NatalTables.h"

namespace natalis {

// The listing's lines, in order: "LISTADO NATAL", an empty line, the twelve point lines
// (SOL ... PF, " r" appended when retrograde), an empty line, the twelve cusp lines (ASC,
// C2 ... MC ... C12), an empty line. When the houses fell back to Porphyry a line naming
// the system used stands between the cusps and the last empty line.
// The strings carry no columns: the window prints the title at tab column 4 and every
// other line at tab column 5.
std::vector<std::string> ListadoNatal(const NatalTables& t);

// The line that names the fallback house system in the listing.
extern const char* const kLineaCasasPorfirio;

}  // namespace natalis
