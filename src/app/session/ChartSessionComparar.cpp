// ChartSession's comparisons: a synastry, a composite, a Davison chart, a return and the
// chart of a moment, drawn in the natal wheel's place and listed.
#include <utility>

#include "app/session/ChartSession.h"
#include "astro/Calendar.h"
#include "astro/DateTimeParse.h"
#include "astro/TextTrim.h"
#include "chart/BiRueda.h"
#include "chart/Compuesta.h"
#include "chart/DibujarRueda.h"
#include "chart/ErrorCalculoNatal.h"
#include "chart/ListadoNatal.h"
#include "chart/Orbes.h"
#include "predictive/RetornoCarta.h"

namespace natalis {

namespace {

const char kSinNatal[] = "Primero elija una carta: la comparación parte de la carta en pantalla.";

bool EsBiRueda(TipoComparacion t) {
    return t == TipoComparacion::Sinastria || t == TipoComparacion::Retorno;
}

// The charts of a bi-wheel: the inner one (whose houses are drawn) and the outer ring. A
// synastry puts the first person inside; a return puts itself inside and the natal chart out.
const Carta& Interior(const CartasComparadas& c) {
    return c.tipo == TipoComparacion::Retorno ? c.carta : c.primera;
}
const Carta& Exterior(const CartasComparadas& c) {
    return c.tipo == TipoComparacion::Retorno ? c.primera : c.carta;
}

// The ephemeris's message when a chart computed here has a point without a position.
std::optional<std::string> ErrorCalculoCarta(const Carta& c) {
    return ErrorCalculoNatal(ChartTables{c.Planet, c.Cusp, c.natal});
}

}  // namespace

std::string TituloComparacion(const CartasComparadas& c) {
    switch (c.tipo) {
        case TipoComparacion::Sinastria:
            return "Sinastría de " + NombreCarta(c.primera) + " y " + NombreCarta(c.carta);
        case TipoComparacion::Ahora:
            return "Ahora en " + TrimBlanks(c.lugar.nombre);
        case TipoComparacion::Compuesta:
        case TipoComparacion::Davison:
        case TipoComparacion::Retorno:
            break;
    }
    return c.carta.titulo.empty() ? NombreCarta(c.carta) : c.carta.titulo;
}

void ChartSession::MostrarComparacion(Surface* s) {
    const CartasComparadas& c = *comparacion_;
    WheelHeader header{std::string(), CasasCaption()};
    header.orbes = orbes;
    if (EsBiRueda(c.tipo)) {
        if (s) DibujarBiRueda(*s, Interior(c), Exterior(c), c.cruce, header, wheel);
        Lista = ListarSinastria(Interior(c), Exterior(c), c.cruce);
    } else {
        // A single chart carries its own house caption (a composite has no record).
        header.casasCaption.clear();
        if (s) DibujarCarta(*s, c.carta, header, wheel);
        Lista = ListarAspectosOrbes(c.carta.natal, orbes);
    }
    // Nothing of Lista is the natal aspects list, nor a predictive block over it.
    lineasNatales_ = 0;
    anillos_ = {Anillo{}};
}

std::optional<std::string> ChartSession::MostrarSinastria(const NatalRecord& otra, Surface* s) {
    if (cartas_.empty()) return std::string(kSinNatal);
    cartas_.resize(1);  // the earlier second person gives way
    if (auto error = AgregarCarta(otra)) return error;
    CartasComparadas c;
    c.tipo = TipoComparacion::Sinastria;
    c.primera = cartas_.front();
    c.carta = cartas_.back();
    c.pareja = c.carta;
    c.cruce = CalcularSinastria(c.primera.natal, c.carta.natal);
    comparacion_ = std::move(c);
    MostrarComparacion(s);
    return std::nullopt;
}

std::optional<std::string> ChartSession::MostrarCompuesta(const NatalRecord& otra, Surface* s) {
    if (cartas_.empty()) return std::string(kSinNatal);
    cartas_.resize(1);
    if (auto error = AgregarCarta(otra)) return error;
    CartasComparadas c;
    c.tipo = TipoComparacion::Compuesta;
    c.primera = cartas_.front();
    c.pareja = cartas_.back();
    c.carta = CalcularCompuesta(c.primera, *c.pareja);
    comparacion_ = std::move(c);
    MostrarComparacion(s);
    return std::nullopt;
}

std::optional<std::string> ChartSession::MostrarDavison(const NatalRecord& otra, LugarMedio modo,
                                                        Surface* s) {
    if (cartas_.empty()) return std::string(kSinNatal);
    cartas_.resize(1);
    if (auto error = AgregarCarta(otra)) return error;
    CartasComparadas c;
    c.tipo = TipoComparacion::Davison;
    c.primera = cartas_.front();
    c.pareja = cartas_.back();
    c.carta = CalcularDavison(c.primera, *c.pareja, modo, eph_);
    if (auto error = ErrorCalculoCarta(c.carta)) return error;
    comparacion_ = std::move(c);
    MostrarComparacion(s);
    return std::nullopt;
}

std::optional<std::string> ChartSession::MostrarRetornoCarta(TipoRetorno tipo, double desdeJD,
                                                             const LugarCarta& lugar, Surface* s) {
    if (cartas_.empty()) return std::string(kSinNatal);
    CartaRetornoResultado r = CalcularCartaRetorno(tipo, cartas_.front(), desdeJD, lugar, eph_);
    if (!r.ok) return r.mensaje;
    if (auto error = ErrorCalculoCarta(r.carta)) return error;
    CartasComparadas c;
    c.tipo = TipoComparacion::Retorno;
    c.primera = cartas_.front();
    c.carta = std::move(r.carta);
    c.cruce = CalcularSinastria(c.carta.natal, c.primera.natal);
    c.retorno = tipo;
    c.jd = r.jd;
    c.lugar = lugar;
    comparacion_ = std::move(c);
    MostrarComparacion(s);
    return std::nullopt;
}

std::optional<std::string> ChartSession::MostrarRetornoCarta(TipoRetorno tipo, std::string& fecha,
                                                             const LugarCarta& lugar, Surface* s) {
    double d = 0, m = 0, a = 0;
    std::string error;
    stringFecha_a_dma(fecha, d, m, a, error);
    if (!error.empty()) return error;
    return MostrarRetornoCarta(tipo, JulDay(d, m, a) + DatosNatales.ZoneHours / 24.0, lugar, s);
}

std::optional<std::string> ChartSession::RetornoVecinoCarta(bool adelante, Surface* s) {
    if (!comparacion_ || comparacion_->tipo != TipoComparacion::Retorno)
        return std::string("No hay un retorno en pantalla.");
    const CartasComparadas& actual = *comparacion_;
    CartaRetornoResultado r =
        RetornoVecino(actual.retorno, actual.primera, actual.jd, adelante, actual.lugar, eph_);
    if (!r.ok) return r.mensaje;
    if (auto error = ErrorCalculoCarta(r.carta)) return error;
    CartasComparadas c = actual;
    c.carta = std::move(r.carta);
    c.cruce = CalcularSinastria(c.carta.natal, c.primera.natal);
    c.jd = r.jd;
    comparacion_ = std::move(c);
    MostrarComparacion(s);
    return std::nullopt;
}

std::optional<std::string> ChartSession::MostrarAhora(double jd, const LugarCarta& lugar,
                                                      Surface* s) {
    OpcionesCarta opciones;
    opciones.casas = HouseSystem;
    opciones.zodiaco = zodiaco;
    opciones.puntos = Puntos;
    std::string error;
    std::optional<Carta> ahora = CalcularCartaAhora(jd, lugar, opciones, eph_, error);
    if (!ahora) return error;
    if (auto falla = ErrorCalculoCarta(*ahora)) return falla;
    CartasComparadas c;
    c.tipo = TipoComparacion::Ahora;
    if (!cartas_.empty()) c.primera = cartas_.front();
    c.carta = std::move(*ahora);
    c.jd = jd;
    c.lugar = lugar;
    comparacion_ = std::move(c);
    MostrarComparacion(s);
    return std::nullopt;
}

std::vector<std::string> ChartSession::ListadoComparacion() const {
    if (!comparacion_) return {};
    const CartasComparadas& c = *comparacion_;
    std::vector<std::string> lineas = {TituloComparacion(c), std::string()};
    if (c.tipo != TipoComparacion::Sinastria) {
        const auto posiciones = ListadoNatal(c.carta.natal);
        lineas.insert(lineas.end(), posiciones.begin(), posiciones.end());
    }
    if (EsBiRueda(c.tipo)) {
        const auto cruce = ListarSinastria(Interior(c), Exterior(c), c.cruce);
        lineas.insert(lineas.end(), cruce.begin(), cruce.end());
    }
    return lineas;
}

std::optional<NatalRecord> ChartSession::RegistroGuardable() const {
    if (!comparacion_ || comparacion_->tipo != TipoComparacion::Davison) return std::nullopt;
    return comparacion_->carta.nacimiento;
}

std::optional<RejillaCruzada> ChartSession::RejillaComparacion() const {
    if (!comparacion_ || !EsBiRueda(comparacion_->tipo)) return std::nullopt;
    return ArmarRejillaCruzada(Interior(*comparacion_), Exterior(*comparacion_),
                               comparacion_->cruce);
}

}  // namespace natalis
