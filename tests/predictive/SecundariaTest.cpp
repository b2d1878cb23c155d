// Secondary progressions ("Secundaria"): the sky a day after birth for each year of age,
// checked against the ephemeris at the progressed instant, with the houses of the solar arc.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <sstream>
#include <string>
#include <vector>

#include "app/cli/Headless.h"
#include "app/model/ChartFile.h"
#include "astro/AngleMath.h"
#include "astro/Calendar.h"
#include "astro/SwissEphemeris.h"
#include "chart/CalcularNatal.h"
#include "predictive/CalcularProgresion.h"
#include "predictive/DirectionMath.h"
#include "predictive/ListarProgresion.h"
#include "predictive/Tecnicas.h"

namespace natalis {
namespace {

const std::string kCarpeta = std::string(NATALIS_SOURCE_DIR) + "/charts";
// Born 12 October 1985 at 10:45 UT. Her Mercury turned retrograde 38 days after birth and
// direct again 58 days after it, and was retrograde from 53 to 77 days before birth (the
// ephemeris's own daily motion, scanned day by day): progressed, from 38 to 58 years of age
// and, conversely, from 53 to 77.
const std::string kAna = "Ana_Lucia_Ferreyra.dat";
// Born 24 June 1810 with Mercury retrograde.
const std::string kTomas = "Tomas_Ibanez_de_Ulloa.dat";

std::string Etiqueta(int i) { return EtiquetaPlaneta(i); }

double Dif(double a, double b) { return std::remainder(a - b, 360.0); }

struct Carta {
    SwissEphemeris eph;
    NatalRecord rec;
    ChartTables tablas;
    PredictiveState ps;

