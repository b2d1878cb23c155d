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
        const ChartFormat* f = FormatoDeArchivo(caso.archivo, caso.bytes);
        if (!caso.formato) {
            EXPECT_EQ(f, nullptr) << caso.archivo;
            continue;
        }
        ASSERT_NE(f, nullptr) << caso.archivo;
        EXPECT_STREQ(f->name, caso.formato) << caso.archivo;
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

// The preview names every chart that would be written, with its date, time, place and the
// file it would become, numbered past the names the folder and the earlier charts take;
// the folder is left as it was.
TEST(Importacion, ThePreviewListsWhatWouldBeWrittenAndWritesNothing) {
    TempFolder carpeta;
    WriteBytes(carpeta / "Ana Pérez.dat", "ya estaba");
    const Lectura l = LeerArchivoIntercambio(
        "x.aaf", std::string(kAaf) +
                     "#A93:Pérez,Ana,f,1.12.1601j,23:05:30,Toledo,*\n#B93:*,39n52,4w01,0he00,0\n");
    const std::vector<std::string> vista = VistaPrevia(l, carpeta.path());
    ASSERT_EQ(vista.size(), 6u);
    EXPECT_EQ(vista[0], "El archivo tiene 4 cartas; se importarían 3 y se rechazarían 1.");
    // The preview without a folder comes first, as it was.
    const std::vector<std::string> sinCarpeta = VistaPrevia(l);
    EXPECT_TRUE(std::equal(sinCarpeta.begin(), sinCarpeta.end(), vista.begin()));
    EXPECT_EQ(vista[3], "renglón 1: Ana Pérez, 14/3/1975 09:30:00, Sevilla → Ana Pérez (2).dat");
    EXPECT_EQ(vista[4], "renglón 6: Zaneta, 1/5/1980 06:00:00, Lódz → Zaneta.dat");
    // A Julian date of 1601 is stored in the program's calendar (Gregorian from 1583): ten
    // days later (Tøndering's Julian and Gregorian day-number formulas agree on the instant).
    EXPECT_EQ(vista[5], "renglón 8: Ana Pérez, 11/12/1601 23:05:30, Toledo → Ana Pérez (3).dat");
    EXPECT_EQ(Archivos(carpeta.path()), std::vector<std::string>{"Ana Pérez.dat"});

    // What the import then writes is what the preview said.
    const std::vector<CartaImportada> hechas = ImportarCartas(l, carpeta.path());
    EXPECT_EQ(hechas[0].archivo, "Ana Pérez (2).dat");
    EXPECT_EQ(hechas[2].archivo, "Zaneta.dat");
    EXPECT_EQ(hechas[3].archivo, "Ana Pérez (3).dat");
}

// An import interrupted part-way leaves its journal; importing the same charts again goes on
// from there: what was written whole is reported as already there and not written twice, a
// journaled file that is not the chart (another chart took the name, or it never got
// written) is no proof, and the journal is gone once the import ends.
TEST(Importacion, AnInterruptedImportIsResumedWithoutDuplicates) {
    TempFolder carpeta;
    const Lectura l = LeerArchivoIntercambio("x.aaf", kAaf);
    ASSERT_TRUE(l.cartas[0].registro && l.cartas[2].registro);
    // As the interrupted run left it: chart 0 written (found by writing it alone), chart 2
    // journaled but killed before its rename, while a file of another chart took its name.
    Lectura soloLaPrimera = l;
    soloLaPrimera.cartas.resize(1);
    ASSERT_EQ(ImportarCartas(soloLaPrimera, carpeta.path())[0].archivo, "Ana Pérez.dat");
    WriteBytes(carpeta / "Zaneta.dat", "otra carta");
    const std::string diario = DiarioImportacion(l);
    EXPECT_EQ(diario.rfind(".natalis-importacion-", 0), 0u);
    EXPECT_NE(diario, DiarioImportacion(soloLaPrimera));
    WriteBytes(carpeta / diario, "0\tAna Pérez.dat\n2\tZaneta.dat\n2\tZan");  // torn end

    const std::vector<std::string> vista = VistaPrevia(l, carpeta.path());
    EXPECT_EQ(vista.back(), "renglón 6: Zaneta, 1/5/1980 06:00:00, Lódz → Zaneta (2).dat");
    EXPECT_EQ(vista[vista.size() - 2],
              "renglón 1: Ana Pérez, 14/3/1975 09:30:00, Sevilla → Ana Pérez.dat (ya estaba, "
              "de la importación interrumpida)");

    const std::vector<CartaImportada> hechas = ImportarCartas(l, carpeta.path());
    ASSERT_EQ(hechas.size(), 3u);
    EXPECT_TRUE(hechas[0].yaEstaba);
    EXPECT_EQ(RenglonImportacion(hechas[0]),
              "renglón 1: Ana Pérez.dat (ya estaba, de la importación interrumpida)");
    EXPECT_FALSE(hechas[2].yaEstaba);
    EXPECT_EQ(hechas[2].archivo, "Zaneta (2).dat");
    EXPECT_EQ(ResumenImportacion(hechas),
              "Importadas 2 cartas de 3; rechazadas 1. De ellas, 1 ya estaban, de la "
              "importación interrumpida.");
    EXPECT_EQ(ReadBytes(carpeta / "Zaneta.dat"), "otra carta");
    EXPECT_EQ(Archivos(carpeta.path()),
              (std::vector<std::string>{"Ana Pérez.dat", "Zaneta (2).dat", "Zaneta.dat"}));
}

TEST(Importacion, NotesOfAChartFile) {
    EXPECT_EQ(NotasDeCarta("1: X\r\nNOTAS:\r\n \r\nuna\r\ndos\r\n"), "una\ndos");
    EXPECT_EQ(NotasDeCarta("1: X\r\n"), "");
}

}  // namespace
}  // namespace natalis
