// The sample charts of charts/: invented people typed into the entry form and saved by the
// chart writer. Each committed file must be exactly what the writer makes of its entry, and
// read back to the birth data typed.
//
// To regenerate the files after a deliberate change of the writer:
//     NATALIS_WRITE_SAMPLES=1 build/core_tests --gtest_filter='SampleCharts.*'
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "app/model/ChartFile.h"
#include "app/model/Cp1252.h"
#include "entry/AceptarDatos.h"
#include "tests/app/TempFolder.h"

namespace natalis {
namespace {

const std::string kChartsFolder = std::string(NATALIS_SOURCE_DIR) + "/charts/";

struct Sample {
    const char* fileName;
    FichaNatalTextos form;
    const char* notes;  // nullptr: none
    // What the reader must give back: universal time = local + zone, east and north positive.
    float zoneHours, latitudeDeg, longitudeDeg;
};

FichaNatalTextos Form(const char* name, const char* d, const char* m, const char* y, const char* hh,
                      const char* mm, const char* ss, const char* zoneH, const char* zoneM,
                      const char* latD, const char* latM, bool south, const char* lonD,
                      const char* lonM, bool west, const char* place) {
    FichaNatalTextos f;
    f.TextNombre = name, f.TextDia = d, f.TextMes = m, f.TextAnno = y;
    f.TextHShs = hh, f.TextHSmin = mm, f.TextHSseg = ss;
    f.TextHusoHoras = zoneH, f.TextHusoMinutos = zoneM;
    f.TextLatGrad = latD, f.TextLatMin = latM, f.LatitudSur = south;
    f.TextLonGrad = lonD, f.TextLonMin = lonM, f.LongitudOeste = west;
    f.txtLugar = place;
    return f;
}

const std::vector<Sample>& Samples() {
    static const std::vector<Sample> samples = {
        // South and west of Greenwich, zone behind universal time.
        {"Ana_Lucia_Ferreyra.dat",
         Form("Ana Lucía Ferreyra", "12", "10", "1985", "07", "45", "00", "03", "00", "34", "36",
              true, "058", "27", true, "Buenos Aires"),
         nullptr, 3, -34.6f, -58.45f},
        // West of Greenwich but on Central European summer time: the zone needs its sign.
        {"Maria_Jose_Perez.dat",
         Form("María José Pérez", "3", "6", "1992", "16", "20", "00", "+02", "00", "37", "23",
              false, "005", "59", true, "Sevilla, España"),
         "Hora según la partida de nacimiento.\nAscendente dudoso: confirmar con la familia.", -2,
         37 + 23 / 60.0f, -(5 + 59 / 60.0f)},
        // North and east.
        {"Hiroshi_Tanaka.dat",
         Form("Hiroshi Tanaka", "21", "3", "1978", "05", "10", "30", "09", "00", "35", "41", false,
              "139", "42", false, "Tokio, Japón"),
         nullptr, -9, 35 + 41 / 60.0f, 139.7f},
        // South and east, twelve hours ahead, just before midnight.
        {"Kiri_Te_Rangi.dat",
         Form("Kiri Te Rangi", "30", "6", "2003", "23", "55", "00", "12", "00", "41", "17", true,
              "174", "46", false, "Wellington, Nueva Zelanda"),
         nullptr, -12, -(41 + 17 / 60.0f), 174 + 46 / 60.0f},
        // Before standard zones: the local mean time of Córdoba, 4 h 17 min behind.
        {"Tomas_Ibanez_de_Ulloa.dat",
         Form("Tomás Ibáñez de Ulloa", "24", "6", "1810", "14", "00", "00", "04", "17", "31", "25",
              true, "064", "11", true, "Córdoba del Tucumán"),
         nullptr, 4 + 17 / 60.0f, -(31 + 25 / 60.0f), -(64 + 11 / 60.0f)},
    };
    return samples;
}

// The file's bytes as the writer makes them from the accepted entry form.
std::string WrittenBytes(const Sample& s) {
    NatalRecord rec;
    ChartFlags flags;
    const auto failure = AceptarDatos(s.form, rec, flags);
    EXPECT_FALSE(failure.has_value()) << s.fileName << ": " << failure->message;
    const std::string notes = s.notes ? s.notes : "";
    const std::string text = ChartFileText(rec, s.notes ? &notes : nullptr);
    const Cp1252Text encoded = Utf8ToCp1252(text);
    EXPECT_TRUE(encoded.unstorable.empty()) << s.fileName;
    return encoded.bytes;
}

TEST(SampleCharts, CommittedFilesAreWhatTheWriterMakes) {
    const bool regenerate = std::getenv("NATALIS_WRITE_SAMPLES") != nullptr;
    for (const Sample& s : Samples()) {
        const std::string bytes = WrittenBytes(s);
        if (regenerate) {
            const FileWriteResult res =
                ReplaceFileSafely(kChartsFolder, s.fileName, bytes, kTagCarta);
            ASSERT_TRUE(res.ok) << res.message;
        }
        EXPECT_EQ(ReadBytes(kChartsFolder + s.fileName), bytes) << s.fileName;
    }
}

TEST(SampleCharts, ReadBackToTheTypedBirthData) {
    for (const Sample& s : Samples()) {
        NatalRecord rec;
        ASSERT_TRUE(ReadChartFile(kChartsFolder, s.fileName, rec).ok) << s.fileName;
        EXPECT_EQ(rec.NatalName, " " + s.form.TextNombre) << s.fileName;
        EXPECT_EQ(rec.FechaNatalTexto,
                  s.form.TextDia + " " + s.form.TextMes + " " + s.form.TextAnno)
            << s.fileName;
        EXPECT_EQ(rec.TimeText, s.form.TextHShs + ":" + s.form.TextHSmin + ":" + s.form.TextHSseg)
            << s.fileName;
        EXPECT_FLOAT_EQ(rec.ZoneHours, s.zoneHours) << s.fileName;
        EXPECT_FLOAT_EQ(rec.LatitudeDeg, s.latitudeDeg) << s.fileName;
        EXPECT_FLOAT_EQ(rec.LongitudeDeg, s.longitudeDeg) << s.fileName;
        EXPECT_EQ(rec.Place, Utf8CutOrPad(s.form.txtLugar, 30)) << s.fileName;
    }
}

TEST(SampleCharts, AreWindows1252WithCrLfLineEnds) {
    for (const Sample& s : Samples()) {
        const std::string bytes = ReadBytes(kChartsFolder + s.fileName);
        ASSERT_FALSE(bytes.empty()) << s.fileName;
        for (std::size_t i = 0; i < bytes.size(); ++i) {
            if (bytes[i] == '\n') {
                EXPECT_TRUE(i > 0 && bytes[i - 1] == '\r') << s.fileName << " at " << i;
            }
            if (bytes[i] == '\r') {
                EXPECT_TRUE(i + 1 < bytes.size() && bytes[i + 1] == '\n')
                    << s.fileName << " at " << i;
            }
        }
        // Accented names are single bytes, not UTF-8 sequences.
        EXPECT_EQ(bytes.find("\xC3"), std::string::npos) << s.fileName;
    }
}

}  // namespace
}  // namespace natalis
