// JSON literals for the headless commands.
#include "app/cli/JsonText.h"

#include <charconv>
#include <cmath>

namespace natalis {

std::string JsonString(const std::string& s) {
    static const char kHex[] = "0123456789abcdef";
    std::string r = "\"";
    for (const char ch : s) {
        const auto c = static_cast<unsigned char>(ch);
        switch (c) {
            case '"':
                r += "\\\"";
                break;
            case '\\':
                r += "\\\\";
                break;
            case '\b':
                r += "\\b";
                break;
            case '\f':
                r += "\\f";
                break;
            case '\n':
                r += "\\n";
                break;
            case '\r':
                r += "\\r";
                break;
            case '\t':
                r += "\\t";
                break;
            default:
                if (c < 0x20) {
                    r += "\\u00";
                    r += kHex[c >> 4];
                    r += kHex[c & 0xF];
                } else {
                    r += ch;
                }
        }
    }
    return r + "\"";
}

std::string JsonNumber(double x) {
    if (!std::isfinite(x)) return "null";
    char buf[40];
    // to_chars never looks at the locale.
    const auto res = std::to_chars(buf, buf + sizeof buf, x, std::chars_format::general, 17);
    return std::string(buf, res.ptr);
}

}  // namespace natalis
