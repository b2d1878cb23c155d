// A fresh folder under /tmp for one test, removed with everything in it afterwards, and
// small helpers to put bytes in files and read them back.
#pragma once
#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

namespace natalis {

class TempFolder {
  public:
    TempFolder() {
        char pattern[] = "/tmp/natalis-test-XXXXXX";
        const char* made = ::mkdtemp(pattern);
        path_ = made ? std::string(made) + "/" : std::string();
    }
    ~TempFolder() {
        if (path_.empty()) return;
        std::error_code ec;
        // A test may have made the folder read-only; give permissions back to clean up.
        std::filesystem::permissions(path_, std::filesystem::perms::owner_all,
                                     std::filesystem::perm_options::add, ec);
        std::filesystem::remove_all(path_, ec);
    }
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    // The folder with a trailing "/", as the program folder is kept.
    const std::string& path() const { return path_; }
    std::string operator/(const std::string& name) const { return path_ + name; }

  private:
    std::string path_;
};

inline void WriteBytes(const std::string& path, const std::string& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << bytes;
}

inline std::string ReadBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

inline bool Exists(const std::string& path) {
    struct stat st;
    return ::lstat(path.c_str(), &st) == 0;
}

}  // namespace natalis
