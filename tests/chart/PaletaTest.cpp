// The palettes: pantalla paints the recorded colours, papel maps each of the drawing's
// colours to one that reads on white paper.
#include <gtest/gtest.h>

#include <cmath>
#include <set>

#include "chart/Paleta.h"
#include "chart/Surface.h"

namespace natalis {
namespace {

// WCAG 2 relative luminance and contrast ratio (W3C, Web Content Accessibility Guidelines
// 2.0, definitions "relative luminance" and "contrast ratio"), computed here apart from the
// palette.
double Luminancia(Color c) {
    const auto canal = [](int v) {
        const double s = v / 255.0;
        return s <= 0.03928 ? s / 12.92 : std::pow((s + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * canal((c >> 16) & 0xFF) + 0.7152 * canal((c >> 8) & 0xFF) +
           0.0722 * canal(c & 0xFF);
}

double Contraste(Color a, Color b) {
    const double la = Luminancia(a), lb = Luminancia(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

constexpr Color kTransito = 0x32C8FA;  // the transit ring's RGB(50, 200, 250)

TEST(Palettes, AreCalledPantallaAndPapel) {
    EXPECT_EQ(TemaPorNombre("pantalla"), Tema::Pantalla);
    EXPECT_EQ(TemaPorNombre("papel"), Tema::Papel);
    EXPECT_FALSE(TemaPorNombre("Papel"));
    EXPECT_FALSE(TemaPorNombre(""));
}

TEST(Palettes, PantallaPaintsTheRecordedColours) {
    for (int n = 0; n < 16; ++n) EXPECT_EQ(ColorEnTema(Tema::Pantalla, QBColor(n)), QBColor(n));
    EXPECT_EQ(ColorEnTema(Tema::Pantalla, kBackground), kBackground);
    EXPECT_EQ(ColorEnTema(Tema::Pantalla, kTransito), kTransito);
}

TEST(Palettes, PapelIsWhitePaperWithEveryMarkReadableOnIt) {
    const Color blanco = 0xFFFFFF;
    EXPECT_EQ(FondoDeTema(Tema::Papel), blanco);
    const Color banda = ColorEnTema(Tema::Papel, QBColor(8));
    EXPECT_LT(Luminancia(banda), Luminancia(blanco)) << "the band shows on the paper";
    // What is drawn on the paper: glyphs, numbers, the header and the coloured lines.
    const struct {
        const char* que;
        Color pantalla;
    } sobrePapel[] = {
        {"planets", QBColor(14)},         {"header, angular cusps", QBColor(15)},
        {"trines", QBColor(11)},          {"squares", QBColor(12)},
        {"minor aspects", QBColor(13)},   {"progressed planets", QBColor(10)},
        {"progressed cusps", QBColor(7)}, {"transits", kTransito},
    };
    for (const auto& c : sobrePapel) {
        SCOPED_TRACE(c.que);
        EXPECT_GE(Contraste(ColorEnTema(Tema::Papel, c.pantalla), blanco), 4.5);
    }
    // What is drawn on the band: the sign glyphs and the cusp numbers.
    for (const Color c : {QBColor(7), QBColor(0)}) {
        EXPECT_GE(Contraste(ColorEnTema(Tema::Papel, c), banda), 4.5);
    }
}

// Two colours of the drawing never become one on paper: a mark drawn in the band's colour on
// the band, or in the background's on the background, stays as unseen as on the screen, and
// nothing else merges.
TEST(Palettes, PapelKeepsTheDrawingsColoursApart) {
    std::set<Color> pintados;
    const Color usados[] = {kBackground, QBColor(0),  QBColor(7),  QBColor(8),
                            QBColor(10), QBColor(11), QBColor(12), QBColor(13),
                            QBColor(14), QBColor(15), kTransito};
    for (const Color c : usados) pintados.insert(ColorEnTema(Tema::Papel, c));
    EXPECT_EQ(pintados.size(), std::size(usados));
    EXPECT_EQ(ColorEnTema(Tema::Papel, 0x123456), 0x123456u) << "a colour it does not know";
}

}  // namespace
}  // namespace natalis
