// Whole-file writes that never leave a file half-written: the new content goes to a
// temporary file in the same folder, is flushed to disk, and only then takes the file's name.
#pragma once
#include <string>

namespace natalis {

struct FileWriteResult {
    bool ok = false;
    std::string message;  // Spanish, for a message box, when !ok
};

// folder and name joined with one "/" (folder may already end with one; empty means the
// current folder).
std::string JoinPath(const std::string& folder, const std::string& name);

// What a system error (errno) met while writing in a folder means to the user, in Spanish.
std::string SystemErrorReason(int error);

// True when something (file, folder, link) of that name is in the folder.
bool PathExists(const std::string& folder, const std::string& name);

// Makes bytes the complete content of folder/fileName, which may or may not exist yet.
// The bytes are written to tempName in the same folder (default "." fileName ".tmp"); a
// stale file of that name is removed first, never appended to. After the temporary file is
// complete and synced it is renamed over fileName, keeping the old file's permissions. On
// any failure the temporary file is removed, the old file is left exactly as it was and
// the message says what failed.
FileWriteResult ReplaceFileSafely(const std::string& folder, const std::string& fileName,
                                  const std::string& bytes, const std::string& tempName = "");

}  // namespace natalis
