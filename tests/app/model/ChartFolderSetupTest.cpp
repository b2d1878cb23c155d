// Making the chart folder ready: the user's data folder of an installed program is created
// on first start with the sample charts copied in; an existing folder, and every file a user
// has in it, is left exactly as it is; a folder that cannot be used is explained in Spanish.
#include <gtest/gtest.h>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "app/model/ChartFolderSetup.h"
#include "tests/app/TempFolder.h"

namespace natalis {
namespace {

int ModeOf(const std::string& path) {
    struct stat st;
    return ::stat(path.c_str(), &st) == 0 ? static_cast<int>(st.st_mode & 07777) : -1;
}

std::vector<std::string> Names(const std::string& folder) {
    std::vector<std::string> names;
    for (const auto& e : std::filesystem::directory_iterator(folder)) {
        names.push_back(e.path().filename().string());
    }
    std::sort(names.begin(), names.end());
    return names;
}

// An installed program's data folder: the font, two sample charts, and files that are not
// samples (notes, a hidden chart, a folder named like a chart).
class UserDataFolder : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_FALSE(tmp.path().empty());
        data = tmp / "share/natalis/";
        std::filesystem::create_directories(data + "carpeta.dat");
        WriteBytes(data + "ORRASTRO.TTF", "fuente");
        WriteBytes(data + "Bruno.dat", "1: Bruno\r\n");
        WriteBytes(data + "Ana.dat", "1: Ana\r\n");
        WriteBytes(data + "notas.txt", "no es una carta");
        WriteBytes(data + ".oculta.dat", "no es de ejemplo");
        choice.layout = ProgramLayout::Installed;
        choice.dataFolder = data;
        choice.chartFolder = tmp / "home/.local/share/natalis/";
        choice.userDataFolder = true;
    }

    TempFolder tmp;
    std::string data;
    ChartFolderChoice choice;
};

TEST_F(UserDataFolder, FirstStartCreatesItWithItsParentsAndCopiesEverySample) {
    const ChartFolderSetup r = SetUpChartFolder(choice);
    ASSERT_TRUE(r.ok) << r.message;
    EXPECT_TRUE(r.message.empty());
    EXPECT_TRUE(r.created);
    EXPECT_EQ(r.copied, (std::vector<std::string>{"Ana.dat", "Bruno.dat"}));
    EXPECT_EQ(Names(choice.chartFolder), (std::vector<std::string>{"Ana.dat", "Bruno.dat"}));
    EXPECT_EQ(ReadBytes(choice.chartFolder + "Ana.dat"), "1: Ana\r\n");
    EXPECT_EQ(ReadBytes(choice.chartFolder + "Bruno.dat"), "1: Bruno\r\n");
    // Birth data are personal: the folders made are the user's alone.
    EXPECT_EQ(ModeOf(tmp / "home/.local/share/natalis"), 0700);
    EXPECT_EQ(ModeOf(tmp / "home/.local"), 0700);
    // The sources are untouched.
    EXPECT_EQ(ReadBytes(data + "Ana.dat"), "1: Ana\r\n");
}

TEST_F(UserDataFolder, AnExistingFolderKeepsTheUsersFilesAndGetsNoSamples) {
    ASSERT_TRUE(SetUpChartFolder(choice).ok);
    WriteBytes(choice.chartFolder + "Ana.dat", "1: Ana, corregida\r\n");
    ASSERT_EQ(std::remove((choice.chartFolder + "Bruno.dat").c_str()), 0);
    WriteBytes(data + "Carla.dat", "1: Carla\r\n");  // a newer sample

    const ChartFolderSetup r = SetUpChartFolder(choice);
    ASSERT_TRUE(r.ok) << r.message;
    EXPECT_FALSE(r.created);
    EXPECT_TRUE(r.copied.empty());
    EXPECT_EQ(Names(choice.chartFolder), (std::vector<std::string>{"Ana.dat"}));
    EXPECT_EQ(ReadBytes(choice.chartFolder + "Ana.dat"), "1: Ana, corregida\r\n");
}

TEST_F(UserDataFolder, AnEmptyExistingFolderIsTheUsersChoice) {
    std::filesystem::create_directories(choice.chartFolder);
    const ChartFolderSetup r = SetUpChartFolder(choice);
    ASSERT_TRUE(r.ok);
    EXPECT_FALSE(r.created);
    EXPECT_TRUE(Names(choice.chartFolder).empty());
}

TEST_F(UserDataFolder, WithoutSamplesTheFolderIsStillMade) {
    choice.dataFolder = tmp / "no-existe/";
    const ChartFolderSetup r = SetUpChartFolder(choice);
    ASSERT_TRUE(r.ok) << r.message;
    EXPECT_TRUE(r.created);
    EXPECT_TRUE(r.copied.empty());
    EXPECT_TRUE(Names(choice.chartFolder).empty());
}

