#include "chart/Paleta.h"

namespace natalis {

const TemaFila kTemas[2] = {{Tema::Pantalla, "pantalla"}, {Tema::Papel, "papel"}};

namespace {

// The drawing's colours on paper. Every glyph, number and coloured line has a contrast of
// at least 5.5 against white (WCAG 2 contrast ratio); the sign glyphs and the cusp numbers
// sit on the band, at 6.4 and 10 against its grey. The band and the minor cusp ticks, which
// share grey 128 on screen, stay a light grey (2.1), as faint on paper as on the screen.
struct ColorPapel {
    Color pantalla, papel;
};

constexpr ColorPapel kPapel[] = {
    {0x404040, 0xFFFFFF},  // background: the paper
    {0x808080, 0xB4B4B4},  // grey 128 / QBColor(8): the band, the outer ring's circle, cusps
    {0xC0C0C0, 0x303030},  // QBColor(7): sign glyphs on the band, progressed cusps
    {0x000000, 0x000000},  // QBColor(0): cusp numbers on the band
    {0xFFFFFF, 0x141414},  // QBColor(15): header, angular cusps, progressed numbers
    {0xFFFF00, 0x7A5A00},  // QBColor(14): natal planets and their degrees, dark gold
    {0x00FFFF, 0x00707E},  // QBColor(11): trines and sextiles, dark cyan
    {0xFF0000, 0xC01818},  // QBColor(12): squares and oppositions, red
    {0xFF00FF, 0x98209A},  // QBColor(13): outline circles and minor aspects, purple
    {0x00FF00, 0x1A781A},  // QBColor(10): progressed planets, green
    {0x32C8FA, 0x1F5FBF},  // the transit ring's blue
    {0x7CFC00, 0x4A7A00},  // the second chart's ring (kColorAnilloCarta), olive green
};

}  // namespace

std::optional<Tema> TemaPorNombre(const std::string& nombre) {
    for (const TemaFila& f : kTemas) {
        if (nombre == f.nombre) return f.id;
    }
    return std::nullopt;
}

Color ColorEnTema(Tema tema, Color c) {
    if (tema == Tema::Pantalla) return c;
    for (const ColorPapel& p : kPapel) {
        if (p.pantalla == c) return p.papel;
    }
    return c;
}

}  // namespace natalis
