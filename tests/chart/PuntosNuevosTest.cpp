#include <gtest/gtest.h>
#include <swephexp.h>

#include <algorithm>
#include <cmath>
#include <random>

#include "astro/SwissEphemeris.h"
#include "astro/Zodiaco.h"
#include "chart/CalcularNatal.h"
#include "chart/Carta.h"
#include "chart/ListadoNatal.h"

namespace natalis {
namespace {

// The library's numbers for the new body rows, written out here so that the comparison does
// not go through the program's own mapping.
struct Cuerpo2 {
    const char* label;
    int32 body;
};
constexpr Cuerpo2 kBodies[] = {{"QUI", SE_CHIRON},    {"CER", SE_CERES},    {"PAL", SE_PALLAS},
                               {"JUN", SE_JUNO},      {"VES", SE_VESTA},    {"NDV", SE_TRUE_NODE},
                               {"LIL", SE_MEAN_APOG}, {"LIO", SE_OSCU_APOG}};

double Arcsec(double a, double b) { return std::fabs(std::remainder(a - b, 360.0)) * 3600; }

NatalRecord RandomRecord(std::mt19937& rng) {
    NatalRecord r;
    // 1000 to 3000: inside the range of the asteroid file and of the planetary files.
    r.NatalYear = static_cast<int16_t>(std::uniform_int_distribution<int>(1000, 3000)(rng));
    r.NatalMonth = static_cast<int16_t>(std::uniform_int_distribution<int>(1, 12)(rng));
    r.NatalDay = static_cast<int16_t>(std::uniform_int_distribution<int>(1, 28)(rng));
    r.NatalHour = std::uniform_real_distribution<float>(0, 24)(rng);
    r.ZoneHours = static_cast<float>(std::uniform_int_distribution<int>(-12, 12)(rng));
    r.LatitudeDeg = std::uniform_real_distribution<float>(-60, 60)(rng);
    r.LongitudeDeg = std::uniform_real_distribution<float>(-180, 180)(rng);
    return r;
}

int Index(const NatalTables& n, const char* label) {
    for (size_t k = 0; k < n.Puntos.size(); ++k) {
        if (std::string(FilaPunto(n.Puntos[k]).Etiqueta) == label) return static_cast<int>(k) + 1;
    }
    return -1;
}

// Every new point of a chart with all the points matches a direct call of the library at the
// chart's instant to 0.1" (the Vertex: the library's house routine for the chart's ARMC,
// latitude and obliquity) over 1,000 random dates.
TEST(PuntosNuevos, EachPointMatchesTheLibraryOverAThousandDates) {
    SwissEphemeris eph;
    std::mt19937 rng(20261210);
    OpcionesCarta o;
    o.puntos = *PuntosPorLista("todos", nullptr);
    double worst = 0;
    for (int i = 0; i < 1000; ++i) {
        const NatalRecord rec = RandomRecord(rng);
        const Carta c = CalcularCarta(rec, o, eph);
        const NatalTables& n = c.natal;
        ASSERT_TRUE(n.Notas.empty()) << rec.NatalYear;
        ASSERT_EQ(n.Puntos.size(), static_cast<size_t>(kNumPuntos));
        for (const Cuerpo2& b : kBodies) {
            double xx[6];
            char serr[AS_MAXCH];
            ASSERT_NE(swe_calc_ut(n.NatalJD, b.body, SEFLG_SWIEPH | SEFLG_SPEED, xx, serr), ERR)
                << serr;
            const double d = Arcsec(n.PlanetaNatal[Index(n, b.label)].Lon, xx[0]);
            worst = std::max(worst, d);
            ASSERT_LE(d, 0.1) << b.label << " jd " << n.NatalJD;
        }
        double cusps[13], ascmc[10];
        swe_houses_armc(n.NatalARMC, rec.LatitudeDeg, n.Obliquity, 'E', cusps, ascmc);
        ASSERT_LE(Arcsec(n.PlanetaNatal[Index(n, "VTX")].Lon, ascmc[SE_VERTEX]), 0.1) << n.NatalJD;
    }
    EXPECT_GT(worst, 0);  // the points were compared, not skipped
}

// Before 675 (outside the asteroid file's range for Chiron) Chiron is left out with its
// note; the other points are there, and the listing carries the note.
TEST(PuntosNuevos, ChironOutsideItsRangeIsRefusedWithANote) {
    SwissEphemeris eph;
    NatalRecord rec;
    rec.NatalYear = 600;
    rec.NatalMonth = 3;
    rec.NatalDay = 10;
    rec.NatalHour = 12;
    rec.LatitudeDeg = 40;
    OpcionesCarta o;
    o.puntos = *PuntosPorLista("qui,cer,ndv", nullptr);
    const Carta c = CalcularCarta(rec, o, eph);
    EXPECT_EQ(c.natal.Notas, std::vector<std::string>{"Quirón: fuera del rango de las efemérides"});
    EXPECT_EQ(Index(c.natal, "QUI"), -1);
    EXPECT_EQ(Index(c.natal, "CER"), 13);
    EXPECT_EQ(Index(c.natal, "NDV"), 14);
    EXPECT_EQ(c.natal.PlanetaNatal.size(), 15u);
    const std::vector<std::string> lines = ListadoNatal(c.natal);
    EXPECT_NE(std::find(lines.begin(), lines.end(), "Quirón: fuera del rango de las efemérides"),
              lines.end());
    // Inside the range it is there.
    rec.NatalYear = 700;
    EXPECT_TRUE(CalcularCarta(rec, o, eph).natal.Notas.empty());
}

// Lists of labels: the default set always, the named rows in table order, "todos" all rows;
// unknown or repeated labels refused and named.
TEST(PuntosNuevos, ListsOfLabels) {
    const std::vector<int> def = PuntosPorDefecto();
    EXPECT_EQ(PuntosPorLista("SOL", nullptr), def);
    std::vector<int> expected = def;
    expected.push_back(PuntoPorEtiqueta("QUI"));
    expected.push_back(PuntoPorEtiqueta("LIL"));
    EXPECT_EQ(PuntosPorLista("lil,Qui", nullptr), expected);
    EXPECT_EQ(PuntosPorLista("TODOS", nullptr)->size(), static_cast<size_t>(kNumPuntos));
    for (const char* bad : {"XYZ", "qui,qui", "qui,", ",", "qui;lil"}) {
        std::string mala = "-";
        EXPECT_FALSE(PuntosPorLista(bad, &mala).has_value()) << bad;
        EXPECT_NE(mala, "-") << bad;
    }
}

// A sidereal chart's longitudes (points and cusps) are the tropical chart's minus the
// library's ayanamsa for the instant, for every ayanamsa offered.
TEST(PuntosNuevos, SiderealIsTropicalMinusTheAyanamsa) {
    SwissEphemeris eph;
    std::mt19937 rng(7);
    OpcionesCarta trop;
    trop.puntos = *PuntosPorLista("todos", nullptr);
    const int32 modes[] = {SE_SIDM_FAGAN_BRADLEY, SE_SIDM_LAHIRI,     SE_SIDM_RAMAN,
                           SE_SIDM_KRISHNAMURTI,  SE_SIDM_YUKTESHWAR, SE_SIDM_J2000,
                           SE_SIDM_GALCENT_0SAG};
    for (int i = 0; i < 20; ++i) {
        NatalRecord rec = RandomRecord(rng);
        const Carta t = CalcularCarta(rec, trop, eph);
        for (size_t z = 1; z < std::size(kZodiacos); ++z) {
            OpcionesCarta sid = trop;
            sid.zodiaco = kZodiacos[z].id;
            const Carta s = CalcularCarta(rec, sid, eph);
            swe_set_sid_mode(modes[z - 1], 0, 0);
            double aya = 0;
            char serr[AS_MAXCH];
            ASSERT_NE(swe_get_ayanamsa_ex_ut(t.natal.NatalJD, SEFLG_SWIEPH, &aya, serr), ERR);
            ASSERT_EQ(s.natal.PlanetaNatal.size(), t.natal.PlanetaNatal.size());
            for (size_t k = 1; k < t.natal.PlanetaNatal.size(); ++k) {
                // Single-precision longitudes: 0.06" each; the Part of Fortune adds three.
                const double tol = t.natal.Puntos[k - 1] == PuntoPorEtiqueta("PF") ? 0.5 : 0.2;
                EXPECT_LE(Arcsec(s.natal.PlanetaNatal[k].Lon, t.natal.PlanetaNatal[k].Lon - aya),
                          tol)
                    << kZodiacos[z].nombre << " " << t.natal.PlanetaNatal[k].Texto;
            }
            for (int c = 1; c <= 12; ++c) {
                EXPECT_LE(Arcsec(s.natal.CuspideNatal[c].Lon, t.natal.CuspideNatal[c].Lon - aya),
                          0.2)
                    << kZodiacos[z].nombre << " cusp " << c;
            }
        }
    }
}

}  // namespace
}  // namespace natalis
