// natalis --sinastria, --compuesta, --davison A.dat B.dat and --retorno as a chart: listings,
// JSON Lines and refusals, checked against the charts computed directly from the files.
#include <gtest/gtest.h>

#include <string>

#include "HeadlessRun.h"
#include "app/cli/Headless.h"
#include "app/model/ChartFile.h"
#include "astro/SwissEphemeris.h"
#include "chart/Compuesta.h"
#include "chart/Davison.h"
#include "chart/Sinastria.h"

namespace natalis {
namespace {

const std::string kCarpeta = std::string(NATALIS_SOURCE_DIR) + "/charts";
const std::string kA = kCarpeta + "/Ana_Lucia_Ferreyra.dat";
const std::string kB = kCarpeta + "/Tomas_Ibanez_de_Ulloa.dat";

Carta Leer(const std::string& archivo, Ephemeris& eph) {
    NatalRecord r;
    const ChartReadResult l = ReadChartFile(kCarpeta, archivo, r);
    EXPECT_TRUE(l.ok) << l.message;
    return CalcularCarta(r, OpcionesCarta{}, eph);
}

bool Empieza(const std::string& s, const std::string& p) { return s.rfind(p, 0) == 0; }

// The listing names both people, lists each chart, then one line per cross aspect of the
// synastry computed directly from the two files, then the overlays both ways.
TEST(HeadlessComparar, SynastryListing) {
    SwissEphemeris eph;
    const Carta a = Leer("Ana_Lucia_Ferreyra.dat", eph);
    const Carta b = Leer("Tomas_Ibanez_de_Ulloa.dat", eph);
    const Sinastria s = CalcularSinastria(a.natal, b.natal);
    const Outcome o = Invoke(HeadlessSinastria, {"--sinastria", kA, kB});
    ASSERT_EQ(o.code, 0) << o.err;
    const std::vector<std::string> l = Lines(o.out);
    EXPECT_EQ(l[0], "SINASTRÍA DE " + NombreCarta(a) + " Y " + NombreCarta(b));
    const std::vector<std::string> cruce = ListarSinastria(a, b, s);
    const auto it = std::find(l.begin(), l.end(), "ASPECTOS CRUZADOS");
    ASSERT_NE(it, l.end());
    EXPECT_EQ(std::vector<std::string>(it, l.end()), cruce);
    EXPECT_GT(s.aspectos.size(), 0u);
}

// --json: JSON Lines, the two charts ("kind": "natal") and the synastry with one aspect item
// per cross aspect.
TEST(HeadlessComparar, SynastryJsonLines) {
    SwissEphemeris eph;
    const Sinastria s = CalcularSinastria(Leer("Ana_Lucia_Ferreyra.dat", eph).natal,
                                          Leer("Tomas_Ibanez_de_Ulloa.dat", eph).natal);
    const Outcome o = Invoke(HeadlessSinastria, {"--sinastria", kA, kB, "--json"});
    ASSERT_EQ(o.code, 0) << o.err;
    const std::vector<std::string> l = Lines(o.out);
    ASSERT_EQ(l.size(), 3u);
    EXPECT_TRUE(Empieza(l[0], "{\"kind\": \"natal\", \"name\": "));
    EXPECT_TRUE(Empieza(l[1], "{\"kind\": \"natal\", \"name\": "));
    EXPECT_TRUE(Empieza(l[2], "{\"kind\": \"sinastria\", "));
    size_t items = 0;
    for (size_t p = l[2].find("\"orb\": "); p != std::string::npos;
         p = l[2].find("\"orb\": ", p + 1))
        ++items;
    EXPECT_EQ(items, s.aspectos.size());
    for (const std::string& x : l) EXPECT_EQ(x.back(), '}');
}

// The composite and Davison listings and JSON carry their title and kind; Davison's two
// midpoints give two different charts.
TEST(HeadlessComparar, CompositeAndDavison) {
    SwissEphemeris eph;
    const Carta a = Leer("Ana_Lucia_Ferreyra.dat", eph);
    const Carta b = Leer("Tomas_Ibanez_de_Ulloa.dat", eph);
    const Carta c = CalcularCompuesta(a, b);
    const Outcome comp = Invoke(HeadlessCompuesta, {"--compuesta", kA, kB});
    ASSERT_EQ(comp.code, 0) << comp.err;
    const std::vector<std::string> l = Lines(comp.out);
    EXPECT_EQ(l[0], c.titulo);
    EXPECT_NE(std::find(l.begin(), l.end(), c.natal.PlanetaNatal[1].Texto), l.end());
    EXPECT_NE(std::find(l.begin(), l.end(), c.natal.CuspideNatal[10].Texto), l.end());

    const Outcome json = Invoke(HeadlessCompuesta, {"--compuesta", kA, kB, "--json"});
    ASSERT_EQ(json.code, 0);
    ASSERT_EQ(Lines(json.out).size(), 1u);
    EXPECT_TRUE(Empieza(json.out, "{\"kind\": \"compuesta\", \"title\": \"" + c.titulo + "\""));

    const Carta d = CalcularDavison(a, b, LugarMedio::Medias, eph);
    const Outcome medias =
        Invoke(HeadlessDavison, {"--davison", kA, kB, "--lugar-medio", "medias"});
    const Outcome circulo = Invoke(HeadlessDavison, {"--davison", kA, kB});
    ASSERT_EQ(medias.code, 0) << medias.err;
    ASSERT_EQ(circulo.code, 0) << circulo.err;
    EXPECT_NE(medias.out, circulo.out);
    const std::vector<std::string> ld = Lines(medias.out);
    EXPECT_EQ(ld[0], d.titulo);
    EXPECT_NE(std::find(ld.begin(), ld.end(), d.natal.CuspideNatal[1].Texto), ld.end());
}

// Refusals: a missing second file, a wrong midpoint, an option of another command, a file
// that does not exist. Nothing on standard output, exit 2.
TEST(HeadlessComparar, Refusals) {
    struct Caso {
        int (*comando)(const Args&, std::ostream&, std::ostream&);
        Args args;
        const char* error;  // the start of standard error
    };
    const Caso casos[] = {
        {HeadlessSinastria, {"--sinastria", kA}, "Uso:"},
        {HeadlessDavison,
         {"--davison", kA, kB, "--lugar-medio", "x"},
         "Valor no válido para --lugar-medio: «x»"},
        {HeadlessCompuesta,
         {"--compuesta", kA, kB, "--lugar-medio", "medias"},
         "La opción --lugar-medio no se usa con --compuesta.\n"},
        {HeadlessSinastria, {"--sinastria", kA, kCarpeta + "/no_existe.dat"}, ""},
    };
    for (const Caso& c : casos) {
        const Outcome o = Invoke(c.comando, c.args);
        EXPECT_EQ(o.code, 2) << c.args.back();
        EXPECT_TRUE(o.out.empty()) << c.args.back();
        EXPECT_TRUE(Empieza(o.err, c.error)) << o.err;
        EXPECT_FALSE(o.err.empty());
    }
}

// --retorno with --json: the return as a chart of its own at the birth place, its Sun where
// the natal Sun is; without the new options the old listing is untouched (its own tests).
TEST(HeadlessComparar, ReturnAsAChart) {
    const Outcome o =
        Invoke(HeadlessRetorno, {"--retorno", "solar", kA, "--fecha", "1 1 2030", "--json"});
    ASSERT_EQ(o.code, 0) << o.err;
    ASSERT_EQ(Lines(o.out).size(), 1u);
    EXPECT_TRUE(Empieza(o.out, "{\"kind\": \"retorno-solar\", \"title\": \"Retorno solar de "));
    SwissEphemeris eph;
    const Carta a = Leer("Ana_Lucia_Ferreyra.dat", eph);
    // The Sun's text (sign, degree and minute) equals the natal one.
    EXPECT_NE(o.out.find("\"texto\": \"" + a.natal.PlanetaNatal[1].Texto + "\""),
              std::string::npos);
    const Outcome lista =
        Invoke(HeadlessRetorno, {"--retorno", "lunar", kA, "--fecha", "1 1 2030"});
    ASSERT_EQ(lista.code, 0);
    EXPECT_EQ(lista.out.find("\"kind\""), std::string::npos);
}

}  // namespace
}  // namespace natalis
