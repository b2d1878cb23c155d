#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <map>
#include <regex>
#include <set>
#include <string>

#include "app/cli/Headless.h"
#include "tests/app/cli/HeadlessRun.h"

namespace natalis {
namespace {

std::string Sample(const char* name) { return std::string(NATALIS_SOURCE_DIR) + "/charts/" + name; }

struct Posicion {
    double lon = 0, speed = 0;
};

// The points' and the angles' positions and speeds as the JSON gives them: the points in
// "points", the Ascendant and the Midheaven in "angles", which must agree with the cusps.
std::map<std::string, Posicion> Positions(const std::string& json) {
    std::map<std::string, Posicion> p;
    const std::regex point(
        R"re(\{"label": "(\w+)", "lon": ([-0-9.e]+), [^}]*"speed": ([-0-9.e]+)\})re");
    for (std::sregex_iterator it(json.begin(), json.end(), point), end; it != end; ++it) {
        p[(*it)[1]] = {std::stod((*it)[2]), std::stod((*it)[3])};
    }
    const std::regex cusp(R"re(\{"lon": ([-0-9.e]+), "grado": \d+, "texto": "(ASC|MC) )re");
    for (std::sregex_iterator it(json.begin(), json.end(), cusp), end; it != end; ++it) {
        EXPECT_EQ(p[(*it)[2]].lon, std::stod((*it)[1])) << (*it)[2];
    }
    return p;
}

// The aspects' angles in degrees, written out here from their definitions.
const std::map<std::string, double> kAngles = {{"Conj", 0},   {"Smsx", 30},  {"Smcd", 45},
                                               {"Sext", 60},  {"Cuad", 90},  {"Trig", 120},
                                               {"Sqcd", 135}, {"Quin", 150}, {"Opos", 180}};

double Separation(double a, double b) { return std::fabs(std::remainder(a - b, 360.0)); }

// Every aspect's orb and applying flag in the JSON of a chart with all the points is what
// the JSON's own positions and speeds give: the orb |separation - angle|, applying when a
// small step forwards at the points' speeds brings the separation nearer the angle.
TEST(HeadlessPuntos, OrbsAndApplyingFlagsFollowFromTheJsonPositions) {
    for (const char* name : {"Ana_Lucia_Ferreyra.dat", "Hiroshi_Tanaka.dat", "Kiri_Te_Rangi.dat"}) {
        const Outcome r =
            Invoke(HeadlessJson, {"--json", Sample(name), "--puntos", "todos", "--houses", "W"});
        ASSERT_EQ(r.code, 0) << r.err;
        const std::map<std::string, Posicion> pos = Positions(r.out);
        ASSERT_EQ(pos.size(), 21u + 2u) << r.out;
        const std::regex aspect(
            R"re(\{"from": "(\w+)", "to": "(\w+)", "aspect": "(\w+)", "orb": ([-0-9.e]+), "applying": (true|false)\})re");
        int n = 0, applying = 0;
        for (std::sregex_iterator it(r.out.begin(), r.out.end(), aspect), end; it != end; ++it) {
            const Posicion a = pos.at((*it)[1]), b = pos.at((*it)[2]);
            const double angle = kAngles.at((*it)[3]);
            const double orb = std::fabs(Separation(a.lon, b.lon) - angle);
            // The program measures the separation the long way round in single precision.
            EXPECT_NEAR(std::stod((*it)[4]), orb, 3e-5) << (*it)[0];
            // Under a hundredth of a second: short enough that even the Ascendant (a few
            // hundred degrees a day) moves far less than any orb here.
            const double dt = 1e-7;  // days
            const double later =
                std::fabs(Separation(a.lon + a.speed * dt, b.lon + b.speed * dt) - angle);
            EXPECT_EQ((*it)[5] == "true", later < orb) << (*it)[0];
            ++n;
            applying += (*it)[5] == "true";
        }
        EXPECT_GT(n, 20) << name;
        EXPECT_GT(applying, 0) << name;
        EXPECT_LT(applying, n) << name;
    }
}

// With another orb set the listing's aspect lines end with the orb to the minute and the
// phase, and the JSON lists the same aspects (each pair once; the list has the planets'
// pairs twice) with the same orbs.
TEST(HeadlessPuntos, ListingWithAnOrbSetShowsOrbs) {
    const std::string file = Sample("Hiroshi_Tanaka.dat");
    const Outcome l = Invoke(HeadlessListing, {"--listing", file, "--orbes", "amplios"});
    const Outcome j = Invoke(HeadlessJson, {"--json", file, "--orbes", "amplios"});
    ASSERT_EQ(l.code, 0) << l.err;
    const std::regex line(
        R"re(  (Smsx|Conj|Sext|Cuad|Trig|Opos|Smcd|Sqcd|Quin) .* (\d+)°(\d\d)'( a| s)?)re");
    const std::regex orb(R"re("orb": ([-0-9.e]+))re");
    std::multiset<long> listed, fromJson;
    const std::vector<std::string> lines = Lines(l.out);
    const auto start = std::find(lines.begin(), lines.end(), "ASPECTOS NATALES");
    ASSERT_NE(start, lines.end());
    for (auto it = start; it != lines.end(); ++it) {
        std::smatch m;
        if (it->rfind("  ", 0) != 0 || it->size() < 4) continue;
        ASSERT_TRUE(std::regex_match(*it, m, line)) << *it;
        listed.insert(std::stol(m[2]) * 60 + std::stol(m[3]));
    }
    for (std::sregex_iterator it(j.out.begin(), j.out.end(), orb), end; it != end; ++it) {
        const long minutes = std::lround(std::stod((*it)[1]) * 60);
        fromJson.insert(minutes);
    }
    ASSERT_FALSE(fromJson.empty());
    // Every orb of the JSON is in the list (the planets' pairs twice, the angles' once).
    for (long m : fromJson) EXPECT_GE(listed.count(m), 1u) << m;
    EXPECT_GE(listed.size(), fromJson.size());
    // The default listing has no orbs.
    const Outcome d = Invoke(HeadlessListing, {"--listing", file});
    EXPECT_EQ(d.out.find("°"), std::string::npos);
}

// The new options: the points named are added after the default twelve; the zodiac is named
// in the JSON and the listing; refused values are named.
TEST(HeadlessPuntos, OptionsOfTheChart) {
    const std::string file = Sample("Ana_Lucia_Ferreyra.dat");
    const Outcome def = Invoke(HeadlessListing, {"--listing", file});
    const Outcome more = Invoke(HeadlessListing, {"--listing", file, "--puntos", "lil,qui"});
    ASSERT_EQ(more.code, 0);
    const auto ld = Lines(def.out), lm = Lines(more.out);
    ASSERT_GT(lm.size(), 16u);
    for (int i = 0; i < 14; ++i) EXPECT_EQ(lm[i], ld[i]) << i;
    EXPECT_EQ(lm[14].substr(0, 4), "QUI ");
    EXPECT_EQ(lm[15].substr(0, 4), "LIL ");

    const Outcome sid =
        Invoke(HeadlessListing, {"--listing", file, "--zodiaco", "sideral", "--ayanamsa", "Raman"});
    ASSERT_EQ(sid.code, 0) << sid.err;
    EXPECT_NE(sid.out.find("\nZodiaco: Sideral, Raman\n"), std::string::npos);
    EXPECT_NE(Lines(sid.out)[2], ld[2]);
    const Outcome json = Invoke(HeadlessJson, {"--json", file, "--zodiaco", "sideral"});
    EXPECT_NE(json.out.find("\"zodiac\": \"lahiri\""), std::string::npos);
    const Outcome trop = Invoke(HeadlessJson, {"--json", file});
    EXPECT_NE(trop.out.find("\"zodiac\": \"tropical\", \"notes\": [], \"angles\": [{"),
              std::string::npos);

    const struct {
        const char* option;
        const char* value;
    } bad[] = {{"--puntos", "xyz"}, {"--zodiaco", "lunar"}, {"--ayanamsa", "nada"}};
    for (const auto& b : bad) {
        const Outcome r =
            Invoke(HeadlessListing, {"--listing", file, b.option, b.value, "--zodiaco", "sideral"});
        EXPECT_EQ(r.code, 2) << b.option;
        EXPECT_EQ(r.err.rfind(
                      std::string("Valor no válido para ") + b.option + ": «" + b.value + "»\n", 0),
                  0u)
            << r.err;
    }
    // An ayanamsa with the tropical zodiac is a wrong command line.
    const Outcome r = Invoke(HeadlessListing, {"--listing", file, "--ayanamsa", "lahiri"});
    EXPECT_EQ(r.code, 2);
    EXPECT_EQ(r.err, UsageText());
}

}  // namespace
}  // namespace natalis
