// A chart's zone against what the system's time-zone database says today: a chart reopened
// years later, under a newer database, still shows what was used, and the difference, when
// there is one, can be offered to the user.
#pragma once
#include <string>

#include "app/model/NatalRecord.h"
#include "astro/TimeZoneHistory.h"

namespace natalis {

// The zone boxes' texts for an offset (the clock ahead of UT, in seconds): the sign ("+"
// ahead, east; "-" behind, west), the hours and the minutes with two digits, the minutes
// rounded to the nearest (halves to even), as the zone line of a chart file holds them.
struct HusoCajas {
    std::string sign, hours, minutes;
};
HusoCajas CajasDeHuso(long offsetSeconds);

// The source for a reading of zone, with the database's version.
ZoneSource FuenteDeLectura(const std::string& zone, const ZoneReading& reading);

// A reading as the form's zone line writes it: "CEST, horario de verano · UT+2",
// "LMT, hora media local · UT-0:14:44".
std::string DescribirLectura(const ZoneSource& s);

// Where a chart's offset came from, as the form and the listings say it:
// "Europe/Madrid · CEST, horario de verano · UT+2", or "escrito a mano".
std::string DescribirFuente(const ZoneSource& s);
extern const char kEscritoAMano[];  // "escrito a mano"

// "UT+2", "UT+5:45", "UT+0:19:32", "UT-3", "UT+0".
std::string TextoUT(long offsetSeconds);

enum class HusoActualEstado {
    EscritoAMano,  // the chart's zone was typed by hand: nothing to compare
    Igual,         // today's database gives the offset the chart used
    Distinto,      // it gives another one, in ahora
    SinLectura     // it gives none that can be taken (a repeated time that matches neither
                   // reading, a skipped time, a zone it no longer knows): see mensaje
};

struct HusoActual {
    HusoActualEstado estado = HusoActualEstado::EscritoAMano;
    ZoneSource ahora;     // today's reading (Igual, Distinto)
    std::string mensaje;  // Spanish: the question (Distinto) or why there is no reading
};

// Resolves the chart's zone (rec.ZoneFrom) for its birth date, clock time and longitude.
HusoActual ComprobarHuso(const NatalRecord& rec);

// Puts the reading into rec: ZoneFrom, ZoneHours to the second, the zone's sign and texts.
void ActualizarHuso(NatalRecord& rec, const ZoneSource& ahora);

}  // namespace natalis
