// Fixed stars in a natal chart: where each star asked for stands at the birth instant, and the
// natal points each one is conjunct within a degree.
#pragma once
#include <string>
#include <vector>

#include "astro/Ephemeris.h"
#include "chart/NatalTables.h"

namespace natalis {

// How far from a natal point a star still counts as conjunct, degrees (bound inclusive).
constexpr double kOrbeEstrella = 1.0;

// natal.Estrellas for natal.EstrellasPedidas at natal.NatalJD, in natal.zodiaco (a sidereal
// chart's stars moved back by the same ayanamsa as its points), in the order asked. A star
// the ephemeris cannot give is left out with a note in natal.Notas.
void CalcularEstrellas(Ephemeris& eph, NatalTables& natal);

struct ConjuncionEstrella {
    size_t estrella = 0;                 // index in natal.Estrellas
    std::string etiqueta;                // the natal point: "SOL" ... ("PF", "QUI"), "ASC", "MC",
                                         // "DSC", "IC"
    const std::string* texto = nullptr;  // the point's text: "SOL 26Tau00", "C7 12Aqu40"
    double orbe = 0;                     // separation of star and point, degrees, 0..kOrbeEstrella
};

// Every star of natal.Estrellas within kOrbeEstrella of a natal point: each point of
// PlanetaNatal, then the Ascendant, Midheaven, Descendant and Imum Coeli; in the order of the
// stars and then of the points.
std::vector<ConjuncionEstrella> ConjuncionesEstrellas(const NatalTables& natal);

// The listing's fixed-star block: a heading, then each star with a conjunction and one line
// per point it is conjunct, with the orb ("  Conj SOL 26Tau00 0°12'"); a line saying so when
// no star is. Empty when no star was asked for.
std::vector<std::string> ListarEstrellas(const NatalTables& natal);

}  // namespace natalis