    explicit Carta(const std::string& archivo) {
        EXPECT_TRUE(ReadChartFile(kCarpeta, archivo, rec).ok) << archivo;
        CalcularNatal(rec, SistemaCasas::Placido, eph, tablas);
    }
    ProgresionResultado Progresar(TipoTecnica t, const std::string& fecha, bool conversa,
                                  bool ascEnArco = false) {
        ps.Tecnica = t;
        ps.FechaProgTexto = fecha;
        ps.Conversa = conversa;
        ps.Directa = !conversa;
        ps.AscEnArco = ascEnArco;
        return CalcularProgresion(ps, tablas, rec, SistemaCasas::Placido, eph);
    }
    // The progressed instant: NatalJD0 + Edad + H / 24, before the birth date when converse.
    double Instante(const std::string& fecha, bool conversa) {
        std::istringstream in(fecha);
        double d = 0, m = 0, a = 0;
        in >> d >> m >> a;
        const float edad = static_cast<float>((JulDay(d, m, a) - tablas.natal.NatalJD0) / 365.25);
        const float H = rec.NatalHour + rec.ZoneHours;
        return tablas.natal.NatalJD0 + (conversa ? -edad : edad) + H / 24.0;
    }
    double Lon(int cuerpo, double jd) {
        double out[7] = {0, 0, 0, 0, 0, 0, 0};
        eph.CalcBody(jd, cuerpo, out);
        return out[0];
    }
    double Velocidad(int cuerpo, double jd) {
        double out[7] = {0, 0, 0, 0, 0, 0, 0};
        eph.CalcBody(jd, cuerpo, out);
        return out[3];
    }
};

TEST(Secundaria, FourthTechniqueOfTheProgressionMenuAfterTheBehavioursThree) {
    ASSERT_EQ(std::size(kTecnicas), 4u);
    const TecnicaFila& f = kTecnicas[3];
    EXPECT_EQ(f.id, TipoTecnica::Secundaria);
    EXPECT_EQ(f.indice, 43);
    EXPECT_STREQ(f.caption, "Secundaria");
    EXPECT_EQ(TecnicaPorCaption("Secundaria"), TipoTecnica::Secundaria);
    EXPECT_EQ(TecnicaPorIndice(43), TipoTecnica::Secundaria);
    // Direct and converse, " ASC en arco", the arc in the header, bodies of its own.
    EXPECT_FALSE(f.soloDirecta);
    EXPECT_TRUE(f.cabeceraConArco);
    EXPECT_TRUE(f.cuerposPropios);
    EXPECT_TRUE(f.marcaRetrogrados);
    for (int i = 0; i < 3; ++i) EXPECT_FALSE(kTecnicas[i].marcaRetrogrados) << kTecnicas[i].caption;
}

TEST(Secundaria, BodiesAreTheEphemerisAtTheProgressedInstant) {
    Carta c(kAna);
    const struct {
        const char* fecha;
        bool conversa;
    } casos[] = {{"1 1 2030", false},
                 {"12 10 2000", false},
                 {"1 1 1970", false},
                 {"1 1 2030", true},
                 {"5 6 2051", true}};
    for (const auto& k : casos) {
        const auto r = c.Progresar(TipoTecnica::Secundaria, k.fecha, k.conversa);
        ASSERT_EQ(r.estado, ProgresionEstado::Calculada) << k.fecha;
        const double jd = c.Instante(k.fecha, k.conversa);
        for (int i = 1; i <= 10; ++i) {
            const double lon = c.Lon(i - 1, jd);
            const ProgRec& p = c.ps.prog.PlanetaProg[i];
            EXPECT_NEAR(Dif(p.Lon, lon), 0, 1e-4) << k.fecha << " " << i;
            EXPECT_EQ(p.Grado, GradoEnSigno(p.Lon));
            // Retrograde by the natal listing's rule: the planet a day later stands behind.
            const bool atras = i > 2 && Dif(c.Lon(i - 1, jd + 1), lon) < 0;
            EXPECT_EQ(p.Texto, Etiqueta(i) + " prog " + ZodiacString(p.Lon) + (atras ? " r" : ""))
                << k.fecha << (k.conversa ? " conversa" : "");
            // The global planet table holds the progressed bodies, as after primary directions.
            EXPECT_EQ(c.tablas.Planet[i].Lon, static_cast<float>(lon)) << i;
        }
    }
}

TEST(Secundaria, BirthDateGivesTheNatalBodies) {
    for (const std::string& archivo : {kAna, kTomas}) {
        Carta c(archivo);
        const NatalTables natal = c.tablas.natal;
        for (const bool conversa : {false, true}) {
            const auto r = c.Progresar(TipoTecnica::Secundaria, c.rec.FechaNatalTexto, conversa);
            ASSERT_EQ(r.estado, ProgresionEstado::Calculada) << archivo;
            EXPECT_EQ(c.ps.Edad, 0);
            EXPECT_NEAR(c.ps.Arco, 0, 1e-4);
            for (int i = 1; i <= 10; ++i) {
                const ProgRec& p = c.ps.prog.PlanetaProg[i];
                EXPECT_EQ(p.Lon, natal.PlanetaNatal[i].Lon) << archivo << " " << i;
                // The natal listing's " r" comes with the same body.
                EXPECT_EQ(p.Texto.size() > 3 && p.Texto.substr(p.Texto.size() - 2) == " r",
                          natal.PlanetaNatal[i].Vel < 0)
                    << archivo << " " << p.Texto;
            }
            for (int i = 1; i <= 12; ++i) {
                EXPECT_NEAR(Dif(c.ps.prog.CuspideProg[i].Lon, natal.CuspideNatal[i].Lon), 0, 2e-3)
                    << archivo << " cusp " << i;
            }
        }
    }
    // The 1810 chart's Mercury is retrograde at birth: its progressed line says so.
    Carta tomas(kTomas);
    ASSERT_LT(tomas.tablas.natal.PlanetaNatal[3].Vel, 0);
    tomas.Progresar(TipoTecnica::Secundaria, tomas.rec.FechaNatalTexto, false);
    EXPECT_EQ(tomas.ps.prog.PlanetaProg[3].Texto,
              "MER prog " + ZodiacString(tomas.tablas.natal.PlanetaNatal[3].Lon) + " r");
}

TEST(Secundaria, ProgressedRetrogradeMercuryCarriesR) {
    Carta c(kAna);
    const struct {
        const char* fecha;
        bool conversa, retrogrado;
    } casos[] = {
        {"1 1 2030", false, true},   // 44 years: 44 days after birth
        {"1 1 2020", false, false},  // 34 years
        {"1 1 2045", true, true},    // 59 years back: 59 days before birth
        {"1 1 2025", true, false},   // 39 years back
    };
    for (const auto& k : casos) {
        // The ephemeris's own motion, independent of the program's difference rule.
        ASSERT_EQ(c.Velocidad(2, c.Instante(k.fecha, k.conversa)) < 0, k.retrogrado) << k.fecha;
        ASSERT_EQ(c.Progresar(TipoTecnica::Secundaria, k.fecha, k.conversa).estado,
                  ProgresionEstado::Calculada);
        const std::string& mer = c.ps.prog.PlanetaProg[3].Texto;
        EXPECT_EQ(mer, "MER prog " + ZodiacString(c.ps.prog.PlanetaProg[3].Lon) +
                           (k.retrogrado ? " r" : ""))
            << k.fecha;
        const std::vector<std::string> lista =
            ListarProgresion(c.ps.Tecnica, c.ps.Arco, c.ps, c.tablas.natal);
        EXPECT_NE(std::find(lista.begin(), lista.end(), mer), lista.end()) << mer;
        // The Sun and the Moon never carry it.
        EXPECT_EQ(c.ps.prog.PlanetaProg[1].Texto.find(" r"), std::string::npos);
        EXPECT_EQ(c.ps.prog.PlanetaProg[2].Texto.find(" r"), std::string::npos);
    }
}

TEST(Secundaria, HousesAreThoseOfTheSolarArcOfTheDate) {
    for (const bool conversa : {false, true}) {
        for (const bool ascEnArco : {false, true}) {
            Carta sec(kAna), arco(kAna);
            const std::string fecha = "1 1 2030";
            ASSERT_EQ(sec.Progresar(TipoTecnica::Secundaria, fecha, conversa, ascEnArco).estado,
                      ProgresionEstado::Calculada);
            ASSERT_EQ(arco.Progresar(TipoTecnica::ArcoSolar, fecha, conversa, ascEnArco).estado,
                      ProgresionEstado::Calculada);
            // The solar arc: the Sun as many days after the birth moment as there are years.
            const double sol = sec.Lon(0, sec.Instante(fecha, false));
            const double esperado = MODg(sol - sec.tablas.natal.PlanetaNatal[1].Lon);
            EXPECT_NEAR(sec.ps.Arco, conversa ? -esperado : esperado, 1e-4);
            EXPECT_EQ(sec.ps.Arco, arco.ps.Arco);
            EXPECT_NEAR(Dif(sec.ps.prog.CuspideProg[10].Lon, sec.tablas.natal.CuspideNatal[10].Lon),
                        sec.ps.Arco, 1e-3);
            for (int i = 1; i <= 12; ++i) {
                EXPECT_EQ(sec.ps.prog.CuspideProg[i].Lon, arco.ps.prog.CuspideProg[i].Lon)
                    << "cusp " << i << (conversa ? " conversa" : "") << (ascEnArco ? " asc" : "");
                EXPECT_EQ(sec.ps.prog.CuspideProg[i].Texto, arco.ps.prog.CuspideProg[i].Texto);
                EXPECT_EQ(sec.tablas.Cusp[i], arco.tablas.Cusp[i]);
            }
        }
    }
}

TEST(Secundaria, ListingHeaderNamesTheTechniqueThenDateAgeAndArc) {
    for (const bool conversa : {false, true}) {
        Carta sec(kAna), arco(kAna);
        sec.Progresar(TipoTecnica::Secundaria, "1 1 2030", conversa);
        arco.Progresar(TipoTecnica::ArcoSolar, "1 1 2030", conversa);
        const auto ls = ListarProgresion(sec.ps.Tecnica, sec.ps.Arco, sec.ps, sec.tablas.natal);
        const auto la = ListarProgresion(arco.ps.Tecnica, arco.ps.Arco, arco.ps, arco.tablas.natal);
        ASSERT_GT(ls.size(), 9u);
        EXPECT_EQ(ls[0], "PROGRESION");
        EXPECT_EQ(ls[1], conversa ? "Secundaria converso" : "Secundaria");
        // Date, age and arc as for "Arco Solar" of the same date.
        for (int i = 2; i <= 7; ++i) EXPECT_EQ(ls[i], la[i]) << i;
        EXPECT_EQ(ls[3], "Fecha:  1 1 2030");
        EXPECT_EQ(ls[8].rfind("SOL prog ", 0), 0u);
        // Sixteen progressed points, each followed by its aspects and a "   " line.
        int puntos = 0;
        for (const std::string& l : ls) puntos += l.find(" prog ") != std::string::npos;
        EXPECT_EQ(puntos, 16);
    }
}

// At the birth date the Sun of the progressed instant is the natal Sun, short of its stored
// single-precision value by a hair or past it: the arc is 0 either way, never a full turn.
TEST(ArcoSolar, BirthDateGivesNoArcNotAFullTurn) {
    for (const std::string& archivo : {kAna, kTomas}) {
        for (const TipoTecnica t : {TipoTecnica::ArcoSolar, TipoTecnica::Secundaria}) {
            for (const bool conversa : {false, true}) {
                Carta c(archivo);
                ASSERT_EQ(c.Progresar(t, c.rec.FechaNatalTexto, conversa).estado,
                          ProgresionEstado::Calculada);
                EXPECT_NEAR(c.ps.Arco, 0, 1e-5) << archivo << (conversa ? " conversa" : "");
                const auto lista = ListarProgresion(c.ps.Tecnica, c.ps.Arco, c.ps, c.tablas.natal);
                EXPECT_EQ(lista[5], "arco :  0 grados") << archivo;
            }
        }
    }
}

struct Salida {
    int code;
    std::string out, err;
};

Salida Progress(const Args& args) {
    std::ostringstream out, err;
    const int code = HeadlessProgress(args, out, err);
    return {code, out.str(), err.str()};
}

TEST(Secundaria, HeadlessProgressTakesTheTechnique) {
    const std::string archivo = kCarpeta + "/" + kAna;
    const Salida d =
        Progress({"--progress", archivo, "--tecnica", "Secundaria", "--fecha", "1 1 2030"});
    ASSERT_EQ(d.code, 0) << d.err;
    EXPECT_EQ(d.out.rfind("PROGRESION\nSecundaria\n   \nFecha:  1 1 2030\n", 0), 0u) << d.out;
    EXPECT_NE(d.out.find("\nMER prog "), std::string::npos);
    EXPECT_NE(d.out.find(" r\n"), std::string::npos);  // Mercury retrograde at 44
    const Salida c = Progress({"--progress", archivo, "--tecnica", "Secundaria", "--fecha",
                               "1 1 2030", "--conversa", "--asc-en-arco"});
    ASSERT_EQ(c.code, 0) << c.err;
    EXPECT_EQ(c.out.rfind("PROGRESION\nSecundaria converso\n", 0), 0u) << c.out;
    const Salida mal =
        Progress({"--progress", archivo, "--tecnica", "Secundarias", "--fecha", "1 1 2030"});
    EXPECT_EQ(mal.code, 2);
    EXPECT_EQ(mal.out, "");
}

}  // namespace
}  // namespace natalis
