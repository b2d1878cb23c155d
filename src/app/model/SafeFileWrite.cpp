#include "app/model/SafeFileWrite.h"

#include <fcntl.h>
#include <limits.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <random>
#include <vector>

namespace natalis {

const SafeWriteCalls kSystemCalls = {::fchown, ::fchmod, ::fsync};

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

// How the temporary file is named and made.
struct TempRule {
    std::string fixedName;  // this name, a stale file of it removed first
    std::string ownTag;     // or, when not empty, a new name of its own with this tag
};

// The name of a temporary file of its own: "." name "." tag "." and six random characters,
// the name cut (at a character) so that the whole fits the system's limit of a file name.
std::string OwnTempName(const std::string& name, const std::string& tag, std::mt19937& random) {
    constexpr std::size_t kMaxName = 255;
    static const char kChars[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";
    std::string suffix = "." + tag + ".";
    std::uniform_int_distribution<std::size_t> pick(0, sizeof kChars - 2);
    for (int i = 0; i < 6; ++i) suffix += kChars[pick(random)];
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

struct Temp {
    int fd = -1;
    std::string name;
    int error = 0;
    bool removeFailed = false;  // a stale file of the fixed name could not be removed
};

Temp CreateTemp(const std::string& folder, const std::string& fileName, const TempRule& rule) {
    Temp t;
    if (rule.ownTag.empty()) {
        t.name = rule.fixedName.empty() ? "." + fileName + ".tmp" : rule.fixedName;
        const std::string path = JoinPath(folder, t.name);
        if (::unlink(path.c_str()) != 0 && errno != ENOENT) {
            t.error = errno;
            t.removeFailed = true;
            return t;
        }
        t.fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (t.fd < 0) t.error = errno;
        return t;
    }
    std::random_device seed;
    std::mt19937 random(seed());
    for (int attempt = 0; attempt < 100; ++attempt) {
        t.name = OwnTempName(fileName, rule.ownTag, random);
        t.fd =
            ::open(JoinPath(folder, t.name).c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (t.fd >= 0 || errno != EEXIST) break;
    }
    if (t.fd < 0) t.error = errno;
    return t;
}

FileWriteResult Replace(const std::string& folder, const std::string& fileName,
                        const std::string& bytes, const TempRule& rule,
                        const SafeWriteCalls& calls) {
    std::string target = JoinPath(folder, fileName);
    const int linkError = FollowLinks(target);

    struct stat old;
    const bool existed = ::stat(target.c_str(), &old) == 0 && S_ISREG(old.st_mode);
    const auto fail = [&](const std::string& what, int error) {
        return FileWriteResult{false, "No se pudo guardar «" + fileName + "»: " + what + " (" +
                                          SystemErrorReason(error) + "). " +
                                          (existed ? "El archivo anterior no se ha modificado."
                                                   : "No se ha guardado nada.")};
    };
    if (linkError != 0) return fail("no se pudo seguir el enlace simbólico", linkError);

    // The temporary file goes beside the file itself, so that the rename stays within one
    // file system and replaces the file the link leads to.
    std::string targetFolder, targetName;
    SplitPath(target, targetFolder, targetName);
    const Temp temp = CreateTemp(targetFolder, targetName, rule);
    if (temp.fd < 0) {
        return fail(std::string(temp.removeFailed ? "no se pudo quitar" : "no se pudo crear") +
                        " el archivo temporal «" + temp.name + "»",
                    temp.error);
    }
    const std::string tempPath = JoinPath(targetFolder, temp.name);
    const auto abandon = [&](const std::string& what, int error) {
        ::close(temp.fd);
        ::unlink(tempPath.c_str());
        return fail(what, error);
    };

    const std::string writing = "no se pudo escribir el archivo temporal «" + temp.name + "»";
    if (!WriteAll(temp.fd, bytes)) return abandon(writing, errno);
    if (existed) {
        // The new file takes the old one's owner and group (first: a change of owner may
        // clear the set-user and set-group bits), then its mode.
        struct stat made;
        if (::fstat(temp.fd, &made) != 0) return abandon(writing, errno);
        const bool otherOwner = made.st_uid != old.st_uid, otherGroup = made.st_gid != old.st_gid;
        if ((otherOwner || otherGroup) &&
            calls.fchown(temp.fd, otherOwner ? old.st_uid : static_cast<uid_t>(-1),
                         otherGroup ? old.st_gid : static_cast<gid_t>(-1)) != 0) {
            return abandon("no se pudo dar al archivo nuevo el dueño y el grupo del anterior",
                           errno);
        }
        if (calls.fchmod(temp.fd, old.st_mode & 07777) != 0)
            return abandon("no se pudo dar al archivo nuevo los permisos del anterior", errno);
    }
    if (calls.fsync(temp.fd) != 0) return abandon(writing, errno);
    if (::close(temp.fd) != 0) {
        const int error = errno;
        ::unlink(tempPath.c_str());
        return fail(writing, error);
    }
    if (::rename(tempPath.c_str(), target.c_str()) != 0) {
        const int error = errno;
        ::unlink(tempPath.c_str());
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
                                  const std::string& bytes, const std::string& tempName,
                                  const SafeWriteCalls& calls) {
    return Replace(folder, fileName, bytes, TempRule{tempName, ""}, calls);
}

FileWriteResult ReplaceFileThroughOwnTemp(const std::string& folder, const std::string& fileName,
                                          const std::string& bytes, const std::string& tag,
                                          const SafeWriteCalls& calls) {
    return Replace(folder, fileName, bytes, TempRule{"", tag}, calls);
}

}  // namespace natalis
