// The question asked before the program ends with work not yet written to a file.
#pragma once
#include <optional>
#include <string>

#include "app/model/NatalRecord.h"

namespace natalis {

extern const char kTituloSalir[];  // "Salir"

// Given:    flags, rec   the chart on display and where it came from
//           horaNueva    a birth time tried with "CAMBIAR HORA" and not yet written with
//                        "Guardar nueva hora" (as typed; empty when there is none)
// Returned: the question to ask before ending the program ("La carta «Ana» no se ha
//           guardado. ¿Salir sin guardar?"), naming what would be lost; nothing when every
//           change is in its file. A new chart made with the entry form counts until it is
//           saved with "Guardar"; a tried birth time only for a chart loaded from a file.
// Notes:    the notes window asks its own question (whether to save) when it closes.
std::optional<std::string> PreguntaSalir(const ChartFlags& flags, const NatalRecord& rec,
                                         const std::string& horaNueva);

}  // namespace natalis
