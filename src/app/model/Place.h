// A place of the atlas or of the user's own places file.
#pragma once
#include <string>

namespace natalis {

struct Place {
    std::string name;         // as shown: the Spanish name when the catalogue has one (UTF-8)
    std::string region;       // first-level division ("Andalucía"), may be empty
    std::string country;      // "España"
    double latitudeDeg = 0;   // north positive, -90 .. 90
    double longitudeDeg = 0;  // east positive, -180 .. 180
    std::string zone;         // IANA time zone ("Europe/Madrid")
    long population = 0;      // 0 when not known (the user's places)
    long geonameId = 0;       // GeoNames' id of an atlas place, 0 for the user's places
    bool userPlace = false;   // from the user's places file
};

}  // namespace natalis
