// The committed glyph font carries every key the wheel prints, under the family name the
// drawing code asks for. The font is read here without Qt: a small reader of the TrueType
// table directory, the 'cmap' format 4 subtable, 'loca' and the 'name' table.
#include <gtest/gtest.h>

#include <cstdint>
#include <fstream>
#include <iterator>
#include <map>
#include <set>
#include <string>
#include <utility>
#include <vector>

namespace {

const std::string kFontPath = std::string(NATALIS_SOURCE_DIR) + "/fonts/ORRASTRO.TTF";

class TrueTypeFile {
  public:
    explicit TrueTypeFile(const std::string& path) {
        std::ifstream in(path, std::ios::binary);
        bytes_.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
        if (bytes_.size() < 12) return;
        const uint16_t numTables = U16(4);
        for (uint16_t i = 0; i < numTables; ++i) {
            const size_t rec = 12 + 16u * i;
            if (rec + 16 > bytes_.size()) return;
            const std::string tag(bytes_.begin() + rec, bytes_.begin() + rec + 4);
            tables_[tag] = {U32(rec + 8), U32(rec + 12)};
        }
    }

    bool Loaded() const { return !tables_.empty(); }
    bool HasTable(const std::string& tag) const { return tables_.count(tag) > 0; }

    // Glyph index of a character through the Windows Unicode BMP subtable (format 4);
    // 0 when the character is not mapped.
    uint16_t GlyphOf(uint16_t ch) const {
        const size_t cmap = TableOffset("cmap");
        const uint16_t count = U16(cmap + 2);
        for (uint16_t i = 0; i < count; ++i) {
            const size_t rec = cmap + 4 + 8u * i;
            const uint16_t platform = U16(rec), encoding = U16(rec + 2);
            const size_t sub = cmap + U32(rec + 4);
            const bool unicodeBmp = (platform == 3 && encoding == 1) || platform == 0;
            if (unicodeBmp && U16(sub) == 4) return LookUpFormat4(sub, ch);
        }
        return 0;
    }

    // Number of bytes of outline data of a glyph (0 for an empty glyph such as the blank).
    uint32_t OutlineBytes(uint16_t glyph) const {
        const size_t loca = TableOffset("loca");
        const bool longOffsets = U16(TableOffset("head") + 50) == 1;
        if (longOffsets) return U32(loca + 4u * (glyph + 1)) - U32(loca + 4u * glyph);
        return 2u * (U16(loca + 2u * (glyph + 1)) - U16(loca + 2u * glyph));
    }

    // Contour count and bounding box of a glyph, from the head of its 'glyf' entry.
    std::vector<int> OutlineHeader(uint16_t glyph) const {
        const size_t loca = TableOffset("loca");
        const bool longOffsets = U16(TableOffset("head") + 50) == 1;
        const size_t offset = longOffsets ? U32(loca + 4u * glyph) : 2u * U16(loca + 2u * glyph);
        const size_t at = TableOffset("glyf") + offset;
        std::vector<int> header;
        for (size_t k = 0; k < 5; ++k) header.push_back(static_cast<int16_t>(U16(at + 2 * k)));
        return header;
    }

    // A name of the 'name' table (1 family, 4 full name), from a Windows record.
    std::string Name(uint16_t nameId) const {
        const size_t name = TableOffset("name");
        const uint16_t count = U16(name + 2);
        const size_t strings = name + U16(name + 4);
        for (uint16_t i = 0; i < count; ++i) {
            const size_t rec = name + 6 + 12u * i;
            if (U16(rec) != 3 || U16(rec + 6) != nameId) continue;
            const uint16_t length = U16(rec + 8);
            const size_t at = strings + U16(rec + 10);
            std::string ascii;
            for (size_t k = 0; k + 1 < length; k += 2) {
                const uint16_t unit = U16(at + k);
                ascii += unit < 128 ? static_cast<char>(unit) : '?';
            }
            return ascii;
        }
        return "";
    }

  private:
    struct Table {
        uint32_t offset, length;
    };

    size_t TableOffset(const std::string& tag) const {
        auto it = tables_.find(tag);
        return it == tables_.end() ? bytes_.size() : it->second.offset;
    }

