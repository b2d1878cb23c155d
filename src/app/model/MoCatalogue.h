// A compiled gettext catalogue (.mo file) read as data: the pairs of original and
// translated texts it holds, without touching the process's locale or text domains.
//
// References: the GNU gettext manual, "The Format of GNU MO Files".
#pragma once
#include <string>
#include <string_view>
#include <unordered_map>

namespace natalis {

struct MoCatalogue {
    bool ok = false;
    std::string error;  // Spanish, what is wrong with the bytes, when !ok
    // Original text to translated text. The header entry (empty original) and entries
    // without a translation are left out; of plural forms only the first of each is kept.
    std::unordered_map<std::string, std::string> entries;
};

// Given:    bytes  the whole content of a .mo file, of either byte order
// Returned: its entries, or ok false when the bytes are not a readable catalogue, or its
//           header names a character set other than UTF-8.
MoCatalogue ParseMoCatalogue(std::string_view bytes);

}  // namespace natalis
