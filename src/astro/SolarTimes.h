// Sunrise, solar noon and sunset of a day of the year at a place (fractional-year method,
// zenith 90.833 degrees). Times are seconds from local midnight (may be negative or reach
// past 86400 when the zone shift carries them into the neighbouring day).
#pragma once

namespace natalis {

struct HorasSolaresResult {
    long AmanecerSeg = 0;  // sunrise, local seconds from 0 h
    long MediodiaSeg = 0;  // solar noon
    long PonienteSeg = 0;  // sunset
};

// dayOfYear 1..366; lat north positive; lonWest west positive; zona hours to subtract from
// universal time, west positive.
HorasSolaresResult HorasSolares(int dayOfYear, double lat, double lonWest, double zona);

}  // namespace natalis
