// The notes window's text for a chart file, and the file's bytes for the text.
#include <gtest/gtest.h>

#include "app/model/Notas.h"

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

}  // namespace
}  // namespace natalis
