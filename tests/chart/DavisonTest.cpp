#include <gtest/gtest.h>

#include <cmath>

#include "astro/AngleMath.h"
#include "astro/InstanteCivil.h"
#include "astro/SwissEphemeris.h"
#include "chart/Davison.h"

namespace natalis {
namespace {

// Madrid (40.4168N 3.7038W) and Ciudad de México (19.4326N 99.1332W), GeoNames: the great
// circle's midpoint 40.35N 58.10W, the means 29.92N 51.42W.
TEST(Davison, MidpointOfTwoPlaces) {
    const Coordenadas madrid{40.4168, -3.7038}, mexico{19.4326, -99.1332};
    const Coordenadas c = PuntoMedioLugares(madrid, mexico, LugarMedio::Circulo);
    EXPECT_NEAR(c.latitudDeg, 40.35, 0.005);
    EXPECT_NEAR(c.longitudDeg, -58.10, 0.005);
    const Coordenadas m = PuntoMedioLugares(madrid, mexico, LugarMedio::Medias);
    EXPECT_NEAR(m.latitudDeg, 29.92, 0.005);
    EXPECT_NEAR(m.longitudDeg, -51.42, 0.005);
}

// Edge cases: the date line is crossed the short way; the same place is its own midpoint;
// places opposite on the globe fall back to the means.
TEST(Davison, MidpointEdgeCases) {
    struct Caso {
        Coordenadas a, b;
        LugarMedio modo;
        Coordenadas m;
    };
    const Caso casos[] = {
        {{0, 170}, {0, -170}, LugarMedio::Medias, {0, 180}},
        {{0, 170}, {0, -170}, LugarMedio::Circulo, {0, 180}},
        {{10, 20}, {10, 20}, LugarMedio::Circulo, {10, 20}},
        {{0, 0}, {0, 90}, LugarMedio::Circulo, {0, 45}},
        {{0, 0}, {90, 0}, LugarMedio::Circulo, {45, 0}},
        // Opposite: the means, a point a quarter turn from both.
        {{30, 10}, {-30, -170}, LugarMedio::Circulo, {0, 100}},
    };
    for (const Caso& c : casos) {
        const Coordenadas r = PuntoMedioLugares(c.a, c.b, c.modo);
        EXPECT_NEAR(r.latitudDeg, c.m.latitudDeg, 1e-9);
        EXPECT_NEAR(std::fabs(Reducir180(r.longitudDeg - c.m.longitudDeg)), 0, 1e-9);
    }
}

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

// The Davison chart equals the natal computation of a record typed by hand for the mean
// instant (universal time) at the midpoint place.
TEST(Davison, EqualsTheNatalChartOfTheMeanInstantAtTheMidpoint) {
    SwissEphemeris eph;
    const Carta a = CalcularCarta(Persona("Ana", 14, 7, 1985, 9.5f, -2, 40.4168f, -3.7038f),
                                  OpcionesCarta{}, eph);
    const Carta b = CalcularCarta(Persona("Luis", 2, 11, 1979, 23.25f, 6, 19.4326f, -99.1332f),
                                  OpcionesCarta{}, eph);
    for (LugarMedio modo : {LugarMedio::Circulo, LugarMedio::Medias}) {
        const Carta d = CalcularDavison(a, b, modo, eph);
        EXPECT_EQ(d.tipo, TipoCarta::Davison);
        EXPECT_EQ(d.titulo, "Carta Davison de Ana y Luis");

        const double jd = (a.natal.NatalJD + b.natal.NatalJD) / 2;
        const InstanteCivil c = InstanteDeJD(std::floor(jd - 0.5) + 0.5);  // its date, 0 h UT
        const Coordenadas m = PuntoMedioLugares({40.4168f, -3.7038f}, {19.4326f, -99.1332f}, modo);
        NatalRecord r = Persona(
            "x", c.dia, c.mes, c.anio, static_cast<float>((jd - (std::floor(jd - 0.5) + 0.5)) * 24),
            0, static_cast<float>(m.latitudDeg), static_cast<float>(m.longitudDeg));
        const Carta n = CalcularCarta(r, OpcionesCarta{}, eph);
        EXPECT_NEAR(d.natal.NatalJD, jd, 1e-6);
        for (size_t i = 1; i < n.natal.PlanetaNatal.size(); ++i) {
            EXPECT_NEAR(Reducir180(d.natal.PlanetaNatal[i].Lon - n.natal.PlanetaNatal[i].Lon), 0,
                        1e-4)
                << i;
        }
        for (int i = 1; i <= 12; ++i) {
            EXPECT_NEAR(Reducir180(d.natal.CuspideNatal[i].Lon - n.natal.CuspideNatal[i].Lon), 0,
                        1e-3)
                << i;
        }
        ASSERT_TRUE(d.nacimiento.has_value());
        EXPECT_NEAR(d.nacimiento->LatitudeDeg, m.latitudDeg, 1e-5);
        EXPECT_EQ(d.nacimiento->ZoneHours, 0);
    }
}

}  // namespace
}  // namespace natalis
