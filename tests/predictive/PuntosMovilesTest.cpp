#include <gtest/gtest.h>

#include "PredictiveFixture.h"
#include "astro/AngleMath.h"
#include "predictive/ArcoSolar.h"
#include "predictive/ListarProgresion.h"
#include "predictive/PuntosMoviles.h"

namespace natalis {
namespace {

using testing::RegistroDePrueba;
using testing::TablasNatales;

// The uniform ephemeris of the fixtures, with its daily motion given too.
class ConVelocidad : public testing::UniformEphemeris {
  public:
    double CalcBody(double jd, int32_t body, double* out) override {
        UniformEphemeris::CalcBody(jd, body, out);
        out[3] = speed[body];
        return 0;
    }
};

struct Escenario {
    ConVelocidad eph;
    NatalRecord rec = RegistroDePrueba();
    ChartTables tablas;
    double horaUT = rec.NatalHour + rec.ZoneHours;
    Escenario() { tablas = TablasNatales(rec, eph); }
    PosicionMovil Efemeride(double jd, int cuerpo) {
        double out[4];
        eph.CalcBody(jd, cuerpo - 1, out);
        return {out[0], out[3]};
    }
};

TEST(EtiquetaPunto, ListingsLabelsInTheirOrder) {
    const char* const esperadas[17] = {"",    "SOL", "LUN", "MER", "VEN", "MAR",
                                       "JUP", "SAT", "URA", "NEP", "PLU", "MC",
                                       "ASC", "C8",  "C9",  "C11", "C12"};
    for (int n = 1; n <= 16; ++n) EXPECT_EQ(EtiquetaPunto(n), esperadas[n]) << n;
}

TEST(TecnicaPeriodo, NamesGoBothWays) {
    for (TecnicaPeriodo t :
         {TecnicaPeriodo::Transitos, TecnicaPeriodo::Secundaria, TecnicaPeriodo::ArcoSolar}) {
        EXPECT_EQ(TecnicaPeriodoDeNombre(NombreTecnicaPeriodo(t)), t);
    }
    EXPECT_STREQ(NombreTecnicaPeriodo(TecnicaPeriodo::ArcoSolar), "Arco Solar");
    for (const char* otro : {"", "transitos", "Tránsitos", "Primaria", "Arco solar"}) {
        EXPECT_FALSE(TecnicaPeriodoDeNombre(otro)) << otro;
    }
}

TEST(TransitoDe, IsTheEphemerisBodyAtTheInstant) {
    Escenario e;
    const double jd = 2460400.25;
    for (int c = 1; c <= 10; ++c) {
        PuntoMovil p = TransitoDe(c, e.eph);
        EXPECT_EQ(p.punto, c);
        const PosicionMovil pos = p.posicion(jd), ref = e.Efemeride(jd, c);
        EXPECT_DOUBLE_EQ(pos.lonDeg, ref.lonDeg) << c;
        EXPECT_DOUBLE_EQ(pos.velDegPorDia, ref.velDegPorDia) << c;
    }
}

TEST(SecundariaDe, IsTheEphemerisBodyAtTheProgressedInstant) {
    Escenario e;
    const double jd0 = e.tablas.natal.NatalJD0;
    for (double anios : {0.0, 24.5, -3.0}) {
        const double jd = jd0 + 365.25 * anios;
        const double instante = jd0 + anios + e.horaUT / 24;
        for (int c = 1; c <= 10; ++c) {
            PuntoMovil p = SecundariaDe(c, e.tablas.natal, e.horaUT, e.eph);
            const PosicionMovil pos = p.posicion(jd), ref = e.Efemeride(instante, c);
            EXPECT_NEAR(Reducir180(pos.lonDeg - ref.lonDeg), 0, 1e-9) << c << " " << anios;
            // A day of the sky per year of the date.
            EXPECT_NEAR(pos.velDegPorDia, ref.velDegPorDia / 365.25, 1e-12);
        }
    }
    // At the birth date the progressed bodies are the natal ones.
    PuntoMovil sol = SecundariaDe(1, e.tablas.natal, e.horaUT, e.eph);
    EXPECT_NEAR(Reducir180(sol.posicion(jd0).lonDeg - e.tablas.natal.PlanetaNatal[1].Lon), 0, 1e-4);
}

TEST(ArcoSolarDe, IsTheNatalPointMovedByTheSolarArc) {
    Escenario e;
    const double jd = e.tablas.natal.NatalJD0 + 365.25 * 33.3;
    double vel = 0;
    const double arco = ArcoSolar(jd, e.tablas.natal, e.horaUT, e.eph, &vel);
    EXPECT_NEAR(arco, 33.3, 1e-3);  // the fixture's Sun moves a degree a day
    EXPECT_NEAR(vel, 1 / 365.25, 1e-12);
    for (int n = 1; n <= 16; ++n) {
        PuntoMovil p = ArcoSolarDe(n, e.tablas.natal, e.horaUT, e.eph);
        EXPECT_EQ(p.punto, n);
        const PosicionMovil pos = p.posicion(jd);
        EXPECT_NEAR(Reducir180(pos.lonDeg - PuntoNatalListado(e.tablas.natal, n).Lon - arco), 0,
                    1e-9)
            << n;
        EXPECT_GE(pos.lonDeg, 0);
        EXPECT_LT(pos.lonDeg, 360);
        EXPECT_DOUBLE_EQ(pos.velDegPorDia, vel);
    }
}

TEST(PuntosMoviles, TenBodiesOrSixteenDirectedPoints) {
    Escenario e;
    const struct {
        TecnicaPeriodo tecnica;
        size_t cuantos;
    } casos[] = {{TecnicaPeriodo::Transitos, 10},
                 {TecnicaPeriodo::Secundaria, 10},
                 {TecnicaPeriodo::ArcoSolar, 16}};
    for (const auto& c : casos) {
        const auto puntos = PuntosMoviles(c.tecnica, e.tablas.natal, e.horaUT, e.eph);
        ASSERT_EQ(puntos.size(), c.cuantos);
        for (size_t i = 0; i < puntos.size(); ++i) {
            EXPECT_EQ(puntos[i].punto, static_cast<int>(i + 1));
            EXPECT_GT(puntos[i].pasoDias, 0);
        }
    }
}

}  // namespace
}  // namespace natalis
