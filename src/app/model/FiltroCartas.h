// The chart browser's filter, without widgets: texts folded so that case and accents do not
// matter, and the test of a folded text against what the user typed.
#pragma once
#include <string>

namespace natalis {

// text (UTF-8) folded for searching: ASCII and the Latin letters of U+00C0 to U+017F in
// lower case without their diacritics ("Núñez" gives "nunez", "Æ" gives "ae", "ß" gives
// "ss"), combining diacritical marks (U+0300 to U+036F) dropped, every other character kept
// as it is, invalid bytes included.
std::string PlegarTexto(const std::string& text);

// True when every blank-separated word of filtro occurs somewhere in texto, both already
// folded. An empty or blank filter matches every text.
bool CoincideFiltro(const std::string& texto, const std::string& filtro);

}  // namespace natalis
