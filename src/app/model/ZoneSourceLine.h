// The chart file's line that keeps where the zone correction came from, when the time-zone
// database gave it:
//
//     Huso horario: Europe/Madrid, +02:00:00, CEST, verano, tzdata 2024a
//
// zone, offset (the clock ahead of UT, to the second), abbreviation, "verano", "normal" or
// "hora media local", and the database's version ("tzdata ?" when it was not known). The
// writer puts it right after the place line, so that a reader that knows only the layout's
// rules never sees it (reading ends at the place line, and the line's leading number is 0
// anyway), and the zone line "6:" still holds the offset to the minute for such a reader.
#pragma once
#include <optional>
#include <string>

#include "app/model/NatalRecord.h"

namespace natalis {

extern const char kZoneSourceMark[];  // "Huso horario: "

// The line for source (no line end).
std::string ZoneSourceLine(const ZoneSource& source);

// The source a line holds, or nothing when the line is not one (blanks around it allowed).
std::optional<ZoneSource> ReadZoneSourceLine(const std::string& line);

// True when source's offset is the one the zone line gave, zoneHours (universal time =
// local + zoneHours), to the nearest minute the zone line can hold. A file whose zone line
// was changed by hand keeps the hand's value, and the source no longer applies.
bool ZoneSourceMatches(const ZoneSource& source, double zoneHours);

// The kind as the line writes it: "verano", "normal" or "hora media local".
const char* ZoneKindWord(const ZoneSource& source);

}  // namespace natalis
