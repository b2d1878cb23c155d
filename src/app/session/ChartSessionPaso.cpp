// ChartSession::TransitarJD and stepping a transit or a progression through time.
#include <algorithm>

#include "app/model/HusoEnFecha.h"
#include "app/session/ChartSession.h"
#include "astro/DateTimeParse.h"
#include "astro/InstanteCivil.h"
#include "predictive/Tecnicas.h"

namespace natalis {

namespace {

std::string Texto(const FechaCivil& f) { return TextoFecha({f.dia, f.mes, f.anio}); }

// The progression's date as typed, or nothing when it does not read as a date.
std::optional<FechaCivil> FechaProgresion(std::string texto) {
    double d = 0, m = 0, a = 0;
    std::string serr;
    stringFecha_a_dma(texto, d, m, a, serr);
    if (!serr.empty()) return std::nullopt;
    return FechaCivil{static_cast<int>(d), static_cast<int>(m), static_cast<int>(a)};
}

}  // namespace

TransitoResultado ChartSession::TransitarJD(Surface* s, double jdUT, Natal natal) {
    const HusoEnFecha huso = HusoDeInstante(DatosNatales, jdUT);
    const double zona = huso.zoneHours;
    return MostrarTransito(s, jdUT, Texto(FechaEnZona(jdUT, zona)), HoraEnZona(jdUT, zona),
                           LineaHusoUsado(huso), natal);
}

PasoSesion ChartSession::MostrarAspectoPeriodo(Surface* s, const AspectoPeriodo& hit) {
    PasoSesion r;
    if (Periodo.tecnica == TecnicaPeriodo::Transitos) {
        r.movio = PasoMovio::Transito;
        r.transito = TransitarJD(s, hit.jdExacto);
        return r;
    }
    r.movio = PasoMovio::Progresion;
    const std::string anterior = pred.FechaProgTexto;
    const TipoTecnica tecnicaAnterior = pred.Tecnica;
    // A progressing technique of the period draws as its row of the progression engine.
    pred.Tecnica = FilaTecnicaPeriodo(Periodo.tecnica).progresion.value_or(TipoTecnica::ArcoSolar);
    pred.FechaProgTexto =
        Texto(FechaEnZona(hit.jdExacto, HusoDeInstante(DatosNatales, hit.jdExacto).zoneHours));
    // The period search directs forward.
    pred.Directa = true;
    pred.Conversa = false;
    r.progresion = Progresar(s);
    if (r.progresion.estado != ProgresionEstado::Calculada) {
        pred.FechaProgTexto = anterior;
        pred.Tecnica = tecnicaAnterior;
    }
    return r;
}

PasoSesion ChartSession::Desplazar(Surface* s, UnidadPaso unidad, int cuantos) {
    PasoSesion paso;
    if (const std::optional<double> jdTransito = JdTransito()) {
        paso.movio = PasoMovio::Transito;
        // The clock time of the zone at the instant, stepped on that clock, and read again
        // with the offset the zone's clock showed on the new date.
        const HusoEnFecha antes = HusoDeInstante(DatosNatales, *jdTransito);
        double jd = DesplazarInstante(*jdTransito, antes.zoneHours, unidad, cuantos);
        if (antes.fuente) {
            const double local = jd - antes.zoneHours / 24;
            jd = local + HusoDeHoraLocal(DatosNatales, local).zoneHours / 24;
        }
        // The block of the transit on display gives way to the stepped one (with a
        // progression on display the listing is written afresh anyway).
        std::vector<std::string> lista = Lista;
        Lista.resize(std::min(Lista.size(), lineaTransito_));
        paso.transito = TransitarJD(s, jd);
        if (paso.transito.errorCalculo) Lista = std::move(lista);
        return paso;
    }
    if (!pred.HayProgresion) return paso;
    const std::optional<FechaCivil> fecha = FechaProgresion(pred.FechaProgTexto);
    if (!fecha) return paso;
    paso.movio = PasoMovio::Progresion;
    const std::string anterior = pred.FechaProgTexto;
    pred.FechaProgTexto = Texto(DesplazarFecha(*fecha, unidad, cuantos));
    paso.progresion = Progresar(s);
    // A refused date leaves the progression on display as it was, with its own date.
    if (paso.progresion.estado != ProgresionEstado::Calculada) pred.FechaProgTexto = anterior;
    return paso;
}

std::string ChartSession::FechaEnPantalla() const {
    if (const std::optional<double> jdTransito = JdTransito()) {
        const double zona = HusoDeInstante(DatosNatales, *jdTransito).zoneHours;
        std::string hora = HoraEnZona(*jdTransito, zona);
        hora[2] = ':';
        return "Tránsito " + Texto(FechaEnZona(*jdTransito, zona)) + " " + hora;
    }
    if (!pred.HayProgresion) return std::string();
    const std::optional<FechaCivil> fecha = FechaProgresion(pred.FechaProgTexto);
    return fecha ? "Progresión " + Texto(*fecha) : std::string();
}

}  // namespace natalis
