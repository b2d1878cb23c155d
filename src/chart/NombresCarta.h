// The chart's pieces named in full, for the texts made for reading (the printed report): the
// points, the signs with their element and modality, the aspects with their glyphs, and the
// house a longitude falls in.
#pragma once
#include <array>
#include <string>

#include "chart/NatalTables.h"

namespace natalis {

// The full name of a point by its label ("SOL" -> "Sol", "NOD" -> "Nodo Norte"); a label
// without a name of its own is returned as it is, so a new point still shows.
std::string NombrePunto(const std::string& etiqueta);

// Sign n (1 Aries ... 12 Pisces): its name, its element (0 fire, 1 earth, 2 air, 3 water) and
// its modality (0 cardinal, 1 fixed, 2 mutable); an empty name outside 1..12.
std::string NombreSigno(int n);
int ElementoSigno(int n);
int ModalidadSigno(int n);
extern const char* const kNombresElementos[4];
extern const char* const kNombresModalidades[3];

// Aspect k of TablaAspectos: its full name ("Conjunción") and its glyph, a key of the glyph
// font ("Q" for the conjunction); empty outside the table. NombreAspectoAbreviado finds the
// full name of an abbreviation as the listings print it ("Sqcd"), or returns it unchanged.
std::string NombreAspecto(int k);
std::string GlifoAspecto(int k);
std::string NombreAspectoAbreviado(const std::string& abreviatura);

// The house (1..12) a longitude in degrees falls in: the one whose cusp it has passed last,
// going forwards round the zodiac from CuspideNatal(1) to CuspideNatal(12).
int CasaDeLongitud(double lon, const std::array<CuspideRec, 14>& cuspides);

// "05° 30'": degree and minutes of a place in its sign.
std::string GradosMinutos(long grado, long minutos);

}  // namespace natalis
