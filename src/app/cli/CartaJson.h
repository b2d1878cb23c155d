// A chart as a JSON object on one line: the members of --json, and of the other commands that
// print charts as JSON Lines.
#pragma once
#include <string>
#include <vector>

#include "app/model/NatalRecord.h"
#include "astro/Ephemeris.h"
#include "chart/NatalTables.h"
#include "chart/Orbes.h"

namespace natalis {

// One member of an object: a value already written as JSON, or an array of items.
struct MiembroJson {
    std::string clave;
    std::string valor;               // when not an array
    std::vector<std::string> items;  // when an array
    bool arreglo = false;
};

// The object on one line, ", " and ": " between the parts, ending with a line break.
std::string ObjetoJson(const std::vector<MiembroJson>& miembros);

// The members of a chart: name, place, jd, armc, obliquity, houseSystem, ephemeris, points,
// cusps, aspects (with their orbs by the orb set), zoneSource (null when the chart has no
// record), zodiac, notes.
std::vector<MiembroJson> MiembrosCarta(const NatalTables& t, const std::string& nombre,
                                       const NatalRecord* rec, EphemerisSource source,
                                       Orbes orbes = Orbes::Clasicos);

}  // namespace natalis
