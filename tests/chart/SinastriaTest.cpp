#include <gtest/gtest.h>

#include <cmath>
#include <set>
#include <tuple>

#include "astro/SwissEphemeris.h"
#include "chart/Sinastria.h"

namespace natalis {
namespace {

NatalRecord Persona(const char* nombre, int d, int m, int a, float hora, float lat) {
    NatalRecord r;
    r.NatalName = nombre;
    r.NatalDay = static_cast<int16_t>(d);
    r.NatalMonth = static_cast<int16_t>(m);
    r.NatalYear = static_cast<int16_t>(a);
    r.NatalHour = hora;
    r.LatitudeDeg = lat;
    r.LongitudeDeg = -3.7f;
    return r;
}

// Every pair of the first person's points and angles with the second's, checked one by one
// with the separation and the aspect table read directly: the same aspects, no more.
TEST(Sinastria, CrossAspectsEqualABruteForceCheckOfEveryPair) {
    SwissEphemeris eph;
    const int fechas[][3] = {{14, 7, 1985}, {2, 11, 1979}, {29, 2, 2000}, {1, 1, 1950}};
    for (int i = 0; i < 4; ++i) {
        const Carta a = CalcularCarta(
            Persona("A", fechas[i][0], fechas[i][1], fechas[i][2], 9.5f, 40.4f), {}, eph);
        const Carta b = CalcularCarta(Persona("B", fechas[(i + 1) % 4][0], fechas[(i + 1) % 4][1],
                                              fechas[(i + 1) % 4][2], 17.75f, -33.9f),
                                      {}, eph);
        const Sinastria s = CalcularSinastria(a.natal, b.natal);

        // The longitudes of each side: points 1..10 (SOL..PLU take part in aspects), MC, ASC.
        std::vector<double> la, lb;
        for (int k = 1; k <= 10; ++k) la.push_back(a.natal.PlanetaNatal[k].Lon);
        for (int k = 1; k <= 10; ++k) lb.push_back(b.natal.PlanetaNatal[k].Lon);
        la.push_back(a.natal.CuspideNatal[10].Lon);
        la.push_back(a.natal.CuspideNatal[1].Lon);
        lb.push_back(b.natal.CuspideNatal[10].Lon);
        lb.push_back(b.natal.CuspideNatal[1].Lon);
        ASSERT_EQ(s.puntosA.size(), la.size());
        ASSERT_EQ(s.puntosB.size(), lb.size());

        std::set<std::tuple<int, int, int>> esperado, hallado;
        for (size_t x = 0; x < la.size(); ++x) {
            for (size_t y = 0; y < lb.size(); ++y) {
                double sep = std::fabs(la[x] - lb[y]);
                if (sep > 180) sep = 360 - sep;
                for (int k = 0; k < kNumAspectos; ++k) {
                    if (std::fabs(sep - TablaAspectos[k].Angulo) <=
                        7 * TablaAspectos[k].FactorOrbe) {
                        esperado.insert({static_cast<int>(x), static_cast<int>(y), k});
                        break;
                    }
                }
            }
        }
        for (const AspectoHallado& h : s.aspectos) {
            hallado.insert({h.a, h.b, h.k});
            double sep = std::fabs(la[h.a] - lb[h.b]);
            if (sep > 180) sep = 360 - sep;
            EXPECT_NEAR(h.orbe, std::fabs(sep - TablaAspectos[h.k].Angulo), 1e-4);
        }
        EXPECT_EQ(hallado, esperado) << i;
        EXPECT_FALSE(esperado.empty());
    }
}

// A chart against itself: every point meets its own twin in conjunction, orb 0.
TEST(Sinastria, SamePointOfBothPeopleIsPaired) {
    SwissEphemeris eph;
    const Carta a = CalcularCarta(Persona("A", 14, 7, 1985, 9.5f, 40.4f), {}, eph);
    const Sinastria s = CalcularSinastria(a.natal, a.natal);
    int gemelos = 0;
    for (const AspectoHallado& h : s.aspectos) {
        if (h.a == h.b) {
            EXPECT_STREQ(TablaAspectos[h.k].Nombre, "Conj");
            EXPECT_EQ(h.orbe, 0);
            ++gemelos;
        }
    }
    EXPECT_EQ(gemelos, static_cast<int>(s.puntosA.size()));
}

// Houses by hand, with a house across 0 degrees Aries; a point on a cusp is in that house.
TEST(Sinastria, HouseOfALongitude) {
    std::array<CuspideRec, 14> c{};
    const float cusps[] = {0, 350, 20, 45, 70, 100, 140, 170, 200, 225, 250, 280, 320};
    for (int i = 1; i <= 12; ++i) c[i].Lon = cusps[i];
    struct Caso {
        double lon;
        int casa;
    };
    const Caso casos[] = {{350, 1}, {359.9, 1}, {0, 1},    {19.9, 1}, {20, 2},     {100, 5},
                          {139, 5}, {200, 8},   {319, 11}, {320, 12}, {349.99, 12}};
    for (const Caso& k : casos) EXPECT_EQ(CasaDeLongitud(k.lon, c), k.casa) << k.lon;
}

// Overlays both ways, each checked against the house routine on the other's cusps, and the
// list's lines.
TEST(Sinastria, OverlaysBothWaysAndTheList) {
    SwissEphemeris eph;
    const Carta a = CalcularCarta(Persona("Ana", 14, 7, 1985, 9.5f, 40.4f), {}, eph);
    const Carta b = CalcularCarta(Persona("Luis", 2, 11, 1979, 17.75f, -33.9f), {}, eph);
    const Sinastria s = CalcularSinastria(a.natal, b.natal);
    ASSERT_EQ(s.casasEnA.size(), b.natal.PlanetaNatal.size());
    ASSERT_EQ(s.casasEnB.size(), a.natal.PlanetaNatal.size());
    for (size_t i = 1; i < s.casasEnA.size(); ++i) {
        const int casa = s.casasEnA[i];
        const double desde = a.natal.CuspideNatal[casa].Lon;
        const double hasta = a.natal.CuspideNatal[casa % 12 + 1].Lon;
        const double lon = b.natal.PlanetaNatal[i].Lon;
        EXPECT_LT(std::fmod(lon - desde + 720, 360), std::fmod(hasta - desde + 720, 360)) << i;
    }
    const std::vector<std::string> l = ListarSinastria(a, b, s);
    ASSERT_GE(l.size(), s.aspectos.size() + 1);
    EXPECT_EQ(l[0], "ASPECTOS CRUZADOS");
    const AspectoHallado& h = s.aspectos.front();
    EXPECT_EQ(l[1].rfind(
                  EtiquetaPuntoAspecto(a.natal, s.puntosA[h.a]) + " " + TablaAspectos[h.k].Nombre +
                      " " + EtiquetaPuntoAspecto(b.natal, s.puntosB[h.b]) + " " + TextoOrbe(h.orbe),
                  0),
              0u);
    EXPECT_EQ(l[s.aspectos.size() + 2], "CASAS DE Luis EN LA CARTA DE Ana");
    EXPECT_EQ(l[s.aspectos.size() + 3], "SOL casa " + std::to_string(s.casasEnA[1]));
    EXPECT_EQ(TextoOrbe(1.7), "1°42'");
    EXPECT_EQ(TextoOrbe(0.999), "1°00'");
}

}  // namespace
}  // namespace natalis
