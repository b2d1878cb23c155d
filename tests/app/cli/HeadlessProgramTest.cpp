// The headless commands about the program itself: --version and --carpeta.
#include <gtest/gtest.h>

#include <regex>
#include <sstream>
#include <string>

#include "app/cli/HeadlessProgram.h"
#include "app/model/Version.h"
#include "tests/app/TempFolder.h"
#include "tests/app/cli/HeadlessRun.h"

namespace natalis {
namespace {

TEST(HeadlessVersion, PrintsNameAndVersionOnStandardOutput) {
    const Outcome r = Invoke(HeadlessVersion, {"--version"});
    EXPECT_EQ(r.code, 0);
    EXPECT_EQ(r.out, std::string("Natalis ") + NatalisVersion() + "\n");
    EXPECT_EQ(r.err, "");
    EXPECT_TRUE(std::regex_match(NatalisVersion(), std::regex(R"(\d+\.\d+\.\d+)")))
        << NatalisVersion();
}

TEST(HeadlessProgram, UsageTextNamesTheProgramsOwnCommands) {
    const std::string usage = UsageText();
    for (const char* line : {"  natalis --carpeta [--folder CARPETA]\n", "  natalis --version\n",
                             "  natalis --help\n"}) {
        EXPECT_NE(usage.find(line), std::string::npos) << line;
    }
}

TEST(HeadlessProgram, ExtraArgumentsAreRejectedWithTheUsage) {
    const struct {
        int (*command)(const Args&, std::ostream&, std::ostream&);
        Args args;
    } wrong[] = {
        {HeadlessVersion, {"--version", "extra"}},
        {HeadlessCarpeta, {"--carpeta", "--folder"}},
        {HeadlessCarpeta, {"--carpeta", "--folder", ""}},
        {HeadlessCarpeta, {"--carpeta", "/tmp"}},
    };
    for (const auto& w : wrong) {
        const Outcome r = Invoke(w.command, w.args);
        EXPECT_EQ(r.code, 2) << w.args.back();
        EXPECT_EQ(r.out, "");
        EXPECT_EQ(r.err, UsageText());
    }
    // An option given twice, or one the command does not use, is named first.
    const struct {
        int (*command)(const Args&, std::ostream&, std::ostream&);
        Args args;
        const char* motivo;
    } named[] = {
        {HeadlessCarpeta,
         {"--carpeta", "--folder", "/tmp", "--folder", "/tmp"},
         "La opción --folder está repetida.\n"},
        {HeadlessVersion,
         {"--version", "--houses", "K"},
         "La opción --houses no se usa con --version.\n"},
    };
    for (const auto& w : named) {
        const Outcome r = Invoke(w.command, w.args);
        EXPECT_EQ(r.code, 2) << w.motivo;
        EXPECT_EQ(r.out, "");
        EXPECT_EQ(r.err, w.motivo + std::string(UsageText()));
    }
}

TEST(HeadlessCarpeta, PrintsTheChosenFolder) {
    TempFolder dir;
    const Outcome r = Invoke(HeadlessCarpeta, {"--carpeta", "--folder", dir.path() + "//"});
    EXPECT_EQ(r.code, 0) << r.err;
    EXPECT_EQ(r.out, dir.path() + "\n");
    EXPECT_EQ(r.err, "");
}

TEST(HeadlessCarpeta, AMissingFolderIsAnErrorAndIsNotMade) {
    TempFolder dir;
    const Outcome r = Invoke(HeadlessCarpeta, {"--carpeta", "--folder", dir / "otra"});
    EXPECT_EQ(r.code, 2);
    EXPECT_EQ(r.out, "");
    EXPECT_EQ(r.err, "No existe la carpeta de cartas «" + dir.path() + "otra».\n");
    EXPECT_FALSE(Exists(dir / "otra"));
}

TEST(ParseFolderOption, NothingOrOneFolder) {
    std::optional<std::string> folder = std::string("antes");
    EXPECT_TRUE(ParseFolderOption({}, 0, folder));
    EXPECT_FALSE(folder.has_value());
    EXPECT_TRUE(ParseFolderOption({"--carpeta", "--folder", "cartas"}, 1, folder));
    EXPECT_EQ(folder, std::optional<std::string>("cartas"));
    EXPECT_FALSE(ParseFolderOption({"--folder"}, 0, folder));
    EXPECT_FALSE(ParseFolderOption({"--otra", "x"}, 0, folder));
}

}  // namespace
}  // namespace natalis
