// The entry form's place from the atlas: choosing a place fills the coordinates and
// remembers its time zone, and the zone boxes get the offset the time-zone database gives
// for the typed date and clock time, again whenever those change. An offset typed by hand
// wins: the atlas writes the zone boxes only while they hold what it wrote there itself.
// A repeated clock time waits for the user's choice of reading and a skipped one is said;
// the form never picks for the user.
#pragma once
#include <optional>
#include <string>

#include "app/model/NatalRecord.h"
#include "app/model/Place.h"
#include "entry/FichaNatal.h"

namespace natalis {

// "Córdoba, Andalucía, España" (an empty region or country left out): how the list of
// places shows one.
std::string TextoDeLugar(const Place& p);

// The place box's text for a chosen place: the whole TextoDeLugar when it fits the 30
// characters the chart keeps, else the name and country, else the name.
std::string LugarParaFicha(const Place& p);

// Fills the place box, the latitude and longitude boxes (degrees and minutes rounded to the
// nearest minute) and their hemisphere options from p, remembers p's zone and computes the
// offset (RecalcularHuso), replacing any offset typed by hand.
void ElegirLugar(FichaNatalTextos& f, const Place& p);

// Takes zone (an IANA name) for the place whose coordinates were typed: remembers it and
// computes the offset (RecalcularHuso), replacing any offset typed by hand; the place and
// coordinate boxes stay as they are.
void ElegirZona(FichaNatalTextos& f, const std::string& zone);

// True when the zone boxes hold the atlas's offset: a place's zone is remembered and the
// boxes hold what the atlas last wrote into them.
bool HusoDelAtlasEnVigor(const FichaNatalTextos& f);

// Resolves the remembered zone for the date and clock time of the boxes (and, for local mean
// time, the longitude of the boxes) and writes the offset into the zone boxes: one reading
// is written; a repeated time keeps the reading the user chose when the two readings are
// the same as before, else waits with the boxes empty; a skipped time, an incomplete date or
// time and any other failure leave the boxes empty with the reason in f.huso.aviso. Does
// nothing without a remembered zone, nor while the boxes hold an offset typed by hand
// (unless force).
void RecalcularHuso(FichaNatalTextos& f, bool force = false);

// The user's choice between the two readings of a repeated time (index 0 or 1).
void ElegirLectura(FichaNatalTextos& f, int index);

// The line shown beside the zone boxes: "Europe/Madrid · CEST, horario de verano · UT+2",
// "escrito a mano" for an offset typed by hand, or the zone with what is missing.
std::string LineaHuso(const FichaNatalTextos& f);

// The check after the form's own: while the zone boxes are the atlas's, a reading must be
// in force (a repeated time needs the user's choice; a skipped time is refused with the
// database's message). Nothing when the offset was typed by hand.
std::optional<EntryFailure> RevisarHusoAtlas(const FichaNatalTextos& f);

// The largest zone hours the form takes: 12 typed by hand, 14 from the database.
double MayorHusoAceptado(const FichaNatalTextos& f);

// The reading in force, for the natal record; nothing for an offset typed by hand.
std::optional<ZoneSource> FuenteDelHuso(const FichaNatalTextos& f);

// The form's memory of the chart's zone, when the chart's offset came from the database:
// the zone and its reading, with the zone boxes as LlenarFicha filled them.
void RecordarHusoGuardado(FichaNatalTextos& f, const NatalRecord& rec);

// The typed place as one of the user's own: the place box's text as name, the coordinates
// of the boxes, zone as given; no region or country.
Place LugarDeFicha(const FichaNatalTextos& f, const std::string& zone);

}  // namespace natalis
