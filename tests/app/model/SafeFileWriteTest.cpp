// Putting chart files on disk: new files in Windows-1252, no appending, no silent loss of
// characters, and failures that leave the old file as it was.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <filesystem>
#include <string>
#include <vector>

#include "app/model/ChartFile.h"
#include "app/model/SafeFileWrite.h"
#include "tests/app/TempFolder.h"

namespace natalis {
namespace {

// The names in a folder, sorted.
std::vector<std::string> Names(const std::string& folder) {
    std::vector<std::string> names;
    for (const auto& e : std::filesystem::directory_iterator(folder))
        names.push_back(e.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

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

// ---- The file's identity: links, owner, group and mode ---------------------------------

struct stat StatOf(const std::string& path) {
    struct stat st {};
    EXPECT_EQ(::stat(path.c_str(), &st), 0) << path;
    return st;
}

bool IsLink(const std::string& path) {
    struct stat st;
    return ::lstat(path.c_str(), &st) == 0 && S_ISLNK(st.st_mode);
}

TEST(ReplaceFileSafely, SymbolicLinkIsWrittenThroughAndStaysALink) {
    TempFolder folder;
    ASSERT_EQ(::mkdir((folder / "otra").c_str(), 0755), 0);
    WriteBytes(folder / "otra/Ana.dat", "viejo\r\n");
    // A relative link, and a link to that link given by its absolute path.
    ASSERT_EQ(::symlink("otra/Ana.dat", (folder / "Ana.dat").c_str()), 0);
    ASSERT_EQ(::symlink((folder / "Ana.dat").c_str(), (folder / "Doble.dat").c_str()), 0);

    for (const char* name : {"Ana.dat", "Doble.dat"}) {
        const std::string bytes = std::string("nuevo por ") + name + "\r\n";
        const FileWriteResult res = ReplaceFileSafely(folder.path(), name, bytes);
        ASSERT_TRUE(res.ok) << name << ": " << res.message;
        EXPECT_TRUE(IsLink(folder / "Ana.dat"));
        EXPECT_TRUE(IsLink(folder / "Doble.dat"));
        EXPECT_EQ(ReadBytes(folder / "otra/Ana.dat"), bytes);
        EXPECT_FALSE(Exists(folder / "otra/.Ana.dat.tmp"));
        EXPECT_FALSE(Exists(folder / ".Ana.dat.tmp"));
        EXPECT_FALSE(Exists(folder / ".Doble.dat.tmp"));
    }
    // The own-temporary write goes through links the same way.
    ASSERT_TRUE(ReplaceFileThroughOwnTemp(folder.path(), "Ana.dat", "propio\r\n", "PRUEBA").ok);
    EXPECT_TRUE(IsLink(folder / "Ana.dat"));
    EXPECT_EQ(ReadBytes(folder / "otra/Ana.dat"), "propio\r\n");
}

TEST(ReplaceFileSafely, LinkToAMissingFileCreatesItAndALoopIsRefused) {
    TempFolder folder;
    ASSERT_EQ(::symlink("nueva.dat", (folder / "Ana.dat").c_str()), 0);
    ASSERT_TRUE(ReplaceFileSafely(folder.path(), "Ana.dat", "nuevo\r\n").ok);
    EXPECT_TRUE(IsLink(folder / "Ana.dat"));
    EXPECT_EQ(ReadBytes(folder / "nueva.dat"), "nuevo\r\n");

    ASSERT_EQ(::symlink("Bucle2.dat", (folder / "Bucle1.dat").c_str()), 0);
    ASSERT_EQ(::symlink("Bucle1.dat", (folder / "Bucle2.dat").c_str()), 0);
    const FileWriteResult res = ReplaceFileSafely(folder.path(), "Bucle1.dat", "x\r\n");
    EXPECT_FALSE(res.ok);
    EXPECT_EQ(res.message,
              "No se pudo guardar «Bucle1.dat»: no se pudo seguir el enlace simbólico (hay "
              "demasiados enlaces simbólicos seguidos). No se ha guardado nada.");
    EXPECT_TRUE(IsLink(folder / "Bucle1.dat"));
}

TEST(ReplaceFileSafely, KeepsOwnerGroupAndMode) {
    if (::geteuid() != 0) GTEST_SKIP() << "only root can give a file to another owner";
    TempFolder folder;
    WriteBytes(folder / "Ana.dat", "viejo\r\n");
    ASSERT_EQ(::chown((folder / "Ana.dat").c_str(), 1234, 5678), 0);
    ASSERT_EQ(::chmod((folder / "Ana.dat").c_str(), 02640), 0);  // set-group bit too
    for (const bool own : {false, true}) {
        const FileWriteResult res =
            own ? ReplaceFileThroughOwnTemp(folder.path(), "Ana.dat", "nuevo\r\n", "PRUEBA")
                : ReplaceFileSafely(folder.path(), "Ana.dat", "nuevo\r\n");
        ASSERT_TRUE(res.ok) << res.message;
        const struct stat st = StatOf(folder / "Ana.dat");
        EXPECT_EQ(st.st_uid, 1234u) << own;
        EXPECT_EQ(st.st_gid, 5678u) << own;
        EXPECT_EQ(st.st_mode & 07777, 02640u) << own;
    }
}

// Stand-ins for the system calls, failing as the system can.
int FailWithEperm(int, uid_t, gid_t) {
    errno = EPERM;
    return -1;
}
int FailWithEperm(int, mode_t) {
    errno = EPERM;
    return -1;
}
int FailWithEio(int) {
    errno = EIO;
    return -1;
}

TEST(ReplaceFileSafely, FailedOwnerModeOrSyncIsAnErrorAndLeavesTheOldFile) {
    SafeWriteCalls noChown = kSystemCalls, noChmod = kSystemCalls, noSync = kSystemCalls;
    noChown.fchown = FailWithEperm;
    noChmod.fchmod = FailWithEperm;
    noSync.fsync = FailWithEio;
    struct Row {
        const char* what;
        SafeWriteCalls calls;
        bool otherOwner;  // the old file belongs to someone else (only root can arrange it)
        const char* failure;
    };
    const Row rows[] = {
        {"owner", noChown, true,
         "no se pudo dar al archivo nuevo el dueño y el grupo del anterior (no hay permiso "
         "para escribir en la carpeta)"},
        {"mode", noChmod, false,
         "no se pudo dar al archivo nuevo los permisos del anterior (no hay permiso para "
         "escribir en la carpeta)"},
        {"sync", noSync, false,
         "no se pudo escribir el archivo temporal «.Ana.dat.tmp» (error de lectura o "
         "escritura del disco)"},
    };
    for (const Row& row : rows) {
        if (row.otherOwner && ::geteuid() != 0) continue;
        TempFolder folder;
        WriteBytes(folder / "Ana.dat", "viejo\r\n");
        ::chmod((folder / "Ana.dat").c_str(), 0640);
        if (row.otherOwner) {
            ASSERT_EQ(::chown((folder / "Ana.dat").c_str(), 1234, 1234), 0);
        }
        const FileWriteResult res =
            ReplaceFileSafely(folder.path(), "Ana.dat", "nuevo\r\n", "", row.calls);
        EXPECT_FALSE(res.ok) << row.what;
        EXPECT_EQ(res.message, std::string("No se pudo guardar «Ana.dat»: ") + row.failure +
                                   ". El archivo anterior no se ha modificado.")
            << row.what;
        EXPECT_EQ(ReadBytes(folder / "Ana.dat"), "viejo\r\n") << row.what;
        EXPECT_EQ(StatOf(folder / "Ana.dat").st_mode & 07777, 0640u) << row.what;
        EXPECT_FALSE(Exists(folder / ".Ana.dat.tmp")) << row.what;
    }
}

// A new file (nothing to keep) takes the folder's usual mode and needs none of the calls.
TEST(ReplaceFileSafely, NewFileNeedsNoOwnerOrMode) {
    SafeWriteCalls calls = kSystemCalls;
    calls.fchown = FailWithEperm;
    calls.fchmod = FailWithEperm;
    TempFolder folder;
    const FileWriteResult res = ReplaceFileSafely(folder.path(), "Ana.dat", "nuevo\r\n", "", calls);
    ASSERT_TRUE(res.ok) << res.message;
    const mode_t mask = ::umask(0);
    ::umask(mask);
    EXPECT_EQ(StatOf(folder / "Ana.dat").st_mode & 07777, 0666u & ~mask);
}

// ---- Temporary files of their own ---------------------------------------------------------

// Names of the own temporary files seen in the folder while the file is being synced (the
// stand-in for the sync is a plain function, so it reports through these two).
std::vector<std::string>* gSeen = nullptr;
std::string gSeenFolder;
int RecordTemporaries(int fd) {
    for (const auto& e : std::filesystem::directory_iterator(gSeenFolder)) {
        const std::string name = e.path().filename().string();
        if (name.find(".PRUEBA.") != std::string::npos) gSeen->push_back(name);
    }
    return ::fsync(fd);
}

TEST(ReplaceFileThroughOwnTemp, TemporaryIsNewPrivateToTheFileAndGoneAfterwards) {
    TempFolder folder;
    // A name whose cut falls inside the two bytes of its "ñ".
    const std::string longName = std::string(239, 'a') + "ñ.dat";
    std::vector<std::string> seen;
    gSeen = &seen;
    gSeenFolder = folder.path();
    SafeWriteCalls calls = kSystemCalls;
    calls.fsync = RecordTemporaries;
    for (const std::string& name : {std::string("Ana.dat"), std::string("Ana.dat"), longName}) {
        const FileWriteResult res =
            ReplaceFileThroughOwnTemp(folder.path(), name, "nuevo\r\n", "PRUEBA", calls);
        ASSERT_TRUE(res.ok) << res.message;
        EXPECT_EQ(ReadBytes(folder / name), "nuevo\r\n");
    }
    gSeen = nullptr;
    ASSERT_EQ(seen.size(), 3u);
    // ".Ana.dat.PRUEBA." and six characters; each run a new name.
    EXPECT_EQ(seen[0].rfind(".Ana.dat.PRUEBA.", 0), 0u) << seen[0];
    EXPECT_EQ(seen[0].size(), std::string(".Ana.dat.PRUEBA.").size() + 6) << seen[0];
    EXPECT_NE(seen[0], seen[1]);
    // A long name is cut to fit the system's limit of 255 bytes, at a character.
    EXPECT_EQ(seen[2].rfind("." + std::string(239, 'a') + ".PRUEBA.", 0), 0u) << seen[2];
    EXPECT_EQ(seen[2].size(), 254u);
    EXPECT_EQ(Names(folder.path()), (std::vector<std::string>{"Ana.dat", longName}));
}

}  // namespace
}  // namespace natalis
