// Helpers of the exchange-format tests: Julian day numbers computed independently of the
// program's calendar code, and the instant a natal record stands for.
#pragma once
#include <cmath>
#include <string>

#include "app/model/NatalRecord.h"
#include "astro/NumberText.h"

namespace natalis::prueba {

// Julian day number (the day starting at noon) of a date, by the integer formulas of
// C. Tøndering's Calendar FAQ, section 2.16.1; valid for years after -4800.
inline long JdnGregoriano(long y, long m, long d) {
    const long a = (14 - m) / 12, yy = y + 4800 - a, mm = m + 12 * a - 3;
    return d + (153 * mm + 2) / 5 + 365 * yy + yy / 4 - yy / 100 + yy / 400 - 32045;
}
inline long JdnJuliano(long y, long m, long d) {
    const long a = (14 - m) / 12, yy = y + 4800 - a, mm = m + 12 * a - 3;
    return d + (153 * mm + 2) / 5 + 365 * yy + yy / 4 - 32083;
}
// The program's calendar: Julian before 1583, Gregorian from then on.
inline long JdnPrograma(long y, long m, long d) {
    return y < 1583 ? JdnJuliano(y, m, d) : JdnGregoriano(y, m, d);
}

// Seconds the record's clock is ahead of universal time.
inline long AdelantoDe(const NatalRecord& r) {
    if (r.ZoneFrom.FromDatabase()) return r.ZoneFrom.offsetSeconds;
    return -std::lround(r.ZoneHours * 60.0) * 60;
}

// The universal-time Julian day the record stands for, from its date, clock texts and zone.
inline double InstanteDe(const NatalRecord& r) {
    const double reloj =
        ValLeading(r.HourText) * 3600 + ValLeading(r.MinuteText) * 60 + ValLeading(r.SecondText);
    return JdnPrograma(r.NatalYear, r.NatalMonth, r.NatalDay) - 0.5 +
           (reloj - static_cast<double>(AdelantoDe(r))) / 86400.0;
}

}  // namespace natalis::prueba
