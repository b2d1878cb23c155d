#include "chart/ErrorCalculoNatal.h"

#include <cmath>

namespace natalis {

std::optional<std::string> ErrorCalculoNatal(const ChartTables& t) {
    for (int i = 1; i <= 10; ++i) {
        if (!std::isfinite(t.Planet[i].Lon) || !std::isfinite(t.Planet[i].Vel))
            return std::string(kErrorEfemerides);
    }
    const NatalTables& n = t.natal;
    bool finite = std::isfinite(n.NatalJD) && std::isfinite(n.NatalARMC);
    for (size_t i = 1; i < n.PlanetaNatal.size(); ++i) {
        finite = finite && std::isfinite(n.PlanetaNatal[i].Lon);
    }
    for (int i = 0; i <= 12; ++i) finite = finite && std::isfinite(n.CuspideNatal[i].Lon);
    if (!finite) return std::string(kErrorCalculoNatal);
    return std::nullopt;
}

}  // namespace natalis
