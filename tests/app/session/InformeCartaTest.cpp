// What the printed report says about the chart on display: the header's data, and the
// listings in the order the windows show them.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/session/ChartSession.h"
#include "app/session/InformeCarta.h"
#include "astro/SwissEphemeris.h"
#include "chart/Aspects.h"
#include "chart/ListadoNatal.h"
#include "predictive/ListarProgresion.h"
#include "predictive/Retorno.h"
#include "tests/app/FakeClock.h"

namespace natalis {
namespace {

using Lineas = std::vector<std::string>;

const std::string kCharts = std::string(NATALIS_SOURCE_DIR) + "/charts/";

struct Report : ::testing::Test {
    SwissEphemeris eph;
    ChartSession s{eph};
    FakeClock clock{{2024, 3, 5, 14, 5, 0}, Zone(180)};

    void SetUp() override {
        ASSERT_TRUE(s.Load(kCharts, "Ana_Lucia_Ferreyra.dat").ok);
        s.MostrarNatal(nullptr);
    }
    void Progresar() {
        s.pred.Tecnica = TipoTecnica::ArcoSolar;
        s.pred.FechaProgTexto = "1 1 2030";
        ASSERT_EQ(s.Progresar(nullptr).estado, ProgresionEstado::Calculada);
    }
    void Transitar() {
        std::string fecha = "3 4 2027", hora = "10 30";
        ASSERT_EQ(s.Transitar(clock, nullptr, fecha, hora).instante.estado,
                  TransitoEstado::Calculado);
    }
};

// The header's data are those of the chart file (charts/Ana_Lucia_Ferreyra.dat: born
// 12 10 1985 at 07.4500, zone 03.00, 34.36S 058.27W, Buenos Aires).
TEST_F(Report, HeaderHoldsTheChartsNameBirthDataPlaceCoordinatesAndHouses) {
    const InformeCarta informe = ArmarInforme(s);
    EXPECT_EQ(informe.nombre, "Ana Lucía Ferreyra");
    EXPECT_EQ(informe.datos, (Lineas{"Fecha: 12 10 1985    Hora: 07:45:00    Huso: 03.00",
                                     "Lugar: Buenos Aires    Latitud: 34.36S    Longitud: 058.27W",
                                     "Casas: Plácido"}));
    s.HouseSystem = SistemaCasas::Koch;
    s.MostrarNatal(nullptr);
    s.pred.HoraTexto = "08 10 00";  // a birth time being tried, as the wheel shows it
    const InformeCarta otra = ArmarInforme(s);
    EXPECT_EQ(otra.datos[0], "Fecha: 12 10 1985    Hora: 08 10 00    Huso: 03.00");
    EXPECT_EQ(otra.datos[2], "Casas: Koch");
}

TEST_F(Report, NatalChartHasTheNatalListingAndTheAspectsList) {
    const InformeCarta informe = ArmarInforme(s);
    ASSERT_EQ(informe.secciones.size(), 2u);
    EXPECT_EQ(informe.secciones[0], ListadoNatal(s.tables.natal));
    EXPECT_EQ(informe.secciones[1], ListarAspectos(s.tables.natal));
    EXPECT_EQ(informe.secciones[0].front(), "LISTADO NATAL");
}

TEST_F(Report, ProgressionOnDisplayAddsItsListing) {
    Progresar();
    const InformeCarta informe = ArmarInforme(s);
    ASSERT_EQ(informe.secciones.size(), 3u);
    EXPECT_EQ(informe.secciones[1], ListarAspectos(s.tables.natal));
    EXPECT_EQ(informe.secciones[2], s.Lista);
    EXPECT_EQ(informe.secciones[2].front(), "PROGRESION");
    // Back to the natal chart alone: the progression leaves the report.
    s.SoloNatal(nullptr);
    EXPECT_EQ(ArmarInforme(s).secciones.size(), 2u);
}

TEST_F(Report, TransitOnDisplayAddsItsBlockOnlyOnce) {
    const Lineas aspectos = ListarAspectos(s.tables.natal);
    Transitar();
    const InformeCarta informe = ArmarInforme(s);
    ASSERT_EQ(informe.secciones.size(), 3u);
    // Lista is the natal aspects with the transits appended: the report lists the aspects
    // once, then the transits.
    EXPECT_EQ(informe.secciones[2],
              Lineas(s.Lista.begin() + static_cast<long>(aspectos.size()), s.Lista.end()));
    EXPECT_EQ(informe.secciones[2].front(), "  TRANSITOS");
}

// The report's last section is what the rings on display wrote into Lista, as the session
// records it when it writes Lista (not by comparing lines): nothing for the natal chart
// alone, the block after the natal aspects for a transit or a return, the whole listing
// once a progression has replaced Lista.
TEST_F(Report, PredictiveListingFollowsTheRingsOnDisplay) {
    const Lineas aspectos = ListarAspectos(s.tables.natal);
    const auto tras = [&](const Lineas& lista) {
        return Lineas(lista.begin() + static_cast<long>(aspectos.size()), lista.end());
    };
    using A = std::vector<TipoAnillo>;
    EXPECT_EQ(s.Anillos(), (A{TipoAnillo::Natal}));
    EXPECT_EQ(s.ListaPredictiva(), Lineas{});

    Transitar();
    EXPECT_EQ(s.Anillos(), (A{TipoAnillo::Natal, TipoAnillo::Transito}));
    EXPECT_EQ(s.ListaPredictiva(), tras(s.Lista));
    EXPECT_EQ(s.ListaPredictiva().front(), "  TRANSITOS");

    s.SoloNatal(nullptr);
    EXPECT_EQ(s.Anillos(), (A{TipoAnillo::Natal}));
    EXPECT_EQ(s.ListaPredictiva(), Lineas{});

    std::string fecha = "1 1 2030";
    ASSERT_EQ(s.Retornar(nullptr, TipoRetorno::Solar, fecha).retorno.estado,
              RetornoCalculoEstado::Calculado);
    EXPECT_EQ(s.Anillos(), (A{TipoAnillo::Natal, TipoAnillo::Retorno}));
    EXPECT_EQ(s.ListaPredictiva(), tras(s.Lista));

    Progresar();
    EXPECT_EQ(s.Anillos(), (A{TipoAnillo::Natal, TipoAnillo::Progresion}));
    EXPECT_EQ(s.ListaPredictiva(), s.Lista);

    // A transit over the progression: the progression's listing with the transits after it.
    Transitar();
    EXPECT_EQ(s.Anillos(), (A{TipoAnillo::Natal, TipoAnillo::Progresion, TipoAnillo::Transito}));
    EXPECT_EQ(s.ListaPredictiva(), s.Lista);
    EXPECT_EQ(s.ListaPredictiva().front(), "PROGRESION");

    // A new natal computation shows the natal chart alone again.
    s.MostrarNatal(nullptr);
    EXPECT_EQ(s.Anillos(), (A{TipoAnillo::Natal}));
    EXPECT_EQ(s.ListaPredictiva(), Lineas{});
}

}  // namespace
}  // namespace natalis
