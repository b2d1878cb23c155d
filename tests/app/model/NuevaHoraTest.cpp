// The new birth time: its check, its file line, and the rewrite of a chart file's text.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include "app/model/NuevaHora.h"
#include "tests/app/FileSizeLimit.h"
#include "tests/app/TempFolder.h"

namespace natalis {
namespace {

TEST(RevisarHoraNatal, AcceptsTheParsersFormsWithinTheDay) {
    struct Row {
        const char* text;
        double hours;  // hand computation
    };
    const Row rows[] = {{"14 30", 14.5}, {"14 30 36", 14.51}, {" 9.125 ", 9.125}, {"0 0", 0}};
    for (const Row& r : rows) {
        std::string text = r.text, serr;
        double h = -1;
        RevisarHoraNatal(text, h, serr);
        EXPECT_EQ(serr, "") << r.text;
        EXPECT_DOUBLE_EQ(h, r.hours) << r.text;
    }
}

TEST(RevisarHoraNatal, RejectsWithTheParsersMessageOrAnHourOutsideTheDay) {
    struct Row {
        const char* text;
        const char* message;
    };
    const Row rows[] = {{"24 00", " 24 horas no es correcto."},
                        {"23 60", " 60 minutos no es correcto."},
                        {"1430", " 1430 horas no es correcto."},
                        {"24", " 24 horas no es correcto."}};
    for (const Row& r : rows) {
        std::string text = r.text, serr;
        double h = 7;
        RevisarHoraNatal(text, h, serr);
        EXPECT_EQ(serr, r.message) << r.text;
        EXPECT_EQ(h, 7) << r.text;
    }
}

TEST(LineaHora, TwoDigitFieldsToTheNearestSecond) {
    EXPECT_EQ(LineaHora(14.5), "5: 14.3000");
    EXPECT_EQ(LineaHora(9.125), "5: 09.0730");
    EXPECT_EQ(LineaHora(14.51), "5: 14.3036");
    EXPECT_EQ(LineaHora(0), "5: 00.0000");
    EXPECT_EQ(LineaHora(23.99999), "5: 23.5959");  // would round to 24:00:00
}

// A chart file as the writer makes it, with notes of which two begin with 5.
const std::string kFile =
    " No cambiar el orden de los datos natales. El orden por renglon es : 1-Nombre\r\n"
    " 2-dia  3-mes  4-año  5-hora local  6-huso  7-latitud  8-longitud  9-lugar(opcional).\r\n"
    " \r\n"
    "_____________________________________________ Inicio datos natales\r\n"
    "\r\n"
    "1: Ana\r\n"
    "2: 5\r\n"
    "3; 3\r\n"
    "4: 1970\r\n"
    "5: 09.0730\r\n"
    "6: 03.00\r\n"
    "7: 34.36S\r\n"
    "8: 058.27W\r\n"
    "9: Buenos Aires                  \r\n"
    "_____________________________________________ Fin datos natales\r\n"
    "\r\n"
    " \r\n"
    "NOTAS:\r\n"
    " \r\n"
    "5 hermanos\r\n"
    "  5: no es la hora\r\n";

TEST(ReemplazarLineaHora, ReplacesOnlyTheDataBlocksTimeLine) {
    auto out = ReemplazarLineaHora(kFile, "5: 14.3000");
    ASSERT_TRUE(out.has_value());
    std::string expected = kFile;
    expected.replace(expected.find("5: 09.0730"), 10, "5: 14.3000");
    EXPECT_EQ(*out, expected);
}

TEST(ReemplazarLineaHora, KeepsLfLineEndsAndAMissingFinalLineEnd) {
    const std::string lf = "1: Ana\n5: 09.0730\n9: Lugar\nNOTAS:\n5 notas";
    auto out = ReemplazarLineaHora(lf, "5: 14.3000");
    ASSERT_TRUE(out.has_value());
    EXPECT_EQ(*out, "1: Ana\n5: 14.3000\n9: Lugar\nNOTAS:\n5 notas");
}

TEST(ReemplazarLineaHora, WithoutPlaceLineEveryLineTheReaderReadsIsTheBlock) {
    // The reader reads such a file to its end, so a later 5 line would win over the new time.
    auto out = ReemplazarLineaHora("5: 09.0730\r\n5 x\r\n", "5: 14.3000");
    ASSERT_TRUE(out.has_value());
    EXPECT_EQ(*out, "5: 14.3000\r\n5: 14.3000\r\n");
}

TEST(ReemplazarLineaHora, NoTimeLineInTheBlock) {
    EXPECT_FALSE(ReemplazarLineaHora("1: Ana\r\n9: Lugar\r\n5: nota\r\n", "5: 14.3000"));
    EXPECT_FALSE(ReemplazarLineaHora("", "5: 14.3000"));
}

// The names in a folder, sorted.
std::vector<std::string> Names(const std::string& folder) {
    std::vector<std::string> names;
    for (const auto& e : std::filesystem::directory_iterator(folder))
        names.push_back(e.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

TEST(GuardarNuevaHora, RewritesTheTimeLineAndKeepsEveryOtherByte) {
    TempFolder folder;
    WriteBytes(folder / "Ana.dat", kFile);
    // Temporary files another run left or is writing, under the old shared name or a name
    // of its own, are never used, appended to or removed.
    WriteBytes(folder / "NUEVAHORA.tmp", "restos de otra vez\r\n");
    WriteBytes(folder / ".Ana.dat.NUEVAHORA.a1B2c3", "otra copia del programa\r\n");

    FileWriteResult r = GuardarNuevaHora(folder.path(), "Ana.dat", "14 30 00");
    ASSERT_TRUE(r.ok) << r.message;
    std::string expected = kFile;
    expected.replace(expected.find("5: 09.0730"), 10, "5: 14.3000");
    EXPECT_EQ(ReadBytes(folder / "Ana.dat"), expected);
    EXPECT_EQ(ReadBytes(folder / "NUEVAHORA.tmp"), "restos de otra vez\r\n");
    EXPECT_EQ(ReadBytes(folder / ".Ana.dat.NUEVAHORA.a1B2c3"), "otra copia del programa\r\n");
    // Nothing of this rewrite is left behind.
    EXPECT_EQ(Names(folder.path()),
              (std::vector<std::string>{".Ana.dat.NUEVAHORA.a1B2c3", "Ana.dat", "NUEVAHORA.tmp"}));
}

// The reader takes a lone CR as a line end, so the rewrite does too, keeping the file's own
// line ends.
TEST(GuardarNuevaHora, FileWithCrOnlyLineEndsTakesTheNewTime) {
    std::string cr = kFile;
    for (std::size_t p = cr.find("\r\n"); p != std::string::npos; p = cr.find("\r\n", p))
        cr.erase(p + 1, 1);
    ASSERT_EQ(cr.find('\n'), std::string::npos);
    std::string expected = cr;
    expected.replace(expected.find("5: 09.0730"), 10, "5: 14.3000");
    EXPECT_EQ(ReemplazarLineaHora(cr, "5: 14.3000").value_or(""), expected);

    TempFolder folder;
    WriteBytes(folder / "Ana.dat", cr);
    const FileWriteResult r = GuardarNuevaHora(folder.path(), "Ana.dat", "14 30");
    ASSERT_TRUE(r.ok) << r.message;
    EXPECT_EQ(ReadBytes(folder / "Ana.dat"), expected);

    // Mixed line ends, each kept.
    EXPECT_EQ(
        ReemplazarLineaHora("1: Ana\r5: 01.0000\n9: X\r\n5 nota\r", "5: 14.3000").value_or(""),
        "1: Ana\r5: 14.3000\n9: X\r\n5 nota\r");
}

// A chart that is a symbolic link is rewritten through it, and keeps its owner, group and
// mode.
TEST(GuardarNuevaHora, LinkedChartIsWrittenThroughAndKeepsItsIdentity) {
    TempFolder folder;
    ASSERT_EQ(::mkdir((folder / "cartas").c_str(), 0755), 0);
    WriteBytes(folder / "cartas/Ana real.dat", kFile);
    ASSERT_EQ(::chmod((folder / "cartas/Ana real.dat").c_str(), 0604), 0);
    ASSERT_EQ(::symlink("cartas/Ana real.dat", (folder / "Ana.dat").c_str()), 0);

    const FileWriteResult r = GuardarNuevaHora(folder.path(), "Ana.dat", "14 30");
    ASSERT_TRUE(r.ok) << r.message;
    struct stat st;
    ASSERT_EQ(::lstat((folder / "Ana.dat").c_str(), &st), 0);
    EXPECT_TRUE(S_ISLNK(st.st_mode));
    EXPECT_NE(ReadBytes(folder / "cartas/Ana real.dat").find("\r\n5: 14.3000\r\n"),
              std::string::npos);
    ASSERT_EQ(::stat((folder / "cartas/Ana real.dat").c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 07777, 0604u);
    EXPECT_EQ(Names(folder / "cartas"), (std::vector<std::string>{"Ana real.dat"}));
    EXPECT_EQ(Names(folder.path()), (std::vector<std::string>{"Ana.dat", "cartas"}));
}

TEST(GuardarNuevaHora, DecimalHoursAreWrittenAsHoursMinutesSeconds) {
    TempFolder folder;
    WriteBytes(folder / "Ana.dat", kFile);
    ASSERT_TRUE(GuardarNuevaHora(folder.path(), "Ana.dat", "14.51").ok);
    EXPECT_NE(ReadBytes(folder / "Ana.dat").find("\r\n5: 14.3036\r\n"), std::string::npos);
}

TEST(GuardarNuevaHora, FailuresLeaveTheFileAsItWasAndSayWhy) {
    TempFolder folder;
    const std::string noTime = "1: Ana\r\n9: Lugar\r\n5 hermanos\r\n";
    WriteBytes(folder / "Ana.dat", kFile);
    WriteBytes(folder / "SinHora.dat", noTime);

    // The new text cannot be written whole, as on a full disk.
    FileWriteResult r;
    {
        const FileSizeLimit limit(100);
        r = GuardarNuevaHora(folder.path(), "Ana.dat", "14 30");
    }
    EXPECT_FALSE(r.ok);
    EXPECT_EQ(r.message.rfind("No se pudo guardar «Ana.dat»: no se pudo escribir el archivo "
                              "temporal «.Ana.dat.NUEVAHORA.",
                              0),
              0u)
        << r.message;
    EXPECT_NE(r.message.find("(el archivo excede el tamaño permitido). El archivo anterior no "
                             "se ha modificado."),
              std::string::npos)
        << r.message;
    EXPECT_EQ(ReadBytes(folder / "Ana.dat"), kFile);
    EXPECT_EQ(Names(folder.path()), (std::vector<std::string>{"Ana.dat", "SinHora.dat"}));

    r = GuardarNuevaHora(folder.path(), "SinHora.dat", "14 30");
    EXPECT_FALSE(r.ok);
    EXPECT_EQ(r.message,
              "«SinHora.dat» no tiene el renglón de la hora (5:) en sus datos natales. El "
              "archivo no se ha modificado.");
    EXPECT_EQ(ReadBytes(folder / "SinHora.dat"), noTime);

    r = GuardarNuevaHora(folder.path(), "Borrado.dat", "14 30");
    EXPECT_FALSE(r.ok);
    EXPECT_EQ(r.message,
              "No se encontró el archivo «Borrado.dat». No se ha guardado la nueva hora.");
    EXPECT_FALSE(Exists(folder / "Borrado.dat"));

    r = GuardarNuevaHora(folder.path(), "Ana.dat", "1430");
    EXPECT_FALSE(r.ok);
    EXPECT_EQ(r.message,
              "La hora «1430» no es válida: 1430 horas no es correcto. El archivo no se ha "
              "modificado.");
    EXPECT_EQ(ReadBytes(folder / "Ana.dat"), kFile);
}

TEST(GuardarNuevaHora, VanishedFolder) {
    std::string path;
    {
        TempFolder folder;
        path = folder.path();
    }
    FileWriteResult r = GuardarNuevaHora(path, "Ana.dat", "14 30");
    EXPECT_FALSE(r.ok);
    EXPECT_NE(r.message.find("Ana.dat"), std::string::npos);
}

TEST(LineaHoraDelArchivo, TheFirstTimeLineOfTheDataBlock) {
    EXPECT_EQ(LineaHoraDelArchivo("1: Ana\r\n5: 09.0730\r\n5 x\r\n9: L\r\n"), "5: 09.0730");
    EXPECT_EQ(LineaHoraDelArchivo("1: Ana\n 5: 1.3\n"), " 5: 1.3");
    EXPECT_EQ(LineaHoraDelArchivo("1: Ana\r\n9: L\r\n5: nota\r\n"), std::nullopt);
    EXPECT_EQ(FinBloqueDatos("1: Ana\r\n9: L\r\n5: nota\r\n"),
              std::string("1: Ana\r\n9: L\r\n").size());
    EXPECT_EQ(FinBloqueDatos("1: Ana\r\n"), 8u);
}

// The texts a reload of the rewritten file gives, so the entry form shows the saved time.
TEST(HoraGuardadaEnRegistro, TimeTextsAsTheReaderGivesThem) {
    struct Row {
        const char* typed;
        const char *hour, *minute, *second, *time;
    };
    const Row rows[] = {
        {"14 30", "14", "30", "00", "14:30:00"},
        {"9 7 30", "09", "07", "30", "09:07:30"},
        {"14.5", "14", "30", "00", "14:30:00"},  // decimal hours
    };
    for (const Row& row : rows) {
        NatalRecord rec;
        rec.HourText = "01", rec.MinuteText = "02", rec.SecondText = "03";
        HoraGuardadaEnRegistro(rec, row.typed);
        EXPECT_EQ(rec.HourText, row.hour) << row.typed;
        EXPECT_EQ(rec.MinuteText, row.minute) << row.typed;
        EXPECT_EQ(rec.SecondText, row.second) << row.typed;
        EXPECT_EQ(rec.TimeText, row.time) << row.typed;
    }
    NatalRecord rec;
    rec.HourText = "01";
    HoraGuardadaEnRegistro(rec, "25 00");  // refused: nothing changes
    EXPECT_EQ(rec.HourText, "01");
}

}  // namespace
}  // namespace natalis
