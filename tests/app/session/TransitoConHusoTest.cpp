// Transits of a chart whose zone came from the tz database: a typed date and hour, and a
// step through time, read the clock of that zone with the offset it showed on that date
// (zdump: Buenos Aires kept -02 from 23 Jan to 1 May 1974, -03 before and after), and the
// listing says which offset it used.
#include <gtest/gtest.h>

#include <algorithm>

#include "app/model/HusoActual.h"
#include "app/session/ChartSession.h"
#include "astro/Calendar.h"
#include "astro/SwissEphemeris.h"
#include "tests/app/FakeClock.h"
#include "tests/predictive/PredictiveFixture.h"

namespace natalis {
namespace {

struct SesionBuenosAires {
    SwissEphemeris eph;
    ChartSession s{eph};
    FakeClock clock;
    SesionBuenosAires() {
        s.DatosNatales = testing::RegistroDePrueba();
        NatalRecord& rec = s.DatosNatales;
        rec.NatalDay = 1, rec.NatalMonth = 2, rec.NatalYear = 1974;
        rec.LongitudeDeg = -58.45f;
        rec.LatitudeDeg = -34.6f;
        ActualizarHuso(rec,
                       ZoneSource{"America/Argentina/Buenos_Aires", -7200, "-02", true, false, ""});
        s.flags.ChartLoaded = true;
        s.MostrarNatal(nullptr);
    }
    bool Listado(const std::string& linea) const {
        return std::find(s.Lista.begin(), s.Lista.end(), linea) != s.Lista.end();
    }
};

const char kInvierno[] = "Huso:  America/Argentina/Buenos_Aires · -03, hora normal · UT-3";
const char kVerano[] = "Huso:  America/Argentina/Buenos_Aires · -02, horario de verano · UT-2";

TEST(TransitoConHuso, ATypedWinterHourTakesTheWinterOffset) {
    SesionBuenosAires t;
    std::string fecha = "15 7 1974", hora = "12 00";
    const TransitoResultado r = t.s.Transitar(t.clock, nullptr, fecha, hora);
    ASSERT_EQ(r.instante.estado, TransitoEstado::Calculado);
    ASSERT_TRUE(t.s.JdTransito());
    // 12:00 at UT-3 is 15:00 UT (the birth's -02 would give 14:00).
    EXPECT_NEAR(*t.s.JdTransito(), JulDay(15, 7, 1974) + 15.0 / 24, 1e-9);
    EXPECT_TRUE(t.Listado(kInvierno));
    EXPECT_EQ(t.s.FechaEnPantalla(), "Tránsito 15 7 1974 12:00");
}

TEST(TransitoConHuso, AStepIntoAnotherOffsetKeepsTheClockTime) {
    SesionBuenosAires t;
    std::string fecha = "15 4 1974", hora = "12 00";
    t.s.Transitar(t.clock, nullptr, fecha, hora);
    ASSERT_TRUE(t.s.JdTransito());
    EXPECT_NEAR(*t.s.JdTransito(), JulDay(15, 4, 1974) + 14.0 / 24, 1e-9);  // -02
    EXPECT_TRUE(t.Listado(kVerano));
    t.s.Desplazar(nullptr, UnidadPaso::Mes, 1);
    ASSERT_TRUE(t.s.JdTransito());
    EXPECT_NEAR(*t.s.JdTransito(), JulDay(15, 5, 1974) + 15.0 / 24, 1e-9);  // -03
    EXPECT_EQ(t.s.FechaEnPantalla(), "Tránsito 15 5 1974 12:00");
    EXPECT_TRUE(t.Listado(kInvierno));
    EXPECT_FALSE(t.Listado(kVerano));  // the stepped block took the place of the first
}

TEST(TransitoConHuso, AChartWithoutAZoneKeepsItsOffsetAndItsListing) {
    SesionBuenosAires t;
    t.s.DatosNatales.ZoneFrom = ZoneSource{};  // the same offset, typed by hand
    std::string fecha = "15 7 1974", hora = "12 00";
    t.s.Transitar(t.clock, nullptr, fecha, hora);
    ASSERT_TRUE(t.s.JdTransito());
    const double zona = t.s.DatosNatales.ZoneHours;
    EXPECT_DOUBLE_EQ(*t.s.JdTransito(), JulDay(15, 7, 1974) + (12 + zona) / 24);
    for (const std::string& linea : t.s.Lista) EXPECT_NE(linea.rfind("Huso:", 0), 0u) << linea;
}

}  // namespace
}  // namespace natalis
