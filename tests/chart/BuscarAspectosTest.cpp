#include <gtest/gtest.h>

#include <cmath>
#include <random>

#include "chart/Aspects.h"

namespace natalis {
namespace {

// Brute force: the separation by fmod, then the first aspect of the table within its orb
// (inclusive); -1 for none.
int FirstAspect(double lon1, double lon2) {
    double d = std::fmod(std::fabs(lon1 - lon2), 360.0);
    if (d > 180) d = 360 - d;
    for (int k = 0; k < kNumAspectos; ++k) {
        if (std::fabs(d - TablaAspectos[k].Angulo) <= OrbeAspecto(k) + 1e-9) return k;
    }
    return -1;
}

std::vector<PuntoAspecto> RandomPoints(std::mt19937& rng, int n, int firstId) {
    std::uniform_real_distribution<double> lon(0, 360), vel(-1, 14);
    std::vector<PuntoAspecto> points(n);
    for (int i = 0; i < n; ++i) {
        points[i].Lon = lon(rng);
        points[i].Vel = vel(rng);
        points[i].ConVel = true;
        points[i].Id = firstId + i;
    }
    return points;
}

// Every pair of two random sets is tried, in order, and gets the brute-force aspect; the
// orb is the distance from the exact angle. Longitudes well inside or outside an orb are
// the common case: the edges are covered by the hand cases of BuscarAspecto.
TEST(BuscarAspectos, EveryPairOfTwoSetsAgainstABruteForceScan) {
    std::mt19937 rng(19);
    for (int round = 0; round < 200; ++round) {
        const auto A = RandomPoints(rng, 7, 0);
        const auto B = RandomPoints(rng, 9, 100);
        const auto found = BuscarAspectos(A, B, ReglaNatal);
        size_t h = 0;
        for (int i = 0; i < 7; ++i)
            for (int j = 0; j < 9; ++j) {
                const int k = FirstAspect(A[i].Lon, B[j].Lon);
                if (k < 0) continue;
                ASSERT_LT(h, found.size());
                EXPECT_EQ(found[h].a, i);
                EXPECT_EQ(found[h].b, j);
                EXPECT_EQ(found[h].k, k);
                double d = std::fmod(std::fabs(A[i].Lon - B[j].Lon), 360.0);
                if (d > 180) d = 360 - d;
                EXPECT_NEAR(found[h].orbe, std::fabs(d - TablaAspectos[k].Angulo), 1e-4);
                ++h;
            }
        EXPECT_EQ(h, found.size());
    }
}

// One set against itself: Todos visits each pair from both sides and never a point with
// itself; UnaVez visits each unordered pair once, from the earlier point.
TEST(BuscarAspectos, ASetAgainstItselfOnceOrFromBothSides) {
    std::mt19937 rng(7);
    for (int round = 0; round < 100; ++round) {
        const auto P = RandomPoints(rng, 10, 1);
        int expectedPairs = 0;
        for (int i = 0; i < 10; ++i)
            for (int j = i + 1; j < 10; ++j) expectedPairs += FirstAspect(P[i].Lon, P[j].Lon) >= 0;
        const auto both = BuscarAspectos(P, P, ReglaNatal);
        const auto once = BuscarAspectos(P, P, ReglaNatal, ParesAspecto::UnaVez);
        EXPECT_EQ(both.size(), 2u * expectedPairs);
        ASSERT_EQ(once.size(), static_cast<size_t>(expectedPairs));
        for (const AspectoHallado& h : both) EXPECT_NE(h.a, h.b);
        for (const AspectoHallado& h : once) EXPECT_LT(h.a, h.b);
    }
}

// Applying or separating, checked by moving both points a short time on at their speeds and
// seeing whether the distance to the exact angle shrinks.
TEST(BuscarAspectos, ApplyingOrSeparatingFromTheSpeeds) {
    std::mt19937 rng(3);
    int checked = 0;
    for (int round = 0; round < 300; ++round) {
        const auto A = RandomPoints(rng, 5, 0);
        const auto B = RandomPoints(rng, 5, 100);
        // Distance to the exact angle in double precision after dt days.
        const auto desvio = [](const PuntoAspecto& p, const PuntoAspecto& q, int k, double dt) {
            double d = std::fmod(std::fabs(p.Lon + p.Vel * dt - q.Lon - q.Vel * dt), 360.0);
            if (d > 180) d = 360 - d;
            return std::fabs(d - TablaAspectos[k].Angulo);
        };
        for (const AspectoHallado& h : BuscarAspectos(A, B, ReglaNatal)) {
            const double now = desvio(A[h.a], B[h.b], h.k, 0);
            const double later = desvio(A[h.a], B[h.b], h.k, 1e-4);
            // Too close to exact, or too slow a relative motion, to tell.
            if (now < 1e-3 || std::fabs(later - now) < 1e-7) continue;
            EXPECT_EQ(h.fase, later < now ? FaseAspecto::Aplicativo : FaseAspecto::Separativo)
                << A[h.a].Lon << " " << B[h.b].Lon << " k " << h.k;
            ++checked;
        }
    }
    EXPECT_GT(checked, 100);
    // Without speeds the phase is not known.
    PuntoAspecto a, b;
    a.Lon = 10;
    b.Lon = 12;
    b.Id = 1;
    const auto found = BuscarAspectos({a}, {b}, ReglaNatal);
    ASSERT_EQ(found.size(), 1u);
    EXPECT_EQ(found[0].fase, FaseAspecto::Desconocida);
    // Two points held still (two charts' angles): 2 degrees apart they are not exact, and
    // neither close nor part; only at the aspect's angle itself are they exact.
    a.ConVel = b.ConVel = true;
    const auto quietos = BuscarAspectos({a}, {b}, ReglaNatal);
    ASSERT_EQ(quietos.size(), 1u);
    EXPECT_EQ(quietos[0].fase, FaseAspecto::Desconocida);
    b.Lon = 10;
    const auto juntos = BuscarAspectos({a}, {b}, ReglaNatal);
    ASSERT_EQ(juntos.size(), 1u);
    EXPECT_EQ(juntos[0].fase, FaseAspecto::Exacto);
}

// Any orb rule can be given: here a 1-degree orb for every aspect.
TEST(BuscarAspectos, TakesAnyOrbRule) {
    PuntoAspecto a, b, c;
    a.Lon = 0;
    b.Lon = 91.5;
    b.Id = 1;
    c.Lon = 120.5;
    c.Id = 2;
    const ReglaOrbe oneDegree = [](int k, const PuntoAspecto& p, const PuntoAspecto& q) {
        return std::fabs(Separacion(p.Lon, q.Lon) - TablaAspectos[k].Angulo) <= 1;
    };
    const auto found = BuscarAspectos({a}, {b, c}, oneDegree);
    ASSERT_EQ(found.size(), 1u);
    EXPECT_EQ(found[0].b, 1);
    EXPECT_STREQ(TablaAspectos[found[0].k].Nombre, "Trig");
    EXPECT_EQ(BuscarAspectos({a}, {b, c}, ReglaNatal).size(), 2u);
}

}  // namespace
}  // namespace natalis
