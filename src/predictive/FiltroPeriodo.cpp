#include "predictive/FiltroPeriodo.h"

#include <algorithm>

#include "chart/Aspects.h"

namespace natalis {

namespace {

// "Todos" and the labels of points primero..ultimo.
std::vector<OpcionFiltro> OpcionesPuntos(int primero, int ultimo) {
    std::vector<OpcionFiltro> o = {{kFiltroTodos, kTodos}};
    for (int n = primero; n <= ultimo; ++n) o.push_back({EtiquetaPunto(n), n});
    return o;
}

bool Pasa(int filtro, int valor) { return filtro == kTodos || filtro == valor; }

}  // namespace

std::vector<OpcionFiltro> OpcionesMovil(TecnicaPeriodo tecnica) {
    return OpcionesPuntos(
        1, FilaTecnicaPeriodo(tecnica).movil == MovilPeriodo::PuntosArcoSolar ? 16 : 10);
}

std::vector<OpcionFiltro> OpcionesAspecto() {
    std::vector<OpcionFiltro> o = {{kFiltroTodos, kTodos}};
    for (int k = 0; k < kNumAspectos; ++k) o.push_back({TablaAspectos[k].Nombre, k});
    return o;
}

std::vector<OpcionFiltro> OpcionesNatal() { return OpcionesPuntos(1, 16); }

void OrdenarPorExacto(std::vector<AspectoPeriodo>& hits) {
    std::stable_sort(
        hits.begin(), hits.end(),
        [](const AspectoPeriodo& a, const AspectoPeriodo& b) { return a.jdExacto < b.jdExacto; });
}

bool PasaFiltro(const AspectoPeriodo& a, const FiltroPeriodo& f) {
    return Pasa(f.movil, a.movil) && Pasa(f.aspecto, a.aspecto) && Pasa(f.natal, a.natal);
}

std::vector<size_t> FiltrarAspectosPeriodo(const std::vector<AspectoPeriodo>& hits,
                                           const FiltroPeriodo& f) {
    std::vector<size_t> indices;
    for (size_t i = 0; i < hits.size(); ++i) {
        if (PasaFiltro(hits[i], f)) indices.push_back(i);
    }
    return indices;
}

}  // namespace natalis
