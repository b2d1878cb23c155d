// Windows-1252 conversion and the UTF-8 character helpers of the natal record.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/model/Cp1252.h"

namespace natalis {
namespace {

TEST(Cp1252, EveryByteDecodesAndEncodesBackUnchanged) {
    std::string all;
    for (int b = 0; b < 256; ++b) all += static_cast<char>(b);
    const std::string utf8 = Cp1252ToUtf8(all);
    const Cp1252Text back = Utf8ToCp1252(utf8);
    EXPECT_EQ(back.bytes, all);
    EXPECT_TRUE(back.unstorable.empty());
}

// Reference: the code page's published table (and the C1 fallback for its five holes).
TEST(Cp1252, DecodesTheCodePageTable) {
    struct Row {
        unsigned char byte;
        const char* utf8;
    };
    const Row rows[] = {
        {0x41, "A"},      {0x80, "€"},      {0x8A, "Š"},      {0x91, "‘"},
        {0x96, "–"},      {0x9F, "Ÿ"},      {0xA0, "\u00A0"}, {0xD1, "Ñ"},
        {0xE9, "é"},      {0xF1, "ñ"},      {0xFF, "ÿ"},      {0x81, "\u0081"},
        {0x8D, "\u008D"}, {0x8F, "\u008F"}, {0x90, "\u0090"}, {0x9D, "\u009D"},
    };
    for (const Row& r : rows)
        EXPECT_EQ(Cp1252ToUtf8(std::string(1, static_cast<char>(r.byte))), r.utf8)
            << std::hex << int(r.byte);
}

TEST(Cp1252, AccentedSpanishNameRoundTrips) {
    const std::string name = "María José Pérez Ñúñez, año 1º";
    const Cp1252Text encoded = Utf8ToCp1252(name);
    EXPECT_TRUE(encoded.unstorable.empty());
    // One byte per character: í = 0xED, é = 0xE9, Ñ = 0xD1, ú = 0xFA, ñ = 0xF1, º = 0xBA.
    EXPECT_EQ(encoded.bytes,
              "Mar\xED"
              "a Jos\xE9 P\xE9rez \xD1\xFA\xF1"
              "ez, a\xF1o 1\xBA");
    EXPECT_EQ(Cp1252ToUtf8(encoded.bytes), name);
}

TEST(Cp1252, ReportsEachUnstorableCharacterOnce) {
    const Cp1252Text encoded = Utf8ToCp1252("Zoë Łukasz 山田 山");
    EXPECT_EQ(encoded.unstorable, (std::vector<std::string>{"Ł", "山", "田"}));
    EXPECT_EQ(encoded.bytes, "Zo\xEB ?ukasz ?? ?");
}

TEST(Cp1252, C1CharactersWithoutTheirOwnByteAreUnstorable) {
    // U+0080 would need byte 0x80, which means the euro sign.
    const Cp1252Text encoded = Utf8ToCp1252("a\u0080b\u0081");
    EXPECT_EQ(encoded.unstorable, (std::vector<std::string>{"\u0080"}));
    EXPECT_EQ(encoded.bytes, "a?b\x81");
}

TEST(Cp1252, MalformedUtf8IsReportedNotDropped) {
    struct Row {
        const char* name;
        std::string text;
        std::string bytes;
    };
    const Row rows[] = {
        {"stray continuation", "a\x80z", "a?z"},
        {"truncated sequence", "a\xC3", "a?"},
        {"overlong slash", "\xC0\xAF", "??"},
        {"surrogate", "\xED\xA0\x80", "???"},
        {"beyond U+10FFFF", "\xF4\x90\x80\x80", "????"},
    };
    for (const Row& r : rows) {
        const Cp1252Text encoded = Utf8ToCp1252(r.text);
        EXPECT_EQ(encoded.bytes, r.bytes) << r.name;
        EXPECT_EQ(encoded.unstorable, (std::vector<std::string>{"\uFFFD"})) << r.name;
    }
}

TEST(Utf8Helpers, CountCutPadAndTrimByCharacters) {
    EXPECT_EQ(Utf8Length(""), 0u);
    EXPECT_EQ(Utf8Length("María"), 5u);
    EXPECT_EQ(Utf8Length("山田"), 2u);
    EXPECT_EQ(Utf8Length("a\xFF"), 2u);  // a malformed byte is one character

    EXPECT_EQ(Utf8CutOrPad("María José", 4), "Marí");
    EXPECT_EQ(Utf8CutOrPad("María José", 12), "María José  ");
    EXPECT_EQ(Utf8Length(Utf8CutOrPad("Córdoba", 30)), 30u);
    EXPECT_EQ(Utf8CutOrPad("", 3), "   ");

    EXPECT_EQ(TrimBlanks("  San José  "), "San José");
    EXPECT_EQ(TrimBlanks("    "), "");
    EXPECT_EQ(TrimBlanks("\tx\t"), "\tx\t");  // only blanks are trimmed
}

}  // namespace
}  // namespace natalis
