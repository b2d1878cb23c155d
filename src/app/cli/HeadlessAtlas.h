// The atlas and time-zone headless commands.
#pragma once
#include "app/cli/Headless.h"

namespace natalis {

// natalis --lugar TEXTO [--folder CARPETA]: the places matching TEXTO, best first, at most
// 20, one a line: name, region, country, latitude, longitude (decimal degrees, north and
// east positive, 4 decimals), IANA zone, separated by tabs. The user's places are those of
// the chart folder (the program's folder unless --folder names one). Exit 0; 1 when nothing
// matches (message on err); 2 for a wrong option. Messages about missing atlas files go to
// err and do not change the exit code.
int HeadlessLugar(const Args& args, std::ostream& out, std::ostream& err);

// natalis --huso ZONA --fecha "d m aaaa" --hora "hh mm ss" [--longitud GRADOS]: the zone's
// offset for that local date and clock time, one line of three tab-separated fields: the
// offset as the clock is ahead of UT ("+02:00:00"), the abbreviation, and "verano",
// "normal" or "hora media local" (the place's mean time when --longitud, east positive, is
// given). A repeated clock time prints both readings, the earlier instant first. Exit 0;
// 3 for a clock time that did not exist (the message on err names the change); 2 for an
// unknown zone, a wrong date or hour, or a wrong option.
int HeadlessHuso(const Args& args, std::ostream& out, std::ostream& err);

}  // namespace natalis
