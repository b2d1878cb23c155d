#include "app/model/ZoneSourceLine.h"

#include <cmath>
#include <vector>

#include "app/model/Cp1252.h"
#include "astro/TimeZoneHistory.h"

namespace natalis {

const char kZoneSourceMark[] = "Huso horario: ";

namespace {

constexpr const char* kSeparator = ", ";
constexpr const char* kVersionWord = "tzdata ";
constexpr const char* kUnknownVersion = "?";

std::vector<std::string> Split(const std::string& s) {
    std::vector<std::string> parts;
    std::size_t from = 0;
    for (;;) {
        const std::size_t at = s.find(kSeparator, from);
        parts.push_back(s.substr(from, at == std::string::npos ? std::string::npos : at - from));
        if (at == std::string::npos) return parts;
        from = at + 2;
    }
}

// "+hh:mm:ss" or "-hh:mm:ss" in seconds; hours up to 23.
std::optional<long> ReadOffset(const std::string& t) {
    if (t.size() != 9 || (t[0] != '+' && t[0] != '-') || t[3] != ':' || t[6] != ':')
        return std::nullopt;
    long parts[3] = {};
    for (int i = 0; i < 3; ++i) {
        const char a = t[1 + 3 * i], b = t[2 + 3 * i];
        if (a < '0' || a > '9' || b < '0' || b > '9') return std::nullopt;
        parts[i] = (a - '0') * 10 + (b - '0');
    }
    if (parts[0] > 23 || parts[1] > 59 || parts[2] > 59) return std::nullopt;
    const long seconds = parts[0] * 3600 + parts[1] * 60 + parts[2];
    return t[0] == '-' ? -seconds : seconds;
}

}  // namespace

const char* ZoneKindWord(const ZoneSource& s) {
    if (s.localMeanTime) return "hora media local";
    return s.summerTime ? "verano" : "normal";
}

std::string ZoneSourceLine(const ZoneSource& s) {
    const std::string offset = FormatUtcOffset(s.offsetSeconds);
    return std::string(kZoneSourceMark) + s.zone + kSeparator + offset + kSeparator +
           s.abbreviation + kSeparator + ZoneKindWord(s) + kSeparator + kVersionWord +
           (s.tzdataVersion.empty() ? kUnknownVersion : s.tzdataVersion);
}

std::optional<ZoneSource> ReadZoneSourceLine(const std::string& line) {
    const std::string t = TrimBlanks(line);
    const std::string mark = kZoneSourceMark;
    if (t.compare(0, mark.size(), mark) != 0) return std::nullopt;
    const std::vector<std::string> parts = Split(t.substr(mark.size()));
    if (parts.size() != 5) return std::nullopt;
    ZoneSource s;
    s.zone = parts[0];
    if (s.zone.empty() || s.zone.find(' ') != std::string::npos) return std::nullopt;
    const std::optional<long> offset = ReadOffset(parts[1]);
    if (!offset) return std::nullopt;
    s.offsetSeconds = *offset;
    s.abbreviation = parts[2];
    if (parts[3] == "verano")
        s.summerTime = true;
    else if (parts[3] == "hora media local")
        s.localMeanTime = true;
    else if (parts[3] != "normal")
        return std::nullopt;
    const std::string version = kVersionWord;
    if (parts[4].compare(0, version.size(), version) != 0) return std::nullopt;
    s.tzdataVersion = parts[4].substr(version.size());
    if (s.tzdataVersion == kUnknownVersion) s.tzdataVersion.clear();
    return s;
}

bool ZoneSourceMatches(const ZoneSource& s, double zoneHours) {
    // The zone line holds whole minutes: the source's offset rounds to at most 30 s away.
    return std::fabs(s.offsetSeconds + zoneHours * 3600) <= 30.5;
}

}  // namespace natalis
