#include "predictive/EntradaFecha.h"

#include "app/model/NuevaHora.h"

namespace natalis {

TeclaFecha FiltroTeclaFecha(int keyAscii) {
    switch (keyAscii) {
        case 13:
            return TeclaFecha::Aceptar;
        case 27:
            return TeclaFecha::Cancelar;
        case 8:
        case 32:
        case 45:
            return TeclaFecha::Pasa;
        default:
            return keyAscii >= '0' && keyAscii <= '9' ? TeclaFecha::Pasa : TeclaFecha::Descarta;
    }
}

ConfigEntrada ConfigProgresion(TipoTecnica tecnica, const std::string& fechaNatalTexto,
                               const std::string& fechaProgTexto) {
    ConfigEntrada c;
    c.captionMain = std::string("Prog ") + FilaTecnica(tecnica).caption;
    c.captionFecha = "  FECHA a PROGRESAR:";
    c.chkAscEnArco = true;
    c.captionFechaNat = "Fecha a Progresar";
    c.fechaNatLeft = 1550;
    c.caption024 = "fecha natal  " + fechaNatalTexto;
    c.left024 = 240;
    c.top024 = 960;
    c.opcionDirecta = "prog.Directa";
    c.opcionConversa = "Conversa";
    c.soloDirecta = FilaTecnica(tecnica).soloDirecta;
    c.textoFecha = fechaProgTexto;
    return c;
}

ConfigEntrada ConfigTransito() {
    ConfigEntrada c;
    c.captionMain = "FECHA TRANSITO:";
    c.txtHora = true;
    c.captionFechaNat = "Fecha Tránsito";
    c.fechaNatLeft = 1700;
    c.caption024 = "Cero a 24 hs";
    c.left024 = 1600;
    c.opcionDirecta = "trans.Directo";
    c.opcionConversa = "Converso";
    return c;
}

ConfigEntrada ConfigCambioHora(const NatalRecord& rec, const std::string& horaTexto) {
    ConfigEntrada c;
    c.captionMain = "Cambiar Hora";
    c.marcoFecha = false;
    c.txtFecha = false;
    c.txtHora = true;
    c.fechaNatLeft = 240;
    c.caption024 = "Hora: cero a 24";
    c.left024 = 1600;
    c.top024 = 1000;
    if (!horaTexto.empty()) {
        c.captionFechaNat = "Hora Natal:  " + horaTexto;
        c.textoHora = horaTexto;
    } else {
        c.captionFechaNat = "Hora Natal:  " + rec.TimeText;
        c.textoHora = rec.HourText + " " + rec.MinuteText + " " + rec.SecondText;
    }
    c.focoEnHora = true;
    return c;
}

std::string ValidarHora(std::string& hora, double& h) {
    std::string serr;
    RevisarHoraNatal(hora, h, serr);
    return serr;
}

}  // namespace natalis
