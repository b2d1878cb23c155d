#include <gtest/gtest.h>

#include <filesystem>

#include "app/model/ChartFile.h"
#include "app/model/Importacion.h"
#include "app/session/ExportarColeccion.h"
#include "astro/SwissEphemeris.h"
#include "chart/CalcularNatal.h"
#include "tests/app/TempFolder.h"
#include "tests/app/model/ChartRoundTrip.h"
#include "tests/app/model/IntercambioPrueba.h"

namespace natalis {
namespace {

const std::string kMuestras = std::string(NATALIS_SOURCE_DIR) + "/charts/";

// The sample charts, plus one whose zone came from the time-zone database with seconds
// (local mean time) and one with notes.
void CarpetaDePrueba(const std::string& carpeta) {
    for (const auto& e : std::filesystem::directory_iterator(kMuestras))
        std::filesystem::copy_file(e.path(), carpeta + e.path().filename().string());
    WriteBytes(carpeta + "Media.dat",
               "1: Media\r\n2: 1\r\n3; 6\r\n4: 1850\r\n5: 06.0000\r\n6: 00.15\r\n7: 40.25N\r\n"
               "8: 003.42W\r\n9: Madrid\r\n"
               "Huso horario: Europe/Madrid, -00:14:48, LMT, hora media local, tzdata 2024a\r\n"
               "NOTAS:\r\n \r\nprimera\r\nsegunda\r\n");
}

// Exported and imported again, every chart has the same birth data and the same instant.
TEST(ExportarColeccion, ExportThenImportGivesTheSameBirthData) {
    TempFolder origen, destinoAaf, destinoCsv;
    CarpetaDePrueba(origen.path());
    const CartasDeCarpeta cartas = LeerCarpeta(origen.path());
    ASSERT_TRUE(cartas.rechazos.empty());
    ASSERT_EQ(cartas.cartas.size(), 6u);
    SwissEphemeris eph;
    for (const ChartFormat* formato : CollectionWriters()) {
        const Exportacion e =
            ExportarColeccion(cartas, *formato, {"SOL"}, SistemaCasas::Placido, eph);
        const bool aaf = formato == FormatoExportarPorNombre("aaf");
        const Lectura vuelta =
            LeerArchivoIntercambio(std::string("x") + formato->extension, e.bytes);
        ASSERT_TRUE(vuelta.error.empty()) << vuelta.error;
        ASSERT_EQ(vuelta.cartas.size(), cartas.cartas.size());
        const std::vector<CartaImportada> hechas =
            ImportarCartas(vuelta, aaf ? destinoAaf.path() : destinoCsv.path());
        for (std::size_t i = 0; i < hechas.size(); ++i) {
            const NatalRecord& antes = cartas.cartas[i].registro;
            ASSERT_FALSE(hechas[i].archivo.empty()) << hechas[i].rechazo;
            EXPECT_TRUE(hechas[i].avisos.empty()) << RenglonImportacion(hechas[i]);
            NatalRecord despues;
            ASSERT_TRUE(ReadChartFile(aaf ? destinoAaf.path() : destinoCsv.path(),
                                      hechas[i].archivo, despues)
                            .ok);
            EXPECT_EQ(ChartDataOf(despues), ChartDataOf(antes)) << cartas.archivos[i];
            EXPECT_EQ(despues.TimeText, antes.TimeText);
            EXPECT_EQ(despues.ZoneFrom.zone, antes.ZoneFrom.zone) << cartas.archivos[i];
            EXPECT_EQ(despues.ZoneFrom.offsetSeconds, antes.ZoneFrom.offsetSeconds);
            EXPECT_NEAR(prueba::InstanteDe(despues), prueba::InstanteDe(antes), 0.5 / 86400);
            EXPECT_EQ(NotasDeCarta(ReadBytes((aaf ? destinoAaf : destinoCsv) / hechas[i].archivo)),
                      cartas.cartas[i].notas);
        }
    }
}

TEST(ExportarColeccion, CsvCarriesThePositionsAskedFor) {
    TempFolder origen;
    CarpetaDePrueba(origen.path());
    const CartasDeCarpeta cartas = LeerCarpeta(origen.path());
    SwissEphemeris eph;
    const Exportacion e = ExportarColeccion(cartas, *FormatoExportarPorNombre("csv"), {"LUN", "MC"},
                                            SistemaCasas::Koch, eph);
    const std::string cabecera = e.bytes.substr(0, e.bytes.find("\r\n"));
    EXPECT_EQ(cabecera.substr(cabecera.size() - 7), ",LUN,MC");
    // The first chart's Moon and Midheaven, as the natal computation gives them.
    ChartTables t;
    CalcularNatal(cartas.cartas[0].registro, SistemaCasas::Koch, eph, t);
    char esperado[64];
    std::snprintf(esperado, sizeof esperado, ",%.6f,%.6f\r\n", t.natal.PlanetaNatal[2].Lon,
                  t.natal.CuspideNatal[10].Lon);
    const std::size_t fin = e.bytes.find("\r\n", e.bytes.find("\r\n") + 2);
    const std::string primera = e.bytes.substr(0, fin + 2);
    EXPECT_EQ(primera.substr(primera.size() - std::string(esperado).size()), esperado);
}

TEST(ExportarColeccion, PointsAndRefusedCharts) {
    std::string error;
    EXPECT_EQ(LeerPuntos("sol, Lun,ASC", error), (std::vector<std::string>{"SOL", "LUN", "ASC"}));
    EXPECT_FALSE(LeerPuntos("SOL,XYZ", error));
    EXPECT_EQ(error,
              "El punto «XYZ» no se conoce; los puntos son SOL, LUN, MER, VEN, MAR, JUP, SAT, "
              "URA, NEP, PLU, NOD, PF, QUI, CER, PAL, JUN, VES, NDV, LIL, LIO, VTX, ASC, MC.");
    TempFolder origen;
    WriteBytes(origen / "Mala.dat", "1: Mala\r\n2: 40\r\n");
    const CartasDeCarpeta cartas = LeerCarpeta(origen.path());
    EXPECT_TRUE(cartas.cartas.empty());
    ASSERT_EQ(cartas.rechazos.size(), 1u);
    EXPECT_EQ(cartas.rechazos[0].rfind("Mala.dat: Renglón 2: el día 40", 0), 0u)
        << cartas.rechazos[0];
}

}  // namespace
}  // namespace natalis
