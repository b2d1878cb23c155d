// Synastry: the aspects between the points of two charts and the houses each person's points
// fall in within the other's chart.
#pragma once
#include <array>
#include <string>
#include <vector>

#include "chart/Aspects.h"
#include "chart/Carta.h"
#include "chart/NombresCarta.h"  // CasaDeLongitud
#include "chart/TextoFase.h"

namespace natalis {

struct Sinastria {
    // The points of each chart as the aspect routine saw them: the aspecting points, then the
    // Midheaven and the Ascendant. Ids: the index in PlanetaNatal (or -10, -1 for the angles)
    // for the first chart; the same plus kIdSegunda (minus for the angles) for the second.
    std::vector<PuntoAspecto> puntosA, puntosB;
    // Every pair of a point of the first with one of the second that forms an aspect by the
    // natal rule, in the first chart's order: a indexes puntosA, b puntosB.
    std::vector<AspectoHallado> aspectos;
    // casasEnA[i]: the house of the first chart that point i of the second (PlanetaNatal) falls
    // in; casasEnB the other way round. Entry 0 unused.
    std::vector<int> casasEnA, casasEnB;
};

constexpr int kIdSegunda = 1000;

Sinastria CalcularSinastria(const NatalTables& a, const NatalTables& b);

// The label of a point of either set ("SOL", "MC", "ASC").
std::string EtiquetaPuntoAspecto(const NatalTables& t, const PuntoAspecto& p);

// The orb in degrees and minutes: "1°42'".
std::string TextoOrbe(double orbeDeg);

// The synastry's list: "ASPECTOS CRUZADOS" then a line per aspect ("SOL Conj LUN 1°42'
// aplicativo"), an empty line, then "CASAS DE <second> EN LA CARTA DE <first>" with a line
// per point ("SOL casa 7") and the same the other way round.
std::vector<std::string> ListarSinastria(const Carta& a, const Carta& b, const Sinastria& s);

}  // namespace natalis
