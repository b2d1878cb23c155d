#include "app/model/FiltroCartas.h"

#include <cstdint>
#include <string_view>

namespace natalis {

namespace {

// The base letter of each code point from U+00C0 to U+017F, in order; '*' marks the letters
// that fold to two (see TwoLetters) and '-' the signs that stay as they are (× and ÷).
constexpr std::string_view kBase =
    // U+00C0 - U+00FF
    "aaaaaa*ceeeeiiii"
    "dnooooo-ouuuuy**"
    "aaaaaa*ceeeeiiii"
    "dnooooo-ouuuuy*y"
    // U+0100 - U+017F, sixteen a group
    "aaaaaacccccccc"
    "dd"
    "ddeeeeeeeeeegggg"
    "gggghhhhiiiiiiii"
    "ii**jjkkklllllll"
    "lllnnnnnnnnnoooo"
    "oo**rrrrrrssssss"
    "ssttttttuuuuuuuu"
    "uuuuwwyyyzzzzzzs";
static_assert(kBase.size() == 0x180 - 0xC0, "one entry per code point");

const char* TwoLetters(uint32_t cp) {
    switch (cp) {
        case 0xC6:
        case 0xE6:
            return "ae";  // Æ æ
        case 0xDE:
        case 0xFE:
            return "th";  // Þ þ
        case 0xDF:
            return "ss";  // ß
        case 0x132:
        case 0x133:
            return "ij";  // Ĳ ĳ
        case 0x152:
        case 0x153:
            return "oe";  // Œ œ
        default:
            return nullptr;
    }
}

// The code point starting at text[i] and its length in bytes; length 0 for an invalid or
// cut sequence.
uint32_t Decode(const std::string& text, std::size_t i, std::size_t& length) {
    const auto byte = [&](std::size_t k) { return static_cast<unsigned char>(text[k]); };
    const unsigned char b0 = byte(i);
    length = b0 < 0x80           ? 1
             : (b0 >> 5) == 0x6  ? 2
             : (b0 >> 4) == 0xE  ? 3
             : (b0 >> 3) == 0x1E ? 4
                                 : 0;
    if (length == 0 || i + length > text.size()) {
        length = 0;
        return 0;
    }
    if (length == 1) return b0;
    uint32_t cp = b0 & (0x7F >> length);
    for (std::size_t k = 1; k < length; ++k) {
        if ((byte(i + k) & 0xC0) != 0x80) {
            length = 0;
            return 0;
        }
        cp = (cp << 6) | (byte(i + k) & 0x3F);
    }
    return cp;
}

}  // namespace

std::string PlegarTexto(const std::string& text) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size();) {
        std::size_t length = 0;
        const uint32_t cp = Decode(text, i, length);
        if (length == 0) {  // not UTF-8: the byte stays
            out += text[i++];
            continue;
        }
        if (cp < 0x80) {
            out += (cp >= 'A' && cp <= 'Z') ? static_cast<char>(cp - 'A' + 'a')
                                            : static_cast<char>(cp);
        } else if (cp >= 0x300 && cp <= 0x36F) {
            // a combining accent: dropped
        } else if (cp >= 0xC0 && cp < 0x180 && kBase[cp - 0xC0] != '-') {
            const char base = kBase[cp - 0xC0];
            if (base == '*') {
                out += TwoLetters(cp);
            } else {
                out += base;
            }
        } else {
            out.append(text, i, length);
        }
        i += length;
    }
    return out;
}

bool CoincideFiltro(const std::string& texto, const std::string& filtro) {
    std::size_t i = 0;
    while (i < filtro.size()) {
        const std::size_t start = filtro.find_first_not_of(" \t", i);
        if (start == std::string::npos) break;
        std::size_t end = filtro.find_first_of(" \t", start);
        if (end == std::string::npos) end = filtro.size();
        if (texto.find(filtro.substr(start, end - start)) == std::string::npos) return false;
        i = end;
    }
    return true;
}

}  // namespace natalis
