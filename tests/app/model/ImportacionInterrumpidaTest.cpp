// An import killed part-way (SIGKILL, in a child process) leaves only whole charts, and the
// same import run again writes the rest without writing any chart twice.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <set>
#include <thread>

#include "app/model/ChartFile.h"
#include "app/model/Importacion.h"
#include "tests/app/TempFolder.h"

namespace natalis {
namespace {

// How many charts the file has, and how many must be on disk before the child is killed.
constexpr int kCartas = 400;
constexpr int kAntesDeMatar = 40;

// kCartas AAF records, each with its own name, date and clock time.
std::string AafGrande() {
    std::string aaf;
    for (int i = 0; i < kCartas; ++i) {
        aaf += "#A93:Persona " + std::to_string(1000 + i) + ",*,e," + std::to_string(1 + i % 28) +
               "." + std::to_string(1 + i % 12) + "." + std::to_string(1900 + i % 120) + "g," +
               std::to_string(i % 24) + ":" + std::to_string(10 + i % 50) +
               ",Madrid,ES\n#B93:*,40n25,3w42,1he00,0\n";
    }
    return aaf;
}

struct Contenido {
    std::vector<std::string> cartas;  // visible .dat files
    std::vector<std::string> otros;   // any other visible file
    std::vector<std::string> ocultos;
};

Contenido Leer(const std::string& carpeta) {
    Contenido c;
    for (const auto& e : std::filesystem::directory_iterator(carpeta)) {
        const std::string n = e.path().filename().string();
        if (n[0] == '.')
            c.ocultos.push_back(n);
        else if (n.size() > 4 && n.substr(n.size() - 4) == ".dat")
            c.cartas.push_back(n);
        else
            c.otros.push_back(n);
    }
    return c;
}

TEST(ImportacionInterrumpida, KilledMidwayLeavesWholeChartsAndASecondRunCompletesIt) {
    TempFolder carpeta;
    const Lectura l = LeerArchivoIntercambio("grande.aaf", AafGrande());
    ASSERT_EQ(l.cartas.size(), static_cast<std::size_t>(kCartas));
    // What each chart's file must hold, by the file name the import gives it.
    std::map<std::string, std::string> esperado;
    for (const CartaLeida& c : l.cartas) {
        ASSERT_TRUE(c.registro) << c.origen << ": " << c.rechazo;
        esperado[ChartFileNameFor(c.registro->NatalName)] = c.registro->TimeText;
    }
    ASSERT_EQ(esperado.size(), static_cast<std::size_t>(kCartas));

    const pid_t hijo = ::fork();
    ASSERT_GE(hijo, 0);
    if (hijo == 0) {
        ImportarCartas(l, carpeta.path());
        ::_exit(0);
    }
    // Kill it once some charts are on disk, while it is still writing.
    bool terminoSolo = false;
    for (;;) {
        int estado = 0;
        if (::waitpid(hijo, &estado, WNOHANG) == hijo) {
            terminoSolo = true;
            break;
        }
        if (Leer(carpeta.path()).cartas.size() >= static_cast<std::size_t>(kAntesDeMatar)) break;
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    ASSERT_FALSE(terminoSolo) << "the import ended before it could be interrupted";
    ASSERT_EQ(::kill(hijo, SIGKILL), 0);
    int estado = 0;
    ASSERT_EQ(::waitpid(hijo, &estado, 0), hijo);
    ASSERT_TRUE(WIFSIGNALED(estado));

    // Only whole charts are visible: each reads back as the chart it was written for.
    const Contenido tras = Leer(carpeta.path());
    EXPECT_GE(tras.cartas.size(), static_cast<std::size_t>(kAntesDeMatar));
    EXPECT_LT(tras.cartas.size(), static_cast<std::size_t>(kCartas));
    EXPECT_TRUE(tras.otros.empty());
    for (const std::string& archivo : tras.cartas) {
        NatalRecord r;
        const ChartReadResult leida = ReadChartFile(carpeta.path(), archivo, r);
        ASSERT_TRUE(leida.ok) << archivo << ": " << leida.reason;
        ASSERT_EQ(esperado.count(archivo), 1u) << archivo;
        EXPECT_EQ(r.TimeText, esperado[archivo]) << archivo;
    }
    // Hidden: the journal, and at most the one temporary file being written when it died.
    const std::string diario = DiarioImportacion(l);
    EXPECT_EQ(std::count(tras.ocultos.begin(), tras.ocultos.end(), diario), 1);
    EXPECT_LE(tras.ocultos.size(), 2u);

    // The second run writes the rest; what was there is reported as such, not duplicated.
    const std::vector<CartaImportada> hechas = ImportarCartas(l, carpeta.path());
    std::size_t yaEstaban = 0;
    for (const CartaImportada& c : hechas) {
        ASSERT_FALSE(c.archivo.empty()) << c.origen << ": " << c.rechazo;
        EXPECT_EQ(esperado.count(c.archivo), 1u) << c.archivo;
        if (c.yaEstaba) ++yaEstaban;
    }
    EXPECT_EQ(yaEstaban, tras.cartas.size());
    const Contenido fin = Leer(carpeta.path());
    EXPECT_EQ(fin.cartas.size(), static_cast<std::size_t>(kCartas));
    std::set<std::string> nombres(fin.cartas.begin(), fin.cartas.end());
    for (const auto& [archivo, hora] : esperado) EXPECT_EQ(nombres.count(archivo), 1u) << archivo;
    // The journal is gone; only a dead run's temporary file may be left, for the clean-up
    // of leftovers to remove.
    EXPECT_EQ(std::count(fin.ocultos.begin(), fin.ocultos.end(), diario), 0);
    EXPECT_LE(fin.ocultos.size(), 1u);
}

}  // namespace
}  // namespace natalis
