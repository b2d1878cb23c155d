// The atlas: loading, the search and its order, the user's places, missing files. A small
// atlas written for each test shows the rules; the GeoNames files Debian ships check the
// places the program promises, and a brute-force scan of them checks the index.
#include <gtest/gtest.h>

#include <algorithm>
#include <charconv>
#include <fstream>
#include <iterator>
#include <limits>
#include <set>
#include <string>
#include <vector>

#include "app/model/Atlas.h"
#include "app/model/MoCatalogue.h"
#include "app/model/SearchText.h"
#include "app/model/UserPlaces.h"
#include "tests/app/TempFolder.h"
#include "tests/app/model/MoBytes.h"

namespace natalis {
namespace {

// A line of cities15000.txt: the 19 fields GeoNames writes, those the atlas does not read
// left empty or filled with something plausible.
std::string City(long id, const std::string& name, const std::string& ascii, double lat, double lon,
                 const std::string& country, const std::string& admin1, long people,
                 const std::string& zone) {
    return std::to_string(id) + "\t" + name + "\t" + ascii + "\tOtro nombre,Other\t" +
           std::to_string(lat) + "\t" + std::to_string(lon) + "\tP\tPPLA\t" + country + "\t\t" +
           admin1 + "\t\t\t\t" + std::to_string(people) + "\t\t100\t" + zone + "\t2020-01-01\n";
}

// A small atlas in a temporary folder: two Córdobas and their neighbours, with Spanish
// names only for some of them.
class SmallAtlas : public testing::Test {
  protected:
    void SetUp() override {
        files_ = {data_ / "cities15000.txt", data_ / "admin1Codes.txt", data_ / "countryInfo.txt",
                  data_ / "geonames.mo"};
        WriteBytes(files_.cities, City(3860259, "Córdoba", "Cordoba", -31.4135, -64.18105, "AR",
                                       "05", 1428214, "America/Argentina/Cordoba") +
                                      City(2519240, "Cordoba", "Cordoba", 37.89155, -4.77275, "ES",
                                           "51", 328428, "Europe/Madrid") +
                                      City(2512000, "Priego de Córdoba", "Priego de Cordoba", 37.43,
                                           -4.19, "ES", "51", 22000, "Europe/Madrid") +
                                      City(2519300, "Cordobilla", "Cordobilla", 37.5, -4.5, "ES",
                                           "51", 16000, "Europe/Madrid") +
                                      City(2519400, "Espartinas", "Espartinas", 37.38, -6.12, "ES",
                                           "51", 15500, "Europe/Madrid"));
        WriteBytes(files_.regions,
                   "ES.51\tAndalusia\tAndalusia\t2593109\nAR.05\tCordoba\tCordoba\t3860255\n");
        WriteBytes(files_.countries,
                   "# ISO\tISO3\tISO-Numeric\tfips\tCountry\n"
                   "ES\tESP\t724\tSP\tSpain\tMadrid\t504782\t46723749\tEU\n"
                   "AR\tARG\t032\tAR\tArgentina\tBuenos Aires\t2766890\t41343201\tSA\n");
        WriteBytes(files_.spanish, MakeMo({{"", "Content-Type: text/plain; charset=UTF-8\n"},
                                           {"ES", "España"},
                                           {"ES.51", "Comunidad Autónoma de Andalucía"},
                                           {"AR.05", "Provincia de Córdoba"},
                                           {"2519240", "Córdoba"}}));
    }

    // "name, region, country" of each place found.
    static std::vector<std::string> Shown(const std::vector<Place>& found) {
        std::vector<std::string> out;
        for (const Place& p : found) out.push_back(p.name + ", " + p.region + ", " + p.country);
        return out;
    }

