// Folding of texts for the atlas search.
#include "app/model/SearchText.h"

#include <cstdint>

#include "app/model/Cp1252.h"

namespace natalis {

namespace {

// U+00C0 .. U+017F (Latin-1 letters and Latin Extended-A) without their marks, in lower
// case; "" marks a symbol (x and ÷), which separates words like punctuation.
constexpr const char* kLatinFold[0x180 - 0xC0] = {
    // U+00C0 ÀÁÂÃÄÅÆÇ ÈÉÊËÌÍÎÏ ÐÑÒÓÔÕÖ× ØÙÚÛÜÝÞß
    "a", "a", "a", "a", "a", "a", "ae", "c", "e", "e", "e", "e", "i", "i", "i", "i",  //
    "d", "n", "o", "o", "o", "o", "o", "", "o", "u", "u", "u", "u", "y", "th", "ss",  //
    // U+00E0 àáâãäåæç èéêëìíîï ðñòóôõö÷ øùúûüýþÿ
    "a", "a", "a", "a", "a", "a", "ae", "c", "e", "e", "e", "e", "i", "i", "i", "i",  //
    "d", "n", "o", "o", "o", "o", "o", "", "o", "u", "u", "u", "u", "y", "th", "y",   //
    // U+0100 ĀāĂăĄąĆć ĈĉĊċČčĎď ĐđĒēĔĕĖė ĘęĚěĜĝĞğ
    "a", "a", "a", "a", "a", "a", "c", "c", "c", "c", "c", "c", "c", "c", "d", "d",  //
    "d", "d", "e", "e", "e", "e", "e", "e", "e", "e", "e", "e", "g", "g", "g", "g",  //
    // U+0120 ĠġĢģĤĥĦħ ĨĩĪīĬĭĮį İıĲĳĴĵĶķ ĸĹĺĻļĽľĿ
    "g", "g", "g", "g", "h", "h", "h", "h", "i", "i", "i", "i", "i", "i", "i", "i",    //
    "i", "i", "ij", "ij", "j", "j", "k", "k", "k", "l", "l", "l", "l", "l", "l", "l",  //
    // U+0140 ŀŁłŃńŅņŇ ňŉŊŋŌōŎŏ ŐőŒœŔŕŖŗ ŘřŚśŜŝŞş
    "l", "l", "l", "n", "n", "n", "n", "n", "n", "n", "n", "n", "o", "o", "o", "o",    //
    "o", "o", "oe", "oe", "r", "r", "r", "r", "r", "r", "s", "s", "s", "s", "s", "s",  //
    // U+0160 ŠšŢţŤťŦŧ ŨũŪūŬŭŮů ŰűŲųŴŵŶŷ ŸŹźŻżŽžſ
    "s", "s", "t", "t", "t", "t", "t", "t", "u", "u", "u", "u", "u", "u", "u", "u",  //
    "u", "u", "u", "u", "w", "w", "y", "y", "y", "z", "z", "z", "z", "z", "z", "s",  //
};

// The next code point of s from position i (advanced past it); a malformed byte is
// returned as itself with the high bit, which no letter rule below matches.
std::uint32_t NextCodePoint(std::string_view s, std::size_t& i) {
    const unsigned char b = static_cast<unsigned char>(s[i]);
    int extra = b >= 0xF0 ? 3 : b >= 0xE0 ? 2 : b >= 0xC0 ? 1 : 0;
    if (b < 0x80 || b >= 0xF8 || (b >= 0x80 && b < 0xC0)) {
        ++i;
        return b < 0x80 ? b : 0x80000000u | b;
    }
    std::uint32_t cp = b & (0x3F >> extra);
    std::size_t k = i + 1;
    for (; extra > 0; --extra, ++k) {
        if (k >= s.size() || (static_cast<unsigned char>(s[k]) & 0xC0) != 0x80) {
            ++i;
            return 0x80000000u | b;
        }
        cp = cp << 6 | (static_cast<unsigned char>(s[k]) & 0x3F);
    }
    i = k;
    return cp;
}

bool IsCombiningMark(std::uint32_t cp) { return cp >= 0x300 && cp <= 0x36F; }

// Punctuation and symbols that separate words: ASCII ones, those of Latin-1 (U+0080 ..
// U+00BF), general punctuation (U+2000 .. U+206F) and the ideographic space and stops.
bool IsSeparator(std::uint32_t cp) {
    if (cp < 0x80) {
        return !((cp >= '0' && cp <= '9') || (cp >= 'a' && cp <= 'z') || (cp >= 'A' && cp <= 'Z'));
    }
    return (cp >= 0x80 && cp <= 0xBF) || cp == 0xD7 || cp == 0xF7 ||
           (cp >= 0x2000 && cp <= 0x206F) || (cp >= 0x3000 && cp <= 0x3002) ||
           (cp & 0x80000000u) != 0;
}

// The folded form of one letter, appended to the word.
void AppendFolded(std::string& word, std::uint32_t cp) {
    if (cp < 0x80) {
        word += static_cast<char>(cp >= 'A' && cp <= 'Z' ? cp - 'A' + 'a' : cp);
    } else if (cp >= 0xC0 && cp < 0x180) {
        word += kLatinFold[cp - 0xC0];
    } else if (cp >= 0x218 && cp <= 0x21B) {  // Romanian Ș ș Ț ț (comma below)
        word += cp < 0x21A ? 's' : 't';
    } else if (cp >= 0x391 && cp <= 0x3A9 && cp != 0x3A2) {  // Greek capitals
        AppendUtf8(word, cp + 0x20);
    } else if (cp >= 0x410 && cp <= 0x42F) {  // Cyrillic capitals А .. Я
        AppendUtf8(word, cp + 0x20);
    } else if (cp >= 0x400 && cp <= 0x40F) {  // Cyrillic capitals Ѐ .. Џ
        AppendUtf8(word, cp + 0x50);
    } else {
        AppendUtf8(word, cp);
    }
}

}  // namespace

std::string FoldForSearch(std::string_view utf8) {
    std::string out;
    out.reserve(utf8.size());
    bool gap = false;  // a separator since the last letter
    for (std::size_t i = 0; i < utf8.size();) {
        const std::uint32_t cp = NextCodePoint(utf8, i);
        if (IsCombiningMark(cp)) continue;
        if (IsSeparator(cp) || (cp >= 0xC0 && cp < 0x180 && *kLatinFold[cp - 0xC0] == '\0')) {
            gap = true;
            continue;
        }
        if (gap && !out.empty()) out += ' ';
        gap = false;
        AppendFolded(out, cp);
    }
    return out;
}

std::vector<std::string> SearchWords(std::string_view utf8) {
    const std::string folded = FoldForSearch(utf8);
    std::vector<std::string> words;
    std::size_t at = 0;
    while (at < folded.size()) {
        std::size_t blank = folded.find(' ', at);
        if (blank == std::string::npos) blank = folded.size();
        words.push_back(folded.substr(at, blank - at));
        at = blank + 1;
    }
    return words;
}

}  // namespace natalis
