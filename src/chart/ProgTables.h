// The progressed points that a progression leaves for its ring and its listing.
#pragma once
#include <array>
#include <cstdint>
#include <string>

namespace natalis {

// One progressed point: longitude, degree within the sign (rounded) and its listing line.
struct ProgRec {
    float Lon = 0;      // degrees, 0 up to 360
    int16_t Grado = 0;  // CInt(Lon - 30 * Int(Lon / 30)), halves to even
    std::string Texto;  // "SOL prog 05Ari30", "ASC prog 12Leo40", "C2 prog ..."
};

struct ProgTables {
    std::array<ProgRec, 11> PlanetaProg{};  // 1..10: SOL..PLU
    std::array<ProgRec, 14> CuspideProg{};  // 1..12: cusps (1 ASC, 10 MC)
};

}  // namespace natalis
