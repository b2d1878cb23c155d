// The user's own places file: reading, checking and adding a place.
#include "app/model/UserPlaces.h"

#include <charconv>
#include <cmath>
#include <optional>

#include "app/model/Cp1252.h"
#include "app/model/FileBytes.h"
#include "app/model/SafeFileWrite.h"
#include "app/model/SearchText.h"
#include "astro/TimeZoneHistory.h"

namespace natalis {

namespace {

constexpr const char* kHeader =
    "# Lugares propios de Natalis: uno por renglón, seis campos separados por tabuladores:\n"
    "# nombre, región, país, latitud, longitud y zona horaria. Latitud y longitud en grados\n"
    "# con decimales, norte y este positivos; zona con su nombre IANA, como Europe/Madrid.\n"
    "# Los renglones que empiezan con # no son lugares.\n";

// One line of the file with its line end kept apart.
struct Line {
    std::string_view text;  // without the line end
    std::string_view end;   // "\n", "\r\n" or "" for a last line without one
};

std::vector<Line> SplitLines(std::string_view bytes) {
    std::vector<Line> lines;
    std::size_t at = 0;
    while (at < bytes.size()) {
        const std::size_t nl = bytes.find('\n', at);
        if (nl == std::string_view::npos) {
            lines.push_back({bytes.substr(at), ""});
            break;
        }
        std::size_t textEnd = nl;
        if (textEnd > at && bytes[textEnd - 1] == '\r') --textEnd;
        lines.push_back({bytes.substr(at, textEnd - at), bytes.substr(textEnd, nl + 1 - textEnd)});
        at = nl + 1;
    }
    return lines;
}

std::vector<std::string_view> SplitTabs(std::string_view s) {
    std::vector<std::string_view> fields;
    std::size_t at = 0;
    for (;;) {
        const std::size_t tab = s.find('\t', at);
        fields.push_back(
            s.substr(at, tab == std::string_view::npos ? std::string_view::npos : tab - at));
        if (tab == std::string_view::npos) break;
        at = tab + 1;
    }
    return fields;
}

// True when every sequence is well formed (lead byte, count of continuation bytes).
bool IsValidUtf8(std::string_view s) {
    for (std::size_t i = 0; i < s.size();) {
        const unsigned char b = static_cast<unsigned char>(s[i]);
        std::size_t extra = 0;
        if (b >= 0xC2 && b < 0xE0) {
            extra = 1;
        } else if (b >= 0xE0 && b < 0xF0) {
            extra = 2;
        } else if (b >= 0xF0 && b < 0xF5) {
            extra = 3;
        } else if (b >= 0x80) {
            return false;
        }
        if (extra > s.size() - i - 1) return false;
        for (std::size_t k = 1; k <= extra; ++k) {
            if ((static_cast<unsigned char>(s[i + k]) & 0xC0) != 0x80) return false;
        }
        i += 1 + extra;
    }
    return true;
}

// A number of degrees: optional blanks, sign, digits, a point or a comma, digits. An
// exponent ("1e2") is no number of degrees.
std::optional<double> ReadDegrees(std::string_view field) {
    std::string s(TrimBlanks(field));
    if (!s.empty() && s[0] == '+') s.erase(0, 1);
    for (char& c : s) {
        if (c == ',') c = '.';
        if (c != '-' && c != '.' && !(c >= '0' && c <= '9')) return std::nullopt;
    }
    double v = 0;
    const auto [end, ec] = std::from_chars(s.data(), s.data() + s.size(), v);
    if (s.empty() || ec != std::errc() || end != s.data() + s.size() || !std::isfinite(v)) {
        return std::nullopt;
    }
    return v;
}

std::string WriteDegrees(double v) {
    char buf[64];
    const auto [end, ec] = std::to_chars(buf, buf + sizeof buf, v, std::chars_format::fixed, 6);
    return ec == std::errc() ? std::string(buf, end) : std::string("0.000000");
}

std::string LineLabel(std::size_t number, const std::string& fileLabel) {
    return "El renglón " + std::to_string(number) + " de «" + fileLabel + "»";
}

// The place a line holds; nothing with *why set for a line that is not one, nothing with
// *why empty for a comment or an empty line.
std::optional<Place> ParseLine(std::string_view raw, std::string& why) {
    why.clear();
    if (TrimBlanks(raw).empty() || raw.front() == '#') return std::nullopt;
    const std::string text = IsValidUtf8(raw) ? std::string(raw) : Cp1252ToUtf8(raw);
    const std::vector<std::string_view> f = SplitTabs(text);
    if (f.size() < 6) {
        why =
            "no es un lugar: hacen falta seis campos separados por tabuladores (nombre, "
            "región, país, latitud, longitud y zona)";
        return std::nullopt;
    }
    Place p;
    p.name = TrimBlanks(f[0]);
    p.region = TrimBlanks(f[1]);
    p.country = TrimBlanks(f[2]);
    p.zone = TrimBlanks(f[5]);
    p.userPlace = true;
    const std::optional<double> lat = ReadDegrees(f[3]), lon = ReadDegrees(f[4]);
    if (HasControlCharacters(text, true, true)) {
        why = "lleva caracteres de control";
    } else if (p.name.empty()) {
        why = "no tiene nombre";
    } else if (!lat || std::fabs(*lat) > 90) {
        why = "tiene una latitud «" + std::string(f[3]) + "» que no es un número de -90 a 90";
    } else if (!lon || std::fabs(*lon) > 180) {
        why = "tiene una longitud «" + std::string(f[4]) + "» que no es un número de -180 a 180";
    } else if (!ZoneExists(p.zone)) {
        why = "nombra la zona «" + p.zone + "», que no está en la base de datos de husos horarios";
    }
    if (!why.empty()) return std::nullopt;
    p.latitudeDeg = *lat;
    p.longitudeDeg = *lon;
    return p;
}

}  // namespace

UserPlacesRead ParseUserPlaces(std::string_view bytes, const std::string& fileLabel) {
    if (bytes.substr(0, 3) == "\xEF\xBB\xBF") bytes.remove_prefix(3);  // a byte-order mark
    UserPlacesRead r;
    const std::vector<Line> lines = SplitLines(bytes);
    std::string why;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        std::optional<Place> p = ParseLine(lines[i].text, why);
        if (p) {
            r.places.push_back(std::move(*p));
        } else if (!why.empty()) {
            r.warnings.push_back(LineLabel(i + 1, fileLabel) + " " + why +
                                 "; no se usa como lugar.");
        }
    }
    return r;
}

