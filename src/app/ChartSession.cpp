#include "app/ChartSession.h"

#include <cmath>

#include "astro/Planets.h"
#include "chart/Aspects.h"
#include "chart/CalcularNatal.h"
#include "chart/DibujarRueda.h"
#include "chart/DistribuirGlifos.h"
#include "chart/ListadoNatal.h"
#include "chart/Rings.h"
#include "predictive/ListarProgresion.h"

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

void ChartSession::MostrarNatal(Surface* s) {
    CalcularNatal(DatosNatales, LetraCasas(HouseSystem), eph_, tables);
    DistribuirGlifos(tables.natal.PlanetaNatal);
    if (s) DibujarNatal(*s);
    Lista = ListarAspectos(tables.natal);
}

void ChartSession::DibujarNatal(Surface& s) {
    DibujarRueda(s, tables.natal, DatosNatales, {pred.HoraTexto, CasasCaption()}, wheel);
}

void ChartSession::SoloNatal(Surface* s) {
    pred.HayProgresion = false;
    if (s) DibujarNatal(*s);
    Lista = ListarAspectos(tables.natal);
}

ProgresionResultado ChartSession::Progresar(Surface* s, Natal natal) {
    ProgresionResultado r =
        CalcularProgresion(pred, tables, DatosNatales, LetraCasas(HouseSystem), eph_);
    if (r.estado != ProgresionEstado::Calculada) return r;
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
    TransitoResultado res;
    res.instante =
        InstanteTransito(fechaTrans, horaTrans, pred.FechaProgTexto, DatosNatales, clock);
    if (res.instante.estado != TransitoEstado::Calculado) return res;

    PlanetTable transito = tables.Planet;
    Planets(res.instante.jd, eph_, transito);
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
    if (s) DibujarTransito(*s, wheel, tables.Planet, pred.HayProgresion);
    res.primeraLinea = Lista.size();
    const auto bloque = ListarTransitos(fechaTrans, horaTrans, tables.Planet, tables.natal);
    Lista.insert(Lista.end(), bloque.begin(), bloque.end());
    return res;
}

std::vector<std::string> ChartSession::ListadoNatalLineas() const {
    return ListadoNatal(tables.natal);
}

std::string ChartSession::AvisoCasas() const {
    return AvisoCasasPorfirio(LetraCasas(HouseSystem), tables.natal.HouseSystemUsed);
}

std::string ChartSession::CasasCaption() const {
    return CaptionCasas(HouseSystem, flags.ChartLoaded ? tables.natal.HouseSystemUsed : 'P');
}

}  // namespace natalis
