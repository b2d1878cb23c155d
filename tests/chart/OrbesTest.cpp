#include <gtest/gtest.h>

#include <cmath>
#include <random>

#include "chart/Orbes.h"

namespace natalis {
namespace {

PuntoAspecto At(double lon, int id) {
    PuntoAspecto p;
    p.Lon = lon;
    p.Id = id;
    return p;
}

// The program's own set is the natal rule; the others count an aspect within the set's orb
// (plus the luminaries' extra when the Sun or the Moon is in the pair), checked pair by pair
// against the separation measured here.
TEST(Orbes, RulesOfTheSets) {
    std::mt19937 rng(5);
    std::uniform_real_distribution<double> lon(0, 360);
    const auto lum = [](const PuntoAspecto& p) { return p.Id == 1; };
    for (int i = 0; i < 20000; ++i) {
        const PuntoAspecto a = At(lon(rng), i % 3), b = At(lon(rng), 7);
        const double sep = std::fabs(std::remainder(a.Lon - b.Lon, 360.0));
        for (int k = 0; k < kNumAspectos; ++k) {
            EXPECT_EQ(ReglaDeOrbes(Orbes::Clasicos, lum)(k, a, b), ReglaNatal(k, a, b));
            for (Orbes o : {Orbes::Amplios, Orbes::Predictivos}) {
                const OrbesFila& f = FilaOrbes(o);
                const double orbe = f.orbe[k] + (a.Id == 1 ? f.masLuminarias : 0);
                const double off = std::fabs(sep - TablaAspectos[k].Angulo);
                if (std::fabs(off - orbe) < 1e-4) continue;  // the border, in single precision
                EXPECT_EQ(ReglaDeOrbes(o, lum)(k, a, b), off < orbe) << f.nombre << " " << k;
            }
        }
    }
}

// No two windows of a set overlap, even with the luminaries' extra: a pair forms at most
// one aspect.
TEST(Orbes, WindowsOfEachSetDoNotOverlap) {
    for (const OrbesFila& f : kOrbes) {
        for (int j = 0; j < kNumAspectos; ++j) {
            for (int k = 0; k < j; ++k) {
                const double gap = std::fabs(TablaAspectos[j].Angulo - TablaAspectos[k].Angulo);
                EXPECT_LT(f.orbe[j] + f.orbe[k] + 2 * f.masLuminarias, gap)
                    << f.nombre << " " << j << " " << k;
            }
        }
    }
}

TEST(Orbes, OrbTextToTheMinute) {
    const struct {
        double orbe;
        FaseAspecto fase;
        const char* text;
    } cases[] = {
        {2 + 5 / 60.0, FaseAspecto::Aplicativo, " 2°05' a"},
        {40 / 60.0, FaseAspecto::Separativo, " 0°40' s"},
        {0, FaseAspecto::Exacto, " 0°00'"},
        {59.6 / 60.0, FaseAspecto::Desconocida, " 1°00'"},
        {7.0, FaseAspecto::Aplicativo, " 7°00' a"},
        {10 + 29.4 / 60, FaseAspecto::Separativo, " 10°29' s"},
    };
    for (const auto& c : cases) {
        AspectoHallado h;
        h.orbe = c.orbe;
        h.fase = c.fase;
        EXPECT_EQ(TextoOrbe(h), c.text) << c.orbe;
    }
    EXPECT_EQ(OrbesPorNombre("amplios"), Orbes::Amplios);
    EXPECT_FALSE(OrbesPorNombre("Anchos").has_value());
}

}  // namespace
}  // namespace natalis
