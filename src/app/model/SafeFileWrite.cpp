#include "app/model/SafeFileWrite.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

namespace natalis {

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
        case ENOENT:
        case ENOTDIR:
            return "la carpeta no existe";
        case EISDIR:
        case ENOTEMPTY:
        case EEXIST:
            return "ya existe una carpeta con ese nombre";
        case ENAMETOOLONG:
            return "el nombre es demasiado largo";
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
                                  const std::string& bytes, const std::string& tempName) {
    const std::string target = JoinPath(folder, fileName);
    const std::string tempFile = tempName.empty() ? "." + fileName + ".tmp" : tempName;
    const std::string temp = JoinPath(folder, tempFile);

    struct stat old;
    const bool existed = ::stat(target.c_str(), &old) == 0 && S_ISREG(old.st_mode);
    const auto fail = [&](const std::string& what, int error) {
        return FileWriteResult{false, "No se pudo guardar «" + fileName + "»: " + what + " (" +
                                          SystemErrorReason(error) + "). " +
                                          (existed ? "El archivo anterior no se ha modificado."
                                                   : "No se ha guardado nada.")};
    };

    if (::unlink(temp.c_str()) != 0 && errno != ENOENT)
        return fail("no se pudo quitar el archivo temporal «" + tempFile + "»", errno);
    const int fd = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd < 0) return fail("no se pudo crear el archivo temporal «" + tempFile + "»", errno);

    bool written = WriteAll(fd, bytes);
    int error = written ? 0 : errno;
    if (written && existed) ::fchmod(fd, old.st_mode & 07777);
    if (written && ::fsync(fd) != 0) written = false, error = errno;
    if (::close(fd) != 0 && written) written = false, error = errno;
    if (!written) {
        ::unlink(temp.c_str());
        return fail("no se pudo escribir el archivo temporal «" + tempFile + "»", error);
    }
    if (::rename(temp.c_str(), target.c_str()) != 0) {
        error = errno;
        ::unlink(temp.c_str());
        return fail("no se pudo poner el archivo nuevo en su lugar", error);
    }
    SyncFolder(folder);
    return FileWriteResult{true, ""};
}

}  // namespace natalis
