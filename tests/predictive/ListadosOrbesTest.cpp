// The progression and transit listings under the orb sets, and the chart's extra points in
// the progression listing.
#include <gtest/gtest.h>
#include <swephexp.h>

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "app/model/ChartFile.h"
#include "astro/AngleMath.h"
#include "astro/Calendar.h"
#include "astro/SwissEphemeris.h"
#include "chart/CalcularNatal.h"
#include "predictive/CalcularProgresion.h"
#include "predictive/ListarProgresion.h"
#include "predictive/Transito.h"

namespace natalis {
namespace {

const std::string kCarpeta = std::string(NATALIS_SOURCE_DIR) + "/charts";

// The predictive set's orbs, written out here in the order Smsx Conj Sext Cuad Trig Opos Smcd
// Sqcd Quin, and the half degree more when the Sun or the Moon is in the pair.
constexpr double kOrbes[9] = {0.5, 1, 1, 1, 1, 1, 0.5, 0.5, 0.5};
constexpr int kAngulos[9] = {30, 0, 60, 90, 120, 180, 45, 135, 150};
constexpr const char* kNombres[9] = {"Smsx", "Conj", "Sext", "Cuad", "Trig",
                                     "Opos", "Smcd", "Sqcd", "Quin"};
constexpr double kMasLuminarias = 0.5;

// The date ten days later, for dates whose month has room for them ("3 3 2011").
std::string AddDias(const std::string& fecha) {
    const size_t blanco = fecha.find(' ');
    return std::to_string(std::stoi(fecha.substr(0, blanco)) + 10) + fecha.substr(blanco);
}

double Sep(double a, double b) { return std::fabs(std::remainder(a - b, 360.0)); }

struct Natal {
    double lon;
    std::string texto;
    bool luminaria;
};

// The natal points of the listings, read from the tables: the aspecting points, then cusps
// 10, 1, 8, 9, 11, 12.
std::vector<Natal> Natales(const NatalTables& n) {
    std::vector<Natal> v;
    for (size_t k = 0; k < n.Puntos.size(); ++k) {
        if (FilaPunto(n.Puntos[k]).Aspecta) {
            v.push_back({n.PlanetaNatal[k + 1].Lon, n.PlanetaNatal[k + 1].Texto, n.Puntos[k] <= 1});
        }
    }
    for (int c : {10, 1, 8, 9, 11, 12})
        v.push_back({n.CuspideNatal[c].Lon, n.CuspideNatal[c].Texto, false});
    return v;
}

// The lines a moving point at lon (moving vel degrees a day) gets under the predictive set:
// the first aspect within its orb to each natal point, the orb to the minute, and "a" when a
// small step at its speed brings the separation nearer the exact angle, else "s".
std::vector<std::string> Esperadas(double lon, double vel, bool luminaria,
                                   const std::vector<Natal>& natales) {
    std::vector<std::string> lines;
    for (const Natal& n : natales) {
        for (int k = 0; k < 9; ++k) {
            const double orbe = kOrbes[k] + (luminaria || n.luminaria ? kMasLuminarias : 0);
            const double d = std::fabs(Sep(lon, n.lon) - kAngulos[k]);
            if (d > orbe) continue;
            // The program measures the separation in single precision: an orb within a hair of
            // half a minute may round either way, and is marked with "~" for Igual.
            const bool borde = std::fabs(std::fmod(d * 60, 1.0) - 0.5) < 0.01;
            const long min = std::lround(d * 60);
            const std::string mm = (min % 60 < 10 ? "0" : "") + std::to_string(min % 60);
            const double despues = std::fabs(Sep(lon + vel * 1e-3, n.lon) - kAngulos[k]);
            lines.push_back(std::string(borde ? "~" : " ") + " " + std::string(kNombres[k]) + " " +
                            n.texto + " " + std::to_string(min / 60) + "°" + mm + "'" +
                            (despues < d ? " a" : " s"));
            break;
        }
    }
    return lines;
}

// Whether a listed line is the expected one; a "~" line may differ by a minute in its orb.
bool Igual(const std::string& hallada, const std::string& esperada) {
    if (esperada[0] != '~') return hallada == esperada;
    const std::string e = " " + esperada.substr(1);
    const size_t grado = e.rfind("°");
    const size_t g2 = hallada.rfind("°");
    if (grado == std::string::npos || g2 == std::string::npos) return false;
    const size_t blanco = e.rfind(' ', grado), b2 = hallada.rfind(' ', g2);
    if (e.substr(0, blanco) != hallada.substr(0, b2)) return false;
    const auto minutos = [](const std::string& l, size_t b, size_t g) {
        return std::stol(l.substr(b + 1, g - b - 1)) * 60 + std::stol(l.substr(g + 2, 2));
    };
    return std::abs(minutos(e, blanco, grado) - minutos(hallada, b2, g2)) <= 1 &&
           e.back() == hallada.back();
}

void Comparar(const std::vector<std::string>& halladas, const std::vector<std::string>& esperadas,
              const std::string& donde) {
    ASSERT_EQ(halladas.size(), esperadas.size()) << donde;
    for (size_t i = 0; i < halladas.size(); ++i) {
        EXPECT_TRUE(Igual(halladas[i], esperadas[i]))
            << donde << ": " << halladas[i] << " / " << esperadas[i];
    }
}

// The aspect lines of a listing block: those that start with two blanks and a letter.
bool EsAspecto(const std::string& l) {
    return l.size() > 3 && l[0] == ' ' && l[1] == ' ' && l[2] != ' ';
}

// A transit listed with the predictive set: every body's lines are recomputed from its
// position and daily motion; with the default set the block is as it always was.
TEST(ListadosOrbes, TransitLinesFollowFromPositionsAndSpeeds) {
    SwissEphemeris eph;
    for (const char* file : {"Ana_Lucia_Ferreyra.dat", "Hiroshi_Tanaka.dat", "Kiri_Te_Rangi.dat"}) {
        NatalRecord rec;
        ASSERT_TRUE(ReadChartFile(kCarpeta, file, rec).ok);
        ChartTables t;
        t.natal.Puntos = *PuntosPorLista("todos", nullptr);
        CalcularNatal(rec, SistemaCasas::Placido, eph, t);
        const std::vector<Natal> natales = Natales(t.natal);
        int aspectos = 0;
        for (double jd = 2460000.5; jd < 2460400; jd += 37.3) {
            PlanetTable P = t.Planet;
            Planets(jd, eph, P);
            const std::vector<std::string> block =
                ListarTransitos("1 1 2024", "12 00", P, t.natal, "", Orbes::Predictivos);
            std::vector<std::string> esperado = {"  TRANSITOS", "   ", "Fecha:  1 1 2024",
                                                 "Hora:  12 00", "   "};
            for (int p = 1; p <= 10; ++p) {
                esperado.push_back(EtiquetaPlaneta(p) + " trans " + ZodiacString(P[p].Lon) +
                                   (P[p].Vel < 0 ? " r" : ""));
                for (const std::string& l : Esperadas(P[p].Lon, P[p].Vel, p <= 2, natales)) {
                    esperado.push_back(l);
                    ++aspectos;
                }
                esperado.push_back("   ");
            }
            esperado.push_back("   ");
            Comparar(block, esperado, std::string(file) + " jd " + std::to_string(jd));
            // The default set's block has no orbs.
            for (const std::string& l : ListarTransitos("1 1 2024", "12 00", P, t.natal)) {
                EXPECT_EQ(l.find("°"), std::string::npos) << l;
            }
        }
        EXPECT_GT(aspectos, 20) << file;
    }
}

struct Prog {
    SwissEphemeris eph;
    NatalRecord rec;
    ChartTables t;
    PredictiveState ps;