TEST_F(UserDataFolder, AFileInTheWayIsExplained) {
    std::filesystem::create_directories(tmp / "home");
    WriteBytes(tmp / "home/.local", "un archivo");
    const ChartFolderSetup r = SetUpChartFolder(choice);
    EXPECT_FALSE(r.ok);
    EXPECT_EQ(r.message, "No se pudo crear la carpeta de cartas «" + tmp.path() +
                             "home/.local/share/natalis»: «" + tmp.path() +
                             "home/.local» no es una carpeta.");
    EXPECT_EQ(ReadBytes(tmp / "home/.local"), "un archivo");
}

TEST_F(UserDataFolder, AFileNamedLikeTheFolderIsNoFolder) {
    std::filesystem::create_directories(tmp / "home/.local/share");
    WriteBytes(tmp / "home/.local/share/natalis", "un archivo");
    const ChartFolderSetup r = SetUpChartFolder(choice);
    EXPECT_FALSE(r.ok);
    EXPECT_EQ(r.message, "La carpeta de cartas «" + tmp.path() +
                             "home/.local/share/natalis» no es una carpeta.");
}

TEST_F(UserDataFolder, AChosenFolderMustExistAndIsNeverMade) {
    choice.userDataFolder = false;
    choice.chartFolder = tmp / "propia/";
    const ChartFolderSetup r = SetUpChartFolder(choice);
    EXPECT_FALSE(r.ok);
    EXPECT_EQ(r.message, "No existe la carpeta de cartas «" + tmp.path() + "propia».");
    EXPECT_FALSE(Exists(tmp / "propia"));

    std::filesystem::create_directories(tmp / "propia");
    const ChartFolderSetup again = SetUpChartFolder(choice);
    EXPECT_TRUE(again.ok);
    EXPECT_TRUE(Names(tmp / "propia").empty());  // a chosen folder gets no samples
}

TEST_F(UserDataFolder, NoFolderAtAllGivesTheReason) {
    choice.chartFolder.clear();
    choice.userDataFolder = false;
    choice.error = "No se sabe dónde guardar las cartas.";
    const ChartFolderSetup r = SetUpChartFolder(choice);
    EXPECT_FALSE(r.ok);
    EXPECT_EQ(r.message, "No se sabe dónde guardar las cartas.");
}

TEST(ProcessChartFolderInputs, TakesTheEnvironmentAndMakesFolderAbsolute) {
    const ChartFolderInputs in = ProcessChartFolderInputs(std::string("relativa"));
    ASSERT_TRUE(in.folderOption.has_value());
    EXPECT_EQ(*in.folderOption, (std::filesystem::current_path() / "relativa").string());
    EXPECT_FALSE(ProcessChartFolderInputs(std::nullopt).folderOption.has_value());
    // This test program runs from the build folder.
    EXPECT_EQ(std::filesystem::path(in.executableFolder) / "core_tests",
              std::filesystem::canonical("/proc/self/exe"));
    EXPECT_EQ(in.dataFromProgram, "../share/natalis");
}

// Sets or unsets an environment variable for one test and puts it back afterwards.
class ScopedEnv {
  public:
    ScopedEnv(const char* name, const char* value) : name_(name) {
        if (const char* old = std::getenv(name)) old_ = old;
        value ? ::setenv(name, value, 1) : ::unsetenv(name);
    }
    ~ScopedEnv() { old_ ? ::setenv(name_, old_->c_str(), 1) : ::unsetenv(name_); }

  private:
    const char* name_;
    std::optional<std::string> old_;
};

TEST(ProcessChartFolderInputs, ReadsHomeAndXdgDataHome) {
    ScopedEnv home("HOME", "/casa/ana");
    ScopedEnv xdg("XDG_DATA_HOME", "/datos/ana");
    const ChartFolderInputs in = ProcessChartFolderInputs(std::nullopt);
    EXPECT_EQ(in.home, "/casa/ana");
    EXPECT_EQ(in.xdgDataHome, "/datos/ana");
}

TEST(ProcessChartFolderInputs, WithoutHomeTakesTheUsersHomeFromThePasswordDatabase) {
    ScopedEnv home("HOME", nullptr);
    ScopedEnv xdg("XDG_DATA_HOME", nullptr);
    const struct passwd* pw = ::getpwuid(::getuid());
    ASSERT_NE(pw, nullptr);
    const ChartFolderInputs in = ProcessChartFolderInputs(std::nullopt);
    EXPECT_EQ(in.home, pw->pw_dir);
    EXPECT_EQ(in.xdgDataHome, "");
}

}  // namespace
}  // namespace natalis
