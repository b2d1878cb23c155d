// The question before ending the program with work not in its file.
#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "app/session/SalirSinGuardar.h"

namespace natalis {
namespace {

TEST(PreguntaSalir, NamesWhatWouldBeLostAndNothingWhenAllIsSaved) {
    struct Row {
        const char* what;
        bool loaded, newChart, saved;
        const char* name;
        const char* hora;
        std::optional<std::string> question;
    };
    const Row rows[] = {
        {"no chart yet", false, false, false, "", "", std::nullopt},
        {"a chart from its file", true, false, false, " Ana", "", std::nullopt},
        {"a new chart not saved", true, true, false, "  Ana Gómez ", "",
         "La carta «Ana Gómez» no se ha guardado. ¿Salir sin guardar?"},
        {"a new chart without a name", true, true, false, "  ", "",
         "La carta nueva no se ha guardado. ¿Salir sin guardar?"},
        {"a new chart saved", true, true, true, "Ana", "", std::nullopt},
        {"a tried time not written", true, false, false, " Ana", " 14 30 ",
         "La carta «Ana.dat» no se ha guardado: su nueva hora natal (14 30) no se escribió en "
         "el archivo. ¿Salir sin guardar?"},
    };
    for (const Row& row : rows) {
        ChartFlags flags;
        flags.ChartLoaded = row.loaded;
        flags.NewChart = row.newChart;
        flags.NewChartSaved = row.saved;
        flags.ChartFileName = "Ana.dat";
        NatalRecord rec;
        rec.NatalName = row.name;
        EXPECT_EQ(PreguntaSalir(flags, rec, row.hora), row.question) << row.what;
    }
}

}  // namespace
}  // namespace natalis
