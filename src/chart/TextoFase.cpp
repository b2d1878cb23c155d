#include "chart/TextoFase.h"

namespace natalis {

const char* TextoFase(FaseAspecto f) {
    switch (f) {
        case FaseAspecto::Aplicativo:
            return "aplicativo";
        case FaseAspecto::Separativo:
            return "separativo";
        case FaseAspecto::Exacto:
            return "exacto";
        case FaseAspecto::Desconocida:
            break;
    }
    return "";
}

}  // namespace natalis
