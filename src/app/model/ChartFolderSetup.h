// The chart folder of this process: ResolveChartFolder fed from the running program and its
// environment, and the user's data folder made ready (created, seeded with the samples).
#pragma once
#include <optional>
#include <string>
#include <vector>

#include "app/model/ChartFolder.h"

namespace natalis {

// The folder of the running program (from /proc/self/exe); empty when it cannot be read.
std::string ExecutableFolder();

// The inputs for this process: its folder, HOME (or, when HOME is unset, the home folder of
// the user in the password database), XDG_DATA_HOME, and folderOption made absolute
// against the current folder.
ChartFolderInputs ProcessChartFolderInputs(const std::optional<std::string>& folderOption);

// ResolveChartFolder for this process, asking the filesystem.
ChartFolderChoice ProcessChartFolder(const std::optional<std::string>& folderOption);

// The folder of the program's own data (glyph font, sample charts) for this process.
std::string ProgramDataFolder();

struct ChartFolderSetup {
    bool ok = false;
    // Spanish. With !ok, why there is no chart folder; with ok, a warning (a sample chart
    // that could not be copied) or empty.
    std::string message;
    bool created = false;             // the user's data folder was made just now
    std::vector<std::string> copied;  // the sample charts copied into it, in name order
};

// Makes the chosen chart folder ready. A folder that exists is taken as it is, whatever is
// in it. A missing user's data folder (choice.userDataFolder) is created with its missing
// parents (mode 0700: birth data are personal), then every *.dat of choice.dataFolder is
// copied in; a copy never replaces a file of that name and never leaves a part-written
// chart. Any other missing folder (--folder, the program's) is an error.
ChartFolderSetup SetUpChartFolder(const ChartFolderChoice& choice);

}  // namespace natalis
