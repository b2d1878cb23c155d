// The two palettes of the drawing. A palette maps the colours the drawing code records to
// the colours painted; it never touches geometry. "pantalla" paints the window's own colours;
// "papel" puts the drawing on white paper: the band a mid grey under dark sign glyphs, dark
// planets, numbers and header, and the aspect and ring colours darkened until they read on
// white (each keeps its hue, so a trine still looks unlike a square).
#pragma once
#include <optional>
#include <string>

#include "chart/Surface.h"

namespace natalis {

enum class Tema { Pantalla, Papel };

struct TemaFila {
    Tema id;
    const char* nombre;  // as typed after --tema
};

extern const TemaFila kTemas[2];

// The palette called nombre ("papel", "pantalla"), or nothing for another name.
std::optional<Tema> TemaPorNombre(const std::string& nombre);

// The colour painted for the recorded colour c. Pantalla returns c; papel maps each colour
// the drawing uses (background, band, the console colours, the transit blue) and keeps any
// other.
Color ColorEnTema(Tema tema, Color c);

// The colour the drawing's background is painted in.
inline Color FondoDeTema(Tema tema) { return ColorEnTema(tema, kBackground); }

}  // namespace natalis
