// A chart as a value: what it was computed from, how, and what came out. Computing a natal
// chart returns one; the program can hold as many as it needs side by side.
#pragma once
#include <optional>
#include <string>
#include <vector>

#include "app/model/NatalRecord.h"
#include "astro/Ephemeris.h"
#include "astro/Houses.h"
#include "astro/Planets.h"
#include "astro/Puntos.h"
#include "astro/SistemaCasas.h"
#include "astro/Zodiaco.h"
#include "chart/NatalTables.h"

namespace natalis {

// How a chart is computed.
struct OpcionesCarta {
    SistemaCasas casas = SistemaCasas::Placido;
    Zodiaco zodiaco = Zodiaco::Tropical;
    std::vector<int> puntos = PuntosPorDefecto();  // rows of kPuntos, in the chart's order
    // The fixed stars listed when conjunct a natal point (catalogue names; none by default).
    std::vector<std::string> estrellas;
};

// What a chart is of: a birth, or a chart drawn from others or from a moment.
enum class TipoCarta { Natal, Compuesta, Davison, RetornoSolar, RetornoLunar, Ahora };

// The word a listing and a JSON "kind" name each kind by.
const char* NombreTipoCarta(TipoCarta t);

struct Carta {
    TipoCarta tipo = TipoCarta::Natal;
    // What the header says beside the name: "Carta compuesta de Ana y Luis"; empty for a
    // natal chart.
    std::string titulo;
    // The latitude (degrees, north positive) the houses were computed for.
    double latitud = 0;
    // The birth record it was computed from; empty for a chart that has none (a moment's
    // sky, or a chart built from tables).
    std::optional<NatalRecord> nacimiento;
    OpcionesCarta opciones;
    // The natal tables: PlanetaNatal (one entry per point asked for), CuspideNatal, the
    // ARMC, obliquity, quadrants and the house result.
    NatalTables natal;
    // The ten bodies and the cusps as the planet and house routines left them.
    PlanetTable Planet{};
    CuspTable Cusp{};
};

// The natal chart of rec with these options; its display angles (PosGrafica) are spread
// already (DistribuirGlifos).
Carta CalcularCarta(const NatalRecord& rec, const OpcionesCarta& opciones, Ephemeris& eph);

}  // namespace natalis
