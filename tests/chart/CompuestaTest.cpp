#include <gtest/gtest.h>

#include <cmath>
#include <random>

#include "astro/AngleMath.h"
#include "astro/SwissEphemeris.h"
#include "chart/Compuesta.h"

namespace natalis {
namespace {

NatalRecord Persona(const char* nombre, int d, int m, int a, float hora, float zona, float lat,
                    float lon) {
    NatalRecord r;
    r.NatalName = nombre;
    r.NatalDay = static_cast<int16_t>(d);
    r.NatalMonth = static_cast<int16_t>(m);
    r.NatalYear = static_cast<int16_t>(a);
    r.NatalHour = hora;
    r.ZoneHours = zona;
    r.LatitudeDeg = lat;
    r.LongitudeDeg = lon;
    return r;
}

// Near midpoints worked by hand; exactly opposite points give the one 90 degrees ahead of a.
TEST(Compuesta, NearMidpointTakesTheShorterArc) {
    struct Caso {
        double a, b, medio;
    };
    const Caso casos[] = {
        {10, 20, 15},    {20, 10, 15},   {350, 10, 0},    {10, 350, 0},   {300, 100, 20},
        {0, 180, 90},    {180, 0, 270},  {100, 280, 190}, {280, 100, 10}, {45, 45, 45},
        {359.5, 0.5, 0}, {0, 179, 89.5}, {0, 181, 270.5},
    };
    for (const Caso& c : casos) {
        EXPECT_NEAR(PuntoMedioCercano(c.a, c.b), c.medio, 1e-9) << c.a << " " << c.b;
    }
}

// The derived houses put the Midheaven where asked.
TEST(Compuesta, DerivedHousesKeepTheMidheaven) {
    for (double mc = 0.5; mc < 360; mc += 7.25) {
        const CasasCompuestas c = DerivarCasas(SistemaCasas::Placido, mc, 40, 23.44f);
        EXPECT_NEAR(Reducir180(c.Cusp[10] - mc), 0, 1e-3) << mc;
    }
}

bool EnOrden(const CuspTable& c) {
    // Each cusp ahead of the one before by less than half a turn, the twelve steps one turn.
    double total = 0;
    for (int i = 1; i <= 12; ++i) {
        const double paso = UnaVuelta(c[i % 12 + 1] - c[i]);
        if (paso <= 0 || paso >= 180) return false;
        total += paso;
    }
    return std::fabs(total - 360) < 1e-3;
}

// 100,000 random couples (Midheavens anywhere, birth latitudes up to 60 degrees either side,
// obliquities of the years -3000..3000): the derived cusps are always in order, in each
// system; cusp-by-cusp midpoints of the same couples are not, which the check can tell.
TEST(Compuesta, RandomPairsGiveCuspsInOrder) {
    std::mt19937 gen(20261210);
    std::uniform_real_distribution<double> lon(0, 360), lat(-60, 60), obl(23.2, 24.1);
    int desordenPorCuspide = 0;
    for (int i = 0; i < 100000; ++i) {
        const double latA = lat(gen), latB = lat(gen);
        const float oblA = static_cast<float>(obl(gen)), oblB = static_cast<float>(obl(gen));
        const CasasCompuestas a = DerivarCasas(SistemaCasas::Placido, lon(gen), latA, oblA);
        const CasasCompuestas b = DerivarCasas(SistemaCasas::Placido, lon(gen), latB, oblB);
        const SistemaCasas s = static_cast<SistemaCasas>(i % 3);
        const CasasCompuestas c = DerivarCasas(s, PuntoMedioCercano(a.Cusp[10], b.Cusp[10]),
                                               (latA + latB) / 2, (oblA + oblB) / 2);
        ASSERT_TRUE(EnOrden(c.Cusp)) << i;
        CuspTable porCuspide{};
        for (int k = 1; k <= 12; ++k) porCuspide[k] = PuntoMedioCercano(a.Cusp[k], b.Cusp[k]);
        if (!EnOrden(porCuspide)) ++desordenPorCuspide;
    }
    EXPECT_GT(desordenPorCuspide, 1000);
}

// A couple's composite: each point at the near midpoint of the two, the Midheaven at the near
// midpoint of the two Midheavens, the header naming both.
TEST(Compuesta, CoupleCompositeTakesEveryPointsMidpoint) {
    SwissEphemeris eph;
    const Carta a =
        CalcularCarta(Persona("Ana", 14, 7, 1985, 9.5f, -2, 40.4f, -3.7f), OpcionesCarta{}, eph);
    const Carta b = CalcularCarta(Persona("Luis", 2, 11, 1979, 23.25f, 6, 19.43f, -99.13f),
                                  OpcionesCarta{}, eph);
    const Carta c = CalcularCompuesta(a, b);
    EXPECT_EQ(c.tipo, TipoCarta::Compuesta);
    EXPECT_FALSE(c.nacimiento.has_value());
    EXPECT_EQ(c.titulo, "Carta compuesta de Ana y Luis");
    ASSERT_EQ(c.natal.PlanetaNatal.size(), a.natal.PlanetaNatal.size());
    for (size_t i = 1; i < c.natal.PlanetaNatal.size(); ++i) {
        const double m =
            PuntoMedioCercano(a.natal.PlanetaNatal[i].Lon, b.natal.PlanetaNatal[i].Lon);
        EXPECT_NEAR(Reducir180(c.natal.PlanetaNatal[i].Lon - m), 0, 1e-4) << i;
        EXPECT_EQ(c.natal.PlanetaNatal[i].Texto.substr(0, 3),
                  a.natal.PlanetaNatal[i].Texto.substr(0, 3));
    }
    const double mc = PuntoMedioCercano(a.natal.CuspideNatal[10].Lon, b.natal.CuspideNatal[10].Lon);
    EXPECT_NEAR(Reducir180(c.natal.CuspideNatal[10].Lon - mc), 0, 1e-3);
    EXPECT_NEAR(c.latitud, (40.4 + 19.43) / 2, 1e-5);
    EXPECT_TRUE(EnOrden(c.Cusp));
    EXPECT_EQ(NombreCarta(c), c.titulo);

    // A loaded name keeps a leading blank; headers name the person without it.
    Carta conBlancos = a;
    conBlancos.nacimiento->NatalName = " Ana Lucía  ";
    EXPECT_EQ(NombreCarta(conBlancos), "Ana Lucía");
}

}  // namespace
}  // namespace natalis
