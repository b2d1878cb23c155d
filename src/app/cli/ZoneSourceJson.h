// The "zoneSource" object of --json: where the chart's offset came from, and what today's
// time-zone database says for the same zone, date and clock time.
#pragma once
#include <string>

#include "app/model/NatalRecord.h"

namespace natalis {

// {"kind": "escrito a mano", "text": "escrito a mano"} for an offset typed by hand; for one
// from the database {"kind": "base de datos", "text": ..., "zone", "offset" ("+02:00:00"),
// "offsetSeconds", "abbreviation", "summerTime", "localMeanTime", "tzdata", "now": {"status":
// "igual" | "distinto" | "sin lectura", "tzdata", and "offset", "offsetSeconds",
// "abbreviation", "summerTime" of today's reading, or "message"}}.
std::string ZoneSourceJson(const NatalRecord& rec);

}  // namespace natalis
