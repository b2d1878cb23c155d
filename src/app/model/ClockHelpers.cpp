#include "app/model/ClockHelpers.h"

#include "astro/NumberText.h"

namespace natalis {

namespace {

constexpr double kMinute = 1.0 / 1440;

// Days from 1899-12-30 to year-month-day in the proleptic Gregorian calendar; months and
// days outside their range carry over as a date serial does (month 13 is January).
long DaysFromOrigin(long year, long month, long day) {
    year += (month - 1) / 12;
    month = (month - 1) % 12 + 1;
    if (month < 1) month += 12, --year;
    // Days from 1970-01-01 (civil-from-days in reverse, eras of 400 years).
    const long y = month <= 2 ? year - 1 : year;
    const long era = (y >= 0 ? y : y - 399) / 400;
    const long yoe = y - era * 400;
    const long doy = (153 * (month + (month > 2 ? -3 : 9)) + 2) / 5 + day - 1;
    const long doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    const long fromUnixEpoch = era * 146097 + doe - 719468;
    return fromUnixEpoch + 25569;  // 1899-12-30 lies 25569 days before 1970-01-01
}

Date DateTime(long year, long month, long day, long hour, long minute, long second) {
    return DaysFromOrigin(year, month, day) + (hour * 3600 + minute * 60 + second) / 86400.0;
}

bool Daylight(const TimeZoneRecord& tz) { return tz.status == 2; }

}  // namespace

long LocalOffsetFromGMT(const Clock& clock, bool AsHours, bool AdjustForDST) {
    const TimeZoneRecord tz = clock.TimeZone();
    // 64-bit sum: two 32-bit fields cannot overflow it.
    long offset = tz.Bias;
    if (Daylight(tz) && AdjustForDST) offset = static_cast<long>(tz.Bias) + tz.DaylightBias;
    if (AsHours) offset = CIntEven(offset / 60.0);
    return offset;
}

long DaylightTime(const Clock& clock) { return clock.TimeZone().status; }

// The offset is taken in minutes, not rounded to whole hours, so that zones half or three
// quarters of an hour from Greenwich get the present moment right.
float FraccionDiaGMT(const Clock& clock) {
    const LocalDateTime now = clock.Now();
    const double minutes = now.hour * 60.0 + now.minute + LocalOffsetFromGMT(clock, false, true);
    return static_cast<float>(minutes / 1440);
}

Date ConvertLocalToGMT(const Clock& clock, Date LocalTime, bool AdjustForDST) {
    const Date t = LocalTime > 0 ? LocalTime : LocalDateTimeToDate(clock.Now());
    const TimeZoneRecord tz = clock.TimeZone();
    const long daylight = AdjustForDST && Daylight(tz) ? tz.DaylightBias : 0;
    return t + (static_cast<double>(tz.Bias) + daylight) * kMinute;
}

Date GetLocalTimeFromGMT(const Clock& clock, Date StartTime) {
    const Date t = StartTime > 0 ? StartTime : LocalDateTimeToDate(clock.Now());
    const TimeZoneRecord tz = clock.TimeZone();
    return t - tz.Bias * kMinute + (Daylight(tz) ? 60 * kMinute : 0);
}

Date SystemTimeToDate(const SystemTime& st) {
    return DateTime(st.wYear, st.wMonth, st.wDay, st.wHour, st.wMinute, st.wSecond);
}

Date LocalDateTimeToDate(const LocalDateTime& t) {
    return DateTime(t.year, t.month, t.day, t.hour, t.minute, t.second);
}

}  // namespace natalis
