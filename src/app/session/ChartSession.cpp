#include "app/session/ChartSession.h"

#include <algorithm>
#include <cmath>

#include "app/model/ChartFormats.h"
#include "astro/Planets.h"
#include "chart/Aspects.h"
#include "chart/CalcularNatal.h"
#include "chart/DibujarRueda.h"
#include "chart/DistribuirGlifos.h"
#include "chart/ErrorCalculoNatal.h"
#include "chart/ListadoNatal.h"
#include "chart/Rings.h"
#include "predictive/HoraSolar.h"
#include "predictive/ListarProgresion.h"
#include "predictive/PuntosMoviles.h"

namespace natalis {

namespace {

// The chart a natal computation left in t, computed from rec in the house system casas.
Carta CartaDeTablas(const NatalRecord& rec, SistemaCasas casas, const ChartTables& t) {
    Carta c;
    c.nacimiento = rec;
    c.opciones.casas = casas;
    c.opciones.zodiaco = t.natal.zodiaco;
    c.opciones.puntos = t.natal.Puntos;
    c.natal = t.natal;
    c.Planet = t.Planet;
    c.Cusp = t.Cusp;
    return c;
}

}  // namespace

ChartReadResult ChartSession::Load(const std::string& folder, const std::string& fileName) {
    ChartReadResult read = ReadChartAnyFormat(folder, fileName, DatosNatales);
    if (!read.ok) return read;
    flags.ChartLoaded = true;
    flags.NewChart = false;
    flags.NewChartSaved = false;
    pred.HoraTexto.clear();
    pred.HayProgresion = false;
    return read;
}

void ChartSession::Accept() {
    flags.NewChartSaved = false;
    pred.HoraTexto.clear();
    Lista.clear();
    anillos_.clear();
    lineasNatales_ = 0;
}

std::optional<std::string> ChartSession::CalcularNatal() {
    tables.natal.Puntos = Puntos;
    tables.natal.zodiaco = zodiaco;
    natalis::CalcularNatal(DatosNatales, HouseSystem, eph_, tables);
    if (auto error = ErrorCalculoNatal(tables)) return error;
    DistribuirGlifos(tables.natal.PlanetaNatal);
    Carta natal = CartaDeTablas(DatosNatales, HouseSystem, tables);
    if (cartas_.empty()) {
        cartas_.push_back(std::move(natal));
    } else {
        cartas_.front() = std::move(natal);
    }
    Lista = ListarAspectosOrbes(tables.natal, orbes);
    lineasNatales_ = Lista.size();
    anillos_ = {Anillo{}};
    return std::nullopt;
}

std::optional<std::string> ChartSession::MostrarNatal(Surface* s) {
    auto error = CalcularNatal();
    if (!error && s) DibujarNatal(*s);
    return error;
}

void ChartSession::DibujarNatal(Surface& s) {
    DibujarRueda(s, tables.natal, DatosNatales, {pred.HoraTexto, CasasCaption(), true, orbes},
                 wheel);
}

void ChartSession::SoloNatal(Surface* s) {
    pred.HayProgresion = false;
    if (s) DibujarNatal(*s);
    Lista = ListarAspectosOrbes(tables.natal, orbes);
    lineasNatales_ = Lista.size();
    anillos_ = {Anillo{}};
}

ProgresionResultado ChartSession::Progresar(Surface* s, Natal natal) {
    ProgresionResultado r = CalcularProgresion(pred, tables, DatosNatales, HouseSystem, eph_);
    if (r.estado != ProgresionEstado::Calculada) return r;
    if (s) {
        if (natal == Natal::Redibujar) DibujarNatal(*s);
        DibujarProgresion(*s, wheel, pred.prog);
    }
    Lista = ListarProgresion(pred.Tecnica, pred.Arco, pred, tables.natal);
    lineasNatales_ = 0;
    // A progression drawn over a fresh wheel leaves no transit ring on it.
    if (natal == Natal::Redibujar) anillos_ = {Anillo{}};
    anillos_.push_back(Anillo{TipoAnillo::Progresion, 0, std::nullopt, {}});
    return r;
}

ProgresionResultado ChartSession::ProgresarHasta(const std::string& fecha, Surface* s) {
    const std::string anterior = pred.FechaProgTexto;
    pred.FechaProgTexto = fecha;
    ProgresionResultado r = Progresar(s);
    if (r.estado == ProgresionEstado::FechaRechazada) pred.FechaProgTexto = anterior;
    return r;
}

std::optional<std::string> ChartSession::AgregarCarta(const NatalRecord& rec) {
    ChartTables t;
    t.natal.zodiaco = tables.natal.zodiaco;
    t.natal.Puntos = tables.natal.Puntos;
    natalis::CalcularNatal(rec, HouseSystem, eph_, t);
    if (auto error = ErrorCalculoNatal(t)) return error;
    DistribuirGlifos(t.natal.PlanetaNatal);
    cartas_.push_back(CartaDeTablas(rec, HouseSystem, t));
    return std::nullopt;
}

ProgresionResultado ChartSession::ProgresarHoraSolar(Surface* s) {
    if (HoraSolarElegida < 1 || HoraSolarElegida > 4) {
        ProgresionResultado r;
        r.estado = ProgresionEstado::FechaRechazada;
        r.mensaje = kMensajeElegirHora;
        r.titulo = kTituloHoraSolar;
        return r;
    }
    const std::string caption = CaptionsHoraSolar(DatosNatales)[HoraSolarElegida];
    pred.Tecnica = TipoTecnica::Primaria;
    pred.HoraSolar = HoraSolarPedida{HoraSolarElegida, FechaDeHoraSolar(DatosNatales, caption)};
    ProgresionResultado r = Progresar(s);
    pred.HoraSolar.reset();
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
    return MostrarTransito(s, instante.jd, fechaTrans, horaTrans, LineaHusoUsado(instante.huso),
                           natal);
}

TransitoResultado ChartSession::MostrarTransito(Surface* s, double jd, const std::string& fecha,
                                                const std::string& hora,
                                                const std::string& lineaHuso, Natal natal) {
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
    std::vector<PuntoAnillo> puntos =
        PuntosDelCieloEn(jd, eph_, transito, tables.natal.Puntos, tables.natal.zodiaco);

    if (s && natal == Natal::Redibujar) DibujarNatal(*s);
    // The progression on display is recomputed under the transit ring, over the wheel just
    // drawn; its listing replaces Lista before the block is appended.
    if (pred.HayProgresion) res.progresion = Progresar(s, Natal::YaDibujada);
    tables.Planet = transito;
    AnillosConTransito(TipoAnillo::Transito, jd, std::move(puntos), res.progresion);
    if (s) DibujarAnilloTransito(*s);
    res.primeraLinea = lineaTransito_ = Lista.size();
    const auto bloque =
        ListarTransitos(fecha, hora, anillos_.back().puntos, tables.natal, lineaHuso);
    Lista.insert(Lista.end(), bloque.begin(), bloque.end());
    return res;
}

void ChartSession::AnillosConTransito(TipoAnillo tipo, double jd, std::vector<PuntoAnillo> puntos,
                                      const ProgresionResultado& progresion) {
    anillos_ = {Anillo{}};
    if (pred.HayProgresion && progresion.estado == ProgresionEstado::Calculada) {
        anillos_.push_back(Anillo{TipoAnillo::Progresion, 0, std::nullopt, {}});
    }
    anillos_.push_back(Anillo{tipo, 0, jd, std::move(puntos)});
}

void ChartSession::DibujarAnilloTransito(Surface& s) const {
    DibujarTransito(s, wheel, anillos_.back().puntos, pred.HayProgresion);
}

std::vector<TipoAnillo> ChartSession::Anillos() const {
    std::vector<TipoAnillo> tipos;
    for (const Anillo& a : anillos_) tipos.push_back(a.tipo);
    return tipos;
}

std::optional<double> ChartSession::JdTransito() const {
    for (const Anillo& a : anillos_) {
        if (a.tipo == TipoAnillo::Transito || a.tipo == TipoAnillo::Retorno) return a.jd;
    }
    return std::nullopt;
}

std::vector<std::string> ChartSession::ListaPredictiva() const {
    if (anillos_.size() < 2) return {};
    const size_t desde = std::min(lineasNatales_, Lista.size());
    return std::vector<std::string>(Lista.begin() + static_cast<long>(desde), Lista.end());
}

std::vector<std::string> ChartSession::ListadoNatalLineas() const {
    return ListadoNatal(tables.natal);
}

std::string ChartSession::AvisoCasas() const { return AvisoCasasPorfirio(tables.natal.Casas); }

std::string ChartSession::CasasCaption() const {
    const std::string casas =
        CaptionCasas(HouseSystem, flags.ChartLoaded && tables.natal.Casas.respaldoPorfirio);
    const std::string zod = CaptionZodiaco(zodiaco);
    return zod.empty() ? casas : casas + "    " + zod;
}

const std::vector<AspectoPeriodo>& ChartSession::AspectosDelPeriodo(const PeriodoPedido& p) {
    // The universal time of birth summed in single precision, as the progression engine does.
    const float horaUT = DatosNatales.NatalHour + DatosNatales.ZoneHours;
    std::vector<PuntoMovil> moviles = PuntosMoviles(p.tecnica, tables.natal, horaUT, eph_);
    Periodo.hits = BuscarAspectosPeriodo(moviles, tables.natal, p.jdDesde, p.jdHasta, p.orbeDeg);
    Periodo.tecnica = p.tecnica;
    return Periodo.hits;
}

}  // namespace natalis
