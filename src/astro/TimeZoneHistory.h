// The clock of a time zone on a given day in history: from a local date and clock time to
// the offset from universal time, with the abbreviation, whether summer time was in force,
// and whether the clock time was skipped or repeated by a change.
//
// Everything comes from the system's IANA time-zone database (Debian tzdata), read through
// Howard Hinnant's date/tz library; no rule is written here. After a zone file's last
// transition the file's own footer rule applies (see PosixTzRule.h).
//
// References: the tz database, https://www.iana.org/time-zones (Zone and Rule lines of its
// source, /usr/share/zoneinfo/tzdata.zi on Debian); RFC 8536 for the compiled files.
#pragma once
#include <optional>
#include <string>
#include <vector>

#include "astro/UtcOffsetText.h"  // FormatUtcOffset, for the readings' offsets

namespace natalis {

// A date and clock time as the user types them. The date is read as the program reads every
// date (JulDay): Julian calendar before 1583, Gregorian from 1583 on.
struct CivilTime {
    int year = 2000, month = 1, day = 1;  // years -3000 .. 3000
    int hour = 0, minute = 0, second = 0;
};

// One reading of a local clock time.
struct ZoneReading {
    long offsetSeconds = 0;      // the clock is this far ahead of UT: UT = local - offset
    std::string abbreviation;    // as the database writes it: "CEST", "BST", "+0545", "LMT"
    bool summerTime = false;     // clocks set ahead of the zone's standard time
    bool localMeanTime = false;  // the database gives the zone's local mean time ("LMT")
};

enum class ZoneTimeStatus {
    Unique,        // one reading
    Ambiguous,     // the clock showed this time twice: two readings, earlier instant first
    Nonexistent,   // the clock skipped this time: no reading, see gap
    UnknownZone,   // the zone is not in the database
    InvalidTime,   // the date or clock time does not exist in the calendar
    DatabaseError  // the database could not be read
};

// The change that skipped a clock time.
struct ZoneGap {
    ZoneReading before, after;  // the readings in force just before and just after it
    CivilTime clockFrom;        // the first local clock time skipped
    CivilTime clockTo;          // the clock time shown right after the change
    long sizeSeconds = 0;       // after.offsetSeconds - before.offsetSeconds
};

struct ZoneTimeResult {
    ZoneTimeStatus status = ZoneTimeStatus::DatabaseError;
    std::vector<ZoneReading> readings;  // one (Unique), two or more (Ambiguous), else none
    ZoneGap gap;                        // when Nonexistent
    std::string message;                // Spanish, for every status but Unique and Ambiguous
};

// Given:    zone       IANA zone name ("Europe/Madrid", links such as "Asia/Calcutta" too)
//           local      the local date and clock time, to the second
//           longitudeEastDeg  the birth place's longitude, east positive, -180 .. 180;
//                      used only while the database gives the zone's local mean time
// Returned: the status, the reading or readings, and for a skipped time the change that
//           skipped it. Never throws.
// Notes:    Local mean time: when a reading's abbreviation is "LMT" and a longitude is
//           given, its offset is the place's own, longitude / 15 hours rounded to the second
//           (kept on the zone's side of the date line), and the clock time is resolved with
//           that offset. Without a longitude the database's LMT offset (that of the zone's
//           main city) stays, still flagged localMeanTime.
//           Summer time: the database marks each period as daylight saving or not, and the
//           mark is taken, except where the marked period's clock is behind the nearest
//           unmarked period's: the winter of zones whose database rule saves a negative
//           amount (Dublin, Casablanca in Ramadan, Windhoek 1994-2017) is not summer time.
ZoneTimeResult ResolveLocalTime(const std::string& zone, const CivilTime& local,
                                std::optional<double> longitudeEastDeg = std::nullopt);

// Given:    zone       IANA zone name
//           utSeconds  a universal instant, seconds from 1970-01-01 0 h UT
//           longitudeEastDeg  as for ResolveLocalTime (local mean time only)
// Returned: the reading of the zone's clock at that instant (status Unique, one reading), or
//           the failure (UnknownZone, DatabaseError) with its message. Never throws.
ZoneTimeResult ReadingAtInstant(const std::string& zone, long long utSeconds,
                                std::optional<double> longitudeEastDeg = std::nullopt);

// True when the database knows the zone name.
bool ZoneExists(const std::string& zone);

// The message for a zone name the database does not know.
std::string UnknownZoneMessage(const std::string& zone);

// The version of the system's tz database ("2024a"), or "" when it cannot be told.
std::string TzdataVersion();

}  // namespace natalis
