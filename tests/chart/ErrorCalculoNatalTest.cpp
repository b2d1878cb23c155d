// The natal computation with and without positions from the ephemeris.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "astro/Calendar.h"
#include "astro/SwissEphemeris.h"
#include "chart/CalcularNatal.h"
#include "chart/ErrorCalculoNatal.h"

namespace natalis {
namespace {

NatalRecord Registro(int16_t year) {
    NatalRecord r;
    r.NatalDay = 1, r.NatalMonth = 1, r.NatalYear = year;
    r.NatalHour = 12;
    r.LatitudeDeg = 40;
    return r;
}

TEST(ErrorCalculoNatal, ChartWithEveryPositionHasNoError) {
    SwissEphemeris eph;
    ChartTables t;
    CalcularNatal(Registro(2000), SistemaCasas::Placido, eph, t);
    EXPECT_FALSE(ErrorCalculoNatal(t).has_value());
}

// Year 6000 lies beyond the data files and the analytic theory alike: the ephemeris gives
// NaN, and the chart is refused instead of showing every body at 0 Aries.
TEST(ErrorCalculoNatal, DateWithoutPositionsIsAnError) {
    SwissEphemeris eph;
    double out[4] = {0, 0, 0, 0};
    eph.CalcBody(JulDay(1, 1, 6000), 0, out);
    for (double v : out) EXPECT_TRUE(std::isnan(v));

    ChartTables t;
    CalcularNatal(Registro(6000), SistemaCasas::Placido, eph, t);
    EXPECT_EQ(ErrorCalculoNatal(t).value_or(""),
              "Error de cálculo: las efemérides no dan la posición de los planetas en esta "
              "fecha.");
}

TEST(ErrorCalculoNatal, AnyOtherPointThatIsNotFiniteIsAnError) {
    SwissEphemeris eph;
    ChartTables t;
    CalcularNatal(Registro(2000), SistemaCasas::Placido, eph, t);
    t.natal.CuspideNatal[7].Lon = std::numeric_limits<float>::infinity();
    EXPECT_EQ(ErrorCalculoNatal(t).value_or(""),
              "Error de cálculo: no se pudo completar la carta natal.");
}

}  // namespace
}  // namespace natalis
