// Putting chart files on disk: new files in Windows-1252, no appending, no silent loss of
// characters, and failures that leave the old file as it was.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <ctime>
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

bool StartsWith(const std::string& s, const std::string& start) { return s.rfind(start, 0) == 0; }
bool EndsWith(const std::string& s, const std::string& end) {
    return s.size() >= end.size() && s.compare(s.size() - end.size(), end.size(), end) == 0;
}

// A message with the six random characters of a temporary file's name ("…PRUEBA.a1B2c3»")
// shown as "??????".
std::string WithoutRandomPart(std::string message) {
    const std::size_t tag = message.find(".PRUEBA.");
    if (tag != std::string::npos) message.replace(tag + 8, 6, "??????");
    return message;
}

const std::string kText = "1: María Ñandú\r\n9: Asunción\r\n";
// í = 0xED, Ñ = 0xD1, ú = 0xFA, ó = 0xF3 in Windows-1252.
const std::string kBytes = std::string("1: Mar\xED") + "a \xD1" + "and\xFA\r\n9: Asunci\xF3n\r\n";

TEST(WriteNewChartFile, WritesWindows1252) {
    TempFolder folder;
    const WriteResult res = WriteNewChartFile(folder.path(), "María.dat", kText, {});
    ASSERT_TRUE(res.ok()) << res.message;
    EXPECT_EQ(ReadBytes(folder / "María.dat"), kBytes);
    EXPECT_EQ(Names(folder.path()), std::vector<std::string>{"María.dat"});
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
    EXPECT_TRUE(StartsWith(res.message,
                           "No se pudo guardar «Ana.dat»: no se pudo crear el archivo temporal "
                           "«.Ana.dat.CARTA."))
        << res.message;
    EXPECT_TRUE(EndsWith(res.message, "» (la carpeta no existe). No se ha guardado nada."))
        << res.message;
}

TEST(ReplaceFileSafely, ReplacesTheWholeFileAndKeepsItsPermissions) {
    TempFolder folder;
    WriteBytes(folder / "Ana.dat", "viejo y mucho más largo que el nuevo\r\n");
    ::chmod((folder / "Ana.dat").c_str(), 0640);
    const FileWriteResult res = ReplaceFileSafely(folder.path(), "Ana.dat", "nuevo\r\n", "PRUEBA");
    ASSERT_TRUE(res.ok) << res.message;
    EXPECT_EQ(ReadBytes(folder / "Ana.dat"), "nuevo\r\n");
    struct stat st;
    ASSERT_EQ(::stat((folder / "Ana.dat").c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 07777, 0640u);
}

// Files under the old shared temporary name, and temporary files of another running copy,
// are never appended to, followed, removed or replaced.
TEST(ReplaceFileSafely, OtherWritersTemporaryFilesAreNeverTouched) {
    TempFolder folder;
    WriteBytes(folder / "Ana.dat", "viejo\r\n");
    WriteBytes(folder / "otro.dat", "no tocar\r\n");
    WriteBytes(folder / "NUEVAHORA.tmp", "restos de una vez anterior\r\n");
    ASSERT_EQ(::symlink((folder / "otro.dat").c_str(), (folder / ".Ana.dat.tmp").c_str()), 0);
    ::mkdir((folder / ".Ana.dat.PRUEBA.a1B2c3").c_str(), 0755);
    WriteBytes(folder / ".Ana.dat.NOTAS.x9Y8z7", "otra copia escribiendo\r\n");
    const std::vector<std::string> before = Names(folder.path());

    const FileWriteResult res = ReplaceFileSafely(folder.path(), "Ana.dat", "nuevo\r\n", "PRUEBA");
    ASSERT_TRUE(res.ok) << res.message;
    EXPECT_EQ(ReadBytes(folder / "Ana.dat"), "nuevo\r\n");
    EXPECT_EQ(ReadBytes(folder / "otro.dat"), "no tocar\r\n");
    EXPECT_EQ(ReadBytes(folder / "NUEVAHORA.tmp"), "restos de una vez anterior\r\n");
    EXPECT_EQ(ReadBytes(folder / ".Ana.dat.NOTAS.x9Y8z7"), "otra copia escribiendo\r\n");
    EXPECT_EQ(Names(folder.path()), before);
}

TEST(ReplaceFileSafely, TargetThatIsAFolderFailsAndLeavesNoTemporaryFile) {
    TempFolder folder;
    ::mkdir((folder / "Ana.dat").c_str(), 0755);
    WriteBytes(folder / "Ana.dat/dentro", "x");
    const FileWriteResult res = ReplaceFileSafely(folder.path(), "Ana.dat", "nuevo\r\n", "PRUEBA");
    EXPECT_FALSE(res.ok);
    EXPECT_EQ(res.message,
              "No se pudo guardar «Ana.dat»: no se pudo poner el archivo nuevo en su lugar (ya "
              "existe una carpeta con ese nombre). No se ha guardado nada.");
    EXPECT_EQ(ReadBytes(folder / "Ana.dat/dentro"), "x");
    EXPECT_EQ(Names(folder.path()), std::vector<std::string>{"Ana.dat"});
}

TEST(ReplaceFileSafely, ReadOnlyFolderLeavesTheOldFile) {
    if (::geteuid() == 0) GTEST_SKIP() << "root writes into read-only folders";
    TempFolder folder;
    WriteBytes(folder / "Ana.dat", "viejo\r\n");
    ASSERT_EQ(::chmod(folder.path().c_str(), 0555), 0);
    const FileWriteResult res = ReplaceFileSafely(folder.path(), "Ana.dat", "nuevo\r\n", "PRUEBA");
    ::chmod(folder.path().c_str(), 0755);
    EXPECT_FALSE(res.ok);
    EXPECT_TRUE(EndsWith(res.message,
                         "» (no hay permiso para escribir en la carpeta). El archivo anterior "
                         "no se ha modificado."))
        << res.message;
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
        const FileWriteResult res = ReplaceFileSafely(folder.path(), name, bytes, "PRUEBA");
        ASSERT_TRUE(res.ok) << name << ": " << res.message;
        EXPECT_TRUE(IsLink(folder / "Ana.dat"));
        EXPECT_TRUE(IsLink(folder / "Doble.dat"));
        EXPECT_EQ(ReadBytes(folder / "otra/Ana.dat"), bytes);
        EXPECT_EQ(Names(folder / "otra"), std::vector<std::string>{"Ana.dat"});
        EXPECT_EQ(Names(folder.path()), (std::vector<std::string>{"Ana.dat", "Doble.dat", "otra"}));
    }
}

