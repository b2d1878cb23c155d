#include <gtest/gtest.h>

#include <filesystem>

#include "app/model/ChartFile.h"
#include "app/model/Importacion.h"
#include "tests/app/TempFolder.h"

namespace natalis {
namespace {

const char kAaf[] =
    "#A93:Pérez,Ana,f,14.3.1975g,9:30,Sevilla,*\n#B93:*,37n23,5w59,1he00,0\n#COM:nota\n"
    "#A93:Mal,*,e,31.2.1975g,9:30,Sevilla,*\n#B93:*,37n23,5w59,1he00,0\n"
    "#A93:Żaneta,*,f,1.5.1980g,6:00,Łódź,*\n#B93:*,51n46,19e27,1he00,1\n";

std::vector<std::string> Archivos(const std::string& carpeta) {
    std::vector<std::string> nombres;
    for (const auto& e : std::filesystem::directory_iterator(carpeta))
        nombres.push_back(e.path().filename().string());
    std::sort(nombres.begin(), nombres.end());
    return nombres;
}

TEST(Importacion, TheFormatGoesByTheExtensionThenByTheContent) {
    struct Caso {
        const char* archivo;
        std::string bytes;
        const char* formato;  // nullptr: none
    };
    const Caso casos[] = {
        {"a.AAF", "", "AAF"},
        {"a.hor", "", "Morinus"},
        {"a.csv", "", "CSV"},
        {"a.qck", "", "Quick*Chart"},
        {"a.txt", "#: x\n#A93:X,*,e,1.1.1950,12:00,P,*\n", "AAF"},
        {"a.txt", "nombre,dia,mes,anio,hora,minuto,huso\n", "CSV"},
        {"a", std::string("\x80\x03K\x01.", 5), "Morinus"},
        {"a.txt", std::string(29, 'x') + "," + std::string(70, ' '), "Quick*Chart"},
        {"a.txt", "hola\n", nullptr},
    };
    for (const Caso& caso : casos) {
        const FormatoIntercambio* f = FormatoDeArchivo(caso.archivo, caso.bytes);
        if (!caso.formato) {
            EXPECT_EQ(f, nullptr) << caso.archivo;
            continue;
        }
        ASSERT_NE(f, nullptr) << caso.archivo;
        EXPECT_STREQ(f->nombre, caso.formato) << caso.archivo;
    }
    EXPECT_EQ(LeerArchivoIntercambio("a.txt", "hola\n").error,
              "El archivo no está en ninguno de los formatos que se pueden importar (AAF, "
              "CSV, Quick*Chart, Morinus).");
}

TEST(Importacion, ThePreviewCountsAndNamesTheRefusedAndTheWarnings) {
    const std::vector<std::string> vista = VistaPrevia(LeerArchivoIntercambio("x.aaf", kAaf));
    ASSERT_EQ(vista.size(), 3u);
    EXPECT_EQ(vista[0], "El archivo tiene 3 cartas; se importarían 2 y se rechazarían 1.");
    EXPECT_EQ(vista[1], "renglón 4 (Mal): se rechazaría: el día 31 no existe en el mes 2 de 1975.");
    EXPECT_EQ(vista[2],
              "renglón 6 (Żaneta): aviso: caracteres que el archivo de cartas no admite, "
              "cambiados: «Ż» → «Z», «Ł» → «L», «ź» → «z».");
}

// Each chart becomes a new file named after it; a name in use gets a number, and nothing is
// ever written over an existing file.
TEST(Importacion, EachChartBecomesANewFileAndNoneIsReplaced) {
    TempFolder carpeta;
    WriteBytes(carpeta / "Ana Pérez.dat", "ya estaba");
    const Lectura l = LeerArchivoIntercambio("x.aaf", kAaf);
    const std::vector<CartaImportada> hechas = ImportarCartas(l, carpeta.path());
    ASSERT_EQ(hechas.size(), 3u);
    EXPECT_EQ(RenglonImportacion(hechas[0]), "renglón 1: Ana Pérez (2).dat");
    EXPECT_EQ(RenglonImportacion(hechas[1]),
              "renglón 4: rechazada: el día 31 no existe en el mes 2 de 1975");
    EXPECT_EQ(hechas[2].archivo, "Zaneta.dat");
    EXPECT_EQ(ResumenImportacion(hechas), "Importadas 2 cartas de 3; rechazadas 1.");
    EXPECT_EQ(ReadBytes(carpeta / "Ana Pérez.dat"), "ya estaba");
    EXPECT_EQ(Archivos(carpeta.path()),
              (std::vector<std::string>{"Ana Pérez (2).dat", "Ana Pérez.dat", "Zaneta.dat"}));

    // What was written reads back as the chart imported, with its notes.
    NatalRecord r;
    ASSERT_TRUE(ReadChartFile(carpeta.path(), "Ana Pérez (2).dat", r).ok);
    EXPECT_EQ(r.TimeText, l.cartas[0].registro->TimeText);
    EXPECT_EQ(NotasDeCarta(ReadBytes(carpeta / "Ana Pérez (2).dat")), "nota");

    // Importing the same file again keeps every earlier file and adds numbered ones.
    const std::vector<CartaImportada> otra = ImportarCartas(l, carpeta.path());
    EXPECT_EQ(otra[0].archivo, "Ana Pérez (3).dat");
    EXPECT_EQ(otra[2].archivo, "Zaneta (2).dat");
}

// A chart that cannot be written leaves nothing behind: no file, no temporary file.
TEST(Importacion, AChartThatCannotBeWrittenLeavesNothing) {
    TempFolder carpeta;
    const std::string falta = carpeta / "no-existe/";
    const std::vector<CartaImportada> hechas =
        ImportarCartas(LeerArchivoIntercambio("x.aaf", kAaf), falta);
    for (const CartaImportada& c : hechas) EXPECT_TRUE(c.archivo.empty());
    EXPECT_EQ(hechas[0].rechazo.rfind("no se pudo escribir: ", 0), 0u) << hechas[0].rechazo;
    EXPECT_TRUE(Archivos(carpeta.path()).empty());
}

TEST(Importacion, NamesThatCannotNameAFile) {
    TempFolder carpeta;
    const Lectura l =
        LeerArchivoIntercambio("x.aaf",
                               "#A93:a/b,*,e,1.1.1950g,12:00,P,*\n#B93:*,1n00,1e00,0he00,0\n"
                               "#A93:*,*,e,1.1.1950g,12:00,P,*\n#B93:*,1n00,1e00,0he00,0\n"
                               "#A93:..,*,e,1.1.1950g,12:00,P,*\n#B93:*,1n00,1e00,0he00,0\n");
    const std::vector<CartaImportada> hechas = ImportarCartas(l, carpeta.path());
    ASSERT_EQ(hechas.size(), 3u);
    EXPECT_EQ(hechas[0].archivo, "a-b.dat");
    EXPECT_EQ(hechas[1].archivo, "Carta importada.dat");
    EXPECT_EQ(hechas[2].archivo, "Carta importada (2).dat");
}

TEST(Importacion, NotesOfAChartFile) {
    EXPECT_EQ(NotasDeCarta("1: X\r\nNOTAS:\r\n \r\nuna\r\ndos\r\n"), "una\ndos");
    EXPECT_EQ(NotasDeCarta("1: X\r\n"), "");
}

}  // namespace
}  // namespace natalis
