// natalis --sinastria, --compuesta, --davison A.dat B.dat and --retorno as a chart: listings,
// JSON Lines and refusals, checked against the charts computed directly from the files.
#include <gtest/gtest.h>

#include <cmath>
#include <ctime>
#include <string>

#include "HeadlessRun.h"
#include "app/cli/Headless.h"
#include "app/cli/TextCommands.h"
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

// The chart options reach every chart a command casts: with all points and a sidereal zodiac
// each chart of the output has Chiron and says its zodiac, and the return's Sun stands on the
// sidereal natal Sun that `--json` gives with the same options.
TEST(HeadlessComparar, TheChartOptionsReachEveryChart) {
    const Args opciones = {"--puntos",   "todos",  "--zodiaco", "sideral",
                           "--ayanamsa", "lahiri", "--json"};
    auto con = [&](Args a) {
        a.insert(a.end(), opciones.begin(), opciones.end());
        return a;
    };
    const struct {
        int (*comando)(const Args&, std::ostream&, std::ostream&);
        Args args;
        size_t cartas;  // chart lines of the output
    } casos[] = {
        {HeadlessSinastria, con({"--sinastria", kA, kB}), 2},
        {HeadlessCompuesta, con({"--compuesta", kA, kB}), 1},
        {HeadlessDavison, con({"--davison", kA, kB}), 1},
        {HeadlessRetorno, con({"--retorno", "solar", kA, "--fecha", "1 1 2030"}), 1},
    };
    auto solDe = [](const std::string& linea) {
        const std::string clave = "{\"label\": \"SOL\", \"lon\": ";
        const size_t p = linea.find(clave);
        return p == std::string::npos ? -1.0 : std::stod(linea.substr(p + clave.size()));
    };
    for (const auto& c : casos) {
        SCOPED_TRACE(c.args[0]);
        const Outcome o = Invoke(c.comando, c.args);
        ASSERT_EQ(o.code, 0) << o.err;
        const std::vector<std::string> l = Lines(o.out);
        ASSERT_GE(l.size(), c.cartas);
        for (size_t k = 0; k < c.cartas; ++k) {
            EXPECT_NE(l[k].find("{\"label\": \"QUI\""), std::string::npos) << l[k];
            EXPECT_NE(l[k].find("\"zodiac\": \"lahiri\""), std::string::npos) << l[k];
        }
        if (c.comando == HeadlessRetorno) {
            const Outcome natal = Invoke(
                HeadlessJson, {"--json", kA, "--zodiaco", "sideral", "--ayanamsa", "lahiri"});
            ASSERT_EQ(natal.code, 0) << natal.err;
            const double sol = solDe(natal.out);
            ASSERT_GT(sol, 0);
            EXPECT_NEAR(solDe(l[0]), sol, 0.1 / 3600);
        }
    }
}

