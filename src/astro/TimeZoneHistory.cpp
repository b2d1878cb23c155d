// The clock of a time zone in history, from the system's tz database through date/tz.
#include "astro/TimeZoneHistory.h"

#include <date/tz.h>

#include <algorithm>
#include <climits>
#include <cmath>
#include <exception>
#include <fstream>
#include <iterator>
#include <sstream>

#include "astro/Calendar.h"
#include "astro/PosixTzRule.h"

namespace natalis {

namespace {

// Where Debian keeps the compiled database; the date library reads the same folder.
constexpr const char* kZoneDir = "/usr/share/zoneinfo";
constexpr long long kSecondsPerDay = 86400;
// Every offset a clock has ever shown lies within this of UT (the widest is Manila's local
// mean time of -15:56:08 before 1845), so the readings of a clock time t are found among
// the periods that meet [t - kReach, t + kReach].
constexpr long long kReach = 18 * 3600;
// The library's first period starts, and its last one ends, beyond this year.
constexpr int kLibraryOpenYear = 32000;

// A stretch of time with one offset, from the library or from a file's footer rule.
struct Period {
    long long beginUt = 0, endUt = 0;  // seconds from 1970-01-01 0 h UT, end excluded
    long offsetSeconds = 0;
    bool dst = false;
    std::string abbrev;
};

long long ToSeconds(date::sys_seconds s) { return s.time_since_epoch().count(); }

long long YearStart(int y) { return ToSeconds(date::sys_days{date::year{y} / date::January / 1}); }

std::optional<std::string> FileText(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return std::nullopt;
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// One zone's clock: the library's periods, and after the last transition the footer's.
class ZoneClock {
  public:
    explicit ZoneClock(const date::time_zone* tz) : tz_(tz) {
        const std::optional<std::string> bytes = FileText(std::string(kZoneDir) + "/" + tz->name());
        const std::optional<std::string> footer = bytes ? TzifFooter(*bytes) : std::nullopt;
        if (footer) rule_ = ParsePosixTz(*footer);
    }

    Period At(long long ut) const {
        const date::sys_info info = tz_->get_info(date::sys_seconds{std::chrono::seconds{ut}});
        Period p{ToSeconds(info.begin), ToSeconds(info.end), static_cast<long>(info.offset.count()),
                 info.save.count() != 0, info.abbrev};
        if (p.beginUt <= YearStart(-kLibraryOpenYear)) p.beginUt = LLONG_MIN;
        if (p.endUt >= YearStart(kLibraryOpenYear)) {
            p.endUt = LLONG_MAX;
            if (rule_ && rule_->hasDst) {
                const PosixTzPeriod f = PosixTzPeriodAt(*rule_, ut);
                p = {std::max(f.beginUt, p.beginUt), f.endUt, f.offsetSeconds, f.dst, f.abbrev};
            }
        }
        return p;
    }

  private:
    const date::time_zone* tz_;
    std::optional<PosixTzRule> rule_;
};

// Summer time: the database's own daylight-saving mark, except a negative saving, where the
// marked period's clock is behind the nearest standard one (looked for before it, then after
// it): the Irish winter. A marked period with the standard clock's offset is summer time
// (Moscow 1991, Vilnius 1989: summer time of the zone's new standard time). Without any
// standard period near, the mark holds. The database's "-00" (a place without inhabitants
// yet, before Iqaluit 1942 or Palmer 1965) is no standard time to compare with.
bool IsSummerTime(const ZoneClock& clock, const Period& p) {
    if (!p.dst) return false;
    constexpr int kLook = 12;
    const auto standard = [](const Period& q) { return !q.dst && q.abbrev != "-00"; };
    Period q = p;
    for (int k = 0; k < kLook && q.beginUt != LLONG_MIN; ++k) {
        q = clock.At(q.beginUt - 1);
        if (standard(q)) return p.offsetSeconds >= q.offsetSeconds;
    }
    q = p;
    for (int k = 0; k < kLook && q.endUt != LLONG_MAX; ++k) {
        q = clock.At(q.endUt);
        if (standard(q)) return p.offsetSeconds >= q.offsetSeconds;
    }
    return true;
}

// The offset a period gives at the birth place: its own, except that the zone's local mean
// time becomes the place's (longitude / 15 h, 240 s a degree), on the side of the date line
// where the database keeps the zone.
long PlaceOffset(const Period& p, std::optional<double> longitudeEastDeg) {
    if (p.abbrev != "LMT" || !longitudeEastDeg) return p.offsetSeconds;
    long placeSeconds = std::lround(*longitudeEastDeg * 240.0);
    while (placeSeconds - p.offsetSeconds > kSecondsPerDay / 2) placeSeconds -= kSecondsPerDay;
    while (p.offsetSeconds - placeSeconds > kSecondsPerDay / 2) placeSeconds += kSecondsPerDay;
    return placeSeconds;
}

// Days in a month as JulDay counts them (December always has 31; the next January may
// already be in the other calendar).
int DaysInMonth(int year, int month) {
    if (month == 12) return 31;
    return static_cast<int>(std::lround(JulDay(1, month + 1, year) - JulDay(1, month, year)));
}

// Seconds of local clock time from 1970-01-01 0 h, the date counted by JulDay.
long long LocalSeconds(const CivilTime& t) {
    constexpr double kJulianDayOfEpoch = 2440587.5;  // 1970-01-01 0 h UT
    const long long day = std::llround(JulDay(t.day, t.month, t.year) - kJulianDayOfEpoch);
    return day * kSecondsPerDay + t.hour * 3600LL + t.minute * 60LL + t.second;
}

// The local clock time of `seconds` (as LocalSeconds counts them), Gregorian calendar: the
// only clock times turned back into dates are those of changes, all after 1583.
CivilTime ClockTime(long long seconds) {
    const long long days = seconds >= 0 ? seconds / kSecondsPerDay
                                        : -((-seconds + kSecondsPerDay - 1) / kSecondsPerDay);
    const long rest = static_cast<long>(seconds - days * kSecondsPerDay);
    const date::year_month_day ymd{date::sys_days{date::days{days}}};
    return {static_cast<int>(ymd.year()),
            static_cast<int>(static_cast<unsigned>(ymd.month())),
            static_cast<int>(static_cast<unsigned>(ymd.day())),
            static_cast<int>(rest / 3600),
            static_cast<int>(rest / 60 % 60),
            static_cast<int>(rest % 60)};
}

// "d m aaaa", as the program writes dates.
std::string DateText(const CivilTime& t) {
    return std::to_string(t.day) + " " + std::to_string(t.month) + " " + std::to_string(t.year);
}

std::string ClockText(const CivilTime& t) {
    return SpanText(t.hour * 3600L + t.minute * 60L + t.second);
}

std::string GapMessage(const std::string& zone, const CivilTime& local, const ZoneGap& gap) {
    return "La hora " + ClockText(local) + " del " + DateText(local) + " no existe en " + zone +
           ": los relojes pasaron de " + DateText(gap.clockFrom) + " " + ClockText(gap.clockFrom) +
           " (" + gap.before.abbreviation + ") a " + DateText(gap.clockTo) + " " +
           ClockText(gap.clockTo) + " (" + gap.after.abbreviation + "), un salto de " +
           SpanText(gap.sizeSeconds) + ".";
}

ZoneTimeResult Failure(ZoneTimeStatus status, std::string message) {
    ZoneTimeResult r;
    r.status = status;
    r.message = std::move(message);
    return r;
}

// The first fault of the input, as a Spanish message, or "".
std::string InputFault(const CivilTime& t, std::optional<double> longitudeEastDeg) {
    if (t.year < -3000 || t.year > 3000) {
        return " El rango de años del programa es: -3000 á 3000 años  ";
    }
    if (t.month < 1 || t.month > 12 || t.day < 1 || t.day > DaysInMonth(t.year, t.month)) {
        return "La fecha " + DateText(t) + " no existe.";
    }
    if (t.hour < 0 || t.hour > 23 || t.minute < 0 || t.minute > 59 || t.second < 0 ||
        t.second > 59) {
        return "La hora " + std::to_string(t.hour) + " " + std::to_string(t.minute) + " " +
               std::to_string(t.second) + " no existe.";
    }
    if (longitudeEastDeg &&
        !(std::isfinite(*longitudeEastDeg) && std::fabs(*longitudeEastDeg) <= 180)) {
        return "La longitud debe estar entre -180 y 180 grados.";
    }
    return "";
}

struct Candidate {
    long long ut;
    ZoneReading reading;
};

}  // namespace

ZoneTimeResult ResolveLocalTime(const std::string& zone, const CivilTime& local,
                                std::optional<double> longitudeEastDeg) {
    const std::string fault = InputFault(local, longitudeEastDeg);
    if (!fault.empty()) return Failure(ZoneTimeStatus::InvalidTime, fault);
    try {
        date::get_tzdb();
    } catch (const std::exception& e) {
        return Failure(ZoneTimeStatus::DatabaseError,
                       std::string("No se pudo leer la base de datos de husos horarios (paquete "
                                   "tzdata): ") +
                           e.what() + ".");
    }
    if (!ZoneExists(zone)) {
        return Failure(ZoneTimeStatus::UnknownZone, UnknownZoneMessage(zone));
    }
    try {
        const ZoneClock clock(date::locate_zone(zone));
        const long long t = LocalSeconds(local);

        // The periods that meet [t - kReach, t + kReach], in order.
        std::vector<Period> periods{clock.At(t - kReach)};
        while (periods.back().endUt <= t + kReach && periods.size() < 64) {
            const Period next = clock.At(periods.back().endUt);
            if (next.endUt <= periods.back().endUt) break;  // no progress: stop
            periods.push_back(next);
        }

        std::vector<Candidate> found;
        std::vector<long> offsets;
        for (const Period& p : periods) {
            const long offset = PlaceOffset(p, longitudeEastDeg);
            offsets.push_back(offset);
            const long long ut = t - offset;
            if (ut >= p.beginUt && ut < p.endUt) {
                found.push_back(
                    {ut, {offset, p.abbrev, IsSummerTime(clock, p), p.abbrev == "LMT"}});
            }
        }
        ZoneTimeResult r;
        if (!found.empty()) {
            std::sort(found.begin(), found.end(),
                      [](const Candidate& a, const Candidate& b) { return a.ut < b.ut; });
            for (const Candidate& c : found) r.readings.push_back(c.reading);
            r.status = found.size() == 1 ? ZoneTimeStatus::Unique : ZoneTimeStatus::Ambiguous;
            return r;
        }
        // No reading: t lies in the clock times a change skipped.
        for (std::size_t k = 0; k + 1 < periods.size(); ++k) {
            const long long change = periods[k].endUt;
            const long long from = change + offsets[k], to = change + offsets[k + 1];
            if (from <= t && t < to) {
                const Period& a = periods[k];
                const Period& b = periods[k + 1];
                r.status = ZoneTimeStatus::Nonexistent;
                r.gap.before = {offsets[k], a.abbrev, IsSummerTime(clock, a), a.abbrev == "LMT"};
                r.gap.after = {offsets[k + 1], b.abbrev, IsSummerTime(clock, b), b.abbrev == "LMT"};
                r.gap.clockFrom = ClockTime(from);
                r.gap.clockTo = ClockTime(to);
                r.gap.sizeSeconds = static_cast<long>(to - from);
                r.message = GapMessage(zone, local, r.gap);
                return r;
            }
        }
        return Failure(ZoneTimeStatus::DatabaseError,
                       "La base de datos de husos horarios no da ninguna lectura de esa hora en " +
                           zone + ".");
    } catch (const std::exception& e) {
        return Failure(ZoneTimeStatus::DatabaseError, "No se pudo leer la zona «" + zone +
                                                          "» de la base de datos de husos "
                                                          "horarios: " +
                                                          e.what() + ".");
    }
}

ZoneTimeResult ReadingAtInstant(const std::string& zone, long long utSeconds,
                                std::optional<double> longitudeEastDeg) {
    const std::string fault = InputFault(CivilTime{}, longitudeEastDeg);
    if (!fault.empty()) return Failure(ZoneTimeStatus::InvalidTime, fault);
    if (!ZoneExists(zone)) return Failure(ZoneTimeStatus::UnknownZone, UnknownZoneMessage(zone));
    try {
        const ZoneClock clock(date::locate_zone(zone));
        const Period p = clock.At(utSeconds);
        ZoneTimeResult r;
        r.status = ZoneTimeStatus::Unique;
        r.readings.push_back({PlaceOffset(p, longitudeEastDeg), p.abbrev, IsSummerTime(clock, p),
                              p.abbrev == "LMT"});
        return r;
    } catch (const std::exception& e) {
        return Failure(ZoneTimeStatus::DatabaseError, "No se pudo leer la zona «" + zone +
                                                          "» de la base de datos de husos "
                                                          "horarios: " +
                                                          e.what() + ".");
    }
}

bool ZoneExists(const std::string& zone) {
    try {
        date::locate_zone(zone);
        return true;
    } catch (const std::exception&) {
        return false;
    }
}

std::string UnknownZoneMessage(const std::string& zone) {
    return "La zona «" + zone + "» no está en la base de datos de husos horarios.";
}

std::string TzdataVersion() {
    try {
        const std::string v = date::get_tzdb().version;
        if (!v.empty() && v != "unknown") return v;
    } catch (const std::exception&) {
    }
    // Debian ships no +VERSION file, which the library looks for; the source file it ships
    // with the compiled database opens with "# version 2024a".
    std::ifstream in(std::string(kZoneDir) + "/tzdata.zi");
    std::string line;
    for (int k = 0; k < 8 && std::getline(in, line); ++k) {
        const std::string tag = "# version ";
        if (line.rfind(tag, 0) == 0) return line.substr(tag.size());
    }
    return "";
}

}  // namespace natalis
