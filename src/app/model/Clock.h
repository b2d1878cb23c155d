// The Clock seam: the local date and time and the computer's time-zone record.
#pragma once
#include <cstdint>

namespace natalis {

struct LocalDateTime {
    int year = 2000, month = 1, day = 1, hour = 0, minute = 0, second = 0;
};

// As the platform reports it: universal time = local time + Bias minutes; DaylightBias
// minutes are added while daylight time is in force. status: 0 unknown, 1 standard, 2 daylight.
struct TimeZoneRecord {
    int32_t Bias = 0;
    int32_t DaylightBias = 0;
    int status = 0;
};

class Clock {
  public:
    virtual ~Clock() = default;
    virtual LocalDateTime Now() const = 0;
    virtual TimeZoneRecord TimeZone() const = 0;
};

}  // namespace natalis
