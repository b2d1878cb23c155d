// The options of the headless progression and transit commands, and of the rings of the PNG
// command: a progression group (--progress, --tecnica, --fecha, --conversa, --asc-en-arco)
// and a transit group (--transit, --fecha, --hora); --fecha belongs to the group opened last.
#pragma once
#include <optional>
#include <string>
#include <vector>

namespace natalis {

struct OpcionesPredictivas {
    bool progresion = false;
    std::string tecnica, fechaProg;
    bool conversa = false, ascEnArco = false;
    bool transito = false;
    std::string fechaTrans, horaTrans;
    std::string houses = "P";
};

// Reads args from index `desde`; "--progress" and "--transit" open their groups (and may
// take no value), --houses P|K|R is accepted when allowHouses. Nothing for an unknown option,
// a missing value, an unknown technique, or a group without its date (and hour).
std::optional<OpcionesPredictivas> LeerOpcionesPredictivas(const std::vector<std::string>& args,
                                                           size_t desde, bool allowHouses);

}  // namespace natalis