    uint16_t LookUpFormat4(size_t sub, uint16_t ch) const {
        const uint16_t segCount = U16(sub + 6) / 2;
        const size_t ends = sub + 14;
        const size_t starts = ends + 2u * segCount + 2;
        const size_t deltas = starts + 2u * segCount;
        const size_t rangeOffsets = deltas + 2u * segCount;
        for (uint16_t s = 0; s < segCount; ++s) {
            if (U16(ends + 2u * s) < ch) continue;
            const uint16_t start = U16(starts + 2u * s);
            if (start > ch) return 0;
            const uint16_t delta = U16(deltas + 2u * s);
            const size_t rangeAt = rangeOffsets + 2u * s;
            const uint16_t range = U16(rangeAt);
            if (range == 0) return static_cast<uint16_t>(ch + delta);
            const uint16_t glyph = U16(rangeAt + range + 2u * (ch - start));
            return glyph == 0 ? 0 : static_cast<uint16_t>(glyph + delta);
        }
        return 0;
    }

    // Big-endian reads; out of range reads give 0 so a broken file fails the checks
    // instead of crashing the test run.
    uint16_t U16(size_t at) const {
        if (at + 2 > bytes_.size()) return 0;
        return static_cast<uint16_t>(Byte(at) << 8 | Byte(at + 1));
    }
    uint32_t U32(size_t at) const { return static_cast<uint32_t>(U16(at)) << 16 | U16(at + 2); }
    uint8_t Byte(size_t at) const { return static_cast<uint8_t>(bytes_[at]); }

    std::vector<char> bytes_;
    std::map<std::string, Table> tables_;
};

// Keys the wheel prints: thirteen sign keys, twelve point keys and nine further points; the
// nine aspects in order of their angle, from the conjunction to the opposition.
const std::string kSignKeys = "qwertyuiop[]U";
const std::string kPointKeys = "asdfghjkl;A:zxcvbSnmX";
const std::string kAspectKeys = "QWERTYIOP";
const std::string kPlainKeys = "0123456789 -";

class GlyphFont : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(font.Loaded()) << "cannot read " << kFontPath;
        for (const char* tag : {"cmap", "name", "head", "loca", "glyf"})
            ASSERT_TRUE(font.HasTable(tag)) << "missing table " << tag;
    }
    TrueTypeFile font{kFontPath};
};

TEST_F(GlyphFont, FamilyAndFullNameAreOrreryAstro) {
    EXPECT_EQ(font.Name(1), "OrreryAstro");
    EXPECT_EQ(font.Name(4), "OrreryAstro");
}

TEST_F(GlyphFont, EverySymbolKeyHasItsOwnDrawnGlyph) {
    std::set<uint16_t> seen;
    for (char key : kSignKeys + kPointKeys + kAspectKeys) {
        const uint16_t glyph = font.GlyphOf(static_cast<unsigned char>(key));
        ASSERT_NE(glyph, 0) << "key '" << key << "' is not mapped";
        EXPECT_GT(font.OutlineBytes(glyph), 0u) << "key '" << key << "' has an empty glyph";
        EXPECT_TRUE(seen.insert(glyph).second) << "key '" << key << "' shares a glyph";
    }
}

// Each key carries the shape of its symbol: the same contour count and, within the rounding
// of the conversion, the same bounding box as the symbol in DejaVu Sans.
TEST_F(GlyphFont, KeysCarryTheSymbolsOfDejaVuSans) {
    const TrueTypeFile dejavu("/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf");
    if (!dejavu.Loaded()) GTEST_SKIP() << "DejaVu Sans is not installed";
    const std::vector<std::pair<char, uint16_t>> symbols = {
        {'q', 0x2648}, {'w', 0x2649}, {'e', 0x264A}, {'r', 0x264B}, {'t', 0x264C}, {'y', 0x264D},
        {'u', 0x264E}, {'i', 0x264F}, {'o', 0x2650}, {'p', 0x2651}, {'[', 0x2652}, {']', 0x2653},
        {'a', 0x2609}, {'s', 0x263D}, {'d', 0x263F}, {'f', 0x2640}, {'g', 0x2642}, {'h', 0x2643},
        {'j', 0x2644}, {'k', 0x2645}, {'l', 0x2646}, {';', 0x2647}, {'A', 0x260A}, {':', 0x2295},
        {'7', '7'},    {'z', 0x26B7}, {'x', 0x26B3}, {'c', 0x26B4}, {'v', 0x26B5}, {'b', 0x26B6},
        {'n', 0x26B8}, {'Q', 0x260C}, {'E', 0x2220}, {'T', 0x25A1}, {'Y', 0x25B3}, {'P', 0x260D}};
    for (const auto& [key, symbol] : symbols) {
        const auto ours = font.OutlineHeader(font.GlyphOf(static_cast<unsigned char>(key)));
        const auto theirs = dejavu.OutlineHeader(dejavu.GlyphOf(symbol));
        EXPECT_EQ(ours[0], theirs[0]) << "contours of key '" << key << "'";
        for (size_t k = 1; k < 5; ++k)
            EXPECT_NEAR(ours[k], theirs[k], 2) << "bounding box of key '" << key << "'";
    }
}