TEST(ReplaceFileSafely, LinkToAMissingFileCreatesItAndALoopIsRefused) {
    TempFolder folder;
    ASSERT_EQ(::symlink("nueva.dat", (folder / "Ana.dat").c_str()), 0);
    ASSERT_TRUE(ReplaceFileSafely(folder.path(), "Ana.dat", "nuevo\r\n", "PRUEBA").ok);
    EXPECT_TRUE(IsLink(folder / "Ana.dat"));
    EXPECT_EQ(ReadBytes(folder / "nueva.dat"), "nuevo\r\n");

    ASSERT_EQ(::symlink("Bucle2.dat", (folder / "Bucle1.dat").c_str()), 0);
    ASSERT_EQ(::symlink("Bucle1.dat", (folder / "Bucle2.dat").c_str()), 0);
    const FileWriteResult res = ReplaceFileSafely(folder.path(), "Bucle1.dat", "x\r\n", "PRUEBA");
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
    for (const int pass : {1, 2}) {  // twice: the second from the first's result
        const FileWriteResult res =
            ReplaceFileSafely(folder.path(), "Ana.dat", "nuevo\r\n", "PRUEBA");
        ASSERT_TRUE(res.ok) << res.message;
        const struct stat st = StatOf(folder / "Ana.dat");
        EXPECT_EQ(st.st_uid, 1234u) << pass;
        EXPECT_EQ(st.st_gid, 5678u) << pass;
        EXPECT_EQ(st.st_mode & 07777, 02640u) << pass;
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
         "no se pudo escribir el archivo temporal «.Ana.dat.PRUEBA.??????» (error de lectura "
         "o escritura del disco)"},
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
            ReplaceFileSafely(folder.path(), "Ana.dat", "nuevo\r\n", "PRUEBA", row.calls);
        EXPECT_FALSE(res.ok) << row.what;
        EXPECT_EQ(WithoutRandomPart(res.message), std::string("No se pudo guardar «Ana.dat»: ") +
                                                      row.failure +
                                                      ". El archivo anterior no se ha modificado.")
            << row.what;
        EXPECT_EQ(ReadBytes(folder / "Ana.dat"), "viejo\r\n") << row.what;
        EXPECT_EQ(StatOf(folder / "Ana.dat").st_mode & 07777, 0640u) << row.what;
        EXPECT_EQ(Names(folder.path()), std::vector<std::string>{"Ana.dat"}) << row.what;
    }
}

