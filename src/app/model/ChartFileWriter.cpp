// The chart writer: the file's text from the natal record, and new files put on disk whole.
#include <cmath>
#include <cstdlib>
#include <initializer_list>
#include <sstream>
#include <utility>

#include "app/model/ChartFile.h"
#include "app/model/ChartFormats.h"
#include "app/model/Cp1252.h"
#include "app/model/Notas.h"
#include "app/model/ZoneSourceLine.h"
#include "astro/NumberText.h"

namespace natalis {

namespace {

const char* const kHeader[] = {
    " No cambiar el orden de los datos natales. El orden por renglon es : 1-Nombre",
    " 2-dia  3-mes  4-año  5-hora local  6-huso  7-latitud  8-longitud  9-lugar(opcional).",
    " ",
    "_____________________________________________ Inicio datos natales",
    "",
};
const char* const kFooter[] = {
    "_____________________________________________ Fin datos natales", "", " ", "NOTAS:", " ",
};
const char kCrLf[] = "\r\n";

// Longest file name we create, leaving room for the temporary file's name.
constexpr std::size_t kMaxFileNameBytes = 250;

// The numeric fields as the layout stores them: whole seconds of the birth time and whole
// minutes of zone, latitude and longitude, worked out from the texts so that a text typed
// with a point ("3.5") or minutes of 60 or more are carried into the right places.
struct Fields {
    long timeSeconds, zoneMinutes, latMinutes, lonMinutes;
    bool south, west;
    bool zoneSigned;  // the zone line carries a sign
    char zoneSign;    // '+' ahead of universal time, '-' behind it
};

// The record's texts were read into its values either by the entry form (Val: blanks
// anywhere are skipped) or by the chart reader (the leading number: a blank ends it); the
// two readings differ only for a blank inside a number ("0 5" is 5 to the form, 0 to the
// reader). Of the two, the one that gives the value the chart was computed with is taken,
// so that the file reads back as the chart on display; the form's when they tie.
// parts: each text with its units (3600 for hours, 60 for minutes ...); value in the same
// units as the result.
double ReadingOfValue(std::initializer_list<std::pair<const std::string&, double>> parts,
                      double value) {
    double byForm = 0, byReader = 0;
    for (const auto& [text, units] : parts) {
        byForm += Val(text) * units;
        byReader += ValLeading(text) * units;
    }
    return std::fabs(std::fabs(byReader) - value) < std::fabs(std::fabs(byForm) - value) ? byReader
                                                                                         : byForm;
}

// Whole minutes of degrees (or hours) and minutes whose value is valueDeg.
long Minutes(const std::string& units, const std::string& minutes, double valueDeg) {
    return CIntEven(ReadingOfValue({{units, 60.0}, {minutes, 1.0}}, std::fabs(valueDeg) * 60));
}

Fields LayoutFields(const NatalRecord& r) {
    Fields f{};
    f.timeSeconds = CIntEven(ReadingOfValue(
        {{r.HourText, 3600.0}, {r.MinuteText, 60.0}, {r.SecondText, 1.0}}, r.NatalHour * 3600.0));
    f.zoneMinutes = std::labs(Minutes(r.ZoneHourText, r.ZoneMinuteText, r.ZoneHours));
    f.latMinutes = Minutes(r.LatDegText, r.LatMinText, r.LatitudeDeg);
    f.lonMinutes = Minutes(r.LonDegText, r.LonMinText, r.LongitudeDeg);
    f.south = r.LatHemisphere == "S";
    f.west = r.LonHemisphere == "W";

    // The reader makes an unsigned zone east (negative) when the longitude is east of 0.
    // The sign is written when it was given explicitly, and whenever that rule would turn
    // the zone the chart was computed with the wrong way (a zone east of a meridian at 0°).
    const bool readAsEast = f.lonMinutes > 0 && !f.west;
    const bool zoneEast = r.ZoneHours < 0;
    const bool wrongWay = f.zoneMinutes > 0 && r.ZoneHours != 0 && zoneEast != readAsEast;
    f.zoneSigned = !r.ZoneSign.empty() || wrongWay;
    if (r.ZoneHours != 0)
        f.zoneSign = zoneEast ? '+' : '-';
    else
        f.zoneSign = r.ZoneSign == "-" ? '-' : '+';
    return f;
}

// hh.mm (or hhh.mm) for whole minutes.
std::string UnitsAndMinutes(long minutes, int width) {
    return ZeroPad(minutes / 60, width) + "." + ZeroPad(minutes % 60, 2);
}

// Notes with every line end made CR LF, followed by one more line end.
std::string NotesBlock(const std::string& notes) {
    std::string out;
    for (std::size_t i = 0; i < notes.size(); ++i) {
        const char c = notes[i];
        if (c == '\r' || c == '\n') {
            out += kCrLf;
            if (c == '\r' && i + 1 < notes.size() && notes[i + 1] == '\n') ++i;
        } else {
            out += c;
        }
    }
    return out + kCrLf;
}

}  // namespace

std::string ChartFileText(const NatalRecord& r, const std::string* notes) {
    const Fields f = LayoutFields(r);
    const long s = f.timeSeconds;
    const std::string zoneSign = f.zoneSigned ? std::string(1, f.zoneSign) : "";
    const std::string lines[] = {
        "1: " + TrimBlanks(r.NatalName),
        "2: " + std::to_string(r.NatalDay),
        "3; " + std::to_string(r.NatalMonth),
        "4: " + std::to_string(r.NatalYear),
        "5: " + ZeroPad(s / 3600, 2) + "." + ZeroPad(s / 60 % 60, 2) + ZeroPad(s % 60, 2),
        "6: " + zoneSign + UnitsAndMinutes(f.zoneMinutes, 2),
        "7: " + UnitsAndMinutes(f.latMinutes, 2) + (f.south ? "S" : "N"),
        "8: " + UnitsAndMinutes(f.lonMinutes, 3) + (f.west ? "W" : "E"),
        "9: " + Utf8CutOrPad(r.Place, 30),
    };
    std::string text;
    for (const char* line : kHeader) text += std::string(line) + kCrLf;
    for (const std::string& line : lines) text += line + kCrLf;
    if (r.ZoneFrom.FromDatabase()) text += ZoneSourceLine(r.ZoneFrom) + kCrLf;
    for (const char* line : kFooter) text += std::string(line) + kCrLf;
    if (notes != nullptr) text += NotesBlock(*notes);
    return text;
}

std::optional<std::string> ChartRecordProblem(const NatalRecord& r) {
    const Fields f = LayoutFields(r);
    const std::size_t maxName = kMaxChartLineBytes - 3;
    if (HasControlCharacters(r.NatalName, true))
        return std::string("El nombre no puede contener saltos de línea ni caracteres de control.");
    if (Utf8Length(TrimBlanks(r.NatalName)) > maxName)
        return "El nombre no puede tener más de " + std::to_string(maxName) + " caracteres.";
    if (HasControlCharacters(r.Place, true))
        return std::string("El lugar no puede contener saltos de línea ni caracteres de control.");
    if (f.timeSeconds < 0 || f.timeSeconds / 3600 > 99)
        return "La hora " + r.HourText + " " + r.MinuteText + " " + r.SecondText +
               " no se puede guardar en el archivo.";
    if (f.zoneMinutes / 60 > 99)
        return "El huso " + r.ZoneHourText + " " + r.ZoneMinuteText +
               " no se puede guardar en el archivo.";
    if (f.latMinutes < 0 || f.latMinutes / 60 > 99)
        return "La latitud " + r.LatDegText + " " + r.LatMinText +
               " no se puede guardar en el archivo.";
    if (f.lonMinutes < 0 || f.lonMinutes / 60 > 999)
        return "La longitud " + r.LonDegText + " " + r.LonMinText +
               " no se puede guardar en el archivo.";
    // Whatever else the reader would refuse (a year beyond the program's range, a zone
    // that carried into 13 hours) cannot be saved either: the file could not be loaded.
    std::istringstream written(Utf8ToCp1252(ChartFileText(r, nullptr)).bytes);
    NatalRecord back;
    const ChartReadResult read = ReadChartStream(written, "", back);
    if (!read.ok) return "Estos datos no se pueden guardar en el archivo: " + read.reason + ".";
    return std::nullopt;
}

std::string ChartFileNameFor(const std::string& typedName) {
    return TrimBlanks(typedName) + NativeChartFormat().extension;
}

std::optional<std::string> ChartFileNameProblem(const std::string& fileName) {
    const std::string extension = NativeChartFormat().extension;
    const bool hasExtension =
        fileName.size() >= extension.size() &&
        fileName.compare(fileName.size() - extension.size(), extension.size(), extension) == 0;
    const std::string stem =
        hasExtension ? fileName.substr(0, fileName.size() - extension.size()) : fileName;
    if (TrimBlanks(stem).empty()) return std::string("Falta el nombre del archivo.");
    if (fileName == "." || fileName == "..")
        return "«" + fileName + "» no sirve como nombre de archivo.";
    if (fileName.find('/') != std::string::npos)
        return std::string("El nombre del archivo no puede contener «/».");
    if (HasControlCharacters(fileName))
        return std::string("El nombre del archivo no puede contener caracteres de control.");
    if (fileName.size() > kMaxFileNameBytes)
        return std::string("El nombre del archivo es demasiado largo.");
    return std::nullopt;
}

bool ChartFileExists(const std::string& folder, const std::string& fileName) {
    return PathExists(folder, fileName);
}

std::string UnstorableQuestion(const std::vector<std::string>& characters) {
    std::string list;
    for (const std::string& c : characters) list += (list.empty() ? "«" : ", «") + c + "»";
    return "Estos caracteres no se pueden guardar en el archivo: " + list +
           ".\n¿Guardar de todos modos, con «?» en su lugar?";
}

WriteResult WriteNewChartFile(const std::string& folder, const std::string& fileName,
                              const std::string& text, const WriteOptions& options) {
    WriteResult result;
    if (auto problem = ChartFileNameProblem(fileName)) {
        result.status = WriteStatus::InvalidName;
        result.message = *problem;
        return result;
    }
    if (!options.replaceExisting && ChartFileExists(folder, fileName)) {
        result.status = WriteStatus::AlreadyExists;
        result.message = "Ya existe el archivo «" + fileName + "».";
        return result;
    }
    Cp1252Text encoded = Utf8ToCp1252(text);
    result.unstorable = encoded.unstorable;
    if (!encoded.unstorable.empty() && !options.acceptUnstorable) {
        result.status = WriteStatus::Unstorable;
        result.message = UnstorableQuestion(encoded.unstorable);
        return result;
    }
    // The new data, with the notes of the file it replaces when asked, as the file is at
    // the moment of writing; a file that was not there when the user was asked is never
    // replaced.
    const auto change = [&](const CurrentFile& now) -> Rewrite {
        std::string bytes = encoded.bytes;
        if (options.keepNotes && now.exists) {
            if (const std::optional<std::string> notes = NotasDelArchivo(now.bytes)) {
                bytes += *notes;
            }
        }
        return {true, std::move(bytes), ""};
    };
    const FileWriteResult written =
        RewriteFileSafely(folder, fileName, kTagCarta, change,
                          options.replaceExisting ? RewriteMode::Replace : RewriteMode::CreateNew);
    if (!written.ok && !options.replaceExisting && ChartFileExists(folder, fileName)) {
        result.status = WriteStatus::AlreadyExists;
        result.message = written.message;
        return result;
    }
    result.status = written.ok ? WriteStatus::Written : WriteStatus::Failed;
    result.message = written.message;
    return result;
}

}  // namespace natalis
