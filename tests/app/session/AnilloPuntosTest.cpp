// The transit and return rings carry the chart's points that a moment's sky gives by itself:
// the ten bodies always, then the further bodies the chart asks for (Chiron, the asteroids,
// the true node, Lilith); never the points drawn from the birth place or time.
#include <gtest/gtest.h>
#include <swephexp.h>

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "app/session/ChartSession.h"
#include "astro/Calendar.h"
#include "astro/SwissEphemeris.h"
#include "chart/Glyphs.h"
#include "chart/RecordingSurface.h"
#include "tests/app/FakeClock.h"
#include "tests/predictive/PredictiveFixture.h"

namespace natalis {
namespace {

// The library's numbers for the bodies a ring may hold, written out here so that the
// comparison does not go through the program's own mapping.
struct CuerpoLibreria {
    const char* etiqueta;
    int32 cuerpo;
};
constexpr CuerpoLibreria kCielo[] = {
    {"SOL", SE_SUN},       {"LUN", SE_MOON},     {"MER", SE_MERCURY}, {"VEN", SE_VENUS},
    {"MAR", SE_MARS},      {"JUP", SE_JUPITER},  {"SAT", SE_SATURN},  {"URA", SE_URANUS},
    {"NEP", SE_NEPTUNE},   {"PLU", SE_PLUTO},    {"QUI", SE_CHIRON},  {"CER", SE_CERES},
    {"PAL", SE_PALLAS},    {"JUN", SE_JUNO},     {"VES", SE_VESTA},   {"NDV", SE_TRUE_NODE},
    {"LIL", SE_MEAN_APOG}, {"LIO", SE_OSCU_APOG}};

// A session with the test record's natal chart (born 1 1 2000, zone +3) computed with the
// points of the list ("" for the default set).
struct Sesion {
    SwissEphemeris eph;
    ChartSession s{eph};
    explicit Sesion(const std::string& puntos) {
        s.DatosNatales = testing::RegistroDePrueba();
        s.flags.ChartLoaded = true;
        if (!puntos.empty()) s.Puntos = *PuntosPorLista(puntos, nullptr);
        EXPECT_FALSE(s.MostrarNatal(nullptr));
    }
};

std::vector<std::string> Etiquetas(const std::vector<PuntoAnillo>& puntos) {
    std::vector<std::string> e;
    for (const PuntoAnillo& p : puntos) e.push_back(FilaPunto(p.fila).Etiqueta);
    return e;
}

double Arcsec(double a, double b) { return std::fabs(std::remainder(a - b, 360.0)) * 3600; }

// Each point of the ring where the library puts its body at jd, to 0.1" (single precision).
void EsperarCieloDeLibreria(const std::vector<PuntoAnillo>& puntos, double jd) {
    for (const PuntoAnillo& p : puntos) {
        const std::string etiqueta = FilaPunto(p.fila).Etiqueta;
        const auto fila =
            std::find_if(std::begin(kCielo), std::end(kCielo),
                         [&](const CuerpoLibreria& c) { return etiqueta == c.etiqueta; });
        ASSERT_NE(fila, std::end(kCielo)) << etiqueta;
        double xx[6];
        char serr[AS_MAXCH];
        ASSERT_NE(swe_calc_ut(jd, fila->cuerpo, SEFLG_SWIEPH, xx, serr), ERR) << serr;
        EXPECT_LE(Arcsec(p.pos.Lon, xx[0]), 0.1) << etiqueta;
    }
}

// The lines of the block that name a transiting point ("QUI trans 12Ari03"), label first.
std::vector<std::string> LineasDePuntos(const std::vector<std::string>& lista, size_t desde) {
    std::vector<std::string> e;
    for (size_t i = desde; i < lista.size(); ++i) {
        if (lista[i].find(" trans ") == 3) e.push_back(lista[i].substr(0, 3));
    }
    return e;
}

// Transits typed by date and hour do not read the clock; it is fixed all the same.
FakeClock Reloj() { return FakeClock{{2024, 3, 5, 14, 5, 0}, Zone(180)}; }

const std::vector<std::string> kDiez = {"SOL", "LUN", "MER", "VEN", "MAR",
                                        "JUP", "SAT", "URA", "NEP", "PLU"};

TEST(AnilloPuntos, SkyPointsAreTheTenBodiesThenTheChartsFurtherBodies) {
    auto filas = [](const std::vector<std::string>& etiquetas) {
        std::vector<int> f;
        for (const std::string& e : etiquetas) f.push_back(PuntoPorEtiqueta(e));
        return f;
    };
    std::vector<std::string> todos = kDiez;
    todos.insert(todos.end(), {"QUI", "CER", "PAL", "JUN", "VES", "NDV", "LIL", "LIO"});
    std::vector<std::string> dos = kDiez;
    dos.insert(dos.end(), {"QUI", "LIL"});
    struct Caso {
        std::string lista;  // as the command line takes it; "" the default set
        std::vector<std::string> cielo;
    } casos[] = {{"", kDiez}, {"vtx", kDiez}, {"lil,qui", dos}, {"todos", todos}};
    for (const Caso& c : casos) {
        const std::vector<int> puntos =
            c.lista.empty() ? PuntosPorDefecto() : *PuntosPorLista(c.lista, nullptr);
        EXPECT_EQ(PuntosDelCielo(puntos), filas(c.cielo)) << c.lista;
    }
    // Only some of the ten asked for: the ring still carries the ten.
    EXPECT_EQ(PuntosDelCielo({0, 1, 12}),
              filas({"SOL", "LUN", "MER", "VEN", "MAR", "JUP", "SAT", "URA", "NEP", "PLU", "QUI"}));
}

TEST(AnilloPuntos, DefaultChartsTransitRingHoldsTheTenBodies) {
    Sesion t("");
    const size_t natales = t.s.Lista.size();
    std::string fecha = "10 3 2024", hora = "12 00";
    RecordingSurface surface;
    const TransitoResultado r = t.s.Transitar(Reloj(), &surface, fecha, hora);
    ASSERT_FALSE(r.errorCalculo);
    const Anillo& anillo = t.s.AnillosEnPantalla().back();
    EXPECT_EQ(anillo.tipo, TipoAnillo::Transito);
    EXPECT_EQ(Etiquetas(anillo.puntos), kDiez);
    EXPECT_EQ(LineasDePuntos(t.s.Lista, natales), kDiez);
    EsperarCieloDeLibreria(anillo.puntos, *t.s.JdTransito());
}

TEST(AnilloPuntos, ChartWithEveryPointHasItsBodiesOnTheTransitRingAndInTheBlock) {
    Sesion t("todos");
    const size_t natales = t.s.Lista.size();
    std::string fecha = "10 3 2024", hora = "12 00";
    RecordingSurface surface;
    const TransitoResultado r = t.s.Transitar(Reloj(), &surface, fecha, hora);
    ASSERT_FALSE(r.errorCalculo);
    const Anillo& anillo = t.s.AnillosEnPantalla().back();
    std::vector<std::string> esperadas = kDiez;
    esperadas.insert(esperadas.end(), {"QUI", "CER", "PAL", "JUN", "VES", "NDV", "LIL", "LIO"});
    EXPECT_EQ(Etiquetas(anillo.puntos), esperadas);
    EXPECT_EQ(LineasDePuntos(t.s.Lista, natales), esperadas);
    ASSERT_TRUE(t.s.JdTransito());
    EXPECT_EQ(anillo.jd, t.s.JdTransito());
    EsperarCieloDeLibreria(anillo.puntos, *t.s.JdTransito());
    // The ten bodies of the ring are the ones the transit wrote into Planet.
    for (int k = 1; k <= 10; ++k) EXPECT_EQ(anillo.puntos[k - 1].pos.Lon, t.s.tables.Planet[k].Lon);

    // Drawn: a glyph and a degree per point in the transit colour, Chiron's glyph among them.
    std::vector<std::string> glifos;
    for (const DrawOp& op : surface.OpsOf(DrawOp::Kind::Text)) {
        if (op.color == 0x32C8FA && op.sizePt == 15) glifos.push_back(op.text);
    }
    EXPECT_EQ(glifos.size(), esperadas.size());
    const std::string quiron(1, FilaPunto(PuntoPorEtiqueta("QUI")).Glifo);
    EXPECT_NE(std::find(glifos.begin(), glifos.end(), quiron), glifos.end());
}

TEST(AnilloPuntos, ReturnRingCarriesTheChartsFurtherBodies) {
    Sesion t("qui,lil");
    const size_t natales = t.s.Lista.size();
    std::string fecha = "1 1 2024";
    const RetornoSesion r = t.s.Retornar(nullptr, TipoRetorno::Solar, fecha);
    ASSERT_EQ(r.retorno.estado, RetornoCalculoEstado::Calculado);
    const Anillo& anillo = t.s.AnillosEnPantalla().back();
    EXPECT_EQ(anillo.tipo, TipoAnillo::Retorno);
    ASSERT_TRUE(anillo.jd);
    EXPECT_DOUBLE_EQ(*anillo.jd, r.retorno.jd);
    std::vector<std::string> esperadas = kDiez;
    esperadas.insert(esperadas.end(), {"QUI", "LIL"});
    EXPECT_EQ(Etiquetas(anillo.puntos), esperadas);
    EXPECT_EQ(LineasDePuntos(t.s.Lista, natales), esperadas);
    EsperarCieloDeLibreria(anillo.puntos, r.retorno.jd);
}

// Chiron is in the asteroid file from 675 to 4650 only: a transit in 600 shows the other
// points and no error.
TEST(AnilloPuntos, BodyTheEphemerisCannotGiveIsLeftOffTheRing) {
    Sesion t("qui,cer");
    std::string fecha = "1 1 600", hora = "12 00";
    const TransitoResultado r = t.s.Transitar(Reloj(), nullptr, fecha, hora);
    ASSERT_EQ(r.instante.estado, TransitoEstado::Calculado);
    ASSERT_FALSE(r.errorCalculo);
    const std::vector<std::string> etiquetas = Etiquetas(t.s.AnillosEnPantalla().back().puntos);
    EXPECT_EQ(std::count(etiquetas.begin(), etiquetas.end(), "QUI"), 0);
    EXPECT_EQ(std::count(etiquetas.begin(), etiquetas.end(), "CER"), 1);
    EXPECT_EQ(etiquetas.size(), 11u);
}

// Every ring names the chart it belongs to; the transit's instant is the transit ring's own,
// and it leaves with the ring.
TEST(AnilloPuntos, RingsNameTheirChartAndHoldTheTransitsInstant) {
    Sesion t("");
    ASSERT_EQ(t.s.Cartas().size(), 1u);
    EXPECT_FALSE(t.s.JdTransito());
    const double jd = JulDay(10, 3, 2024) + 1.5 / 24;
    ASSERT_FALSE(t.s.TransitarJD(nullptr, jd).errorCalculo);
    for (const Anillo& a : t.s.AnillosEnPantalla()) EXPECT_EQ(a.carta, 0u);
    ASSERT_TRUE(t.s.JdTransito());
    EXPECT_DOUBLE_EQ(*t.s.JdTransito(), jd);
    t.s.SoloNatal(nullptr);
    EXPECT_EQ(t.s.AnillosEnPantalla().size(), 1u);
    EXPECT_FALSE(t.s.JdTransito());
}

}  // namespace
}  // namespace natalis
