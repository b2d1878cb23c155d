// Saving the chart on display as a new chart file.
#pragma once
#include <optional>
#include <string>

#include "app/model/Dialogs.h"
#include "app/model/NatalRecord.h"

namespace natalis {

// Asks for a file name (the person's name offered), takes the answer as NatalName and
// writes the natal record to ProgramFolder + the trimmed answer + ".dat". notesText (the
// notes window's text, may be null) is written after "NOTAS:" only for a chart made in the
// entry form whose notes were changed. An existing file is replaced only when the user says
// so (No asks for another name), keeping its notes, and asking again when its birth time
// differs from the record's or text after its data could not be kept; characters the file cannot
// hold are listed and the user may cancel; a name that cannot be a file name is explained and asked
// again; a failed write is reported; a save is confirmed with what was written and where, and sets
// flags.NewChartSaved. Returns the file name
// written, nothing when nothing was saved (the caller refreshes the chart list only then).
// With reemplazar false an existing file is never offered for replacing: the user is told
// and asked for another name.
std::optional<std::string> GuardarNuevaCarta(Dialogs& dialogs, NatalRecord& rec, ChartFlags& flags,
                                             const std::string* notesText, bool reemplazar = true);

}  // namespace natalis
