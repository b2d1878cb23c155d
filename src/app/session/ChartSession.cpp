#include "app/session/ChartSession.h"

#include <cmath>

#include "astro/Planets.h"
#include "chart/Aspects.h"
#include "chart/CalcularNatal.h"
#include "chart/DibujarRueda.h"
#include "chart/DistribuirGlifos.h"
#include "chart/ErrorCalculoNatal.h"
#include "chart/ListadoNatal.h"
#include "chart/Rings.h"
#include "predictive/ListarProgresion.h"
#include "predictive/PuntosMoviles.h"

namespace natalis {

ChartReadResult ChartSession::Load(const std::string& folder, const std::string& fileName) {
    ChartReadResult read = ReadChartFile(folder, fileName, DatosNatales);
    if (!read.ok) return read;
    flags.ChartLoaded = true;
    flags.NewChart = false;
    pred.HoraTexto.clear();
    pred.HayProgresion = false;
    return read;
}

void ChartSession::Accept() {
    pred.HoraTexto.clear();
    Lista.clear();
}

std::optional<std::string> ChartSession::CalcularNatal() {
    natalis::CalcularNatal(DatosNatales, HouseSystem, eph_, tables);
    if (auto error = ErrorCalculoNatal(tables)) return error;
    DistribuirGlifos(tables.natal.PlanetaNatal);
    Lista = ListarAspectos(tables.natal);
    JdTransito.reset();
    return std::nullopt;
}

std::optional<std::string> ChartSession::MostrarNatal(Surface* s) {
    auto error = CalcularNatal();
    if (!error && s) DibujarNatal(*s);
    return error;
}

void ChartSession::DibujarNatal(Surface& s) {
    DibujarRueda(s, tables.natal, DatosNatales, {pred.HoraTexto, CasasCaption()}, wheel);
}

void ChartSession::SoloNatal(Surface* s) {
    pred.HayProgresion = false;
    JdTransito.reset();
    if (s) DibujarNatal(*s);
    Lista = ListarAspectos(tables.natal);
}

ProgresionResultado ChartSession::Progresar(Surface* s, Natal natal) {
    ProgresionResultado r =
        CalcularProgresion(pred, tables, DatosNatales, LetraCasas(HouseSystem), eph_);
    if (r.estado != ProgresionEstado::Calculada) return r;
    // A progression drawn over a fresh wheel leaves no transit ring on it.
    if (natal == Natal::Redibujar) JdTransito.reset();
    if (s) {
        if (natal == Natal::Redibujar) DibujarNatal(*s);
        DibujarProgresion(*s, wheel, pred.prog);
    }
    Lista = ListarProgresion(pred.Tecnica, pred.Arco, pred, tables.natal);
    return r;
}

ProgresionResultado ChartSession::ProgresarHasta(const std::string& fecha, Surface* s) {
    const std::string anterior = pred.FechaProgTexto;
    pred.FechaProgTexto = fecha;
    ProgresionResultado r = Progresar(s);
    if (r.estado == ProgresionEstado::FechaRechazada) pred.FechaProgTexto = anterior;
    return r;
}

TransitoResultado ChartSession::Transitar(const Clock& clock, Surface* s, std::string& fechaTrans,
                                          std::string& horaTrans, Natal natal) {
    const TransitoInstante instante =
        InstanteTransito(fechaTrans, horaTrans, pred.FechaProgTexto, DatosNatales, clock);
    if (instante.estado != TransitoEstado::Calculado) {
        TransitoResultado res;
        res.instante = instante;
        return res;
    }
    return MostrarTransito(s, instante.jd, fechaTrans, horaTrans, natal);
}

TransitoResultado ChartSession::MostrarTransito(Surface* s, double jd, const std::string& fecha,
                                                const std::string& hora, Natal natal) {
    TransitoResultado res;
    res.instante.jd = jd;
    PlanetTable transito = tables.Planet;
    Planets(jd, eph_, transito);
    for (int i = 1; i <= 10; ++i) {
        if (!std::isfinite(transito[i].Lon) || !std::isfinite(transito[i].Vel)) {
            res.errorCalculo = true;
            return res;
        }
    }

    if (s && natal == Natal::Redibujar) DibujarNatal(*s);
    // The progression on display is recomputed under the transit ring, over the wheel just
    // drawn; its listing replaces Lista before the block is appended.
    if (pred.HayProgresion) res.progresion = Progresar(s, Natal::YaDibujada);
    tables.Planet = transito;
    JdTransito = jd;
    if (s) DibujarTransito(*s, wheel, tables.Planet, pred.HayProgresion);
    res.primeraLinea = lineaTransito_ = Lista.size();
    const auto bloque = ListarTransitos(fecha, hora, tables.Planet, tables.natal);
    Lista.insert(Lista.end(), bloque.begin(), bloque.end());
    return res;
}

std::vector<std::string> ChartSession::ListadoNatalLineas() const {
    return ListadoNatal(tables.natal);
}

std::string ChartSession::AvisoCasas() const { return AvisoCasasPorfirio(tables.natal.Casas); }

std::string ChartSession::CasasCaption() const {
    return CaptionCasas(HouseSystem, flags.ChartLoaded && tables.natal.Casas.respaldoPorfirio);
}

std::vector<AspectoPeriodo> ChartSession::AspectosDelPeriodo(const PeriodoPedido& p) {
    // The universal time of birth summed in single precision, as the progression engine does.
    const float horaUT = DatosNatales.NatalHour + DatosNatales.ZoneHours;
    std::vector<PuntoMovil> moviles = PuntosMoviles(p.tecnica, tables.natal, horaUT, eph_);
    return BuscarAspectosPeriodo(moviles, tables.natal, p.jdDesde, p.jdHasta, p.orbeDeg);
}

}  // namespace natalis
