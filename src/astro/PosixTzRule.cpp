// The footer rule of a compiled zone file: reading it and finding its period at an instant.
#include "astro/PosixTzRule.h"

#include <date/date.h>

#include <algorithm>
#include <array>
#include <cctype>
#include <climits>
#include <cstdint>

namespace natalis {

namespace {

// A cursor over the TZ string.
struct Cursor {
    std::string_view s;
    std::size_t i = 0;
    bool AtEnd() const { return i >= s.size(); }
    char Peek() const { return AtEnd() ? '\0' : s[i]; }
    bool Take(char c) {
        if (Peek() != c) return false;
        ++i;
        return true;
    }
};

// A zone abbreviation: three or more letters, or "<...>" holding letters, digits, + and -.
std::optional<std::string> ReadAbbrev(Cursor& c) {
    std::string out;
    if (c.Take('<')) {
        while (!c.AtEnd() && c.Peek() != '>') {
            const char ch = c.Peek();
            if (!std::isalnum(static_cast<unsigned char>(ch)) && ch != '+' && ch != '-') {
                return std::nullopt;
            }
            out += ch;
            ++c.i;
        }
        if (!c.Take('>')) return std::nullopt;
    } else {
        while (std::isalpha(static_cast<unsigned char>(c.Peek()))) out += c.s[c.i++];
    }
    if (out.size() < 3) return std::nullopt;
    return out;
}

// Up to maxDigits decimal digits, at least one.
std::optional<long> ReadNumber(Cursor& c, int maxDigits) {
    long n = 0;
    int digits = 0;
    while (digits < maxDigits && std::isdigit(static_cast<unsigned char>(c.Peek()))) {
        n = n * 10 + (c.s[c.i++] - '0');
        ++digits;
    }
    if (digits == 0) return std::nullopt;
    return n;
}

// [+|-]hh[:mm[:ss]] in seconds, hours at most maxHours.
std::optional<long> ReadClock(Cursor& c, long maxHours) {
    long sign = 1;
    if (c.Take('-')) {
        sign = -1;
    } else {
        c.Take('+');
    }
    const std::optional<long> h = ReadNumber(c, 3);
    if (!h || *h > maxHours) return std::nullopt;
    long seconds = *h * 3600;
    for (long unit : {60L, 1L}) {
        if (!c.Take(':')) break;
        const std::optional<long> part = ReadNumber(c, 2);
        if (!part || *part > 59) return std::nullopt;
        seconds += *part * unit;
    }
    return sign * seconds;
}

// Jn, n or Mm.w.d, then an optional /time.
std::optional<PosixTzDate> ReadDate(Cursor& c) {
    PosixTzDate d;
    if (c.Take('J')) {
        const std::optional<long> n = ReadNumber(c, 3);
        if (!n || *n < 1 || *n > 365) return std::nullopt;
        d.kind = PosixTzDate::Kind::JulianNoLeap;
        d.day = static_cast<int>(*n);
    } else if (c.Take('M')) {
        const std::optional<long> m = ReadNumber(c, 2);
        if (!m || *m < 1 || *m > 12 || !c.Take('.')) return std::nullopt;
        const std::optional<long> w = ReadNumber(c, 1);
        if (!w || *w < 1 || *w > 5 || !c.Take('.')) return std::nullopt;
        const std::optional<long> wd = ReadNumber(c, 1);
        if (!wd || *wd > 6) return std::nullopt;
        d.kind = PosixTzDate::Kind::MonthWeekDay;
        d.month = static_cast<int>(*m);
        d.week = static_cast<int>(*w);
        d.weekday = static_cast<int>(*wd);
    } else {
        const std::optional<long> n = ReadNumber(c, 3);
        if (!n || *n > 365) return std::nullopt;
        d.kind = PosixTzDate::Kind::ZeroBased;
        d.day = static_cast<int>(*n);
    }
    if (c.Take('/')) {
        const std::optional<long> t = ReadClock(c, 167);
        if (!t) return std::nullopt;
        d.timeSeconds = *t;
    }
    return d;
}

// The first day of the change in year y, as days from 1970-01-01.
long long ChangeDay(const PosixTzDate& d, int y) {
    using namespace date;
    const year yr{y};
    switch (d.kind) {
        case PosixTzDate::Kind::JulianNoLeap: {
            // Day 60 is 1 March in every year: 29 February is skipped.
            const int skip = (yr.is_leap() && d.day >= 60) ? 1 : 0;
            return (sys_days{yr / January / 1} + days{d.day - 1 + skip}).time_since_epoch().count();
        }
        case PosixTzDate::Kind::ZeroBased:
            return (sys_days{yr / January / 1} + days{d.day}).time_since_epoch().count();
        case PosixTzDate::Kind::MonthWeekDay:
            break;
    }
    const month m{static_cast<unsigned>(d.month)};
    const weekday wd{static_cast<unsigned>(d.weekday)};
    const sys_days day = d.week == 5 ? sys_days{yr / m / wd[last]}
                                     : sys_days{yr / m / wd[static_cast<unsigned>(d.week)]};
    return day.time_since_epoch().count();
}

constexpr long long kSecondsPerDay = 86400;

}  // namespace

std::optional<PosixTzRule> ParsePosixTz(std::string_view text) {
    Cursor c{text};
    PosixTzRule r;
    const std::optional<std::string> stdName = ReadAbbrev(c);
    if (!stdName) return std::nullopt;
    r.stdAbbrev = *stdName;
    const std::optional<long> stdPosix = ReadClock(c, 24);
    if (!stdPosix) return std::nullopt;
    r.stdOffsetSeconds = -*stdPosix;
    r.dstOffsetSeconds = r.stdOffsetSeconds;
    if (c.AtEnd()) return r;

    const std::optional<std::string> dstName = ReadAbbrev(c);
    if (!dstName) return std::nullopt;
    r.dstAbbrev = *dstName;
    r.hasDst = true;
    r.dstOffsetSeconds = r.stdOffsetSeconds + 3600;  // one hour ahead unless given
    if (c.Peek() != ',' && !c.AtEnd()) {
        const std::optional<long> dstPosix = ReadClock(c, 24);
        if (!dstPosix) return std::nullopt;
        r.dstOffsetSeconds = -*dstPosix;
    }
    if (!c.Take(',')) return std::nullopt;  // no dates of the change
    const std::optional<PosixTzDate> start = ReadDate(c);
    if (!start || !c.Take(',')) return std::nullopt;
    const std::optional<PosixTzDate> end = ReadDate(c);
    if (!end || !c.AtEnd()) return std::nullopt;
    r.start = *start;
    r.end = *end;
    return r;
}

std::optional<std::string> TzifFooter(std::string_view bytes) {
    // Header: "TZif", version, 15 reserved bytes, then six 32-bit big-endian counts.
    constexpr std::size_t kHeader = 44;
    auto count = [&](std::size_t at) -> std::uint64_t {
        std::uint64_t v = 0;
        for (std::size_t k = 0; k < 4; ++k) v = v << 8 | static_cast<unsigned char>(bytes[at + k]);
        return v;
    };
    // Size of the data block after a header at `at`, with timeSize-byte transition times.
    auto blockSize = [&](std::size_t at, std::uint64_t timeSize) {
        const std::uint64_t isut = count(at + 20), isstd = count(at + 24), leap = count(at + 28),
                            time = count(at + 32), type = count(at + 36), chars = count(at + 40);
        return time * timeSize + time + type * 6 + chars + leap * (timeSize + 4) + isstd + isut;
    };
    if (bytes.size() < kHeader || bytes.substr(0, 4) != "TZif" || bytes[4] < '2') {
        return std::nullopt;
    }
    const std::uint64_t second = kHeader + blockSize(0, 4);
    if (second + kHeader > bytes.size() || bytes.substr(second, 4) != "TZif") return std::nullopt;
    const std::uint64_t footer = second + kHeader + blockSize(second, 8);
    if (footer >= bytes.size() || bytes[footer] != '\n') return std::nullopt;
    const std::size_t close = bytes.find('\n', footer + 1);
    if (close == std::string_view::npos) return std::nullopt;
    return std::string(bytes.substr(footer + 1, close - footer - 1));
}

PosixTzPeriod PosixTzPeriodAt(const PosixTzRule& rule, long long ut) {
    if (!rule.hasDst) {
        return {LLONG_MIN, LLONG_MAX, rule.stdOffsetSeconds, false, rule.stdAbbrev};
    }
    const date::sys_days day{date::days{static_cast<int>(
        ut >= 0 ? ut / kSecondsPerDay : -((-ut + kSecondsPerDay - 1) / kSecondsPerDay))}};
    const int y = static_cast<int>(date::year_month_day{day}.year());

    // The changes of the year before, this year and the next, in UT. Each is given on the
    // clock in force just before it: standard time for the start, summer time for the end.
    struct Change {
        long long ut;
        bool toDst;
    };
    std::array<Change, 6> changes{};
    for (int k = 0; k < 3; ++k) {
        const int yy = y - 1 + k;
        changes[2 * k] = {ChangeDay(rule.start, yy) * kSecondsPerDay + rule.start.timeSeconds -
                              rule.stdOffsetSeconds,
                          true};
        changes[2 * k + 1] = {
            ChangeDay(rule.end, yy) * kSecondsPerDay + rule.end.timeSeconds - rule.dstOffsetSeconds,
            false};
    }
    // At equal instants the end comes first, so that summer time all year ("0/0,J365/25")
    // runs on without a standard period between one year and the next.
    std::sort(changes.begin(), changes.end(), [](const Change& a, const Change& b) {
        return a.ut != b.ut ? a.ut < b.ut : (!a.toDst && b.toDst);
    });
    PosixTzPeriod p;
    p.beginUt = LLONG_MIN;
    p.endUt = LLONG_MAX;
    bool dst = !changes.front().toDst;  // the state before the first change
    for (const Change& ch : changes) {
        if (ch.ut <= ut) {
            dst = ch.toDst;
            p.beginUt = ch.ut;
        } else {
            p.endUt = ch.ut;
            break;
        }
    }
    p.dst = dst;
    p.offsetSeconds = dst ? rule.dstOffsetSeconds : rule.stdOffsetSeconds;
    p.abbrev = dst ? rule.dstAbbrev : rule.stdAbbrev;
    return p;
}

}  // namespace natalis
