#include "predictive/Tecnicas.h"

namespace natalis {

const TecnicaFila& FilaTecnica(TipoTecnica t) {
    for (const TecnicaFila& f : kTecnicas) {
        if (f.id == t) return f;
    }
    return kTecnicas[0];
}

std::optional<TipoTecnica> TecnicaPorCaption(const std::string& caption) {
    for (const TecnicaFila& f : kTecnicas) {
        if (caption == f.caption) return f.id;
    }
    return std::nullopt;
}

std::optional<TipoTecnica> TecnicaPorIndice(int indice) {
    for (const TecnicaFila& f : kTecnicas) {
        if (indice == f.indice) return f.id;
    }
    return std::nullopt;
}

}  // namespace natalis
