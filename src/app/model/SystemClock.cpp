#include "app/model/SystemClock.h"

#include <initializer_list>

namespace natalis {

namespace {

ZoneReading ReadingAt(std::time_t t) {
    std::tm local{};
    localtime_r(&t, &local);
    return ZoneReading{local.tm_gmtoff, local.tm_isdst > 0};
}

}  // namespace

LocalDateTime SystemClock::Now() const {
    const std::time_t t = std::time(nullptr);
    std::tm local{};
    localtime_r(&t, &local);
    return LocalDateTime{local.tm_year + 1900, local.tm_mon + 1, local.tm_mday,
                         local.tm_hour,        local.tm_min,     local.tm_sec};
}

TimeZoneRecord SystemClock::TimeZone() const {
    tzset();  // a change of the computer's zone takes effect at the next call
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    std::tm probe{};
    probe.tm_year = local.tm_year;
    probe.tm_mday = 1;
    probe.tm_hour = 12;
    probe.tm_isdst = -1;
    const std::time_t january = mktime(&probe);
    probe = std::tm{};
    probe.tm_year = local.tm_year;
    probe.tm_mon = 6;
    probe.tm_mday = 1;
    probe.tm_hour = 12;
    probe.tm_isdst = -1;
    const std::time_t july = mktime(&probe);
    return TimeZoneFromReadings(ReadingAt(now), ReadingAt(january), ReadingAt(july));
}

TimeZoneRecord TimeZoneFromReadings(const ZoneReading& now, const ZoneReading& january,
                                    const ZoneReading& july) {
    // The standard offset is the present one outside daylight time, else that of a probe
    // outside it; a zone in daylight time all year is taken to be one hour ahead.
    long standard = now.gmtoffSeconds - 3600;
    for (const ZoneReading* r : {&now, &january, &july}) {
        if (!r->daylight) {
            standard = r->gmtoffSeconds;
            break;
        }
    }
    long daylightExtra = 0;
    for (const ZoneReading* r : {&now, &january, &july}) {
        if (r->daylight) {
            daylightExtra = r->gmtoffSeconds - standard;
            break;
        }
    }

    TimeZoneRecord tz;
    tz.Bias = static_cast<int32_t>(-standard / 60);
    tz.DaylightBias = static_cast<int32_t>(-daylightExtra / 60);
    tz.status = now.daylight ? 2 : 1;
    return tz;
}

}  // namespace natalis
