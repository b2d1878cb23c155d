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
// astro, app/model, chart, predictive, entry, app/session, app/cli, then each subsystem's
// widgets (chart/ui, entry/ui, predictive/ui), and on top the main window's app/ui and
// main_gui.cpp. main.cpp, the program that answers the text commands without Qt, stands with
// app/cli. A subsystem's ui/ folder may include its own subsystem and the layers below
// app/session, never another subsystem's widgets nor the main window: it reaches the main
// window through a port. -1 for a path outside the layers.
constexpr int kSubsystemUi = 7;  // chart/ui, entry/ui, predictive/ui
constexpr int kAppUi = 9;        // app/ui and main_gui.cpp
constexpr int kCli = 6;          // app/cli and main.cpp

int Rank(const std::string& path) {
    if (path.rfind("app/ui/", 0) == 0 || path == "main_gui.cpp") return kAppUi;
    if (path == "main.cpp") return kCli;
    const struct {
        const char* prefix;
        int rank;
    } layers[] = {{"astro/", 0},
                  {"app/model/", 1},
                  {"chart/ui/", kSubsystemUi},
                  {"chart/", 2},
                  {"predictive/ui/", kSubsystemUi},
                  {"predictive/", 3},
                  {"entry/ui/", kSubsystemUi},
                  {"entry/", 4},
                  {"app/session/", 5},
                  {"app/cli/", kCli}};
    for (const auto& l : layers) {
        if (path.rfind(l.prefix, 0) == 0) return l.rank;
    }
    return -1;
}

// The subsystem folder of a ui/ path ("chart" for "chart/ui/X.h"), empty otherwise.
std::string UiSubsystem(const std::string& path) {
    const auto ui = path.find("/ui/");
    if (ui == std::string::npos || path.rfind("app/", 0) == 0) return {};
    return path.substr(0, ui);
}

// May a file of rank `own` include one of rank `theirs`? Equal ranks are fine within one
// folder; two subsystems' widget folders share a rank but may not include each other, except
// that the chart's widgets (the Surface painter, the view, the dialog keys) are the common
// ground of every window.
bool MayInclude(const std::string& from, const std::string& target) {
    const int own = Rank(from), theirs = Rank(target);
    if (theirs > own) return false;
    const std::string a = UiSubsystem(from), b = UiSubsystem(target);
    if (!a.empty() && !b.empty() && a != b && b != "chart") return false;
    return true;
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
                if (Rank(inc.target) < 0) continue;  // a header beside it, or a generated one
                EXPECT_TRUE(MayInclude(rel, inc.target))
                    << rel << ":" << inc.line << " includes " << inc.target;
            } else if (own < kSubsystemUi) {
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
    const char* order[] = {"astro/Houses.h",          "app/model/ChartFile.h",
                           "chart/CalcularNatal.h",   "predictive/Transito.h",
                           "entry/AceptarDatos.h",    "app/session/ChartSession.h",
                           "app/cli/HeadlessChart.h", "predictive/ui/ControlPredictivo.h",
                           "app/ui/CuadroGral.h"};
    for (size_t i = 1; i < std::size(order); ++i)
        EXPECT_LT(Rank(order[i - 1]), Rank(order[i])) << order[i - 1] << " < " << order[i];
    EXPECT_EQ(Rank("app/ui/CuadroGral.h"), Rank("main_gui.cpp"));
    // The text program may not reach the windows, nor Qt.
    EXPECT_EQ(Rank("main.cpp"), Rank("app/cli/TextCommands.h"));
    EXPECT_FALSE(MayInclude("main.cpp", "app/ui/GuiMain.h"));
}

TEST(Layers, SubsystemWidgetsReachOnlyTheirOwnAndTheChartsWidgets) {
    struct Case {
        const char* from;
        const char* target;
        bool allowed;
    } cases[] = {
        {"predictive/ui/ControlPredictivo.cpp", "entry/ui/InputData.h", false},
        {"predictive/ui/ControlPredictivo.cpp", "app/ui/CuadroGral.h", false},
        {"entry/ui/InputData.cpp", "predictive/ui/FrmPeriodo.h", false},
        {"predictive/ui/ControlPredictivo.cpp", "chart/ui/ChartView.h", true},
        {"predictive/ui/ControlPredictivo.cpp", "predictive/ui/FrmPeriodo.h", true},
        {"predictive/ui/ControlPredictivo.cpp", "app/session/ChartSession.h", true},
        {"app/ui/CuadroGral.cpp", "predictive/ui/ControlPredictivo.h", true},
        {"app/session/ChartSession.cpp", "app/cli/HeadlessChart.h", false},
        {"app/cli/HeadlessChart.cpp", "app/session/ChartSession.h", true},
        {"chart/Rings.cpp", "predictive/Transito.h", false},
    };
    for (const Case& c : cases)
        EXPECT_EQ(MayInclude(c.from, c.target), c.allowed) << c.from << " -> " << c.target;
}

}  // namespace
}  // namespace natalis
