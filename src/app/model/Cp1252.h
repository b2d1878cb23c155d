// Windows-1252, the 8-bit code page of chart files, and the few UTF-8 character helpers the
// natal record needs. Texts live in memory as UTF-8; only files hold Windows-1252.
#pragma once
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "astro/TextTrim.h"

namespace natalis {

// Every byte decodes to one character: the five bytes the code page leaves undefined
// (0x81, 0x8D, 0x8F, 0x90, 0x9D) become the C1 control characters of the same number, so
// decoding never fails and encoding the result gives the same bytes back.
std::string Cp1252ToUtf8(std::string_view bytes);

struct Cp1252Text {
    std::string bytes;  // the text in Windows-1252; each unstorable character is a "?"
    // The characters (UTF-8, each once, in order of first appearance) that Windows-1252
    // cannot hold. A malformed UTF-8 sequence is listed as U+FFFD.
    std::vector<std::string> unstorable;
};

// Encodes a UTF-8 text. Callers must look at unstorable before writing: a non-empty list
// means the file would not hold what the user typed.
Cp1252Text Utf8ToCp1252(std::string_view utf8);

// Appends the character c (a Unicode code point up to U+10FFFF) to out in UTF-8.
void AppendUtf8(std::string& out, char32_t c);

// Number of characters of a UTF-8 text (a malformed byte counts as one character).
std::size_t Utf8Length(std::string_view utf8);

// The text cut to n characters, or padded with blanks to n characters.
std::string Utf8CutOrPad(std::string_view utf8, std::size_t n);

// True when a UTF-8 text holds a control character: C0 (below U+0020) or DEL, and with c1
// also C1 (U+0080 to U+009F), which would act on a terminal or a window instead of showing.
// A tab counts only when tabAllowed is false. (Chart files keep C1 characters: the code
// page's five undefined bytes read as them.)
bool HasControlCharacters(std::string_view utf8, bool tabAllowed = false, bool c1 = false);

}  // namespace natalis