UserPlacesRead ReadUserPlaces(const std::string& folder) {
    if (!PathExists(folder, kUserPlacesFileName)) return {};
    const FileReadResult file = ReadFileBytes(folder, kUserPlacesFileName);
    if (!file.ok) return {{}, {file.message + " No se cargaron los lugares propios."}};
    return ParseUserPlaces(file.bytes, JoinPath(folder, kUserPlacesFileName));
}

std::string CheckUserPlace(const Place& place) {
    if (TrimBlanks(place.name).empty()) return "Falta el nombre del lugar.";
    for (const std::string* field : {&place.name, &place.region, &place.country, &place.zone}) {
        if (field->find_first_of("\t\r\n") != std::string::npos) {
            return "El nombre, la región, el país y la zona del lugar no pueden llevar "
                   "tabuladores ni saltos de renglón.";
        }
        if (HasControlCharacters(*field, false, true)) {
            return "El nombre, la región, el país y la zona del lugar no pueden llevar "
                   "caracteres de control.";
        }
    }
    if (!std::isfinite(place.latitudeDeg) || std::fabs(place.latitudeDeg) > 90) {
        return "La latitud del lugar debe estar entre -90 y 90 grados.";
    }
    if (!std::isfinite(place.longitudeDeg) || std::fabs(place.longitudeDeg) > 180) {
        return "La longitud del lugar debe estar entre -180 y 180 grados.";
    }
    if (!ZoneExists(TrimBlanks(place.zone))) return UnknownZoneMessage(TrimBlanks(place.zone));
    return "";
}

std::string UserPlaceKey(const Place& place) {
    return FoldForSearch(place.name) + '\t' + FoldForSearch(place.region) + '\t' +
           FoldForSearch(place.country);
}

std::string UserPlaceLine(const Place& place) {
    return TrimBlanks(place.name) + '\t' + TrimBlanks(place.region) + '\t' +
           TrimBlanks(place.country) + '\t' + WriteDegrees(place.latitudeDeg) + '\t' +
           WriteDegrees(place.longitudeDeg) + '\t' + TrimBlanks(place.zone);
}

std::string WithUserPlace(std::string_view bytes, const Place& place) {
    const std::string line = UserPlaceLine(place);
    if (bytes.empty()) return std::string(kHeader) + line + "\n";
    const std::vector<Line> lines = SplitLines(bytes);
    const std::string key = UserPlaceKey(place);
    std::string why;
    std::string out;
    bool replaced = false;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        std::string_view text = lines[i].text;
        if (i == 0 && text.substr(0, 3) == "\xEF\xBB\xBF") {
            out += "\xEF\xBB\xBF";
            text.remove_prefix(3);
        }
        const std::optional<Place> old = replaced ? std::nullopt : ParseLine(text, why);
        if (old && UserPlaceKey(*old) == key) {
            out += line;
            replaced = true;
        } else {
            out += text;
        }
        out += lines[i].end;
    }
    if (!replaced) {
        const std::string_view eol = lines.front().end == "\r\n" ? "\r\n" : "\n";
        if (lines.back().end.empty()) out += eol;
        out += line;
        out += eol;
    }
    return out;
}

FileWriteResult SaveUserPlace(const std::string& folder, const Place& place) {
    const std::string fault = CheckUserPlace(place);
    if (!fault.empty()) return {false, fault};
    if (PathExists(folder, kUserPlacesFileName)) {
        const FileReadResult file = ReadFileBytes(folder, kUserPlacesFileName);
        if (!file.ok) return {false, file.message + " No se ha guardado el lugar."};
    }
    // The place joins the file as it is when written: places another running copy of the
    // program added meanwhile stay.
    return RewriteFileSafely(folder, kUserPlacesFileName, kTagLugares,
                             [&](const CurrentFile& now) -> Rewrite {
                                 return {true, WithUserPlace(now.bytes, place), ""};
                             });
}

}  // namespace natalis
