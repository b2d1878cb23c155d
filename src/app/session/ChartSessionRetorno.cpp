// ChartSession::Retornar: a solar or lunar return shown as a transit of its own.
#include "app/session/ChartSession.h"
#include "predictive/ListarRetorno.h"

namespace natalis {

RetornoSesion ChartSession::Retornar(Surface* s, TipoRetorno tipo, std::string& fecha,
                                     Natal natal) {
    RetornoSesion res;
    res.retorno = CalcularRetorno(tipo, fecha, DatosNatales, tables.natal, eph_);
    if (res.retorno.estado != RetornoCalculoEstado::Calculado) return res;

    if (s && natal == Natal::Redibujar) DibujarNatal(*s);
    if (pred.HayProgresion) res.progresion = Progresar(s, Natal::YaDibujada);
    tables.Planet = res.retorno.Planet;
    AnillosConTransito(TipoAnillo::Retorno, res.retorno.jd, res.retorno.puntos, res.progresion);
    if (s) DibujarAnilloTransito(*s);
    res.primeraLinea = lineaTransito_ = Lista.size();
    const auto bloque = ListarRetorno(tipo, res.retorno.jd, DatosNatales.ZoneHours,
                                      anillos_.back().puntos, tables.natal);
    Lista.insert(Lista.end(), bloque.begin(), bloque.end());
    return res;
}

}  // namespace natalis
