// Which folder the chart list shows when the window starts.
#pragma once
#include <optional>
#include <string>

namespace natalis {

// The folder given with --folder when there is one (the caller remembers it for the next
// runs); else the folder remembered from an earlier --folder, while it still exists; else
// the program's own folder. The result ends in "/".
std::string ElegirCarpetaCartas(const std::optional<std::string>& argumento,
                                const std::string& recordada, bool recordadaExiste,
                                const std::string& programa);

}  // namespace natalis
