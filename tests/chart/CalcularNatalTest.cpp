#include <gtest/gtest.h>

#include "../astro/ScriptedEphemeris.h"
#include "astro/AngleMath.h"
#include "astro/SwissEphemeris.h"
#include "chart/CalcularNatal.h"

namespace natalis {
namespace {

// 1 January 2000, 12 h universal time, Greenwich, latitude 40 N.
NatalRecord J2000Record() {
    NatalRecord r;
    r.NatalDay = 1;
    r.NatalMonth = 1;
    r.NatalYear = 2000;
    r.NatalHour = 12;
    r.ZoneHours = 0;
    r.LatitudeDeg = 40;
    r.LongitudeDeg = 0;
    return r;
}

ScriptedEphemeris J2000Sky() {
    ScriptedEphemeris eph;
    // SOL LUN MER VEN MAR JUP SAT URA NEP PLU, and one day later.
    eph.today = {280, 223.3, 271, 59.6, 328, 25, 40, 315, 303, 251};
    eph.tomorrow = {281.019, 236.5, 270.5, 60.8, 328.7, 25.1, 39.9, 315.05, 303.02, 251.03};
    return eph;
}

TEST(CalcularNatal, InstantSiderealTimeAndObliquity) {
    ScriptedEphemeris eph = J2000Sky();
    ChartTables t;
    CalcularNatal(J2000Record(), SistemaCasas::Placido, eph, t);
    EXPECT_EQ(t.natal.NatalJD0, 2451544.5);
    EXPECT_EQ(t.natal.NatalJD, 2451545.0);
    ASSERT_EQ(eph.calls.size(), 20u);
    EXPECT_EQ(eph.calls[0].jd, 2451545.0);
    // Hand computation: T = 1 century from 1900 January 0.5, so the ARMC is
    // 15 * (6.6460656 + 2400.0513 + 0.0000258 + 12) = 36280.46087 -> 280.46087, and the
    // obliquity (84428.26 - 46.845 - 0.0059 + 0.00181 + 9.21 cos 125.0414
    // + 0.552 cos 200.9134) / 3600 = 23.43767.
    EXPECT_NEAR(t.natal.NatalARMC, 280.46087, 1e-4);
    EXPECT_NEAR(t.natal.Obliquity, 23.43767, 1e-4);
    EXPECT_EQ(t.natal.CuspideNatal[0].Lon, static_cast<float>(t.natal.NatalARMC));
    EXPECT_EQ(t.natal.CuspideNatal[0].Texto.rfind("ARMC 280.4608", 0), 0u)
        << t.natal.CuspideNatal[0].Texto;
}

TEST(CalcularNatal, UniversalTimeIsLocalHourPlusZone) {
    // 7 h local, 5 h west of Greenwich: noon universal time; 15 degrees east adds 15 to the
    // ARMC.
    NatalRecord r = J2000Record();
    r.NatalHour = 7;
    r.ZoneHours = 5;
    r.LongitudeDeg = 15;
    ScriptedEphemeris eph = J2000Sky();
    ChartTables t;
    CalcularNatal(r, SistemaCasas::Placido, eph, t);
    EXPECT_EQ(t.natal.NatalJD, 2451545.0);
    EXPECT_EQ(eph.calls[0].jd, 2451545.0);
    EXPECT_NEAR(t.natal.NatalARMC, 295.46087, 1e-4);
}

TEST(CalcularNatal, PointTexts) {
    ScriptedEphemeris eph = J2000Sky();
    ChartTables t;
    CalcularNatal(J2000Record(), SistemaCasas::Placido, eph, t);
    const auto& p = t.natal.PlanetaNatal;
    // Texts worked out by hand from the scripted longitudes.
    EXPECT_EQ(p[1].Texto, "SOL 10Cap00");
    EXPECT_EQ(p[2].Texto, "LUN 13Sco18");
    EXPECT_EQ(p[3].Texto, "MER 01Cap00");
    EXPECT_EQ(p[10].Texto, "PLU 11Sag00");
    // 59.6 is 29 degrees 36 minutes of Taurus; its degree rounds up to 30.
    EXPECT_EQ(p[4].Texto, "VEN 29Tau36");
    EXPECT_EQ(p[4].Grado, 30);
    EXPECT_EQ(p[1].Grado, 10);
    EXPECT_EQ(p[2].Grado, 13);
    // Motions copied from the planet table: Mercury moves backwards.
    EXPECT_EQ(p[3].Vel, t.Planet[3].Vel);
    EXPECT_NEAR(p[3].Vel, -0.5, 1e-4);
    EXPECT_NEAR(p[2].Vel, 13.2, 1e-4);
}

TEST(CalcularNatal, MeanNodeAndPartOfFortune) {
    ScriptedEphemeris eph = J2000Sky();
    ChartTables t;
    CalcularNatal(J2000Record(), SistemaCasas::Placido, eph, t);
    const auto& p = t.natal.PlanetaNatal;
    // T = 1: (933060 - 6962911 + 7.5) / 3600 = -1674.95653 -> 125.04347, 5 Leo 03 (hand).
    EXPECT_NEAR(p[11].Lon, 125.04347, 1e-4);
    EXPECT_EQ(p[11].Texto, "NOD 05Leo03");
    EXPECT_EQ(p[11].Grado, 5);
    EXPECT_EQ(p[11].Vel, 0);
    // Ascendant plus Moon minus Sun.
    const float asc = t.natal.CuspideNatal[1].Lon;
    const float pf = MODg(asc + 223.3f - 280.0f);
    EXPECT_NEAR(p[12].Lon, pf, 1e-4);
    EXPECT_EQ(p[12].Texto, "PF " + ZodiacString(p[12].Lon));
    EXPECT_EQ(p[12].Vel, 0);
}

TEST(CalcularNatal, PartOfFortuneWorkedExample) {
    // Worked example: Ascendant 10, Moon 5, Sun 20 give 355. The Sun and Moon are scripted
    // round the Ascendant the houses give, so that ASC + Moon - Sun = ASC - 15.
    ScriptedEphemeris first = J2000Sky();
    ChartTables t;
    CalcularNatal(J2000Record(), SistemaCasas::Placido, first, t);
    const double asc = t.natal.CuspideNatal[1].Lon;
    ScriptedEphemeris eph = J2000Sky();
    eph.today[0] = MODg(asc + 10);  // Sun 10 past the Ascendant
    eph.today[1] = MODg(asc - 5);   // Moon 5 before it
    CalcularNatal(J2000Record(), SistemaCasas::Placido, eph, t);
    EXPECT_NEAR(MODg(t.natal.PlanetaNatal[12].Lon - asc), 345, 1e-3);
}

TEST(CalcularNatal, CuspTextsAndQuadrants) {
    ScriptedEphemeris eph = J2000Sky();
    ChartTables t;
    CalcularNatal(J2000Record(), SistemaCasas::Placido, eph, t);
    const auto& c = t.natal.CuspideNatal;
    const char* labels[13] = {"",    "ASC ", "C2 ", "C3 ", "C4 ",  "C5 ", "C6 ",
                              "C7 ", "C8 ",  "C9 ", "MC ", "C11 ", "C12 "};
    for (int i = 1; i <= 12; ++i) {
        EXPECT_EQ(c[i].Lon, t.Cusp[i]) << i;
        EXPECT_EQ(c[i].Texto, labels[i] + ZodiacString(c[i].Lon)) << i;
        EXPECT_GE(c[i].Grado, 0) << i;
        EXPECT_LE(c[i].Grado, 30) << i;
    }
    // Hand computation: the longitude whose right ascension is 280.46087 is 279.61.
    EXPECT_NEAR(c[10].Lon, 279.61, 0.01);
    EXPECT_EQ(LetraResultado(t.natal.Casas), 'P');
    const auto& q = t.natal.NatalQuadrant;
    // From the Midheaven to the Ascendant plus from the Descendant to the Midheaven is a
    // half turn; opposite quadrants are equal.
    EXPECT_NEAR(q[0], MODg(c[1].Lon - c[10].Lon), 1e-3);
    EXPECT_NEAR(q[0] + q[1], 180, 1e-3);
    EXPECT_EQ(q[2], q[0]);
    EXPECT_EQ(q[3], q[1]);
}

TEST(CalcularNatal, HouseSystemActuallyUsed) {
    const struct {
        SistemaCasas asked;
        float lat;
        char used;
    } cases[] = {{SistemaCasas::Placido, 40, 'P'},      {SistemaCasas::Koch, 40, 'K'},
                 {SistemaCasas::Regiomontano, 40, 'R'}, {SistemaCasas::Placido, 70, 'O'},
                 {SistemaCasas::Koch, -70, 'O'},        {SistemaCasas::Regiomontano, 70, 'R'}};
    for (const auto& c : cases) {
        NatalRecord r = J2000Record();
        r.LatitudeDeg = c.lat;
        ScriptedEphemeris eph = J2000Sky();
        ChartTables t;
        CalcularNatal(r, c.asked, eph, t);
        EXPECT_EQ(LetraResultado(t.natal.Casas), c.used) << c.used << " " << c.lat;
    }
}

// A letter becomes a system only where it is read (in either case); one no row has, or none,
// is refused there rather than computed as Placidus.
TEST(CalcularNatal, HouseLettersAreReadBeforeTheComputation) {
    EXPECT_EQ(CasasPorLetra("k"), SistemaCasas::Koch);
    EXPECT_EQ(CasasPorLetra("P"), SistemaCasas::Placido);
    EXPECT_EQ(CasasPorLetra("r"), SistemaCasas::Regiomontano);
    for (const char* mala : {"Z", "", "KK", " P"}) EXPECT_FALSE(CasasPorLetra(mala)) << mala;
}

TEST(AvisoCasasPorfirio, NamesTheSystemAskedFor) {
    EXPECT_EQ(AvisoCasasPorfirio({SistemaCasas::Placido, false}), "");
    EXPECT_EQ(AvisoCasasPorfirio({SistemaCasas::Koch, false}), "");
    EXPECT_EQ(AvisoCasasPorfirio({SistemaCasas::Placido, true}),
              "Aviso: Plácido no tiene sentido a esta latitud; se usan casas de Porfirio.");
    EXPECT_EQ(AvisoCasasPorfirio({*CasasPorLetra("k"), true}),
              "Aviso: Koch no tiene sentido a esta latitud; se usan casas de Porfirio.");
    EXPECT_EQ(AvisoCasasPorfirio({SistemaCasas::Placido, true}),
              "Aviso: Plácido no tiene sentido a esta latitud; se usan casas de Porfirio.");
}

TEST(TextoARMC, FiveDecimalsNoLeadingZeroAndASignPlace) {
    // Hand formatting: up to five decimals, no trailing zeros, a blank for the sign.
    const struct {
        double armc;
        const char* text;
    } cases[] = {
        {0.25, "ARMC .25"}, {123.456789, "ARMC 123.45679"}, {280.5, "ARMC 280.5"}, {45, "ARMC 45"},
        {0, "ARMC 0"},      {359.999999, "ARMC 360"},       {7.000004, "ARMC 7"}};
    for (const auto& c : cases) EXPECT_EQ(TextoARMC(c.armc), c.text) << c.armc;
}

TEST(CalcularNatal, SunFromTheEphemerisAtJ2000) {
    // Apparent longitude of the Sun at 2000 January 1, 12 h: 280.37 (annual almanac),
    // that is 10 Capricorn 22.
    SwissEphemeris eph;
    ChartTables t;
    CalcularNatal(J2000Record(), SistemaCasas::Placido, eph, t);
    EXPECT_EQ(t.natal.PlanetaNatal[1].Texto, "SOL 10Cap22");
    EXPECT_NEAR(t.natal.PlanetaNatal[1].Vel, 1.019, 0.002);
}

}  // namespace
}  // namespace natalis
