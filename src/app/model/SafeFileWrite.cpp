#include "app/model/SafeFileWrite.h"

#include <dirent.h>
#include <fcntl.h>
#include <limits.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cctype>
#include <cerrno>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <random>
#include <vector>

#include "app/model/NewFilesBatch.h"

namespace natalis {

const SafeWriteCalls kSystemCalls = {::fchown, ::fchmod, ::fsync};

const char kTagNuevaHora[] = "NUEVAHORA";
const char kTagNotas[] = "NOTAS";
const char kTagCarta[] = "CARTA";
const char kTagLugares[] = "LUGARES";
const char kTagColeccion[] = "COLECCION";

std::string SystemErrorReason(int error) {
    switch (error) {
        case EACCES:
        case EPERM:
            return "no hay permiso para escribir en la carpeta";
        case EROFS:
            return "la carpeta es de solo lectura";
        case ENOSPC:
        case EDQUOT:
            return "el disco está lleno";
        case EFBIG:
            return "el archivo excede el tamaño permitido";
        case ENOENT:
        case ENOTDIR:
            return "la carpeta no existe";
        case EISDIR:
        case ENOTEMPTY:
        case EEXIST:
            return "ya existe una carpeta con ese nombre";
        case ENAMETOOLONG:
            return "el nombre es demasiado largo";
        case ELOOP:
            return "hay demasiados enlaces simbólicos seguidos";
        case EIO:
            return "error de lectura o escritura del disco";
        default:
            return "error del sistema número " + std::to_string(error);
    }
}

namespace {

bool WriteAll(int fd, const std::string& bytes) {
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        done += static_cast<std::size_t>(n);
    }
    return true;
}

// The rename is durable only once the folder itself is synced; a folder that cannot be
// opened or synced (some file systems refuse) does not make the write fail.
void SyncFolder(const std::string& folder) {
    const int fd = ::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY);
    if (fd < 0) return;
    ::fsync(fd);
    ::close(fd);
}

// The folder part of a path, with its "/" ("" for a bare name), and the name after it.
void SplitPath(const std::string& path, std::string& folder, std::string& name) {
    const std::size_t slash = path.rfind('/');
    folder = slash == std::string::npos ? "" : path.substr(0, slash + 1);
    name = slash == std::string::npos ? path : path.substr(slash + 1);
}

// path with every symbolic link followed to the file it leads to (which need not exist yet:
// a link to a missing file leads to the file it would create). 0, or the error.
int FollowLinks(std::string& path) {
    constexpr int kMaxLinks = 40;  // as the system's own limit
    for (int hop = 0; hop < kMaxLinks; ++hop) {
        struct stat st;
        if (::lstat(path.c_str(), &st) != 0 || !S_ISLNK(st.st_mode)) return 0;
        std::vector<char> target(PATH_MAX + 1);
        const ssize_t n = ::readlink(path.c_str(), target.data(), target.size());
        if (n < 0) return errno;
        if (static_cast<std::size_t>(n) >= target.size()) return ENAMETOOLONG;
        const std::string link(target.data(), static_cast<std::size_t>(n));
        std::string folder, name;
        SplitPath(path, folder, name);
        path = !link.empty() && link[0] == '/' ? link : folder + link;
    }
    return ELOOP;
}

