// A chart typed in the entry form, written as a chart file and read back, is the same chart.
#include <gtest/gtest.h>

#include <sstream>

#include "app/model/ChartFile.h"
#include "app/model/Cp1252.h"
#include "entry/AceptarDatos.h"

namespace natalis {
namespace {

struct Row {
    const char* name;
    const char* anno;
    const char* husoHoras;
    const char* husoMin;
    const char* lonGrad;
    bool oeste;
    const char* lugar;
};

// Places and zones chosen to cover each way the zone gets its sign.
const Row kRows[] = {
    {"Ana Lucía", "1970", "03", "00", "058", true, "Buenos Aires"},  // west, no sign
    {"José", "1985", "+1", "00", "003", true, "Madrid"},             // west of Greenwich, UT+1
    {"Grete", "1950", "1", "00", "013", false, "Berlín"},            // east, no sign
    {"Ravi", "2001", "5.75", "", "085", false, "Katmandú"},          // a point in the hours
    {"Tom", "1999", "-0", "00", "000", false, "Greenwich"},          // 0°: no hemisphere sign
    {"Nefertari", "-500", "-2", "30", "031", false, ""},             // sign against hemisphere
};

TEST(FichaArchivo, TypedChartReadsBackTheSame) {
    for (const Row& r : kRows) {
        FichaNatalTextos f;
        f.TextNombre = r.name;
        f.TextDia = "5";
        f.TextMes = "3";
        f.TextAnno = r.anno;
        f.TextHShs = "09";
        f.TextHSmin = "07";
        f.TextHSseg = "30";
        f.TextHusoHoras = r.husoHoras;
        f.TextHusoMinutos = r.husoMin;
        f.TextLatGrad = "40";
        f.TextLatMin = "25";
        f.TextLonGrad = r.lonGrad;
        f.TextLonMin = "41";
        f.LongitudOeste = r.oeste;
        f.txtLugar = r.lugar;
        NatalRecord typed;
        ChartFlags flags;
        ASSERT_FALSE(AceptarDatos(f, typed, flags).has_value()) << r.name;
        ASSERT_FALSE(ChartRecordProblem(typed).has_value()) << r.name;

        std::istringstream file(Utf8ToCp1252(ChartFileText(typed, nullptr)).bytes);
        NatalRecord read;
        ASSERT_TRUE(ReadChartStream(file, "x.dat", read).ok) << r.name;
        EXPECT_EQ(TrimBlanks(read.NatalName), r.name);
        EXPECT_EQ(read.FechaNatalTexto, typed.FechaNatalTexto) << r.name;
        EXPECT_FLOAT_EQ(read.NatalHour, typed.NatalHour) << r.name;
        EXPECT_FLOAT_EQ(read.ZoneHours, typed.ZoneHours) << r.name;
        EXPECT_NEAR(read.LatitudeDeg, typed.LatitudeDeg, 1e-3) << r.name;  // 0.0001 of 0°
        EXPECT_NEAR(read.LongitudeDeg, typed.LongitudeDeg, 1e-3) << r.name;
        EXPECT_EQ(read.Place, typed.Place) << r.name;
    }
}

}  // namespace
}  // namespace natalis
