// Checks of a calendar of the sky, its clock and the text of its events.
#include "predictive/ConsultaCalendario.h"

#include <cmath>

#include "astro/AngleMath.h"
#include "astro/NumberText.h"
#include "astro/TimeZoneHistory.h"
#include "chart/Aspects.h"
#include "predictive/ConsultaPeriodo.h"
#include "predictive/PuntosMoviles.h"

namespace natalis {

namespace {

constexpr double kJdEpocaUnix = 2440587.5;  // 1970-01-01 0 h UT
constexpr double kSegundosPorDia = 86400;

constexpr const char* kSignos[12] = {"Aries",     "Tauro",       "Géminis", "Cáncer",
                                     "Leo",       "Virgo",       "Libra",   "Escorpio",
                                     "Sagitario", "Capricornio", "Acuario", "Piscis"};

struct NombreEvento {
    TipoEventoCielo tipo;
    const char* nombre;
};
constexpr NombreEvento kNombresEvento[] = {
    {TipoEventoCielo::LunaNueva, "Luna nueva"},
    {TipoEventoCielo::LunaLlena, "Luna llena"},
    {TipoEventoCielo::EclipseSolar, "Eclipse solar"},
    {TipoEventoCielo::EclipseLunar, "Eclipse lunar"},
    {TipoEventoCielo::Ingreso, "Ingreso"},
    {TipoEventoCielo::EstacionRetrograda, "Estación retrógrada"},
    {TipoEventoCielo::EstacionDirecta, "Estación directa"},
    {TipoEventoCielo::LunaVaciaDeCurso, "Luna vacía de curso"},
    {TipoEventoCielo::Contacto, "Contacto"},
};

const char* NombreDe(TipoEventoCielo t) {
    for (const NombreEvento& n : kNombresEvento) {
        if (n.tipo == t) return n.nombre;
    }
    return "";
}

const char* NombreEclipse(TipoEclipse t) {
    switch (t) {
        case TipoEclipse::Total:
            return "total";
        case TipoEclipse::Anular:
            return "anular";
        case TipoEclipse::Parcial:
            return "parcial";
        case TipoEclipse::Hibrido:
            return "híbrido";
        case TipoEclipse::Penumbral:
            return "penumbral";
    }
    return "";
}

// The aspect of the aspects table with this angle ("Conj", "Sext" ...).
std::string NombreAspecto(int angulo) {
    for (const AspectoDef& a : TablaAspectos) {
        if (a.Angulo == angulo) return a.Nombre;
    }
    return std::to_string(angulo);
}

// The clock's reading at jd: offset ahead of UT in seconds and its name.
std::pair<long, std::string> Lectura(const RelojCalendario& reloj, double jd) {
    if (reloj.zona.empty()) return {reloj.offsetFijo, reloj.nombreFijo};
    const long long ut = std::llround((jd - kJdEpocaUnix) * kSegundosPorDia);
    const ZoneTimeResult z = ReadingAtInstant(reloj.zona, ut, reloj.lonEste);
    if (z.readings.empty()) return {0, "UT"};
    return {z.readings[0].offsetSeconds, z.readings[0].abbreviation};
}

std::string EnReloj(const RelojCalendario& reloj, double jd) {
    return InstanteUT(jd + Lectura(reloj, jd).first / kSegundosPorDia);
}

// Degrees and minutes of a small angle: "0°24'".
std::string GradosMinutos(double deg) {
    const long minutos = std::lround(deg * 60);
    return std::to_string(minutos / 60) + "°" + ZeroPad(minutos % 60, 2) + "'";
}

std::string Detalle(const EventoCielo& e, const RelojCalendario& reloj) {
    switch (e.tipo) {
        case TipoEventoCielo::EclipseSolar:
        case TipoEventoCielo::EclipseLunar:
            return e.eclipse ? NombreEclipse(*e.eclipse) : "";
        case TipoEventoCielo::Ingreso:
            return e.signo >= 1 && e.signo <= 12 ? kSignos[e.signo - 1] : "";
        case TipoEventoCielo::LunaVaciaDeCurso: {
            std::string d = "hasta " + InstanteUT(e.jdFin) + " UT, " + EnReloj(reloj, e.jdFin) +
                            " hora local; ";
            if (!e.anguloUltimo) return d + "sin aspectos en el signo";
            return d + "último aspecto: " + NombreAspecto(*e.anguloUltimo) + " " +
                   EtiquetaPunto(e.cuerpoUltimo);
        }
        case TipoEventoCielo::Contacto: {
            std::string d = NombreDe(e.de);
            if (e.eclipse) d += std::string(" ") + NombreEclipse(*e.eclipse);
            return d + " a " + GradosMinutos(e.separacionDeg) + " del punto natal";
        }
        default:
            return "";
    }
}

}  // namespace

CalendarioRevisado RevisarConsultaCalendario(const ConsultaCalendario& consulta) {
    CalendarioRevisado r;
    const PeriodoRevisado p =
        RevisarConsultaPeriodo({consulta.desde, consulta.hasta, consulta.orbe, "Transitos"});
    if (!p.pedido) {
        r.mensaje = p.mensaje;
        r.titulo = p.titulo;
        return r;
    }
    if (!consulta.huso.empty() && !ZoneExists(consulta.huso)) {
        r.mensaje = UnknownZoneMessage(consulta.huso);
        r.titulo = "corregir huso";
        return r;
    }
    r.pedido =
        CalendarioPedido{p.pedido->jdDesde, p.pedido->jdHasta, p.pedido->orbeDeg, consulta.huso};
    return r;
}

RelojCalendario RelojDeHuso(const std::string& huso) {
    RelojCalendario r;
    r.zona = huso;
    return r;
}

RelojCalendario RelojDeCarta(const NatalRecord& d, const std::string& huso) {
    if (!huso.empty()) return RelojDeHuso(huso);
    RelojCalendario r;
    if (d.ZoneFrom.FromDatabase()) {
        r.zona = d.ZoneFrom.zone;
        r.lonEste = d.LongitudeDeg;
        return r;
    }
    // ZoneHours is positive west: the clock is behind UT by that much.
    r.offsetFijo = std::lround(-static_cast<double>(d.ZoneHours) * 3600.0);
    r.nombreFijo = "";
    return r;
}

std::array<std::string, 7> CamposEventoCielo(const EventoCielo& e, const RelojCalendario& reloj) {
    const auto [offset, nombre] = Lectura(reloj, e.jd);
    std::string huso = FormatUtcOffset(offset);
    if (!nombre.empty()) huso += " " + nombre;
    return {InstanteUT(e.jd),
            InstanteUT(e.jd + offset / kSegundosPorDia),
            huso,
            NombreDe(e.tipo),
            EtiquetaPunto(e.cuerpo),
            ZodiacString(e.lonDeg),
            Detalle(e, reloj)};
}

std::string LineaEventoCielo(const EventoCielo& e, const RelojCalendario& reloj) {
    const std::array<std::string, 7> campos = CamposEventoCielo(e, reloj);
    std::string linea = campos[0];
    for (size_t i = 1; i < campos.size(); ++i) linea += "\t" + campos[i];
    return linea;
}

std::string CabeceraCalendario() { return "UT\tHora local\tHuso\tEvento\tPunto\tLugar\tDetalle"; }

}  // namespace natalis
