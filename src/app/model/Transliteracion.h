// Texts brought in from other programs' files hold characters the chart file's code page
// (Windows-1252) cannot: each such character is written with the nearest letters it can.
#pragma once
#include <string>
#include <string_view>
#include <vector>

namespace natalis {

struct TextoTransliterado {
    std::string texto;  // UTF-8, every character storable in Windows-1252
    // Each replaced character once, in order of first appearance: "«Ł» → «L»".
    std::vector<std::string> cambios;
};

// The text with each character Windows-1252 cannot hold replaced by its letters without the
// mark ("Ł" → "L", "ő" → "o", "ș" → "s"), or by "?" when it has none (a character of another
// script, a malformed byte).
TextoTransliterado Transliterar(std::string_view utf8);

// The warning that lists the replacements, "" when there were none.
std::string AvisoTransliteracion(const std::vector<std::string>& cambios);

}  // namespace natalis
