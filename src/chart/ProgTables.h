// The progressed points that a progression leaves for its ring and its listing.
#pragma once
#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace natalis {

// One progressed point: longitude, degree within the sign (rounded) and its listing line.
struct ProgRec {
    float Lon = 0;      // degrees, 0 up to 360
    int16_t Grado = 0;  // CInt(Lon - 30 * Int(Lon / 30)), halves to even
    std::string Texto;  // "SOL prog 05Ari30", "ASC prog 12Leo40", "C2 prog ..."
    // How fast it moves as the date of the progression goes on, degrees per day of the date;
    // below 0 backwards. Its sign gives an aspect's phase in the listing.
    float Vel = 0;
};

struct ProgTables {
    std::array<ProgRec, 11> PlanetaProg{};  // 1..10: SOL..PLU
    std::array<ProgRec, 14> CuspideProg{};  // 1..12: cusps (1 ASC, 10 MC)
    // The chart's points beyond the default set that the technique moves, in the chart's
    // order ("QUI prog 12Gem03"); empty for a chart of the default points.
    std::vector<ProgRec> Extra;
};

}  // namespace natalis
