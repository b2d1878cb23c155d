// The chart reader: each line is a field by its leading number, not by its position.
#include <sys/stat.h>

#include <cmath>
#include <exception>
#include <fstream>

#include "app/model/ChartFile.h"
#include "app/model/Cp1252.h"
#include "astro/NumberText.h"

namespace natalis {

const char kChartReadErrorTitle[] = "Error en Archivo";

std::string ChartReadErrorMessage(const std::string& fileName) {
    return "Hay error en los datos de " + fileName + "\n" +
           "Utilice el block de notas para corregir los datos natales, " + "\n" +
           "o borre el archivo con el explorador de Windows.  ";
}

namespace {

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

// A day, month or year: the leading number of rest, as text and as a 16-bit integer
// rounded halves to even. False when it does not fit.
bool ReadWhole(const std::string& rest, std::string& text, int16_t& value) {
    double v = Lead(rest);
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

// One field line: t is the line trimmed of blanks, number its leading number (1 to 9).
FieldRead ReadField(int number, const std::string& t, NatalRecord& r) {
    const std::string rest = Chars(t, 2, std::string::npos);
    switch (number) {
        case 1:
            r.NatalName = Cp1252ToUtf8(rest);
            r.NatalNameFixed = Utf8CutOrPad(r.NatalName, 30);
            return FieldRead::Continue;
        case 2:
            return ReadWhole(rest, r.DayText, r.NatalDay) ? FieldRead::Continue : FieldRead::Error;
        case 3:
            return ReadWhole(rest, r.MonthText, r.NatalMonth) ? FieldRead::Continue
                                                              : FieldRead::Error;
        case 4:
            if (!ReadWhole(rest, r.YearText, r.NatalYear)) return FieldRead::Error;
            r.FechaNatalTexto = std::to_string(r.NatalDay) + " " + std::to_string(r.NatalMonth) +
                                " " + std::to_string(r.NatalYear);
            return FieldRead::Continue;
        case 5:
            return ReadTime(rest, r) ? FieldRead::Continue : FieldRead::Error;
        case 6:
            return ReadZone(rest, r) ? FieldRead::Continue : FieldRead::Error;
        case 7:
            return ReadLatitude(t, r) ? FieldRead::Continue : FieldRead::Error;
        case 8:
            return ReadLongitude(t, r) ? FieldRead::Continue : FieldRead::Error;
        default:  // 9
            r.Place = Utf8CutOrPad(TrimBlanks(Cp1252ToUtf8(rest)), 30);
            return FieldRead::Stop;
    }
}

}  // namespace

ChartReadResult ReadChartStream(std::istream& in, const std::string& fileName, NatalRecord& rec) {
    const ChartReadResult failure{false, ChartReadErrorMessage(fileName), kChartReadErrorTitle};
    std::streambuf* buffer = in.rdbuf();
    if (!in || buffer == nullptr) return failure;

    NatalRecord r = rec;
    bool anyField = false;
    std::string line;
    for (;;) {
        LineRead got = LineRead::End;
        try {
            got = NextLine(*buffer, line);
        } catch (const std::exception&) {  // a read error of the file buffer
            return failure;
        }
        if (got == LineRead::End) break;
        if (got == LineRead::TooLong || HasControlBytes(line)) return failure;
        if (ValLeading(line) == 0) continue;
        const std::string t = TrimBlanks(line);
        const double number = ValLeading(t);
        if (!(number >= 1 && number <= 9 && number == std::floor(number))) continue;
        anyField = true;
        const FieldRead field = ReadField(static_cast<int>(number), t, r);
        if (field == FieldRead::Error) return failure;
        if (field == FieldRead::Stop) break;
    }
    if (!anyField) return failure;
    rec = std::move(r);
    return ChartReadResult{true, "", ""};
}

ChartReadResult ReadChartFile(const std::string& folder, const std::string& fileName,
                              NatalRecord& rec) {
    const std::string path = JoinPath(folder, fileName);
    struct stat st;
    if (::stat(path.c_str(), &st) != 0 || !S_ISREG(st.st_mode))
        return ChartReadResult{false, ChartReadErrorMessage(fileName), kChartReadErrorTitle};
    std::ifstream in(path, std::ios::binary);
    return ReadChartStream(in, fileName, rec);
}

}  // namespace natalis
