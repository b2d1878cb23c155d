// The headless commands --lugar and --huso: what they print and their exit codes.
#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "app/cli/HeadlessAtlas.h"
#include "app/model/UserPlaces.h"
#include "tests/app/TempFolder.h"
#include "tests/app/cli/HeadlessRun.h"

namespace natalis {
namespace {

std::vector<std::string> Tabs(const std::string& line) {
    std::vector<std::string> f;
    std::size_t at = 0;
    for (std::size_t tab; (tab = line.find('\t', at)) != std::string::npos; at = tab + 1) {
        f.push_back(line.substr(at, tab - at));
    }
    f.push_back(line.substr(at));
    return f;
}

class LugarCommand : public testing::Test {
  protected:
    Outcome Lugar(const std::string& text) {
        return Invoke(natalis::HeadlessLugar, {"--lugar", text, "--folder", charts_.path()});
    }
    TempFolder charts_;
};

TEST_F(LugarCommand, PrintsHomonymsBestFirstWithRegionCountryAndZone) {
    // GeoNames (cities500.txt): Córdoba AR -31.4135 -64.18105; Córdoba ES 37.89155 -4.77275.
    const Outcome o = Lugar("cordoba");
    EXPECT_EQ(o.code, 0);
    EXPECT_EQ(o.err, "");
    const std::vector<std::string> lines = Lines(o.out);
    ASSERT_GE(lines.size(), 2u);
    EXPECT_EQ(lines[0],
              "Córdoba\tCórdoba\tArgentina\t-31.4135\t-64.1810\tAmerica/Argentina/Cordoba");
    EXPECT_EQ(lines[1], "Córdoba\tAndalucía\tEspaña\t37.8916\t-4.7728\tEurope/Madrid");
    for (const std::string& l : lines) EXPECT_EQ(Tabs(l).size(), 6u) << l;
}

TEST_F(LugarCommand, PrintsAtMostTwentyPlaces) {
    const Outcome o = Lugar("san");
    EXPECT_EQ(o.code, 0);
    EXPECT_EQ(Lines(o.out).size(), 20u);
}

TEST_F(LugarCommand, EastAndNorthArePositive) {
    const std::vector<std::string> f = Tabs(Lines(Lugar("Múnich").out).at(0));
    ASSERT_EQ(f.size(), 6u);
    EXPECT_EQ(f[0], "Múnich");
    EXPECT_EQ(f[3], "48.1374");  // 48.13743 N
    EXPECT_EQ(f[4], "11.5755");  // 11.57549 E
    const std::vector<std::string> s = Tabs(Lines(Lugar("buenos aires").out).at(0));
    EXPECT_EQ(s[3].front(), '-');
    EXPECT_EQ(s[4].front(), '-');
}

TEST_F(LugarCommand, SearchesTheUsersPlacesOfTheChartFolder) {
    ASSERT_TRUE(SaveUserPlace(charts_.path(), {"Villa Gesell", "Buenos Aires", "Argentina", -37.263,
                                               -56.973, "America/Argentina/Buenos_Aires"})
                    .ok);
    // Ours first, then GeoNames' own Villa Gesell (3427431, -37.26394 -56.97304).
    const Outcome o = Lugar("gesell");
    EXPECT_EQ(o.code, 0);
    EXPECT_EQ(o.out,
              "Villa Gesell\tBuenos Aires\tArgentina\t-37.2630\t-56.9730\t"
              "America/Argentina/Buenos_Aires\n"
              "Villa Gesell\tBuenos Aires\tArgentina\t-37.2639\t-56.9730\t"
              "America/Argentina/Buenos_Aires\n");
}

TEST_F(LugarCommand, NothingFoundIsExitOneSayingWhatToDo) {
    const Outcome o = Lugar("qwxzv");
    EXPECT_EQ(o.code, 1);
    EXPECT_EQ(o.out, "");
    EXPECT_EQ(o.err,
              "No se encontró «qwxzv» en el atlas: escriba la latitud y la longitud del lugar, "
              "elija su zona horaria en la lista de zonas y, si quiere, guárdelo con «Agregar a "
              "mis lugares».\n");
}

// Villages, accents typed or not, homonyms told apart (GeoNames, cities500.txt).
TEST_F(LugarCommand, FindsVillagesWithOrWithoutAccents) {
    struct Case {
        const char* typed;
        const char* first;
    } cases[] = {
        {"Carcabuey", "Carcabuey\tAndalucía\tEspaña\t37.4442\t-4.2747\tEurope/Madrid"},
        {"tafi del valle",
         "Tafí del Valle\tTucumán\tArgentina\t-26.8528\t-65.7098\tAmerica/Argentina/Tucuman"},
        {"Chascomús",
         "Chascomús\tBuenos Aires\tArgentina\t-35.5730\t-58.0081\t"
         "America/Argentina/Buenos_Aires"},
        {"cordoba espana", "Córdoba\tAndalucía\tEspaña\t37.8916\t-4.7728\tEurope/Madrid"},
    };
    for (const Case& c : cases) {
        const Outcome o = Lugar(c.typed);
        EXPECT_EQ(o.code, 0) << c.typed;
        EXPECT_EQ(o.err, "") << c.typed;
        ASSERT_FALSE(Lines(o.out).empty()) << c.typed;
        EXPECT_EQ(Lines(o.out)[0], c.first);
    }
}

TEST_F(LugarCommand, AWrongOptionIsExitTwoWithTheUsage) {
    for (const Args& args :
         {Args{"--lugar"}, Args{"--lugar", "--folder", "x"},
          Args{"--lugar", "cordoba", "--otra", "x"}, Args{"--lugar", "cordoba", "--folder"}}) {
        const Outcome o = Invoke(natalis::HeadlessLugar, args);
        EXPECT_EQ(o.code, 2);
        EXPECT_EQ(o.out, "");
        EXPECT_EQ(o.err, UsageText());
    }
}

// --huso: expected values from the tz database source (tzdata.zi lines in each row).
TEST(HusoCommand, PrintsOffsetAbbreviationAndKind) {
    struct Case {
        Args args;
        const char* out;
        const char* source;
    } cases[] = {
        {{"--huso", "Europe/Madrid", "--fecha", "15 7 2024", "--hora", "12 00 00"},
         "+02:00:00\tCEST\tverano\n",
         "R E 1981 ma - Mar lastSu 1u 1 S"},
        {{"--huso", "Europe/Madrid", "--fecha", "15 1 2024", "--hora", "12 00 00"},
         "+01:00:00\tCET\tnormal\n",
         "Z Europe/Madrid ... 1 E CE%sT"},
        {{"--huso", "Asia/Kathmandu", "--fecha", "1/1/2000", "--hora", "08 30"},
         "+05:45:00\t+0545\tnormal\n",
         "Z Asia/Kathmandu ... 5:45 - %z"},
        {{"--huso", "America/Caracas", "--fecha", "1 6 2010", "--hora", "12 00 00"},
         "-04:30:00\t-0430\tnormal\n",
         "Z America/Caracas ... -4:30 - %z 2016 May 1 2:30"},
        {{"--huso", "Europe/Amsterdam", "--fecha", "15 1 1935", "--hora", "12 00 00"},
         "+00:19:32\tAMT\tnormal\n",
         "Z Europe/Amsterdam ... 0:19:32 N %s 1937 Jul"},
        {{"--huso", "Europe/Madrid", "--fecha", "1 6 1890", "--hora", "12 00 00"},
         "-00:14:44\tLMT\thora media local\n",
         "Z Europe/Madrid -0:14:44 - LMT 1901 Ja 1 0u"},
        // Seville's own mean time: 5.9845 W * 240 s = -1436.28 s.
        {{"--huso", "Europe/Madrid", "--fecha", "1 6 1890", "--hora", "12 00 00", "--longitud",
          "-5.9845"},
         "-00:23:56\tLMT\thora media local\n",
         "Z Europe/Madrid -0:14:44 - LMT 1901 Ja 1 0u"},
        // A longitude changes nothing outside local mean time.
        {{"--huso", "Europe/Madrid", "--longitud", "-5.9845", "--fecha", "15 1 2024", "--hora",
          "12 00 00"},
         "+01:00:00\tCET\tnormal\n",
         "Z Europe/Madrid ... 1 E CE%sT"},
        {{"--huso", "Europe/Madrid", "--fecha", "27 10 2024", "--hora", "02 30 00"},
         "+02:00:00\tCEST\tverano\n+01:00:00\tCET\tnormal\n",
         "R E 1996 ma - O lastSu 1u 0 -"},
    };
    for (const Case& c : cases) {
        const Outcome o = Invoke(natalis::HeadlessHuso, c.args);
        EXPECT_EQ(o.code, 0) << c.source << ": " << o.err;
        EXPECT_EQ(o.out, c.out) << c.source;
        EXPECT_EQ(o.err, "") << c.source;
    }
}

TEST(HusoCommand, ASkippedClockTimeIsExitThreeNamingTheGap) {
    const Outcome o = Invoke(natalis::HeadlessHuso, {"--huso", "Pacific/Apia", "--fecha",
                                                     "30 12 2011", "--hora", "12 00 00"});
    EXPECT_EQ(o.code, 3);
    EXPECT_EQ(o.out, "");
    EXPECT_EQ(o.err,
              "La hora 12:00:00 del 30 12 2011 no existe en Pacific/Apia: los relojes pasaron de "
              "30 12 2011 00:00:00 (-10) a 31 12 2011 00:00:00 (+14), un salto de 24:00:00.\n");
}

TEST(HusoCommand, BadZoneDateOrHourIsExitTwoWithTheProgramsMessage) {
    struct Case {
        Args args;
        std::string err;
    } cases[] = {
        {{"--huso", "Europe/Atlantida", "--fecha", "1 1 2000", "--hora", "12 00"},
         "La zona «Europe/Atlantida» no está en la base de datos de husos horarios.\n"},
        {{"--huso", "Europe/Madrid", "--fecha", "32 1 2000", "--hora", "12 00"},
         "Dia 32 es incorrecto.\n"},
        {{"--huso", "Europe/Madrid", "--fecha", "1 13 2000", "--hora", "12 00"},
         " Mes 13 es incorrecto.\n"},
        {{"--huso", "Europe/Madrid", "--fecha", "1 1 3001", "--hora", "12 00"},
         " El rango de años del programa es: -3000 á 3000 años  \n"},
        {{"--huso", "Europe/Madrid", "--fecha", "1012000", "--hora", "12 00"},
         "La fecha debe escribirse como dia mes año, por ejemplo 5 3 1999.\n"},
        {{"--huso", "Europe/Madrid", "--fecha", "0 1 2000", "--hora", "12 00"},
         "Falta el número de día\n"},
        {{"--huso", "Europe/Madrid", "--fecha", "5 0 2000", "--hora", "12 00"},
         "Falta el número de mes\n"},
        {{"--huso", "Europe/Madrid", "--fecha", "30 2 2000", "--hora", "12 00"},
         "Dia 30 es incorrecto: febrero de 2000 tiene 29 días.\n"},
        {{"--huso", "Europe/Madrid", "--fecha", "1 1 2000", "--hora", "24 00"},
         " 24 horas no es correcto.\n"},
        {{"--huso", "Europe/Madrid", "--fecha", "1 1 2000", "--hora", "12 60"},
         " 60 minutos no es correcto.\n"},
        {{"--huso", "Europe/Madrid", "--fecha", "1 1 2000", "--hora", "1430"},
         "Las horas son de 0 á 23\n"},
        {{"--huso", "Europe/Madrid", "--fecha", "1 1 2000", "--hora", "12 00", "--longitud", "3,5"},
         "La longitud «3,5» no es un número de grados (este positivo).\n"},
        {{"--huso", "Europe/Madrid", "--fecha", "1 1 1890", "--hora", "12 00", "--longitud", "190"},
         "La longitud debe estar entre -180 y 180 grados.\n"},
    };
    for (const Case& c : cases) {
        const Outcome o = Invoke(natalis::HeadlessHuso, c.args);
        EXPECT_EQ(o.code, 2) << c.err;
        EXPECT_EQ(o.out, "") << c.err;
        EXPECT_EQ(o.err, c.err);
    }
}

TEST(HusoCommand, MissingOrRepeatedOptionsGiveTheUsage) {
    for (const Args& args : {Args{"--huso"}, Args{"--huso", "Europe/Madrid", "--fecha", "1 1 2000"},
                             Args{"--huso", "Europe/Madrid", "--hora", "12 00"},
                             Args{"--huso", "--fecha", "1 1 2000", "--hora", "12 00"},
                             Args{"--huso", "Europe/Madrid", "--fecha", "1 1 2000", "--hora"}}) {
        const Outcome o = Invoke(natalis::HeadlessHuso, args);
        EXPECT_EQ(o.code, 2);
        EXPECT_EQ(o.out, "");
        EXPECT_EQ(o.err, UsageText());
    }
}

TEST(HusoCommand, ARepeatedOptionIsNamed) {
    const Outcome o =
        Invoke(natalis::HeadlessHuso, {"--huso", "Europe/Madrid", "--fecha", "1 1 2000", "--hora",
                                       "12 00", "--fecha", "2 2 2000"});
    EXPECT_EQ(o.code, 2);
    EXPECT_EQ(o.out, "");
    EXPECT_EQ(o.err, "La opción --fecha está repetida.\n" + std::string(UsageText()));
}

}  // namespace
}  // namespace natalis
