#include "predictive/RetornoCarta.h"

#include "chart/Compuesta.h"

namespace natalis {

namespace {

// Mean periods of the returns, days: the tropical year and month (Meeus ch. 25, 47).
double Periodo(TipoRetorno tipo) { return tipo == TipoRetorno::Solar ? 365.24219 : 27.32158; }

}  // namespace

CartaRetornoResultado CalcularCartaRetorno(TipoRetorno tipo, const Carta& natal, double desdeJD,
                                           const LugarCarta& lugar, Ephemeris& eph) {
    CartaRetornoResultado r;
    const int cuerpo = tipo == TipoRetorno::Solar ? 1 : 2;
    const RetornoInstante i = BuscarRetorno(tipo, natal.natal.PlanetaNatal[cuerpo].Lon, desdeJD,
                                            eph, natal.natal.zodiaco);
    if (i.estado != RetornoEstado::Hallado) {
        r.mensaje = i.mensaje;
        return r;
    }
    return CartaDeRetorno(tipo, natal, i.jd, lugar, eph);
}

CartaRetornoResultado CartaDeRetorno(TipoRetorno tipo, const Carta& natal, double jd,
                                     const LugarCarta& lugar, Ephemeris& eph) {
    CartaRetornoResultado r;
    r.jd = jd;
    const std::string titulo =
        std::string(tipo == TipoRetorno::Solar ? "Retorno solar de " : "Retorno lunar de ") +
        NombreCarta(natal);
    const auto rec = RegistroDeInstante(jd, lugar, titulo, r.mensaje);
    if (!rec) return r;
    r.carta = CalcularCarta(*rec, natal.opciones, eph);
    r.carta.tipo = tipo == TipoRetorno::Solar ? TipoCarta::RetornoSolar : TipoCarta::RetornoLunar;
    r.carta.titulo = titulo;
    r.ok = true;
    return r;
}

CartaRetornoResultado RetornoVecino(TipoRetorno tipo, const Carta& natal, double jd, bool adelante,
                                    const LugarCarta& lugar, Ephemeris& eph) {
    // Returns stand about a period apart (never less than 0.9 of it): half a period after jd
    // the next one is the first; a period and a half before, the previous one is.
    const double p = Periodo(tipo);
    return CalcularCartaRetorno(tipo, natal, adelante ? jd + 0.5 * p : jd - 1.5 * p, lugar, eph);
}

std::optional<Carta> CalcularCartaAhora(double jd, const LugarCarta& lugar,
                                        const OpcionesCarta& opciones, Ephemeris& eph,
                                        std::string& error) {
    const auto rec = RegistroDeInstante(jd, lugar, "Ahora", error);
    if (!rec) return std::nullopt;
    Carta c = CalcularCarta(*rec, opciones, eph);
    c.tipo = TipoCarta::Ahora;
    c.titulo = "Ahora";
    return c;
}

}  // namespace natalis
