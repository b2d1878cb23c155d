#include "app/session/MostrarInicio.h"

#include <string>

#include "app/model/ClockHelpers.h"
#include "astro/AngleMath.h"
#include "astro/Calendar.h"
#include "chart/Glyphs.h"

namespace natalis {

namespace {

constexpr const char* kTextFace = "Microsoft Sans Serif";
constexpr const char* kGlyphFace = "orreryAstro";

// Moves the text position to (x, y) by plotting a point there, then prints.
void PrintAt(Surface& s, double x, double y, Color point, const std::string& text) {
    s.PSet(x, y, point);
    s.Print(text, true);
}

// Blanks between the two columns of row k (0..4).
int RowBlanks(int k) { return k < 2 ? 28 : (k < 4 ? 30 : 31); }

}  // namespace

void MostrarInicio(Surface& s, const Clock& clock, Ephemeris& eph, PlanetTable& Planet) {
    s.SetFont(kTextFace, 12, true);
    s.SetForeColor(QBColor(11));
    PrintAt(s, 36, 3, kBackground, "<···  CARTAS NATALES DISPONIBLES");
    s.SetFontBold(false);
    PrintAt(s, 39, 6, QBColor(11), " Se pueden crear otras con el menú Nueva Carta");

    s.SetFont(kGlyphFace, 24, true);
    s.SetForeColor(QBColor(14));
    for (int k = 0; k < 5; ++k) {
        PrintAt(s, 40, 20 + 10 * k, kBackground,
                GlifoPlaneta(2 * k + 1) + std::string(16, ' ') + GlifoPlaneta(2 * k + 2));
    }

    const LocalDateTime now = clock.Now();
    const double jd = JulDay(now.day, now.month, now.year) + FraccionDiaGMT(clock);
    Planets(jd, eph, Planet);
    std::string texto[11];
    for (int i = 1; i <= 10; ++i) texto[i] = ZodiacString(Planet[i].Lon);

    s.SetFont(kTextFace, 16, true);
    s.SetForeColor(QBColor(15));
    for (int k = 0; k < 5; ++k) {
        PrintAt(s, 45, 20 + 10 * k, kBackground,
                texto[2 * k + 1] + std::string(RowBlanks(k), ' ') + texto[2 * k + 2]);
    }

    s.SetFontSize(14);
    s.SetForeColor(QBColor(10));
    PrintAt(s, 56, 15, QBColor(10), "TRÁNSITOS");
}

}  // namespace natalis
