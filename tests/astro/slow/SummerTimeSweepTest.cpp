// The summer-time mark of every period of every zone from 1900 to 2040 against the tz
// database as zdump (libc's own reader of the compiled files) prints it: a period marked
// isdst=1 is summer time unless its offset is below the nearest unmarked period's (a
// negative saving, the Irish winter); an unmarked period never is. Slow: labelled "slow".
#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "astro/TimeZoneHistory.h"

namespace natalis {
namespace {

struct Period {
    long long beginUt = 0;  // seconds from 1970-01-01 0 h UT
    long offset = 0;
    bool isdst = false;
};

// Days from 1970-01-01 of a proleptic Gregorian date (H. Hinnant's days_from_civil).
long long DaysFromCivil(long long y, unsigned m, unsigned d) {
    y -= m <= 2;
    const long long era = (y >= 0 ? y : y - 399) / 400;
    const unsigned yoe = static_cast<unsigned>(y - era * 400);
    const unsigned doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
    const unsigned doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + static_cast<long long>(doe) - 719468;
}

CivilTime CivilFromSeconds(long long s) {
    long long days = s >= 0 ? s / 86400 : -((-s + 86399) / 86400);
    const long long rest = s - days * 86400;
    days += 719468;
    const long long era = (days >= 0 ? days : days - 146096) / 146097;
    const unsigned doe = static_cast<unsigned>(days - era * 146097);
    const unsigned yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const unsigned doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const unsigned mp = (5 * doy + 2) / 153;
    const unsigned d = doy - (153 * mp + 2) / 5 + 1;
    const unsigned m = mp < 10 ? mp + 3 : mp - 9;
    const long long y = static_cast<long long>(yoe) + era * 400 + (m <= 2);
    return {static_cast<int>(y),
            static_cast<int>(m),
            static_cast<int>(d),
            static_cast<int>(rest / 3600),
            static_cast<int>(rest / 60 % 60),
            static_cast<int>(rest % 60)};
}

int MonthNumber(const std::string& name) {
    static const char* kNames[] = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                   "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
    for (int i = 0; i < 12; ++i)
        if (name == kNames[i]) return i + 1;
    return 0;
}

// The periods that begin at each change zdump lists between 1900 and 2040.
std::vector<Period> ZdumpPeriods(const std::string& zone) {
    std::vector<Period> out;
    const std::string command = "zdump -v -c 1900,2040 " + zone;
    std::unique_ptr<FILE, int (*)(FILE*)> pipe(popen(command.c_str(), "r"), pclose);
    if (!pipe) return out;
    char buffer[512];
    bool odd =
        false;  // zdump prints each change as a pair: the last second before, the first after
    while (fgets(buffer, sizeof buffer, pipe.get())) {
        std::istringstream line(buffer);
        std::string name, weekday, month, clock, ut;
        int day = 0, year = 0;
        if (!(line >> name >> weekday >> month >> day >> clock >> year >> ut) || ut != "UT")
            continue;
        odd = !odd;
        if (odd) continue;
        const std::string text = buffer;
        const auto isdst = text.find("isdst=");
        const auto gmtoff = text.find("gmtoff=");
        if (isdst == std::string::npos || gmtoff == std::string::npos) continue;
        Period p;
        int h = 0, mi = 0, s = 0;
        std::sscanf(clock.c_str(), "%d:%d:%d", &h, &mi, &s);
        p.beginUt = DaysFromCivil(year, static_cast<unsigned>(MonthNumber(month)),
                                  static_cast<unsigned>(day)) *
                        86400 +
                    h * 3600 + mi * 60 + s;
        p.isdst = text[isdst + 6] == '1';
        p.offset = std::stol(text.substr(gmtoff + 7));
        out.push_back(p);
    }
    return out;
}

// Primary zones of the database's source ("Z name ...").
std::vector<std::string> Zones() {
    std::vector<std::string> zones;
    std::ifstream in("/usr/share/zoneinfo/tzdata.zi");
    std::string line;
    while (std::getline(in, line))
        if (line.rfind("Z ", 0) == 0) zones.push_back(line.substr(2, line.find(' ', 2) - 2));
    return zones;
}

TEST(SummerTime, EveryPeriodAgreesWithTheDatabasesMark) {
    const std::vector<std::string> zones = Zones();
    ASSERT_GT(zones.size(), 300u);
    int checked = 0;
    for (const std::string& zone : zones) {
        const std::vector<Period> periods = ZdumpPeriods(zone);
        for (std::size_t k = 0; k + 1 < periods.size(); ++k) {
            const Period& p = periods[k];
            // The nearest unmarked period, before this one, else after it.
            const Period* standard = nullptr;
            for (std::size_t j = k; j-- > 0 && !standard;)
                if (!periods[j].isdst) standard = &periods[j];
            for (std::size_t j = k + 1; j < periods.size() && !standard; ++j)
                if (!periods[j].isdst) standard = &periods[j];
            const bool expected = p.isdst && (!standard || p.offset >= standard->offset);
            const long long middle = p.beginUt + (periods[k + 1].beginUt - p.beginUt) / 2;
            const CivilTime local = CivilFromSeconds(middle + p.offset);
            if (local.year < 1900) continue;
            const ZoneTimeResult r = ResolveLocalTime(zone, local);
            ASSERT_TRUE(r.status == ZoneTimeStatus::Unique || r.status == ZoneTimeStatus::Ambiguous)
                << zone << " " << local.year << "-" << local.month << "-" << local.day;
            bool found = false;
            for (const ZoneReading& reading : r.readings) {
                if (reading.offsetSeconds != p.offset) continue;
                found = true;
                EXPECT_EQ(reading.summerTime, expected)
                    << zone << " " << local.year << "-" << local.month << "-" << local.day << " "
                    << reading.abbreviation;
            }
            EXPECT_TRUE(found) << zone << " " << local.year << "-" << local.month;
            ++checked;
        }
    }
    EXPECT_GT(checked, 5000);
}

}  // namespace
}  // namespace natalis
