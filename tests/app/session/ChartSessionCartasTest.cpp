// The session's list of charts: the natal computation keeps the chart on display as the
// first, and a second chart is added beside it without touching the first, the tables, the
// list or the rings.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

#include "app/model/ChartFile.h"
#include "app/session/ChartSession.h"
#include "astro/SwissEphemeris.h"
#include "tests/app/FakeClock.h"

namespace natalis {
namespace {

const std::string kCharts = std::string(NATALIS_SOURCE_DIR) + "/charts/";

// The longitudes of a chart's points, to compare charts point by point.
std::vector<double> Longitudes(const NatalTables& t) {
    std::vector<double> out;
    for (size_t k = 1; k < t.PlanetaNatal.size(); ++k) out.push_back(t.PlanetaNatal[k].Lon);
    return out;
}

// The longitudes of the bodies in Planet, which transits and returns overwrite.
std::vector<double> Cuerpos(const PlanetTable& p) {
    std::vector<double> out;
    for (const PlanetRec& r : p) out.push_back(r.Lon);
    return out;
}

struct Cartas : ::testing::Test {
    SwissEphemeris eph;
    ChartSession s{eph};
    NatalRecord hiroshi;

    void SetUp() override {
        ASSERT_TRUE(s.Load(kCharts, "Ana_Lucia_Ferreyra.dat").ok);
        ASSERT_FALSE(s.MostrarNatal(nullptr).has_value());
        ASSERT_TRUE(ReadChartFile(kCharts, "Hiroshi_Tanaka.dat", hiroshi).ok);
    }
};

TEST_F(Cartas, TheNatalComputationIsTheFirstChart) {
    ASSERT_EQ(s.Cartas().size(), 1u);
    const Carta& c = s.Cartas().front();
    ASSERT_TRUE(c.nacimiento.has_value());
    EXPECT_EQ(c.nacimiento->NatalName, s.DatosNatales.NatalName);
    EXPECT_EQ(c.opciones.casas, s.HouseSystem);
    EXPECT_EQ(Longitudes(c.natal), Longitudes(s.tables.natal));
    EXPECT_EQ(c.Cusp, s.tables.Cusp);
}

TEST_F(Cartas, ASecondChartIsAddedWithoutTouchingTheFirst) {
    const std::vector<double> primera = Longitudes(s.Cartas().front().natal);
    const ChartTables tablas = s.tables;
    const std::vector<std::string> lista = s.Lista;
    const std::vector<TipoAnillo> anillos = s.Anillos();

    ASSERT_FALSE(s.AgregarCarta(hiroshi).has_value());
    ASSERT_EQ(s.Cartas().size(), 2u);
    EXPECT_EQ(Longitudes(s.Cartas()[0].natal), primera);
    EXPECT_EQ(Cuerpos(s.tables.Planet), Cuerpos(tablas.Planet));
    EXPECT_EQ(s.tables.Cusp, tablas.Cusp);
    EXPECT_EQ(Longitudes(s.tables.natal), Longitudes(tablas.natal));
    EXPECT_EQ(s.Lista, lista);
    EXPECT_EQ(s.Anillos(), anillos);

    // The second chart is Hiroshi's as a session of its own computes it.
    ChartSession otra(eph);
    ASSERT_TRUE(otra.Load(kCharts, "Hiroshi_Tanaka.dat").ok);
    ASSERT_FALSE(otra.MostrarNatal(nullptr).has_value());
    EXPECT_EQ(Longitudes(s.Cartas()[1].natal), Longitudes(otra.tables.natal));
    EXPECT_EQ(s.Cartas()[1].nacimiento->NatalName, hiroshi.NatalName);
    EXPECT_NE(Longitudes(s.Cartas()[1].natal), primera);
}

// A transit still writes its bodies into the tables, as the views read them; the charts
// held keep their own. Another natal computation replaces the first chart and keeps the
// second.
TEST_F(Cartas, TransitsAndANewNatalChartLeaveTheAddedChartAsItWas) {
    ASSERT_FALSE(s.AgregarCarta(hiroshi).has_value());
    const std::vector<double> segunda = Longitudes(s.Cartas()[1].natal);
    const std::vector<double> antes = Cuerpos(s.tables.Planet);
    FakeClock clock{{2024, 3, 5, 14, 5, 0}, Zone(180)};
    std::string fecha = "3 4 2027", hora = "10 30";
    ASSERT_EQ(s.Transitar(clock, nullptr, fecha, hora).instante.estado, TransitoEstado::Calculado);
    EXPECT_NE(Cuerpos(s.tables.Planet), antes);
    EXPECT_EQ(Longitudes(s.Cartas()[1].natal), segunda);

    ASSERT_TRUE(s.Load(kCharts, "Kiri_Te_Rangi.dat").ok);
    ASSERT_FALSE(s.MostrarNatal(nullptr).has_value());
    ASSERT_EQ(s.Cartas().size(), 2u);
    EXPECT_EQ(Longitudes(s.Cartas()[0].natal), Longitudes(s.tables.natal));
    EXPECT_EQ(Longitudes(s.Cartas()[1].natal), segunda);
}

// An ephemeris that has no answer, as outside its files' range.
class SinRespuesta : public Ephemeris {
  public:
    double CalcBody(double, int32_t, double* out) override {
        for (int i = 0; i < 4; ++i) out[i] = std::numeric_limits<double>::quiet_NaN();
        return 0;
    }
    EphemerisSource Source() const override { return EphemerisSource::Analytic; }
};

TEST(CartasSinEfemerides, AChartWithoutPositionsIsNotAdded) {
    SinRespuesta eph;
    ChartSession s(eph);
    NatalRecord rec;
    ASSERT_TRUE(ReadChartFile(kCharts, "Ana_Lucia_Ferreyra.dat", rec).ok);
    const auto error = s.AgregarCarta(rec);
    ASSERT_TRUE(error.has_value());
    EXPECT_FALSE(error->empty());
    EXPECT_TRUE(s.Cartas().empty());
}

}  // namespace
}  // namespace natalis
