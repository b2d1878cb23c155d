// natalis --retorno solar|lunar FILE --fecha "d m aaaa": the return block on standard output.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <sstream>
#include <string>
#include <vector>

#include "app/cli/Headless.h"
#include "app/cli/HeadlessOptions.h"
#include "app/model/ChartFile.h"
#include "astro/AngleMath.h"
#include "astro/Calendar.h"
#include "astro/SwissEphemeris.h"
#include "chart/CalcularNatal.h"

namespace natalis {
namespace {

const std::string kCarpeta = std::string(NATALIS_SOURCE_DIR) + "/charts";
const std::string kCarta = kCarpeta + "/Ana_Lucia_Ferreyra.dat";  // zone 3 h west

struct Salida {
    int code;
    std::string out, err;
    std::vector<std::string> lineas;
};

Salida Ejecutar(const Args& args) {
    std::ostringstream out, err;
    Salida s;
    s.code = HeadlessRetorno(args, out, err);
    s.out = out.str();
    s.err = err.str();
    std::istringstream in(s.out);
    for (std::string l; std::getline(in, l);) s.lineas.push_back(l);
    return s;
}

// The sample chart's natal tables as the command computes them.
NatalTables Natal(SwissEphemeris& eph) {
    NatalRecord rec;
    EXPECT_TRUE(ReadChartFile(kCarpeta, "Ana_Lucia_Ferreyra.dat", rec).ok);
    ChartTables t;
    CalcularNatal(rec, SistemaCasas::Placido, eph, t);
    return t.natal;
}

// "Instante UT:  d m aaaa hh:mm:ss" read back as a Julian day; NaN when the line differs.
double LeerInstante(const std::string& linea, int& anio) {
    const std::string prefijo = "Instante UT:  ";
    if (linea.rfind(prefijo, 0) != 0) return NAN;
    std::istringstream in(linea.substr(prefijo.size()));
    int d = 0, m = 0, hh = 0, mm = 0, ss = 0;
    char c1 = 0, c2 = 0;
    if (!(in >> d >> m >> anio >> hh >> c1 >> mm >> c2 >> ss) || c1 != ':' || c2 != ':') {
        return NAN;
    }
    return JulDay(d, m, anio) + (hh * 3600 + mm * 60 + ss) / 86400.0;
}

double Lon(Ephemeris& eph, int b, double jd) {
    double out[7] = {0, 0, 0, 0, 0, 0, 0};
    eph.CalcBody(jd, b, out);
    return out[0];
}

TEST(HeadlessRetorno, SolarReturnOfTheYearAgainstTheEphemeris) {
    SwissEphemeris eph;
    const NatalTables natal = Natal(eph);
    const Salida s = Ejecutar({"--retorno", "solar", kCarta, "--fecha", "1 1 2030"});
    ASSERT_EQ(s.code, 0) << s.err;
    EXPECT_EQ(s.err, "");
    ASSERT_GT(s.lineas.size(), 7u);
    EXPECT_EQ(s.lineas[0], "RETORNO SOLAR");
    int anio = 0;
    const double jd = LeerInstante(s.lineas[1], anio);
    ASSERT_TRUE(std::isfinite(jd)) << s.lineas[1];
    EXPECT_EQ(anio, 2030);
    // Printed to the second: the Sun stands within 0.1" of its natal place (it moves about
    // 0.04" a second).
    const double lonNatal = natal.PlanetaNatal[1].Lon;
    EXPECT_LE(std::fabs(std::remainder(Lon(eph, 0, jd) - lonNatal, 360.0)), 0.1 / 3600);
    EXPECT_EQ(s.lineas[2], "   ");
    EXPECT_EQ(s.lineas[3].rfind("Fecha:  ", 0), 0u);
    EXPECT_EQ(s.lineas[4].rfind("Hora:  ", 0), 0u);
    EXPECT_EQ(s.lineas[6], "SOL trans " + ZodiacString(lonNatal));
    EXPECT_EQ(s.lineas[7], "  Conj " + natal.PlanetaNatal[1].Texto);
    EXPECT_EQ(s.lineas.back(), "   ");
}

TEST(HeadlessRetorno, LunarReturnIsTheFirstOnOrAfterTheDateToTheSecond) {
    SwissEphemeris eph;
    const NatalTables natal = Natal(eph);
    const Salida s = Ejecutar({"--retorno", "lunar", kCarta, "--fecha", "5 3 2025"});
    ASSERT_EQ(s.code, 0) << s.err;
    EXPECT_EQ(s.lineas[0], "RETORNO LUNAR");
    int anio = 0;
    const double jd = LeerInstante(s.lineas[1], anio);
    ASSERT_TRUE(std::isfinite(jd)) << s.lineas[1];
    // At or after midnight of 5 March 2025 in the chart's zone (3 h UT), within a month.
    const double desde = JulDay(5, 3, 2025) + 3.0 / 24;
    EXPECT_GE(jd + 0.5 / 86400, desde);
    EXPECT_LT(jd, desde + 27.4);
    // Within a second: the Moon a second before is short of the natal place, after past it.
    const double lonNatal = natal.PlanetaNatal[2].Lon;
    EXPECT_LT(std::remainder(Lon(eph, 1, jd - 1.5 / 86400) - lonNatal, 360.0), 0);
    EXPECT_GT(std::remainder(Lon(eph, 1, jd + 1.5 / 86400) - lonNatal, 360.0), 0);
    const std::string luna = "LUN trans " + ZodiacString(lonNatal);
    EXPECT_NE(std::find(s.lineas.begin(), s.lineas.end(), luna), s.lineas.end()) << s.out;
}

TEST(HeadlessRetorno, WrongOptionsPrintTheUsageAndNothingElse) {
    const std::vector<Args> casos = {
        {"--retorno"},
        {"--retorno", "solar"},
        {"--retorno", "solar", kCarta},
        {"--retorno", "solar", kCarta, "--fecha"},
        {"--retorno", "solar", "--fecha", "1 1 2030"},
        {"--retorno", "lunar", kCarta, kCarta, "--fecha", "1 1 2030"},
        {"--retorno", "lunar", "--fecha", "1 1 2030", kCarta},
    };
    for (const Args& a : casos) {
        const Salida s = Ejecutar(a);
        EXPECT_EQ(s.code, 2) << a.size();
        EXPECT_EQ(s.out, "");
        EXPECT_EQ(s.err, UsageText());
    }
    // A value out of its range is named before the usage text.
    const struct {
        Args args;
        const char* nombrado;
    } valores[] = {
        {{"--retorno", "anual", kCarta, "--fecha", "1 1 2030"},
         "Valor no válido para --retorno: «anual»\n"},
        {{"--retorno", "Solar", kCarta, "--fecha", "1 1 2030"},
         "Valor no válido para --retorno: «Solar»\n"},
        {{"--retorno", "lunar", kCarta, "--fecha", "1 1 2030", "--houses", "Z"},
         "Valor no válido para --houses: «Z»\n"},
        // An option the return does not use is named too.
        {{"--retorno", "lunar", kCarta, "--fecha", "1 1 2030", "--hora", "12 00"},
         "La opción --hora no se usa con --retorno.\n"},
    };
    for (const auto& v : valores) {
        const Salida s = Ejecutar(v.args);
        EXPECT_EQ(s.code, 2);
        EXPECT_EQ(s.out, "");
        EXPECT_EQ(s.err, std::string(v.nombrado) + UsageText());
    }
}

TEST(HeadlessRetorno, RejectedDateOrChartGivesItsMessageAndExitCodeTwo) {
    const Salida fecha = Ejecutar({"--retorno", "solar", kCarta, "--fecha", "32 1 2030"});
    EXPECT_EQ(fecha.code, 2);
    EXPECT_EQ(fecha.out, "");
    EXPECT_EQ(fecha.err, "Dia 32 es incorrecto.\n");

    const Salida rango = Ejecutar({"--retorno", "lunar", kCarta, "--fecha", "1 1 3001"});
    EXPECT_EQ(rango.code, 2);
    EXPECT_EQ(rango.out, "");
    EXPECT_EQ(rango.err, " El rango de años del programa es: -3000 á 3000 años  \n");

    const Salida carta =
        Ejecutar({"--retorno", "solar", kCarpeta + "/No_existe.dat", "--fecha", "1 1 2030"});
    EXPECT_EQ(carta.code, 2);
    EXPECT_EQ(carta.out, "");
    EXPECT_FALSE(carta.err.empty());
}

TEST(HeadlessRetorno, HouseOptionIsAccepted) {
    const Salida p = Ejecutar({"--retorno", "solar", kCarta, "--fecha", "1 1 2030"});
    const Salida k =
        Ejecutar({"--retorno", "solar", kCarta, "--fecha", "1 1 2030", "--houses", "k"});
    ASSERT_EQ(k.code, 0) << k.err;
    EXPECT_EQ(k.lineas[1], p.lineas[1]);  // the instant does not depend on the houses
}

}  // namespace
}  // namespace natalis