    TempFolder data_, charts_;
    AtlasFiles files_;
};

using Lines = std::vector<std::string>;

TEST_F(SmallAtlas, HomonymsShowTheirRegionAndCountryLargestFirst) {
    const Atlas atlas = Atlas::Load(files_, "");
    EXPECT_TRUE(atlas.Warnings().empty());
    EXPECT_EQ(atlas.PlaceCount(), 5u);
    // Both Córdobas are named exactly; the larger comes first, then the name that only has
    // the word (Cordobilla does not begin with "cordoba").
    EXPECT_EQ(Shown(atlas.Search("Córdoba")),
              (Lines{"Córdoba, Córdoba, Argentina", "Córdoba, Andalucía, España",
                     "Priego de Córdoba, Andalucía, España"}));
}

TEST_F(SmallAtlas, IgnoresCaseAndAccents) {
    const Atlas atlas = Atlas::Load(files_, "");
    const Lines expected = Shown(atlas.Search("Córdoba"));
    for (const char* typed : {"cordoba", "CORDOBA", "CÓRDOBA", "Cordóba", "  córdoba  "}) {
        EXPECT_EQ(Shown(atlas.Search(typed)), expected) << typed;
    }
}

TEST_F(SmallAtlas, ExactNamesThenNamesBeginningWithTheTextThenTheRest) {
    const Atlas atlas = Atlas::Load(files_, "");
    // All three begin with "cord"; Priego de Córdoba only has a word that does, so it comes
    // after them although it is larger than Cordobilla.
    EXPECT_EQ(Shown(atlas.Search("cord")),
              (Lines{"Córdoba, Córdoba, Argentina", "Córdoba, Andalucía, España",
                     "Cordobilla, Andalucía, España", "Priego de Córdoba, Andalucía, España"}));
    EXPECT_EQ(Shown(atlas.Search("cord", 2)),
              (Lines{"Córdoba, Córdoba, Argentina", "Córdoba, Andalucía, España"}));
    EXPECT_EQ(Shown(atlas.Search("pri de cor")), (Lines{"Priego de Córdoba, Andalucía, España"}));
}

TEST_F(SmallAtlas, RegionAndCountryWordsNarrowButDoNotFindAlone) {
    const Atlas atlas = Atlas::Load(files_, "");
    EXPECT_EQ(Shown(atlas.Search("cordoba esp")),
              (Lines{"Córdoba, Andalucía, España", "Priego de Córdoba, Andalucía, España"}));
    EXPECT_EQ(Shown(atlas.Search("córdoba argentina")), (Lines{"Córdoba, Córdoba, Argentina"}));
    EXPECT_EQ(Shown(atlas.Search("andalusia cordoba")),  // GeoNames' English region name
              (Lines{"Córdoba, Andalucía, España", "Priego de Córdoba, Andalucía, España"}));
    EXPECT_EQ(Shown(atlas.Search("spain cordob")).size(), 3u);
    // "esp" begins "España" but a country alone finds nothing: only Espartinas is named so.
    EXPECT_EQ(Shown(atlas.Search("esp")), (Lines{"Espartinas, Andalucía, España"}));
    EXPECT_TRUE(atlas.Search("andalucia").empty());
}

TEST_F(SmallAtlas, FindsNothingForBlankTextOrNoMatch) {
    const Atlas atlas = Atlas::Load(files_, "");
    EXPECT_TRUE(atlas.Search("").empty());
    EXPECT_TRUE(atlas.Search(" ,. ").empty());
    EXPECT_TRUE(atlas.Search("zaragoza").empty());
    EXPECT_TRUE(atlas.Search("cordoba", 0).empty());
    EXPECT_TRUE(atlas.Search("cordobaz").empty());
}

TEST_F(SmallAtlas, KeepsCoordinatesZoneAndPopulation) {
    const Atlas atlas = Atlas::Load(files_, "");
    const std::vector<Place> found = atlas.Search("córdoba esp", 1);
    ASSERT_EQ(found.size(), 1u);
    EXPECT_NEAR(found[0].latitudeDeg, 37.89155, 1e-9);
    EXPECT_NEAR(found[0].longitudeDeg, -4.77275, 1e-9);
    EXPECT_EQ(found[0].zone, "Europe/Madrid");
    EXPECT_EQ(found[0].population, 328428);
    EXPECT_EQ(found[0].geonameId, 2519240);
    EXPECT_FALSE(found[0].userPlace);
}

TEST_F(SmallAtlas, EachMissingFileIsNamedAndTheRestIsUsed) {
    std::remove(files_.spanish.c_str());
    const Atlas untranslated = Atlas::Load(files_, "");
    ASSERT_EQ(untranslated.Warnings().size(), 1u);
    EXPECT_EQ(untranslated.Warnings()[0],
              "No se encontró el archivo «" + files_.spanish +
                  "» (paquete libgeonames-common): los lugares se muestran con sus nombres de "
                  "GeoNames.");
    EXPECT_EQ(Shown(untranslated.Search("cordoba", 2)),
              (Lines{"Córdoba, Cordoba, Argentina", "Cordoba, Andalusia, Spain"}));

    std::remove(files_.regions.c_str());
    std::remove(files_.countries.c_str());
    const Atlas bare = Atlas::Load(files_, "");
    ASSERT_EQ(bare.Warnings().size(), 3u);
    EXPECT_EQ(bare.Warnings()[1],
              "No se encontró el archivo «" + files_.countries +
                  "» (paquete libtimezonemap-data): los países se muestran con su código.");
    EXPECT_EQ(bare.Warnings()[2],
              "No se encontró el archivo «" + files_.regions +
                  "» (paquete libtimezonemap-data): los lugares se muestran sin su región.");
    EXPECT_EQ(Shown(bare.Search("cordoba", 2)), (Lines{"Córdoba, , AR", "Cordoba, , ES"}));

    // Without the places file only the user's own places are searched.
    std::remove(files_.cities.c_str());
    ASSERT_TRUE(SaveUserPlace(charts_.path(), {"Villa Gesell", "Buenos Aires", "Argentina", -37.25,
                                               -56.97, "America/Argentina/Buenos_Aires"})
                    .ok);
    const Atlas none = Atlas::Load(files_, charts_.path());
    ASSERT_EQ(none.Warnings().size(), 4u);
    EXPECT_EQ(none.Warnings()[3],
              "No se encontró el archivo «" + files_.cities +
                  "» (paquete libtimezonemap-data): el atlas no tiene lugares; solo se buscan los "
                  "propios.");
    EXPECT_EQ(Shown(none.Search("villa")), (Lines{"Villa Gesell, Buenos Aires, Argentina"}));
}

TEST_F(SmallAtlas, UnreadableFilesAndLinesAreReported) {
    WriteBytes(files_.spanish, "this is no catalogue, only some bytes of text");
    WriteBytes(files_.cities, ReadBytes(files_.cities) + "123\tcut short\n\n");
    const Atlas atlas = Atlas::Load(files_, "");
    ASSERT_EQ(atlas.Warnings().size(), 2u);
    EXPECT_EQ(atlas.Warnings()[0],
              "El archivo «" + files_.spanish +
                  "» (paquete libgeonames-common) no es un catálogo de traducciones: los lugares "
                  "se muestran con sus nombres de GeoNames.");
    EXPECT_EQ(atlas.Warnings()[1],
              "Un renglón de «" + files_.cities + "» no es un lugar y se pasa por alto.");
    EXPECT_EQ(atlas.PlaceCount(), 5u);
}

TEST_F(SmallAtlas, UserPlacesAreSearchedFirstAndKeptAcrossLoads) {
    Atlas atlas = Atlas::Load(files_, charts_.path());
    Place own{"Córdoba", "Veracruz", "México", 18.885, -96.931, "America/Mexico_City"};
    const FileWriteResult added = atlas.AddUserPlace(own);
    ASSERT_TRUE(added.ok) << added.message;
    // Found at once, first among the places named exactly so.
    const Lines expected{"Córdoba, Veracruz, México", "Córdoba, Córdoba, Argentina",
                         "Córdoba, Andalucía, España", "Priego de Córdoba, Andalucía, España"};
    EXPECT_EQ(Shown(atlas.Search("cordoba")), expected);
    EXPECT_TRUE(atlas.Search("cordoba", 1)[0].userPlace);
    EXPECT_EQ(atlas.PlaceCount(), 6u);

    // The same place again with other coordinates replaces it.
    own.latitudeDeg = 18.9;
    ASSERT_TRUE(atlas.AddUserPlace(own).ok);
    EXPECT_EQ(atlas.PlaceCount(), 6u);
    EXPECT_NEAR(atlas.Search("cordoba mexico", 1)[0].latitudeDeg, 18.9, 1e-9);

    const Atlas reloaded = Atlas::Load(files_, charts_.path());
    EXPECT_TRUE(reloaded.Warnings().empty());
    EXPECT_EQ(Shown(reloaded.Search("cordoba")), expected);
    EXPECT_NEAR(reloaded.Search("cordoba", 1)[0].latitudeDeg, 18.9, 1e-9);
}

TEST_F(SmallAtlas, AFaultyUserPlaceChangesNothing) {
    Atlas atlas = Atlas::Load(files_, charts_.path());
    const FileWriteResult r = atlas.AddUserPlace({"Nada", "", "", 95, 0, "Europe/Madrid"});
    EXPECT_FALSE(r.ok);
    EXPECT_EQ(r.message, "La latitud del lugar debe estar entre -90 y 90 grados.");
    EXPECT_TRUE(atlas.Search("nada").empty());
    EXPECT_FALSE(Exists(charts_ / kUserPlacesFileName));

    Atlas noFolder = Atlas::Load(files_, "");
    const FileWriteResult nowhere =
        noFolder.AddUserPlace({"Algo", "", "", 10, 10, "Europe/Madrid"});
    EXPECT_FALSE(nowhere.ok);
    EXPECT_EQ(nowhere.message, "No hay carpeta de cartas donde guardar el lugar.");
    EXPECT_TRUE(noFolder.Search("algo").empty());
}

// ---- The GeoNames files Debian ships -------------------------------------------------------

class GeoNamesAtlas : public testing::Test {
  protected:
    static void SetUpTestSuite() { atlas_ = new Atlas(Atlas::Load(SystemAtlasFiles(), "")); }
    static void TearDownTestSuite() {
        delete atlas_;
        atlas_ = nullptr;
    }
    static const Atlas& atlas() { return *atlas_; }

