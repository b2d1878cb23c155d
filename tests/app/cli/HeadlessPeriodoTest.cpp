#include <gtest/gtest.h>

#include <cmath>
#include <sstream>
#include <string>
#include <vector>

#include "app/cli/Headless.h"
#include "app/model/ChartFile.h"
#include "astro/Calendar.h"
#include "astro/InstanteCivil.h"
#include "astro/SwissEphemeris.h"
#include "chart/Aspects.h"
#include "chart/CalcularNatal.h"
#include "predictive/CalcularProgresion.h"
#include "predictive/ListarProgresion.h"
#include "predictive/PuntosMoviles.h"

namespace natalis {
namespace {

const std::string kCarpeta = std::string(NATALIS_SOURCE_DIR) + "/charts";
const std::string kCarta = kCarpeta + "/Ana_Lucia_Ferreyra.dat";

struct Salida {
    int codigo;
    std::string out, err;
};

Salida Periodo(const Args& opciones) {
    Args args = {"--periodo", kCarta};
    args.insert(args.end(), opciones.begin(), opciones.end());
    std::ostringstream out, err;
    const int codigo = HeadlessPeriodo(args, out, err);
    return {codigo, out.str(), err.str()};
}

std::vector<std::string> Campos(const std::string& linea) {
    std::vector<std::string> campos;
    std::istringstream in(linea);
    for (std::string c; std::getline(in, c, '\t');) campos.push_back(c);
    return campos;
}

std::vector<std::vector<std::string>> Filas(const std::string& texto) {
    std::vector<std::vector<std::string>> filas;
    std::istringstream in(texto);
    for (std::string l; std::getline(in, l);) filas.push_back(Campos(l));
    return filas;
}

// "aaaa-mm-dd hh:mm" back to a Julian day.
double Jd(const std::string& t) {
    int a = 0, m = 0, d = 0, h = 0, min = 0;
    EXPECT_EQ(std::sscanf(t.c_str(), "%d-%d-%d %d:%d", &a, &m, &d, &h, &min), 5) << t;
    return JulDay(d, m, a) + (h + min / 60.0) / 24;
}

int Punto(const std::string& etiqueta) {
    for (int n = 1; n <= 16; ++n) {
        if (EtiquetaPunto(n) == etiqueta) return n;
    }
    ADD_FAILURE() << "etiqueta desconocida " << etiqueta;
    return 1;
}

int Aspecto(const std::string& nombre) {
    for (int k = 0; k < kNumAspectos; ++k) {
        if (nombre == TablaAspectos[k].Nombre) return k;
    }
    ADD_FAILURE() << "aspecto desconocido " << nombre;
    return 0;
}

// The chart of the command, computed again here.
struct Carta {
    NatalRecord rec;
    ChartTables tablas;
    SwissEphemeris eph;
    Carta() {
        const ChartReadResult r = ReadChartFile(kCarpeta, "Ana_Lucia_Ferreyra.dat", rec);
        EXPECT_TRUE(r.ok);
        CalcularNatal(rec, SistemaCasas::Placido, eph, tablas);
    }
    double Natal(int n) { return PuntoNatalListado(tablas.natal, n).Lon; }
};

// How far the separation of two longitudes is from the aspect angle, degrees.
double Desvio(double lon1, double lon2, int k) {
    double d = std::fabs(std::fmod(lon1 - lon2, 360.0));
    if (d > 180) d = 360 - d;
    return std::fabs(d - TablaAspectos[k].Angulo);
}

// The checks every listing passes: six fields, known labels, entering <= exact <= leaving,
// sorted by the exact instant.
void FormaDeListado(const std::vector<std::vector<std::string>>& filas) {
    std::string previo;
    for (const auto& f : filas) {
        ASSERT_EQ(f.size(), 6u);
        Punto(f[0]);
        Aspecto(f[1]);
        Punto(f[2]);
        EXPECT_LE(f[3], f[4]);
        EXPECT_LE(f[4], f[5]);
        EXPECT_LE(previo, f[4]);
        previo = f[4];
    }
}

TEST(HeadlessPeriodo, TransitsAreExactAtTheListedMinute) {
    const Salida s = Periodo({"--desde", "1 3 2024", "--hasta", "31 3 2024"});
    ASSERT_EQ(s.codigo, 0) << s.err;
    EXPECT_EQ(s.err, "");
    const auto filas = Filas(s.out);
    ASSERT_GT(filas.size(), 300u);  // the Moon alone aspects each of 256 places about once
    FormaDeListado(filas);
    // Each stay within orb overlaps March; slow bodies' stays begin or end far outside it.
    bool fueraDeMarzo = false;
    for (const auto& f : filas) {
        EXPECT_GE(f[5], "2024-03-01 00:00");
        EXPECT_LE(f[3], "2024-04-01 00:00");
        fueraDeMarzo = fueraDeMarzo || f[4].substr(0, 7) != "2024-03";
    }
    EXPECT_TRUE(fueraDeMarzo);
    // At each listed exact minute the ephemeris puts the body at the aspect, within what it
    // moves in the half minute of rounding.
    Carta c;
    for (const auto& f : filas) {
        const double jd = Jd(f[4]);
        double out[4];
        c.eph.CalcBody(jd, Punto(f[0]) - 1, out);
        const double tolerancia = std::fabs(out[3]) * 0.5 / 1440 + 1e-6;
        EXPECT_LE(Desvio(out[0], c.Natal(Punto(f[2])), Aspecto(f[1])), tolerancia)
            << f[0] << " " << f[1] << " " << f[2] << " " << f[4];
    }
}

TEST(HeadlessPeriodo, TransitsAreTheDefaultTechniqueAndOrbOneDegree) {
    const Args periodo = {"--desde", "1 3 2024", "--hasta", "7 3 2024"};
    Args explicito = periodo;
    explicito.insert(explicito.end(), {"--tecnica", "Transitos", "--orbe", "1"});
    const Salida a = Periodo(periodo), b = Periodo(explicito);
    ASSERT_EQ(a.codigo, 0);
    EXPECT_EQ(a.out, b.out);
    Args ancho = periodo;
    ancho.insert(ancho.end(), {"--orbe", "2.5"});
    const Salida c = Periodo(ancho);
    ASSERT_EQ(c.codigo, 0);
    EXPECT_GT(Filas(c.out).size(), Filas(a.out).size());  // longer stays overlap the week
}

TEST(HeadlessPeriodo, SolarArcAgreesWithTheProgressionEngine) {
    const Salida s = Periodo(
        {"--desde", "1 1 2024", "--hasta", "31 12 2026", "--tecnica", "Arco Solar", "--orbe", "1"});
    ASSERT_EQ(s.codigo, 0) << s.err;
    const auto filas = Filas(s.out);
    ASSERT_FALSE(filas.empty());
    FormaDeListado(filas);
    // The engine's arc for the day of each exact instant moves the natal point onto the
    // aspect, within the arc's motion in a day (a degree a year).
    Carta c;
    for (const auto& f : filas) {
        PredictiveState ps;
        ps.Tecnica = TipoTecnica::ArcoSolar;
        ps.FechaProgTexto = TextoFecha(InstanteDeJD(Jd(f[4])));
        ChartTables t = c.tablas;
        ASSERT_EQ(CalcularProgresion(ps, t, c.rec, SistemaCasas::Placido, c.eph).estado,
                  ProgresionEstado::Calculada);
        EXPECT_LE(Desvio(c.Natal(Punto(f[0])) + ps.Arco, c.Natal(Punto(f[2])), Aspecto(f[1])),
                  1.5 / 365.25)
            << f[0] << " " << f[1] << " " << f[2] << " " << f[4];
    }
}

TEST(HeadlessPeriodo, SecondaryProgressionsAreTheSkyADayPerYearAfterBirth) {
    const Salida s =
        Periodo({"--desde", "1 1 2024", "--hasta", "31 12 2025", "--tecnica", "Secundaria"});
    ASSERT_EQ(s.codigo, 0) << s.err;
    const auto filas = Filas(s.out);
    ASSERT_FALSE(filas.empty());
    for (const auto& f : filas) {
        ASSERT_EQ(f.size(), 6u);
        EXPECT_LE(Punto(f[0]), 10);  // the ten bodies progress
    }
    Carta c;
    const double jd0 = c.tablas.natal.NatalJD0;
    const double horaUT = c.rec.NatalHour + c.rec.ZoneHours;
    for (const auto& f : filas) {
        const double jd = Jd(f[4]);
        double out[4];
        c.eph.CalcBody(jd0 + (jd - jd0) / 365.25 + horaUT / 24, Punto(f[0]) - 1, out);
        EXPECT_LE(Desvio(out[0], c.Natal(Punto(f[2])), Aspecto(f[1])), 1e-4)
            << f[0] << " " << f[1] << " " << f[2] << " " << f[4];
    }
}

TEST(HeadlessPeriodo, RejectionsGoToStandardErrorWithExitCode2) {
    const struct {
        Args opciones;
        std::string err;  // exact text, or the usage text when empty
    } casos[] = {
        {{"--desde", "1 1 2024"}, ""},
        {{"--hasta", "1 1 2024"}, ""},
        {{"--desde", "1 1 2024", "--hasta", "2 1 2024", "--orb", "1"}, ""},
        {{"--desde", "1 1 2024", "--hasta"}, ""},
        {{"--desde", "1 1 2024", "--hasta", "2 1 2024", "--houses", "Z"},
         std::string("Valor no válido para --houses: «Z»\n") + UsageText()},
        {{"--desde", "1 2024", "--hasta", "2 1 2024"},
         "La fecha debe escribirse como dia mes año, por ejemplo 5 3 1999.\n"},
        {{"--desde", "1 1 2024", "--hasta", "1 14 2024"}, " Mes 14 es incorrecto.\n"},
        {{"--desde", "2 1 2024", "--hasta", "1 1 2024"},
         "La fecha final es anterior a la inicial.\n"},
        {{"--desde", "1 1 2024", "--hasta", "2 1 2024", "--orbe", "12"},
         "El orbe debe ser un número de grados mayor que 0 y no mayor que 10, por ejemplo "
         "1.5.\n"},
        {{"--desde", "1 1 2024", "--hasta", "2 1 2024", "--tecnica", "Grado x Año"},
         "Técnica desconocida: «Grado x Año». Las técnicas son \"Transitos\", \"Secundaria\" y "
         "\"Arco Solar\".\n"},
    };
    for (const auto& c : casos) {
        const Salida s = Periodo(c.opciones);
        EXPECT_EQ(s.codigo, 2);
        EXPECT_EQ(s.out, "");
        if (c.err.empty()) {
            EXPECT_EQ(s.err, UsageText());
        } else {
            EXPECT_EQ(s.err, c.err);
        }
    }
    std::ostringstream out, err;
    EXPECT_EQ(HeadlessPeriodo({"--periodo", kCarpeta + "/NoExiste.dat", "--desde", "1 1 2024",
                               "--hasta", "2 1 2024"},
                              out, err),
              2);
    EXPECT_EQ(out.str(), "");
    EXPECT_EQ(err.str(), ChartReadErrorMessage("NoExiste.dat") + "\nEl archivo no existe.\n");
    EXPECT_NE(std::string(UsageText()).find("natalis --periodo ARCHIVO.dat --desde"),
              std::string::npos);
}

}  // namespace
}  // namespace natalis
