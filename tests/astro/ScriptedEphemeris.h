// A test ephemeris: scripted longitudes for the instant asked first and for any later one.
#pragma once
#include <array>
#include <vector>

#include "astro/Ephemeris.h"

namespace natalis {

class ScriptedEphemeris : public Ephemeris {
  public:
    struct Call {
        double jd;
        int32_t body;
    };

    std::array<double, 10> today{};     // longitude at the first instant asked
    std::array<double, 10> tomorrow{};  // longitude at any later instant
    bool writeExtras = true;            // false: leave out[1..3] as the caller set them
    std::vector<Call> calls;

    double CalcBody(double jd, int32_t body, double* out) override {
        const bool later = !calls.empty() && jd > calls.front().jd;
        calls.push_back({jd, body});
        out[0] = (later ? tomorrow : today)[body];
        if (writeExtras) {
            out[1] = body + 0.25;
            out[2] = body + 0.5;
            out[3] = body + 0.75;
        }
        return 0;
    }
    EphemerisSource Source() const override { return EphemerisSource::Files; }
};

}  // namespace natalis
