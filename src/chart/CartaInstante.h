// A chart of an instant at a place: the record a moment's sky is computed from, with the
// place's own clock time at that instant.
#pragma once
#include <optional>
#include <string>

#include "app/model/NatalRecord.h"
#include "app/model/Place.h"

namespace natalis {

// Where a chart of an instant is cast.
struct LugarCarta {
    std::string nombre;                      // the record's place
    double latitudDeg = 0, longitudDeg = 0;  // north and east positive
    // The place's IANA zone, whose offset at the instant sets the clock time; when empty,
    // horasZona (universal time = clock time + horasZona, positive west) is kept as it is.
    std::string zona;
    float horasZona = 0;
};

// The birth place of rec, with its zone when the database gave it, else its typed offset.
LugarCarta LugarNatal(const NatalRecord& rec);
// An atlas place with its zone.
LugarCarta LugarDeAtlas(const Place& p);

// The clock offset of the zone at the universal-time instant jd, in seconds ahead of UT;
// empty, with the Spanish reason in error, when the database cannot tell.
std::optional<long> DesfaseEnInstante(const std::string& zona, double jd, double longitudEsteDeg,
                                      std::string& error);

// The record of the instant jd (universal time) at lugar, named nombre: the local date and
// clock time to the second, the zone's offset in force then, the place's coordinates.
// Empty, with the reason in error, when the zone cannot be read.
std::optional<NatalRecord> RegistroDeInstante(double jd, const LugarCarta& lugar,
                                              const std::string& nombre, std::string& error);

}  // namespace natalis
