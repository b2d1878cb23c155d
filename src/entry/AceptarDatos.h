// Accepting the entry form: its contents become the natal record of a new chart.
#pragma once
#include <optional>
#include <string>

#include "app/model/NatalRecord.h"
#include "entry/FichaNatal.h"

namespace natalis {

// Checks the form (RevisarDatos) and fills the natal record from it. Returns the failure
// to show, or nothing when the chart was accepted:
// - a failed check: nothing in rec or flags changes;
// - a date the parser rejects (title "corregir fecha", focus None): the name and date
//   fields of rec already hold the new values, the rest is untouched.
// On success every field of rec is replaced (ZoneFrom by the atlas's reading in force, with
// ZoneHours to the second, or emptied for an offset typed by hand) and flags says a new chart
// without a file is loaded (ChartLoaded and NewChart set, NotesModified cleared).
std::optional<EntryFailure> AceptarDatos(const FichaNatalTextos& f, NatalRecord& rec,
                                         ChartFlags& flags);

}  // namespace natalis
