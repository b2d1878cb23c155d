// Transits: the checks and the instant of a transit for a typed date and hour, the
// progression date or the present moment, and the transits block of the list box.
#pragma once
#include <string>
#include <vector>

#include "app/model/Clock.h"
#include "app/model/HusoEnFecha.h"
#include "app/model/NatalRecord.h"
#include "astro/Planets.h"
#include "chart/NatalTables.h"

namespace natalis {

// The texts that ask for the present moment and for the progression date.
constexpr const char* kTransitoAhora = "Now";
constexpr const char* kTransitoFechaProg = "fecha de Prog";

enum class TransitoEstado { Calculado, FechaRechazada, HoraRechazada };

struct TransitoInstante {
    TransitoEstado estado = TransitoEstado::Calculado;
    std::string mensaje;  // the parser's text, shown with style 48
    std::string titulo;   // "corregir fecha" or "corregir hora"
    double jd = 0;        // universal-time Julian day of the transit
    HusoEnFecha huso;     // the offset the typed hour was read with (not for "Now")
};

// Rewrites "Now" to today's date "d m yyyy" and the hour to "hh mm", and "fecha de Prog" to
// fechaProgTexto; parses both texts (trimming them) and works out the instant: the typed
// hour is clock time of the birth zone, with the offset that zone's clock showed on that
// date when the chart has a zone from the database (HusoDeHoraLocal), else the chart's own;
// "Now" is the present universal time.
TransitoInstante InstanteTransito(std::string& fechaTrans, std::string& horaTrans,
                                  const std::string& fechaProgTexto, const NatalRecord& rec,
                                  const Clock& clock);

// The transits block appended to the list box for the transiting points, in their order;
// lineaHuso (the offset the hour was read with, LineaHusoUsado) follows the hour's line when
// not empty.
std::vector<std::string> ListarTransitos(const std::string& fechaTrans,
                                         const std::string& horaTrans,
                                         const std::vector<PuntoAnillo>& puntos,
                                         const NatalTables& natal,
                                         const std::string& lineaHuso = "");
// The same for the ten bodies of Planet(1..10).
std::vector<std::string> ListarTransitos(const std::string& fechaTrans,
                                         const std::string& horaTrans, const PlanetTable& Planet,
                                         const NatalTables& natal,
                                         const std::string& lineaHuso = "");

}  // namespace natalis
