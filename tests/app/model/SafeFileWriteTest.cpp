// Putting chart files on disk: new files in Windows-1252, no appending, no silent loss of
// characters, and failures that leave the old file as it was.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <string>
#include <vector>

#include "app/model/ChartFile.h"
#include "app/model/SafeFileWrite.h"
#include "tests/app/TempFolder.h"

namespace natalis {
namespace {

const std::string kText = "1: María Ñandú\r\n9: Asunción\r\n";
// í = 0xED, Ñ = 0xD1, ú = 0xFA, ó = 0xF3 in Windows-1252.
const std::string kBytes = std::string("1: Mar\xED") + "a \xD1" + "and\xFA\r\n9: Asunci\xF3n\r\n";

TEST(WriteNewChartFile, WritesWindows1252) {
    TempFolder folder;
    const WriteResult res = WriteNewChartFile(folder.path(), "María.dat", kText, {});
    ASSERT_TRUE(res.ok()) << res.message;
    EXPECT_EQ(ReadBytes(folder / "María.dat"), kBytes);
    EXPECT_FALSE(Exists(folder / ".María.dat.tmp"));
}

TEST(WriteNewChartFile, NeverAppendsAndReplacesOnlyWhenAsked) {
    TempFolder folder;
    WriteBytes(folder / "Ana.dat", "contenido anterior\r\n");

    const WriteResult refused = WriteNewChartFile(folder.path(), "Ana.dat", kText, {});
    EXPECT_EQ(refused.status, WriteStatus::AlreadyExists);
    EXPECT_EQ(refused.message, "Ya existe el archivo «Ana.dat».");
    EXPECT_EQ(ReadBytes(folder / "Ana.dat"), "contenido anterior\r\n");

    WriteOptions replace;
    replace.replaceExisting = true;
    const WriteResult res = WriteNewChartFile(folder.path(), "Ana.dat", kText, replace);
    ASSERT_TRUE(res.ok()) << res.message;
    EXPECT_EQ(ReadBytes(folder / "Ana.dat"), kBytes);  // the whole file, nothing kept
}

TEST(WriteNewChartFile, UnstorableCharactersNeedTheUsersConsent) {
    TempFolder folder;
    const std::string text = "1: Łucja 山田\r\n";
    const WriteResult refused = WriteNewChartFile(folder.path(), "Lucja.dat", text, {});
    EXPECT_EQ(refused.status, WriteStatus::Unstorable);
    EXPECT_EQ(refused.unstorable, (std::vector<std::string>{"Ł", "山", "田"}));
    EXPECT_EQ(refused.message,
              "Estos caracteres no se pueden guardar en el archivo: «Ł», «山», «田».\n"
              "¿Guardar de todos modos, con «?» en su lugar?");
    EXPECT_FALSE(Exists(folder / "Lucja.dat"));

    WriteOptions accept;
    accept.acceptUnstorable = true;
    const WriteResult res = WriteNewChartFile(folder.path(), "Lucja.dat", text, accept);
    ASSERT_TRUE(res.ok()) << res.message;
    EXPECT_EQ(ReadBytes(folder / "Lucja.dat"), "1: ?ucja ??\r\n");
}

TEST(WriteNewChartFile, NamesThatCannotBeFileNames) {
    struct Row {
        std::string fileName;
        const char* message;
    };
    const std::vector<Row> rows = {
        {ChartFileNameFor(""), "Falta el nombre del archivo."},
        {ChartFileNameFor("    "), "Falta el nombre del archivo."},
        {"", "Falta el nombre del archivo."},
        {".", "«.» no sirve como nombre de archivo."},
        {"..", "«..» no sirve como nombre de archivo."},
        {ChartFileNameFor("../Ana"), "El nombre del archivo no puede contener «/»."},
        {ChartFileNameFor("Ana/Luis"), "El nombre del archivo no puede contener «/»."},
        {ChartFileNameFor(std::string("A\0na", 4)),
         "El nombre del archivo no puede contener caracteres de control."},
        {ChartFileNameFor("Ana\nLuis"),
         "El nombre del archivo no puede contener caracteres de control."},
        {ChartFileNameFor(std::string(247, 'a')), "El nombre del archivo es demasiado largo."},
    };
    TempFolder folder;
    for (const Row& row : rows) {
        const WriteResult res = WriteNewChartFile(folder.path(), row.fileName, kText, {});
        EXPECT_EQ(res.status, WriteStatus::InvalidName) << row.fileName;
        EXPECT_EQ(res.message, row.message) << row.fileName;
    }
    EXPECT_TRUE(std::filesystem::is_empty(folder.path()));  // nothing was created
    EXPECT_FALSE(ChartFileNameProblem(ChartFileNameFor(std::string(246, 'a'))).has_value());
    EXPECT_FALSE(ChartFileNameProblem(ChartFileNameFor("  José Pérez (2ª) ")).has_value());
    EXPECT_EQ(ChartFileNameFor("  José Pérez  "), "José Pérez.dat");
}

TEST(WriteNewChartFile, MissingFolderIsReported) {
    TempFolder folder;
    const WriteResult res = WriteNewChartFile(folder / "no-existe/", "Ana.dat", kText, {});
    EXPECT_EQ(res.status, WriteStatus::Failed);
    EXPECT_EQ(res.message,
              "No se pudo guardar «Ana.dat»: no se pudo crear el archivo temporal "
              "«.Ana.dat.tmp» (la carpeta no existe). No se ha guardado nada.");
}

TEST(ReplaceFileSafely, ReplacesTheWholeFileAndKeepsItsPermissions) {
    TempFolder folder;
    WriteBytes(folder / "Ana.dat", "viejo y mucho más largo que el nuevo\r\n");
    ::chmod((folder / "Ana.dat").c_str(), 0640);
    const FileWriteResult res = ReplaceFileSafely(folder.path(), "Ana.dat", "nuevo\r\n");
    ASSERT_TRUE(res.ok) << res.message;
    EXPECT_EQ(ReadBytes(folder / "Ana.dat"), "nuevo\r\n");
    struct stat st;
    ASSERT_EQ(::stat((folder / "Ana.dat").c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 07777, 0640u);
}

TEST(ReplaceFileSafely, StaleTemporaryFileIsNeverAppendedTo) {
    TempFolder folder;
    WriteBytes(folder / "Ana.dat", "viejo\r\n");
    WriteBytes(folder / "NUEVAHORA.tmp", "restos de una vez anterior\r\n");
    const FileWriteResult res =
        ReplaceFileSafely(folder.path(), "Ana.dat", "nuevo\r\n", "NUEVAHORA.tmp");
    ASSERT_TRUE(res.ok) << res.message;
    EXPECT_EQ(ReadBytes(folder / "Ana.dat"), "nuevo\r\n");
    EXPECT_FALSE(Exists(folder / "NUEVAHORA.tmp"));
}

TEST(ReplaceFileSafely, StaleTemporaryLinkIsRemovedNotFollowed) {
    TempFolder folder;
    WriteBytes(folder / "otro.dat", "no tocar\r\n");
    ASSERT_EQ(::symlink((folder / "otro.dat").c_str(), (folder / "NUEVAHORA.tmp").c_str()), 0);
    ASSERT_TRUE(ReplaceFileSafely(folder.path(), "Ana.dat", "nuevo\r\n", "NUEVAHORA.tmp").ok);
    EXPECT_EQ(ReadBytes(folder / "otro.dat"), "no tocar\r\n");
    EXPECT_EQ(ReadBytes(folder / "Ana.dat"), "nuevo\r\n");
}

TEST(ReplaceFileSafely, TemporaryNameTakenByAFolderLeavesTheOldFile) {
    TempFolder folder;
    WriteBytes(folder / "Ana.dat", "viejo\r\n");
    ::mkdir((folder / "NUEVAHORA.tmp").c_str(), 0755);
    WriteBytes(folder / "NUEVAHORA.tmp/dentro", "x");
    const FileWriteResult res =
        ReplaceFileSafely(folder.path(), "Ana.dat", "nuevo\r\n", "NUEVAHORA.tmp");
    EXPECT_FALSE(res.ok);
    EXPECT_EQ(res.message,
              "No se pudo guardar «Ana.dat»: no se pudo quitar el archivo temporal "
              "«NUEVAHORA.tmp» (ya existe una carpeta con ese nombre). El archivo anterior no "
              "se ha modificado.");
    EXPECT_EQ(ReadBytes(folder / "Ana.dat"), "viejo\r\n");
}

TEST(ReplaceFileSafely, TargetThatIsAFolderFailsAndLeavesNoTemporaryFile) {
    TempFolder folder;
    ::mkdir((folder / "Ana.dat").c_str(), 0755);
    WriteBytes(folder / "Ana.dat/dentro", "x");
    const FileWriteResult res = ReplaceFileSafely(folder.path(), "Ana.dat", "nuevo\r\n");
    EXPECT_FALSE(res.ok);
    EXPECT_EQ(res.message,
              "No se pudo guardar «Ana.dat»: no se pudo poner el archivo nuevo en su lugar (ya "
              "existe una carpeta con ese nombre). No se ha guardado nada.");
    EXPECT_EQ(ReadBytes(folder / "Ana.dat/dentro"), "x");
    EXPECT_FALSE(Exists(folder / ".Ana.dat.tmp"));
}

TEST(ReplaceFileSafely, ReadOnlyFolderLeavesTheOldFile) {
    if (::geteuid() == 0) GTEST_SKIP() << "root writes into read-only folders";
    TempFolder folder;
    WriteBytes(folder / "Ana.dat", "viejo\r\n");
    ASSERT_EQ(::chmod(folder.path().c_str(), 0555), 0);
    const FileWriteResult res = ReplaceFileSafely(folder.path(), "Ana.dat", "nuevo\r\n");
    ::chmod(folder.path().c_str(), 0755);
    EXPECT_FALSE(res.ok);
    EXPECT_EQ(res.message,
              "No se pudo guardar «Ana.dat»: no se pudo crear el archivo temporal "
              "«.Ana.dat.tmp» (no hay permiso para escribir en la carpeta). El archivo "
              "anterior no se ha modificado.");
    EXPECT_EQ(ReadBytes(folder / "Ana.dat"), "viejo\r\n");
}

}  // namespace
}  // namespace natalis
