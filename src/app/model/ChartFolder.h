// Where the chart files live, and where the program's own data (the glyph font, the sample
// charts) are, decided from where the program runs. Pure: the filesystem is asked only
// through the predicate it is given.
#pragma once
#include <functional>
#include <optional>
#include <string>

namespace natalis {

// How the program was found to run.
enum class ProgramLayout {
    Portable,   // the glyph font beside the program: a build folder or a copied folder
    Installed,  // the data under <prefix>/share/natalis, the program under <prefix>/bin
    Bare,       // neither: the program alone; its built-in font copy, charts beside it
};

struct ChartFolderInputs {
    std::string executableFolder;             // absolute folder of the running program
    std::string home;                         // HOME; empty when unset
    std::string xdgDataHome;                  // XDG_DATA_HOME; empty when unset
    std::optional<std::string> folderOption;  // --folder DIR, as given
    // The install's data folder relative to its program folder.
    std::string dataFromProgram = "../share/natalis";
};

struct ChartFolderChoice {
    ProgramLayout layout = ProgramLayout::Bare;
    std::string dataFolder;   // font and sample charts, with a trailing "/"
    std::string chartFolder;  // the chart files, with a trailing "/"; empty with an error
    // chartFolder is the user's data folder: it is created, with the sample charts copied
    // in, when it does not exist yet.
    bool userDataFolder = false;
    std::string error;  // Spanish, when no chart folder can be named
};

// Given:    in: the program's folder, the environment and the --folder option.
//           exists: whether a path names an existing file or folder.
// Returned: the layout, the data folder and the chart folder.
// Notes:    Portable when ORRASTRO.TTF is beside the program; else Installed when
//           <program folder>/<dataFromProgram> exists; else Bare. Portable and Bare keep the
//           charts beside the program. Installed keeps them in $XDG_DATA_HOME/natalis, or
//           $HOME/.local/share/natalis when XDG_DATA_HOME is unset, empty or relative; whoever
//           runs it, root included. A relative or empty HOME with no usable XDG_DATA_HOME is
//           an error. --folder names the chart folder in every layout and is never seeded.
//           Paths are normalised lexically ("bin/../share" becomes "share").
// References: the freedesktop.org base-directory rules, version 0.8 (XDG_DATA_HOME, its
//           default and the rule that relative paths are ignored).
ChartFolderChoice ResolveChartFolder(const ChartFolderInputs& in,
                                     const std::function<bool(const std::string&)>& exists);

}  // namespace natalis