constexpr std::size_t kRandomChars = 6;
constexpr char kNameChars[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";
const char* const kOwnTags[] = {kTagNuevaHora, kTagNotas, kTagCarta, kTagLugares, kTagColeccion};

// The name of a temporary file of its own: "." name "." tag "." and six random characters,
// the name cut (at a character) so that the whole fits the system's limit of a file name.
std::string OwnTempName(const std::string& name, const std::string& tag, std::mt19937& random) {
    constexpr std::size_t kMaxName = 255;
    std::string suffix = "." + tag + ".";
    std::uniform_int_distribution<std::size_t> pick(0, sizeof kNameChars - 2);
    for (std::size_t i = 0; i < kRandomChars; ++i) suffix += kNameChars[pick(random)];
    std::string stem = name;
    const std::size_t room = kMaxName - suffix.size() - 1;
    if (stem.size() > room) {
        // Cut at room bytes, then drop a character the cut split (its first byte tells how
        // many bytes it has in UTF-8).
        stem.resize(room);
        std::size_t first = stem.size();
        while (first > 0 && (static_cast<unsigned char>(stem[first - 1]) & 0xC0) == 0x80) --first;
        if (first > 0) {
            const auto lead = static_cast<unsigned char>(stem[first - 1]);
            const std::size_t length = lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC0 ? 2 : 1;
            if (first - 1 + length > stem.size()) stem.resize(first - 1);
        }
    }
    return "." + stem + suffix;
}

// True when name is one of the program's temporary files: ".", a name, ".", a tag of
// kOwnTags, "." and six letters or digits.
bool IsOwnTempName(const std::string& name) {
    const std::size_t n = name.size();
    if (n < kRandomChars + 4 || name[0] != '.' || name[n - kRandomChars - 1] != '.') return false;
    for (std::size_t i = n - kRandomChars; i < n; ++i) {
        if (!std::isalnum(static_cast<unsigned char>(name[i]))) return false;
    }
    const std::string head = name.substr(0, n - kRandomChars - 1);
    for (const char* tag : kOwnTags) {
        const std::string ending = "." + std::string(tag);
        if (head.size() > ending.size() + 1 &&
            head.compare(head.size() - ending.size(), ending.size(), ending) == 0) {
            return true;
        }
    }
    return false;
}

struct Temp {
    int fd = -1;
    std::string name;
    int error = 0;
};

// A new temporary file beside fileName, created exclusively with mode (before the umask).
Temp CreateTemp(const std::string& folder, const std::string& fileName, const std::string& tag,
                mode_t mode) {
    Temp t;
    std::random_device seed;
    std::mt19937 random(seed() ^ static_cast<unsigned>(::getpid()));
    for (int attempt = 0; attempt < 100; ++attempt) {
        t.name = OwnTempName(fileName, tag, random);
        t.fd = ::open(JoinPath(folder, t.name).c_str(),
                      O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC | O_NOFOLLOW, mode);
        if (t.fd >= 0 || errno != EEXIST) break;
    }
    if (t.fd < 0) t.error = errno;
    return t;
}

// An exclusive lock on a folder, held while the object lives. Every rewrite of the program
// takes it, so that reading a file and writing what was made of it is one step for the other
// running copies. A folder that cannot be opened is not locked (the write then reports what
// is wrong with the folder); one locked by another copy is waited for, up to kWaitMs.
class FolderLock {
  public:
    explicit FolderLock(const std::string& folder) {
        fd_ = ::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
        if (fd_ < 0) return;
        constexpr int kWaitMs = 10000, kStepMs = 20;
        for (int waited = 0;; waited += kStepMs) {
            if (::flock(fd_, LOCK_EX | LOCK_NB) == 0) return;
            if (errno != EWOULDBLOCK && errno != EINTR) return;  // no locks here: go on
            if (waited >= kWaitMs) {
                busy_ = true;
                return;
            }
            ::usleep(kStepMs * 1000);
        }
    }
    ~FolderLock() {
        if (fd_ >= 0) ::close(fd_);  // closing releases the lock
    }
    FolderLock(const FolderLock&) = delete;
    FolderLock& operator=(const FolderLock&) = delete;
    // Another copy of the program held the folder for the whole wait.
    bool Busy() const { return busy_; }

  private:
    int fd_ = -1;
    bool busy_ = false;
};

// Moves the finished temporary file to target: over it, or only where nothing is yet.
int PutInPlace(const std::string& temp, const std::string& target, RewriteMode mode) {
    if (mode == RewriteMode::Replace)
        return ::rename(temp.c_str(), target.c_str()) == 0 ? 0 : errno;
    if (::renameat2(AT_FDCWD, temp.c_str(), AT_FDCWD, target.c_str(), RENAME_NOREPLACE) == 0)
        return 0;
    if (errno != EINVAL && errno != ENOSYS) return errno;
    // A file system without the exclusive rename: a hard link fails as well when the name
    // is taken.
    if (::link(temp.c_str(), target.c_str()) != 0) return errno;
    ::unlink(temp.c_str());
    return 0;
}

// The shared path of every write. With change set, the file is read under the lock and the
// bytes are what change makes of it; otherwise bytes are written as they are.
FileWriteResult Write(const std::string& folder, const std::string& fileName,
                      const std::string* bytes, const char* tag,
                      const std::function<Rewrite(const CurrentFile&)>* change, RewriteMode mode,
                      const SafeWriteCalls& calls) {
    std::string target = JoinPath(folder, fileName);
    const int linkError = FollowLinks(target);
    // The temporary file goes beside the file itself, so that the rename stays within one
    // file system and replaces the file the link leads to.
    std::string targetFolder, targetName;
    SplitPath(target, targetFolder, targetName);
    const FolderLock lock(targetFolder);

    struct stat old;
    const bool existed = ::stat(target.c_str(), &old) == 0 && S_ISREG(old.st_mode);
    const auto fail = [&](const std::string& what, int error) {
        return FileWriteResult{false, "No se pudo guardar «" + fileName + "»: " + what + " (" +
                                          SystemErrorReason(error) + "). " +
                                          (existed ? "El archivo anterior no se ha modificado."
                                                   : "No se ha guardado nada.")};
    };
    if (linkError != 0) return fail("no se pudo seguir el enlace simbólico", linkError);
    if (lock.Busy()) {
        return {false, "No se pudo guardar «" + fileName +
                           "»: otra copia del programa está guardando en la misma carpeta y no "
                           "terminó a tiempo. " +
                           (existed ? "El archivo anterior no se ha modificado."
                                    : "No se ha guardado nada.")};
    }
    struct stat any;
    if (mode == RewriteMode::CreateNew && ::lstat(target.c_str(), &any) == 0)
        return {false, "Ya existe el archivo «" + fileName + "»."};

    std::string made;
    if (change) {
        CurrentFile now;
        now.exists = existed;
        if (existed) {
            std::ifstream in(target, std::ios::binary);
            if (in)
                now.bytes.assign(std::istreambuf_iterator<char>(in),
                                 std::istreambuf_iterator<char>());
            if (!in && !in.eof()) return fail("no se pudo leer el archivo", EIO);
        }
        Rewrite r = (*change)(now);
        if (!r.ok) return {false, r.message};
        made = std::move(r.bytes);
        bytes = &made;
    }

    // A file that exists keeps its owner, group and mode, given to the temporary file while
    // it is still empty and private (0600); a new one takes the mode a new file gets.
    const Temp temp = CreateTemp(targetFolder, targetName, tag, existed ? 0600 : 0666);
    if (temp.fd < 0)
        return fail("no se pudo crear el archivo temporal «" + temp.name + "»", temp.error);
    const std::string tempPath = JoinPath(targetFolder, temp.name);
    const auto abandon = [&](const std::string& what, int error) {
        ::close(temp.fd);
        ::unlink(tempPath.c_str());
        return fail(what, error);
    };
    const std::string writing = "no se pudo escribir el archivo temporal «" + temp.name + "»";
    if (existed) {
        // Owner and group first: a change of owner may clear the set-user and set-group bits.
        struct stat fresh;
        if (::fstat(temp.fd, &fresh) != 0) return abandon(writing, errno);
        const bool otherOwner = fresh.st_uid != old.st_uid, otherGroup = fresh.st_gid != old.st_gid;
        if ((otherOwner || otherGroup) &&
            calls.fchown(temp.fd, otherOwner ? old.st_uid : static_cast<uid_t>(-1),
                         otherGroup ? old.st_gid : static_cast<gid_t>(-1)) != 0) {
            return abandon("no se pudo dar al archivo nuevo el dueño y el grupo del anterior",
                           errno);
        }
        if (calls.fchmod(temp.fd, old.st_mode & 07777) != 0)
            return abandon("no se pudo dar al archivo nuevo los permisos del anterior", errno);
    }
    if (!WriteAll(temp.fd, *bytes)) return abandon(writing, errno);
    if (calls.fsync(temp.fd) != 0) return abandon(writing, errno);
    if (::close(temp.fd) != 0) {
        const int error = errno;
        ::unlink(tempPath.c_str());
        return fail(writing, error);
    }
    if (const int error = PutInPlace(tempPath, target, mode); error != 0) {
        ::unlink(tempPath.c_str());
        if (error == EEXIST) return {false, "Ya existe el archivo «" + fileName + "»."};
        return fail("no se pudo poner el archivo nuevo en su lugar", error);
    }
    SyncFolder(targetFolder);
    return FileWriteResult{true, ""};
}

}  // namespace

