// The checks of the data entry form before a chart is drawn.
#pragma once
#include <optional>
#include <string>

#include "entry/FichaNatal.h"

namespace natalis {

// Runs the form's checks in their fixed order (day, month, year, hour, minutes, seconds,
// zone hours, latitude degrees and minutes, longitude degrees and minutes) and returns the
// first one that fails, or nothing when all pass. The zone minutes are not checked; the
// upper bounds of day and month are left to the date parser. While the zone boxes hold the
// offset of the atlas's zone (ZonaDeLugar.h), zone hours up to 14 pass. Then the form must
// be complete: a place typed that the atlas did not find is named while the coordinates or
// the zone are still empty; the zone hours, the latitude and longitude degrees and both
// hemispheres must be given. A last check asks for a reading in force (RevisarHusoAtlas).
std::optional<EntryFailure> RevisarDatos(const FichaNatalTextos& f);

// The numeric value of a box: its leading number, 0 when it has none.
double ValorCaja(const std::string& text);
// The value of a whole-number box: its leading number rounded, halves to even.
double ValorEntero(const std::string& text);

}  // namespace natalis
