// A Clock whose reading and time zone a test sets by hand.
#pragma once
#include "app/model/Clock.h"

namespace natalis {

struct FakeClock : Clock {
    LocalDateTime now;
    TimeZoneRecord zone;

    FakeClock() = default;
    FakeClock(LocalDateTime at, TimeZoneRecord tz) : now(at), zone(tz) {}

    LocalDateTime Now() const override { return now; }
    TimeZoneRecord TimeZone() const override { return zone; }
};

// A zone record: Bias and DaylightBias in minutes, status 1 standard or 2 daylight.
inline TimeZoneRecord Zone(int bias, int daylightBias = -60, int status = 1) {
    TimeZoneRecord tz;
    tz.Bias = bias;
    tz.DaylightBias = daylightBias;
    tz.status = status;
    return tz;
}

}  // namespace natalis
