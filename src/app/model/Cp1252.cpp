#include "app/model/Cp1252.h"

#include <algorithm>
#include <cstdint>

namespace natalis {

namespace {

// Characters of bytes 0x80 to 0x9F; the undefined bytes keep their own number.
constexpr char32_t kHighTable[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,  // 80-87
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,  // 88-8F
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,  // 90-97
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,  // 98-9F
};

constexpr char32_t kInvalid = 0xFFFFFFFF;
constexpr char32_t kReplacement = 0xFFFD;

char32_t ByteToChar(unsigned char b) { return (b >= 0x80 && b < 0xA0) ? kHighTable[b - 0x80] : b; }

// The byte that holds c, or -1 when Windows-1252 has none.
int CharToByte(char32_t c) {
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF)) return static_cast<int>(c);
    for (int i = 0; i < 32; ++i)
        if (kHighTable[i] == c) return 0x80 + i;
    return -1;
}

// Decodes the character at s[i] and advances i past it. A malformed sequence (stray
// continuation byte, truncated or overlong sequence, surrogate, beyond U+10FFFF) yields
// kInvalid and advances by one byte.
char32_t NextChar(std::string_view s, std::size_t& i) {
    const auto byte = [&](std::size_t k) { return static_cast<unsigned char>(s[k]); };
    const unsigned char lead = byte(i);
    std::size_t length = 0;
    char32_t c = 0, minimum = 0;
    if (lead < 0x80) {
        ++i;
        return lead;
    } else if ((lead & 0xE0) == 0xC0) {
        length = 2, c = lead & 0x1F, minimum = 0x80;
    } else if ((lead & 0xF0) == 0xE0) {
        length = 3, c = lead & 0x0F, minimum = 0x800;
    } else if ((lead & 0xF8) == 0xF0) {
        length = 4, c = lead & 0x07, minimum = 0x10000;
    } else {
        ++i;
        return kInvalid;
    }
    if (i + length > s.size()) {
        ++i;
        return kInvalid;
    }
    for (std::size_t k = 1; k < length; ++k) {
        if ((byte(i + k) & 0xC0) != 0x80) {
            ++i;
            return kInvalid;
        }
        c = (c << 6) | (byte(i + k) & 0x3F);
    }
    if (c < minimum || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF)) {
        ++i;
        return kInvalid;
    }
    i += length;
    return c;
}

}  // namespace

void AppendUtf8(std::string& out, char32_t c) {
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        out += static_cast<char>(0xE0 | (c >> 12));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (c >> 18));
        out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
}

std::string Cp1252ToUtf8(std::string_view bytes) {
    std::string out;
    out.reserve(bytes.size());
    for (char b : bytes) AppendUtf8(out, ByteToChar(static_cast<unsigned char>(b)));
    return out;
}

Cp1252Text Utf8ToCp1252(std::string_view utf8) {
    Cp1252Text result;
    result.bytes.reserve(utf8.size());
    for (std::size_t i = 0; i < utf8.size();) {
        const char32_t c = NextChar(utf8, i);
        const int b = c == kInvalid ? -1 : CharToByte(c);
        if (b >= 0) {
            result.bytes += static_cast<char>(b);
            continue;
        }
        result.bytes += '?';
        std::string shown;
        AppendUtf8(shown, c == kInvalid ? kReplacement : c);
        auto& list = result.unstorable;
        if (std::find(list.begin(), list.end(), shown) == list.end()) list.push_back(shown);
    }
    return result;
}

std::size_t Utf8Length(std::string_view utf8) {
    std::size_t count = 0;
    for (std::size_t i = 0; i < utf8.size(); ++count) NextChar(utf8, i);
    return count;
}

std::string Utf8CutOrPad(std::string_view utf8, std::size_t n) {
    std::size_t i = 0, count = 0;
    while (i < utf8.size() && count < n) {
        NextChar(utf8, i);
        ++count;
    }
    std::string out(utf8.substr(0, i));
    out.append(n - count, ' ');
    return out;
}

bool HasControlCharacters(std::string_view utf8, bool tabAllowed, bool c1) {
    for (std::size_t i = 0; i < utf8.size(); ++i) {
        const auto b = static_cast<unsigned char>(utf8[i]);
        if ((b < 0x20 && !(tabAllowed && b == '\t')) || b == 0x7F) return true;
        // U+0080 to U+009F are C2 80 to C2 9F.
        if (c1 && b == 0xC2 && i + 1 < utf8.size()) {
            const auto next = static_cast<unsigned char>(utf8[i + 1]);
            if (next >= 0x80 && next <= 0x9F) return true;
        }
    }
    return false;
}

}  // namespace natalis
