// The computer's clock and time zone, read through the Clock seam: the offset of local
// time from universal time and conversions between the two. Used for the "now" of the
// start screen and of transits; birth data never go through here.
#pragma once
#include <cstdint>

#include "app/model/Clock.h"

namespace natalis {

// A date and time as days since 1899-12-30 00:00, the time of day as the fraction (noon of
// 1900-01-01 is 2.5). Days before the origin continue the same line downwards (-0.25 is
// 1899-12-29 18:00). A minute is 1/1440 of a day.
using Date = double;

// The platform's system time record; day of week and milliseconds are not used.
struct SystemTime {
    int16_t wYear = 0, wMonth = 0, wDayOfWeek = 0, wDay = 0;
    int16_t wHour = 0, wMinute = 0, wSecond = 0, wMilliseconds = 0;
};

// Minutes to add to local time to get universal time: Bias, plus DaylightBias when
// AdjustForDST and daylight time is in force now. AsHours gives whole hours instead,
// rounded halves to even (-330 minutes gives -6).
long LocalOffsetFromGMT(const Clock& clock, bool AsHours, bool AdjustForDST);

// The time-zone status: 0 unknown, 1 standard time, 2 daylight time in force.
long DaylightTime(const Clock& clock);

// The present time of day in universal time as a fraction of a day, from the local hour
// and minute (seconds not counted) and the offset in minutes with daylight time. Below 0 or
// above 1 near midnight; the caller adds it to the Julian day of today's local date.
float FraccionDiaGMT(const Clock& clock);

// LocalTime (the present local time when 0 or less) plus Bias minutes, plus DaylightBias
// when AdjustForDST and daylight time is in force now (not at LocalTime).
Date ConvertLocalToGMT(const Clock& clock, Date LocalTime = 0, bool AdjustForDST = false);

// StartTime (the present local time when 0 or less) minus Bias minutes, plus one hour when
// daylight time is in force now.
Date GetLocalTimeFromGMT(const Clock& clock, Date StartTime = 0);

// The date and time of a system time record (proleptic Gregorian calendar).
Date SystemTimeToDate(const SystemTime& st);

// The date and time of the clock's local reading.
Date LocalDateTimeToDate(const LocalDateTime& t);

}  // namespace natalis
