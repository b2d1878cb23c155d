// Ephemeris over the Swiss Ephemeris C library. This file is the only caller of the library.
#include "astro/SwissEphemeris.h"

#include <swephexp.h>

#include <algorithm>
#include <limits>

namespace natalis {

namespace {

// Apparent geocentric tropical ecliptic position of date, with the daily motion.
constexpr int32 kFilesFlags = SEFLG_SWIEPH | SEFLG_SPEED;
constexpr int32 kAnalyticFlags = SEFLG_MOSEPH | SEFLG_SPEED;
constexpr double kProbeJD = 2451545.0;  // J2000.0, inside every data file's range

// Each Cuerpo of the program, in its order, in the library's numbering.
constexpr int32 kLibraryBody[] = {SE_SUN,       SE_MOON,      SE_MERCURY,   SE_VENUS,    SE_MARS,
                                  SE_JUPITER,   SE_SATURN,    SE_URANUS,    SE_NEPTUNE,  SE_PLUTO,
                                  SE_TRUE_NODE, SE_MEAN_NODE, SE_CHIRON,    SE_CERES,    SE_PALLAS,
                                  SE_JUNO,      SE_VESTA,     SE_MEAN_APOG, SE_OSCU_APOG};
static_assert(sizeof(kLibraryBody) / sizeof(kLibraryBody[0]) == kNumCuerpos,
              "one library body per Cuerpo");

}  // namespace

SwissEphemeris::SwissEphemeris(const std::string& dataDir) {
    // The library keeps its data folder per process: the folder of the instance made last
    // is the one every instance reads.
    swe_set_ephe_path(dataDir.c_str());
    double probe[4];
    CalcBody(kProbeJD, 0, probe);
}

double SwissEphemeris::CalcBody(double jd, int32_t body, double* out) {
    double xx[6] = {0, 0, 0, 0, 0, 0};
    char serr[AS_MAXCH] = "";
    int32 ret = ERR;
    if (body >= 0 && body < kNumCuerpos) {
        // Without data files the library answers from its analytic theory by itself and
        // says so in the returned flags; it only fails outright for instants outside every
        // file (then the analytic theory is asked directly).
        ret = swe_calc_ut(jd, kLibraryBody[body], kFilesFlags, xx, serr);
        if (ret == ERR) ret = swe_calc_ut(jd, kLibraryBody[body], kAnalyticFlags, xx, serr);
        if (ret == ERR) std::fill(xx, xx + 6, std::numeric_limits<double>::quiet_NaN());
        filesUsed_ = ret != ERR && (ret & SEFLG_MOSEPH) == 0;
    }
    out[0] = xx[0];  // longitude, degrees 0 up to 360
    out[1] = xx[1];  // latitude, degrees
    out[2] = xx[2];  // distance, AU
    out[3] = xx[3];  // daily motion in longitude, degrees/day
    return ret;
}

EphemerisSource SwissEphemeris::Source() const {
    return filesUsed_ ? EphemerisSource::Files : EphemerisSource::Analytic;
}

}  // namespace natalis
