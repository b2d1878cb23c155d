// The natal computation: from the natal record to the natal point tables.
#pragma once
#include <string>

#include "app/model/NatalRecord.h"
#include "astro/Ephemeris.h"
#include "chart/NatalTables.h"

namespace natalis {

// Given:    rec          the natal record (date, NatalHour + ZoneHours = universal time of
//                        birth in hours, LatitudeDeg north positive, LongitudeDeg east
//                        positive)
//           casas        the house system
//           eph          the ephemeris, asked twice per body
// Returned: t.Planet and t.Cusp as the planet and house computations leave them; in t.natal
//           NatalJD0, NatalJD, NatalARMC, Obliquity, NatalQuadrant, Casas (the system
//           asked for, and whether the houses fell back to Porphyry where it has no meaning),
//           PlanetaNatal(1..12) Lon, Grado, Texto, Vel, and
//           CuspideNatal(0..12) Lon, Grado, Texto. PosGrafica is left to DistribuirGlifos.
//           The points are the rows t.natal.Puntos names (by default the first twelve of
//           kPuntos); PlanetaNatal gets one entry per row, in that order, from 1.
// Notes:    NOD is the mean node; PF = Ascendant + Moon - Sun for day and night births.
//           The window does the rest of a natal computation itself, after this call: it puts
//           today's date in the date box unless the house system was just changed, hides
//           the natal listing window, and hides the solar-time frame with its options
//           emptied and unselected.
void CalcularNatal(const NatalRecord& rec, SistemaCasas casas, Ephemeris& eph, ChartTables& t);

// The point of row r of kPuntos at lon (degrees), moving vel degrees a day, with its degree
// in the sign and its text: "SOL 05Ari30", "PF 12Tau03".
PuntoNatal PuntoEnLongitud(int r, float lon, float vel);

// CuspideNatal(1..12) from Cusp(1..12), CuspideNatal(0) and NatalARMC from armc (degrees),
// and the quadrants between the angles.
void LlenarCuspides(const CuspTable& Cusp, double armc, NatalTables& n);

// The text of CuspideNatal(0): "ARMC" and the ARMC with up to five decimals, no leading
// zero, read back as a number and printed with a place for its sign ("ARMC 123.45679",
// "ARMC .25").
std::string TextoARMC(double armc);

// The label of row i (1-based) of the point table, padded to three characters: "SOL" ...
// "PLU", "NOD", "PF ".
std::string EtiquetaPlaneta(int i);

// The warning given when the houses fell back to Porphyry, naming the system asked for; an
// empty string when there was no fallback.
std::string AvisoCasasPorfirio(const ResultadoCasas& casas);

}  // namespace natalis
