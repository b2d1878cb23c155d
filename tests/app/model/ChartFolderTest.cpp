// Where the charts live: beside the program when it runs from its build folder or a
// portable copy, in the user's data folder when it is installed, or where --folder says.
// One row a case; the filesystem is a set of existing paths.
#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "app/model/ChartFolder.h"

namespace natalis {
namespace {

struct Case {
    const char* name;
    const char* program;                // the program's folder
    std::vector<std::string> existing;  // paths that exist
    const char* home;                   // HOME
    const char* xdg;                    // XDG_DATA_HOME
    std::optional<std::string> folder;  // --folder
    ProgramLayout layout;
    const char* dataFolder;
    const char* chartFolder;  // "" with an error
    bool userDataFolder;
};

const Case kCases[] = {
    {"build folder: font beside the program",
     "/src/natalis/build",
     {"/src/natalis/build/ORRASTRO.TTF"},
     "/home/ana",
     "",
     std::nullopt,
     ProgramLayout::Portable,
     "/src/natalis/build/",
     "/src/natalis/build/",
     false},
    {"portable copy wins over an install beside it",
     "/opt/natalis/bin",
     {"/opt/natalis/bin/ORRASTRO.TTF", "/opt/natalis/share/natalis"},
     "/home/ana",
     "/x",
     std::nullopt,
     ProgramLayout::Portable,
     "/opt/natalis/bin/",
     "/opt/natalis/bin/",
     false},
    {"installed under /usr: the user's ~/.local/share",
     "/usr/bin",
     {"/usr/share/natalis"},
     "/home/ana",
     "",
     std::nullopt,
     ProgramLayout::Installed,
     "/usr/share/natalis/",
     "/home/ana/.local/share/natalis/",
     true},
    {"installed under /usr/local",
     "/usr/local/bin",
     {"/usr/local/share/natalis"},
     "/home/ana",
     "",
     std::nullopt,
     ProgramLayout::Installed,
     "/usr/local/share/natalis/",
     "/home/ana/.local/share/natalis/",
     true},
    {"installed: XDG_DATA_HOME wins over HOME",
     "/usr/bin",
     {"/usr/share/natalis"},
     "/home/ana",
     "/datos/ana",
     std::nullopt,
     ProgramLayout::Installed,
     "/usr/share/natalis/",
     "/datos/ana/natalis/",
     true},
    {"installed: a relative XDG_DATA_HOME is ignored",
     "/usr/bin",
     {"/usr/share/natalis"},
     "/home/ana",
     "datos",
     std::nullopt,
     ProgramLayout::Installed,
     "/usr/share/natalis/",
     "/home/ana/.local/share/natalis/",
     true},
    {"installed, run by root: root's own data folder",
     "/usr/bin",
     {"/usr/share/natalis"},
     "/root",
     "",
     std::nullopt,
     ProgramLayout::Installed,
     "/usr/share/natalis/",
     "/root/.local/share/natalis/",
     true},
    {"installed, HOME is /",
     "/usr/bin",
     {"/usr/share/natalis"},
     "/",
     "",
     std::nullopt,
     ProgramLayout::Installed,
     "/usr/share/natalis/",
     "/.local/share/natalis/",
     true},
    {"installed: extra slashes are folded",
     "/usr/bin/",
     {"/usr/share/natalis"},
     "/home//ana/",
     "",
     std::nullopt,
     ProgramLayout::Installed,
     "/usr/share/natalis/",
     "/home/ana/.local/share/natalis/",
     true},
    {"installed without HOME: XDG_DATA_HOME alone is enough",
     "/usr/bin",
     {"/usr/share/natalis"},
     "",
     "/datos",
     std::nullopt,
     ProgramLayout::Installed,
     "/usr/share/natalis/",
     "/datos/natalis/",
     true},
    {"installed without HOME nor XDG_DATA_HOME: no folder",
     "/usr/bin",
     {"/usr/share/natalis"},
     "",
     "",
     std::nullopt,
     ProgramLayout::Installed,
     "/usr/share/natalis/",
     "",
     false},
    {"installed with a relative HOME: no folder",
     "/usr/bin",
     {"/usr/share/natalis"},
     "ana",
     "",
     std::nullopt,
     ProgramLayout::Installed,
     "/usr/share/natalis/",
     "",
     false},
    {"installed: --folder overrides, not seeded",
     "/usr/bin",
     {"/usr/share/natalis"},
     "/home/ana",
     "/datos",
     std::string("/srv/cartas"),
     ProgramLayout::Installed,
     "/usr/share/natalis/",
     "/srv/cartas/",
     false},
    {"installed without HOME: --folder still works",
     "/usr/bin",
     {"/usr/share/natalis"},
     "",
     "",
     std::string("/srv/cartas/"),
     ProgramLayout::Installed,
     "/usr/share/natalis/",
     "/srv/cartas/",
     false},
    {"build folder: --folder overrides",
     "/src/natalis/build",
     {"/src/natalis/build/ORRASTRO.TTF"},
     "/home/ana",
     "",
     std::string("/tmp/otras"),
     ProgramLayout::Portable,
     "/src/natalis/build/",
     "/tmp/otras/",
     false},
    {"program alone: charts beside it",
     "/tmp/solo",
     {},
     "/home/ana",
     "",
     std::nullopt,
     ProgramLayout::Bare,
     "/tmp/solo/",
     "/tmp/solo/",
     false},
    {"a bin folder without share/natalis is no install",
     "/usr/bin",
     {"/usr/share"},
     "/home/ana",
     "",
     std::nullopt,
     ProgramLayout::Bare,
     "/usr/bin/",
     "/usr/bin/",
     false},
};

TEST(ResolveChartFolder, TableOfLayouts) {
    for (const Case& c : kCases) {
        SCOPED_TRACE(c.name);
        const std::set<std::string> existing(c.existing.begin(), c.existing.end());
        std::vector<std::string> asked;
        ChartFolderInputs in;
        in.executableFolder = c.program;
        in.home = c.home;
        in.xdgDataHome = c.xdg;
        in.folderOption = c.folder;
        const ChartFolderChoice got = ResolveChartFolder(in, [&](const std::string& p) {
            asked.push_back(p);
            return existing.count(p) > 0;
        });
        EXPECT_EQ(got.layout, c.layout);
        EXPECT_EQ(got.dataFolder, c.dataFolder);
        EXPECT_EQ(got.chartFolder, c.chartFolder);
        EXPECT_EQ(got.userDataFolder, c.userDataFolder);
        EXPECT_EQ(got.error.empty(), std::string(c.chartFolder) != "");
        EXPECT_FALSE(asked.empty());  // the layout comes from the filesystem, not a guess
    }
}

TEST(ResolveChartFolder, NoFolderNamesHomeXdgAndTheWayOut) {
    ChartFolderInputs in;
    in.executableFolder = "/usr/bin";
    const ChartFolderChoice got =
        ResolveChartFolder(in, [](const std::string& p) { return p == "/usr/share/natalis"; });
    EXPECT_EQ(got.error,
              "No se sabe dónde guardar las cartas: ni HOME ni XDG_DATA_HOME nombran una carpeta "
              "absoluta. Indique una con --folder CARPETA.");
}

TEST(ResolveChartFolder, InstallDataFolderFollowsTheBuildsRelativePath) {
    ChartFolderInputs in;
    in.executableFolder = "/opt/n/programas";
    in.home = "/home/ana";
    in.dataFromProgram = "../datos/natalis";
    const ChartFolderChoice got =
        ResolveChartFolder(in, [](const std::string& p) { return p == "/opt/n/datos/natalis"; });
    EXPECT_EQ(got.layout, ProgramLayout::Installed);
    EXPECT_EQ(got.dataFolder, "/opt/n/datos/natalis/");
    in.dataFromProgram.clear();  // no install path: never installed, whatever exists
    const auto allButTheFont = [](const std::string& p) {
        return p.find("ORRASTRO.TTF") == std::string::npos;
    };
    EXPECT_EQ(ResolveChartFolder(in, allButTheFont).layout, ProgramLayout::Bare);
}

}  // namespace
}  // namespace natalis
