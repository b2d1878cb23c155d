// The natal point tables that every display and the predictive techniques read.
#pragma once
#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "astro/CasasBiblioteca.h"
#include "astro/Houses.h"
#include "astro/Planets.h"
#include "astro/Puntos.h"
#include "astro/SistemaCasas.h"
#include "astro/Zodiaco.h"

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

// A fixed star at the chart's instant, in the chart's zodiac.
struct EstrellaNatal {
    std::string Nombre;  // as the star catalogue writes it: "Deneb Algedi"
    float Lon = 0;       // ecliptic longitude, degrees 0 up to 360
    float Lat = 0;       // ecliptic latitude, degrees
    std::string Texto;   // "Algol 26Tau10"
};

// Everything the natal computation leaves behind.
struct NatalTables {
    // The zodiac every longitude of this chart, and of the techniques drawn from it, is in.
    Zodiaco zodiaco = Zodiaco::Tropical;
    // Which rows of kPuntos the chart holds, in order; PlanetaNatal(k) is row Puntos[k - 1].
    std::vector<int> Puntos = PuntosPorDefecto();
    // 1..Puntos.size(); entry 0 unused. By default 1..12: SOL..PLU, NOD, PF.
    std::vector<PuntoNatal> PlanetaNatal = std::vector<PuntoNatal>(kPuntosPorDefecto + 1);
    std::array<CuspideRec, 14> CuspideNatal{};  // 0 ARMC, 1..12 cusps, 13 unused
    std::array<float, 4> NatalQuadrant{};
    double NatalJD0 = 0;  // birth date at 0 h
    double NatalJD = 0;   // birth moment (universal time)
    double NatalARMC = 0;
    float Obliquity = 0;
    ResultadoCasas Casas;  // the system asked for, and whether it fell back to Porphyry
    // Points asked for that the ephemeris could not give at this instant, by note ("Quirón:
    // fuera del rango de las efemérides"); such a point is left out of Puntos.
    std::vector<std::string> Notas;
    // The fixed stars asked for (catalogue names; none by default), and where each stands.
    std::vector<std::string> EstrellasPedidas;
    std::vector<EstrellaNatal> Estrellas;
    // Daily motion of the Ascendant (CuspideNatal(1)) and the Midheaven (CuspideNatal(10)),
    // degrees/day; both 0 for a chart that was not computed from an instant and a place.
    VelocidadAngulos VelAngulos;
};

// The chart state of the main window: the last computation's global tables plus the natal
// tables. Planet and Cusp hold whatever the last computation wrote.
struct ChartTables {
    PlanetTable Planet{};
    CuspTable Cusp{};
    NatalTables natal;
};

}  // namespace natalis
