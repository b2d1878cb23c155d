// The computer's own clock and time zone, from the C library.
#pragma once
#include <ctime>

#include "app/model/Clock.h"

namespace natalis {

class SystemClock : public Clock {
  public:
    LocalDateTime Now() const override;
    // Bias is minus the zone's standard offset from universal time in minutes; DaylightBias
    // minus the extra offset of its daylight time (0 for a zone without one). status 2 while
    // daylight time is in force, else 1.
    TimeZoneRecord TimeZone() const override;
};

// The time-zone record of a zone, from its local readings at the instant now and at
// the starts of January and July of that year (one of which is standard time wherever
// daylight time exists). Split out so that it can be checked with fixed readings.
struct ZoneReading {
    long gmtoffSeconds = 0;  // local time minus universal time
    bool daylight = false;
};
TimeZoneRecord TimeZoneFromReadings(const ZoneReading& now, const ZoneReading& january,
                                    const ZoneReading& july);

}  // namespace natalis