// The true node and the osculating Lilith are the symbols of the mean node and the mean Lilith
// with one more contour, a dot, that leaves the symbol's height as it is; the node's dot sits
// inside its arch, so its width stays too.
TEST_F(GlyphFont, TrueNodeAndOsculatingLilithAreTheirSymbolsWithADot) {
    const TrueTypeFile dejavu("/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf");
    if (!dejavu.Loaded()) GTEST_SKIP() << "DejaVu Sans is not installed";
    struct Caso {
        char key;
        uint16_t symbol;
        bool sameWidth;
    };
    for (const Caso& c : {Caso{'S', 0x260A, true}, Caso{'m', 0x26B8, false}}) {
        const auto ours = font.OutlineHeader(font.GlyphOf(static_cast<unsigned char>(c.key)));
        const auto theirs = dejavu.OutlineHeader(dejavu.GlyphOf(c.symbol));
        EXPECT_EQ(ours[0], theirs[0] + 1) << "contours of key '" << c.key << "'";
        EXPECT_NEAR(ours[2], theirs[2], 2) << "bottom of key '" << c.key << "'";
        EXPECT_NEAR(ours[4], theirs[4], 2) << "top of key '" << c.key << "'";
        if (c.sameWidth) {
            EXPECT_NEAR(ours[1], theirs[1], 2) << "left of key '" << c.key << "'";
            EXPECT_NEAR(ours[3], theirs[3], 2) << "right of key '" << c.key << "'";
        }
    }
}

// The composed symbols (Vertex and four aspects) stand on the baseline inside the em of
// DejaVu Sans (2048 units: ascent 1556 plus the descent of the tallest symbols), so they line
// up with the copied ones; the quincunx is the semisextile turned upside down, same box.
TEST_F(GlyphFont, ComposedSymbolsSitInsideTheEm) {
    for (char key : std::string("XWRIO")) {
        const auto box = font.OutlineHeader(font.GlyphOf(static_cast<unsigned char>(key)));
        EXPECT_GE(box[0], 1) << "key '" << key << "'";
        EXPECT_GE(box[2], -20) << "bottom of key '" << key << "'";
        EXPECT_LE(box[4], 1556) << "top of key '" << key << "'";
        EXPECT_GE(box[4] - box[2], 1000) << "height of key '" << key << "'";
    }
    const auto semisextil = font.OutlineHeader(font.GlyphOf('W'));
    const auto quincuncio = font.OutlineHeader(font.GlyphOf('O'));
    for (size_t k = 0; k < 5; ++k) EXPECT_NEAR(semisextil[k], quincuncio[k], 2) << k;
}

TEST_F(GlyphFont, DigitsBlankAndMinusArePresent) {
    for (char key : kPlainKeys) {
        const uint16_t glyph = font.GlyphOf(static_cast<unsigned char>(key));
        ASSERT_NE(glyph, 0) << "key '" << key << "' is not mapped";
        if (key == ' ')
            EXPECT_EQ(font.OutlineBytes(glyph), 0u);
        else
            EXPECT_GT(font.OutlineBytes(glyph), 0u) << "key '" << key << "'";
    }
}

TEST_F(GlyphFont, CarriesNoOtherPrintableKey) {
    const std::string mapped = kSignKeys + kPointKeys + kAspectKeys + kPlainKeys;
    for (int ch = 0x21; ch < 0x7F; ++ch) {
        if (mapped.find(static_cast<char>(ch)) != std::string::npos) continue;
        EXPECT_EQ(font.GlyphOf(static_cast<uint16_t>(ch)), 0)
            << "unexpected key '" << static_cast<char>(ch) << "'";
    }
    // The symbols live on the keys only, not on their own code points.
    EXPECT_EQ(font.GlyphOf(0x2648), 0);
}

}  // namespace
