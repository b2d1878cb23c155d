// Ephemeris over the Swiss Ephemeris library and its standard data files.
#pragma once
#include <string>

#include "astro/Ephemeris.h"

namespace natalis {

class SwissEphemeris : public Ephemeris {
  public:
    // dataDir: folder of the .se1 files; when they are missing the library falls back to
    // its analytic theory and Source() reports it.
    explicit SwissEphemeris(const std::string& dataDir = NATALIS_EPHE_DIR);
    double CalcBody(double jd, int32_t body, double* out) override;
    EphemerisSource Source() const override;
    // The library's global eclipse searches (swe_sol_eclipse_when_glob, swe_lun_eclipse_when)
    // from the data files, going forwards.
    std::optional<EclipseGlobal> SiguienteEclipse(bool solar, double jd) override;
    double ValorAyanamsa(double jd, Ayanamsa a) override;
    // The library's fixed-star routine (swe_fixstar2_ut) over the catalogue file of dataDir.
    bool CalcStar(double jd, const std::string& nombre, double* out) override;

  private:
    bool filesUsed_ = true;
};

}  // namespace natalis
