#include "app/model/Notas.h"

#include "app/model/Cp1252.h"
#include "app/model/NuevaHora.h"
#include "astro/TextTrim.h"

namespace natalis {

std::string NotasDesdeArchivo(std::string_view fileBytes) {
    const std::string text = Cp1252ToUtf8(fileBytes);
    std::string out;
    out.reserve(text.size() + 1);
    std::size_t pos = 0;
    while (pos < text.size()) {
        std::size_t nl = text.find('\n', pos);
        std::size_t end = nl == std::string::npos ? text.size() : nl;
        std::size_t contentEnd = end;
        if (contentEnd > pos && text[contentEnd - 1] == '\r') --contentEnd;
        out.append(text, pos, contentEnd - pos);
        out += '\n';
        pos = nl == std::string::npos ? text.size() : nl + 1;
    }
    return out;
}

ArchivoNotas ArchivoDesdeNotas(std::string_view text) {
    std::string crlf;
    crlf.reserve(text.size() + 2);
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c == '\r' || c == '\n') {
            crlf += "\r\n";
            if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
        } else {
            crlf += c;
        }
    }
    if (!crlf.empty() && crlf.back() != '\n') crlf += "\r\n";
    Cp1252Text encoded = Utf8ToCp1252(crlf);
    return {std::move(encoded.bytes), std::move(encoded.unstorable)};
}

std::optional<std::string> NotasDelArchivo(const std::string& fileBytes) {
    std::size_t pos = FinBloqueDatos(fileBytes);
    bool afterNotas = false;
    while (pos < fileBytes.size()) {
        std::size_t end = fileBytes.find('\n', pos);
        end = end == std::string::npos ? fileBytes.size() : end + 1;
        std::string text = fileBytes.substr(pos, end - pos);
        while (!text.empty() && (text.back() == '\n' || text.back() == '\r')) text.pop_back();
        const std::string line = TrimBlanks(text);
        if (afterNotas) return fileBytes.substr(line.empty() ? end : pos);
        if (line == "NOTAS:") afterNotas = true;
        pos = end;
    }
    if (afterNotas) return std::string();
    return std::nullopt;
}

std::optional<std::string> NotasSobreArchivoActual(const std::string& base, const std::string& ours,
                                                   const std::string& current) {
    if (current == base) return ours;
    const std::optional<std::string> baseTime = LineaHoraDelArchivo(base);
    const std::optional<std::string> newTime = LineaHoraDelArchivo(current);
    if (!baseTime || !newTime) return std::nullopt;
    // The file is the loaded one with another time line, and the window left that line alone.
    if (ReemplazarLineaHora(base, *newTime) != current) return std::nullopt;
    if (ReemplazarLineaHora(ours, *baseTime) != ours) return std::nullopt;
    return ReemplazarLineaHora(ours, *newTime);
}

std::string CartaCambioEnDisco(const std::string& fileName) {
    return "La carta «" + fileName +
           "» cambió en el disco desde que se abrió en anotaciones, y este texto desharía esos "
           "cambios: no se ha guardado. Copie lo que quiera conservar, cierre la ventana sin "
           "guardar y ábrala de nuevo.";
}

FileWriteResult GuardarNotas(const std::string& folder, const std::string& fileName,
                             const std::string& base, const std::string& ours) {
    return RewriteFileSafely(folder, fileName, kTagNotas, [&](const CurrentFile& now) -> Rewrite {
        if (!now.exists) {
            return {false, "",
                    "No se encontró el archivo «" + fileName +
                        "»: se borró o se movió desde que se abrió en anotaciones. "
                        "No se ha guardado el texto."};
        }
        std::optional<std::string> merged = NotasSobreArchivoActual(base, ours, now.bytes);
        if (!merged) return {false, "", CartaCambioEnDisco(fileName)};
        return {true, std::move(*merged), ""};
    });
}

}  // namespace natalis
