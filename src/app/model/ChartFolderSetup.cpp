#include "app/model/ChartFolderSetup.h"

#include <fcntl.h>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <filesystem>

#include "app/model/ChartFormats.h"
#include "app/model/FileBytes.h"
#include "app/model/SafeFileWrite.h"

#ifndef NATALIS_DATA_FROM_PROGRAM
#define NATALIS_DATA_FROM_PROGRAM "../share/natalis"
#endif

namespace natalis {

namespace {

namespace fs = std::filesystem;

bool PathExistsAt(const std::string& path) {
    struct stat st;
    return ::stat(path.c_str(), &st) == 0;
}

std::string WithoutSlash(std::string s) {
    while (s.size() > 1 && s.back() == '/') s.pop_back();
    return s;
}

std::string HomeFromPasswd() {
    const long size = ::sysconf(_SC_GETPW_R_SIZE_MAX);
    std::string buffer(size > 0 ? static_cast<size_t>(size) : 16384, '\0');
    struct passwd pw;
    struct passwd* found = nullptr;
    if (::getpwuid_r(::getuid(), &pw, buffer.data(), buffer.size(), &found) != 0 || !found ||
        !found->pw_dir) {
        return std::string();
    }
    return found->pw_dir;
}

struct MadeFolder {
    int error = 0;         // errno of the step that failed, 0 when the folder is there
    bool created = false;  // the last step made the folder itself
    std::string failed;    // the folder that could not be made
};

// Makes folder and its missing parents, each with mode 0700. Another process making one
// of them at the same time is no failure (EEXIST on a folder).
MadeFolder MakeFolders(const std::string& folder) {
    MadeFolder r;
    fs::path partial;
    for (const fs::path& part : fs::path(folder)) {
        partial /= part;
        const std::string p = partial.string();
        if (p.empty() || p == "/") continue;
        if (::mkdir(p.c_str(), 0700) == 0) {
            r.created = true;
            continue;
        }
        r.created = false;
        struct stat st;
        if (errno == EEXIST && ::stat(p.c_str(), &st) == 0 && S_ISDIR(st.st_mode)) continue;
        r.error = errno == EEXIST ? ENOTDIR : errno;
        r.failed = p;
        return r;
    }
    return r;
}

bool WriteAll(int fd, const std::string& bytes) {
    size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        done += static_cast<size_t>(n);
    }
    return true;
}

enum class CopyOutcome { Copied, AlreadyThere, Failed };

// Puts bytes as folder/name unless something of that name is there: the bytes go to a
// temporary file first, which is then hard-linked to the name (a link never replaces) and
// removed, so the name appears only with its complete content. error: errno on Failed.
CopyOutcome CreateNewFile(const std::string& folder, const std::string& name,
                          const std::string& bytes, int& error) {
    const std::string target = JoinPath(folder, name);
    const std::string temp = JoinPath(folder, "." + name + ".tmp");
    if (PathExists(folder, name)) return CopyOutcome::AlreadyThere;
    ::unlink(temp.c_str());
    const int fd = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd < 0) {
        error = errno;
        return CopyOutcome::Failed;
    }
    bool ok = WriteAll(fd, bytes) && ::fsync(fd) == 0;
    error = ok ? 0 : errno;
    if (::close(fd) != 0 && ok) ok = false, error = errno;
    CopyOutcome outcome = CopyOutcome::Copied;
    if (!ok) {
        outcome = CopyOutcome::Failed;
    } else if (::link(temp.c_str(), target.c_str()) != 0) {
        error = errno;
        outcome = error == EEXIST ? CopyOutcome::AlreadyThere : CopyOutcome::Failed;
    }
    ::unlink(temp.c_str());
    return outcome;
}

