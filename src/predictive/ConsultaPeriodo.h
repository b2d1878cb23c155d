// What a period search is asked for, as typed (dates, orb, technique), its checks with the
// program's Spanish messages, and the text of one hit.
#pragma once
#include <array>
#include <optional>
#include <string>

#include "predictive/BusquedaPeriodo.h"
#include "predictive/PuntosMoviles.h"

namespace natalis {

// Longest period searched, years.
constexpr double kAniosMaximosPeriodo = 100;

// The texts of a period search, as the command line or a window gives them.
struct ConsultaPeriodo {
    std::string desde;                  // "d m aaaa", the first day of the period
    std::string hasta;                  // "d m aaaa", the last day of the period
    std::string orbe = "1";             // degrees, "1" or "1.5"
    std::string tecnica = "Transitos";  // "Transitos", "Secundaria" or "Arco Solar"
};

struct PeriodoPedido {
    double jdDesde = 0;  // 0 h universal time of the first day
    double jdHasta = 0;  // 24 h universal time of the last day
    double orbeDeg = 1;
    TecnicaPeriodo tecnica = TecnicaPeriodo::Transitos;
};

struct PeriodoRevisado {
    std::optional<PeriodoPedido> pedido;  // set when every check passed
    std::string mensaje;                  // the first failure, Spanish
    std::string titulo;                   // its message box's title ("corregir fecha" ...)
};

// Checks the texts in order (first day, last day, their order and the period's length, orb,
// technique) and stops at the first failure. The dates are read by stringFecha_a_dma and
// rejected with its messages; the period runs from 0 h UT of the first day to 24 h UT of the
// last, at most kAniosMaximosPeriodo years; the orb is a number of degrees above 0 and at
// most kOrbeMaximoPeriodo.
PeriodoRevisado RevisarConsultaPeriodo(const ConsultaPeriodo& consulta);

// An instant in universal time as "aaaa-mm-dd hh:mm", rounded to the nearest minute, in the
// calendar JulDay reads (InstanteDeJD: Julian before 1583).
std::string InstanteUT(double jd);

// The six texts of one hit: the moving point's label, the aspect's name, the natal point's
// label, then the entering, exact and leaving instants (InstanteUT; "-" for an instant not
// found).
std::array<std::string, 6> CamposAspectoPeriodo(const AspectoPeriodo& a);

// One hit as a line: CamposAspectoPeriodo separated by tabs.
std::string LineaAspectoPeriodo(const AspectoPeriodo& a);

}  // namespace natalis
