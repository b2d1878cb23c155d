// Display angles and tracks of the natal points.
#include "chart/DistribuirGlifos.h"

#include <cmath>
#include <utility>
#include <vector>

#include "astro/AngleMath.h"
#include "astro/NumberText.h"

namespace natalis {

namespace {

constexpr double kMinGap = 6;      // degrees between glyphs on one track
constexpr double kWrapHigh = 357;  // last point near 0 Aries from above...
constexpr double kWrapLow = 3;     // ...and first point near it from below

}  // namespace

void DistribuirGlifos(std::vector<PuntoNatal>& PlanetaNatal) {
    const int kN = static_cast<int>(PlanetaNatal.size()) - 1;
    // Longitude order by selection sort (index 1..kN). The sort is not stable: which of two
    // equal longitudes comes first decides which one goes inside, so keep it as it is.
    std::vector<int> order(kN + 1);
    std::vector<float> A(kN + 1);
    for (int i = 1; i <= kN; ++i) {
        order[i] = i;
        A[i] = PlanetaNatal[i].Lon;
    }
    for (int i = 1; i < kN; ++i) {
        int m = i;
        for (int j = i + 1; j <= kN; ++j) {
            if (A[j] < A[m]) m = j;
        }
        std::swap(A[i], A[m]);
        std::swap(order[i], order[m]);
    }

    // Working display angles in longitude order; they may turn fractional, negative or 360+.
    std::vector<double> B(kN + 1);
    for (int k = 1; k <= kN; ++k) B[k] = CIntEven(PlanetaNatal[order[k]].Lon);

    // Points two places apart will share a track: push them at least 6 degrees apart.
    for (int i = 3; i <= kN; ++i) {
        const double d = std::fabs(B[i] - B[i - 2]);
        if (d < kMinGap) {
            const double e = CIntEven((kMinGap - d) * 0.5);
            B[i] += e;
            B[i - 2] -= e;
        }
    }

    // The same across 0 Aries, between a point just below 360 and the one after it.
    for (int i = 1; i <= kN; ++i) {
        if (B[i] >= kWrapHigh) {
            const int n = i == kN ? 1 : i + 1;
            if (B[n] <= kWrapLow) {
                const double h = (kMinGap - std::fabs(B[n] + 360 - B[i])) * 0.5;
                B[i] -= h;
                B[n] += h;
            }
        }
    }

    // Tracks, on the angles still in longitude order: a point crowded against an outer
    // predecessor goes inside, and the one after an inner point stays outside.
    std::vector<bool> inner(kN + 1);
    for (int i = 1; i < kN; ++i) {
        inner[i + 1] = !inner[i] && B[i + 1] - B[i] <= kMinGap;
    }

    for (int k = 1; k <= kN; ++k) {
        long a = CIntEven(UnaVuelta(B[k]));
        if (a == 360) a = 0;
        long pos = a;
        if (inner[k]) pos = a == 0 ? -360 : -a;
        PlanetaNatal[order[k]].PosGrafica = static_cast<int16_t>(pos);
    }
}

}  // namespace natalis
