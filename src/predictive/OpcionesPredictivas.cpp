#include "predictive/OpcionesPredictivas.h"

#include <cctype>

#include "predictive/Tecnicas.h"

namespace natalis {

std::optional<OpcionesPredictivas> LeerOpcionesPredictivas(const std::vector<std::string>& args,
                                                           size_t desde, bool allowHouses) {
    OpcionesPredictivas o;
    enum class Grupo { Ninguno, Progresion, Transito } grupo = Grupo::Ninguno;
    for (size_t i = desde; i < args.size(); ++i) {
        const std::string& a = args[i];
        const bool hayValor = i + 1 < args.size();
        if (a == "--progress") {
            o.progresion = true;
            grupo = Grupo::Progresion;
        } else if (a == "--transit") {
            o.transito = true;
            grupo = Grupo::Transito;
        } else if (a == "--conversa" && grupo == Grupo::Progresion) {
            o.conversa = true;
        } else if (a == "--asc-en-arco" && grupo == Grupo::Progresion) {
            o.ascEnArco = true;
        } else if (a == "--tecnica" && grupo == Grupo::Progresion && hayValor) {
            o.tecnica = args[++i];
        } else if (a == "--fecha" && grupo != Grupo::Ninguno && hayValor) {
            (grupo == Grupo::Progresion ? o.fechaProg : o.fechaTrans) = args[++i];
        } else if (a == "--hora" && grupo == Grupo::Transito && hayValor) {
            o.horaTrans = args[++i];
        } else if (a == "--houses" && allowHouses && hayValor && args[i + 1].size() == 1 &&
                   std::string("PKRpkr").find(args[i + 1][0]) != std::string::npos) {
            o.houses = std::string(1, static_cast<char>(std::toupper(args[++i][0])));
        } else {
            return std::nullopt;
        }
    }
    if (o.progresion && (o.fechaProg.empty() || !TecnicaPorCaption(o.tecnica))) {
        return std::nullopt;
    }
    if (o.transito && (o.fechaTrans.empty() || o.horaTrans.empty())) return std::nullopt;
    return o;
}

}  // namespace natalis
