// The layers of the source tree: each includes only the layers below it, and nothing below
// the widgets includes Qt. Read from the sources themselves, so a new include that climbs a
// layer fails here.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <regex>
#include <string>

namespace natalis {
namespace {

namespace fs = std::filesystem;

// Rank of a source file or an included header by its path under src/, lowest first:
// astro, app/model, chart, predictive, entry, app, then the widgets (any ui/ folder) and
// main.cpp. -1 for a path outside the layers.
int Rank(const std::string& path) {
    if (path.find("/ui/") != std::string::npos || path == "main.cpp") return 6;
    const struct {
        const char* prefix;
        int rank;
    } layers[] = {{"astro/", 0},      {"app/model/", 1}, {"chart/", 2},
                  {"predictive/", 3}, {"entry/", 4},     {"app/", 5}};
    for (const auto& l : layers) {
        if (path.rfind(l.prefix, 0) == 0) return l.rank;
    }
    return -1;
}

struct Include {
    int line;
    std::string target;  // the quoted path, or the angle-bracket name
    bool quoted;
};

std::vector<Include> Includes(const fs::path& file) {
    static const std::regex include(R"(^\s*#\s*include\s*([<"])([^>"]+)[>"])");
    std::vector<Include> out;
    std::ifstream in(file);
    std::string text;
    for (int n = 1; std::getline(in, text); ++n) {
        std::smatch m;
        if (std::regex_search(text, m, include)) out.push_back({n, m[2], m[1] == "\""});
    }
    return out;
}

TEST(Layers, EachSourceIncludesOnlyItsOwnLayerAndThoseBelow) {
    const fs::path src = fs::path(NATALIS_SOURCE_DIR) / "src";
    int files = 0;
    for (const auto& entry : fs::recursive_directory_iterator(src)) {
        if (!entry.is_regular_file()) continue;
        const std::string ext = entry.path().extension().string();
        if (ext != ".cpp" && ext != ".h") continue;
        const std::string rel = fs::relative(entry.path(), src).generic_string();
        const int own = Rank(rel);
        ASSERT_GE(own, 0) << rel << " lies outside the layers";
        ++files;
        for (const Include& inc : Includes(entry.path())) {
            if (inc.quoted) {
                const int theirs = Rank(inc.target);
                if (theirs < 0) continue;  // a header beside it, or a generated one
                EXPECT_LE(theirs, own) << rel << ":" << inc.line << " includes " << inc.target;
            } else if (own < 6) {
                const bool qt = inc.target.size() > 1 && inc.target[0] == 'Q' &&
                                (std::isupper(static_cast<unsigned char>(inc.target[1])) ||
                                 inc.target.rfind("Qt", 0) == 0);
                EXPECT_FALSE(qt) << rel << ":" << inc.line << " includes <" << inc.target
                                 << "> below the widgets";
            }
        }
    }
    EXPECT_GT(files, 50);  // the tree was found and read
}

TEST(Layers, RankOrderOfTheFolders) {
    EXPECT_LT(Rank("astro/Houses.h"), Rank("app/model/ChartFile.h"));
    EXPECT_LT(Rank("app/model/ChartFile.h"), Rank("chart/CalcularNatal.h"));
    EXPECT_LT(Rank("chart/CalcularNatal.h"), Rank("predictive/Transito.h"));
    EXPECT_LT(Rank("predictive/Transito.h"), Rank("entry/AceptarDatos.h"));
    EXPECT_LT(Rank("entry/AceptarDatos.h"), Rank("app/ChartSession.h"));
    EXPECT_LT(Rank("app/ChartSession.h"), Rank("app/ui/CuadroGral.h"));
    EXPECT_EQ(Rank("chart/ui/QtSurface.h"), Rank("main.cpp"));
}

}  // namespace
}  // namespace natalis
