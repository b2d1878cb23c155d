// Folding of texts for the atlas search.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/model/SearchText.h"

namespace natalis {
namespace {

TEST(FoldForSearch, DropsCaseAndAccents) {
    struct Case {
        const char* text;
        const char* folded;
    } cases[] = {
        {"Múnich", "munich"},
        {"CÓRDOBA", "cordoba"},
        {"São Paulo", "sao paulo"},
        {"Łódź", "lodz"},
        {"Straße", "strasse"},
        {"Ærøskøbing", "aeroskobing"},
        {"Œuilly", "oeuilly"},
        {"București", "bucuresti"},    // comma below (U+021B)
        {"Bucureşti", "bucuresti"},    // cedilla (U+015F)
        {"Me\xCC\x81xico", "mexico"},  // e + combining acute
        {"Ñuñoa", "nunoa"},
        {"Þórshöfn", "thorshofn"},
        {"İzmir", "izmir"},
        {"Москва", "москва"},  // Cyrillic capitals to lower case, letters kept
        {"Αθήνα", "αθήνα"},
    };
    for (const Case& c : cases) EXPECT_EQ(FoldForSearch(c.text), c.folded) << c.text;
}

TEST(SearchWords, PunctuationAndBlanksSeparateWords) {
    EXPECT_EQ(SearchWords("  San  José-de Cúcuta "),
              (std::vector<std::string>{"san", "jose", "de", "cucuta"}));
    EXPECT_EQ(SearchWords("L'Hospitalet de Llobregat"),
              (std::vector<std::string>{"l", "hospitalet", "de", "llobregat"}));
    EXPECT_EQ(SearchWords("St. Petersburg (Rusia)"),
              (std::vector<std::string>{"st", "petersburg", "rusia"}));
    EXPECT_EQ(SearchWords("Washington, D.C."), (std::vector<std::string>{"washington", "d", "c"}));
    EXPECT_EQ(SearchWords("Castilla\xE2\x80\x93La Mancha"),  // en dash
              (std::vector<std::string>{"castilla", "la", "mancha"}));
    EXPECT_EQ(SearchWords("A\xC2\xA0"
                          "B"),
              (std::vector<std::string>{"a", "b"}));  // no-break space
    EXPECT_EQ(SearchWords("3\xC3\x97"
                          "4"),
              (std::vector<std::string>{"3", "4"}));  // ×
    EXPECT_TRUE(SearchWords("").empty());
    EXPECT_TRUE(SearchWords(" -,. ").empty());
}

TEST(SearchWords, MalformedBytesSeparateWithoutLosingTheRest) {
    EXPECT_EQ(SearchWords("Bad\xFFName"), (std::vector<std::string>{"bad", "name"}));
    EXPECT_EQ(SearchWords("cut\xC3"), (std::vector<std::string>{"cut"}));
    EXPECT_EQ(SearchWords("\xE2\x82"), std::vector<std::string>{});
}

}  // namespace
}  // namespace natalis
