// Whole-file writes that never leave a file half-written: the new content goes to a
// temporary file of its own in the same folder, is flushed to disk, and only then takes the
// file's name. Rewrites that start from the file's present content do so under a lock on
// the folder, so that two running copies of the program never lose each other's changes.
#pragma once
#include <sys/types.h>

#include <ctime>
#include <functional>
#include <string>

namespace natalis {

struct FileWriteResult {
    bool ok = false;
    std::string message;  // Spanish, for a message box, when !ok
};

// The system calls a safe write makes on the temporary file, each of which can fail; a test
// puts failing ones in their place.
struct SafeWriteCalls {
    int (*fchown)(int, uid_t, gid_t);
    int (*fchmod)(int, mode_t);
    int (*fsync)(int);
};
extern const SafeWriteCalls kSystemCalls;  // the system's own

// The tags of the program's temporary files, one for each kind of rewrite. A temporary file
// is named "." fileName "." tag "." and six random characters.
extern const char kTagNuevaHora[];  // "NUEVAHORA": a new birth time written into a chart
extern const char kTagNotas[];      // "NOTAS": the notes window's text
extern const char kTagCarta[];      // "CARTA": a chart saved with "Guardar"
extern const char kTagLugares[];    // "LUGARES": the user's places file
extern const char kTagColeccion[];  // "COLECCION": a chart collection exported to one file

// folder and name joined with one "/" (folder may already end with one; empty means the
// current folder).
std::string JoinPath(const std::string& folder, const std::string& name);

// What a system error (errno) met while writing in a folder means to the user, in Spanish.
std::string SystemErrorReason(int error);

// True when something (file, folder, link) of that name is in the folder.
bool PathExists(const std::string& folder, const std::string& name);

// Makes bytes the complete content of folder/fileName, which may or may not exist yet.
// A symbolic link is written through: the file it leads to is replaced and the link stays.
// The bytes go to a temporary file of its own beside that file, created exclusively
// (O_CREAT | O_EXCL, a name no other writer uses) and private: with the old file's owner,
// group and mode before any byte is written, or for a new file with the mode the file will
// have. Once complete and synced it is renamed over the file. On any failure the temporary
// file is removed (never a file this call did not make), the old file is left exactly as it
// was and the message says what failed.
FileWriteResult ReplaceFileSafely(const std::string& folder, const std::string& fileName,
                                  const std::string& bytes, const char* tag,
                                  const SafeWriteCalls& calls = kSystemCalls);

// The file as a rewrite finds it, and what the rewrite makes of it.
struct CurrentFile {
    bool exists = false;  // a regular file of that name (through links) is there
    std::string bytes;    // its content when it exists
};
struct Rewrite {
    bool ok = false;
    std::string bytes;    // the file's new content when ok
    std::string message;  // Spanish, when !ok: why nothing is written
};

enum class RewriteMode {
    Replace,    // the file may exist and is replaced
    CreateNew,  // the file must not exist; a file put there meanwhile is never replaced
};

// Reads folder/fileName as it is now and writes what change makes of it, safely as above.
// Reading and writing happen under an exclusive lock on the file's folder, which every
// rewrite of the program takes: a rewrite by another running copy waits (a few seconds at
// most) and then starts from this one's result. A refusal of change is returned as it is,
// with nothing written; a file that exists but cannot be read is an error.
FileWriteResult RewriteFileSafely(const std::string& folder, const std::string& fileName,
                                  const char* tag,
                                  const std::function<Rewrite(const CurrentFile&)>& change,
                                  RewriteMode mode = RewriteMode::Replace,
                                  const SafeWriteCalls& calls = kSystemCalls);

// Removes the temporary files a killed or failed run of the program left in folder: regular
// files of the current user named as above with one of the program's tags, last modified
// more than a day before now. Returns how many were removed.
int RemoveOwnLeftovers(const std::string& folder, std::time_t now);

}  // namespace natalis
