// The table of chart file formats: each row reads what it writes, a file is matched to its
// row by extension, and a file of an unknown extension is refused in Spanish with the record
// left as it was.
#include <gtest/gtest.h>

#include <cctype>
#include <sstream>
#include <string>

#include "app/model/ChartFormats.h"
#include "app/model/Cp1252.h"
#include "app/session/ChartSession.h"
#include "astro/SwissEphemeris.h"
#include "tests/app/TempFolder.h"
#include "tests/app/model/ChartRoundTrip.h"

namespace natalis {
namespace {

const std::string kCharts = std::string(NATALIS_SOURCE_DIR) + "/charts/";

TEST(ChartFormats, TheProgramsOwnLayoutIsTheFirstRowAndWhatSavingWrites) {
    ASSERT_FALSE(ChartFormats().empty());
    EXPECT_STREQ(ChartFormats().front().extension, ".dat");
    EXPECT_EQ(&NativeChartFormat(), &ChartFormats().front());
    EXPECT_EQ(ChartFileNameFor("  Ana  "), std::string("Ana") + NativeChartFormat().extension);
}

// Every row: an extension with its dot in lower case, a reader and a detector; a row that
// writes reads back what it wrote (a sample chart read, written and read again).
TEST(ChartFormats, EveryRowIsCompleteAndReadsBackWhatItWrites) {
    NatalRecord sample;
    ASSERT_TRUE(ReadChartFile(kCharts, "Ana_Lucia_Ferreyra.dat", sample).ok);
    for (const ChartFormat& f : ChartFormats()) {
        const std::string ext = f.extension;
        ASSERT_GE(ext.size(), 2u);
        EXPECT_EQ(ext[0], '.') << ext;
        for (char c : ext) EXPECT_FALSE(std::isupper(static_cast<unsigned char>(c))) << ext;
        EXPECT_NE(f.read, nullptr) << ext;
        EXPECT_NE(f.detect, nullptr) << ext;
        EXPECT_FALSE(std::string(f.description).empty()) << ext;
        if (f.write == nullptr) continue;
        const std::string text = f.write(sample, nullptr);
        EXPECT_TRUE(f.detect(text)) << ext << ": its own text is not recognised";
        std::istringstream in(Utf8ToCp1252(text).bytes);
        NatalRecord back;
        ASSERT_TRUE(f.read(in, "x" + ext, back).ok) << ext;
        EXPECT_EQ(ChartDataOf(back), ChartDataOf(sample)) << ext;
    }
}

TEST(ChartFormats, LookupByExtensionWithoutRegardToCase) {
    const struct {
        const char* name;
        const char* extension;  // nullptr: no format
    } cases[] = {
        {"Ana.dat", ".dat"},   {"Ana.DAT", ".dat"}, {"a.b.Dat", ".dat"},
        {"Ana.txt", nullptr},  {"Ana", nullptr},    {".dat", nullptr},  // nothing before it
        {"Ana.dat~", nullptr}, {"dat", nullptr},
    };
    for (const auto& c : cases) {
        const ChartFormat* f = ChartFormatFor(c.name);
        if (c.extension == nullptr) {
            EXPECT_EQ(f, nullptr) << c.name;
            EXPECT_FALSE(IsChartFileName(c.name)) << c.name;
        } else {
            ASSERT_NE(f, nullptr) << c.name;
            EXPECT_STREQ(f->extension, c.extension) << c.name;
            EXPECT_TRUE(IsChartFileName(c.name)) << c.name;
        }
    }
}

TEST(ChartFormats, DatDetectionLooksForTheNumberedFieldLines) {
    const ChartFormat& dat = NativeChartFormat();
    EXPECT_TRUE(dat.detect(ReadBytes(kCharts + "Hiroshi_Tanaka.dat")));
    EXPECT_TRUE(dat.detect("1: Ana\r\n2: 12\r\n"));
    EXPECT_TRUE(dat.detect("   3; 10\n"));  // the month line's own separator
    EXPECT_FALSE(dat.detect("no es una carta"));
    EXPECT_FALSE(dat.detect("Nombre,Fecha,Hora\nAna,12/10/1985,07:45\n"));
    EXPECT_FALSE(dat.detect(""));
}

// A file of an unknown extension is refused like an unreadable one: the error box of the
// reader, the reason naming the extensions read, and the record untouched.
TEST(ChartFormats, UnknownExtensionIsRefusedInSpanishAndChangesNothing) {
    TempFolder folder;
    // The bytes are a good chart: it is the extension that is refused.
    WriteBytes(folder / "Ana.txt", ReadBytes(kCharts + "Ana_Lucia_Ferreyra.dat"));
    NatalRecord rec;
    rec.NatalName = "sin tocar";
    const ChartReadResult r = ReadChartAnyFormat(folder.path(), "Ana.txt", rec);
    EXPECT_FALSE(r.ok);
    EXPECT_EQ(r.title, kChartReadErrorTitle);
    EXPECT_EQ(r.message, ChartReadErrorMessage("Ana.txt"));
    EXPECT_EQ(r.reason, "el programa no lee archivos de carta de esa extensión (lee .dat)");
    EXPECT_EQ(r.line, 0);
    EXPECT_EQ(rec.NatalName, "sin tocar");

    SwissEphemeris eph;
    ChartSession s(eph);
    const ChartReadResult loaded = s.Load(folder.path(), "Ana.txt");
    EXPECT_FALSE(loaded.ok);
    EXPECT_EQ(loaded.reason, r.reason);
    EXPECT_FALSE(s.flags.ChartLoaded);
}

TEST(ChartFormats, KnownExtensionReadsThroughItsRowAsTheReaderDoes) {
    NatalRecord direct, viaTable;
    ASSERT_TRUE(ReadChartFile(kCharts, "Kiri_Te_Rangi.dat", direct).ok);
    ASSERT_TRUE(ReadChartAnyFormat(kCharts, "Kiri_Te_Rangi.dat", viaTable).ok);
    EXPECT_EQ(RecordFields(viaTable), RecordFields(direct));
    // A missing file keeps the reader's own reason.
    const ChartReadResult missing = ReadChartAnyFormat(kCharts, "no-such-chart.dat", viaTable);
    EXPECT_FALSE(missing.ok);
    EXPECT_EQ(missing.reason, "el archivo no existe");
}

}  // namespace
}  // namespace natalis
