#include "app/session/OfertaHuso.h"

#include "app/model/HusoActual.h"

namespace natalis {

bool OfrecerHusoActual(NatalRecord& rec, Dialogs& dialogs) {
    const HusoActual h = ComprobarHuso(rec);
    if (h.estado != HusoActualEstado::Distinto) return false;
    if (dialogs.MsgBox(h.mensaje, MsgButtons::YesNo, MsgIcon::Question, kTituloHusoActual) !=
        MsgAnswer::Yes)
        return false;
    ActualizarHuso(rec, h.ahora);
    return true;
}

}  // namespace natalis
