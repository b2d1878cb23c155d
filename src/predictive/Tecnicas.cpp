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

const TecnicaPeriodoFila& FilaTecnicaPeriodo(TecnicaPeriodo t) {
    for (const TecnicaPeriodoFila& f : kTecnicasPeriodo) {
        if (f.id == t) return f;
    }
    return kTecnicasPeriodo[0];
}

const char* NombreTecnicaPeriodo(TecnicaPeriodo t) {
    const TecnicaPeriodoFila& f = FilaTecnicaPeriodo(t);
    return f.progresion ? FilaTecnica(*f.progresion).caption : f.nombrePropio;
}

std::optional<TecnicaPeriodo> TecnicaPeriodoDeNombre(const std::string& nombre) {
    for (const TecnicaPeriodoFila& f : kTecnicasPeriodo) {
        if (nombre == NombreTecnicaPeriodo(f.id)) return f.id;
    }
    return std::nullopt;
}

}  // namespace natalis
