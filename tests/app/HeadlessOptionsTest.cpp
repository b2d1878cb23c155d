#include <gtest/gtest.h>

#include <sstream>

#include "app/Headless.h"
#include "app/HeadlessOptions.h"

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
        {"--transit", {"--transit", kChart, "--hora", "12", "--tecnica", "Primaria"}},
        {"--listing", {"--listing", kChart, "--progress"}},  // rings only for images
        {"--listing", {"--listing", kChart, "--size", "10x10"}},
    };
    for (const auto& c : casos) {
        const LecturaOpciones l = LeerOpcionesHeadless(c.comando, c.args);
        EXPECT_FALSE(l.opciones) << c.args.back();
        EXPECT_EQ(l.error, UsageText());
    }
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
