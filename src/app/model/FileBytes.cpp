#include "app/model/FileBytes.h"

#include <sys/stat.h>

#include <fstream>
#include <iterator>

#include "app/model/SafeFileWrite.h"

namespace natalis {

FileReadResult ReadFileBytes(const std::string& folder, const std::string& fileName) {
    const std::string path = JoinPath(folder, fileName);
    FileReadResult r;
    struct stat st;
    if (::stat(path.c_str(), &st) != 0) {
        r.message = "No se encontró el archivo «" + fileName + "».";
        return r;
    }
    if (!S_ISREG(st.st_mode)) {
        r.message = "«" + fileName + "» no es un archivo.";
        return r;
    }
    std::ifstream in(path, std::ios::binary);
    if (in) r.bytes.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    if (!in && !in.eof()) {
        r.bytes.clear();
        r.message = "No se pudo leer el archivo «" + fileName + "».";
        return r;
    }
    r.ok = true;
    return r;
}

}  // namespace natalis
