// The atlas: loading, the search and its order, the user's places, a missing file. A small
// atlas written for each test shows the rules; the program's own atlas file checks the places
// the program promises, and a plain reading of that file checks the index.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <limits>
#include <set>
#include <string>
#include <vector>

#include "app/model/Atlas.h"
#include "app/model/SearchText.h"
#include "app/model/UserPlaces.h"
#include "astro/TimeZoneHistory.h"
#include "tests/app/TempFolder.h"
#include "tests/app/model/MoBytes.h"

namespace natalis {
namespace {

// A place line of the atlas file.
std::string City(long id, const std::string& shown, const std::string& others, double lat,
                 double lon, const std::string& key, long people, const std::string& zone) {
    return std::to_string(id) + "\t" + shown + "\t" + others + "\t" + std::to_string(lat) + "\t" +
           std::to_string(lon) + "\t" + key + "\t" + std::to_string(people) + "\t" + zone + "\n";
}

// A small atlas in a temporary folder: two Córdobas and their neighbours.
class SmallAtlas : public testing::Test {
  protected:
    void SetUp() override {
        file_ = data_ / kAtlasFileName;
        WriteBytes(
            file_,
            "# an atlas for a test\n"
            "C\tES\tEspaña\tSpain\nC\tAR\tArgentina\tArgentina\n"
            "R\tES.51\tAndalucía\tAndalusia\nR\tAR.05\tCórdoba\tCordoba\n" +
                City(3860259, "Córdoba", "Cordoba", -31.4135, -64.18105, "AR.05", 1428214,
                     "America/Argentina/Cordoba") +
                City(2519240, "Córdoba", "Cordoba", 37.89155, -4.77275, "ES.51", 328428,
                     "Europe/Madrid") +
                City(2512000, "Priego de Córdoba", "", 37.43, -4.19, "ES.51", 22000,
                     "Europe/Madrid") +
                City(2519300, "Cordobilla", "", 37.5, -4.5, "ES.51", 16000, "Europe/Madrid") +
                City(2519400, "Espartinas", "", 37.38, -6.12, "ES.51", 15500, "Europe/Madrid"));
    }

    // "name, region, country" of each place found.
    static std::vector<std::string> Shown(const std::vector<Place>& found) {
        std::vector<std::string> out;
        for (const Place& p : found) out.push_back(p.name + ", " + p.region + ", " + p.country);
        return out;
    }

