// The natal point tables that every display and the predictive techniques read.
#pragma once
#include <array>
#include <cstdint>
#include <string>

#include "astro/Houses.h"
#include "astro/Planets.h"

namespace natalis {

struct PuntoNatal {
    float Lon = 0;           // ecliptic longitude, degrees
    int16_t Grado = 0;       // degree within the sign, rounded (0..30)
    std::string Texto;       // "SOL 05Ari30"
    float Vel = 0;           // daily motion; below 0 retrograde
    int16_t PosGrafica = 0;  // display angle; negative means the inner track
};

struct CuspideRec {
    float Lon = 0;      // (0) holds the ARMC
    int16_t Grado = 0;  // entries 1..12
    std::string Texto;  // "ARMC 123.45679", "ASC 05Ari30", "C2 ...", "MC ..."
};

// Everything the natal computation leaves behind.
struct NatalTables {
    std::array<PuntoNatal, 13> PlanetaNatal{};  // 1..12: SOL..PLU, NOD, PF
    std::array<CuspideRec, 14> CuspideNatal{};  // 0 ARMC, 1..12 cusps, 13 unused
    std::array<float, 4> NatalQuadrant{};
    double NatalJD0 = 0;  // birth date at 0 h
    double NatalJD = 0;   // birth moment (universal time)
    double NatalARMC = 0;
    float Obliquity = 0;
    char HouseSystemUsed = 'P';  // 'P', 'K', 'R' or 'O' (Porphyry fallback)
};

// The chart state of the main window: the last computation's global tables plus the natal
// tables. Planet and Cusp hold whatever the last computation wrote.
struct ChartTables {
    PlanetTable Planet{};
    CuspTable Cusp{};
    NatalTables natal;
};

}  // namespace natalis
