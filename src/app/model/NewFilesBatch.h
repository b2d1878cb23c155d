// Many new files of one folder written with one flush to disk for all of them.
#pragma once
#include <cstddef>
#include <string>
#include <vector>

#include "app/model/SafeFileWrite.h"

namespace natalis {

// Many new files written with one flush to disk for all of them, for as safe a result as
// one ReplaceFileSafely each: every file is first written whole to a temporary file of its
// own (named as above), all of them are then flushed to disk at once, and only then does
// each take its name, never over an existing file; the folder is synced last. A crash or a
// kill at any moment leaves each name either absent or with its whole content, and at worst
// temporary files, which RemoveOwnLeftovers recognises.
class NewFilesBatch {
  public:
    NewFilesBatch(const std::string& folder, const char* tag,
                  const SafeWriteCalls& calls = kSystemCalls);
    // Removes every temporary file not put in place.
    ~NewFilesBatch();
    NewFilesBatch(const NewFilesBatch&) = delete;
    NewFilesBatch& operator=(const NewFilesBatch&) = delete;

    // Writes bytes to a new temporary file for fileName (mode as a new file gets). Its
    // index is the count of files staged before it; on failure nothing is staged and the
    // message says why.
    FileWriteResult Stage(const std::string& fileName, const std::string& bytes);
    // The temporary file of staged file i (its name in the folder).
    const std::string& TempName(std::size_t i) const { return staged_[i].temp; }
    // Flushes every staged file to disk: one sync of the folder's file system, or each
    // file's own where that is refused. On failure nothing may be put in place.
    FileWriteResult Flush();
    // Gives staged file i (flushed) the name fileName where nothing has it: 0, EEXIST when
    // the name is taken (the file stays staged for another name), or another errno.
    int PutInPlace(std::size_t i, const std::string& fileName);
    // Makes the names given durable: one sync of the folder.
    void SyncFolder();

  private:
    struct Staged {
        std::string temp;
        bool placed = false;
    };
    std::string folder_;
    const char* tag_;
    const SafeWriteCalls& calls_;
    std::vector<Staged> staged_;
    bool flushed_ = false;
};

}  // namespace natalis
