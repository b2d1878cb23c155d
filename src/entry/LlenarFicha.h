// The entry form's contents for the chart on display, as the form shows them when it opens.
#pragma once
#include "app/model/NatalRecord.h"
#include "entry/FichaNatal.h"

namespace natalis {

// The boxes filled from the natal record. The name box shows the 30-character name, or
// the full name when that one cuts it, so that accepting the form again never shortens it.
// The zone hours box shows the zone's sign again when one was typed or stored, and the
// form remembers the zone and its reading when the offset came from the database.
FichaNatalTextos LlenarFicha(const NatalRecord& rec);

}  // namespace natalis
