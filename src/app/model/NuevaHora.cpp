#include "app/model/NuevaHora.h"

#include <algorithm>

#include "app/model/Cp1252.h"
#include "app/model/FileBytes.h"
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

}  // namespace

std::optional<std::string> ReemplazarLineaHora(const std::string& fileText,
                                               const std::string& timeLine) {
    std::string out;
    out.reserve(fileText.size() + timeLine.size());
    bool replaced = false, inBlock = true;
    std::size_t pos = 0;
    while (pos < fileText.size()) {
        // A line ends at CR LF, LF or a lone CR, as the reader takes it.
        const std::size_t contentEnd =
            std::min(fileText.find_first_of("\r\n", pos), fileText.size());
        std::size_t end = contentEnd;
        if (end < fileText.size()) {
            end += fileText.compare(end, 2, "\r\n") == 0 ? 2 : 1;
        }
        std::string content = fileText.substr(pos, contentEnd - pos);

        double number = inBlock ? LineNumber(content) : 0;
        if (number == 5) {
            out += timeLine;
            out.append(fileText, contentEnd, end - contentEnd);
            replaced = true;
        } else {
            out.append(fileText, pos, end - pos);
            if (number == 9) inBlock = false;
        }
        pos = end;
    }
    if (!replaced) return std::nullopt;
    return out;
}

const char kNuevaHoraTag[] = "NUEVAHORA";

FileWriteResult GuardarNuevaHora(const std::string& folder, const std::string& fileName,
                                 const std::string& horaTexto) {
    const std::string unchanged = " El archivo no se ha modificado.";
    std::string hora = horaTexto, serr;
    double h = 0;
    RevisarHoraNatal(hora, h, serr);
    if (!serr.empty()) {
        return {false, "La hora «" + horaTexto + "» no es válida: " + TrimBlanks(serr) + unchanged};
    }

    FileReadResult file = ReadFileBytes(folder, fileName);
    if (!file.ok) return {false, file.message + " No se ha guardado la nueva hora."};
    std::optional<std::string> text = ReemplazarLineaHora(file.bytes, LineaHora(h));
    if (!text) {
        return {false, "«" + fileName + "» no tiene el renglón de la hora (5:) en sus datos " +
                           "natales." + unchanged};
    }
    return ReplaceFileThroughOwnTemp(folder, fileName, *text, kNuevaHoraTag);
}

}  // namespace natalis
