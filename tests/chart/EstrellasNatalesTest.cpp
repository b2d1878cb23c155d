#include <gtest/gtest.h>
#include <swephexp.h>

#include <algorithm>
#include <cmath>
#include <random>
#include <set>
#include <tuple>

#include "astro/AngleMath.h"
#include "astro/CatalogoEstrellas.h"
#include "astro/SwissEphemeris.h"
#include "chart/Carta.h"
#include "chart/EstrellasNatales.h"

namespace natalis {
namespace {

double Arcsec(double a, double b) { return std::fabs(std::remainder(a - b, 360.0)) * 3600; }

NatalRecord RandomRecord(std::mt19937& rng) {
    NatalRecord r;
    r.NatalYear = static_cast<int16_t>(std::uniform_int_distribution<int>(1000, 2800)(rng));
    r.NatalMonth = static_cast<int16_t>(std::uniform_int_distribution<int>(1, 12)(rng));
    r.NatalDay = static_cast<int16_t>(std::uniform_int_distribution<int>(1, 28)(rng));
    r.NatalHour = std::uniform_real_distribution<float>(0, 24)(rng);
    r.ZoneHours = static_cast<float>(std::uniform_int_distribution<int>(-12, 12)(rng));
    r.LatitudeDeg = std::uniform_real_distribution<float>(-60, 60)(rng);
    r.LongitudeDeg = std::uniform_real_distribution<float>(-180, 180)(rng);
    return r;
}

// The library's star routine called directly, on a copy of the name.
double LibraryStar(const std::string& name, double jd, double* lat = nullptr) {
    char star[SE_MAX_STNAME + 1] = "";
    std::copy(name.begin(), name.end(), star);
    double xx[6];
    char serr[AS_MAXCH];
    EXPECT_NE(swe_fixstar2_ut(star, jd, SEFLG_SWIEPH | SEFLG_SPEED, xx, serr), ERR) << serr;
    if (lat) *lat = xx[1];
    return xx[0];
}

const std::vector<std::string>& Behenias() {
    static const std::vector<std::string> b(std::begin(kEstrellasBehenias),
                                            std::end(kEstrellasBehenias));
    return b;
}

// The catalogue holds every Behenian star under the name the default list uses, and a list of
// names is read in any case, in its own order, as the catalogue writes them.
TEST(CatalogoEstrellas, HoldsTheBehenianStarsAndReadsLists) {
    const std::vector<std::string> catalogo = NombresEstrellas();
    ASSERT_GT(catalogo.size(), 500u);  // the Debian file has some 700 named stars
    for (const std::string& b : Behenias()) {
        EXPECT_NE(std::find(catalogo.begin(), catalogo.end(), b), catalogo.end()) << b;
    }
    EXPECT_EQ(std::set<std::string>(catalogo.begin(), catalogo.end()).size(), catalogo.size());
    EXPECT_EQ(*EstrellasPorLista("behenias", catalogo, nullptr), Behenias());
    EXPECT_EQ(*EstrellasPorLista("BEHENIAS", catalogo, nullptr), Behenias());
    EXPECT_EQ(*EstrellasPorLista("vega, deneb algedi,ALGOL", catalogo, nullptr),
              (std::vector<std::string>{"Vega", "Deneb Algedi", "Algol"}));

    const struct {
        const char* lista;
        const char* mala;
    } malas[] = {
        {"Vega,Nibiru", "Nibiru"}, {"Vega,vega", "vega"}, {"Vega,", ""}, {"", ""}, {"1", "1"},
        {"Alg%", "Alg%"}};
    for (const auto& m : malas) {
        std::string mala = "?";
        EXPECT_FALSE(EstrellasPorLista(m.lista, catalogo, &mala)) << m.lista;
        EXPECT_EQ(mala, m.mala) << m.lista;
    }
    EXPECT_TRUE(NombresEstrellas("/no/existe/sefstars.txt").empty());
}

// Each Behenian star of a chart stands where a direct call of the library puts it at the
// chart's instant, to 0.1", over random dates; the star text is its name and place.
TEST(EstrellasNatales, EachStarMatchesTheLibrary) {
    SwissEphemeris eph;
    std::mt19937 rng(1210);
    OpcionesCarta o;
    o.estrellas = Behenias();
    for (int i = 0; i < 200; ++i) {
        const Carta c = CalcularCarta(RandomRecord(rng), o, eph);
        ASSERT_EQ(c.natal.Estrellas.size(), Behenias().size());
        for (size_t s = 0; s < Behenias().size(); ++s) {
            const EstrellaNatal& e = c.natal.Estrellas[s];
            double lat = 0;
            const double lon = LibraryStar(Behenias()[s], c.natal.NatalJD, &lat);
            ASSERT_EQ(e.Nombre, Behenias()[s]);
            ASSERT_LE(Arcsec(e.Lon, lon), 0.1) << e.Nombre << " jd " << c.natal.NatalJD;
            ASSERT_LE(Arcsec(e.Lat, lat), 0.1) << e.Nombre;
            ASSERT_EQ(e.Texto, e.Nombre + " " + ZodiacString(e.Lon));
        }
    }
}

// A sidereal chart's stars are the tropical ones less the library's ayanamsa at the instant.
TEST(EstrellasNatales, SiderealStarsAreShiftedByTheAyanamsa) {
    SwissEphemeris eph;
    NatalRecord rec;
    rec.NatalYear = 1987;
    rec.NatalMonth = 6;
    rec.NatalDay = 14;
    rec.NatalHour = 9.5f;
    OpcionesCarta o;
    o.estrellas = Behenias();
    o.zodiaco = Zodiaco::FaganBradley;
    const Carta c = CalcularCarta(rec, o, eph);
    swe_set_sid_mode(SE_SIDM_FAGAN_BRADLEY, 0, 0);
    double aya = 0;
    char serr[AS_MAXCH];
    ASSERT_NE(swe_get_ayanamsa_ex_ut(c.natal.NatalJD, SEFLG_SWIEPH, &aya, serr), ERR);
    ASSERT_GT(aya, 20);  // some 24.7 degrees in 1987
    ASSERT_EQ(c.natal.Estrellas.size(), Behenias().size());
    for (const EstrellaNatal& e : c.natal.Estrellas) {
        EXPECT_LE(Arcsec(e.Lon, LibraryStar(e.Nombre, c.natal.NatalJD) - aya), 0.1) << e.Nombre;
    }
}

// The conjunctions are exactly the pairs a brute-force check finds: every star of the whole
// catalogue against every natal point and the four angles, from the library's own star
// places, within one degree.
TEST(EstrellasNatales, ConjunctionsEqualABruteForceCheck) {
    SwissEphemeris eph;
    std::mt19937 rng(77);
    OpcionesCarta o;
    o.estrellas = NombresEstrellas();
    o.puntos = *PuntosPorLista("todos", nullptr);
    size_t total = 0;
    for (int i = 0; i < 6; ++i) {
        const Carta c = CalcularCarta(RandomRecord(rng), o, eph);
        const NatalTables& n = c.natal;
        ASSERT_EQ(n.Estrellas.size(), o.estrellas.size());
        std::vector<std::pair<std::string, double>> puntos;
        for (size_t k = 1; k < n.PlanetaNatal.size(); ++k) {
            puntos.emplace_back(FilaPunto(n.Puntos[k - 1]).Etiqueta, n.PlanetaNatal[k].Lon);
        }
        puntos.emplace_back("ASC", n.CuspideNatal[1].Lon);
        puntos.emplace_back("MC", n.CuspideNatal[10].Lon);
        puntos.emplace_back("DSC", n.CuspideNatal[7].Lon);
        puntos.emplace_back("IC", n.CuspideNatal[4].Lon);
        std::set<std::tuple<std::string, std::string>> esperadas, halladas;
        for (const std::string& star : o.estrellas) {
            const double lon = LibraryStar(star, n.NatalJD);
            for (const auto& [label, plon] : puntos) {
                const double sep = std::fabs(std::remainder(lon - plon, 360.0));
                // Pairs within a float's rounding of the bound are left out of the comparison.
                if (std::fabs(sep - kOrbeEstrella) < 1e-4) continue;
                if (sep <= kOrbeEstrella) esperadas.emplace(star, label);
            }
        }
        for (const ConjuncionEstrella& cj : ConjuncionesEstrellas(n)) {
            EXPECT_LE(cj.orbe, kOrbeEstrella);
            EXPECT_EQ(cj.texto->rfind(cj.etiqueta == "DSC"  ? "C7 "
                                      : cj.etiqueta == "IC" ? "C4 "
                                                            : cj.etiqueta + " ",
                                      0),
                      0u)
                << *cj.texto;
            if (std::fabs(cj.orbe - kOrbeEstrella) < 1e-4) continue;
            halladas.emplace(n.Estrellas[cj.estrella].Nombre, cj.etiqueta);
        }
        EXPECT_EQ(halladas, esperadas) << "jd " << n.NatalJD;
        total += halladas.size();
    }
    EXPECT_GT(total, 10u);  // a whole catalogue meets some point of every chart
}

// A star far from every point is not listed; one exactly a degree from a point is, one just
// beyond is not; the listing block says so when no star is near a point.
TEST(EstrellasNatales, OnlyStarsWithinADegreeAreListed) {
    NatalTables n;
    n.Puntos = {0, 1};
    n.PlanetaNatal.assign(3, PuntoNatal{});
    n.PlanetaNatal[1].Lon = 10;
    n.PlanetaNatal[1].Texto = "SOL 10Ari00";
    n.PlanetaNatal[2].Lon = 200;
    n.PlanetaNatal[2].Texto = "LUN 20Lib00";
    const float cusps[13] = {0, 100, 0, 0, 190, 0, 0, 280, 0, 0, 10.5f, 0, 0};
    for (int c = 1; c <= 12; ++c) {
        n.CuspideNatal[c].Lon = cusps[c];
        n.CuspideNatal[c].Texto = "C" + std::to_string(c);
    }
    EXPECT_TRUE(ListarEstrellas(n).empty());  // none asked for: no block at all

    n.EstrellasPedidas = {"Lejana"};
    n.Estrellas = {{"Lejana", 50, 0, "Lejana 20Tau00"}};
    EXPECT_TRUE(ConjuncionesEstrellas(n).empty());
    EXPECT_EQ(ListarEstrellas(n),
              (std::vector<std::string>{"   ", "ESTRELLAS FIJAS", "   ",
                                        "Ninguna a menos de 1° de un punto natal.", "   "}));

    n.EstrellasPedidas = {"Justa", "Fuera", "Cerca"};
    n.Estrellas = {{"Justa", 201, 0, "Justa 21Lib00"},
                   {"Fuera", 281.01f, 0, "Fuera 11Cap01"},
                   {"Cerca", 10.2f, 0, "Cerca 10Ari12"}};
    const std::vector<ConjuncionEstrella> c = ConjuncionesEstrellas(n);
    // Justa: the Moon at exactly 1°; Fuera: 1.01° past the Descendant (cusp 7); Cerca: the
    // Sun (0.2°), then the Midheaven (cusp 10, 0.3°).
    ASSERT_EQ(c.size(), 3u);
    EXPECT_EQ(c[0].etiqueta, "LUN");
    EXPECT_NEAR(c[0].orbe, 1.0, 1e-9);
    EXPECT_EQ(c[1].etiqueta, "SOL");
    EXPECT_EQ(c[2].etiqueta, "MC");
    EXPECT_EQ(c[2].estrella, 2u);
    EXPECT_EQ(ListarEstrellas(n),
              (std::vector<std::string>{"   ", "ESTRELLAS FIJAS", "   ", "Justa 21Lib00",
                                        "  Conj LUN 20Lib00 1°00'", "   ", "Cerca 10Ari12",
                                        "  Conj SOL 10Ari00 0°12'", "  Conj C10 0°18'", "   "}));
}

// A name the ephemeris does not know gives no position.
TEST(EstrellasNatales, UnknownNamesHaveNoPosition) {
    SwissEphemeris eph;
    double out[4];
    for (const char* name : {"Nibiru", "1", "Alg%", "Algol,bePer", ""}) {
        EXPECT_FALSE(eph.CalcStar(2451545.0, name, out)) << name;
        EXPECT_TRUE(std::isnan(out[0])) << name;
    }
    EXPECT_TRUE(eph.CalcStar(2451545.0, "Algol", out));
    EXPECT_NEAR(out[0], LibraryStar("Algol", 2451545.0), 1e-12);
}

}  // namespace
}  // namespace natalis
