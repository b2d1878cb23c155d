// A gettext catalogue (.mo) made in memory, for tests of the readers of such files.
#pragma once
#include <algorithm>
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

namespace natalis {

using MoPairs = std::vector<std::pair<std::string, std::string>>;

// The layout the gettext manual gives: header, the two tables of (length, offset), no hash
// table, then the strings, each followed by a NUL; originals sorted.
inline std::string MakeMo(MoPairs pairs, bool bigEndian = false) {
    auto put = [bigEndian](std::string& out, std::size_t at, std::uint32_t v) {
        for (int k = 0; k < 4; ++k) {
            out[at + k] = static_cast<char>(bigEndian ? v >> (8 * (3 - k)) : v >> (8 * k));
        }
    };
    std::sort(pairs.begin(), pairs.end());
    const std::uint32_t n = static_cast<std::uint32_t>(pairs.size());
    const std::uint32_t originals = 28, translations = originals + 8 * n;
    std::string out(translations + 8 * n, '\0');
    put(out, 0, 0x950412de);
    put(out, 4, 0);
    put(out, 8, n);
    put(out, 12, originals);
    put(out, 16, translations);
    for (int table = 0; table < 2; ++table) {
        for (std::uint32_t i = 0; i < n; ++i) {
            const std::string& s = table == 0 ? pairs[i].first : pairs[i].second;
            const std::uint32_t at = (table == 0 ? originals : translations) + 8 * i;
            put(out, at, static_cast<std::uint32_t>(s.size()));
            put(out, at + 4, static_cast<std::uint32_t>(out.size()));
            out += s;
            out += '\0';
        }
    }
    return out;
}

}  // namespace natalis
