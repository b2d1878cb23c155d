// Ephemeris over the Swiss Ephemeris C library. This file and CasasBiblioteca.cpp (its house
// routine, which needs no data file) are the only callers of the library.
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

// The kind bits the eclipse searches return, in the order they are told apart: a hybrid
// eclipse also carries the annular and total bits on some versions, so it is tried first.
struct TipoBits {
    int32 bits;
    TipoEclipse tipo;
};
constexpr TipoBits kTiposSolares[] = {{SE_ECL_ANNULAR_TOTAL, TipoEclipse::Hibrido},
                                      {SE_ECL_TOTAL, TipoEclipse::Total},
                                      {SE_ECL_ANNULAR, TipoEclipse::Anular},
                                      {SE_ECL_PARTIAL, TipoEclipse::Parcial}};
constexpr TipoBits kTiposLunares[] = {{SE_ECL_TOTAL, TipoEclipse::Total},
                                      {SE_ECL_PARTIAL, TipoEclipse::Parcial},
                                      {SE_ECL_PENUMBRAL, TipoEclipse::Penumbral}};

// Each Ayanamsa of the program, in its order, in the library's numbering.
constexpr int32 kLibraryAyanamsa[] = {SE_SIDM_FAGAN_BRADLEY, SE_SIDM_LAHIRI,     SE_SIDM_RAMAN,
                                      SE_SIDM_KRISHNAMURTI,  SE_SIDM_YUKTESHWAR, SE_SIDM_J2000,
                                      SE_SIDM_GALCENT_0SAG};
static_assert(sizeof(kLibraryAyanamsa) / sizeof(kLibraryAyanamsa[0]) == kNumAyanamsas,
              "one library ayanamsa per Ayanamsa");

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

std::optional<EclipseGlobal> SwissEphemeris::SiguienteEclipse(bool solar, double jd) {
    double tret[10] = {0, 0, 0, 0, 0, 0, 0, 0, 0, 0};
    char serr[AS_MAXCH] = "";
    // Any kind (0), forwards (backward 0); tret[0] is the instant of the greatest eclipse.
    const int32 ret = solar ? swe_sol_eclipse_when_glob(jd, SEFLG_SWIEPH, 0, tret, 0, serr)
                            : swe_lun_eclipse_when(jd, SEFLG_SWIEPH, 0, tret, 0, serr);
    if (ret == ERR || ret == 0 || !(tret[0] > jd)) return std::nullopt;
    const auto tipo = [&](const auto& tabla) -> std::optional<EclipseGlobal> {
        for (const TipoBits& t : tabla) {
            if (ret & t.bits) return EclipseGlobal{tret[0], t.tipo};
        }
        return std::nullopt;
    };
    return solar ? tipo(kTiposSolares) : tipo(kTiposLunares);
}

double SwissEphemeris::ValorAyanamsa(double jd, Ayanamsa a) {
    const int32 i = static_cast<int32>(a);
    if (i < 0 || i >= kNumAyanamsas) return std::numeric_limits<double>::quiet_NaN();
    // The library keeps the sidereal mode per process; it is set before every query.
    swe_set_sid_mode(kLibraryAyanamsa[i], 0, 0);
    double aya = 0;
    char serr[AS_MAXCH] = "";
    if (swe_get_ayanamsa_ex_ut(jd, SEFLG_SWIEPH, &aya, serr) == ERR) {
        return std::numeric_limits<double>::quiet_NaN();
    }
    return aya;
}

bool SwissEphemeris::CalcStar(double jd, const std::string& nombre, double* out) {
    double xx[6] = {0, 0, 0, 0, 0, 0};
    char serr[AS_MAXCH] = "";
    // The library reads the name from this buffer and writes the star's full name back.
    char estrella[SE_MAX_STNAME + 1] = "";
    // A name the library would read as a number in the file, a wildcard or a nomenclature
    // name is not a traditional name; such a name is never passed on.
    const bool aceptable = !nombre.empty() && nombre.size() < SE_MAX_STNAME &&
                           nombre.find_first_of(",%") == std::string::npos &&
                           nombre.find_first_not_of("0123456789 ") != std::string::npos;
    int32 ret = ERR;
    if (aceptable) {
        std::copy(nombre.begin(), nombre.end(), estrella);
        ret = swe_fixstar2_ut(estrella, jd, kFilesFlags, xx, serr);
    }
    if (ret == ERR) std::fill(xx, xx + 6, std::numeric_limits<double>::quiet_NaN());
    out[0] = xx[0];  // longitude, degrees 0 up to 360
    out[1] = xx[1];  // latitude, degrees
    out[2] = xx[2];  // distance, AU
    out[3] = xx[3];  // daily motion in longitude, degrees/day
    return ret != ERR;
}

EphemerisSource SwissEphemeris::Source() const {
    return filesUsed_ ? EphemerisSource::Files : EphemerisSource::Analytic;
}

}  // namespace natalis
