// Checks of a period search and the text of its hits.
#include "predictive/ConsultaPeriodo.h"

#include <charconv>
#include <cmath>

#include "astro/Calendar.h"
#include "astro/DateTimeParse.h"
#include "astro/InstanteCivil.h"
#include "astro/NumberText.h"
#include "chart/Aspects.h"

namespace natalis {

namespace {

constexpr double kMinutosPorDia = 1440;

PeriodoRevisado Falla(const std::string& mensaje, const char* titulo) {
    PeriodoRevisado r;
    r.mensaje = mensaje;
    r.titulo = titulo;
    return r;
}

// The Julian day at 0 h of a typed date, or the parser's message.
std::optional<double> Fecha(std::string texto, std::string& serr) {
    double d = 0, m = 0, a = 0;
    stringFecha_a_dma(texto, d, m, a, serr);
    if (!serr.empty()) return std::nullopt;
    return JulDay(d, m, a);
}

// The whole text, blanks around it allowed, as a decimal number written with a point, read
// the same whatever the locale; nothing for any other text.
std::optional<double> Numero(const std::string& texto) {
    const size_t a = texto.find_first_not_of(' ');
    if (a == std::string::npos) return std::nullopt;
    const size_t b = texto.find_last_not_of(' ') + 1;
    double x = 0;
    const auto [fin, error] = std::from_chars(texto.data() + a, texto.data() + b, x);
    if (error != std::errc() || fin != texto.data() + b || !std::isfinite(x)) return std::nullopt;
    return x;
}

std::string Instante(const std::optional<double>& jd) { return jd ? InstanteUT(*jd) : "-"; }

}  // namespace

PeriodoRevisado RevisarConsultaPeriodo(const ConsultaPeriodo& consulta) {
    std::string serr;
    const std::optional<double> desde = Fecha(consulta.desde, serr);
    if (!desde) return Falla(serr, "corregir fecha");
    const std::optional<double> hasta = Fecha(consulta.hasta, serr);
    if (!hasta) return Falla(serr, "corregir fecha");
    PeriodoPedido p;
    p.jdDesde = *desde;
    p.jdHasta = *hasta + 1;
    if (p.jdHasta <= p.jdDesde) {
        return Falla("La fecha final es anterior a la inicial.", "corregir fecha");
    }
    if (p.jdHasta - p.jdDesde > kAniosMaximosPeriodo * 365.25 + 1) {
        return Falla(
            "El período no puede pasar de " + FormatGeneral(kAniosMaximosPeriodo) + " años.",
            "corregir fecha");
    }
    const std::optional<double> orbe = Numero(consulta.orbe);
    if (!orbe || !(*orbe > 0 && *orbe <= kOrbeMaximoPeriodo)) {
        return Falla("El orbe debe ser un número de grados mayor que 0 y no mayor que " +
                         FormatGeneral(kOrbeMaximoPeriodo) + ", por ejemplo 1.5.",
                     "corregir orbe");
    }
    p.orbeDeg = *orbe;
    const std::optional<TecnicaPeriodo> tecnica = TecnicaPeriodoDeNombre(consulta.tecnica);
    if (!tecnica) {
        return Falla("Técnica desconocida: «" + consulta.tecnica +
                         "». Las técnicas son \"Transitos\", \"Secundaria\" y \"Arco Solar\".",
                     "corregir técnica");
    }
    p.tecnica = *tecnica;
    PeriodoRevisado r;
    r.pedido = p;
    return r;
}

std::string InstanteUT(double jd) {
    // Rounded to the whole minute first, so that 23:59:40 is written as the next day's 00:00.
    const double minutos = std::floor((jd + 0.5) * kMinutosPorDia + 0.5);
    const InstanteCivil c = InstanteDeJD(minutos / kMinutosPorDia - 0.5);
    return ZeroPad(c.anio, 4) + "-" + ZeroPad(c.mes, 2) + "-" + ZeroPad(c.dia, 2) + " " +
           ZeroPad(c.hora, 2) + ":" + ZeroPad(c.minuto, 2);
}

std::array<std::string, 6> CamposAspectoPeriodo(const AspectoPeriodo& a) {
    return {EtiquetaPunto(a.movil), TablaAspectos[a.aspecto].Nombre, EtiquetaPunto(a.natal),
            Instante(a.jdEntrada),  InstanteUT(a.jdExacto),          Instante(a.jdSalida)};
}

std::string LineaAspectoPeriodo(const AspectoPeriodo& a) {
    const std::array<std::string, 6> campos = CamposAspectoPeriodo(a);
    std::string linea = campos[0];
    for (size_t i = 1; i < campos.size(); ++i) linea += "\t" + campos[i];
    return linea;
}

}  // namespace natalis
