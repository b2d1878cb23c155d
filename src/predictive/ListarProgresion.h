// The progression listing: a header with the technique, date, age and arc, then each of
// sixteen progressed points followed by the natal points that it aspects.
#pragma once
#include <string>
#include <vector>

#include "chart/NatalTables.h"
#include "predictive/PredictiveState.h"

namespace natalis {

// Captions of the solar-time dialog's labels, index 1..4 (0 unused).
extern const char* const kEtiquetasHoraSolar[5];

// The lines that replace the contents of the list box after a progression with this
// technique and arc (degrees).
std::vector<std::string> ListarProgresion(TipoTecnica tecnica, float arco,
                                          const PredictiveState& ps, const NatalTables& natal);

// The point numbering shared by the progression and transit listings: 1..10 bodies, then
// cusps 10, 1, 8, 9, 11, 12 for points 11..16.
constexpr int kCuspidesListadas[6] = {10, 1, 8, 9, 11, 12};

// One point of a listing: longitude, degree within the sign and text.
struct PuntoListado {
    float Lon;
    int Grado;
    const std::string* Texto;
};

// The natal points of the listings, in order: the points that take part in aspects (by
// default the ten bodies), then the cusps of kCuspidesListadas.
std::vector<PuntoListado> PuntosNatalesListado(const NatalTables& natal);
// Natal point n (1-based; 1..16 by default) in the listings' numbering.
PuntoListado PuntoNatalListado(const NatalTables& natal, int n);

// Orb of a listing pair for aspect k (table order) given the two degrees within the sign:
// base narrowed by factor when gA > gB for aspects other than 45 and 135 degrees, halved
// for 45 and 135 degrees once the degree numbers have passed their 15-degree difference.
float OrbeListado(float base, float factor, int k, int gA, int gB);

// How a listing pairs a point with the natal points: the orb's base and narrowing factor for
// OrbeListado, or the fixed window of primary directions.
struct ReglaAspectos {
    float base, factor;
    bool ventanaPrimaria;
};

// Appends "  <aspect> <natal text>" for each of the sixteen natal points that a point at lon
// (degrees; grado its degree within the sign) aspects: the first aspect of the table that
// holds by the rule.
void ListarAspectosNatales(float lon, int grado, const ReglaAspectos& regla,
                           const NatalTables& natal, std::vector<std::string>& lista);

}  // namespace natalis
