// What the chart browser shows beside a chart file: the person's name, the birth date and
// the place, read from the file's data lines alone.
#pragma once
#include <string>

namespace natalis {

struct ChartHeader {
    bool ok = false;   // false: the chart reader refuses the file (shown marked)
    std::string name;  // trimmed of blanks; empty when the file has no name line
    int day = 0, month = 0, year = 0;
    std::string date;   // "5 3 1970", as FechaNatalTexto; empty without a year line
    std::string place;  // trimmed of blanks
    // A key that sorts by birth date, earliest first (years before the era included).
    long long DateKey() const { return (static_cast<long long>(year) * 100 + month) * 100 + day; }
};

// Reads the data lines of folder/fileName with the chart reader's rules (the notes are never
// read). A file the reader refuses gives ok false and nothing else.
ChartHeader ReadChartHeader(const std::string& folder, const std::string& fileName);

}  // namespace natalis