// The pictures are options of these commands: what each line asks for, and the refusals.
TEST(HeadlessComparar, PictureOptions) {
    struct Caso {
        Args args;
        const char* dibujo;
        const char* salida;
        Tema tema;
        int ancho;
    };
    const Caso casos[] = {
        {{"--sinastria", kA, kB, "--pdf", "x.pdf"}, "--pdf", "x.pdf", Tema::Papel, 958},
        {{"--compuesta", kA, kB, "--png", "x.png", "--size", "400x300"},
         "--png",
         "x.png",
         Tema::Pantalla,
         400},
        {{"--davison", kA, kB, "--pdf", "x.pdf", "--tema", "pantalla"},
         "--pdf",
         "x.pdf",
         Tema::Pantalla,
         958},
        {{"--retorno", "solar", kA, "--fecha", "1 1 2030", "--svg", "x.svg", "--tema", "papel"},
         "--svg",
         "x.svg",
         Tema::Papel,
         958},
        {{"--ahora", "--lugar", "Madrid", "--png", "a.png"}, "--png", "a.png", Tema::Pantalla, 958},
        {{"--sinastria", kA, kB}, "", "", Tema::Pantalla, 958},
    };
    for (const Caso& c : casos) {
        const LecturaOpciones l = LeerOpcionesHeadless(c.args[0], c.args);
        ASSERT_TRUE(l.opciones) << l.error;
        EXPECT_EQ(l.opciones->dibujo, c.dibujo) << c.args[0];
        EXPECT_EQ(l.opciones->salida, c.salida);
        EXPECT_EQ(l.opciones->tema, c.tema) << c.args[0];
        EXPECT_EQ(l.opciones->ancho, c.ancho);
        EXPECT_EQ(PideDibujo(c.args), std::string(c.dibujo) != "") << c.args[0];
    }
    const struct {
        Args args;
        const char* error;
    } rechazos[] = {
        {{"--sinastria", kA, kB, "--png", "x.png", "--svg", "x.svg"},
         "Se escribe un solo dibujo: --png, --svg o --pdf.\n"},
        {{"--compuesta", kA, kB, "--json", "--png", "x.png"},
         "La opción --json no se usa con --png.\n"},
        {{"--listing", kA, "--png", "x.png"}, "La opción --png no se usa con --listing.\n"},
        {{"--sinastria", kA, kB, "--pdf", "x.pdf", "--simple"},
         "La opción --simple no se usa con --sinastria.\n"},
        {{"--sinastria", kA, kB, "--pdf"}, "Uso:"},
    };
    for (const auto& r : rechazos) {
        const LecturaOpciones l = LeerOpcionesHeadless(r.args[0], r.args);
        EXPECT_FALSE(l.opciones) << r.args.back();
        EXPECT_TRUE(Empieza(l.error, r.error)) << l.error;
        // A refused line is not handed to the graphical program: the text command refuses it.
        EXPECT_FALSE(PideDibujo(r.args));
    }
    // The image commands themselves are not text commands.
    EXPECT_FALSE(PideDibujo({"--png", kA, "x.png"}));
}

// --ahora: the chart of the present minute (the system clock, read here too) at Greenwich,
// its Sun where the ephemeris puts it at that instant; with --lugar at the atlas place.
TEST(HeadlessComparar, ChartOfTheMoment) {
    const double antes = 2440587.5 + static_cast<double>(std::time(nullptr)) / 86400.0;
    const Outcome o = Invoke(HeadlessAhora, {"--ahora", "--json"});
    const double despues = 2440587.5 + static_cast<double>(std::time(nullptr)) / 86400.0;
    ASSERT_EQ(o.code, 0) << o.err;
    ASSERT_EQ(Lines(o.out).size(), 1u);
    EXPECT_TRUE(Empieza(o.out, "{\"kind\": \"ahora\", \"title\": \"Ahora\""));
    EXPECT_NE(o.out.find("\"place\": \"Greenwich\""), std::string::npos);
    const size_t p = o.out.find("\"jd\": ");
    ASSERT_NE(p, std::string::npos);
    const double jd = std::stod(o.out.substr(p + 6));
    // The present instant as the session reads it: the clock's minute (its seconds left out).
    EXPECT_GE(jd, antes - 61.0 / 86400) << std::to_string((antes - jd) * 86400) << " s";
    EXPECT_LE(jd, despues + 1.0 / 86400) << std::to_string((jd - despues) * 86400) << " s";
    SwissEphemeris eph;
    double sol[6] = {};
    eph.CalcBody(jd, 0, sol);
    const size_t s = o.out.find("\"lon\": ");
    ASSERT_NE(s, std::string::npos);
    EXPECT_NEAR(std::stod(o.out.substr(s + 7)), sol[0], 1e-3);

    const Outcome texto = Invoke(HeadlessAhora, {"--ahora", "--lugar", "Madrid"});
    ASSERT_EQ(texto.code, 0) << texto.err;
    const std::vector<std::string> l = Lines(texto.out);
    ASSERT_GE(l.size(), 3u);
    EXPECT_EQ(l[0], "Ahora");
    EXPECT_NE(l[1].find("Madrid"), std::string::npos) << l[1];

    const Outcome nada = Invoke(HeadlessAhora, {"--ahora", "--lugar", "Qxzqxzqxz"});
    EXPECT_EQ(nada.code, 2);
    EXPECT_TRUE(nada.out.empty());
    EXPECT_TRUE(Empieza(nada.err, "No se encontró")) << nada.err;
    EXPECT_EQ(Invoke(HeadlessAhora, {"--ahora", kA}).code, 2);
}

}  // namespace
}  // namespace natalis