    TempFolder data_, charts_;
    std::string file_;
};

using Lines = std::vector<std::string>;

TEST_F(SmallAtlas, HomonymsShowTheirRegionAndCountryLargestFirst) {
    const Atlas atlas = Atlas::Load(file_, "");
    EXPECT_TRUE(atlas.Warnings().empty());
    EXPECT_EQ(atlas.PlaceCount(), 5u);
    // Both Córdobas are named exactly; the larger comes first, then the name that only has
    // the word (Cordobilla does not begin with "cordoba").
    EXPECT_EQ(Shown(atlas.Search("Córdoba")),
              (Lines{"Córdoba, Córdoba, Argentina", "Córdoba, Andalucía, España",
                     "Priego de Córdoba, Andalucía, España"}));
}

TEST_F(SmallAtlas, IgnoresCaseAndAccents) {
    const Atlas atlas = Atlas::Load(file_, "");
    const Lines expected = Shown(atlas.Search("Córdoba"));
    for (const char* typed : {"cordoba", "CORDOBA", "CÓRDOBA", "Cordóba", "  córdoba  "}) {
        EXPECT_EQ(Shown(atlas.Search(typed)), expected) << typed;
    }
}

TEST_F(SmallAtlas, ExactNamesThenNamesBeginningWithTheTextThenTheRest) {
    const Atlas atlas = Atlas::Load(file_, "");
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
    const Atlas atlas = Atlas::Load(file_, "");
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
    const Atlas atlas = Atlas::Load(file_, "");
    EXPECT_TRUE(atlas.Search("").empty());
    EXPECT_TRUE(atlas.Search(" ,. ").empty());
    EXPECT_TRUE(atlas.Search("zaragoza").empty());
    EXPECT_TRUE(atlas.Search("cordoba", 0).empty());
    EXPECT_TRUE(atlas.Search("cordobaz").empty());
}

TEST_F(SmallAtlas, KeepsCoordinatesZoneAndPopulation) {
    const Atlas atlas = Atlas::Load(file_, "");
    const std::vector<Place> found = atlas.Search("córdoba esp", 1);
    ASSERT_EQ(found.size(), 1u);
    EXPECT_NEAR(found[0].latitudeDeg, 37.89155, 1e-9);
    EXPECT_NEAR(found[0].longitudeDeg, -4.77275, 1e-9);
    EXPECT_EQ(found[0].zone, "Europe/Madrid");
    EXPECT_EQ(found[0].population, 328428);
    EXPECT_EQ(found[0].geonameId, 2519240);
    EXPECT_FALSE(found[0].userPlace);
}

TEST_F(SmallAtlas, AMissingAtlasFileIsNamedAndTheUsersPlacesAreSearched) {
    std::remove(file_.c_str());
    ASSERT_TRUE(SaveUserPlace(charts_.path(), {"Villa Gesell", "Buenos Aires", "Argentina", -37.25,
                                               -56.97, "America/Argentina/Buenos_Aires"})
                    .ok);
    const Atlas none = Atlas::Load(file_, charts_.path());
    ASSERT_EQ(none.Warnings().size(), 1u);
    EXPECT_EQ(none.Warnings()[0], "No se encontró el archivo del atlas «" + file_ +
                                      "»: el atlas no tiene lugares; solo se buscan los propios.");
    EXPECT_EQ(Shown(none.Search("villa")), (Lines{"Villa Gesell, Buenos Aires, Argentina"}));
    EXPECT_TRUE(none.Search("cordoba").empty());
    EXPECT_EQ(none.ZonesNear(0, 0), (Lines{"America/Argentina/Buenos_Aires"}));
}

TEST_F(SmallAtlas, UnknownRegionOrCountryShowsTheCode) {
    WriteBytes(file_,
               ReadBytes(file_) +
                   City(2522203, "Alboraya", "", 39.5, -0.35, "ES.60", 22405, "Europe/Madrid") +
                   City(3000000, "Lugarejo", "", 10, 10, "ZZ.01", 600, "Africa/Lagos"));
    const Atlas atlas = Atlas::Load(file_, "");
    EXPECT_TRUE(atlas.Warnings().empty());
    EXPECT_EQ(Shown(atlas.Search("alboraya")), (Lines{"Alboraya, , España"}));
    EXPECT_EQ(Shown(atlas.Search("lugarejo")), (Lines{"Lugarejo, , ZZ"}));
    EXPECT_EQ(Shown(atlas.Search("lugarejo zz")), (Lines{"Lugarejo, , ZZ"}));
}

TEST_F(SmallAtlas, LinesThatAreNotPlacesAreCounted) {
    WriteBytes(file_, ReadBytes(file_) + "123\tcut short\n\n" +
                          City(1, "Norte", "", 91, 0, "ES.51", 600, "Europe/Madrid") +
                          "x\tNombre\t\t1\t2\tES.51\t600\tEurope/Madrid\n");
    const Atlas atlas = Atlas::Load(file_, "");
    ASSERT_EQ(atlas.Warnings().size(), 1u);
    EXPECT_EQ(atlas.Warnings()[0],
              "3 renglones de «" + file_ + "» no son lugares y se pasan por alto.");
    EXPECT_EQ(atlas.PlaceCount(), 5u);
}

TEST_F(SmallAtlas, ZonesNearestPlaceFirst) {
    WriteBytes(file_, ReadBytes(file_) + City(2267057, "Lisboa", "Lisbon", 38.71667, -9.13333,
                                              "PT.14", 517802, "Europe/Lisbon"));
    const Atlas atlas = Atlas::Load(file_, "");
    // Mérida (38.92 N, 6.34 W): Espartinas about 170 km away, Lisbon about 245 km.
    EXPECT_EQ(atlas.ZonesNear(38.92, -6.34),
              (Lines{"Europe/Madrid", "Europe/Lisbon", "America/Argentina/Cordoba"}));
    // Off Lisbon's coast; in Córdoba's sierras.
    EXPECT_EQ(atlas.ZonesNear(38.7, -9.5).front(), "Europe/Lisbon");
    EXPECT_EQ(atlas.ZonesNear(-31, -64).front(), "America/Argentina/Cordoba");
}

TEST_F(SmallAtlas, UserPlacesAreSearchedFirstAndKeptAcrossLoads) {
    Atlas atlas = Atlas::Load(file_, charts_.path());
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

    const Atlas reloaded = Atlas::Load(file_, charts_.path());
    EXPECT_TRUE(reloaded.Warnings().empty());
    EXPECT_EQ(Shown(reloaded.Search("cordoba")), expected);
    EXPECT_NEAR(reloaded.Search("cordoba", 1)[0].latitudeDeg, 18.9, 1e-9);
}

TEST_F(SmallAtlas, AFaultyUserPlaceChangesNothing) {
    Atlas atlas = Atlas::Load(file_, charts_.path());
    const FileWriteResult r = atlas.AddUserPlace({"Nada", "", "", 95, 0, "Europe/Madrid"});
    EXPECT_FALSE(r.ok);
    EXPECT_EQ(r.message, "La latitud del lugar debe estar entre -90 y 90 grados.");
    EXPECT_TRUE(atlas.Search("nada").empty());
    EXPECT_FALSE(Exists(charts_ / kUserPlacesFileName));

    Atlas noFolder = Atlas::Load(file_, "");
    const FileWriteResult nowhere =
        noFolder.AddUserPlace({"Algo", "", "", 10, 10, "Europe/Madrid"});
    EXPECT_FALSE(nowhere.ok);
    EXPECT_EQ(nowhere.message, "No hay carpeta de cartas donde guardar el lugar.");
    EXPECT_TRUE(noFolder.Search("algo").empty());
}

// ---- The program's own atlas file ------------------------------------------------------------

// The atlas file as a plain reading of its lines gives it: the check on the loader and index.
struct FileRow {
    long id = 0, population = 0;
    std::string shown, key, zone;
    std::vector<std::string> names;  // folded: shown and others
    std::size_t order = 0;
};

std::vector<FileRow> ReadAtlasLines(const std::string& path) {
    std::vector<FileRow> rows;
    std::ifstream in(path);
    for (std::string line; std::getline(in, line);) {
        if (line.empty() || line[0] < '0' || line[0] > '9') continue;
        std::vector<std::string> f;
        std::size_t at = 0;
        for (std::size_t tab; (tab = line.find('\t', at)) != std::string::npos; at = tab + 1)
            f.push_back(line.substr(at, tab - at));
        f.push_back(line.substr(at));
        if (f.size() != 8) continue;
        FileRow r;
        r.id = std::stol(f[0]);
        r.shown = f[1];
        r.key = f[5];
        r.population = std::stol(f[6]);
        r.zone = f[7];
        r.names.push_back(FoldForSearch(f[1]));
        for (std::size_t b = 0, e; b <= f[2].size(); b = e + 1) {
            e = f[2].find('|', b);
            if (e == std::string::npos) e = f[2].size();
            if (e > b) r.names.push_back(FoldForSearch(f[2].substr(b, e - b)));
        }
        r.order = rows.size();
        rows.push_back(std::move(r));
    }
    return rows;
}

const std::string& ProgramAtlasFile() {
    static const std::string path = std::string(NATALIS_SOURCE_DIR) + "/data/" + kAtlasFileName;
    return path;
}

class ProgramAtlas : public testing::Test {
  protected:
    static void SetUpTestSuite() {
        atlas_ = new Atlas(Atlas::Load(ProgramAtlasFile(), ""));
        rows_ = new std::vector<FileRow>(ReadAtlasLines(ProgramAtlasFile()));
    }
    static void TearDownTestSuite() {
        delete atlas_;
        delete rows_;
        atlas_ = nullptr;
        rows_ = nullptr;
    }
    static const Atlas& atlas() { return *atlas_; }
    static const std::vector<FileRow>& rows() { return *rows_; }

