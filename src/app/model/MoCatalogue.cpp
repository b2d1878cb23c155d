// Reading a compiled gettext catalogue as data.
#include "app/model/MoCatalogue.h"

#include <algorithm>
#include <cctype>
#include <cstdint>

namespace natalis {

namespace {

constexpr std::uint32_t kMagic = 0x950412de;

// Layout: magic, revision, number of strings N, offset of the originals' table, offset of
// the translations' table (then a hash table we do not need). Each table holds N pairs of
// 32-bit length and offset; the strings are NUL-terminated after their length.
class MoReader {
  public:
    explicit MoReader(std::string_view bytes) : b_(bytes) {}

    bool ReadHeader() {
        if (b_.size() < 20) return false;
        const std::uint32_t magic = Word(0, false);
        if (magic == kMagic) {
            swapped_ = false;
        } else if (Word(0, true) == kMagic) {
            swapped_ = true;
        } else {
            return false;
        }
        const std::uint32_t revision = Word(4, swapped_);
        if ((revision >> 16) > 1) return false;
        count_ = Word(8, swapped_);
        originals_ = Word(12, swapped_);
        translations_ = Word(16, swapped_);
        return Fits(originals_, count_ * 8ull) && Fits(translations_, count_ * 8ull);
    }

    std::uint32_t Count() const { return count_; }

    // String i of the table at `table`, or nothing when it lies outside the bytes.
    bool String(std::uint32_t table, std::uint32_t i, std::string_view& out) const {
        const std::uint32_t length = Word(table + 8ull * i, swapped_);
        const std::uint32_t offset = Word(table + 8ull * i + 4, swapped_);
        if (!Fits(offset, length)) return false;
        out = b_.substr(offset, length);
        return true;
    }

    std::uint32_t Originals() const { return originals_; }
    std::uint32_t Translations() const { return translations_; }

  private:
    bool Fits(std::uint64_t offset, std::uint64_t length) const {
        return offset <= b_.size() && length <= b_.size() - offset;
    }

    // The 32-bit word at `at`, little-endian unless swapped.
    std::uint32_t Word(std::uint64_t at, bool bigEndian) const {
        std::uint32_t v = 0;
        for (int k = 0; k < 4; ++k) {
            const std::uint32_t byte = static_cast<unsigned char>(b_[at + k]);
            v |= bigEndian ? byte << (8 * (3 - k)) : byte << (8 * k);
        }
        return v;
    }

    std::string_view b_;
    bool swapped_ = false;
    std::uint32_t count_ = 0, originals_ = 0, translations_ = 0;
};

// The first of the NUL-separated forms of a plural entry (the whole text otherwise).
std::string_view FirstForm(std::string_view s) { return s.substr(0, s.find('\0')); }

// The character set the header entry names ("charset=UTF-8"), in lower case, or "".
std::string HeaderCharset(std::string_view header) {
    const std::string_view tag = "charset=";
    const std::size_t at = header.find(tag);
    if (at == std::string_view::npos) return "";
    std::string cs;
    for (std::size_t k = at + tag.size(); k < header.size(); ++k) {
        const char c = header[k];
        if (std::isspace(static_cast<unsigned char>(c)) || c == ';') break;
        cs += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    }
    return cs;
}

}  // namespace

MoCatalogue ParseMoCatalogue(std::string_view bytes) {
    MoCatalogue c;
    MoReader r(bytes);
    if (!r.ReadHeader()) {
        c.error = "no es un catálogo de traducciones";
        return c;
    }
    c.entries.reserve(r.Count());
    for (std::uint32_t i = 0; i < r.Count(); ++i) {
        std::string_view original, translation;
        if (!r.String(r.Originals(), i, original) || !r.String(r.Translations(), i, translation)) {
            c.entries.clear();
            c.error = "el catálogo de traducciones está cortado o dañado";
            return c;
        }
        if (original.empty()) {
            const std::string cs = HeaderCharset(translation);
            if (!cs.empty() && cs != "utf-8" && cs != "utf8") {
                c.entries.clear();
                c.error = "el catálogo de traducciones no está en UTF-8";
                return c;
            }
            continue;
        }
        translation = FirstForm(translation);
        if (translation.empty()) continue;
        c.entries.emplace(std::string(FirstForm(original)), std::string(translation));
    }
    c.ok = true;
    return c;
}

}  // namespace natalis
