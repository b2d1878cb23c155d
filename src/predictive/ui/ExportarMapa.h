// The time map written to a file: its pages painted through the one paint routine of the
// drawing, as an SVG (the pages one under another) or a PDF (a landscape sheet a page). The
// file is written whole or not at all.
#pragma once
#include <string>
#include <vector>

#include "app/session/PaginasInforme.h"
#include "chart/Paleta.h"
#include "chart/RecordingSurface.h"

namespace natalis {

// Each returns an empty text when path was written, otherwise the message saying it was not
// (and path is as it was). Each page is 958 x 677 px at 96 dpi in the SVG.
std::string EscribirMapaSvg(const std::vector<RecordingSurface>& paginas, Tema tema,
                            const std::string& titulo, const std::string& path);
std::string EscribirMapaPdf(const std::vector<RecordingSurface>& paginas, Papel papel, Tema tema,
                            const std::string& titulo, const std::string& path);

}  // namespace natalis
