// The headless progression command: the solar arc it lists and the primary directions it
// refuses, with the real ephemeris.
#include <gtest/gtest.h>
#include <swephexp.h>

#include <algorithm>
#include <cmath>
#include <sstream>
#include <string>
#include <vector>

#include "app/cli/Headless.h"
#include "astro/Calendar.h"
#include "astro/NumberText.h"
#include "tests/app/TempFolder.h"

namespace natalis {
namespace {

// A chart file born 1 January 2000 at the given hour of Greenwich time and place.
std::string ChartBytes(const std::string& lat, const std::string& lon,
                       const std::string& hora = "12.0000") {
    const std::vector<std::string> lines = {"1: Prueba", "2: 1",       "3; 1",
                                            "4: 2000",   "5: " + hora, "6: 00.00",
                                            "7: " + lat, "8: " + lon,  "9: Lugar"};
    std::string bytes;
    for (const std::string& l : lines) bytes += l + "\r\n";
    return bytes;
}

struct Outcome {
    int code;
    std::string out, err;
    std::vector<std::string> lines;
};

Outcome Progress(const std::string& file, const std::string& tecnica, const std::string& fecha) {
    std::ostringstream out, err;
    const int code =
        HeadlessProgress({"--progress", file, "--tecnica", tecnica, "--fecha", fecha}, out, err);
    Outcome r{code, out.str(), err.str(), {}};
    std::istringstream in(r.out);
    for (std::string l; std::getline(in, l);) r.lines.push_back(l);
    return r;
}

bool Has(const std::vector<std::string>& lines, const std::string& line) {
    return std::find(lines.begin(), lines.end(), line) != lines.end();
}

// The Sun's longitude from the ephemeris library itself, for the reference arcs.
double SunLon(double jdUT) {
    swe_set_ephe_path(const_cast<char*>(NATALIS_EPHE_DIR));
    double xx[6];
    char serr[AS_MAXCH];
    swe_calc_ut(jdUT, SE_SUN, SEFLG_SWIEPH, xx, serr);
    return xx[0];
}

TEST(HeadlessProgress, SolarArcIsZeroOnTheBirthDateAndNegativeBeforeIt) {
    TempFolder dir;
    WriteBytes(dir / "Prueba.dat", ChartBytes("40.00N", "000.00E"));
    const Outcome birth = Progress(dir / "Prueba.dat", "Arco Solar", "1 1 2000");
    ASSERT_EQ(birth.code, 0) << birth.err;
    EXPECT_TRUE(Has(birth.lines, "arco :  0 grados")) << birth.out;

    // Ten years before: the Sun as many days before the birth moment as there are years of
    // age, less the natal Sun (stored as a Single).
    const Outcome before = Progress(dir / "Prueba.dat", "Arco Solar", "1 1 1990");
    ASSERT_EQ(before.code, 0) << before.err;
    const double jd0 = JulDay(1, 1, 2000);
    const double edad = static_cast<float>((JulDay(1, 1, 1990) - jd0) / 365.25);
    const double arco = std::remainder(
        SunLon(jd0 + edad + 12 / 24.0) - static_cast<float>(SunLon(jd0 + 0.5)), 360.0);
    ASSERT_NEAR(arco, -10.2, 0.1);  // the Sun's motion of ten days in early January
    EXPECT_TRUE(Has(before.lines, "arco :  " + FormatPicture(arco, 2) + " grados")) << before.out;
}

// At 69 degrees north (born at 6 h) Placidus falls back to Porphyry, and for many ages the directed
// Ascendant lies less than half a turn behind the directed Midheaven: such directions are
// refused on standard error with exit code 2 and nothing listed.
TEST(HeadlessProgress, PrimaryDirectionWithoutItsQuadrantIsRefused) {
    TempFolder dir;
    WriteBytes(dir / "Polar.dat", ChartBytes("69.00N", "019.00E", "06.0000"));
    const std::string aviso =
        "Aviso: Plácido no tiene sentido a esta latitud; se usan casas de Porfirio.\n";
    const std::string rechazo =
        "La dirección primaria no tiene sentido para esta fecha: en las casas dirigidas el "
        "cuadrante del Descendente al Medio Cielo no tiene tamaño, como ocurre más allá del "
        "círculo polar.\n";
    int rechazadas = 0, calculadas = 0;
    for (int anio = 2001; anio <= 2081; anio += 4) {
        const Outcome r = Progress(dir / "Polar.dat", "Primaria", "1 1 " + std::to_string(anio));
        if (r.code == 0) {
            ++calculadas;
            EXPECT_EQ(r.err, aviso);
            EXPECT_TRUE(Has(r.lines, "   PRIMARIA")) << r.out;
        } else {
            ++rechazadas;
            EXPECT_EQ(r.code, 2);
            EXPECT_EQ(r.err, aviso + rechazo) << anio;
            EXPECT_EQ(r.out, "") << anio;
        }
    }
    // The Porphyry fallback starts from the Ascendant on the eastern horizon, so the directed
    // houses always have the quadrant from the Descendant to the Midheaven: no date is refused.
    EXPECT_EQ(rechazadas, 0);
    EXPECT_GT(calculadas, 0);
}

}  // namespace
}  // namespace natalis
