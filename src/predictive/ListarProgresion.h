// The progression listing: a header with the technique, date, age and arc, then each of
// sixteen progressed points followed by the natal points that it aspects.
#pragma once
#include <string>
#include <vector>

#include "chart/NatalTables.h"
#include "chart/Orbes.h"
#include "predictive/PredictiveState.h"

namespace natalis {

// Captions of the solar-time dialog's labels, index 1..4 (0 unused).
extern const char* const kEtiquetasHoraSolar[5];

// The lines that replace the contents of the list box after a progression with this
// technique and arc (degrees): the sixteen points, then the chart's other points the
// technique moves (ps.prog.Extra), each with the natal points it aspects under the orb set
// (see ReglaAspectos).
std::vector<std::string> ListarProgresion(TipoTecnica tecnica, float arco,
                                          const PredictiveState& ps, const NatalTables& natal,
                                          Orbes orbes = Orbes::Clasicos);

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
// OrbeListado, or the fixed window of primary directions; and the orb set chosen for the
// listings. Clasicos: that rule, the lines as they always were. Amplios: the same rule, each
// line followed by the aspect's orb and phase (TextoOrbe). Predictivos: the set's own orbs
// (more when the Sun or the Moon is in the pair) instead of the rule, with orb and phase.
struct ReglaAspectos {
    float base, factor;
    bool ventanaPrimaria;
    Orbes orbes = Orbes::Clasicos;
};

// Appends "  <aspect> <natal text>" for each of the sixteen natal points that a point at lon
// (degrees; grado its degree within the sign) aspects: the first aspect of the table that
// holds by the rule. vel is the point's motion (degrees a day; the natal points stand still)
// for the phase; luminaria tells that it is the Sun or the Moon, for the orb sets.
void ListarAspectosNatales(float lon, int grado, const ReglaAspectos& regla,
                           const NatalTables& natal, std::vector<std::string>& lista,
                           double vel = 0, bool luminaria = false);

}  // namespace natalis
