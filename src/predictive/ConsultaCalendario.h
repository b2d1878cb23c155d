// What a calendar of the sky is asked for, as typed (dates, orb, zone), its checks with the
// program's Spanish messages, the clock its instants are written on, and the text of one
// event.
#pragma once
#include <array>
#include <optional>
#include <string>

#include "app/model/NatalRecord.h"
#include "predictive/CalendarioCielo.h"

namespace natalis {

// Orb of a lunation's or an eclipse's contact with a natal point when none is typed, degrees.
constexpr const char* kOrbeCalendarioPorOmision = "2";

struct ConsultaCalendario {
    std::string desde;  // "d m aaaa", the first day
    std::string hasta;  // "d m aaaa", the last day
    std::string orbe = kOrbeCalendarioPorOmision;
    std::string huso;  // IANA zone of the local instants; empty: the chart's, or UT
};

struct CalendarioPedido {
    double jdDesde = 0;  // 0 h universal time of the first day
    double jdHasta = 0;  // 24 h universal time of the last day
    double orbeDeg = 2;
    std::string huso;
};

struct CalendarioRevisado {
    std::optional<CalendarioPedido> pedido;  // set when every check passed
    std::string mensaje;                     // the first failure, Spanish
    std::string titulo;                      // its message box's title
};

// The dates and the orb are checked as a period search checks them (RevisarConsultaPeriodo);
// then the zone, which must be one the time-zone database knows.
CalendarioRevisado RevisarConsultaCalendario(const ConsultaCalendario& consulta);

// The clock the local instants are read on: a zone of the database, or a fixed offset.
struct RelojCalendario {
    std::string zona;               // IANA name; empty for the fixed offset
    std::optional<double> lonEste;  // the place's longitude, for the zone's local mean time
    long offsetFijo = 0;            // without a zone: the clock ahead of UT, seconds
    std::string nombreFijo = "UT";  // and its name
};

// The chart's clock: the zone its time came from (the zone source line), else the offset
// typed for it; a chosen zone instead when huso is not empty.
RelojCalendario RelojDeCarta(const NatalRecord& r, const std::string& huso = "");
// A chosen zone, or UT when huso is empty.
RelojCalendario RelojDeHuso(const std::string& huso);

// The seven texts of an event: its instant in UT ("aaaa-mm-dd hh:mm"), on the clock, the
// clock's offset and name ("+01:00:00 CET"), the event ("Luna nueva", "Luna llena",
// "Eclipse solar", "Eclipse lunar", "Ingreso", "Estación retrógrada", "Estación directa",
// "Luna vacía de curso", "Contacto"), the body or natal point ("SOL" ... "PLU", "MC", "ASC",
// "C8" ...), its place ("17Ari42") and the detail (an eclipse's kind, the sign entered, the
// end of the void Moon and its last aspect, what touched the natal point and how close).
std::array<std::string, 7> CamposEventoCielo(const EventoCielo& e, const RelojCalendario& reloj);

// CamposEventoCielo separated by tabs.
std::string LineaEventoCielo(const EventoCielo& e, const RelojCalendario& reloj);

// The column heads of the lines, separated by tabs.
std::string CabeceraCalendario();

}  // namespace natalis
