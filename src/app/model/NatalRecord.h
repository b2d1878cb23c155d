// The natal record of the chart on display, and the flags that say where it came from.
#pragma once
#include <cstdint>
#include <string>

namespace natalis {

// Where the zone correction came from when the time-zone database gave it (the place's zone
// for the birth date and clock time). An empty zone means the correction was typed by hand,
// as in every file written before the program kept it.
struct ZoneSource {
    std::string zone;          // IANA name, "Europe/Madrid"
    long offsetSeconds = 0;    // the clock ahead of UT, to the second: ZoneHours = -offset/3600
    std::string abbreviation;  // "CEST", "LMT", "+0545"
    bool summerTime = false;
    bool localMeanTime = false;  // the place's own mean time (longitude / 15)
    std::string tzdataVersion;   // the database that gave it ("2024a"), "" when not known
    bool FromDatabase() const { return !zone.empty(); }
};

// DatosNatales. Texts are UTF-8 in memory; chart files hold them in Windows-1252.
struct NatalRecord {
    std::string NatalName;       // person's name (after a load it keeps the label's blank)
    std::string NatalNameFixed;  // the name cut or blank-padded to 30 characters
    std::string DayText, MonthText, YearText;
    int16_t NatalDay = 0, NatalMonth = 0, NatalYear = 0;
    std::string FechaNatalTexto;  // "5 3 1970", "5 3 -500"
    std::string HourText, MinuteText, SecondText;
    std::string TimeText;  // "09:07:30" after a load
    float NatalHour = 0;   // local clock time of birth, decimal hours
    std::string ZoneHourText, ZoneMinuteText;
    std::string ZoneText;  // magnitude "03.00"
    // "+" or "-" when the zone's sign was typed or stored explicitly ("+" ahead of universal
    // time, east); empty when the sign follows the longitude's hemisphere.
    std::string ZoneSign;
    float ZoneHours = 0;  // universal time = NatalHour + ZoneHours (positive west)
    ZoneSource ZoneFrom;  // the database's reading behind ZoneHours, or typed by hand
    std::string LatDegText, LatMinText, LatHemisphere, LatText;
    float LatitudeDeg = 0;  // north positive
    std::string LonDegText, LonMinText, LonHemisphere, LonText;
    float LongitudeDeg = 0;  // east positive
    std::string Place;       // 30 characters, blank-padded
};

struct ChartFlags {
    bool ChartLoaded = false;    // a chart is in the natal record
    bool NewChart = false;       // made with the entry form, no file yet
    bool NotesModified = false;  // the notes window's text changed since loading
    bool NewChartSaved = false;  // the NewChart on display was written with "Guardar"
    std::string ProgramFolder;   // folder of the chart files, with a trailing separator
    std::string ChartFileName;   // file last chosen in the list, without folder
};

}  // namespace natalis
