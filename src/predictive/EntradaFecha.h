// The date dialog's logic, without widgets: how it is set up for a progression, a transit
// or a new birth time, its key filter, and the check of a typed birth time.
#pragma once
#include <string>

#include "app/model/NatalRecord.h"
#include "predictive/Tecnicas.h"

namespace natalis {

// What a key typed in the date box does.
enum class TeclaFecha { Aceptar, Cancelar, Pasa, Descarta };

// Enter accepts, Escape cancels; backspace, blank, minus and the digits pass; every other
// key is discarded.
TeclaFecha FiltroTeclaFecha(int keyAscii);

// The set-up of the dialog's two frames for one mode. Left and top positions are in the
// dialog's layout units (twips of the designed window); -1 leaves a position unchanged.
struct ConfigEntrada {
    std::string captionMain;    // caption of the main frame
    bool marcoFecha = true;     // the inner frame with the options is shown
    std::string captionFecha;   // its caption
    bool txtFecha = true;       // the date box is shown
    bool txtHora = false;       // the hour box is shown
    bool chkAscEnArco = false;  // the " ASC en arco" box is shown
    bool lblFechaNat = true;
    std::string captionFechaNat;
    int fechaNatLeft = -1;
    bool lbl024 = true;
    std::string caption024;
    int left024 = -1, top024 = -1;  // top -1 with txtHora: level with the hour box
    std::string opcionDirecta, opcionConversa;
    // Progressions by "Primaria" are direct: options and check box disabled, direct chosen.
    bool soloDirecta = false;
    std::string textoFecha;   // put into the date box when not empty
    std::string textoHora;    // put into the hour box when not empty
    bool focoEnHora = false;  // focus and selection go to the hour box, else the date box
};

// "Prog " + technique, with the natal date shown and the last date progressed to offered.
ConfigEntrada ConfigProgresion(TipoTecnica tecnica, const std::string& fechaNatalTexto,
                               const std::string& fechaProgTexto);
// "FECHA TRANSITO:", date and hour.
ConfigEntrada ConfigTransito();
// "Cambiar Hora": the hour box alone, holding the time tried last or the chart's own.
ConfigEntrada ConfigCambioHora(const NatalRecord& rec, const std::string& horaTexto);

// Checks a typed birth time; on success h holds decimal hours and the result is empty,
// otherwise the result is the message shown with the title "corregir hora". A time typed
// as decimal hours must also lie within the day ("1430" is refused, not read as 1430 h).
std::string ValidarHora(std::string& hora, double& h);

}  // namespace natalis
