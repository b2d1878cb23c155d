// The rule a compiled zone file gives for the instants after its last transition: the
// POSIX TZ string in the footer of a TZif file ("CET-1CEST,M3.5.0,M10.5.0/3").
//
// The date library reads the transitions of a zone file but not its footer, so on its own it
// keeps the last transition's offset for ever (Madrid in standard time every summer from
// 2038 on, and from much earlier with files that list only the transitions the footer does
// not already imply). TimeZoneHistory reads the footer with these routines and uses it after
// the last transition, as the file format asks.
//
// References: RFC 8536, "The Time Zone Information Format (TZif)", sections 3.1 to 3.3;
// POSIX.1-2017, Base Definitions 8.3, the TZ variable.
#pragma once
#include <optional>
#include <string>
#include <string_view>

namespace natalis {

// A date of the rule: "Jn" (1..365, 29 February never counted), "n" (0..365, counted) or
// "Mm.w.d" (weekday d, 0 Sunday, of week w, 1..5 with 5 the last, of month m).
struct PosixTzDate {
    enum class Kind { JulianNoLeap, ZeroBased, MonthWeekDay };
    Kind kind = Kind::MonthWeekDay;
    int day = 0;  // n of Jn or of n
    int month = 0, week = 0, weekday = 0;
    long timeSeconds = 7200;  // local clock time of the change, -167 h .. 167 h (RFC 8536)
};

struct PosixTzRule {
    std::string stdAbbrev, dstAbbrev;
    long stdOffsetSeconds = 0;  // clock ahead of UT in standard time (east positive)
    long dstOffsetSeconds = 0;  // clock ahead of UT in summer time
    bool hasDst = false;        // false: standard time all year, start and end unused
    PosixTzDate start, end;     // summer time begins at start (standard clock), ends at end
};

// Given:    text  a POSIX TZ string as a TZif footer holds it (no leading ':')
// Returned: the rule, or nothing when the text is empty or not a TZ string. A string that
//           names summer time without the dates of the change is refused too: the format
//           leaves those dates to each implementation.
// Notes:    POSIX offsets are what is added to the clock to get UT (west positive); the rule
//           keeps them the other way round, as the clock is ahead of UT.
std::optional<PosixTzRule> ParsePosixTz(std::string_view text);

// Given:    bytes  the whole content of a compiled zone file
// Returned: the footer's TZ string ("" for an empty footer, meaning no rule), or nothing
//           when the bytes are not a TZif file of version 2 or later.
std::optional<std::string> TzifFooter(std::string_view bytes);

// A stretch of time during which the rule gives one clock offset.
struct PosixTzPeriod {
    long long beginUt = 0, endUt = 0;  // seconds from 1970-01-01 0 h UT, end excluded
    long offsetSeconds = 0;            // clock ahead of UT
    bool dst = false;
    std::string abbrev;
};

// Given:    rule  a parsed rule; ut  an instant, seconds from 1970-01-01 0 h UT (proleptic
//           Gregorian calendar, years -30000 .. 30000)
// Returned: the period of the rule containing ut. Without summer time the period has no
//           bounds (beginUt and endUt at the extremes of long long).
PosixTzPeriod PosixTzPeriodAt(const PosixTzRule& rule, long long ut);

}  // namespace natalis