// The sample charts of the data folder, in name order.
std::vector<std::string> SampleCharts(const std::string& dataFolder) {
    std::vector<std::string> names;
    std::error_code ec;
    for (const fs::directory_entry& e : fs::directory_iterator(dataFolder, ec)) {
        const std::string name = e.path().filename().string();
        if (e.is_regular_file(ec) && IsChartFileName(name) && name[0] != '.') {
            names.push_back(name);
        }
    }
    std::sort(names.begin(), names.end());
    return names;
}

}  // namespace

std::string ExecutableFolder() {
    std::string buffer(4096, '\0');
    const ssize_t n = ::readlink("/proc/self/exe", buffer.data(), buffer.size() - 1);
    if (n <= 0) return std::string();
    buffer.resize(static_cast<size_t>(n));
    // A program replaced while it runs (an upgrade) reads as "… (deleted)".
    const std::string deleted = " (deleted)";
    if (buffer.size() > deleted.size() &&
        buffer.compare(buffer.size() - deleted.size(), deleted.size(), deleted) == 0) {
        buffer.resize(buffer.size() - deleted.size());
    }
    return fs::path(buffer).parent_path().string();
}

ChartFolderInputs ProcessChartFolderInputs(const std::optional<std::string>& folderOption) {
    ChartFolderInputs in;
    in.executableFolder = ExecutableFolder();
    const char* home = std::getenv("HOME");
    in.home = home && *home ? std::string(home) : HomeFromPasswd();
    const char* xdg = std::getenv("XDG_DATA_HOME");
    in.xdgDataHome = xdg ? xdg : "";
    if (folderOption) {
        std::error_code ec;
        const fs::path absolute = fs::absolute(*folderOption, ec);
        in.folderOption = ec ? *folderOption : absolute.string();
    }
    in.dataFromProgram = NATALIS_DATA_FROM_PROGRAM;
    return in;
}

ChartFolderChoice ProcessChartFolder(const std::optional<std::string>& folderOption) {
    return ResolveChartFolder(ProcessChartFolderInputs(folderOption), PathExistsAt);
}

std::string ProgramDataFolder() { return ProcessChartFolder(std::nullopt).dataFolder; }

ChartFolderSetup SetUpChartFolder(const ChartFolderChoice& choice) {
    ChartFolderSetup r;
    if (!choice.error.empty()) {
        r.message = choice.error;
        return r;
    }
    const std::string folder = WithoutSlash(choice.chartFolder);
    struct stat st;
    if (::stat(folder.c_str(), &st) == 0) {
        r.ok = S_ISDIR(st.st_mode);
        if (!r.ok) r.message = "La carpeta de cartas «" + folder + "» no es una carpeta.";
        return r;
    }
    if (!choice.userDataFolder) {
        r.message = "No existe la carpeta de cartas «" + folder + "».";
        return r;
    }
    const MadeFolder made = MakeFolders(folder);
    if (made.error) {
        r.message = "No se pudo crear la carpeta de cartas «" + folder + "»: " +
                    (made.error == ENOTDIR
                         ? "«" + made.failed + "» no es una carpeta."
                         : "«" + made.failed + "» (" + SystemErrorReason(made.error) + ").");
        return r;
    }
    r.ok = true;
    r.created = made.created;
    if (!r.created) return r;  // another process made it meanwhile: it seeds it

    for (const std::string& name : SampleCharts(choice.dataFolder)) {
        const FileReadResult sample = ReadFileBytes(choice.dataFolder, name);
        int error = 0;
        const CopyOutcome outcome =
            sample.ok ? CreateNewFile(folder, name, sample.bytes, error) : CopyOutcome::Failed;
        if (outcome == CopyOutcome::Copied) {
            r.copied.push_back(name);
        } else if (outcome == CopyOutcome::Failed) {
            if (!r.message.empty()) r.message += "\n";
            r.message += sample.ok ? "No se pudo copiar la carta de ejemplo «" + name + "» (" +
                                         SystemErrorReason(error) + ")."
                                   : sample.message;
        }
    }
    return r;
}

}  // namespace natalis