std::string JoinPath(const std::string& folder, const std::string& name) {
    if (folder.empty()) return name;
    if (folder.back() == '/') return folder + name;
    return folder + "/" + name;
}

bool PathExists(const std::string& folder, const std::string& name) {
    struct stat st;
    return ::lstat(JoinPath(folder, name).c_str(), &st) == 0;
}

FileWriteResult ReplaceFileSafely(const std::string& folder, const std::string& fileName,
                                  const std::string& bytes, const char* tag,
                                  const SafeWriteCalls& calls) {
    return Write(folder, fileName, &bytes, tag, nullptr, RewriteMode::Replace, calls);
}

FileWriteResult RewriteFileSafely(const std::string& folder, const std::string& fileName,
                                  const char* tag,
                                  const std::function<Rewrite(const CurrentFile&)>& change,
                                  RewriteMode mode, const SafeWriteCalls& calls) {
    return Write(folder, fileName, nullptr, tag, &change, mode, calls);
}

int RemoveOwnLeftovers(const std::string& folder, std::time_t now) {
    constexpr std::time_t kDay = 24 * 60 * 60;
    DIR* dir = ::opendir(folder.empty() ? "." : folder.c_str());
    if (!dir) return 0;
    int removed = 0;
    while (const dirent* entry = ::readdir(dir)) {
        const std::string name = entry->d_name;
        if (!IsOwnTempName(name)) continue;
        const std::string path = JoinPath(folder, name);
        struct stat st;
        if (::lstat(path.c_str(), &st) != 0 || !S_ISREG(st.st_mode) || st.st_uid != ::geteuid())
            continue;
        if (now - st.st_mtime <= kDay) continue;  // it may belong to a write going on now
        if (::unlink(path.c_str()) == 0) ++removed;
    }
    ::closedir(dir);
    return removed;
}

