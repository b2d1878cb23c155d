// The period search of a chart with every point: the chart's other bodies move as the ten do,
// and every natal point keeps its own label.
#include <gtest/gtest.h>
#include <swephexp.h>

#include <cmath>
#include <cstdio>
#include <map>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "app/cli/Headless.h"
#include "app/model/ChartFile.h"
#include "astro/Calendar.h"
#include "astro/SwissEphemeris.h"
#include "chart/CalcularNatal.h"

namespace natalis {
namespace {

const std::string kCarpeta = std::string(NATALIS_SOURCE_DIR) + "/charts";

std::vector<std::vector<std::string>> Filas(const std::string& texto) {
    std::vector<std::vector<std::string>> filas;
    std::istringstream in(texto);
    for (std::string l; std::getline(in, l);) {
        std::vector<std::string> campos;
        std::istringstream cl(l);
        for (std::string c; std::getline(cl, c, '\t');) campos.push_back(c);
        filas.push_back(campos);
    }
    return filas;
}

double Jd(const std::string& t) {
    int a = 0, m = 0, d = 0, h = 0, min = 0;
    EXPECT_EQ(std::sscanf(t.c_str(), "%d-%d-%d %d:%d", &a, &m, &d, &h, &min), 5) << t;
    return JulDay(d, m, a) + (h + min / 60.0) / 24;
}

// The library's body of each label that moves, written out here.
const std::map<std::string, int32> kCuerpos = {
    {"SOL", SE_SUN},       {"LUN", SE_MOON},     {"MER", SE_MERCURY}, {"VEN", SE_VENUS},
    {"MAR", SE_MARS},      {"JUP", SE_JUPITER},  {"SAT", SE_SATURN},  {"URA", SE_URANUS},
    {"NEP", SE_NEPTUNE},   {"PLU", SE_PLUTO},    {"QUI", SE_CHIRON},  {"CER", SE_CERES},
    {"PAL", SE_PALLAS},    {"JUN", SE_JUNO},     {"VES", SE_VESTA},   {"NDV", SE_TRUE_NODE},
    {"LIL", SE_MEAN_APOG}, {"LIO", SE_OSCU_APOG}};

const std::map<std::string, int> kAngulos = {{"Conj", 0},   {"Smsx", 30},  {"Smcd", 45},
                                             {"Sext", 60},  {"Cuad", 90},  {"Trig", 120},
                                             {"Sqcd", 135}, {"Quin", 150}, {"Opos", 180}};

// Transits to a chart with every point over two months: each line's moving body stands at the
// aspect to its natal point at the listed minute (a direct call of the library), the chart's
// other bodies are among the moving ones, and the natal labels name the points they are.
TEST(HeadlessPeriodoPuntos, OtherBodiesTransitAndNatalLabelsStayRight) {
    const std::string archivo = "Ana_Lucia_Ferreyra.dat";
    std::ostringstream out, err;
    ASSERT_EQ(HeadlessPeriodo({"--periodo", kCarpeta + "/" + archivo, "--desde", "1 3 2024",
                               "--hasta", "30 4 2024", "--puntos", "todos"},
                              out, err),
              0)
        << err.str();
    // The natal places by label, from the chart computed here.
    NatalRecord rec;
    ASSERT_TRUE(ReadChartFile(kCarpeta, archivo, rec).ok);
    SwissEphemeris eph;
    ChartTables t;
    t.natal.Puntos = *PuntosPorLista("todos", nullptr);
    CalcularNatal(rec, SistemaCasas::Placido, eph, t);
    std::map<std::string, double> natal;
    for (size_t k = 0; k < t.natal.Puntos.size(); ++k) {
        if (FilaPunto(t.natal.Puntos[k]).Aspecta) {
            natal[FilaPunto(t.natal.Puntos[k]).Etiqueta] = t.natal.PlanetaNatal[k + 1].Lon;
        }
    }
    const std::pair<const char*, int> cuspides[] = {{"MC", 10}, {"ASC", 1},  {"C8", 8},
                                                    {"C9", 9},  {"C11", 11}, {"C12", 12}};
    for (const auto& [label, c] : cuspides) natal[label] = t.natal.CuspideNatal[c].Lon;
    ASSERT_EQ(natal.size(), 21u);

    std::set<std::string> moviles, natales;
    const auto filas = Filas(out.str());
    ASSERT_GT(filas.size(), 300u);
    for (const auto& f : filas) {
        ASSERT_EQ(f.size(), 6u);
        ASSERT_EQ(kCuerpos.count(f[0]), 1u) << f[0];
        ASSERT_EQ(natal.count(f[2]), 1u) << f[2];
        moviles.insert(f[0]);
        natales.insert(f[2]);
        double xx[6];
        char serr[AS_MAXCH];
        const double jd = Jd(f[4]);
        ASSERT_NE(swe_calc_ut(jd, kCuerpos.at(f[0]), SEFLG_SWIEPH | SEFLG_SPEED, xx, serr), ERR);
        const double sep = std::fabs(std::remainder(xx[0] - natal.at(f[2]), 360.0));
        // What the body moves in the half minute of rounding.
        EXPECT_LE(std::fabs(sep - kAngulos.at(f[1])), std::fabs(xx[3]) * 0.5 / 1440 + 1e-5)
            << f[0] << " " << f[1] << " " << f[2] << " " << f[4];
    }
    for (const char* m : {"QUI", "CER", "PAL", "JUN", "VES", "NDV", "LIL", "LIO"}) {
        EXPECT_EQ(moviles.count(m), 1u) << m;
    }
    // The cusps keep their labels after the chart's other natal points.
    for (const char* n : {"QUI", "CER", "MC", "ASC"}) EXPECT_EQ(natales.count(n), 1u) << n;
}

// The solar arc over a decade moves every natal point of the listings, the other points too.
TEST(HeadlessPeriodoPuntos, SolarArcMovesTheOtherPoints) {
    std::ostringstream out, err;
    ASSERT_EQ(
        HeadlessPeriodo({"--periodo", kCarpeta + "/Hiroshi_Tanaka.dat", "--desde", "1 1 2020",
                         "--hasta", "1 1 2030", "--tecnica", "Arco Solar", "--puntos", "qui,ves"},
                        out, err),
        0)
        << err.str();
    std::set<std::string> moviles;
    for (const auto& f : Filas(out.str())) moviles.insert(f[0]);
    EXPECT_EQ(moviles.count("QUI"), 1u);
    EXPECT_EQ(moviles.count("VES"), 1u);
    EXPECT_EQ(moviles.count("MC"), 1u);
}

}  // namespace
}  // namespace natalis
