#include "app/model/Notas.h"

#include "app/model/Cp1252.h"

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

}  // namespace natalis
