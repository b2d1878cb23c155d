// The chart browser's columns read from a chart file's data lines.
#include <gtest/gtest.h>

#include "app/model/ChartHeader.h"
#include "tests/app/TempFolder.h"

namespace natalis {
namespace {

std::string Chart(const std::string& name, const std::string& dayLine, const std::string& place) {
    return " No cambiar el orden de los datos natales.\r\n"
           "_____________________________________________ Inicio datos natales\r\n\r\n"
           "1: " +
           name + "\r\n" + dayLine +
           "\r\n3; 3\r\n4: -500\r\n5: 09.0730\r\n6: 03.00\r\n"
           "7: 34.36S\r\n8: 058.27W\r\n9: " +
           place +
           "\r\n"
           "_____________________________________________ Fin datos natales\r\n\r\nNOTAS:\r\n"
           "1: una nota que parece un nombre\r\n";
}

TEST(ReadChartHeader, NameDateAndPlaceTrimmed) {
    TempFolder folder;
    WriteBytes(folder / "ana.dat", Chart("  Ana N\xFA\xF1"
                                         "ez ",
                                         "2: 5", "C\xF3rdoba        "));
    const ChartHeader h = ReadChartHeader(folder.path(), "ana.dat");
    ASSERT_TRUE(h.ok);
    EXPECT_EQ(h.name, "Ana Núñez");  // Windows-1252 in the file, UTF-8 here
    EXPECT_EQ(h.date, "5 3 -500");
    EXPECT_EQ(h.day, 5);
    EXPECT_EQ(h.month, 3);
    EXPECT_EQ(h.year, -500);
    EXPECT_EQ(h.place, "Córdoba");
}

TEST(ReadChartHeader, DateKeySortsByYearMonthAndDay) {
    ChartHeader a, b, c;
    a.year = -500, a.month = 12, a.day = 31;
    b.year = 1970, b.month = 3, b.day = 5;
    c.year = 1970, c.month = 3, c.day = 6;
    EXPECT_LT(a.DateKey(), b.DateKey());
    EXPECT_LT(b.DateKey(), c.DateKey());
}

TEST(ReadChartHeader, FilesTheReaderRefusesAreNotOk) {
    TempFolder folder;
    WriteBytes(
        folder / "malo.dat",
        Chart("Malo", "2: 5", "x").replace(Chart("Malo", "2: 5", "x").find("09.0730"), 7, "0930"));
    WriteBytes(folder / "vacio.dat", "");
    for (const char* name : {"malo.dat", "vacio.dat", "falta.dat"}) {
        const ChartHeader h = ReadChartHeader(folder.path(), name);
        EXPECT_FALSE(h.ok) << name;
        EXPECT_TRUE(h.name.empty()) << name;
    }
}

}  // namespace
}  // namespace natalis
