// The chart reader: each line is a field by its leading number, not by its position.
#include <sys/stat.h>

#include <cctype>
#include <cerrno>
#include <cmath>
#include <exception>
#include <fstream>
#include <optional>

#include "app/model/ChartFile.h"
#include "app/model/Cp1252.h"
#include "app/model/ZoneSourceLine.h"
#include "astro/DateTimeParse.h"
#include "astro/NumberText.h"

namespace natalis {

const char kChartReadErrorTitle[] = "Error en Archivo";

std::string ChartReadErrorMessage(const std::string& fileName) {
    return "Hay error en los datos de " + fileName + "\n" +
           "Utilice el block de notas para corregir los datos natales, " + "\n" +
           "o borre el archivo con el explorador de Windows.  ";
}

std::string ChartReadReport(const ChartReadResult& r) {
    if (r.ok) return "";
    std::string reason = r.reason;
    if (r.line > 0) {
        reason = "Renglón " + std::to_string(r.line) + ": " + reason;
    } else if (!reason.empty()) {
        reason[0] = static_cast<char>(std::toupper(static_cast<unsigned char>(reason[0])));
    }
    return reason.empty() ? r.message : r.message + "\n" + reason + ".";
}

namespace {

// Field numbers of the layout (the leading number of each data line).
enum Field { kName = 1, kDay, kMonth, kYear, kTime, kZone, kLat, kLon, kPlace };

enum class LineRead { Line, End, TooLong };

// Next line without its end; CR LF, LF and a lone CR all end a line.
LineRead NextLine(std::streambuf& in, std::string& line) {
    using Traits = std::streambuf::traits_type;
    line.clear();
    int c = in.sbumpc();
    if (c == Traits::eof()) return LineRead::End;
    for (; c != Traits::eof(); c = in.sbumpc()) {
        if (c == '\n') break;
        if (c == '\r') {
            if (in.sgetc() == '\n') in.sbumpc();
            break;
        }
        if (line.size() == kMaxChartLineBytes) return LineRead::TooLong;
        line.push_back(static_cast<char>(c));
    }
    return LineRead::Line;
}

// Control characters other than the tab mean the file is not a text file.
bool HasControlBytes(const std::string& line) {
    for (char ch : line) {
        const auto b = static_cast<unsigned char>(ch);
        if ((b < 0x20 && b != '\t') || b == 0x7F) return true;
    }
    return false;
}

// count characters of s from position from (0-based); fewer, or none, past the end.
std::string Chars(const std::string& s, std::size_t from, std::size_t count) {
    return from >= s.size() ? std::string() : s.substr(from, count);
}

double Lead(const std::string& s) { return ValLeading(s); }

// The checks of the values a chart may hold, in the order of the entry form's checks. Each
// value is read from the record as the reader leaves it: the day, month and year as the
// whole numbers the chart uses, every other part as the leading number of its text. The
// ranges are those of the entry form and the date parser; the zone minutes, which the form
// leaves unchecked, are minutes of an hour like every other minutes field, so that the
// writer never has to carry them into the hours. Time, zone and coordinate parts must be
// whole numbers: the layout has no place for a fraction of a second or of a minute.
struct RangeCheck {
    Field field;
    double (*value)(const NatalRecord&);
    double lowest, highest;  // both allowed
    const char* outOfRange;  // the reason, "%" standing for the value read
    const char* missing;     // the reason when no line of the file set the value
    // The highest allowed when the zone came from the time-zone database (0: as highest):
    // the database has zones up to 14 hours ahead (Kiribati, Samoa).
    double highestFromDatabase = 0;
};

const RangeCheck kRangeChecks[] = {
    {kDay, [](const NatalRecord& r) -> double { return r.NatalDay; }, 1, 31,
     "el día % no es correcto: los días son de 1 a 31", "falta el renglón del día (2:)"},
    {kMonth, [](const NatalRecord& r) -> double { return r.NatalMonth; }, 1, 12,
     "el mes % no es correcto: los meses son de 1 a 12", "falta el renglón del mes (3;)"},
    {kYear, [](const NatalRecord& r) -> double { return r.NatalYear; }, -3000, 3000,
     "el año % está fuera del rango del programa, de -3000 a 3000",
     "falta el renglón del año (4:)"},
    {kTime, [](const NatalRecord& r) { return Lead(r.HourText); }, 0, 23,
     "la hora % no es correcta: las horas son de 0 a 23", "falta el renglón de la hora (5:)"},
    {kTime, [](const NatalRecord& r) { return Lead(r.MinuteText); }, 0, 59,
     "los minutos % de la hora no son correctos: son de 0 a 59",
     "falta el renglón de la hora (5:)"},
    {kTime, [](const NatalRecord& r) { return Lead(r.SecondText); }, 0, 59,
     "los segundos % de la hora no son correctos: son de 0 a 59",
     "falta el renglón de la hora (5:)"},
    {kZone, [](const NatalRecord& r) { return Lead(r.ZoneHourText); }, 0, 12,
     "el huso de % horas no es correcto: la mayor diferencia horaria es de 12 horas",
     "falta el renglón del huso (6:)", 14},
    {kZone, [](const NatalRecord& r) { return Lead(r.ZoneMinuteText); }, 0, 59,
     "los minutos % del huso no son correctos: son de 0 a 59", "falta el renglón del huso (6:)"},
    {kLat, [](const NatalRecord& r) { return Lead(r.LatDegText); }, 0, 89,
     "la latitud de % grados no es correcta: es de 0 a 89", "falta el renglón de la latitud (7:)"},
    {kLat, [](const NatalRecord& r) { return Lead(r.LatMinText); }, 0, 59,
     "los minutos % de la latitud no son correctos: son de 0 a 59",
     "falta el renglón de la latitud (7:)"},
    {kLon, [](const NatalRecord& r) { return Lead(r.LonDegText); }, 0, 179,
     "la longitud de % grados no es correcta: es de 0 a 179",
     "falta el renglón de la longitud (8:)"},
    {kLon, [](const NatalRecord& r) { return Lead(r.LonMinText); }, 0, 59,
     "los minutos % de la longitud no son correctos: son de 0 a 59",
     "falta el renglón de la longitud (8:)"},
};

// The check's reason for the value v.
std::string OutOfRange(const RangeCheck& c, double v) {
    std::string reason = c.outOfRange;
    reason.replace(reason.find('%'), 1, FormatGeneral(v));
    if (v == std::floor(v) || !(v >= c.lowest && v <= c.highest)) return reason;
    return reason + ", sin decimales";
}

const RangeCheck& FirstCheckOf(Field field) {
    for (const RangeCheck& c : kRangeChecks)
        if (c.field == field) return c;
    return kRangeChecks[0];
}

// A day, month or year: the leading number of rest, as text and as a 16-bit integer
// rounded halves to even. False, with the value read in v, when it does not fit.
bool ReadWhole(const std::string& rest, std::string& text, int16_t& value, double& v) {
    v = Lead(rest);
    if (!(v >= -32768.5 && v < 32767.5)) return false;
    if (v == 0) v = 0;  // no "-0"
    value = static_cast<int16_t>(CIntEven(v));
    text = FormatGeneral(v);
    return true;
}

// The width characters before the first "." of s and the two after it, as the layout
// stores degrees or hours and minutes. False when s has no point or too few characters
// before it.
bool SplitAtPoint(const std::string& s, std::size_t width, std::string& before, std::string& after,
                  std::size_t& point) {
    point = s.find('.');
    if (point == std::string::npos || point < width) return false;
    before = s.substr(point - width, width);
    after = Chars(s, point + 1, 2);
    return true;
}

bool ReadTime(const std::string& rest, NatalRecord& r) {
    std::string h, m;
    std::size_t p = 0;
    if (!SplitAtPoint(rest, 2, h, m, p)) return false;
    const std::string s = Chars(rest, p + 3, 2);
    r.NatalHour = static_cast<float>(Lead(h) + Lead(m) / 60 + Lead(s) / 3600);
    r.HourText = Cp1252ToUtf8(h);
    r.MinuteText = Cp1252ToUtf8(m);
    r.SecondText = Cp1252ToUtf8(s);
    r.TimeText = r.HourText + ":" + r.MinuteText + ":" + r.SecondText;
    return true;
}

// The zone's magnitude, and its sign when one is written before the hours ("+" ahead of
// universal time, so a negative correction). Without a sign the longitude line decides.
bool ReadZone(const std::string& rest, NatalRecord& r) {
    std::string h, m;
    std::size_t p = 0;
    if (!SplitAtPoint(rest, 2, h, m, p)) return false;
    const std::size_t first = rest.find_first_not_of(' ');
    const char sign = rest[first];  // exists: the point is in rest
    double hours = Lead(h);
    r.ZoneSign.clear();
    r.ZoneFrom = ZoneSource{};  // until the source line after the place line says otherwise
    if (sign == '+' || sign == '-') {
        r.ZoneSign = std::string(1, sign);
        std::string digits;
        for (char c : h)
            if (c != '+' && c != '-' && c != ' ') digits += c;
        h = digits;
        hours = std::fabs(Lead(h));
    }
    const double magnitude = hours + Lead(m) / 60;
    r.ZoneHours = static_cast<float>(sign == '+' ? -magnitude : magnitude);
    r.ZoneHourText = Cp1252ToUtf8(h);
    r.ZoneMinuteText = Cp1252ToUtf8(m);
    r.ZoneText = r.ZoneHourText + "." + r.ZoneMinuteText;
    return true;
}

bool ReadLatitude(const std::string& line, NatalRecord& r) {
    std::string d, m;
    std::size_t p = 0;
    if (!SplitAtPoint(line, 2, d, m, p)) return false;
    const bool south = line.find('S') != std::string::npos;
    const double deg = Lead(d) + Lead(m) / 60;
    r.LatDegText = Cp1252ToUtf8(d);
    r.LatMinText = Cp1252ToUtf8(m);
    r.LatHemisphere = south ? "S" : "N";
    r.LatitudeDeg = static_cast<float>(south ? -deg : deg);
    r.LatText = r.LatDegText + "." + r.LatMinText + r.LatHemisphere;
    return true;
}

// Also turns the zone east when the longitude is east and the zone carries no sign.
bool ReadLongitude(const std::string& line, NatalRecord& r) {
    std::string d, m;
    std::size_t p = 0;
    if (!SplitAtPoint(line, 3, d, m, p)) return false;
    const bool west = line.find('W') != std::string::npos;
    const double deg = Lead(d) + Lead(m) / 60;
    r.LonDegText = Cp1252ToUtf8(d);
    r.LonMinText = Cp1252ToUtf8(m);
    r.LonHemisphere = west ? "W" : "E";
    r.LongitudeDeg = static_cast<float>(west ? -deg : deg);
    r.LonText = r.LonDegText + "." + r.LonMinText + r.LonHemisphere;
    if (r.LongitudeDeg > 0 && r.ZoneSign.empty()) r.ZoneHours = -r.ZoneHours;
    return true;
}

enum class FieldRead { Continue, Stop, Error };

// The record's date as the date parser reads it: "d m y".
std::string FechaDe(const NatalRecord& r) {
    return std::to_string(r.NatalDay) + " " + std::to_string(r.NatalMonth) + " " +
           std::to_string(r.NatalYear);
}

// One field line: t is the line trimmed of blanks, number its leading number (1 to 9). On
// an error why says what is wrong with the line.
FieldRead ReadField(int number, const std::string& t, NatalRecord& r, std::string& why) {
    const std::string rest = Chars(t, 2, std::string::npos);
    const auto whole = [&](std::string& text, int16_t& value) {
        double v = 0;
        if (ReadWhole(rest, text, value, v)) return true;
        why = OutOfRange(FirstCheckOf(static_cast<Field>(number)), v);
        return false;
    };
    const auto layout = [&](bool read, const char* how) {
        if (!read) why = how;
        return read ? FieldRead::Continue : FieldRead::Error;
    };
    switch (number) {
        case kName:
            r.NatalName = Cp1252ToUtf8(rest);
            r.NatalNameFixed = Utf8CutOrPad(r.NatalName, 30);
            return FieldRead::Continue;
        case kDay:
            return whole(r.DayText, r.NatalDay) ? FieldRead::Continue : FieldRead::Error;
        case kMonth:
            return whole(r.MonthText, r.NatalMonth) ? FieldRead::Continue : FieldRead::Error;
        case kYear:
            return whole(r.YearText, r.NatalYear) ? FieldRead::Continue : FieldRead::Error;
        case kTime:
            return layout(ReadTime(rest, r),
                          "la hora debe escribirse con dos cifras antes del punto, como en "
                          "5: 09.0730");
        case kZone:
            return layout(ReadZone(rest, r),
                          "el huso debe escribirse con dos cifras antes del punto, como en "
                          "6: 03.00");
        case kLat:
            return layout(ReadLatitude(t, r),
                          "la latitud debe escribirse con dos cifras antes del punto, como en "
                          "7: 34.36S");
        case kLon:
            return layout(ReadLongitude(t, r),
                          "la longitud debe escribirse con tres cifras antes del punto, como en "
                          "8: 058.27W");
        default:  // kPlace
            r.Place = Utf8CutOrPad(TrimBlanks(Cp1252ToUtf8(rest)), 30);
            return FieldRead::Stop;
    }
}

// The first value of the record read that a chart may not hold, with the file line that
// set it (lineOf, by field number; 0 when no line did).
std::optional<ChartReadResult> RangeFault(const NatalRecord& r, const int (&lineOf)[10]) {
    for (const RangeCheck& c : kRangeChecks) {
        const double v = c.value(r);
        const double highest = r.ZoneFrom.FromDatabase() && c.highestFromDatabase > 0
                                   ? c.highestFromDatabase
                                   : c.highest;
        if (v >= c.lowest && v <= highest && v == std::floor(v)) continue;
        const int line = lineOf[c.field];
        ChartReadResult fault;
        fault.line = line;
        fault.reason = line > 0 ? OutOfRange(c, v) : c.missing;
        return fault;
    }
    // A day its month does not have would be read as a day of the next month: the date
    // must pass the date parser that typed dates pass, and its message says why not.
    std::string fecha = FechaDe(r), serr;
    double d = 0, m = 0, a = 0;
    stringFecha_a_dma(fecha, d, m, a, serr);
    if (!serr.empty()) {
        ChartReadResult fault;
        fault.line = lineOf[kDay];
        fault.reason = TrimBlanks(serr);
        if (!fault.reason.empty() && fault.reason.back() == '.') fault.reason.pop_back();
        return fault;
    }
    const std::size_t maxName = kMaxChartLineBytes - 3;
    if (Utf8Length(TrimBlanks(r.NatalName)) > maxName) {
        ChartReadResult fault;
        fault.line = lineOf[kName];
        fault.reason = "el nombre tiene más de " + std::to_string(maxName) + " caracteres";
        return fault;
    }
    return std::nullopt;
}

// The line right after the place line, when it keeps where the zone came from and agrees
// with the zone line: the offset to the second replaces the zone line's minutes. Whatever
// else that line holds is notes, which the reader does not judge.
void ReadZoneSource(std::streambuf& in, NatalRecord& r) {
    std::string line;
    try {
        if (NextLine(in, line) != LineRead::Line) return;
    } catch (const std::exception&) {
        return;
    }
    const std::optional<ZoneSource> source = ReadZoneSourceLine(Cp1252ToUtf8(line));
    if (!source || !ZoneSourceMatches(*source, r.ZoneHours)) return;
    r.ZoneFrom = *source;
    r.ZoneHours = static_cast<float>(-source->offsetSeconds / 3600.0);
}

}  // namespace

ChartReadResult ChartReadRefused(const std::string& fileName, int line, const std::string& reason) {
    ChartReadResult r;
    r.message = ChartReadErrorMessage(fileName);
    r.title = kChartReadErrorTitle;
    r.line = line;
    r.reason = reason;
    return r;
}

ChartReadResult ReadChartStream(std::istream& in, const std::string& fileName, NatalRecord& rec) {
    std::streambuf* buffer = in.rdbuf();
    if (!in || buffer == nullptr)
        return ChartReadRefused(fileName, 0, "no se pudo abrir el archivo");

    NatalRecord r = rec;
    int lineOf[10] = {};  // the file line that last set each field
    bool anyField = false;
    std::string line, why;
    for (int lineNumber = 1;; ++lineNumber) {
        LineRead got = LineRead::End;
        try {
            got = NextLine(*buffer, line);
        } catch (const std::exception&) {  // a read error of the file buffer
            return ChartReadRefused(fileName, 0, "no se pudo leer el archivo");
        }
        if (got == LineRead::End) break;
        if (got == LineRead::TooLong) {
            return ChartReadRefused(
                fileName, lineNumber,
                "tiene más de " + std::to_string(kMaxChartLineBytes) + " caracteres");
        }
        if (HasControlBytes(line)) {
            return ChartReadRefused(
                fileName, lineNumber,
                "tiene caracteres de control, que un archivo de texto no lleva");
        }
        if (ValLeading(line) == 0) continue;
        const std::string t = TrimBlanks(line);
        const double number = ValLeading(t);
        if (!(number >= 1 && number <= 9 && number == std::floor(number))) continue;
        anyField = true;
        const int field = static_cast<int>(number);
        lineOf[field] = lineNumber;
        const FieldRead read = ReadField(field, t, r, why);
        if (read == FieldRead::Error) return ChartReadRefused(fileName, lineNumber, why);
        if (read == FieldRead::Stop) {
            ReadZoneSource(*buffer, r);
            break;
        }
    }
    if (!anyField)
        return ChartReadRefused(fileName, 0, "no tiene ningún renglón de datos natales (1: a 9:)");
    if (auto fault = RangeFault(r, lineOf))
        return ChartReadRefused(fileName, fault->line, fault->reason);
    r.FechaNatalTexto = FechaDe(r);  // once all three lines are read, in whatever order
    rec = std::move(r);
    ChartReadResult read;
    read.ok = true;
    return read;
}

ChartReadResult ReadChartFile(const std::string& folder, const std::string& fileName,
                              NatalRecord& rec) {
    return ReadChartFileWith(folder, fileName, rec, ReadChartStream);
}

ChartReadResult ReadChartFileWith(const std::string& folder, const std::string& fileName,
                                  NatalRecord& rec, ChartStreamReader read) {
    const std::string path = JoinPath(folder, fileName);
    struct stat st;
    if (::stat(path.c_str(), &st) != 0) {
        return ChartReadRefused(
            fileName, 0, errno == ENOENT ? "el archivo no existe" : "no se pudo abrir el archivo");
    }
    if (S_ISDIR(st.st_mode)) return ChartReadRefused(fileName, 0, "es una carpeta, no un archivo");
    if (!S_ISREG(st.st_mode)) return ChartReadRefused(fileName, 0, "no es un archivo común");
    std::ifstream in(path, std::ios::binary);
    return read(in, fileName, rec);
}

}  // namespace natalis
