// A natal chart typed in by hand, for the list and spreading tests.
#pragma once
#include <initializer_list>
#include <string>

#include "chart/NatalTables.h"

namespace natalis {

struct ScriptedPoint {
    float lon;
    const char* zodiac;  // ZodiacString of lon, worked out by hand
    float vel;
};

inline const char* const kScriptedLabels[13] = {"",    "SOL", "LUN", "MER", "VEN", "MAR", "JUP",
                                                "SAT", "URA", "NEP", "PLU", "NOD", "PF "};

// Points 1..12 in the given order; labels as the natal computation writes them.
inline NatalTables ScriptedTables(std::initializer_list<ScriptedPoint> points) {
    NatalTables t;
    int i = 1;
    for (const ScriptedPoint& p : points) {
        PuntoNatal& q = t.PlanetaNatal[i];
        q.Lon = p.lon;
        q.Vel = p.vel;
        q.Texto = std::string(kScriptedLabels[i]) + (i == 12 ? "" : " ") + p.zodiac;
        ++i;
    }
    return t;
}

// Twelve points at the given longitudes, all moving forwards.
inline NatalTables TablesAt(std::initializer_list<float> lons) {
    NatalTables t;
    int i = 1;
    for (float lon : lons) {
        t.PlanetaNatal[i].Lon = lon;
        t.PlanetaNatal[i].Texto = std::string(kScriptedLabels[i]) + (i == 12 ? "" : " ") + "x";
        ++i;
    }
    return t;
}

}  // namespace natalis
