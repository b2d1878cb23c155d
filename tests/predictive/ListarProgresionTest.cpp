#include <gtest/gtest.h>

#include <algorithm>

#include "PredictiveFixture.h"
#include "predictive/CalcularProgresion.h"
#include "predictive/ListarProgresion.h"

namespace natalis {
namespace {

using testing::NatalesFijas;

// Natal points well apart: bodies at 5, 40, 75 ... degrees, cusps at 8, 100, 170, 200, 230,
// 260 (points 11..16).
std::array<float, 17> LonsSeparadas() {
    std::array<float, 17> l{};
    for (int i = 1; i <= 10; ++i) l[i] = 5.0f + 35.0f * (i - 1);
    const float cusps[6] = {8, 100, 170, 200, 230, 260};
    for (int j = 0; j < 6; ++j) l[11 + j] = cusps[j];
    return l;
}

// The progressed points of a technique other than primary directions for an arc.
PredictiveState Progresado(const NatalTables& natal, const std::string& tecnica, float arco) {
    PredictiveState ps;
    ps.Tecnica = *TecnicaPorCaption(tecnica);
    CuspTable cusp{};
    for (int i = 1; i <= 12; ++i) cusp[i] = natal.CuspideNatal[i].Lon;
    PlanetTable planet{};
    for (int i = 1; i <= 10; ++i) planet[i].Lon = natal.PlanetaNatal[i].Lon + arco;
    PosicionesProgresadas(arco, ps.Tecnica, false, natal, cusp, planet, ps.prog);
    return ps;
}

std::vector<std::string> Cabecera(const std::vector<std::string>& lista) {
    // The header ends before the first progressed point's line.
    auto it = std::find_if(lista.begin(), lista.end(),
                           [](const std::string& s) { return s.rfind("SOL prog ", 0) == 0; });
    return {lista.begin(), it};
}

TEST(ListarProgresion, HeaderOfEachTechnique) {
    const NatalTables natal = NatalesFijas(LonsSeparadas());
    struct Caso {
        std::string tecnica;
        bool conversa, horaSolar;
        int elegida;
        float edad, arco;
        std::vector<std::string> cabecera;
    };
    const Caso casos[] = {
        {"Grado x Año",
         false,
         false,
         0,
         30.25f,
         30.25f,
         {"PROGRESION", "Grado x Año", "   ", "Fecha:  1 1 2030", "Edad :  30.25 años.",
          "arco :  30.25 grados", "   ", "   "}},
        {"Arco Solar",
         true,
         false,
         0,
         30.25f,
         -29.571f,
         {"PROGRESION", "Arco Solar converso", "   ", "Fecha:  1 1 2030", "Edad :  30.25 años.",
          "arco :  -29.57 grados", "   ", "   "}},
        // No converse line and no arc for primary directions, whatever Conversa holds.
        {"Primaria",
         true,
         false,
         0,
         -10.5f,
         -10.5f,
         {"PROGRESION", "   PRIMARIA", "   ", "Fecha:  1 1 2030", "Edad :  -10.5 años.", "   ",
          "   "}},
        {"Primaria", false, true, 2, 31, 31, {"PROGRESION", "HORA SOLAR", " Mediodía", "  "}},
        {"Primaria", false, true, 4, 31, 31, {"PROGRESION", "HORA SOLAR", " Medianoche", "  "}},
        {"Primaria", false, true, 0, 31, 31, {"PROGRESION", "HORA SOLAR", "  "}},
    };
    for (const Caso& c : casos) {
        PredictiveState ps = Progresado(natal, c.tecnica, c.arco);
        ps.Conversa = c.conversa;
        if (c.horaSolar) ps.HoraSolar = HoraSolarPedida{c.elegida, ""};
        ps.FechaProgTexto = "1 1 2030";
        ps.Edad = c.edad;
        EXPECT_EQ(Cabecera(ListarProgresion(ps.Tecnica, c.arco, ps, natal)), c.cabecera)
            << c.tecnica;
    }
}

TEST(ListarProgresion, SixteenBlocksEachPointMeetingItsOwnNatalPlace) {
    const NatalTables natal = NatalesFijas(LonsSeparadas());
    const PredictiveState ps = Progresado(natal, "Grado x Año", 0);
    const auto lista = ListarProgresion(TipoTecnica::GradoAnio, 0, ps, natal);
    // Arc 0: every progressed point stands on its natal place, so each block lists "Conj"
    // with that natal point, and each natal partner at most once.
    size_t i = Cabecera(lista).size();
    const char* primeras[4] = {"SOL prog ", "MC prog ", "ASC prog ", "C8 prog "};
    const int indicePrimeras[4] = {1, 11, 12, 13};
    for (int p = 1; p <= 16; ++p) {
        ASSERT_LT(i, lista.size());
        const std::string& natalTexto = *PuntoNatalListado(natal, p).Texto;
        // The progressed line shows the natal position after its own label.
        EXPECT_EQ(lista[i].substr(lista[i].size() - 7), natalTexto.substr(natalTexto.size() - 7));
        for (int j = 0; j < 4; ++j) {
            if (indicePrimeras[j] == p) {
                EXPECT_EQ(lista[i].rfind(primeras[j], 0), 0u) << p;
            }
        }
        std::vector<std::string> bloque;
        for (++i; i < lista.size() && lista[i] != "   "; ++i) bloque.push_back(lista[i]);
        ++i;
        EXPECT_NE(std::find(bloque.begin(), bloque.end(), "  Conj " + natalTexto), bloque.end())
            << p;
        for (int n = 1; n <= 16; ++n) {
            const std::string& t = *PuntoNatalListado(natal, n).Texto;
            EXPECT_LE(std::count_if(bloque.begin(), bloque.end(),
                                    [&](const std::string& s) {
                                        return s.size() > t.size() &&
                                               s.compare(s.size() - t.size(), t.size(), t) == 0;
                                    }),
                      1)
                << p << " " << n;
        }
    }
    EXPECT_EQ(i + 1, lista.size());
    EXPECT_EQ(lista.back(), "   ");
}

TEST(ListarProgresion, OrbHalvedOnceTheProgressedDegreeHasPassed) {
    // Natal Sun at 100.0 (degree 10). A progressed Sun 1.4 before it (degree 9) is within
    // the full orb 1.5; 1.4 after it (degree 11) the orb is halved to 0.75.
    auto lons = LonsSeparadas();
    lons[1] = 100;
    lons[12] = 300;  // keep the ASC away
    const NatalTables natal = NatalesFijas(lons);
    for (const auto& [arco, listado] :
         std::vector<std::pair<float, bool>>{{-1.4f, true}, {1.4f, false}}) {
        const PredictiveState ps = Progresado(natal, "Arco Solar", arco);
        const auto lista = ListarProgresion(TipoTecnica::ArcoSolar, arco, ps, natal);
        const bool hay = std::find(lista.begin(), lista.end(),
                                   "  Conj " + natal.PlanetaNatal[1].Texto) != lista.end();
        EXPECT_EQ(hay, listado) << arco;
    }
}

TEST(ListarProgresion, PrimaryDirectionsUseTheFixedWindow) {
    // Natal Sun at 100.0 (degree 10). Primary directions take a sextile from 59 to 61.5
    // degrees whatever the degrees within the sign; the other techniques take 60 +- 1.5,
    // halved to 0.75 when the progressed degree is past the natal one.
    auto lons = LonsSeparadas();
    lons[1] = 100;
    const NatalTables natal = NatalesFijas(lons);
    struct Caso {
        float arco;
        std::string tecnica;
        bool listado;
    };
    const Caso casos[] = {
        {58.9f, "Primaria", false},    {58.9f, "Grado x Año", true}, {61.4f, "Primaria", true},
        {61.4f, "Grado x Año", false}, {59.0f, "Primaria", true},    {61.6f, "Primaria", false},
    };
    for (const Caso& c : casos) {
        const PredictiveState ps = Progresado(natal, "Grado x Año", c.arco);
        const auto lista = ListarProgresion(*TecnicaPorCaption(c.tecnica), c.arco, ps, natal);
        const auto linea = std::find(lista.begin(), lista.end(), ps.prog.PlanetaProg[1].Texto);
        ASSERT_NE(linea, lista.end());
        EXPECT_EQ(*(linea + 1) == "  Sext " + natal.PlanetaNatal[1].Texto, c.listado)
            << c.tecnica << " " << c.arco;
    }
}

TEST(ListarProgresion, ProgressedCuspsEightNineElevenTwelveTakeTheNarrowOrb) {
    // Natal Mars at 145 (degree 25). Every listed progressed cusp at 143.8 (degree 24, not
    // past the natal one) is 1.2 degrees short of a conjunction: within 1.5 for the MC and
    // the ASC, outside 1.5 * 0.67 = 1.005 for cusps 8, 9, 11 and 12 (hand computation).
    const NatalTables natal = NatalesFijas(LonsSeparadas());
    PredictiveState ps;
    ps.Tecnica = TipoTecnica::ArcoSolar;
    CuspTable cusp{};
    for (int i = 1; i <= 12; ++i) cusp[i] = natal.CuspideNatal[i].Lon;
    for (const int c : kCuspidesListadas) cusp[c] = 143.8f;
    PlanetTable planet{};
    PosicionesProgresadas(0, ps.Tecnica, false, natal, cusp, planet, ps.prog);
    const auto lista = ListarProgresion(ps.Tecnica, 0, ps, natal);
    const std::string conj = "  Conj " + natal.PlanetaNatal[5].Texto;
    for (const int c : kCuspidesListadas) {
        auto it = std::find(lista.begin(), lista.end(), ps.prog.CuspideProg[c].Texto);
        ASSERT_NE(it, lista.end()) << c;
        auto fin = std::find(it, lista.end(), "   ");
        EXPECT_EQ(std::find(it, fin, conj) != fin, c == 10 || c == 1) << "cusp " << c;
    }
}

TEST(OrbeListado, HalvingRulesOfBothListings) {
    struct Caso {
        float base, factor;
        int k, gA, gB;
        float orbe;
    };
    // Hand computation from the halving rules: progressions 1.5 (cusps 8, 9, 11, 12:
    // 1.5 * 0.67) halved when the progressed degree is past the natal one; transits 2,
    // times 0.7; the 45 and 135 degree aspects halved once the degree numbers have passed
    // their 15-degree difference.
    const Caso casos[] = {
        {1.5f, 0.5f, 1, 11, 10, 0.75f},        {1.5f, 0.5f, 1, 10, 10, 1.5f},
        {1.5f, 0.5f, 8, 12, 3, 0.75f},         {1.5f * 0.67f, 0.5f, 3, 5, 4, 0.5025f},
        {1.5f * 0.67f, 0.5f, 3, 4, 5, 1.005f}, {1.5f, 0.5f, 6, 20, 3, 0.75f},
        {1.5f, 0.5f, 6, 18, 3, 1.5f},          {1.5f, 0.5f, 7, 3, 17, 0.75f},
        {1.5f, 0.5f, 7, 3, 18, 1.5f},          {1.5f, 0.5f, 6, 10, 10, 0.75f},
        {2.0f, 0.7f, 0, 12, 10, 1.4f},         {2.0f, 0.7f, 5, 10, 12, 2.0f},
        {2.0f, 0.7f, 7, 29, 13, 1.0f},
    };
    for (const Caso& c : casos) {
        EXPECT_NEAR(OrbeListado(c.base, c.factor, c.k, c.gA, c.gB), c.orbe, 1e-6)
            << c.k << " " << c.gA << " " << c.gB;
    }
}

}  // namespace
}  // namespace natalis
