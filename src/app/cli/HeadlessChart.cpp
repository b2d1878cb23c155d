#include "app/cli/HeadlessChart.h"

#include <filesystem>

namespace natalis {

bool EjecutarCarta(const OpcionesHeadless& o, const std::string& archivo, ChartSession& sesion,
                   const Clock& clock, Surface* s, std::ostream& err, CartaHeadless& resultado) {
    return CargarCartaHeadless(archivo, sesion, err) &&
           CalcularCartaHeadless(o, sesion, clock, s, err, resultado);
}

bool CargarCartaHeadless(const std::string& archivo, ChartSession& sesion, std::ostream& err) {
    const std::filesystem::path path(archivo);
    const ChartReadResult read = sesion.Load(path.parent_path().string(), path.filename().string());
    if (!read.ok) err << ChartReadReport(read) << "\n";
    return read.ok;
}

bool CalcularCartaHeadless(const OpcionesHeadless& o, ChartSession& sesion, const Clock& clock,
                           Surface* s, std::ostream& err, CartaHeadless& resultado) {
    sesion.HouseSystem = o.casas;
    sesion.Puntos = o.puntos;
    sesion.zodiaco = o.zodiaco;
    sesion.orbes = o.orbes;
    if (const auto error = sesion.MostrarNatal(s)) {
        err << *error << "\n";
        return false;
    }

    if (o.progresion) {
        PredictiveState& p = sesion.pred;
        p.Tecnica = o.tecnica;
        p.Conversa = o.conversa;
        p.Directa = !o.conversa;
        p.AscEnArco = o.ascEnArco;
        p.FechaProgTexto = o.fechaProg;
        // With a transit too, the transit draws the progression again under its own ring.
        resultado.progresion =
            sesion.Progresar(o.transito ? nullptr : s, ChartSession::Natal::YaDibujada);
        if (resultado.progresion.estado != ProgresionEstado::Calculada) {
            err << resultado.progresion.mensaje << "\n";
            return false;
        }
    }
    if (o.transito) {
        std::string fecha = o.fechaTrans, hora = o.horaTrans;
        resultado.transito =
            sesion.Transitar(clock, s, fecha, hora, ChartSession::Natal::YaDibujada);
        if (resultado.transito.instante.estado != TransitoEstado::Calculado) {
            err << resultado.transito.instante.mensaje << "\n";
            return false;
        }
        if (resultado.transito.errorCalculo) {
            err << kErrorCalculoTransito << "\n";
            return false;
        }
    }
    return true;
}

std::optional<PeriodoPedido> PeriodoConCarta(const OpcionesHeadless& o, ChartSession& sesion,
                                             const Clock& clock, std::ostream& err) {
    const PeriodoRevisado revisado = RevisarConsultaPeriodo(o.consultaPeriodo);
    if (!revisado.pedido) {
        err << revisado.mensaje << "\n";
        return std::nullopt;
    }
    CartaHeadless carta;
    if (!EjecutarCarta(o, o.archivos[0], sesion, clock, nullptr, err, carta)) return std::nullopt;
    const std::string aviso = sesion.AvisoCasas();
    if (!aviso.empty()) err << aviso << "\n";
    return revisado.pedido;
}

}  // namespace natalis
