// The return block: the return's heading over a transits block for the return's instant.
#include <gtest/gtest.h>

#include "PredictiveFixture.h"
#include "astro/Calendar.h"
#include "predictive/ListarRetorno.h"
#include "predictive/Transito.h"

namespace natalis {
namespace {

PlanetTable Cuerpos() {
    PlanetTable p{};
    const float lon[11] = {0,      10.0f,  95.5f, 200.25f, 33.0f, 340.0f,
                           120.0f, 250.0f, 5.0f,  300.0f,  222.0f};
    for (int i = 1; i <= 10; ++i) {
        p[i].Lon = lon[i];
        p[i].Vel = i == 3 ? -0.5f : 0.5f;  // Mercury retrograde
    }
    return p;
}

TEST(ListarRetorno, HeadingNamesTheReturnAndItsInstantInUniversalTime) {
    const NatalTables natal = testing::NatalesFijas(
        {0, 10.5f, 100, 200, 30, 340, 122, 250, 5, 300, 222, 90, 0, 240, 270, 300, 330});
    const PlanetTable p = Cuerpos();
    // 14:23:07 UT of 5 March 2025 is 11:23:07 at a zone 3 h west.
    const double jd = JulDay(5, 3, 2025) + (14 * 3600 + 23 * 60 + 7) / 86400.0;
    const std::vector<std::string> lista = ListarRetorno(TipoRetorno::Lunar, jd, 3, p, natal);
    ASSERT_GE(lista.size(), 6u);
    EXPECT_EQ(lista[0], "RETORNO LUNAR");
    EXPECT_EQ(lista[1], "Instante UT:  5 3 2025 14:23:07");
    EXPECT_EQ(lista[2], "   ");
    EXPECT_EQ(lista[3], "Fecha:  5 3 2025");
    EXPECT_EQ(lista[4], "Hora:  11:23:07 (huso de la carta)");
    EXPECT_EQ(lista[5], "   ");
    // Below the heading, the transits block of the same positions line for line.
    const std::vector<std::string> transitos = ListarTransitos("x", "y", p, natal);
    ASSERT_EQ(lista.size(), transitos.size() + 1);
    for (size_t i = 5; i < transitos.size(); ++i) EXPECT_EQ(lista[i + 1], transitos[i]) << i;
    EXPECT_EQ(lista[6], "SOL trans 10Ari00");
    EXPECT_EQ(lista[7], "  Conj SOL 10Ari30");
}

TEST(ListarRetorno, ClockTimeOfTheBirthZoneMayFallOnAnotherDate) {
    const NatalTables natal = testing::NatalesFijas(
        {0, 10, 100, 200, 30, 340, 122, 250, 5, 300, 222, 90, 0, 240, 270, 300, 330});
    struct Caso {
        double horaUT;
        float zona;
        const char* fecha;
        const char* hora;
    } casos[] = {
        {1.0, 3.0f, "Fecha:  31 12 2029", "Hora:  22:00:00 (huso de la carta)"},
        {22.5, -5.5f, "Fecha:  2 1 2030", "Hora:  04:00:00 (huso de la carta)"},
    };
    for (const Caso& c : casos) {
        const double jd = JulDay(1, 1, 2030) + c.horaUT / 24;
        const auto lista = ListarRetorno(TipoRetorno::Solar, jd, c.zona, Cuerpos(), natal);
        EXPECT_EQ(lista[0], "RETORNO SOLAR");
        EXPECT_EQ(lista[3], c.fecha);
        EXPECT_EQ(lista[4], c.hora);
    }
}

}  // namespace
}  // namespace natalis
