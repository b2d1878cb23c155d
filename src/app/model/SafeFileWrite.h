// Whole-file writes that never leave a file half-written: the new content goes to a
// temporary file in the same folder, is flushed to disk, and only then takes the file's name.
#pragma once
#include <sys/types.h>

#include <string>

namespace natalis {

struct FileWriteResult {
    bool ok = false;
    std::string message;  // Spanish, for a message box, when !ok
};

// The system calls a safe write makes on the finished temporary file, each of which can
// fail; a test puts failing ones in their place.
struct SafeWriteCalls {
    int (*fchown)(int, uid_t, gid_t);
    int (*fchmod)(int, mode_t);
    int (*fsync)(int);
};
extern const SafeWriteCalls kSystemCalls;  // the system's own

// folder and name joined with one "/" (folder may already end with one; empty means the
// current folder).
std::string JoinPath(const std::string& folder, const std::string& name);

// What a system error (errno) met while writing in a folder means to the user, in Spanish.
std::string SystemErrorReason(int error);

// True when something (file, folder, link) of that name is in the folder.
bool PathExists(const std::string& folder, const std::string& name);

// Makes bytes the complete content of folder/fileName, which may or may not exist yet.
// A symbolic link is written through: the file it leads to is replaced and the link stays.
// The bytes are written to tempName in the folder of that file (default "." fileName
// ".tmp"); a stale file of that name is removed first, never appended to. After the
// temporary file is complete, has the old file's owner, group and mode, and is synced, it
// is renamed over the file. On any failure the temporary file is removed, the old file is
// left exactly as it was and the message says what failed.
FileWriteResult ReplaceFileSafely(const std::string& folder, const std::string& fileName,
                                  const std::string& bytes, const std::string& tempName = "",
                                  const SafeWriteCalls& calls = kSystemCalls);

// The same through a temporary file of its own: "." fileName "." tag "." and six random
// characters, created exclusively and never removed unless this call made it, so that two
// running copies of the program rewriting charts of one folder never share one.
FileWriteResult ReplaceFileThroughOwnTemp(const std::string& folder, const std::string& fileName,
                                          const std::string& bytes, const std::string& tag,
                                          const SafeWriteCalls& calls = kSystemCalls);

}  // namespace natalis
