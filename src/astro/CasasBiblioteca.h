// The ephemeris library's house routine, for the house systems the program does not compute
// with formulas of its own, the Porphyry fallback near the poles and the Vertex.
#pragma once
#include "astro/Houses.h"

namespace natalis {

// What the library's house routine gives for one ARMC, latitude and obliquity.
struct CasasLibreria {
    CuspTable cuspides{};                                // 1..12, degrees 0 up to 360
    double ascendente = 0, medioCielo = 0, vertice = 0;  // degrees 0 up to 360
    // The library gave Porphyry instead of the system asked for (Placidus, Koch, Gauquelin
    // inside the polar circles).
    bool reemplazadas = false;
};

// The library's cusps of system `letra` ('P', 'K', 'O', 'R', 'C', 'E', 'W', 'T', 'B', 'M',
// 'X', 'H', 'D') for armc (degrees), latitude (degrees, north positive) and obliquity
// (degrees). The library answers for every latitude; near the poles it may replace the system
// with Porphyry (reemplazadas).
CasasLibreria CasasBiblioteca(char letra, double armc, double lat, double obliquity);

// How fast the Ascendant and the Midheaven move, degrees per day of universal time: the
// Midheaven about 330 to 400, the Ascendant anywhere from near 0 to over 1000 close to the
// polar circles. In a house system whose first or tenth cusp is not the angle itself (Whole
// Sign, Equal from the Midheaven...) the speed is that cusp's, as the chart's aspects to
// "ASC" and "MC" are to those cusps.
struct VelocidadAngulos {
    double ascendente = 0, medioCielo = 0;
};

// The speeds of cusps 1 and 10 of system `letra` for armc, latitude and obliquity (degrees),
// from the library's house routine (CasasBiblioteca) at the ARMC turned 0.01 degrees either
// way, the ARMC turning at the sidereal rate. (The library's own cusp speeds are not those
// of Whole Sign cusps, which stand still between sign changes.)
VelocidadAngulos VelocidadesAngulos(char letra, double armc, double lat, double obliquity);

// True when the cusps 1..12 run forwards round the zodiac: the twelve steps from each cusp to
// the next, each taken forwards (0 up to 360), add up to one turn. Near the poles some systems
// give cusps that run backwards; their steps then add up to eleven turns.
bool CuspidesEnOrden(const CuspTable& Cusp);

}  // namespace natalis
