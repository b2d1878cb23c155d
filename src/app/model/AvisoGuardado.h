// What the program says after each save: what it wrote and into which file.
#pragma once
#include <string>

namespace natalis {

// After "Guardar": the chart of name (trimmed) written as folder/fileName.
std::string AvisoCartaGuardada(const std::string& name, const std::string& folder,
                               const std::string& fileName);
// After "Guardar nueva hora": the birth time hora (as typed) written into folder/fileName.
std::string AvisoHoraGuardada(const std::string& hora, const std::string& folder,
                              const std::string& fileName);
// After the notes window saved its text into folder/fileName.
std::string AvisoNotasGuardadas(const std::string& folder, const std::string& fileName);

}  // namespace natalis
