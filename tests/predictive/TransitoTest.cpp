#include <gtest/gtest.h>

#include "PredictiveFixture.h"
#include "astro/Calendar.h"
#include "predictive/Transito.h"

namespace natalis {
namespace {

class RelojFijo : public Clock {
  public:
    LocalDateTime ahora;
    TimeZoneRecord zona;
    LocalDateTime Now() const override { return ahora; }
    TimeZoneRecord TimeZone() const override { return zona; }
};

RelojFijo Reloj(int h, int m, int32_t bias, int status = 1) {
    RelojFijo r;
    r.ahora = {2024, 6, 7, h, m, 42};
    r.zona = {bias, -60, status};
    return r;
}

TEST(InstanteTransito, TypedDateAndHourAreClockTimeOfTheBirthZone) {
    NatalRecord rec = testing::RegistroDePrueba();
    rec.ZoneHours = 3;
    const RelojFijo reloj = Reloj(9, 5, 0);
    std::string fecha = "  5 3 2020 ", hora = "14 30";
    const TransitoInstante r = InstanteTransito(fecha, hora, "", rec, reloj);
    ASSERT_EQ(r.estado, TransitoEstado::Calculado);
    // 14:30 at 3 h west is 17:30 universal time.
    EXPECT_DOUBLE_EQ(r.jd, JulDay(5, 3, 2020) + 17.5 / 24);
    EXPECT_EQ(fecha, "5 3 2020");  // trimmed for the listing
}

TEST(InstanteTransito, NowIsThePresentUniversalTimeWhateverTheChartsZone) {
    NatalRecord rec = testing::RegistroDePrueba();
    rec.ZoneHours = -5.5f;
    const RelojFijo reloj = Reloj(9, 5, 180);
    std::string fecha = kTransitoAhora, hora = " ";
    const TransitoInstante r = InstanteTransito(fecha, hora, "", rec, reloj);
    ASSERT_EQ(r.estado, TransitoEstado::Calculado);
    EXPECT_EQ(fecha, "7 6 2024");
    EXPECT_EQ(hora, "09 05");
    EXPECT_NEAR(r.jd, JulDay(7, 6, 2024) + (9 + 5 / 60.0 + 3) / 24, 1e-6);
}

TEST(InstanteTransito, ProgressionDateAtNoonOfTheBirthZone) {
    const NatalRecord rec = testing::RegistroDePrueba();  // zone 3 h west
    std::string fecha = kTransitoFechaProg, hora = "12";
    const TransitoInstante r = InstanteTransito(fecha, hora, "22 11 2031", rec, Reloj(0, 0, 0));
    ASSERT_EQ(r.estado, TransitoEstado::Calculado);
    EXPECT_EQ(fecha, "22 11 2031");
    EXPECT_DOUBLE_EQ(r.jd, JulDay(22, 11, 2031) + 15.0 / 24);
}

TEST(InstanteTransito, RejectionsCarryTheParsersTextAndTitle) {
    const NatalRecord rec = testing::RegistroDePrueba();
    struct Caso {
        std::string fecha, hora;
        TransitoEstado estado;
        std::string mensaje, titulo;
    };
    const Caso casos[] = {
        {"32 1 2000", "12 00", TransitoEstado::FechaRechazada, "Dia 32 es incorrecto.",
         "corregir fecha"},
        {"1 1 3001", "12 00", TransitoEstado::FechaRechazada,
         " El rango de años del programa es: -3000 á 3000 años  ", "corregir fecha"},
        {"1 1 2000", "24 00", TransitoEstado::HoraRechazada, " 24 horas no es correcto.",
         "corregir hora"},
        {"1 1 2000", "23 60", TransitoEstado::HoraRechazada, " 60 minutos no es correcto.",
         "corregir hora"},
    };
    for (Caso c : casos) {
        const TransitoInstante r = InstanteTransito(c.fecha, c.hora, "", rec, Reloj(0, 0, 0));
        EXPECT_EQ(r.estado, c.estado) << c.fecha << " " << c.hora;
        EXPECT_EQ(r.mensaje, c.mensaje);
        EXPECT_EQ(r.titulo, c.titulo);
    }
}

PlanetTable PlanetasLejos() {
    PlanetTable p{};
    for (int i = 1; i <= 10; ++i) {
        p[i].Lon = 166.0f + 2.0f * i;  // 65 to 86 degrees from the natal points below
        p[i].Vel = 1;
    }
    return p;
}

std::array<float, 17> NatalesCerca0() {
    std::array<float, 17> l{};
    for (int i = 1; i <= 16; ++i) l[i] = 100.0f + 0.2f * i;  // all near 100..103
    return l;
}

TEST(ListarTransitos, HeaderBodyLinesAndRetrogradeMark) {
    const NatalTables natal = testing::NatalesFijas(NatalesCerca0());
    PlanetTable p = PlanetasLejos();
    p[4].Vel = -0.2f;
    const auto lista = ListarTransitos("7 6 2024", "09 05", p, natal);
    ASSERT_EQ(lista.size(), 5u + 10 * 2 + 1);
    const std::vector<std::string> cabecera = {"  TRANSITOS", "   ", "Fecha:  7 6 2024",
                                               "Hora:  09 05", "   "};
    EXPECT_EQ(std::vector<std::string>(lista.begin(), lista.begin() + 5), cabecera);
    EXPECT_EQ(lista[5], "SOL trans " + ZodiacString(p[1].Lon));
    EXPECT_EQ(lista[6], "   ");
    EXPECT_EQ(lista[5 + 2 * 3], "VEN trans " + ZodiacString(p[4].Lon) + " r");
    EXPECT_EQ(lista.back(), "   ");
}

TEST(ListarTransitos, ConjunctionOrbNarrowsWhenTheTransitDegreeIsPast) {
    // Worked example: transit at 10.0 and natal at 11.5 of a sign (degrees 10 < 12) is a
    // conjunction (orb 2); transit at 11.5 and natal at 10.0 (12 > 10) is not (orb 1.4).
    struct Caso {
        float transito, natal;
        bool listado;
    };
    const Caso casos[] = {{70.0f, 71.5f, true}, {71.5f, 70.0f, false}};
    for (const Caso& c : casos) {
        auto l = NatalesCerca0();
        l[2] = c.natal;
        const NatalTables natal = testing::NatalesFijas(l);
        PlanetTable p = PlanetasLejos();
        p[1].Lon = c.transito;
        const auto lista = ListarTransitos("1 1 2000", "12 00", p, natal);
        bool hay = false;
        for (size_t i = 6; lista[i] != "   "; ++i) {
            hay = hay || lista[i] == "  Conj " + natal.PlanetaNatal[2].Texto;
        }
        EXPECT_EQ(hay, c.listado) << c.transito;
    }
}

TEST(ListarTransitos, NatalPointsInListingOrderBodiesThenMcAscAndCusps) {
    // Natal points 1..16 at 100.2, 100.4 ... 103.2; the transiting Sun at 101.7 (degree 12).
    // Hand computation: points at degree 12 or more are within the full orb 2; those below
    // take 2 * 0.7 = 1.4, which leaves out only the first (1.5 away). The lines follow the
    // natal order: bodies, then cusps 10, 1, 8, 9, 11, 12.
    const NatalTables natal = testing::NatalesFijas(NatalesCerca0());
    PlanetTable p = PlanetasLejos();
    p[1].Lon = 101.7f;
    const auto lista = ListarTransitos("1 1 2000", "12 00", p, natal);
    std::vector<std::string> bloque;
    for (size_t i = 6; lista[i] != "   "; ++i) bloque.push_back(lista[i]);
    std::vector<std::string> esperado;
    for (int n = 2; n <= 10; ++n) esperado.push_back("  Conj " + natal.PlanetaNatal[n].Texto);
    for (const int c : {10, 1, 8, 9, 11, 12}) {
        esperado.push_back("  Conj " + natal.CuspideNatal[c].Texto);
    }
    EXPECT_EQ(bloque, esperado);
}

TEST(ListarTransitos, FirstAspectOfAPairOnly) {
    // The transiting Sun at 160 sees the natal points near 100..103 at 57..60 degrees: each
    // is listed once as a sextile (orb 2 or 1.4), never with a second aspect.
    const NatalTables natal = testing::NatalesFijas(NatalesCerca0());
    PlanetTable p = PlanetasLejos();
    p[1].Lon = 161.5f;
    const auto lista = ListarTransitos("1 1 2000", "12 00", p, natal);
    int sext = 0;
    for (size_t i = 6; lista[i] != "   "; ++i) {
        EXPECT_EQ(lista[i].rfind("  Sext ", 0), 0u) << lista[i];
        ++sext;
    }
    EXPECT_GT(sext, 0);
    EXPECT_LE(sext, 16);
}

}  // namespace
}  // namespace natalis
