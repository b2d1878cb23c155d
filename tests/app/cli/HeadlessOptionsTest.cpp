#include <gtest/gtest.h>

#include <sstream>

#include "app/cli/Headless.h"
#include "app/cli/HeadlessOptions.h"

namespace natalis {
namespace {

const std::string kChart = std::string(NATALIS_SOURCE_DIR) + "/charts/Ana_Lucia_Ferreyra.dat";
const std::string kOther = std::string(NATALIS_SOURCE_DIR) + "/charts/Hiroshi_Tanaka.dat";

TEST(HeadlessOptions, GroupsTakeTheirOwnDateAndTheTableTechnique) {
    const LecturaOpciones l = LeerOpcionesHeadless(
        "--png", {"--png", kChart, "out.png", "--progress", "--tecnica", "Arco Solar", "--fecha",
                  "1 1 2030", "--conversa", "--transit", "--fecha", "3 4 2027", "--hora", "10 30",
                  "--houses", "k", "--size", "800x600"});
    ASSERT_TRUE(l.opciones) << l.error;
    const OpcionesHeadless& o = *l.opciones;
    EXPECT_EQ(o.archivos, (std::vector<std::string>{kChart, "out.png"}));
    EXPECT_TRUE(o.progresion);
    EXPECT_EQ(o.tecnica, TipoTecnica::ArcoSolar);
    EXPECT_EQ(o.fechaProg, "1 1 2030");
    EXPECT_TRUE(o.conversa);
    EXPECT_TRUE(o.transito);
    EXPECT_EQ(o.fechaTrans, "3 4 2027");
    EXPECT_EQ(o.horaTrans, "10 30");
    EXPECT_EQ(o.casas, SistemaCasas::Koch);
    EXPECT_EQ(o.ancho, 800);
    EXPECT_EQ(o.alto, 600);
}

TEST(HeadlessOptions, PrimaryDirectionsAreDirectOnly) {
    const LecturaOpciones l = LeerOpcionesHeadless(
        "--progress",
        {"--progress", kChart, "--tecnica", "Primaria", "--fecha", "1 1 2030", "--conversa"});
    ASSERT_TRUE(l.opciones);
    EXPECT_FALSE(l.opciones->conversa);
}

TEST(HeadlessOptions, BadValuesAreNamedWithTheValue) {
    const struct {
        const char* comando;
        Args args;
        const char* mensaje;
    } casos[] = {
        {"--png",
         {"--png", kChart, "o.png", "--size", "abc"},
         "Valor no válido para --size: «abc»"},
        {"--png",
         {"--png", kChart, "o.png", "--size", "0x10"},
         "Valor no válido para --size: «0x10»"},
        {"--progress",
         {"--progress", kChart, "--tecnica", "&Arco Solar", "--fecha", "1 1 2030"},
         "Valor no válido para --tecnica: «&Arco Solar»"},
        {"--transit",
         {"--transit", kChart, "--houses", "Z", "--fecha", "1 1 2030", "--hora", "12"},
         "Valor no válido para --houses: «Z»"},
        {"--pdf", {"--pdf", kChart, "o.pdf", "--tema", "x"}, "Valor no válido para --tema: «x»"},
        {"--png",
         {"--png", kChart, "o.png", "--tema", "Papel"},
         "Valor no válido para --tema: «Papel»"},
        {"--pdf",
         {"--pdf", kChart, "o.pdf", "--papel", "letter"},
         "Valor no válido para --papel: «letter»"},
        {"--svg",
         {"--svg", kChart, "o.svg", "--size", "1x0"},
         "Valor no válido para --size: «1x0»"},
    };
    for (const auto& c : casos) {
        const LecturaOpciones l = LeerOpcionesHeadless(c.comando, c.args);
        EXPECT_FALSE(l.opciones) << c.mensaje;
        EXPECT_EQ(l.error, std::string(c.mensaje) + "\n" + UsageText());
    }
}

TEST(HeadlessOptions, WrongCommandLinesGiveTheUsage) {
    const struct {
        const char* comando;
        Args args;
    } casos[] = {
        {"--png", {"--png", kChart}},                                     // no output file
        {"--png", {"--png", kChart, "o.png", "x.png"}},                   // one file too many
        {"--progress", {"--progress", kChart, "--fecha", "1 1 2030"}},    // no technique
        {"--progress", {"--progress", kChart, "--tecnica", "Primaria"}},  // no date
        {"--transit", {"--transit", kChart, "--fecha", "1 1 2030"}},      // no hour
        {"--periodo", {"--periodo", kChart, "--desde", "1 1 2024"}},      // no last day
        {"--periodo", {"--periodo", kChart, "--hasta", "1 1 2024", "--orbe"}},
        {"--periodo", {"--periodo", kChart, kOther, "--desde", "1 1 2024", "--hasta", "2 1 2024"}},
        {"--pdf", {"--pdf", kChart}},                                   // no output file
        {"--svg", {"--svg", kChart, "o.svg", "--tema"}},                // no value
        {"--listing", {"--listing", kChart, "--casas", "P"}},           // no such option anywhere
        {"--listing", {"--listing", kChart, "--houses", "P", kOther}},  // a file after an option
    };
    for (const auto& c : casos) {
        const LecturaOpciones l = LeerOpcionesHeadless(c.comando, c.args);
        EXPECT_FALSE(l.opciones) << c.args.back();
        EXPECT_EQ(l.error, UsageText());
    }
}

// An option the command would ignore, or one given twice, is refused by name before the usage
// text; nothing is computed with half of what was asked.
TEST(HeadlessOptions, IgnoredAndRepeatedOptionsAreRefusedByName) {
    const struct {
        const char* comando;
        Args args;
        const char* mensaje;
    } casos[] = {
        {"--version",
         {"--version", "--houses", "K"},
         "La opción --houses no se usa con --version."},
        {"--help", {"--help", "--folder", "/tmp"}, "La opción --folder no se usa con --help."},
        {"--png",
         {"--png", kChart, "o.png", "--simple"},
         "La opción --simple no se usa con --png."},  // the simple report is a PDF
        {"--carpeta",
         {"--carpeta", "--houses", "P"},
         "La opción --houses no se usa con --carpeta."},
        {"--lugar",
         {"--lugar", "Roma", "--houses", "P"},
         "La opción --houses no se usa con --lugar."},
        {"--huso",
         {"--huso", "Europe/Rome", "--fecha", "1 1 2000", "--hora", "12 00", "--houses", "K"},
         "La opción --houses no se usa con --huso."},
        {"--listing",
         {"--listing", kChart, "--progress"},
         "La opción --progress no se usa con --listing."},
        {"--listing",
         {"--listing", kChart, "--size", "10x10"},
         "La opción --size no se usa con --listing."},
        {"--listing",
         {"--listing", kChart, "--desde", "1 1 2024"},
         "La opción --desde no se usa con --listing."},
        {"--listing",
         {"--listing", kChart, "--tema", "papel"},
         "La opción --tema no se usa con --listing."},
        {"--listing",
         {"--listing", kChart, "--folder", "/tmp"},
         "La opción --folder no se usa con --listing."},
        {"--json",
         {"--json", kChart, "--fecha", "1 1 2030"},
         "La opción --fecha no se usa con --json."},
        {"--transit",
         {"--transit", kChart, "--hora", "12", "--tecnica", "Primaria"},
         "La opción --tecnica no se usa con --transit."},
        {"--transit",
         {"--transit", kChart, "--fecha", "1 1 2030", "--hora", "12", "--conversa"},
         "La opción --conversa no se usa con --transit."},
        {"--periodo",
         {"--periodo", kChart, "--desde", "1 1 2024", "--hasta", "2 1 2024", "--fecha", "1 1 2024"},
         "La opción --fecha no se usa con --periodo."},
        {"--retorno",
         {"--retorno", "lunar", kChart, "--fecha", "1 1 2030", "--hora", "12 00"},
         "La opción --hora no se usa con --retorno."},
        {"--pdf",
         {"--pdf", kChart, "o.pdf", "--size", "10x10"},
         "La opción --size no se usa con --pdf."},
        {"--svg",
         {"--svg", kChart, "o.svg", "--papel", "a4"},
         "La opción --papel no se usa con --svg."},
        {"--importar",
         {"--importar", "c.aaf", "--houses", "K"},
         "La opción --houses no se usa con --importar."},
        {"--importar",
         {"--importar", "c.aaf", "--puntos", "SOL"},
         "La opción --puntos no se usa con --importar."},
        {"--exportar",
         {"--exportar", "csv", "c.csv", "--size", "10x10"},
         "La opción --size no se usa con --exportar."},
        {"--exportar",
         {"--exportar", "csv", "c.csv", "--puntos", "SOL", "--puntos", "LUN"},
         "La opción --puntos está repetida."},
        {"--exportar",
         {"--exportar", "aaf", "c.aaf", "--folder", "/tmp", "--folder", "/tmp"},
         "La opción --folder está repetida."},
        {"--png",
         {"--png", kChart, "o.png", "--papel", "carta"},
         "La opción --papel no se usa con --png."},
        // The rings' options stand after the ring they belong to.
        {"--png",
         {"--png", kChart, "o.png", "--fecha", "1 1 2030"},
         "La opción --fecha va tras --progress o --transit."},
        {"--svg",
         {"--svg", kChart, "o.svg", "--conversa", "--progress"},
         "La opción --conversa va tras --progress."},
        {"--pdf",
         {"--pdf", kChart, "o.pdf", "--progress", "--tecnica", "Primaria", "--fecha", "1 1 2030",
          "--hora", "10 30"},
         "La opción --hora va tras --transit."},
        // Twice: the last would silently win.
        {"--listing",
         {"--listing", kChart, "--houses", "K", "--houses", "P"},
         "La opción --houses está repetida."},
        {"--png",
         {"--png", kChart, "o.png", "--size", "10x10", "--size", "20x20"},
         "La opción --size está repetida."},
        {"--pdf",
         {"--pdf", kChart, "o.pdf", "--tema", "papel", "--tema", "papel"},
         "La opción --tema está repetida."},
        {"--pdf",
         {"--pdf", kChart, "o.pdf", "--papel", "a4", "--papel", "carta"},
         "La opción --papel está repetida."},
        {"--progress",
         {"--progress", kChart, "--tecnica", "Primaria", "--fecha", "1 1 2030", "--fecha",
          "2 1 2030"},
         "La opción --fecha está repetida."},
        {"--progress",
         {"--progress", kChart, "--tecnica", "Primaria", "--tecnica", "Secundaria", "--fecha",
          "1 1 2030"},
         "La opción --tecnica está repetida."},
        {"--progress",
         {"--progress", kChart, "--tecnica", "Secundaria", "--fecha", "1 1 2030", "--conversa",
          "--conversa"},
         "La opción --conversa está repetida."},
        {"--transit",
         {"--transit", kChart, "--fecha", "1 1 2030", "--hora", "12", "--hora", "13"},
         "La opción --hora está repetida."},
        {"--png",
         {"--png", kChart, "o.png", "--transit", "--fecha", "1 1 2030", "--hora", "12",
          "--transit"},
         "La opción --transit está repetida."},
        {"--periodo",
         {"--periodo", kChart, "--desde", "1 1 2024", "--hasta", "2 1 2024", "--orbe", "1",
          "--orbe", "2"},
         "La opción --orbe está repetida."},
        {"--retorno",
         {"--retorno", "solar", kChart, "--fecha", "1 1 2030", "--fecha", "1 1 2031"},
         "La opción --fecha está repetida."},
        {"--lugar",
         {"--lugar", "Roma", "--folder", "/a", "--folder", "/b"},
         "La opción --folder está repetida."},
        {"--huso",
         {"--huso", "Europe/Rome", "--fecha", "1 1 2000", "--hora", "12 00", "--longitud", "1",
          "--longitud", "2"},
         "La opción --longitud está repetida."},
    };
    for (const auto& c : casos) {
        const LecturaOpciones l = LeerOpcionesHeadless(c.comando, c.args);
        EXPECT_FALSE(l.opciones) << c.mensaje;
        EXPECT_EQ(l.error, std::string(c.mensaje) + "\n" + UsageText());
    }
}

// The same option in two rings is one option each, not a repetition.
TEST(HeadlessOptions, EachRingTakesItsOwnDate) {
    const LecturaOpciones l = LeerOpcionesHeadless(
        "--pdf", {"--pdf", kChart, "o.pdf", "--houses", "K", "--progress", "--tecnica", "Primaria",
                  "--fecha", "1 1 2030", "--transit", "--fecha", "3 4 2027", "--hora", "10 30"});
    ASSERT_TRUE(l.opciones) << l.error;
    EXPECT_EQ(l.opciones->fechaProg, "1 1 2030");
    EXPECT_EQ(l.opciones->fechaTrans, "3 4 2027");
    EXPECT_EQ(l.opciones->casas, SistemaCasas::Koch);
}

TEST(HeadlessOptions, PeriodTakesItsTextsAsTypedWithTransitsAndOneDegreeByDefault) {
    const LecturaOpciones l = LeerOpcionesHeadless(
        "--periodo", {"--periodo", kChart, "--hasta", "31 12 2024", "--desde", "1 3 2024"});
    ASSERT_TRUE(l.opciones) << l.error;
    EXPECT_TRUE(l.opciones->periodo);
    EXPECT_EQ(l.opciones->consultaPeriodo.desde, "1 3 2024");
    EXPECT_EQ(l.opciones->consultaPeriodo.hasta, "31 12 2024");
    EXPECT_EQ(l.opciones->consultaPeriodo.orbe, "1");
    EXPECT_EQ(l.opciones->consultaPeriodo.tecnica, "Transitos");
    // The values are checked with the period, by their own messages.
    const LecturaOpciones m = LeerOpcionesHeadless(
        "--periodo", {"--periodo", kChart, "--desde", "x", "--hasta", "y", "--orbe", "z",
                      "--tecnica", "Arco Solar", "--houses", "R"});
    ASSERT_TRUE(m.opciones) << m.error;
    EXPECT_EQ(m.opciones->consultaPeriodo.orbe, "z");
    EXPECT_EQ(m.opciones->consultaPeriodo.tecnica, "Arco Solar");
    EXPECT_EQ(m.opciones->casas, SistemaCasas::Regiomontano);
}

// PDF is for paper by default; the pictures keep the window's palette unless told.
TEST(HeadlessOptions, PalettesAndSheetsByCommand) {
    const struct {
        const char* comando;
        Args args;
        Tema tema;
        Papel papel;
    } casos[] = {
        {"--png", {"--png", kChart, "o.png"}, Tema::Pantalla, Papel::A4},
        {"--svg", {"--svg", kChart, "o.svg"}, Tema::Pantalla, Papel::A4},
        {"--pdf", {"--pdf", kChart, "o.pdf"}, Tema::Papel, Papel::A4},
        {"--png", {"--png", kChart, "o.png", "--tema", "papel"}, Tema::Papel, Papel::A4},
        {"--svg",
         {"--svg", kChart, "o.svg", "--tema", "papel", "--size", "300x200"},
         Tema::Papel,
         Papel::A4},
        {"--pdf",
         {"--pdf", kChart, "o.pdf", "--papel", "carta", "--tema", "pantalla", "--progress",
          "--tecnica", "Grado x Año", "--fecha", "1 1 2030"},
         Tema::Pantalla,
         Papel::Carta},
    };
    for (const auto& c : casos) {
        SCOPED_TRACE(c.args.back());
        const LecturaOpciones l = LeerOpcionesHeadless(c.comando, c.args);
        ASSERT_TRUE(l.opciones) << l.error;
        EXPECT_EQ(l.opciones->tema, c.tema);
        EXPECT_EQ(l.opciones->papel, c.papel);
        EXPECT_EQ(l.opciones->archivos.size(), 2u);
    }
    const auto svg = LeerOpcionesHeadless("--svg", {"--svg", kChart, "o.svg", "--size", "300x200"});
    ASSERT_TRUE(svg.opciones);
    EXPECT_EQ(svg.opciones->ancho, 300);
    EXPECT_EQ(svg.opciones->alto, 200);
    const auto pdf = LeerOpcionesHeadless(
        "--pdf", {"--pdf", kChart, "o.pdf", "--transit", "--fecha", "3 4 2027", "--hora", "10 30"});
    ASSERT_TRUE(pdf.opciones);
    EXPECT_TRUE(pdf.opciones->transito);
    EXPECT_FALSE(pdf.opciones->simple);  // the report made for reading unless asked
    const auto simple = LeerOpcionesHeadless("--pdf", {"--pdf", kChart, "o.pdf", "--simple"});
    ASSERT_TRUE(simple.opciones);
    EXPECT_TRUE(simple.opciones->simple);
}

std::string RunCommand(int (*command)(const Args&, std::ostream&, std::ostream&), const Args& args,
                       int& code, std::string* err = nullptr) {
    std::ostringstream out, e;
    code = command(args, out, e);
    if (err) *err = e.str();
    return out.str();
}

// Several files in one run print, one after another, exactly what a run on each prints.
TEST(HeadlessOptions, SeveralChartsPrintWhatEachPrintsAlone) {
    for (auto command : {HeadlessListing, HeadlessJson}) {
        int a = 0, b = 0, both = 0;
        const std::string one = RunCommand(command, {"--x", kChart, "--houses", "R"}, a);
        const std::string two = RunCommand(command, {"--x", kOther, "--houses", "R"}, b);
        const std::string together =
            RunCommand(command, {"--x", kChart, kOther, "--houses", "R"}, both);
        EXPECT_EQ(a, 0);
        EXPECT_EQ(b, 0);
        EXPECT_EQ(both, 0);
        EXPECT_EQ(together, one + two);
    }
}

TEST(HeadlessOptions, AMissingChartAmongSeveralIsReportedAndTheOthersStillPrint) {
    int code = 0;
    std::string err;
    const std::string alone = RunCommand(HeadlessListing, {"--listing", kChart}, code);
    const std::string out =
        RunCommand(HeadlessListing, {"--listing", "/nonexistent/Nadie.dat", kChart}, code, &err);
    EXPECT_EQ(code, 2);
    EXPECT_EQ(out, alone);
    EXPECT_EQ(err.rfind("Hay error en los datos de Nadie.dat\n", 0), 0u) << err;
}

TEST(HeadlessOptions, HelpPrintsTheUsageOnStandardOutput) {
    int code = -1;
    std::string err;
    EXPECT_EQ(RunCommand(HeadlessHelp, {"--help"}, code, &err), UsageText());
    EXPECT_EQ(code, 0);
    EXPECT_EQ(err, "");
}

}  // namespace
}  // namespace natalis
