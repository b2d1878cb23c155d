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

// Every row: extensions with their dot in lower case, a reader of its kind and a detector;
// a row that writes reads back what it wrote (a sample chart read, written and read again).
TEST(ChartFormats, EveryRowIsCompleteAndReadsBackWhatItWrites) {
    NatalRecord sample;
    ASSERT_TRUE(ReadChartFile(kCharts, "Ana_Lucia_Ferreyra.dat", sample).ok);
    const std::string sampleNotes = "primera\nsegunda";
    for (const ChartFormat& f : ChartFormats()) {
        const std::string ext = f.extension;
        std::vector<std::string> extensions = {ext};
        for (const char* e : f.moreExtensions) extensions.emplace_back(e);
        for (const std::string& e : extensions) {
            ASSERT_GE(e.size(), 2u);
            EXPECT_EQ(e[0], '.') << e;
            for (char c : e) EXPECT_FALSE(std::isupper(static_cast<unsigned char>(c))) << e;
        }
        EXPECT_NE(f.detect, nullptr) << ext;
        EXPECT_FALSE(std::string(f.description).empty()) << ext;
        EXPECT_FALSE(std::string(f.name).empty()) << ext;
        EXPECT_FALSE(std::string(f.caption).empty()) << ext;
        if (f.charts == ChartsPerFile::Many) {
            // A collection: read and written whole, never one chart at a time.
            EXPECT_EQ(f.read, nullptr) << ext;
            EXPECT_EQ(f.write, nullptr) << ext;
            ASSERT_NE(f.readMany, nullptr) << ext;
            if (f.writeMany == nullptr) continue;
            const std::vector<CartaGuardada> charts = {{sample, sampleNotes}, {sample, ""}};
            const std::vector<ColumnaPosiciones> positions = {{"SOL", {10.5, 20.25}}};
            const std::string text = f.writeMany(
                charts, f.wantsPositions ? positions : std::vector<ColumnaPosiciones>{});
            EXPECT_TRUE(f.detect(text)) << ext << ": its own text is not recognised";
            const Lectura back = f.readMany(text);
            ASSERT_TRUE(back.error.empty()) << ext << ": " << back.error;
            ASSERT_EQ(back.cartas.size(), 2u) << ext;
            for (const CartaLeida& c : back.cartas) {
                ASSERT_TRUE(c.registro) << ext << ": " << c.rechazo;
                EXPECT_EQ(ChartDataOf(*c.registro), ChartDataOf(sample)) << ext;
            }
            EXPECT_EQ(back.cartas[0].notas, sampleNotes) << ext;
            continue;
        }
        EXPECT_NE(f.read, nullptr) << ext;
        EXPECT_EQ(f.readMany, nullptr) << ext;
        EXPECT_EQ(f.writeMany, nullptr) << ext;
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
        {"Ana.dat", ".dat"},
        {"Ana.DAT", ".dat"},
        {"a.b.Dat", ".dat"},
        {"Ana.txt", nullptr},
        {"Ana", nullptr},
        {".dat", nullptr},  // nothing before it
        {"Ana.dat~", nullptr},
        {"dat", nullptr},
        // Collections are imported, not opened as a chart of the folder.
        {"Ana.aaf", nullptr},
        {"Ana.hor", nullptr},
        {"Ana.csv", nullptr},
        {"Ana.qc", nullptr},
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

// The many-charts rows: found by any of their extensions, then by content; the one-chart
// layout is never taken for a collection.
TEST(ChartFormats, CollectionsAreFoundByExtensionThenByContent) {
    const struct {
        const char* name;
        std::string bytes;
        const char* format;  // nullptr: none
    } cases[] = {
        {"a.AAF", "", "AAF"},
        {"a.Qc", "", "Quick*Chart"},
        {"a.qck", "", "Quick*Chart"},
        {"a.hor", "", "Morinus"},
        {"a.csv", "", "CSV"},
        {"a.dat", "", nullptr},
        {"a.dat", "1: Ana\r\n2: 12\r\n", nullptr},
        {"a.txt", "#A93:X,*,e,1.1.1950,12:00,P,*\n", "AAF"},
        {"a.txt", "Nombre;Dia;Mes;Anio;Hora;Minuto;Huso\n", "CSV"},
    };
    for (const auto& c : cases) {
        const ChartFormat* f = CollectionFormatFor(c.name, c.bytes);
        if (c.format == nullptr) {
            EXPECT_EQ(f, nullptr) << c.name;
            continue;
        }
        ASSERT_NE(f, nullptr) << c.name;
        EXPECT_STREQ(f->name, c.format) << c.name;
        EXPECT_EQ(f->charts, ChartsPerFile::Many);
    }
}

TEST(ChartFormats, CollectionWritersByTheirCommandLineName) {
    ASSERT_NE(CollectionWriterNamed("aaf"), nullptr);
    EXPECT_STREQ(CollectionWriterNamed("aaf")->extension, ".aaf");
    ASSERT_NE(CollectionWriterNamed("csv"), nullptr);
    EXPECT_TRUE(CollectionWriterNamed("csv")->wantsPositions);
    EXPECT_FALSE(CollectionWriterNamed("aaf")->wantsPositions);
    // Read-only formats and the one-chart layout are not written as a collection.
    for (const char* name : {"quick*chart", "morinus", "natalis", "AAF", "", "pdf"})
        EXPECT_EQ(CollectionWriterNamed(name), nullptr) << name;
    std::vector<std::string> written;
    for (const ChartFormat* f : CollectionWriters()) written.emplace_back(f->name);
    EXPECT_EQ(written, (std::vector<std::string>{"AAF", "CSV"}));
}

// The file dialogs' types come from the rows; every pattern offered for import names a format
// the import then finds by that extension.
TEST(ChartFormats, DialogFiltersComeFromTheRows) {
    const std::vector<std::string> importing = ImportDialogFilters();
    EXPECT_EQ(importing,
              (std::vector<std::string>{
                  "Cartas de otros programas (*.aaf *.AAF *.csv *.CSV *.qck *.QCK *.qc *.QC "
                  "*.hor *.HOR)",
                  "Intercambio AAF (*.aaf)", "Tabla CSV (*.csv)", "Lista Quick*Chart (*.qck *.qc)",
                  "Carta de Morinus (*.hor)", "Todos los archivos (*)"}));
    const std::string& all = importing.front();
    const std::string patterns = all.substr(all.find('(') + 1, all.size() - all.find('(') - 2);
    std::istringstream words(patterns);
    int seen = 0;
    for (std::string pattern; words >> pattern; ++seen) {
        ASSERT_EQ(pattern.rfind("*.", 0), 0u) << pattern;
        EXPECT_NE(CollectionFormatFor("x" + pattern.substr(1), ""), nullptr) << pattern;
    }
    EXPECT_EQ(seen, 10);
    EXPECT_EQ(ExportDialogFilters(),
              (std::vector<std::string>{"Intercambio AAF (*.aaf)", "Tabla CSV (*.csv)"}));
}

}  // namespace
}  // namespace natalis