NewFilesBatch::NewFilesBatch(const std::string& folder, const char* tag,
                             const SafeWriteCalls& calls)
    : folder_(folder), tag_(tag), calls_(calls) {}

NewFilesBatch::~NewFilesBatch() {
    for (const Staged& s : staged_)
        if (!s.placed) ::unlink(JoinPath(folder_, s.temp).c_str());
}

FileWriteResult NewFilesBatch::Stage(const std::string& fileName, const std::string& bytes) {
    const auto fail = [&](const std::string& what, int error) {
        return FileWriteResult{false, "No se pudo guardar «" + fileName + "»: " + what + " (" +
                                          SystemErrorReason(error) + "). No se ha guardado nada."};
    };
    const Temp temp = CreateTemp(folder_, fileName, tag_, 0666);
    if (temp.fd < 0)
        return fail("no se pudo crear el archivo temporal «" + temp.name + "»", temp.error);
    const std::string path = JoinPath(folder_, temp.name);
    const bool written = WriteAll(temp.fd, bytes);
    const int error = errno;
    if (::close(temp.fd) != 0 || !written) {
        const int closeError = written ? errno : error;
        ::unlink(path.c_str());
        return fail("no se pudo escribir el archivo temporal «" + temp.name + "»", closeError);
    }
    staged_.push_back({temp.name, false});
    flushed_ = false;
    return {true, ""};
}

FileWriteResult NewFilesBatch::Flush() {
    const auto fail = [](int error) {
        return FileWriteResult{false, "No se pudieron guardar los archivos en el disco (" +
                                          SystemErrorReason(error) + "). No se ha guardado nada."};
    };
    const int dir = ::open(folder_.empty() ? "." : folder_.c_str(), O_RDONLY | O_DIRECTORY);
    if (dir < 0) return fail(errno);
    // One flush of the whole file system writes every staged file's data and its inode.
    const bool synced = ::syncfs(dir) == 0;
    ::close(dir);
    if (!synced) {
        for (const Staged& s : staged_) {
            const int fd = ::open(JoinPath(folder_, s.temp).c_str(), O_RDONLY | O_CLOEXEC);
            if (fd < 0) return fail(errno);
            const bool ok = calls_.fsync(fd) == 0;
            const int error = errno;
            ::close(fd);
            if (!ok) return fail(error);
        }
    }
    flushed_ = true;
    return {true, ""};
}

int NewFilesBatch::PutInPlace(std::size_t i, const std::string& fileName) {
    if (!flushed_) return EINVAL;  // a name is given only to content already on disk
    Staged& s = staged_[i];
    if (s.placed) return EINVAL;
    const int error = natalis::PutInPlace(JoinPath(folder_, s.temp), JoinPath(folder_, fileName),
                                          RewriteMode::CreateNew);
    if (error == 0) s.placed = true;
    return error;
}

void NewFilesBatch::SyncFolder() { natalis::SyncFolder(folder_); }

}  // namespace natalis
