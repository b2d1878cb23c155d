#include <gtest/gtest.h>

#include "app/cli/HeadlessIntercambio.h"
#include "app/model/ChartFile.h"
#include "tests/app/TempFolder.h"
#include "tests/app/cli/HeadlessRun.h"

namespace natalis {
namespace {

TEST(HeadlessIntercambio, ImportPrintsOneLinePerChartAndASummary) {
    TempFolder carpeta, entrada;
    WriteBytes(entrada / "cartas.aaf",
               "#A93:Pérez,Ana,f,14.3.1975g,9:30,Sevilla,*\n#B93:*,37n23,5w59,1he00,0\n"
               "#A93:Mal,*,e,31.2.1975g,9:30,Sevilla,*\n#B93:*,37n23,5w59,1he00,0\n");
    const Outcome o = Invoke(HeadlessImportar,
                             {"--importar", entrada / "cartas.aaf", "--folder", carpeta.path()});
    EXPECT_EQ(o.code, 1);
    EXPECT_EQ(Lines(o.out), (std::vector<std::string>{
                                "renglón 1: Ana Pérez.dat",
                                "renglón 3: rechazada: el día 31 no existe en el mes 2 de 1975",
                                "Importadas 1 cartas de 2; rechazadas 1."}));
    EXPECT_EQ(o.err, "");
    NatalRecord r;
    EXPECT_TRUE(ReadChartFile(carpeta.path(), "Ana Pérez.dat", r).ok);
}

TEST(HeadlessIntercambio, ImportRefusesWhatItCannotRead) {
    TempFolder carpeta, entrada;
    WriteBytes(entrada / "nada.txt", "hola\n");
    const Outcome o =
        Invoke(HeadlessImportar, {"--importar", entrada / "nada.txt", "--folder", carpeta.path()});
    EXPECT_EQ(o.code, 2);
    EXPECT_EQ(o.out, "");
    EXPECT_EQ(o.err,
              "El archivo no está en ninguno de los formatos que se pueden importar (AAF, "
              "CSV, Quick*Chart, Morinus).\n");
    const Outcome falta =
        Invoke(HeadlessImportar, {"--importar", entrada / "no.aaf", "--folder", carpeta.path()});
    EXPECT_EQ(falta.code, 2);
    EXPECT_FALSE(falta.err.empty());
    EXPECT_EQ(Invoke(HeadlessImportar, {"--importar"}).code, 2);
}

TEST(HeadlessIntercambio, ExportWritesTheFolderAndReimportsIt) {
    TempFolder carpeta, salida, otra;
    WriteBytes(carpeta / "Ana.dat",
               "1: Ana\r\n2: 14\r\n3; 3\r\n4: 1975\r\n5: 09.3007\r\n6: +01.00\r\n7: 37.23N\r\n"
               "8: 005.59W\r\n9: Sevilla\r\n");
    const Outcome o = Invoke(HeadlessExportar,
                             {"--exportar", "aaf", salida / "c.aaf", "--folder", carpeta.path()});
    ASSERT_EQ(o.code, 0) << o.err;
    EXPECT_EQ(o.out, "Exportadas 1 cartas a " + (salida / "c.aaf") + ".\n");
    // 9:30:07 an hour ahead on 14.3.1975: 8:30:07 UT, JD 2442485.5 + 30607 / 86400.
    char jd[32];
    std::snprintf(jd, sizeof jd, "%.6f", 2442485.5 + 30607.0 / 86400);
    EXPECT_NE(ReadBytes(salida / "c.aaf").find(std::string("#B93:") + jd), std::string::npos);
    const Outcome vuelta =
        Invoke(HeadlessImportar, {"--importar", salida / "c.aaf", "--folder", otra.path()});
    EXPECT_EQ(vuelta.code, 0) << vuelta.out;
    NatalRecord a, b;
    ASSERT_TRUE(ReadChartFile(carpeta.path(), "Ana.dat", a).ok);
    ASSERT_TRUE(ReadChartFile(otra.path(), "Ana.dat", b).ok);
    EXPECT_EQ(a.FechaNatalTexto + " " + a.TimeText + " " + a.ZoneText,
              b.FechaNatalTexto + " " + b.TimeText + " " + b.ZoneText);

    const Outcome csv = Invoke(HeadlessExportar, {"--exportar", "csv", salida / "c.csv", "--folder",
                                                  carpeta.path(), "--puntos", "SOL,ASC"});
    ASSERT_EQ(csv.code, 0) << csv.err;
    const std::vector<std::string> lineas = Lines(ReadBytes(salida / "c.csv"));
    ASSERT_EQ(lineas.size(), 2u);
    EXPECT_EQ(lineas[0].substr(lineas[0].size() - 9), ",SOL,ASC\r");
}

TEST(HeadlessIntercambio, ExportRefusesUnknownFormatsAndPoints) {
    TempFolder carpeta, salida;
    const Outcome formato = Invoke(HeadlessExportar, {"--exportar", "xml", salida / "c.xml"});
    EXPECT_EQ(formato.code, 2);
    EXPECT_EQ(formato.err.rfind("Valor no válido para --exportar: «xml»\n", 0), 0u);
    const Outcome punto = Invoke(HeadlessExportar, {"--exportar", "csv", salida / "c.csv",
                                                    "--folder", carpeta.path(), "--puntos", "XYZ"});
    EXPECT_EQ(punto.code, 2);
    EXPECT_EQ(punto.err.rfind("El punto «XYZ» no se conoce", 0), 0u);
    EXPECT_FALSE(Exists(salida / "c.csv"));
}

}  // namespace
}  // namespace natalis