// A new file (nothing to keep) takes the folder's usual mode and needs none of the calls.
TEST(ReplaceFileSafely, NewFileNeedsNoOwnerOrMode) {
    SafeWriteCalls calls = kSystemCalls;
    calls.fchown = FailWithEperm;
    calls.fchmod = FailWithEperm;
    TempFolder folder;
    const FileWriteResult res =
        ReplaceFileSafely(folder.path(), "Ana.dat", "nuevo\r\n", "PRUEBA", calls);
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
            ReplaceFileSafely(folder.path(), name, "nuevo\r\n", "PRUEBA", calls);
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

// ---- Private before any byte, rewrites from the present file, leftovers -----------------

// What the temporary file was like when its mode was set: size and mode.
struct Seen {
    off_t size = -1;
    mode_t mode = 0;
};
Seen* gAtChmod = nullptr;
int RecordAtChmod(int fd, mode_t mode) {
    struct stat st;
    if (::fstat(fd, &st) == 0 && gAtChmod) *gAtChmod = {st.st_size, st.st_mode & 07777};
    return ::fchmod(fd, mode);
}

TEST(ReplaceFileSafely, TemporaryIsPrivateBeforeAnyByteIsWritten) {
    const mode_t mask = ::umask(0);  // no umask to hide a mode given too wide
    for (const mode_t chartMode : {0600u, 0640u, 0644u}) {
        TempFolder folder;
        WriteBytes(folder / "Ana.dat", "notas privadas\r\n");
        ::chmod((folder / "Ana.dat").c_str(), chartMode);
        Seen seen;
        gAtChmod = &seen;
        SafeWriteCalls calls = kSystemCalls;
        calls.fchmod = RecordAtChmod;
        const FileWriteResult res =
            ReplaceFileSafely(folder.path(), "Ana.dat", "más notas privadas\r\n", "PRUEBA", calls);
        gAtChmod = nullptr;
        ASSERT_TRUE(res.ok) << res.message;
        // Empty and readable by its owner alone when it gets the chart's mode.
        EXPECT_EQ(seen.size, 0) << chartMode;
        EXPECT_EQ(seen.mode, 0600u) << chartMode;
        EXPECT_EQ(StatOf(folder / "Ana.dat").st_mode & 07777, chartMode);
    }
    ::umask(mask);
}

TEST(RewriteFileSafely, StartsFromThePresentFileAndARefusalWritesNothing) {
    TempFolder folder;
    WriteBytes(folder / "Ana.dat", "uno\r\n");
    std::vector<std::string> seen;
    const auto append = [&](const CurrentFile& now) -> Rewrite {
        seen.push_back(now.exists ? now.bytes : "(no existe)");
        return {true, now.bytes + "más\r\n", ""};
    };
    ASSERT_TRUE(RewriteFileSafely(folder.path(), "Ana.dat", "PRUEBA", append).ok);
    WriteBytes(folder / "Ana.dat", "cambiado por otro\r\n");  // changed meanwhile
    ASSERT_TRUE(RewriteFileSafely(folder.path(), "Ana.dat", "PRUEBA", append).ok);
    ASSERT_TRUE(RewriteFileSafely(folder.path(), "Nueva.dat", "PRUEBA", append).ok);
    EXPECT_EQ(seen, (std::vector<std::string>{"uno\r\n", "cambiado por otro\r\n", "(no existe)"}));
    EXPECT_EQ(ReadBytes(folder / "Ana.dat"), "cambiado por otro\r\nmás\r\n");
    EXPECT_EQ(ReadBytes(folder / "Nueva.dat"), "más\r\n");

    const FileWriteResult refused =
        RewriteFileSafely(folder.path(), "Ana.dat", "PRUEBA", [](const CurrentFile&) {
            return Rewrite{false, "x", "No, gracias."};
        });
    EXPECT_FALSE(refused.ok);
    EXPECT_EQ(refused.message, "No, gracias.");
    EXPECT_EQ(ReadBytes(folder / "Ana.dat"), "cambiado por otro\r\nmás\r\n");
    EXPECT_EQ(Names(folder.path()), (std::vector<std::string>{"Ana.dat", "Nueva.dat"}));
}

TEST(RewriteFileSafely, CreateNewNeverReplacesAFileThatAppeared) {
    TempFolder folder;
    const auto text = [](const CurrentFile&) { return Rewrite{true, "mío\r\n", ""}; };
    ASSERT_TRUE(
        RewriteFileSafely(folder.path(), "Ana.dat", "PRUEBA", text, RewriteMode::CreateNew).ok);
    EXPECT_EQ(ReadBytes(folder / "Ana.dat"), "mío\r\n");

    // Another writer puts its file there first: it stays, and this write says so.
    WriteBytes(folder / "Ana.dat", "del otro\r\n");
    const FileWriteResult second =
        RewriteFileSafely(folder.path(), "Ana.dat", "PRUEBA", text, RewriteMode::CreateNew);
    EXPECT_FALSE(second.ok);
    EXPECT_EQ(second.message, "Ya existe el archivo «Ana.dat».");
    EXPECT_EQ(ReadBytes(folder / "Ana.dat"), "del otro\r\n");
    EXPECT_EQ(Names(folder.path()), std::vector<std::string>{"Ana.dat"});
}

TEST(RemoveOwnLeftovers, OnlyTheProgramsOwnOldTemporaryFiles) {
    TempFolder folder;
    const std::time_t now = std::time(nullptr);
    const std::time_t old = now - 25 * 3600, young = now - 23 * 3600;
    struct Row {
        const char* name;
        std::time_t mtime;
        bool removed;
    };
    const Row rows[] = {
        {".Ana.dat.NUEVAHORA.a1B2c3", old, true},
        {".Ana.dat.NOTAS.Zz09aa", old, true},
        {".José Pérez.dat.CARTA.QWERTY", old, true},
        {".lugares.txt.LUGARES.000000", old, true},
        {".Ana.dat.NOTAS.a1B2c3", young, false},  // a write may be going on
        {".Ana.dat.PRUEBA.a1B2c3", old, false},   // not one of the program's tags
        {".Ana.dat.NOTAS.a1B2c", old, false},     // five characters
        {".Ana.dat.NOTAS.a1B2c!", old, false},    // not a letter or digit
        {"Ana.dat.NOTAS.a1B2c3", old, false},     // no leading point
        {"..NOTAS.a1B2c3", old, false},           // no file name
        {"NUEVAHORA.tmp", old, false},
        {"Ana.dat", old, false},
    };
    for (const Row& row : rows) {
        WriteBytes(folder / row.name, "x");
        const struct timespec times[2] = {{row.mtime, 0}, {row.mtime, 0}};
        ASSERT_EQ(::utimensat(AT_FDCWD, (folder / row.name).c_str(), times, 0), 0) << row.name;
    }
    // A link or a folder of that name is never the program's.
    ASSERT_EQ(::symlink("Ana.dat", (folder / ".Ana.dat.CARTA.link00").c_str()), 0);
    ASSERT_EQ(::mkdir((folder / ".Ana.dat.CARTA.fold00").c_str(), 0755), 0);
    const struct timespec oldTimes[2] = {{old, 0}, {old, 0}};
    ::utimensat(AT_FDCWD, (folder / ".Ana.dat.CARTA.link00").c_str(), oldTimes,
                AT_SYMLINK_NOFOLLOW);
    ::utimensat(AT_FDCWD, (folder / ".Ana.dat.CARTA.fold00").c_str(), oldTimes, 0);

    EXPECT_EQ(RemoveOwnLeftovers(folder.path(), now), 4);
    for (const Row& row : rows) EXPECT_EQ(Exists(folder / row.name), !row.removed) << row.name;
    EXPECT_TRUE(Exists(folder / ".Ana.dat.CARTA.link00"));
    EXPECT_TRUE(Exists(folder / ".Ana.dat.CARTA.fold00"));
    EXPECT_EQ(RemoveOwnLeftovers(folder.path(), now), 0);
    EXPECT_EQ(RemoveOwnLeftovers(folder / "no-existe", now), 0);
}

}  // namespace
}  // namespace natalis
