#include "app/model/NuevaHora.h"

#include <algorithm>

#include "app/model/Cp1252.h"
#include "astro/DateTimeParse.h"
#include "astro/NumberText.h"

namespace natalis {

void RevisarHoraNatal(std::string& hora, double& h, std::string& serr) {
    double value = 0;
    stringHora_a_h(hora, value, serr);
    if (!serr.empty()) return;
    if (value < 0 || value >= 24) {
        serr = StrSigned(value) + " horas no es correcto.";
        return;
    }
    h = value;
}

std::string LineaHora(double h) {
    long seconds = CIntEven(h * 3600);
    if (seconds < 0) seconds = 0;
    if (seconds > 86399) seconds = 86399;  // 23:59:59.6 and above stay in the same day
    return "5: " + ZeroPad(seconds / 3600, 2) + "." + ZeroPad(seconds / 60 % 60, 2) +
           ZeroPad(seconds % 60, 2);
}

namespace {

// The chart reader's number for a line: its leading number, 0 when it has none.
double LineNumber(const std::string& line) { return ValLeading(line); }

// Calls visit(content, pos, contentEnd, end) for each line of the data block of fileText (every
// line up to the place line, leading number 9, included), in order, until visit returns
// false. A line ends at CR LF, LF or a lone CR, as the reader takes it; pos..contentEnd is
// its text and contentEnd..end its line end. Returns where the block ends.
template <typename Visit>
std::size_t ForEachBlockLine(const std::string& fileText, Visit visit) {
    std::size_t pos = 0;
    while (pos < fileText.size()) {
        const std::size_t contentEnd =
            std::min(fileText.find_first_of("\r\n", pos), fileText.size());
        std::size_t end = contentEnd;
        if (end < fileText.size()) end += fileText.compare(end, 2, "\r\n") == 0 ? 2 : 1;
        const std::string content = fileText.substr(pos, contentEnd - pos);
        if (!visit(content, pos, contentEnd, end)) return end;
        pos = end;
        if (LineNumber(content) == 9) break;
    }
    return pos;
}

}  // namespace

std::optional<std::string> ReemplazarLineaHora(const std::string& fileText,
                                               const std::string& timeLine) {
    std::string out;
    out.reserve(fileText.size() + timeLine.size());
    bool replaced = false;
    const std::size_t blockEnd = ForEachBlockLine(
        fileText,
        [&](const std::string& content, std::size_t pos, std::size_t contentEnd, std::size_t end) {
            if (LineNumber(content) == 5) {
                out += timeLine;
                out.append(fileText, contentEnd, end - contentEnd);
                replaced = true;
            } else {
                out.append(fileText, pos, end - pos);
            }
            return true;
        });
    if (!replaced) return std::nullopt;
    out.append(fileText, blockEnd, std::string::npos);
    return out;
}

std::size_t FinBloqueDatos(const std::string& fileText) {
    return ForEachBlockLine(
        fileText, [](const std::string&, std::size_t, std::size_t, std::size_t) { return true; });
}

std::optional<std::string> LineaHoraDelArchivo(const std::string& fileText) {
    std::optional<std::string> found;
    ForEachBlockLine(fileText,
                     [&](const std::string& content, std::size_t, std::size_t, std::size_t) {
                         if (LineNumber(content) == 5) found = content;
                         return !found;
                     });
    return found;
}

FileWriteResult GuardarNuevaHora(const std::string& folder, const std::string& fileName,
                                 const std::string& horaTexto) {
    const std::string unchanged = " El archivo no se ha modificado.";
    std::string hora = horaTexto, serr;
    double h = 0;
    RevisarHoraNatal(hora, h, serr);
    if (!serr.empty()) {
        return {false, "La hora «" + horaTexto + "» no es válida: " + TrimBlanks(serr) + unchanged};
    }
    if (!PathExists(folder, fileName)) {
        return {false,
                "No se encontró el archivo «" + fileName + "». No se ha guardado la nueva hora."};
    }
    const std::string timeLine = LineaHora(h);
    const auto change = [&](const CurrentFile& now) -> Rewrite {
        if (!now.exists) {
            return {false, "",
                    "«" + fileName + "» no es un archivo. No se ha guardado la nueva hora."};
        }
        std::optional<std::string> text = ReemplazarLineaHora(now.bytes, timeLine);
        if (!text) {
            return {false, "",
                    "«" + fileName + "» no tiene el renglón de la hora (5:) en sus datos " +
                        "natales." + unchanged};
        }
        return {true, std::move(*text), ""};
    };
    return RewriteFileSafely(folder, fileName, kTagNuevaHora, change);
}

void HoraGuardadaEnRegistro(NatalRecord& rec, const std::string& horaTexto) {
    std::string hora = horaTexto, serr;
    double h = 0;
    RevisarHoraNatal(hora, h, serr);
    if (!serr.empty()) return;
    const std::string line = LineaHora(h);  // "5: hh.mmss"
    rec.HourText = line.substr(3, 2);
    rec.MinuteText = line.substr(6, 2);
    rec.SecondText = line.substr(8, 2);
    rec.TimeText = rec.HourText + ":" + rec.MinuteText + ":" + rec.SecondText;
}

}  // namespace natalis
