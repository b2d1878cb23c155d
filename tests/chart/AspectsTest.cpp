#include <gtest/gtest.h>

#include "ScriptedChart.h"
#include "chart/Aspects.h"

namespace natalis {
namespace {

TEST(TablaAspectos, NamesAnglesAndOrbs) {
    const struct {
        const char* name;
        int angle;
        double orb;
    } expected[] = {{"Smsx", 30, 2.1}, {"Conj", 0, 7},     {"Sext", 60, 5.25},
                    {"Cuad", 90, 7},   {"Trig", 120, 7},   {"Opos", 180, 7},
                    {"Smcd", 45, 2.1}, {"Sqcd", 135, 2.1}, {"Quin", 150, 2.1}};
    for (int k = 0; k < kNumAspectos; ++k) {
        EXPECT_STREQ(TablaAspectos[k].Nombre, expected[k].name) << k;
        EXPECT_EQ(TablaAspectos[k].Angulo, expected[k].angle) << k;
        EXPECT_NEAR(OrbeAspecto(k), expected[k].orb, 1e-12) << k;
    }
}

struct PairCase {
    double lon1, lon2;
    const char* aspect;  // nullptr: none
};

TEST(BuscarAspecto, SeparationsAtTheEdgesOfTheOrbs) {
    // Hand computations of the separation against angle +- orb.
    const PairCase cases[] = {
        {10, 123, "Trig"},                             // 113: exactly 7 short of a trine
        {10, 137, "Trig"},                             // 127: exactly 7 past
        {10, 137.01, nullptr},                         // 127.01
        {0, 97, "Cuad"},                               // 90 + 7
        {0, 97.01, nullptr},                           // past the square, 15.99 short of the trine
        {359, 1, "Conj"},                              // 2 apart across 0 Aries
        {1, 359, "Conj"},      {10, 42, "Smsx"},       // 32 <= 30 + 2.1
        {10, 42.2, nullptr},                           // 32.2
        {0, 51, nullptr},                              // between the semisquare and sextile windows
        {100, 145, "Smcd"},    {100, 154.75, "Sext"},  // 54.75 = 60 - 5.25
        {100, 154.7, nullptr}, {10, 250, "Trig"},      // 240 the long way is 120 the short way
        {350, 170.5, "Opos"},                          // 179.5
        {0, 187, "Opos"},                              // 187 the long way is 173
        {0, 187.01, nullptr},                          // 172.99
        {20, 172, "Quin"},                             // 152 = 150 + 2.1 - 0.1
        {20, 155, "Sqcd"},                             // 135
    };
    for (const PairCase& c : cases) {
        const int k = BuscarAspecto(c.lon1, c.lon2);
        if (c.aspect == nullptr) {
            EXPECT_EQ(k, -1) << c.lon1 << " " << c.lon2;
        } else {
            ASSERT_GE(k, 0) << c.lon1 << " " << c.lon2;
            EXPECT_STREQ(TablaAspectos[k].Nombre, c.aspect) << c.lon1 << " " << c.lon2;
        }
    }
}

TEST(CompararAspecto, BothBoundsInclusiveAndFalseResetsTheFlag) {
    bool hay = false;
    CompararAspecto(0, 8, 10, 2, hay);
    EXPECT_TRUE(hay);
    CompararAspecto(0, 12, 10, 2, hay);
    EXPECT_TRUE(hay);
    CompararAspecto(0, 12.5, 10, 2, hay);
    EXPECT_FALSE(hay);
}

// A chart typed by hand so that its pairs hit the orb edges; every aspect below was worked
// out by hand from the separations.
NatalTables AspectChart() {
    NatalTables t = ScriptedTables({
        {10.0f, "10Ari00", 1.0f},    // SOL
        {123.0f, "03Leo00", 13.0f},  // LUN
        {137.01f, "17Leo01", 1.2f},  // MER
        {42.0f, "12Tau00", 1.1f},    // VEN
        {42.2f, "12Tau12", -0.3f},   // MAR, retrograde
        {359.0f, "29Psc00", 0.1f},   // JUP
        {1.0f, "01Ari00", -0.05f},   // SAT, retrograde
        {250.0f, "10Sag00", 0.02f},  // URA
        {300.0f, "00Aqu00", 0.01f},  // NEP
        {235.0f, "25Sco00", 0.01f},  // PLU
        {10.0f, "10Ari00", 0.0f},    // NOD: conjunct the Sun, but never listed
        {123.0f, "03Leo00", 0.0f},   // PF: trine the Sun, but never listed
    });
    t.CuspideNatal[10].Lon = 280;
    t.CuspideNatal[10].Texto = "MC 10Cap00";
    t.CuspideNatal[1].Lon = 20;
    t.CuspideNatal[1].Texto = "ASC 20Ari00";
    return t;
}

TEST(ListarAspectos, ExactLinesOfAScriptedChart) {
    const std::string rule = "————————————";
    const std::vector<std::string> expected = {rule,
                                               "   ",
                                               "  MC 10Cap00",
                                               "  ASC 20Ari00",
                                               "   ",
                                               rule,
                                               "   ",
                                               "ASPECTOS NATALES",
                                               "   ",
                                               "SOL 10Ari00",
                                               "  Trig LUN 03Leo00",
                                               "  Smsx VEN 12Tau00",
                                               "  Trig URA 10Sag00",
                                               "  Sqcd PLU 25Sco00",
                                               "  Cuad MC 10Cap00",
                                               "   ",
                                               "LUN 03Leo00",
                                               "  Trig SOL 10Ari00",
                                               "  Trig JUP 29Psc00",
                                               "  Trig SAT 01Ari00",
                                               "  Trig URA 10Sag00",
                                               "  Opos NEP 00Aqu00",
                                               "   ",
                                               "MER 17Leo01",
                                               "  Cuad VEN 12Tau00",
                                               "  Cuad MAR 12Tau12",
                                               "  Sqcd SAT 01Ari00",
                                               "  Trig ASC 20Ari00",
                                               "   ",
                                               "VEN 12Tau00",
                                               "  Smsx SOL 10Ari00",
                                               "  Cuad MER 17Leo01",
                                               "  Conj MAR 12Tau12",
                                               "  Smcd JUP 29Psc00",
                                               "  Quin URA 10Sag00",
                                               "  Trig MC 10Cap00",
                                               "   ",
                                               "MAR 12Tau12 r",
                                               "  Cuad MER 17Leo01",
                                               "  Conj VEN 12Tau00",
                                               "  Smcd JUP 29Psc00",
                                               "  Trig MC 10Cap00",
                                               "   ",
                                               "JUP 29Psc00",
                                               "  Trig LUN 03Leo00",
                                               "  Smcd VEN 12Tau00",
                                               "  Smcd MAR 12Tau12",
                                               "  Conj SAT 01Ari00",
                                               "  Sext NEP 00Aqu00",
                                               "  Trig PLU 25Sco00",
                                               "   ",
                                               "SAT 01Ari00 r",
                                               "  Trig LUN 03Leo00",
                                               "  Sqcd MER 17Leo01",
                                               "  Conj JUP 29Psc00",
                                               "  Sext NEP 00Aqu00",
                                               "  Trig PLU 25Sco00",
                                               "   ",
                                               "URA 10Sag00",
                                               "  Trig SOL 10Ari00",
                                               "  Trig LUN 03Leo00",
                                               "  Quin VEN 12Tau00",
                                               "  Smsx MC 10Cap00",
                                               "   ",
                                               "NEP 00Aqu00",
                                               "  Opos LUN 03Leo00",
                                               "  Sext JUP 29Psc00",
                                               "  Sext SAT 01Ari00",
                                               "  Sext PLU 25Sco00",
                                               "   ",
                                               "PLU 25Sco00",
                                               "  Sqcd SOL 10Ari00",
                                               "  Trig JUP 29Psc00",
                                               "  Trig SAT 01Ari00",
                                               "  Sext NEP 00Aqu00",
                                               "  Smcd MC 10Cap00",
                                               "   ",
                                               "   "};
    EXPECT_EQ(ListarAspectos(AspectChart()), expected);
}

}  // namespace
}  // namespace natalis
