// What the period window shows of a search: the hits in order of their exact instant,
// narrowed by moving point, aspect and natal point, and the choices of its three filters.
#pragma once
#include <string>
#include <vector>

#include "predictive/BusquedaPeriodo.h"
#include "predictive/PuntosMoviles.h"

namespace natalis {

// The choice of every filter that lets all hits through.
constexpr const char* kFiltroTodos = "Todos";
constexpr int kTodos = -1;

// The filters' choices: a moving point's label number, an index in TablaAspectos and a
// natal point 1..16; kTodos lets every value through.
struct FiltroPeriodo {
    int movil = kTodos;
    int aspecto = kTodos;
    int natal = kTodos;
};

// One choice of a filter: its caption and the value it filters by.
struct OpcionFiltro {
    std::string caption;
    int valor = kTodos;
};

// The headers of the window's columns, in CamposAspectoPeriodo's order.
inline constexpr const char* kColumnasPeriodo[6] = {"Móvil",   "Aspecto", "Natal",
                                                    "Entrada", "Exacto",  "Salida"};

// The choices of each filter, "Todos" first: the technique's moving points (the ten bodies,
// or the sixteen listed points for the solar arc), the nine aspects, the sixteen natal points.
std::vector<OpcionFiltro> OpcionesMovil(TecnicaPeriodo tecnica);
std::vector<OpcionFiltro> OpcionesAspecto();
std::vector<OpcionFiltro> OpcionesNatal();

// The hits sorted by exact instant; hits of one instant keep their order.
void OrdenarPorExacto(std::vector<AspectoPeriodo>& hits);

// Whether a hit passes the filter.
bool PasaFiltro(const AspectoPeriodo& a, const FiltroPeriodo& f);

// The indices in hits of those that pass the filter, in hits' order.
std::vector<size_t> FiltrarAspectosPeriodo(const std::vector<AspectoPeriodo>& hits,
                                           const FiltroPeriodo& f);

}  // namespace natalis
