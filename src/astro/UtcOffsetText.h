// Spans and offsets of clock time as the program writes them, without the zone database.
#pragma once
#include <string>

namespace natalis {

// "hh:mm:ss" of a span of seconds, 0 or more (hours may pass 23).
std::string SpanText(long seconds);

// An offset from universal time as the clock is ahead of it: "+02:00:00", "-03:00:00",
// "+00:19:32".
std::string FormatUtcOffset(long offsetSeconds);

}  // namespace natalis
