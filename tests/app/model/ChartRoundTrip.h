// Reading, writing and reading again a chart file: what the record must keep. Shared by the
// reader and writer tests and by the chart reader's fuzz target.
#pragma once
#include <cstdio>
#include <sstream>
#include <string>
#include <vector>

#include "app/model/ChartFile.h"
#include "app/model/Cp1252.h"

namespace natalis {

// The chart data of a record, one "name=value" text each: what the writer writes and what
// the chart is computed and labelled from. The texts of the numeric fields are left out,
// since the writer normalises them ("8: 5.30W" is written back "8: 000.30W"), and so are
// the blank the name keeps after its label and the blanks that pad the place (a record
// that never held a place has none); a hemisphere is south or west only when it says so,
// as for the writer. Values are written exactly (hexadecimal floats).
inline std::vector<std::string> ChartDataOf(const NatalRecord& r) {
    const auto exact = [](float x) {
        char buf[40];
        std::snprintf(buf, sizeof buf, "%a", static_cast<double>(x + 0.0f));  // -0 as 0
        return std::string(buf);
    };
    return {"nombre=" + TrimBlanks(r.NatalName),
            "dia=" + std::to_string(r.NatalDay),
            "mes=" + std::to_string(r.NatalMonth),
            "año=" + std::to_string(r.NatalYear),
            "hora=" + exact(r.NatalHour),
            "huso=" + exact(r.ZoneHours),
            "latitud=" + exact(r.LatitudeDeg) + (r.LatHemisphere == "S" ? "S" : "N"),
            "longitud=" + exact(r.LongitudeDeg) + (r.LonHemisphere == "W" ? "W" : "E"),
            "lugar=" + TrimBlanks(r.Place)};
}

// Every field of a record as text, to compare whole records.
inline std::vector<std::string> RecordFields(const NatalRecord& r) {
    const auto f = [](float x) {
        char buf[40];
        std::snprintf(buf, sizeof buf, "%a", static_cast<double>(x));
        return std::string(buf);
    };
    return {r.NatalName,
            r.NatalNameFixed,
            r.DayText,
            r.MonthText,
            r.YearText,
            std::to_string(r.NatalDay),
            std::to_string(r.NatalMonth),
            std::to_string(r.NatalYear),
            r.FechaNatalTexto,
            r.HourText,
            r.MinuteText,
            r.SecondText,
            r.TimeText,
            f(r.NatalHour),
            r.ZoneHourText,
            r.ZoneMinuteText,
            r.ZoneText,
            r.ZoneSign,
            f(r.ZoneHours),
            r.LatDegText,
            r.LatMinText,
            r.LatHemisphere,
            r.LatText,
            f(r.LatitudeDeg),
            r.LonDegText,
            r.LonMinText,
            r.LonHemisphere,
            r.LonText,
            f(r.LongitudeDeg),
            r.Place,
            r.ZoneFrom.zone,
            std::to_string(r.ZoneFrom.offsetSeconds),
            r.ZoneFrom.abbreviation,
            std::to_string(r.ZoneFrom.summerTime) + std::to_string(r.ZoneFrom.localMeanTime),
            r.ZoneFrom.tzdataVersion};
}

struct RoundTrip {
    bool read = false;               // the bytes were accepted
    std::string problem;             // ChartRecordProblem of the record read, when it has one
    NatalRecord first, again;        // read from the bytes; read from what the writer wrote
    std::string written, rewritten;  // the writer's text from each
    bool readAgain = false;
};

// Reads bytes over before, writes the record, and reads that text again over a new record.
inline RoundTrip ReadWriteRead(const std::string& bytes, const NatalRecord& before = {}) {
    RoundTrip t;
    t.first = before;
    std::istringstream in(bytes);
    t.read = ReadChartStream(in, "x.dat", t.first).ok;
    if (!t.read) return t;
    t.problem = ChartRecordProblem(t.first).value_or("");
    t.written = ChartFileText(t.first, nullptr);
    std::istringstream back(Utf8ToCp1252(t.written).bytes);
    t.readAgain = ReadChartStream(back, "x.dat", t.again).ok;
    if (t.readAgain) t.rewritten = ChartFileText(t.again, nullptr);
    return t;
}

}  // namespace natalis
