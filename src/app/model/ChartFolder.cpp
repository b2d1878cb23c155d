#include "app/model/ChartFolder.h"

#include <filesystem>

namespace natalis {

namespace {

namespace fs = std::filesystem;

// The path normalised, with exactly one trailing "/".
std::string AsFolder(const fs::path& p) {
    std::string s = p.lexically_normal().string();
    while (s.size() > 1 && s.back() == '/') s.pop_back();
    if (s.empty()) s = ".";
    return s == "/" ? s : s + "/";
}

bool Absolute(const std::string& s) { return !s.empty() && s.front() == '/'; }

}  // namespace

ChartFolderChoice ResolveChartFolder(const ChartFolderInputs& in,
                                     const std::function<bool(const std::string&)>& exists) {
    ChartFolderChoice c;
    const fs::path program = fs::path(in.executableFolder).lexically_normal();
    const fs::path installedData = (program / in.dataFromProgram).lexically_normal();
    if (exists((program / "ORRASTRO.TTF").lexically_normal().string())) {
        c.layout = ProgramLayout::Portable;
        c.dataFolder = AsFolder(program);
    } else if (!in.dataFromProgram.empty() && exists(installedData.string())) {
        c.layout = ProgramLayout::Installed;
        c.dataFolder = AsFolder(installedData);
    } else {
        c.layout = ProgramLayout::Bare;
        c.dataFolder = AsFolder(program);
    }

    if (in.folderOption) {
        c.chartFolder = AsFolder(*in.folderOption);
    } else if (c.layout != ProgramLayout::Installed) {
        c.chartFolder = c.dataFolder;
    } else if (Absolute(in.xdgDataHome)) {
        c.chartFolder = AsFolder(fs::path(in.xdgDataHome) / "natalis");
        c.userDataFolder = true;
    } else if (Absolute(in.home)) {
        c.chartFolder = AsFolder(fs::path(in.home) / ".local/share/natalis");
        c.userDataFolder = true;
    } else {
        c.error =
            "No se sabe dónde guardar las cartas: ni HOME ni XDG_DATA_HOME nombran una carpeta "
            "absoluta. Indique una con --folder CARPETA.";
    }
    return c;
}

}  // namespace natalis
