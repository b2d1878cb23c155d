// Solar and lunar returns: checked against the ephemeris itself and a coarse scan of it.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "PredictiveFixture.h"
#include "astro/Calendar.h"
#include "astro/InstanteCivil.h"
#include "astro/SwissEphemeris.h"
#include "predictive/Retorno.h"

namespace natalis {
namespace {

constexpr double kSegundo = 1.0 / 86400;
constexpr double kSegundoDeArco = 1.0 / 3600;

// Longitude of body b at jd straight from the ephemeris.
double Lon(Ephemeris& eph, int b, double jd) {
    double out[7] = {0, 0, 0, 0, 0, 0, 0};
    eph.CalcBody(jd, b, out);
    return out[0];
}

// a - b the short way round, degrees (-180..180).
double Diferencia(double a, double b) { return std::remainder(a - b, 360.0); }

int Cuerpo(TipoRetorno t) { return t == TipoRetorno::Solar ? 0 : 1; }

// What a return must be: at or after the start, the longitude equal to the natal one within
// 0.1", and the body one second earlier short of it, one second later past it.
void VerificarRetorno(Ephemeris& eph, TipoRetorno tipo, double lonNatal, double desde,
                      const RetornoInstante& r, const std::string& caso) {
    ASSERT_EQ(r.estado, RetornoEstado::Hallado) << caso << ": " << r.mensaje;
    EXPECT_GE(r.jd, desde) << caso;
    const int b = Cuerpo(tipo);
    EXPECT_LE(std::fabs(Diferencia(Lon(eph, b, r.jd), lonNatal)), 0.1 * kSegundoDeArco) << caso;
    EXPECT_LT(Diferencia(Lon(eph, b, r.jd - kSegundo), lonNatal), 0) << caso;
    EXPECT_GT(Diferencia(Lon(eph, b, r.jd + kSegundo), lonNatal), 0) << caso;
}

struct Caso {
    TipoRetorno tipo;
    double lonNatal;
    double dia, mes, anio;  // start of the search, 0 h UT
    const char* why;
};

const Caso kCasos[] = {
    {TipoRetorno::Solar, 123.456789, 1, 1, 2030, "a solar return next to the sample charts"},
    {TipoRetorno::Solar, 287.25, 1, 1, -3000, "first year of the range"},
    {TipoRetorno::Solar, 200.5, 1, 1, 3000, "last year of the range"},
    {TipoRetorno::Solar, 10.0, 31, 12, 3000, "a search started on the last day ends in 3001"},
    {TipoRetorno::Solar, 45.0, 1, 1, 1582, "the year of the calendar reform"},
    {TipoRetorno::Solar, 359.9999, 1, 3, 2024, "just short of 0 Aries"},
    {TipoRetorno::Solar, 0.0001, 1, 3, 2024, "just past 0 Aries"},
    {TipoRetorno::Lunar, 77.7, 5, 3, 2025, "a lunar return"},
    {TipoRetorno::Lunar, 5.0, 1, 1, -3000, "a lunar return in the first year"},
    {TipoRetorno::Lunar, 333.3, 15, 12, 3000, "a lunar return in the last year"},
    {TipoRetorno::Lunar, 0.0, 1, 1, 1000, "the Moon back at 0 Aries"},
};

TEST(BuscarRetorno, BodyIsBackAtItsNatalLongitudeWithinATenthOfAnArcSecond) {
    SwissEphemeris eph;
    for (const Caso& c : kCasos) {
        const double desde = JulDay(c.dia, c.mes, c.anio);
        const RetornoInstante r = BuscarRetorno(c.tipo, c.lonNatal, desde, eph);
        VerificarRetorno(eph, c.tipo, c.lonNatal, desde, r, c.why);
        // One return a tropical year or month: the next one is never more than a cycle away.
        const double ciclo = c.tipo == TipoRetorno::Solar ? 365.3 : 27.4;
        EXPECT_LT(r.jd - desde, ciclo) << c.why;
    }
}

TEST(BuscarRetorno, SolarReturnFoundAcrossZeroAries) {
    SwissEphemeris eph;
    // The search starts with the Sun a little before 0 Aries (around 15 March 2024) and the
    // natal Sun a little past it: the longitude has to wrap from 360 to 0 on the way.
    const double desde = JulDay(15, 3, 2024);
    ASSERT_GT(Lon(eph, 0, desde), 350.0);
    for (const double natal : {0.0, 0.5, 2.0}) {
        const RetornoInstante r = BuscarRetorno(TipoRetorno::Solar, natal, desde, eph);
        VerificarRetorno(eph, TipoRetorno::Solar, natal, desde, r, "natal Sun past 0 Aries");
        EXPECT_LT(r.jd - desde, 10) << natal;  // found this March, not a year later
    }
}

TEST(BuscarRetorno, LunarReturnIsTheFirstOnOrAfterTheDate) {
    SwissEphemeris eph;
    // Several starts and natal Moons; an hourly scan of the ephemeris from the start to the
    // return finds no earlier crossing of the natal longitude (the Moon moves under 0.7
    // degree an hour, so no crossing can slip between two samples).
    const double natales[] = {12.0, 100.0, 181.5, 359.0};
    for (int k = 0; k < 8; ++k) {
        const double desde = JulDay(1 + 3 * k, 1 + k, 1990 + 7 * k) + 0.37 * k;
        for (const double natal : natales) {
            const RetornoInstante r = BuscarRetorno(TipoRetorno::Lunar, natal, desde, eph);
            VerificarRetorno(eph, TipoRetorno::Lunar, natal, desde, r, "lunar");
            double antes = Diferencia(Lon(eph, 1, desde), natal);
            for (double t = desde + 1.0 / 24; t < r.jd - 1.0 / 24; t += 1.0 / 24) {
                const double ahora = Diferencia(Lon(eph, 1, t), natal);
                ASSERT_FALSE(antes < 0 && ahora >= 0)
                    << "earlier return near JD " << t << " for natal " << natal;
                antes = ahora;
            }
        }
    }
}

TEST(BuscarRetorno, StartOneSecondBeforeAReturnFindsThatReturn) {
    SwissEphemeris eph;
    const double desde = JulDay(10, 7, 1985);
    const RetornoInstante r = BuscarRetorno(TipoRetorno::Lunar, 222.0, desde, eph);
    ASSERT_EQ(r.estado, RetornoEstado::Hallado);
    const RetornoInstante otra = BuscarRetorno(TipoRetorno::Lunar, 222.0, r.jd - kSegundo, eph);
    ASSERT_EQ(otra.estado, RetornoEstado::Hallado);
    EXPECT_NEAR(otra.jd, r.jd, 0.01 * kSegundo);
}

TEST(BuscarRetorno, WithoutTheDailyMotionTheSecantFindsTheExactInstant) {
    // The uniform test ephemeris writes no daily motion (out[3] = 0). Its Sun stands at 280
    // degrees on JD 2451544.5 and moves one degree a day, so it reaches 300 degrees 20 days
    // later and 10 degrees 90 days later (hand computation).
    testing::UniformEphemeris eph;
    const RetornoInstante a = BuscarRetorno(TipoRetorno::Solar, 300.0, eph.jd0, eph);
    ASSERT_EQ(a.estado, RetornoEstado::Hallado);
    EXPECT_NEAR(a.jd, eph.jd0 + 20, 1e-6);
    const RetornoInstante b = BuscarRetorno(TipoRetorno::Solar, 10.0, eph.jd0, eph);
    ASSERT_EQ(b.estado, RetornoEstado::Hallado);
    EXPECT_NEAR(b.jd, eph.jd0 + 90, 1e-6);
    // Its Moon: 10 degrees, 13 a day; back at 10 degrees a full turn later, 360 / 13 days.
    const RetornoInstante c = BuscarRetorno(TipoRetorno::Lunar, 10.0, eph.jd0 + 1e-3, eph);
    ASSERT_EQ(c.estado, RetornoEstado::Hallado);
    EXPECT_NEAR(c.jd, eph.jd0 + 360.0 / 13, 1e-6);
}

TEST(BuscarRetorno, StartOutsideTheYearsOfTheProgramIsRefused) {
    SwissEphemeris eph;
    for (const double desde :
         {JulDay(1, 1, -3001), JulDay(2, 1, 3001), std::numeric_limits<double>::quiet_NaN()}) {
        const RetornoInstante r = BuscarRetorno(TipoRetorno::Solar, 100.0, desde, eph);
        EXPECT_EQ(r.estado, RetornoEstado::FueraDeRango);
        EXPECT_EQ(r.mensaje, "Los retornos se calculan para los años -3000 a 3000.");
    }
}

// An ephemeris that answers no number at all.
class EfemerideVacia : public Ephemeris {
  public:
    double CalcBody(double, int32_t, double* out) override {
        for (int i = 0; i < 4; ++i) out[i] = std::numeric_limits<double>::quiet_NaN();
        return -1;
    }
    EphemerisSource Source() const override { return EphemerisSource::Analytic; }
};

TEST(BuscarRetorno, NoLongitudeFromTheEphemerisIsAFailureNotAnInstant) {
    EfemerideVacia eph;
    const RetornoInstante r = BuscarRetorno(TipoRetorno::Lunar, 100.0, JulDay(1, 1, 2000), eph);
    EXPECT_EQ(r.estado, RetornoEstado::SinSolucion);
    EXPECT_FALSE(r.mensaje.empty());
}

TEST(CalcularRetorno, SearchStartsAtMidnightOfTheBirthZone) {
    SwissEphemeris eph;
    NatalRecord rec = testing::RegistroDePrueba();
    const ChartTables t = testing::TablasNatales(rec, eph);
    const double lunaNatal = t.natal.PlanetaNatal[2].Lon;
    // A lunar return of the chart that falls between 2 h and 10 h UT of its date.
    RetornoInstante r;
    double dia0 = 0, horasUT = 0;
    for (double desde = JulDay(1, 6, 2031);; desde = r.jd + 1) {
        r = BuscarRetorno(TipoRetorno::Lunar, lunaNatal, desde, eph);
        ASSERT_EQ(r.estado, RetornoEstado::Hallado);
        dia0 = std::floor(r.jd - 0.5) + 0.5;
        horasUT = (r.jd - dia0) * 24;
        if (horasUT > 2 && horasUT < 10) break;
    }
    const InstanteCivil fecha = InstanteDeJD(dia0);
    // Midnight of a zone one hour further west than the return's UT hour comes after it:
    // the next month's return. One hour less west (or east) it comes before: this one.
    for (const double zona : {horasUT + 1, horasUT - 1}) {
        rec.ZoneHours = static_cast<float>(zona);
        std::string texto = "  " + TextoFecha(fecha) + " ";
        const RetornoResultado res = CalcularRetorno(TipoRetorno::Lunar, texto, rec, t.natal, eph);
        ASSERT_EQ(res.estado, RetornoCalculoEstado::Calculado) << res.mensaje;
        EXPECT_EQ(texto, TextoFecha(fecha));  // trimmed as the date parser does
        EXPECT_GE(res.jd, dia0 + rec.ZoneHours / 24.0);
        if (zona > horasUT) {
            EXPECT_GT(res.jd, r.jd + 20) << zona;
        } else {
            EXPECT_NEAR(res.jd, r.jd, 0.01 * kSegundo) << zona;
        }
        // The bodies at the return, as the planet computation gives them.
        PlanetTable esperado{};
        Planets(res.jd, eph, esperado);
        for (int i = 1; i <= 10; ++i) {
            EXPECT_EQ(res.Planet[i].Lon, esperado[i].Lon) << i;
            EXPECT_EQ(res.Planet[i].Vel, esperado[i].Vel) << i;
        }
    }
}

TEST(CalcularRetorno, RejectedDateCarriesTheParsersTextAndTitle) {
    SwissEphemeris eph;
    const NatalRecord rec = testing::RegistroDePrueba();
    const ChartTables t = testing::TablasNatales(rec, eph);
    struct Caso {
        const char* fecha;
        const char* mensaje;
    } casos[] = {
        {"32 1 2030", "Dia 32 es incorrecto."},
        {"2030", "La fecha debe escribirse como dia mes año, por ejemplo 5 3 1999."},
        {"1 1 3001", " El rango de años del programa es: -3000 á 3000 años  "},
    };
    for (const Caso& c : casos) {
        std::string fecha = c.fecha;
        const RetornoResultado r = CalcularRetorno(TipoRetorno::Solar, fecha, rec, t.natal, eph);
        EXPECT_EQ(r.estado, RetornoCalculoEstado::FechaRechazada) << c.fecha;
        EXPECT_EQ(r.mensaje, c.mensaje);
        EXPECT_EQ(r.titulo, "corregir fecha");
    }
}

TEST(CalcularRetorno, SolarReturnOfTheYearTakesTheNatalSun) {
    SwissEphemeris eph;
    const NatalRecord rec = testing::RegistroDePrueba();  // born 1 January 2000
    const ChartTables t = testing::TablasNatales(rec, eph);
    std::string fecha = "1 1 2040";
    const RetornoResultado r = CalcularRetorno(TipoRetorno::Solar, fecha, rec, t.natal, eph);
    ASSERT_EQ(r.estado, RetornoCalculoEstado::Calculado) << r.mensaje;
    EXPECT_LE(std::fabs(Diferencia(Lon(eph, 0, r.jd), t.natal.PlanetaNatal[1].Lon)),
              0.1 * kSegundoDeArco);
    const InstanteCivil c = InstanteDeJD(r.jd);
    EXPECT_EQ(c.anio, 2040);
    EXPECT_EQ(c.mes, 1);  // a birthday of early January
}

TEST(FechaDelAnioRetorno, AYearInFiguresBecomesTheFirstOfJanuary) {
    struct Caso {
        const char* anio;
        const char* fecha;  // empty: refused
    } casos[] = {
        {"2030", "1 1 2030"},
        {" 2030 ", "1 1 2030"},
        {"-500", "1 1 -500"},
        {"+12", "1 1 +12"},
        {"", ""},
        {"dos mil", ""},
        {"2030.5", ""},
        {"20 30", ""},
        {"-", ""},
        {"123456", ""},
    };
    for (const Caso& c : casos) {
        std::string fecha = "sin tocar";
        const std::string serr = FechaDelAnioRetorno(c.anio, fecha);
        if (*c.fecha) {
            EXPECT_EQ(serr, "") << c.anio;
            EXPECT_EQ(fecha, c.fecha);
        } else {
            EXPECT_EQ(serr, kMensajeAnioRetorno) << c.anio;
            EXPECT_EQ(fecha, "sin tocar");
        }
    }
}

}  // namespace
}  // namespace natalis