  private:
    static Atlas* atlas_;
    static std::vector<FileRow>* rows_;
};

Atlas* ProgramAtlas::atlas_ = nullptr;
std::vector<FileRow>* ProgramAtlas::rows_ = nullptr;

std::string Line(const Place& p) {
    return p.name + ", " + p.region + ", " + p.country + " (" + p.zone + ")";
}

TEST_F(ProgramAtlas, LoadsEveryLineWithoutComplaint) {
    EXPECT_TRUE(atlas().Warnings().empty());
    EXPECT_EQ(atlas().PlaceCount(), rows().size());
    EXPECT_GT(rows().size(), 190000u);
}

// GeoNames' cities500 has 7,211 places in Spain and 16,917 in Mexico; every one of a sample
// (each 10th, by the file's order) is found by its name and country, as --lugar finds it.
TEST_F(ProgramAtlas, HoldsTheVillagesOfSpainAndMexico) {
    struct Country {
        const char* code;
        const char* name;
        std::size_t atLeast;
    } countries[] = {{"ES", "España", 7000}, {"MX", "México", 16000}};
    for (const Country& c : countries) {
        std::vector<const FileRow*> in;
        for (const FileRow& r : rows())
            if (r.key.compare(0, 3, std::string(c.code) + ".") == 0) in.push_back(&r);
        EXPECT_GE(in.size(), c.atLeast) << c.code;
        for (std::size_t k = 0; k < in.size(); k += 10) {
            const std::vector<Place> found = atlas().Search(
                in[k]->shown + " " + c.name, std::numeric_limits<std::size_t>::max());
            EXPECT_TRUE(std::any_of(found.begin(), found.end(),
                                    [&](const Place& p) { return p.geonameId == in[k]->id; }))
                << in[k]->shown << " " << c.name;
        }
    }
}

// Each zone of the atlas is known to the tz database the program resolves clock times with.
TEST_F(ProgramAtlas, EveryZoneResolvesInTheTimeZoneDatabase) {
    std::set<std::string> zones;
    for (const FileRow& r : rows()) zones.insert(r.zone);
    const std::vector<std::string> listed = atlas().ZonesNear(40.4, -3.7);
    EXPECT_EQ(std::set<std::string>(listed.begin(), listed.end()), zones);
    EXPECT_EQ(listed.size(), zones.size());
    EXPECT_EQ(listed.front(), "Europe/Madrid");
    // Any answer but an unknown zone or a database failure shows the zone resolves (a clock
    // time may fall in a change: Khartoum's clocks skipped 12:00 on 15 1 2000).
    for (const std::string& zone : zones) {
        const ZoneTimeResult r = ResolveLocalTime(zone, CivilTime{2010, 7, 1, 12, 0, 0});
        EXPECT_NE(r.status, ZoneTimeStatus::UnknownZone) << zone << ": " << r.message;
        EXPECT_NE(r.status, ZoneTimeStatus::DatabaseError) << zone << ": " << r.message;
    }
}

TEST_F(ProgramAtlas, VillagesHomonymsAndAccents) {
    struct Case {
        const char* typed;
        long id;  // GeoNames id (cities500.txt)
        const char* shown;
    } cases[] = {
        {"Carcabuey", 2520151, "Carcabuey, Andalucía, España (Europe/Madrid)"},
        {"carcab", 2520151, "Carcabuey, Andalucía, España (Europe/Madrid)"},
        {"Tafí del Valle", 3834814,
         "Tafí del Valle, Tucumán, Argentina (America/Argentina/Tucuman)"},
        {"tafi del valle", 3834814,
         "Tafí del Valle, Tucumán, Argentina (America/Argentina/Tucuman)"},
        {"TAFI DEL", 3834814, "Tafí del Valle, Tucumán, Argentina (America/Argentina/Tucuman)"},
        // Tafí Viejo (about 40,000 people) is larger than Tafí del Valle.
        {"TAFI", 3834813, "Tafí Viejo, Tucumán, Argentina (America/Argentina/Tucuman)"},
        {"Chascomús", 3435448,
         "Chascomús, Buenos Aires, Argentina (America/Argentina/Buenos_Aires)"},
        {"chascomus", 3435448,
         "Chascomús, Buenos Aires, Argentina (America/Argentina/Buenos_Aires)"},
        {"córdoba", 3860259, "Córdoba, Córdoba, Argentina (America/Argentina/Cordoba)"},
        {"cordoba españa", 2519240, "Córdoba, Andalucía, España (Europe/Madrid)"},
        {"cordoba andalucia", 2519240, "Córdoba, Andalucía, España (Europe/Madrid)"},
        {"cordoba argentina", 3860259, "Córdoba, Córdoba, Argentina (America/Argentina/Cordoba)"},
        {"Londres", 2643743, "Londres, Inglaterra, Reino Unido (Europe/London)"},
        {"London", 2643743, "Londres, Inglaterra, Reino Unido (Europe/London)"},
    };
    for (const Case& c : cases) {
        const std::vector<Place> found = atlas().Search(c.typed, 1);
        ASSERT_EQ(found.size(), 1u) << c.typed;
        EXPECT_EQ(found[0].geonameId, c.id) << c.typed;
        EXPECT_EQ(Line(found[0]), c.shown) << c.typed;
    }
    // The two Córdobas (and Mexico's) are told apart by region and country, largest first.
    const std::vector<Place> three = atlas().Search("Córdoba", 3);
    ASSERT_EQ(three.size(), 3u);
    EXPECT_EQ(three[0].geonameId, 3860259);
    EXPECT_EQ(three[1].geonameId, 2519240);
    EXPECT_EQ(three[2].geonameId, 3530240);
    EXPECT_EQ(Line(three[2]), "Córdoba, Veracruz-Llave, México (America/Mexico_City)");
}

TEST_F(ProgramAtlas, ExactNameBeatsALargerPlaceThatOnlyHasTheWord) {
    // York (GB) and York (US, Pennsylvania) before Nueva York (8 million).
    const std::vector<Place> found = atlas().Search("york");
    ASSERT_GE(found.size(), 2u);
    EXPECT_EQ(found[0].geonameId, 2633352);
    EXPECT_EQ(found[1].geonameId, 4562407);
    const std::vector<Place> ny = atlas().Search("nueva york", 1);
    ASSERT_EQ(ny.size(), 1u);
    EXPECT_EQ(ny[0].geonameId, 5128581);
    EXPECT_EQ(ny[0].region, "Nueva York");
}

// The index against a plain scan of the file: for a single word, a place matches when one of
// its names has a word beginning with it; the order is exact name, then name beginning with
// the word, then population, then shown name, then the order of the file.
TEST_F(ProgramAtlas, AgreesWithABruteForceScanOfTheFile) {
    for (const std::string q : {"san", "cor", "lon", "mun", "a", "ber", "z", "nueva", "saint"}) {
        struct Hit {
            int tier;
            const FileRow* row;
        };
        std::vector<Hit> expected;
        for (const FileRow& r : rows()) {
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

// ---- The script that makes the atlas file ---------------------------------------------------

// scripts/atlas.py run on the extracts of GeoNames' files in tests/data/atlas and a Spanish
// catalogue made here; its output loaded as the program loads it.
TEST(AtlasScript, MakesTheAtlasFromGeoNamesFiles) {
    const std::string source = NATALIS_SOURCE_DIR;
    const std::string extract = source + "/tests/data/atlas/";
    TempFolder out;
    WriteBytes(out / "geonames.mo", MakeMo({{"", "Content-Type: text/plain; charset=UTF-8\n"},
                                            {"ES", "España"},
                                            {"AR", "Argentina"},
                                            {"GB", "Reino Unido"},
                                            {"ES.51", "Comunidad Autónoma de Andalucía"},
                                            {"AR.05", "Provincia de Córdoba"},
                                            {"AR.24", "Provincia de Tucumán"},
                                            {"2643743", "Londres"}}));
    const std::string atlasFile = out / kAtlasFileName;
    const std::string command =
        "python3 '" + source + "/scripts/atlas.py' --lugares '" + extract +
        "cities500.txt' --regiones '" + extract + "admin1.json' --regiones '" + extract +
        "admin1Codes.txt' --paises '" + extract + "countryInfo.txt' --castellano '" +
        (out / "geonames.mo") + "' --salida '" + atlasFile + "'";
    ASSERT_EQ(std::system(command.c_str()), 0) << command;

    const std::string text = ReadBytes(atlasFile);
    EXPECT_NE(text.find("GeoNames (https://www.geonames.org)"), std::string::npos);
    EXPECT_NE(text.find("CC BY 4.0"), std::string::npos);

    const Atlas atlas = Atlas::Load(atlasFile, "");
    EXPECT_TRUE(atlas.Warnings().empty());
    EXPECT_EQ(atlas.PlaceCount(), 8u);  // the extract's lines
    struct Case {
        const char* typed;
        const char* shown;
    } cases[] = {
        // Spanish name from the catalogue, found by GeoNames' name too.
        {"londres", "Londres, England, Reino Unido (Europe/London)"},
        {"london", "Londres, England, Reino Unido (Europe/London)"},
        // Region's Spanish name without "Provincia de"; found by GeoNames' region name.
        {"tafi", "Tafí del Valle, Tucumán, Argentina (America/Argentina/Tucuman)"},
        {"tafi tucuman", "Tafí del Valle, Tucumán, Argentina (America/Argentina/Tucuman)"},
        // A division only in the second file; a country only in countryInfo.txt.
        {"chascomus", "Chascomús, Buenos Aires, Argentina (America/Argentina/Buenos_Aires)"},
        {"cordoba mexico", "Córdoba, Veracruz, Mexico (America/Mexico_City)"},
        // A division in neither file: no region.
        {"alboraya", "Alboraya, , España (Europe/Madrid)"},
        {"carcabuey", "Carcabuey, Andalucía, España (Europe/Madrid)"},
    };
    for (const Case& c : cases) {
        const std::vector<Place> found = atlas.Search(c.typed);
        ASSERT_EQ(found.size(), 1u) << c.typed;
        EXPECT_EQ(Line(found[0]), c.shown) << c.typed;
    }
    // Largest first: Córdoba AR 1,317,298; ES 325,708; MX 140,896 (cities500.txt).
    const std::vector<Place> cordoba = atlas.Search("cordoba");
    ASSERT_EQ(cordoba.size(), 3u);
    EXPECT_EQ(Line(cordoba[0]), "Córdoba, Córdoba, Argentina (America/Argentina/Cordoba)");
    EXPECT_EQ(Line(cordoba[1]), "Córdoba, Andalucía, España (Europe/Madrid)");
    EXPECT_NEAR(cordoba[1].latitudeDeg, 37.89155, 1e-9);
    EXPECT_NEAR(cordoba[1].longitudeDeg, -4.77275, 1e-9);
    EXPECT_EQ(cordoba[1].population, 325708);
}

}  // namespace
}  // namespace natalis
