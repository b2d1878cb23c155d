// The astrological exchange format: one chunk a line, "#ID:" and comma-separated fields.
//
//     #A93:Pérez,Ana,f,14.3.1975g,9:30,Sevilla,ES
//     #B93:2442485.85416,37n23,5w59,1he00,0
//     #ZNAM:Europe/Madrid
//
// #A93: surname, first name, type, date d.m.yyyy (g or j after it names the calendar,
// Gregorian when none), time hh:mm[:ss] (24 hours), place, region or country. #B93: Julian
// day in universal time, latitude, longitude, zone ("1he00" an hour ahead of universal time,
// "8hw00" eight behind) and summer time ("0", "1", "D" two hours, "L" the place's local mean
// time). "*" is an unknown field, "#:" a comment; any other chunk goes into the notes. The
// place and its region or country make the chart's place, "Sevilla, ES".
#pragma once
#include <string>
#include <string_view>
#include <vector>

#include "app/model/CartaIntercambio.h"

namespace natalis {

// Every chart of the file, one per #A93 chunk, from the line of that chunk on.
Lectura LeerAaf(std::string_view bytes);

// Whether bytes look like AAF: an #A93 chunk among the first 64 KiB.
bool PareceAaf(std::string_view bytes);

// The file for charts (UTF-8, CR LF): #A93 and #B93 with the Julian day, #ZNAM with the
// zone's name when it came from the time-zone database, #COM with each line of the notes.
std::string EscribirAaf(const std::vector<CartaGuardada>& cartas);

}  // namespace natalis
