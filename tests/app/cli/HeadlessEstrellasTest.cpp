#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <regex>
#include <string>

#include "app/cli/Headless.h"
#include "tests/app/cli/HeadlessRun.h"

namespace natalis {
namespace {

std::string Sample(const char* name) { return std::string(NATALIS_SOURCE_DIR) + "/charts/" + name; }

// With --estrellas the listing is the default listing followed by the stars' block, and the
// JSON is the default JSON with a "stars" key after all the others; each star conjunct a point
// in the JSON is listed under its name in the block.
TEST(HeadlessEstrellas, ListingAndJsonGainTheStarsAfterTheirOwnContent) {
    for (const char* name : {"Ana_Lucia_Ferreyra.dat", "Hiroshi_Tanaka.dat", "Kiri_Te_Rangi.dat",
                             "Maria_Jose_Perez.dat", "Tomas_Ibanez_de_Ulloa.dat"}) {
        const std::string file = Sample(name);
        const Outcome def = Invoke(HeadlessListing, {"--listing", file});
        const Outcome est = Invoke(HeadlessListing, {"--listing", file, "--estrellas", "behenias"});
        ASSERT_EQ(est.code, 0) << est.err;
        ASSERT_EQ(est.out.rfind(def.out, 0), 0u) << name;
        const std::vector<std::string> block = Lines(est.out.substr(def.out.size()));
        ASSERT_GE(block.size(), 5u);
        EXPECT_EQ(block[1], "ESTRELLAS FIJAS");

        const Outcome jdef = Invoke(HeadlessJson, {"--json", file});
        const Outcome jest = Invoke(HeadlessJson, {"--json", file, "--estrellas", "behenias"});
        ASSERT_EQ(jest.code, 0) << jest.err;
        ASSERT_GT(jdef.out.size(), 2u);
        const std::string cuerpo = jdef.out.substr(0, jdef.out.size() - 2);  // without "}\n"
        ASSERT_EQ(jest.out.rfind(cuerpo + ", \"stars\": [{\"name\": \"Algol\", ", 0), 0u) << name;

        // The JSON's conjunctions, star by star, are the block's lines.
        const std::regex star(
            R"re(\{"name": "([^"]+)", "lon": [-0-9.e]+, "lat": [-0-9.e]+, "texto": "([^"]+)", "conjunctions": \[([^\]]*)\]\})re");
        const std::regex conj(R"re(\{"to": "(\w+)", "orb": ([-0-9.e]+)\})re");
        std::vector<std::string> expected = {"   ", "ESTRELLAS FIJAS", "   "};
        int stars = 0;
        for (std::sregex_iterator it(jest.out.begin(), jest.out.end(), star), end; it != end;
             ++it) {
            ++stars;
            const std::string list = (*it)[3];
            bool first = true;
            for (std::sregex_iterator c(list.begin(), list.end(), conj); c != end; ++c) {
                if (first && expected.size() > 3) expected.push_back("   ");
                if (first) expected.push_back((*it)[2]);
                first = false;
                const double orb = std::stod((*c)[2]);
                EXPECT_LE(orb, 1.0);
                const long min = std::lround(orb * 60);
                const std::string m = std::to_string(min % 60);
                expected.push_back("  Conj " + std::string((*c)[1]) + " ...  " +
                                   std::to_string(min / 60) + "°" + (m.size() < 2 ? "0" : "") + m +
                                   "'");
            }
        }
        EXPECT_EQ(stars, 15) << name;
        if (expected.size() == 3) expected.push_back("Ninguna a menos de 1° de un punto natal.");
        expected.push_back("   ");
        ASSERT_EQ(block.size(), expected.size()) << est.out;
        for (size_t i = 0; i < block.size(); ++i) {
            const size_t dots = expected[i].find(" ... ");
            if (dots == std::string::npos) {
                EXPECT_EQ(block[i], expected[i]);
                continue;
            }
            // "  Conj SOL ...  0°12'": the label, the point's text, the orb.
            const std::string label = expected[i].substr(7, dots - 7);
            const std::string orb = expected[i].substr(dots + 5);
            const std::string text = label == "DSC" ? "C7 " : label == "IC" ? "C4 " : label + " ";
            EXPECT_EQ(block[i].rfind("  Conj " + text, 0), 0u) << block[i];
            EXPECT_EQ(block[i].substr(block[i].size() - orb.size()), orb) << block[i];
        }
    }
}

// A name the catalogue does not have is refused, named, before anything is computed.
TEST(HeadlessEstrellas, UnknownStarIsNamed) {
    const std::string file = Sample("Hiroshi_Tanaka.dat");
    const Outcome r =
        Invoke(HeadlessListing, {"--listing", file, "--estrellas", "Algol,Estrella Perdida"});
    EXPECT_EQ(r.code, 2);
    EXPECT_TRUE(r.out.empty());
    EXPECT_EQ(r.err.rfind("Estrella desconocida para --estrellas: «Estrella Perdida»", 0), 0u)
        << r.err;
    const Outcome ok = Invoke(HeadlessJson, {"--json", file, "--estrellas", "vega,Deneb Algedi"});
    ASSERT_EQ(ok.code, 0) << ok.err;
    EXPECT_NE(ok.out.find("\"stars\": [{\"name\": \"Vega\", "), std::string::npos);
    EXPECT_NE(ok.out.find("{\"name\": \"Deneb Algedi\", "), std::string::npos);
}

}  // namespace
}  // namespace natalis