    Prog(const std::string& file, const char* puntos) {
        EXPECT_TRUE(ReadChartFile(kCarpeta, file, rec).ok);
        t.natal.Puntos = puntos ? *PuntosPorLista(puntos, nullptr) : PuntosPorDefecto();
        CalcularNatal(rec, SistemaCasas::Placido, eph, t);
    }
    void A(TipoTecnica tec, const std::string& fecha, bool conversa = false) {
        ps.Tecnica = tec;
        ps.FechaProgTexto = fecha;
        ps.Conversa = conversa;
        ps.Directa = !conversa;
        ChartTables copia = t;
        ASSERT_EQ(CalcularProgresion(ps, copia, rec, SistemaCasas::Placido, eph).estado,
                  ProgresionEstado::Calculada);
    }
};

// A progression listed with the predictive set: every point's lines are recomputed from its
// progressed position and motion. The motion's sign is checked against the same progression
// ten days later: a point that moves forwards has a positive motion.
TEST(ListadosOrbes, ProgressionLinesFollowFromPositionsAndMotion) {
    const TipoTecnica tecnicas[] = {TipoTecnica::ArcoSolar, TipoTecnica::GradoAnio,
                                    TipoTecnica::Secundaria, TipoTecnica::Primaria};
    for (TipoTecnica tec : tecnicas) {
        for (bool conversa : {false, true}) {
            if (conversa && tec == TipoTecnica::Primaria) continue;
            for (const char* fecha : {"3 3 2011", "20 8 2030"}) {
                Prog p("Ana_Lucia_Ferreyra.dat", "todos");
                p.A(tec, fecha, conversa);
                const ProgTables antes = p.ps.prog;
                const std::vector<std::string> lista =
                    ListarProgresion(tec, p.ps.Arco, p.ps, p.t.natal, Orbes::Predictivos);
                p.A(tec, AddDias(fecha), conversa);
                const ProgTables despues = p.ps.prog;

                std::vector<const ProgRec*> puntos, luego;
                for (int i = 1; i <= 10; ++i) {
                    puntos.push_back(&antes.PlanetaProg[i]);
                    luego.push_back(&despues.PlanetaProg[i]);
                }
                for (int c : {10, 1, 8, 9, 11, 12}) {
                    puntos.push_back(&antes.CuspideProg[c]);
                    luego.push_back(&despues.CuspideProg[c]);
                }
                ASSERT_EQ(antes.Extra.size(), despues.Extra.size());
                for (size_t e = 0; e < antes.Extra.size(); ++e) {
                    puntos.push_back(&antes.Extra[e]);
                    luego.push_back(&despues.Extra[e]);
                }
                const std::vector<Natal> natales = Natales(p.t.natal);
                std::vector<std::string> esperadas, halladas;
                for (size_t i = 0; i < puntos.size(); ++i) {
                    const double cambio = std::remainder(luego[i]->Lon - puntos[i]->Lon, 360.0);
                    // Cusps of the directed houses may stand still over ten days.
                    if (std::fabs(cambio) > 1e-4) {
                        EXPECT_EQ(cambio > 0, puntos[i]->Vel > 0) << puntos[i]->Texto;
                    }
                    for (const std::string& l :
                         Esperadas(puntos[i]->Lon, puntos[i]->Vel, i < 2, natales)) {
                        esperadas.push_back(l);
                    }
                }
                for (const std::string& l : lista) {
                    if (EsAspecto(l)) halladas.push_back(l);
                }
                Comparar(halladas, esperadas, std::string(FilaTecnica(tec).caption) + " " + fecha);
            }
        }
    }
}

// With every point, the progression listing gives the chart's other points after the sixteen:
// moved by the arc for the solar arc and a degree a year, from the progressed sky for the
// secondary progression's bodies (a direct call of the library at the progressed instant),
// the bodies only for primary directions.
TEST(ListadosOrbes, ExtraPointsInTheProgressionListing) {
    Prog p("Ana_Lucia_Ferreyra.dat", "todos");
    const std::vector<std::string> extra = {"QUI", "CER", "PAL", "JUN", "VES",
                                            "NDV", "LIL", "LIO", "VTX"};
    const auto natal = [&](const std::string& label) {
        for (size_t k = 0; k < p.t.natal.Puntos.size(); ++k) {
            if (FilaPunto(p.t.natal.Puntos[k]).Etiqueta == label)
                return p.t.natal.PlanetaNatal[k + 1].Lon;
        }
        return -1.0f;
    };
    for (TipoTecnica tec : {TipoTecnica::ArcoSolar, TipoTecnica::GradoAnio}) {
        p.A(tec, "14 2 2026");
        ASSERT_EQ(p.ps.prog.Extra.size(), extra.size());
        for (size_t e = 0; e < extra.size(); ++e) {
            const ProgRec& r = p.ps.prog.Extra[e];
            EXPECT_EQ(r.Texto.rfind(extra[e] + " prog ", 0), 0u) << r.Texto;
            EXPECT_NEAR(std::remainder(r.Lon - natal(extra[e]) - p.ps.Arco, 360.0), 0, 1e-3);
        }
    }
    p.A(TipoTecnica::Secundaria, "14 2 2026");
    ASSERT_EQ(p.ps.prog.Extra.size(), extra.size());
    const double instante =
        p.t.natal.NatalJD0 + p.ps.Edad + (p.rec.NatalHour + p.rec.ZoneHours) / 24.0;
    const int32 cuerpos[] = {SE_CHIRON, SE_CERES,     SE_PALLAS,    SE_JUNO,
                             SE_VESTA,  SE_TRUE_NODE, SE_MEAN_APOG, SE_OSCU_APOG};
    for (size_t e = 0; e < 8; ++e) {
        double xx[6];
        char serr[AS_MAXCH];
        ASSERT_NE(swe_calc_ut(instante, cuerpos[e], SEFLG_SWIEPH | SEFLG_SPEED, xx, serr), ERR);
        EXPECT_NEAR(std::remainder(p.ps.prog.Extra[e].Lon - xx[0], 360.0), 0, 1e-3) << extra[e];
        EXPECT_EQ(p.ps.prog.Extra[e].Texto.back() == 'r', xx[3] < 0) << extra[e];
    }
    EXPECT_NEAR(std::remainder(p.ps.prog.Extra[8].Lon - natal("VTX") - p.ps.Arco, 360.0), 0, 1e-3);
    const std::vector<std::string> lista =
        ListarProgresion(p.ps.Tecnica, p.ps.Arco, p.ps, p.t.natal);
    const auto qui = std::find(lista.begin(), lista.end(), p.ps.prog.Extra[0].Texto);
    ASSERT_NE(qui, lista.end());
    // After the sixteen points' blocks.
    const auto c12 = std::find(lista.begin(), lista.end(), p.ps.prog.CuspideProg[12].Texto);
    EXPECT_LT(c12, qui);

    p.A(TipoTecnica::Primaria, "14 2 2026");
    ASSERT_EQ(p.ps.prog.Extra.size(), 8u);  // no Vertex
    EXPECT_EQ(p.ps.prog.Extra.back().Texto.rfind("LIO prog ", 0), 0u);

    // A chart of the default points has no extra points and lists sixteen blocks.
    Prog d("Ana_Lucia_Ferreyra.dat", nullptr);
    d.A(TipoTecnica::Secundaria, "14 2 2026");
    EXPECT_TRUE(d.ps.prog.Extra.empty());
}

}  // namespace
}  // namespace natalis
