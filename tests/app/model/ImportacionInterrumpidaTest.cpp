// An import killed part-way (SIGKILL, in a child process) leaves only whole charts, and the
// same import run again writes the rest without writing any chart twice.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <map>
#include <set>
#include <thread>

#include "app/model/ChartFile.h"
#include "app/model/Importacion.h"
#include "tests/app/TempFolder.h"

namespace natalis {
namespace {

// How many charts the file has.
constexpr int kCartas = 800;

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

// Where the child dies: while the charts are written to their temporary files (killed by
// this process as soon as some are there), or while they are given their names (it kills
// itself once kPuestas are in place).
enum class Momento { Escribiendo, Nombrando };
constexpr int kPuestas = 40;

// Runs the import in a child and kills it with SIGKILL at momento.
void ImportarYMatar(const Lectura& l, const std::string& carpeta, Momento momento) {
    const pid_t hijo = ::fork();
    ASSERT_GE(hijo, 0);
    if (hijo == 0) {
        ImportarCartas(l, carpeta, [momento](std::size_t puestas) {
            if (momento == Momento::Nombrando && puestas == kPuestas) ::kill(::getpid(), SIGKILL);
        });
        ::_exit(0);
    }
    if (momento == Momento::Escribiendo) {
        for (;;) {
            int estado = 0;
            ASSERT_NE(::waitpid(hijo, &estado, WNOHANG), hijo)
                << "the import ended before it could be interrupted";
            if (Leer(carpeta).ocultos.size() > static_cast<std::size_t>(kPuestas)) break;
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
        }
        ASSERT_EQ(::kill(hijo, SIGKILL), 0);
    }
    int estado = 0;
    ASSERT_EQ(::waitpid(hijo, &estado, 0), hijo);
    ASSERT_TRUE(WIFSIGNALED(estado));
    EXPECT_EQ(WTERMSIG(estado), SIGKILL);
}

TEST(ImportacionInterrumpida, KilledMidwayLeavesWholeChartsAndASecondRunCompletesIt) {
    const Lectura l = LeerArchivoIntercambio("grande.aaf", AafGrande());
    ASSERT_EQ(l.cartas.size(), static_cast<std::size_t>(kCartas));
    // What each chart's file must hold, by the file name the import gives it.
    std::map<std::string, std::string> esperado;
    for (const CartaLeida& c : l.cartas) {
        ASSERT_TRUE(c.registro) << c.origen << ": " << c.rechazo;
        esperado[ChartFileNameFor(c.registro->NatalName)] = c.registro->TimeText;
    }
    ASSERT_EQ(esperado.size(), static_cast<std::size_t>(kCartas));
    const std::string diario = DiarioImportacion(l);

    for (const Momento momento : {Momento::Escribiendo, Momento::Nombrando}) {
        SCOPED_TRACE(momento == Momento::Escribiendo ? "escribiendo" : "nombrando");
        TempFolder carpeta;
        ImportarYMatar(l, carpeta.path(), momento);
        if (HasFatalFailure()) return;

        // Only whole charts are visible: each reads back as the chart it was written for.
        // Charts take their names only once all are on disk, so a run killed while naming
        // has exactly those it named (killed from outside while writing, it may have gone on
        // to name some, on a busy machine).
        const Contenido tras = Leer(carpeta.path());
        if (momento == Momento::Nombrando)
            EXPECT_EQ(tras.cartas.size(), static_cast<std::size_t>(kPuestas));
        else
            EXPECT_LT(tras.cartas.size(), static_cast<std::size_t>(kCartas));
        EXPECT_TRUE(tras.otros.empty());
        for (const std::string& archivo : tras.cartas) {
            NatalRecord r;
            const ChartReadResult leida = ReadChartFile(carpeta.path(), archivo, r);
            ASSERT_TRUE(leida.ok) << archivo << ": " << leida.reason;
            ASSERT_EQ(esperado.count(archivo), 1u) << archivo;
            EXPECT_EQ(r.TimeText, esperado[archivo]) << archivo;
        }
        // Hidden: the journal and the temporary files, none of them named as a chart.
        EXPECT_EQ(std::count(tras.ocultos.begin(), tras.ocultos.end(), diario), 1);
        for (const std::string& oculto : tras.ocultos) {
            if (oculto == diario) continue;
            EXPECT_NE(oculto.find(".dat.CARTA."), std::string::npos) << oculto;
        }

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
        for (const auto& [archivo, hora] : esperado)
            EXPECT_EQ(nombres.count(archivo), 1u) << archivo;
        // The journal is gone, and with it the dead run's temporary files; at most one it
        // had not yet noted is left for the clean-up of leftovers.
        EXPECT_EQ(std::count(fin.ocultos.begin(), fin.ocultos.end(), diario), 0);
        EXPECT_LE(fin.ocultos.size(), momento == Momento::Escribiendo ? 1u : 0u);
    }
}

}  // namespace
}  // namespace natalis
