// The natal wheel: zodiac band with the sign glyphs, house cusps with their degrees, the
// twelve points with their degrees, the aspect lines and the header with the birth data.
// Drawn on a Surface in the window's 0..100 x 0..70 units; reads only the natal tables.
#pragma once
#include <string>

#include "app/model/NatalRecord.h"
#include "chart/Carta.h"
#include "chart/NatalTables.h"
#include "chart/Orbes.h"
#include "chart/Surface.h"
#include "chart/WheelGeometry.h"

namespace natalis {

// What the header prints besides the natal record.
struct WheelHeader {
    std::string HoraTexto;          // a new birth time being tried; empty for the chart's own
    std::string casasCaption;       // caption of the checked house-system item; empty for none
    bool aspectos = true;           // the chart's own aspect lines (a bi-wheel draws others)
    Orbes orbes = Orbes::Clasicos;  // the orb set of those lines
};

// How the wheel is laid out. Ventana: the window's wheel (cusp degrees on the band, points on
// two tracks at their spread display angles). Informe: the printed report's wheel, which has
// no rings round it: cusp degrees outside the band, clear of the sign glyphs, and the points
// on one track, far enough apart that no glyph or number covers another.
enum class EstiloRueda { Ventana, Informe };

// Clears the surface and draws the wheel centred at (60, 36) with base radius 22, rotated so
// the Ascendant stands at the left. Writes the geometry into g for the rings drawn later.
// Reads PlanetaNatal (Lon, Grado, PosGrafica) and CuspideNatal(1..12) (Lon, Grado).
void DibujarRueda(Surface& s, const NatalTables& t, const NatalRecord& rec,
                  const WheelHeader& header, WheelGeometry& g,
                  EstiloRueda estilo = EstiloRueda::Ventana);

// The wheel of any chart, from the chart value alone. A chart with a birth record (natal,
// Davison, a return, the moment, whose record bears the chart's title as its name) has the
// record's header, exactly as DibujarRueda draws it; one without (a composite) has its title
// in the name's place. An empty header.casasCaption is filled from the chart's own house
// system and zodiac.
void DibujarCarta(Surface& s, const Carta& c, const WheelHeader& header, WheelGeometry& g,
                  EstiloRueda estilo = EstiloRueda::Ventana);

// The caption of a chart's house system (and of its zodiac when it is not the tropical one),
// as the header's "Casas" line shows it.
std::string CaptionCarta(const Carta& c);

// One aspect line between the screen angles theta1 and theta2 (degrees) on the inner circle
// (radius Radio / 2): trines and sextiles light cyan, squares and oppositions light red,
// semisquares, sesquisquares and quincunxes dotted light magenta; other angles draw nothing.
void LineaAspecto(Surface& s, const WheelGeometry& g, int angulo, double theta1, double theta2);

}  // namespace natalis
