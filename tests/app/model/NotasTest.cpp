// The notes window's text for a chart file, and the file's bytes for the text.
#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "app/model/Notas.h"
#include "tests/app/TempFolder.h"

namespace natalis {
namespace {

TEST(NotasDesdeArchivo, EveryLineFollowedByALineEnd) {
    // "año" in Windows-1252 is 61 F1 6F.
    EXPECT_EQ(NotasDesdeArchivo("1: Ana\r\n\r\na\xF1o\r\n"), "1: Ana\n\naño\n");
    EXPECT_EQ(NotasDesdeArchivo("a\nb"), "a\nb\n");  // LF only, no final line end
    EXPECT_EQ(NotasDesdeArchivo(""), "");
}

TEST(ArchivoDesdeNotas, SavingUnchangedTextGivesTheFileBack) {
    const std::string files[] = {"1: Ana\r\nNOTAS:\r\n \r\nSe cas\xF3 en 1995.\r\n",
                                 "\r\n\r\nx\r\n"};
    for (const std::string& file : files) {
        std::string text = NotasDesdeArchivo(file);
        ArchivoNotas once = ArchivoDesdeNotas(text);
        EXPECT_EQ(once.bytes, file);
        // Saving again adds nothing: no extra empty line at each save.
        EXPECT_EQ(ArchivoDesdeNotas(NotasDesdeArchivo(once.bytes)).bytes, file);
        EXPECT_TRUE(once.unstorable.empty());
    }
}

TEST(ArchivoDesdeNotas, LineEndsBecomeCrLfAndTheLastLineIsEnded) {
    EXPECT_EQ(ArchivoDesdeNotas("a\nb").bytes, "a\r\nb\r\n");
    EXPECT_EQ(ArchivoDesdeNotas("a\r\nb\rc\n").bytes, "a\r\nb\r\nc\r\n");
    EXPECT_EQ(ArchivoDesdeNotas("").bytes, "");
}

TEST(ArchivoDesdeNotas, ListsWhatWindows1252CannotHold) {
    ArchivoNotas a = ArchivoDesdeNotas("Sol en Leo ☉ y 😀, € sí\n");
    ASSERT_EQ(a.unstorable.size(), 2u);
    EXPECT_EQ(a.unstorable[0], "☉");
    EXPECT_EQ(a.unstorable[1], "😀");
    EXPECT_EQ(a.bytes, "Sol en Leo ? y ?, \x80 s\xED\r\n");  // € is 0x80, í is 0xED
}

// ---- Notes kept, and saves that start from the file on disk ------------------------------

// A chart file as the writer lays it out, with a time line and notes.
std::string Chart(const std::string& timeLine, const std::string& notes) {
    return "_____ Inicio datos natales\r\n\r\n1: Ana\r\n2: 5\r\n3; 3\r\n4: 1970\r\n" + timeLine +
           "\r\n6: 03.00\r\n7: 34.36S\r\n8: 058.27W\r\n9: Buenos Aires\r\n"
           "_____ Fin datos natales\r\n\r\n \r\nNOTAS:\r\n \r\n" +
           notes;
}

TEST(NotasDelArchivo, WhatFollowsTheNotasLineByteForByte) {
    struct Row {
        std::string file;
        std::optional<std::string> notes;
    };
    const Row rows[] = {
        {Chart("5: 09.0730", "Se casó.\r\n5 hermanos\r\n"), "Se casó.\r\n5 hermanos\r\n"},
        {Chart("5: 09.0730", ""), ""},
        {"9: Lugar\nNOTAS:\nsin renglón en blanco\n", "sin renglón en blanco\n"},
        {"9: Lugar\r\n  NOTAS:  \r\n", ""},
        // "NOTAS:" among the data lines is not the notes' line.
        {"NOTAS:\r\n1: Ana\r\n9: Lugar\r\nnada más\r\n", std::nullopt},
        {"1: Ana\r\n9: Lugar\r\n", std::nullopt},
    };
    for (const Row& row : rows) EXPECT_EQ(NotasDelArchivo(row.file), row.notes) << row.file;
}

TEST(NotasSobreArchivoActual, UnchangedFileTakesTheTextAndANewHourIsKept) {
    const std::string base = Chart("5: 09.0730", "nota\r\n");
    const std::string ours = Chart("5: 09.0730", "nota\r\notra nota\r\n");
    // The file as loaded: the window's text as it is.
    EXPECT_EQ(NotasSobreArchivoActual(base, ours, base), ours);
    // A birth time written meanwhile ("Guardar nueva hora"): the text with that time.
    EXPECT_EQ(NotasSobreArchivoActual(base, ours, Chart("5: 14.3000", "nota\r\n")),
              Chart("5: 14.3000", "nota\r\notra nota\r\n"));
}

TEST(NotasSobreArchivoActual, OtherChangesOnDiskAreNeverUndone) {
    const std::string base = Chart("5: 09.0730", "nota\r\n");
    const std::string ours = Chart("5: 09.0730", "nota mía\r\n");
    struct Row {
        const char* what;
        std::string ours, current;
    };
    const Row rows[] = {
        {"notes saved by another window", ours, Chart("5: 09.0730", "nota del otro\r\n")},
        {"new hour and other notes", ours, Chart("5: 14.3000", "nota del otro\r\n")},
        {"both changed the hour", Chart("5: 10.0000", "nota\r\n"), Chart("5: 14.3000", "nota\r\n")},
        {"file emptied", ours, ""},
    };
    for (const Row& row : rows)
        EXPECT_EQ(NotasSobreArchivoActual(base, row.ours, row.current), std::nullopt) << row.what;
}

TEST(GuardarNotas, WritesFromTheFileOnDiskOrRefuses) {
    TempFolder folder;
    const std::string base = Chart("5: 09.0730", "nota\r\n");
    const std::string ours = Chart("5: 09.0730", "nota\r\nmás\r\n");
    WriteBytes(folder / "Ana.dat", Chart("5: 14.3000", "nota\r\n"));
    FileWriteResult r = GuardarNotas(folder.path(), "Ana.dat", base, ours);
    ASSERT_TRUE(r.ok) << r.message;
    EXPECT_EQ(ReadBytes(folder / "Ana.dat"), Chart("5: 14.3000", "nota\r\nmás\r\n"));

    const std::string other = Chart("5: 14.3000", "cambiada en otra copia\r\n");
    WriteBytes(folder / "Ana.dat", other);
    r = GuardarNotas(folder.path(), "Ana.dat", base, ours);
    EXPECT_FALSE(r.ok);
    EXPECT_EQ(r.message, CartaCambioEnDisco("Ana.dat"));
    EXPECT_EQ(r.message,
              "La carta «Ana.dat» cambió en el disco desde que se abrió en anotaciones, y este "
              "texto desharía esos cambios: no se ha guardado. Copie lo que quiera conservar, "
              "cierre la ventana sin guardar y ábrala de nuevo.");
    EXPECT_EQ(ReadBytes(folder / "Ana.dat"), other);

    r = GuardarNotas(folder.path(), "Borrada.dat", base, ours);
    EXPECT_FALSE(r.ok);
    EXPECT_FALSE(Exists(folder / "Borrada.dat"));  // not created again
}

}  // namespace
}  // namespace natalis
