#include "app/model/CarpetaCartas.h"

namespace natalis {

namespace {

std::string WithSlash(std::string folder) {
    if (!folder.empty() && folder.back() != '/') folder += '/';
    return folder;
}

}  // namespace

std::string ElegirCarpetaCartas(const std::optional<std::string>& argumento,
                                const std::string& recordada, bool recordadaExiste,
                                const std::string& programa) {
    if (argumento && !argumento->empty()) return WithSlash(*argumento);
    if (!recordada.empty() && recordadaExiste) return WithSlash(recordada);
    return WithSlash(programa);
}

}  // namespace natalis
