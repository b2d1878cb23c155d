#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>

#include "PredictiveFixture.h"
#include "astro/AngleMath.h"
#include "astro/Calendar.h"
#include "astro/Houses.h"
#include "predictive/CalcularProgresion.h"
#include "predictive/ListarProgresion.h"

namespace natalis {
namespace {

using testing::RegistroDePrueba;
using testing::TablasNatales;
using testing::UniformEphemeris;

// Angular difference folded into -180..180.
double Dif(double a, double b) {
    double d = std::fmod(a - b, 360.0);
    if (d > 180) d -= 360;
    if (d < -180) d += 360;
    return d;
}

struct Escenario {
    UniformEphemeris eph;
    NatalRecord rec = RegistroDePrueba();
    ChartTables tablas;
    PredictiveState ps;
    Escenario() { tablas = TablasNatales(rec, eph); }
    ProgresionResultado Calcular(const std::string& tecnica, const std::string& fecha,
                                 bool conversa = false) {
        ps.Tecnica = *TecnicaPorCaption(tecnica);
        ps.FechaProgTexto = fecha;
        ps.Conversa = conversa;
        return CalcularProgresion(ps, tablas, rec, SistemaCasas::Placido, eph);
    }
};

TEST(CalcularProgresion, BirthDateGivesArcZeroForEveryTechnique) {
    for (const std::string tecnica : {"Arco Solar", "Grado x Año", "Primaria"}) {
        for (const bool conversa : {false, true}) {
            Escenario e;
            const auto r = e.Calcular(tecnica, "1 1 2000", conversa);
            ASSERT_EQ(r.estado, ProgresionEstado::Calculada) << tecnica;
            EXPECT_TRUE(e.ps.HayProgresion);
            EXPECT_EQ(e.ps.Edad, 0);
            EXPECT_NEAR(e.ps.Arco, 0, 1e-4) << tecnica;
            // The progressed (or, for primary directions, recomputed and re-housed) bodies
            // and the cusps stand on their natal places.
            for (int i = 1; i <= 10; ++i) {
                EXPECT_NEAR(Dif(e.ps.prog.PlanetaProg[i].Lon, e.tablas.natal.PlanetaNatal[i].Lon),
                            0, 2e-3)
                    << tecnica << " " << i;
            }
            for (int i = 1; i <= 12; ++i) {
                EXPECT_NEAR(Dif(e.ps.prog.CuspideProg[i].Lon, e.tablas.natal.CuspideNatal[i].Lon),
                            0, 2e-3)
                    << tecnica << " cusp " << i;
            }
        }
    }
}

TEST(CalcularProgresion, ConverseDegreePerYearAtThirty) {
    Escenario e;
    const auto r = e.Calcular("Grado x Año", "1 1 2030", true);
    ASSERT_EQ(r.estado, ProgresionEstado::Calculada);
    // Hand computation: 10958 days / 365.25 = 30.00137 years.
    EXPECT_NEAR(e.ps.Edad, 10958 / 365.25, 1e-4);
    EXPECT_NEAR(e.ps.Arco, -10958 / 365.25, 1e-4);
    const NatalTables& n = e.tablas.natal;
    for (int i = 1; i <= 10; ++i) {
        EXPECT_NEAR(Dif(e.ps.prog.PlanetaProg[i].Lon, n.PlanetaNatal[i].Lon), e.ps.Arco, 1e-3);
        EXPECT_EQ(e.ps.prog.PlanetaProg[i].Grado, GradoEnSigno(e.ps.prog.PlanetaProg[i].Lon));
    }
    // The MC moves back by the arc; the other cusps follow from its right ascension.
    EXPECT_NEAR(Dif(e.ps.prog.CuspideProg[10].Lon, n.CuspideNatal[10].Lon), e.ps.Arco, 1e-3);
    EXPECT_NEAR(std::fabs(Dif(e.ps.prog.CuspideProg[4].Lon, e.ps.prog.CuspideProg[10].Lon)), 180,
                1e-3);
    EXPECT_EQ(e.tablas.Cusp[10], e.ps.prog.CuspideProg[10].Lon);
    EXPECT_EQ(e.ps.prog.PlanetaProg[1].Texto,
              "SOL prog " + ZodiacString(e.ps.prog.PlanetaProg[1].Lon));
    EXPECT_EQ(e.ps.prog.CuspideProg[1].Texto.rfind("ASC prog ", 0), 0u);
    EXPECT_EQ(e.ps.prog.CuspideProg[10].Texto.rfind("MC prog ", 0), 0u);
    EXPECT_EQ(e.ps.prog.CuspideProg[2].Texto.rfind("C2 prog ", 0), 0u);
}

TEST(CalcularProgresion, SolarArcIsTheSunsMotionDaysAfterBirth) {
    // The uniform Sun moves 1 degree a day, so the arc equals the age in years.
    Escenario e;
    ASSERT_EQ(e.Calcular("Arco Solar", "1 1 2030").estado, ProgresionEstado::Calculada);
    EXPECT_NEAR(e.ps.Arco, 10958 / 365.25, 1e-3);
    Escenario c;
    ASSERT_EQ(c.Calcular("Arco Solar", "1 1 2030", true).estado, ProgresionEstado::Calculada);
    EXPECT_NEAR(c.ps.Arco, -10958 / 365.25, 1e-3);
}

TEST(CalcularProgresion, AscEnArcoMovesTheAscendantByTheMCsArcExceptForPrimary) {
    Escenario e;
    e.ps.AscEnArco = true;
    ASSERT_EQ(e.Calcular("Arco Solar", "1 1 2045").estado, ProgresionEstado::Calculada);
    const NatalTables& n = e.tablas.natal;
    const float esperado =
        MODg(n.CuspideNatal[1].Lon + MODg(e.tablas.Cusp[10] - n.CuspideNatal[10].Lon));
    EXPECT_FLOAT_EQ(e.ps.prog.CuspideProg[1].Lon, esperado);
    EXPECT_GT(std::fabs(Dif(e.ps.prog.CuspideProg[1].Lon, e.tablas.Cusp[1])), 0.01);

    Escenario p;
    p.ps.AscEnArco = true;
    ASSERT_EQ(p.Calcular("Primaria", "1 1 2045").estado, ProgresionEstado::Calculada);
    EXPECT_EQ(p.ps.prog.CuspideProg[1].Lon, p.tablas.Cusp[1]);
}

TEST(CalcularProgresion, PrimaryDirectionsKeepQuadrantProportions) {
    Escenario e;
    ASSERT_EQ(e.Calcular("Primaria", "1 1 2040").estado, ProgresionEstado::Calculada);
    EXPECT_FLOAT_EQ(e.ps.Arco, e.ps.Edad);
    // The directed ARMC advances one degree of right ascension per year (plus the sidereal
    // gain of the Edad/15 hours through T), so the directed MC is about 40 degrees on.
    const float mcDirigido = e.tablas.Cusp[10];
    EXPECT_NEAR(Dif(mcDirigido, e.tablas.natal.CuspideNatal[10].Lon), 40, 3);
    // Each body's directed longitude stays in the global planet table, not reduced.
    for (int i = 1; i <= 10; ++i) {
        EXPECT_FLOAT_EQ(e.ps.prog.PlanetaProg[i].Lon, MODg(e.tablas.Planet[i].Lon));
    }
}

TEST(CalcularProgresion, DirectedArmcAdvancesOneDegreeOfRightAscensionPerYear) {
    // Hand computation: the directed instant lies Edad / 15 hours after the birth, and that
    // time is added to the sidereal time unconverted while the polynomial adds its own
    // sidereal gain, so the directed ARMC exceeds the natal one by
    // Edad * (1 + 2400.0513 / (24 * 36525)) degrees.
    for (const std::string fecha : {"1 1 2040", "1 1 1975"}) {
        Escenario e;
        ASSERT_EQ(e.Calcular("Primaria", fecha).estado, ProgresionEstado::Calculada);
        const NatalTables& n = e.tablas.natal;
        const double armc = MODg(n.NatalARMC + e.ps.Edad * (1 + 2400.0513 / (24 * 36525.0)));
        CuspTable esperadas{};
        Houses(armc, e.rec.LatitudeDeg, "P", n.Obliquity, esperadas);
        for (int i = 1; i <= 12; ++i) {
            EXPECT_NEAR(Dif(e.tablas.Cusp[i], esperadas[i]), 0, 2e-3) << fecha << " cusp " << i;
        }
    }
}

TEST(CalcularProgresion, PrimaryDirectionsPlaceEachBodyByItsDirectedQuadrant) {
    // Each body keeps, between the natal angles, the fraction of its quadrant that it has
    // between the directed angles. Worked independently of the engine's case analysis: the
    // quadrant is found by walking forward from each directed angle. Between them the dates
    // put bodies in all four quadrants.
    bool visto[4] = {false, false, false, false};
    for (const std::string fecha : {"1 1 2040", "1 7 2063", "1 1 1975"}) {
        Escenario e;
        ASSERT_EQ(e.Calcular("Primaria", fecha).estado, ProgresionEstado::Calculada);
        const NatalTables& n = e.tablas.natal;
        const double JDd = n.NatalJD0 + (e.ps.Edad / 15.0 + e.rec.NatalHour + e.rec.ZoneHours) / 24;
        // Angles in forward order: ASC, IC, DSC, MC; natal quadrant sizes are indexed
        // 3 (ASC to IC), 2 (IC to DSC), 1 (DSC to MC), 0 (MC to ASC).
        const int angulos[4] = {1, 4, 7, 10};
        const int cuadrante[4] = {3, 2, 1, 0};
        for (int b = 1; b <= 10; ++b) {
            double buf[7];
            e.eph.CalcBody(JDd, b - 1, buf);
            for (int q = 0; q < 4; ++q) {
                const double desde = e.tablas.Cusp[angulos[q]];
                const double tam = MODg(e.tablas.Cusp[angulos[(q + 1) % 4]] - desde);
                const double x = MODg(buf[0] - desde);
                if (x >= tam) continue;
                visto[q] = true;
                const double esperado =
                    n.CuspideNatal[angulos[q]].Lon + x / tam * n.NatalQuadrant[cuadrante[q]];
                EXPECT_NEAR(Dif(e.ps.prog.PlanetaProg[b].Lon, esperado), 0, 2e-3)
                    << fecha << " body " << b;
                break;
            }
        }
    }
    for (int q = 0; q < 4; ++q) EXPECT_TRUE(visto[q]) << "quadrant " << q;
}

// The engine always gives the warning's caption; whether it is shown ("No repetir el aviso
// en esta carta") is the window's choice, tested with the predictive window.
TEST(CalcularProgresion, AgeWarningAbove100Years) {
    struct Caso {
        std::string fecha;
        std::string aviso;
    };
    // Hand computation of the ages: 36890 days = 100.9993 years, 36525 days = 100.0,
    // 36889 days before the birth = -100.9966.
    const Caso casos[] = {
        {"1 1 2101", " Progresión a 101 años"},
        {"1 1 2100", ""},
        {"1 1 1899",
         " Progresión a \xE2\x80\x94"
         "101 años"},
    };
    for (const Caso& c : casos) {
        Escenario e;
        const auto r = e.Calcular("Grado x Año", c.fecha);
        EXPECT_EQ(r.estado, ProgresionEstado::Calculada);
        EXPECT_EQ(r.aviso, c.aviso) << c.fecha;
    }
    EXPECT_EQ(AvisoEdad(120, ""), " Progresión a 120 años");
}

TEST(CalcularProgresion, RejectedDateChangesNothing) {
    Escenario e;
    const ChartTables antes = e.tablas;
    const auto r = e.Calcular("Arco Solar", " 32 1 2000 ");
    EXPECT_EQ(r.estado, ProgresionEstado::FechaRechazada);
    EXPECT_EQ(r.mensaje, "Dia 32 es incorrecto.");
    EXPECT_EQ(r.titulo, "corregir fecha");
    EXPECT_FALSE(e.ps.HayProgresion);
    EXPECT_EQ(e.ps.prog.PlanetaProg[1].Texto, "");
    EXPECT_EQ(e.tablas.Cusp, antes.Cusp);
    EXPECT_EQ(e.ps.FechaProgTexto, "32 1 2000");  // trimmed by the parser
}

TEST(CalcularProgresion, SolarTimeDialogsDateIsReadWhileItRuns) {
    Escenario e;
    e.ps.HoraSolar = HoraSolarPedida{2, "1 1 2031"};
    ASSERT_EQ(e.Calcular("Primaria", "not a date").estado, ProgresionEstado::Calculada);
    EXPECT_NEAR(e.ps.Edad, 11323 / 365.25, 1e-4);  // hand computation: 31 years of days
}

// An ephemeris that answers with NaN, as a library fault would.
class EphemerisRota : public UniformEphemeris {
  public:
    double CalcBody(double, int32_t, double* out) override {
        out[0] = std::numeric_limits<double>::quiet_NaN();
        return 0;
    }
};

TEST(CalcularProgresion, FloatingPointFaultReportsInSpanishAndKeepsTheState) {
    for (const std::string tecnica : {"Primaria", "Arco Solar"}) {
        Escenario e;
        EphemerisRota rota;
        const ChartTables antes = e.tablas;
        e.ps.Tecnica = *TecnicaPorCaption(tecnica);
        e.ps.FechaProgTexto = "1 1 2030";
        const auto r = CalcularProgresion(e.ps, e.tablas, e.rec, SistemaCasas::Placido, rota);
        EXPECT_EQ(r.estado, ProgresionEstado::ErrorCalculo) << tecnica;
        EXPECT_EQ(r.mensaje, "Error de cálculo: no se pudo completar la progresión.");
        EXPECT_FALSE(e.ps.HayProgresion);
        EXPECT_EQ(e.tablas.Cusp, antes.Cusp);
        for (int i = 1; i <= 10; ++i) EXPECT_EQ(e.tablas.Planet[i].Lon, antes.Planet[i].Lon);
    }
}

// The solar arc is the Sun's motion since the birth, -180 up to 180 degrees. On the birth
// date the Sun is recomputed for the birth moment in double precision while its natal copy
// is a Single; here the copy (280.1 rounded to a Single, 280.1000061) lies a hair ahead,
// so the difference is a hair below 0, which reduced to 0..360 would read 360.
TEST(CalcularProgresion, SolarArcOfTheBirthDateIsZeroAndBeforeTheBirthNegative) {
    struct Caso {
        const char* fecha;
        bool conversa;
        double arco;        // hand computation: the uniform Sun moves 1 degree a day
        const char* linea;  // the listing's arc line
    };
    const Caso casos[] = {
        {"1 1 2000", false, 0, "arco :  0 grados"},
        {"1 1 2000", true, 0, "arco :  0 grados"},
        {"1 1 1990", false, -3652 / 365.25, "arco :  -10 grados"},  // 3652 days before
        {"1 1 1990", true, 3652 / 365.25, "arco :  10 grados"},     // converse
        {"1 7 1999", false, -184 / 365.25, "arco :  -.5 grados"},   // 184 days before
        // 73049 days after: a Sun 200 degrees on is 160 degrees back.
        {"1 1 2200", false, 73049 / 365.25 - 360, "arco :  -160 grados"},
    };
    for (const Caso& c : casos) {
        Escenario e;
        e.eph.lon0[0] = 280.1;
        e.tablas = TablasNatales(e.rec, e.eph);
        ASSERT_GT(e.tablas.natal.PlanetaNatal[1].Lon, 280.1);  // the copy is a hair ahead
        const auto r = e.Calcular("Arco Solar", c.fecha, c.conversa);
        ASSERT_EQ(r.estado, ProgresionEstado::Calculada) << c.fecha;
        EXPECT_NEAR(e.ps.Arco, c.arco, 1e-3) << c.fecha << " " << c.conversa;
        EXPECT_GE(e.ps.Arco, -180) << c.fecha;
        EXPECT_LE(e.ps.Arco, 180) << c.fecha;
        const auto lista =
            ListarProgresion(TipoTecnica::ArcoSolar, e.ps.Arco, e.ps, e.tablas.natal);
        EXPECT_NE(std::find(lista.begin(), lista.end(), c.linea), lista.end()) << c.fecha;
    }
}

// A chart at 69 degrees north (8 h local), beyond the polar circle, where the houses fall back to
// Porphyry: for many ages the directed Ascendant lies less than half a turn behind the
// directed Midheaven, so the quadrant from the Descendant to the Midheaven has no size and
// the quadrant proportions of primary directions have no meaning. Those directions are
// refused with the reason and change nothing; the others are computed. The directed houses
// are worked out here from the directed ARMC (one degree of right ascension per year, as
// in DirectedArmcAdvancesOneDegreeOfRightAscensionPerYear).
TEST(CalcularProgresion, PrimaryDirectionWithoutADescendantToMidheavenQuadrantIsRefused) {
    int rechazadas = 0, calculadas = 0;
    for (int anio = 2000; anio <= 2080; anio += 2) {
        Escenario e;
        e.rec.LatitudeDeg = 69;
        e.rec.NatalHour = 8;
        e.tablas = TablasNatales(e.rec, e.eph);
        const NatalTables& n = e.tablas.natal;
        const float natalA = MODg(n.CuspideNatal[10].Lon - n.CuspideNatal[1].Lon);
        ASSERT_GT(natalA, 180);  // the natal houses themselves have their four quadrants
        const ChartTables antes = e.tablas;
        const std::string fecha = "1 1 " + std::to_string(anio);
        const auto r = e.Calcular("Primaria", fecha);

        const double edad = (JulDay(1, 1, anio) - n.NatalJD0) / 365.25;
        const double armc = MODg(n.NatalARMC + edad * (1 + 2400.0513 / (24 * 36525.0)));
        CuspTable dirigidas{};
        Houses(armc, e.rec.LatitudeDeg, "P", n.Obliquity, dirigidas);
        const double A = MODg(dirigidas[10] - dirigidas[1]);
        if (A - 180 > 0.01) {
            ++calculadas;
            EXPECT_EQ(r.estado, ProgresionEstado::Calculada) << fecha << " A " << A;
        } else if (A - 180 < -0.01) {
            ++rechazadas;
            EXPECT_EQ(r.estado, ProgresionEstado::ErrorCalculo) << fecha << " A " << A;
            EXPECT_EQ(r.mensaje,
                      "La dirección primaria no tiene sentido para esta fecha: en las casas "
                      "dirigidas el cuadrante del Descendente al Medio Cielo no tiene tamaño, "
                      "como ocurre más allá del círculo polar.");
            EXPECT_EQ(r.titulo, "Dirección primaria");
            EXPECT_FALSE(e.ps.HayProgresion);
            EXPECT_EQ(e.ps.prog.PlanetaProg[1].Texto, "");
            EXPECT_EQ(e.tablas.Cusp, antes.Cusp);
            for (int i = 1; i <= 10; ++i) EXPECT_EQ(e.tablas.Planet[i].Lon, antes.Planet[i].Lon);
        }
    }
    // The Porphyry fallback starts from the Ascendant on the eastern horizon, so the directed
    // houses always have the quadrant from the Descendant to the Midheaven: no date is refused.
    EXPECT_EQ(rechazadas, 0);
    EXPECT_GT(calculadas, 0);
}

// When the natal houses themselves lack the quadrant, no date can be directed.
TEST(CalcularProgresion, PrimaryDirectionOfAChartWithoutTheNatalQuadrantIsRefused) {
    Escenario e;
    NatalTables& n = e.tablas.natal;
    n.CuspideNatal[10].Lon = 100;  // the Midheaven 20 degrees ahead of the Ascendant
    n.CuspideNatal[1].Lon = 80;
    const auto r = e.Calcular("Primaria", "1 1 2030");
    EXPECT_EQ(r.estado, ProgresionEstado::ErrorCalculo);
    EXPECT_EQ(r.mensaje,
              "La dirección primaria no tiene sentido para esta carta: en las casas natales el "
              "cuadrante del Descendente al Medio Cielo no tiene tamaño, como ocurre más allá "
              "del círculo polar.");
    EXPECT_FALSE(e.ps.HayProgresion);
}

}  // namespace
}  // namespace natalis
