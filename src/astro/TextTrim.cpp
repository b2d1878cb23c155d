#include "astro/TextTrim.h"

namespace natalis {

std::string TrimBlanks(std::string_view text) {
    const std::size_t begin = text.find_first_not_of(' ');
    if (begin == std::string_view::npos) return "";
    const std::size_t end = text.find_last_not_of(' ');
    return std::string(text.substr(begin, end - begin + 1));
}

}  // namespace natalis
