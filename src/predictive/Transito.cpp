#include "predictive/Transito.h"

#include "app/model/ClockHelpers.h"
#include "astro/AngleMath.h"
#include "astro/Calendar.h"
#include "astro/DateTimeParse.h"
#include "astro/NumberText.h"
#include "chart/Aspects.h"
#include "chart/CalcularNatal.h"
#include "predictive/DirectionMath.h"
#include "predictive/ListarProgresion.h"

namespace natalis {

TransitoInstante InstanteTransito(std::string& fechaTrans, std::string& horaTrans,
                                  const std::string& fechaProgTexto, const NatalRecord& rec,
                                  const Clock& clock) {
    TransitoInstante res;
    const bool ahora = fechaTrans == kTransitoAhora;
    LocalDateTime hoy;
    if (ahora) {
        hoy = clock.Now();
        fechaTrans =
            std::to_string(hoy.day) + " " + std::to_string(hoy.month) + " " + ZeroPad(hoy.year, 4);
        horaTrans = ZeroPad(hoy.hour, 2) + " " + ZeroPad(hoy.minute, 2);
    } else if (fechaTrans == kTransitoFechaProg) {
        fechaTrans = fechaProgTexto;
    }

    double d = 0, m = 0, a = 0, h = 0;
    std::string serr;
    stringFecha_a_dma(fechaTrans, d, m, a, serr);
    if (!serr.empty()) {
        res.estado = TransitoEstado::FechaRechazada;
        res.mensaje = serr;
        res.titulo = "corregir fecha";
        return res;
    }
    stringHora_a_h(horaTrans, h, serr);
    if (!serr.empty()) {
        res.estado = TransitoEstado::HoraRechazada;
        res.mensaje = serr;
        res.titulo = "corregir hora";
        return res;
    }
    if (ahora) {
        res.jd = JulDay(hoy.day, hoy.month, hoy.year) + FraccionDiaGMT(clock);
    } else {
        res.huso = HusoDeHoraLocal(rec, JulDay(d, m, a) + h / 24);
        res.jd = JulDay(d, m, a) + (h + res.huso.zoneHours) / 24;
    }
    return res;
}

std::vector<std::string> ListarTransitos(const std::string& fechaTrans,
                                         const std::string& horaTrans,
                                         const std::vector<PuntoAnillo>& puntos,
                                         const NatalTables& natal, const std::string& lineaHuso) {
    std::vector<std::string> lista = {"  TRANSITOS", "   ", "Fecha:  " + fechaTrans,
                                      "Hora:  " + horaTrans};
    if (!lineaHuso.empty()) lista.push_back(lineaHuso);
    lista.push_back("   ");
    for (const PuntoAnillo& p : puntos) {
        const float lon = p.pos.Lon;
        lista.push_back(EtiquetaPlaneta(p.fila + 1) + " trans " + ZodiacString(lon) +
                        (p.pos.Vel < 0 ? " r" : ""));
        ListarAspectosNatales(lon, GradoEnSigno(lon), {2.0f, 0.7f, false}, natal, lista);
        lista.push_back("   ");
    }
    lista.push_back("   ");
    return lista;
}

std::vector<std::string> ListarTransitos(const std::string& fechaTrans,
                                         const std::string& horaTrans, const PlanetTable& Planet,
                                         const NatalTables& natal, const std::string& lineaHuso) {
    return ListarTransitos(fechaTrans, horaTrans, PuntosDeTabla(Planet), natal, lineaHuso);
}

}  // namespace natalis
