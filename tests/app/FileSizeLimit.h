// A failure every file system can be made to give, even to root: while a FileSizeLimit
// lives, no file this process writes may grow beyond the limit, and a write past it fails
// (EFBIG) as on a full disk. Regular files only; a terminal or pipe is not affected.
#pragma once
#include <sys/resource.h>

#include <csignal>

namespace natalis {

class FileSizeLimit {
  public:
    explicit FileSizeLimit(rlim_t bytes) {
        previousHandler_ = std::signal(SIGXFSZ, SIG_IGN);  // the write fails instead
        ::getrlimit(RLIMIT_FSIZE, &previous_);
        rlimit limit = previous_;
        limit.rlim_cur = bytes;
        ::setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~FileSizeLimit() {
        ::setrlimit(RLIMIT_FSIZE, &previous_);
        std::signal(SIGXFSZ, previousHandler_);
    }
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;

  private:
    rlimit previous_{};
    void (*previousHandler_)(int) = SIG_DFL;
};

}  // namespace natalis
