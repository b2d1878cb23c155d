#include <gtest/gtest.h>

#include "ScriptedChart.h"
#include "chart/ListadoNatal.h"

namespace natalis {
namespace {

NatalTables ListingChart() {
    NatalTables t = ScriptedTables({
        {10.0f, "10Ari00", 1.0f},
        {123.0f, "03Leo00", 13.0f},
        {137.01f, "17Leo01", -1.2f},  // MER, retrograde
        {42.0f, "12Tau00", 1.1f},
        {42.2f, "12Tau12", 0.3f},
        {359.0f, "29Psc00", 0.1f},
        {1.0f, "01Ari00", -0.05f},  // SAT, retrograde
        {250.0f, "10Sag00", 0.02f},
        {300.0f, "00Aqu00", 0.01f},
        {235.0f, "25Sco00", 0.0f},  // PLU, stationary: not marked
        {10.0f, "10Ari00", 0.0f},
        {123.0f, "03Leo00", 0.0f},
    });
    const char* cusps[13] = {"",           "ASC 20Ari00", "C2 18Tau00", "C3 14Gem00", "C4 10Can00",
                             "C5 12Leo00", "C6 16Vir00",  "C7 20Lib00", "C8 18Sco00", "C9 14Sag00",
                             "MC 10Cap00", "C11 12Aqu00", "C12 16Psc00"};
    for (int i = 1; i <= 12; ++i) t.CuspideNatal[i].Texto = cusps[i];
    return t;
}

TEST(ListadoNatal, TitlePointsAndCusps) {
    const std::vector<std::string> expected = {"LISTADO NATAL",
                                               "",
                                               "SOL 10Ari00",
                                               "LUN 03Leo00",
                                               "MER 17Leo01 r",
                                               "VEN 12Tau00",
                                               "MAR 12Tau12",
                                               "JUP 29Psc00",
                                               "SAT 01Ari00 r",
                                               "URA 10Sag00",
                                               "NEP 00Aqu00",
                                               "PLU 25Sco00",
                                               "NOD 10Ari00",
                                               "PF 03Leo00",
                                               "",
                                               "ASC 20Ari00",
                                               "C2 18Tau00",
                                               "C3 14Gem00",
                                               "C4 10Can00",
                                               "C5 12Leo00",
                                               "C6 16Vir00",
                                               "C7 20Lib00",
                                               "C8 18Sco00",
                                               "C9 14Sag00",
                                               "MC 10Cap00",
                                               "C11 12Aqu00",
                                               "C12 16Psc00",
                                               ""};
    EXPECT_EQ(ListadoNatal(ListingChart()), expected);
}

TEST(ListadoNatal, PorphyryFallbackIsNamedAfterTheCusps) {
    NatalTables t = ListingChart();
    for (char used : {'P', 'K', 'R'}) {
        t.Casas = {*CasasPorLetra(std::string(1, used)), false};
        EXPECT_EQ(ListadoNatal(t).size(), 28u) << used;
    }
    t.Casas = {SistemaCasas::Placido, true};
    const std::vector<std::string> lines = ListadoNatal(t);
    ASSERT_EQ(lines.size(), 29u);
    EXPECT_EQ(lines[26], "C12 16Psc00");
    EXPECT_EQ(lines[27], "Casas: Porfirio");
    EXPECT_EQ(lines[28], "");
}

}  // namespace
}  // namespace natalis
