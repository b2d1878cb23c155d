#include <gtest/gtest.h>

#include <set>
#include <string>

#include "astro/Puntos.h"

namespace natalis {
namespace {

// The twelve points the program has always had, in their listing order, with the symbol
// font's characters and wheel sizes (the glyph string "asdfghjkl;A:").
TEST(Puntos, FirstTwelveRowsAreTheDefaultPointsInTheirOrder) {
    const struct {
        const char* label;
        char glyph;
        double size;
        ReglaPunto rule;
        bool aspects;
    } expected[] = {
        {"SOL", 'a', 16, ReglaPunto::Cuerpo, true},
        {"LUN", 's', 14, ReglaPunto::Cuerpo, true},
        {"MER", 'd', 16, ReglaPunto::Cuerpo, true},
        {"VEN", 'f', 16, ReglaPunto::Cuerpo, true},
        {"MAR", 'g', 16, ReglaPunto::Cuerpo, true},
        {"JUP", 'h', 15, ReglaPunto::Cuerpo, true},
        {"SAT", 'j', 18, ReglaPunto::Cuerpo, true},
        {"URA", 'k', 16, ReglaPunto::Cuerpo, true},
        {"NEP", 'l', 14, ReglaPunto::Cuerpo, true},
        {"PLU", ';', 16, ReglaPunto::Cuerpo, true},
        {"NOD", 'A', 13, ReglaPunto::NodoMedio, false},
        {"PF", ':', 13, ReglaPunto::ParteFortuna, false},
    };
    ASSERT_GE(kNumPuntos, 12);
    ASSERT_EQ(kPuntosPorDefecto, 12);
    for (int r = 0; r < 12; ++r) {
        const PuntoDef& d = FilaPunto(r);
        EXPECT_STREQ(d.Etiqueta, expected[r].label) << r;
        EXPECT_EQ(d.Glifo, expected[r].glyph) << r;
        EXPECT_EQ(d.TamanoGlifo, expected[r].size) << r;
        EXPECT_EQ(d.Regla, expected[r].rule) << r;
        EXPECT_EQ(d.Aspecta, expected[r].aspects) << r;
    }
    // The ten bodies are asked of the ephemeris as 0 Sun ... 9 Pluto.
    for (int r = 0; r < 10; ++r) EXPECT_EQ(static_cast<int>(FilaPunto(r).CuerpoId), r) << r;
}

TEST(Puntos, LabelsAndGlyphsAreUniqueAndLookedUpByLabel) {
    std::set<std::string> labels;
    std::set<char> glyphs;
    for (int r = 0; r < kNumPuntos; ++r) {
        EXPECT_TRUE(labels.insert(FilaPunto(r).Etiqueta).second) << FilaPunto(r).Etiqueta;
        EXPECT_TRUE(glyphs.insert(FilaPunto(r).Glifo).second) << FilaPunto(r).Etiqueta;
        EXPECT_EQ(PuntoPorEtiqueta(FilaPunto(r).Etiqueta), r);
    }
    EXPECT_EQ(PuntoPorEtiqueta("XYZ"), -1);
    EXPECT_EQ(PuntoPorEtiqueta(""), -1);
    const std::vector<int> byDefault = PuntosPorDefecto();
    ASSERT_EQ(byDefault.size(), 12u);
    for (int r = 0; r < 12; ++r) EXPECT_EQ(byDefault[r], r);
}

}  // namespace
}  // namespace natalis
