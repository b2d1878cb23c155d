// The chart browser's filter: folding of case and accents, and matching word by word.
#include <gtest/gtest.h>

#include <string>

#include "app/model/FiltroCartas.h"

namespace natalis {
namespace {

// Folds written out by hand from the letters' names in the Unicode charts (LATIN CAPITAL
// LETTER N WITH TILDE folds to "n", and so on).
TEST(PlegarTexto, LowerCaseWithoutAccents) {
    struct Row {
        const char* text;
        const char* folded;
    };
    const Row rows[] = {
        {"Núñez", "nunez"},
        {"JOSÉ MARÍA", "jose maria"},
        {"Çağlar Öztürk", "caglar ozturk"},
        {"Ærøskøbing", "aeroskobing"},
        {"Straße", "strasse"},
        {"Łódź", "lodz"},
        {"Œuvre", "oeuvre"},
        {"Ÿvette", "yvette"},
        {"São Paulo", "sao paulo"},
        {"5 3 1970", "5 3 1970"},
        {"", ""},
    };
    for (const Row& r : rows) EXPECT_EQ(PlegarTexto(r.text), r.folded) << r.text;
}

// A letter written with a combining accent folds like the same letter precomposed.
TEST(PlegarTexto, CombiningAccentsFoldLikePrecomposedLetters) {
    EXPECT_EQ(PlegarTexto("Nu\xCC\x81n\xCC\x83"
                          "ez"),
              PlegarTexto("Núñez"));  // U+0301, U+0303
    EXPECT_EQ(PlegarTexto("E\xCC\x81"), "e");
}

TEST(PlegarTexto, OtherCharactersAndInvalidBytesStay) {
    EXPECT_EQ(PlegarTexto("3 × 4 ÷ 2"), "3 × 4 ÷ 2");
    EXPECT_EQ(PlegarTexto("Μαρία"), "Μαρία");  // Greek is not folded
    EXPECT_EQ(PlegarTexto("A\xF1"
                          "o"),
              "a\xF1"
              "o");                          // a Windows-1252 byte, not UTF-8
    EXPECT_EQ(PlegarTexto("\xC3"), "\xC3");  // a sequence cut short
}

TEST(CoincideFiltro, EveryWordMustOccurSomewhere) {
    const std::string texto = PlegarTexto("Ana María Núñez.dat Ana María Núñez 5 3 1970 Córdoba");
    struct Row {
        const char* filtro;
        bool coincide;
    };
    const Row rows[] = {
        {"", true},           {"   ", true},          {"nunez", true},
        {"NÚÑEZ", true},      {"cordoba 1970", true}, {"maria  ana", true},
        {"ana lopez", false}, {"19700", false},
    };
    for (const Row& r : rows) {
        EXPECT_EQ(CoincideFiltro(texto, PlegarTexto(r.filtro)), r.coincide) << r.filtro;
    }
}

}  // namespace
}  // namespace natalis
