// Reading gettext catalogues as data.
#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <string>

#include "app/model/MoCatalogue.h"
#include "tests/app/model/MoBytes.h"

namespace natalis {
namespace {

using Pairs = MoPairs;

const std::string kHeader = "Content-Type: text/plain; charset=UTF-8\n";

TEST(ParseMoCatalogue, ReadsPairsOfEitherByteOrder) {
    const Pairs pairs = {
        {"", kHeader}, {"2643743", "Londres"}, {"ES.51", "Andalucía"}, {"DE", "Alemania"}};
    for (bool bigEndian : {false, true}) {
        const MoCatalogue c = ParseMoCatalogue(MakeMo(pairs, bigEndian));
        ASSERT_TRUE(c.ok) << c.error;
        EXPECT_EQ(c.entries.size(), 3u);  // the header is not an entry
        EXPECT_EQ(c.entries.at("2643743"), "Londres");
        EXPECT_EQ(c.entries.at("ES.51"), "Andalucía");
        EXPECT_EQ(c.entries.at("DE"), "Alemania");
    }
}

TEST(ParseMoCatalogue, KeepsTheFirstPluralFormAndSkipsUntranslated) {
    const MoCatalogue c = ParseMoCatalogue(
        MakeMo({{"", kHeader},
                {std::string("file\0files", 10), std::string("archivo\0archivos", 16)},
                {"empty", ""}}));
    ASSERT_TRUE(c.ok);
    EXPECT_EQ(c.entries.at("file"), "archivo");
    EXPECT_EQ(c.entries.count("empty"), 0u);
}

TEST(ParseMoCatalogue, RefusesDamagedOrForeignBytes) {
    EXPECT_FALSE(ParseMoCatalogue("").ok);
    EXPECT_FALSE(ParseMoCatalogue("not a catalogue, just some text of some length").ok);
    std::string cut = MakeMo({{"", kHeader}, {"a", "b"}});
    cut.resize(cut.size() - 3);  // the last string now runs past the end
    const MoCatalogue damaged = ParseMoCatalogue(cut);
    EXPECT_FALSE(damaged.ok);
    EXPECT_FALSE(damaged.error.empty());
    EXPECT_TRUE(damaged.entries.empty());
    std::string huge = MakeMo({{"a", "b"}});
    huge[8] = '\xff';  // more strings than the bytes hold
    EXPECT_FALSE(ParseMoCatalogue(huge).ok);
    const MoCatalogue latin1 = ParseMoCatalogue(
        MakeMo({{"", "Content-Type: text/plain; charset=ISO-8859-1\n"}, {"a", "b"}}));
    EXPECT_FALSE(latin1.ok);
    EXPECT_EQ(latin1.error, "el catálogo de traducciones no está en UTF-8");
}

TEST(ParseMoCatalogue, GeoNamesSpanishCatalogueMapsIdsAndCodes) {
    // libgeonames-common's catalogue: GeoNames ids of places, division codes, ISO codes.
    std::ifstream in("/usr/share/locale/es/LC_MESSAGES/geonames.mo", std::ios::binary);
    ASSERT_TRUE(in) << "libgeonames-common is not installed";
    const std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    const MoCatalogue c = ParseMoCatalogue(bytes);
    ASSERT_TRUE(c.ok) << c.error;
    EXPECT_GT(c.entries.size(), 4000u);
    EXPECT_EQ(c.entries.at("2643743"), "Londres");  // London
    EXPECT_EQ(c.entries.at("2886242"), "Colonia");  // Köln
    EXPECT_EQ(c.entries.at("2867714"), "Múnich");   // München
    EXPECT_EQ(c.entries.at("ES"), "España");
    EXPECT_EQ(c.entries.at("GB"), "Reino Unido");
    EXPECT_EQ(c.entries.at("ES.51"), "Comunidad Autónoma de Andalucía");
    EXPECT_EQ(c.entries.at("AR.05"), "Provincia de Córdoba");
}

}  // namespace
}  // namespace natalis