  private:
    static Atlas* atlas_;
};

Atlas* GeoNamesAtlas::atlas_ = nullptr;

std::string Line(const Place& p) {
    return p.name + ", " + p.region + ", " + p.country + " (" + p.zone + ")";
}

TEST_F(GeoNamesAtlas, LoadsEveryFileWithoutComplaint) {
    EXPECT_TRUE(atlas().Warnings().empty());
    EXPECT_GT(atlas().PlaceCount(), 20000u);
}

TEST_F(GeoNamesAtlas, CordobaOfArgentinaSpainAndMexico) {
    // cities15000.txt: 3860259 Córdoba AR 05 pop 1428214; 2519240 Córdoba ES 51 pop 328428;
    // 3530240 Córdoba MX 30 pop 134403.
    const std::vector<Place> found = atlas().Search("córdoba", 3);
    ASSERT_EQ(found.size(), 3u);
    EXPECT_EQ(Line(found[0]), "Córdoba, Córdoba, Argentina (America/Argentina/Cordoba)");
    EXPECT_EQ(Line(found[1]), "Córdoba, Andalucía, España (Europe/Madrid)");
    EXPECT_EQ(found[2].geonameId, 3530240);
    EXPECT_EQ(found[2].country, "México");
    EXPECT_NEAR(found[1].latitudeDeg, 37.89155, 1e-9);
    EXPECT_NEAR(found[1].longitudeDeg, -4.77275, 1e-9);
}

TEST_F(GeoNamesAtlas, SpanishNamesAreShownAndBothNamesFind) {
    struct Case {
        const char* typed;
        long id;
        const char* shown;
    } cases[] = {
        {"Londres", 2643743, "Londres, Inglaterra, Reino Unido (Europe/London)"},
        {"London", 2643743, "Londres, Inglaterra, Reino Unido (Europe/London)"},
        {"Colonia", 2886242, "Colonia, Renania del Norte-Westfalia, Alemania (Europe/Berlin)"},
        {"Köln", 2886242, "Colonia, Renania del Norte-Westfalia, Alemania (Europe/Berlin)"},
        {"Múnich", 2867714, "Múnich, Baviera, Alemania (Europe/Berlin)"},
        {"munich", 2867714, "Múnich, Baviera, Alemania (Europe/Berlin)"},
        {"Munich", 2867714, "Múnich, Baviera, Alemania (Europe/Berlin)"},  // GeoNames name
    };
    for (const Case& c : cases) {
        const std::vector<Place> found = atlas().Search(c.typed, 1);
        ASSERT_EQ(found.size(), 1u) << c.typed;
        EXPECT_EQ(found[0].geonameId, c.id) << c.typed;
        EXPECT_EQ(Line(found[0]), c.shown) << c.typed;
    }
}

TEST_F(GeoNamesAtlas, ExactNameBeatsALargerPlaceThatOnlyHasTheWord) {
    // York (GB, 144202) and York (US, 43718) before Nueva York (8 million).
    const std::vector<Place> found = atlas().Search("york");
    ASSERT_GE(found.size(), 2u);
    EXPECT_EQ(found[0].geonameId, 2633352);
    EXPECT_EQ(found[1].geonameId, 4562407);
    const std::vector<Place> ny = atlas().Search("nueva york", 1);
    ASSERT_EQ(ny.size(), 1u);
    EXPECT_EQ(ny[0].geonameId, 5128581);
    EXPECT_EQ(ny[0].region, "Nueva York");
}

// The index against a plain scan of the same files: for a single word, a place matches when
// one of its names (Spanish, GeoNames', ASCII) has a word beginning with it; the order is
// exact name, then name beginning with the word, then population, then shown name, then the
// order of the file.
TEST_F(GeoNamesAtlas, AgreesWithABruteForceScanOfTheFiles) {
    const AtlasFiles files = SystemAtlasFiles();
    const MoCatalogue es = ParseMoCatalogue(ReadBytes(files.spanish));
    ASSERT_TRUE(es.ok);
    struct Row {
        long id, population;
        std::string shown;
        std::vector<std::string> names;  // folded
        std::size_t order;
    };
    std::vector<Row> rows;
    std::ifstream in(files.cities);
    for (std::string line; std::getline(in, line);) {
        std::vector<std::string> f;
        std::size_t at = 0;
        for (std::size_t tab; (tab = line.find('\t', at)) != std::string::npos; at = tab + 1) {
            f.push_back(line.substr(at, tab - at));
        }
        f.push_back(line.substr(at));
        ASSERT_EQ(f.size(), 19u) << line;
        Row r{std::stol(f[0]), std::stol(f[14]), f[1], {}, rows.size()};
        const auto t = es.entries.find(f[0]);
        if (t != es.entries.end()) r.shown = t->second;
        r.names = {FoldForSearch(r.shown), FoldForSearch(f[1]), FoldForSearch(f[2])};
        rows.push_back(std::move(r));
    }
    ASSERT_EQ(rows.size(), atlas().PlaceCount());

    for (const std::string q : {"san", "cor", "lon", "mun", "a", "ber", "z", "nueva", "saint"}) {
        struct Hit {
            int tier;
            const Row* row;
        };
        std::vector<Hit> expected;
        for (const Row& r : rows) {
            int tier = 3;
            for (const std::string& n : r.names) {
                if (n == q) tier = std::min(tier, 0);
                if (n.compare(0, q.size(), q) == 0) tier = std::min(tier, 1);
                for (const std::string& w : SearchWords(n)) {
                    if (w.compare(0, q.size(), q) == 0) tier = std::min(tier, 2);
                }
            }
            if (tier < 3) expected.push_back({tier, &r});
        }
        std::sort(expected.begin(), expected.end(), [](const Hit& a, const Hit& b) {
            if (a.tier != b.tier) return a.tier < b.tier;
            if (a.row->population != b.row->population)
                return a.row->population > b.row->population;
            if (a.row->shown != b.row->shown) return a.row->shown < b.row->shown;
            return a.row->order < b.row->order;
        });
        const std::vector<Place> found = atlas().Search(q, std::numeric_limits<std::size_t>::max());
        ASSERT_EQ(found.size(), expected.size()) << q;
        for (std::size_t k = 0; k < found.size(); ++k) {
            ASSERT_EQ(found[k].geonameId, expected[k].row->id) << q << " at " << k;
        }
    }
}

}  // namespace
}  // namespace natalis
