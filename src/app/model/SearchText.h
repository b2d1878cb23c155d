// Texts folded for searching: lower case, without accents, split into words.
#pragma once
#include <string>
#include <string_view>
#include <vector>

namespace natalis {

// The words of a UTF-8 text, folded: ASCII letters in lower case; Latin letters with
// accents, cedillas, tildes and the like without them ("Múnich" gives "munich", "Łódź"
// "lodz", "ß" "ss", "Æ" "ae"); Greek and Cyrillic capitals in lower case; any other letter
// as it is. Blanks, punctuation and symbols separate words; combining accents are dropped.
std::vector<std::string> SearchWords(std::string_view utf8);

// The folded words joined by single blanks ("  San  José-de Cúcuta " gives
// "san jose de cucuta").
std::string FoldForSearch(std::string_view utf8);

}  // namespace natalis
