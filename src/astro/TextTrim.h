// Blanks round a text, as the chart files and the typed boxes pad them.
#pragma once
#include <string>
#include <string_view>

namespace natalis {

// The text without leading and trailing blanks (spaces only; tabs and line ends stay).
std::string TrimBlanks(std::string_view text);

}  // namespace natalis
