// A chart's zone at another moment than its birth: a transit, a step through time or a new
// birth time read on the clock of the chart's zone takes the offset that clock showed then,
// from the time-zone database, not the birth's. A chart whose offset was typed by hand keeps
// its own offset for every date.
#pragma once
#include <optional>
#include <string>

#include "app/model/NatalRecord.h"

namespace natalis {

struct HusoEnFecha {
    double zoneHours = 0;              // universal time = local clock time + zoneHours
    std::optional<ZoneSource> fuente;  // the database's reading used; nothing: the chart's own
    std::string nota;  // how the reading was chosen, or why the chart's offset stayed; "" plain
};

// Given:    rec      the chart (ZoneFrom, ZoneHours, LongitudeDeg for local mean time)
//           jdLocal  a local clock time of the chart's zone as a Julian day: JulDay of the
//                    date plus the hours / 24
// Returned: the offset of that clock time. A time the clock showed twice is read with the
//           first reading (the earlier instant); a time it skipped with the offset in force
//           before the change (the instant the clock would have shown it, had it not
//           jumped); the nota says so. Without a zone, or when the database gives no
//           reading, the chart's ZoneHours (the nota then says why).
HusoEnFecha HusoDeHoraLocal(const NatalRecord& rec, double jdLocal);

// The offset the chart's zone clock showed at the universal instant jdUT (Julian day).
HusoEnFecha HusoDeInstante(const NatalRecord& rec, double jdUT);

// A new birth time h (decimal hours of the chart's clock, 0 <= h < 24): NatalHour becomes h
// and, for a chart with a zone from the database, the zone takes the offset of the new time
// on the birth date (ActualizarHuso), as HusoDeHoraLocal reads it. Returns that offset.
HusoEnFecha CambiarHoraNatal(NatalRecord& rec, double h);

// The listing's line for the offset used: "Huso:  Europe/Madrid · CET, horario normal · UT+1",
// the nota after it; "" for a chart without a zone (its listing stays as it was).
std::string LineaHusoUsado(const HusoEnFecha& huso);

}  // namespace natalis
