// Importing a collection and exporting the chart folder from the main window, driven
// offscreen: the file dialogs are replaced by scripted answers, the message boxes recorded.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QMenu>
#include <QTemporaryDir>
#include <memory>

#include "app/model/ChartFile.h"
#include "app/ui/ChartBrowser.h"
#include "app/ui/ColeccionCommands.h"
#include "app/ui/CuadroGral.h"
#include "astro/SwissEphemeris.h"
#include "tests/app/FakeClock.h"
#include "tests/ui/ChartFolder.h"
#include "tests/ui/ScriptedDialogs.h"

namespace natalis {
namespace {

class WindowColeccion : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(folder.dir.isValid());
        folder.Write("Ana.dat", ChartText("Ana Prueba"));
        clock.now = {2024, 3, 5, 14, 5, 0};
        window = std::make_unique<CuadroGral>(dialogs, clock, eph, folder.Path());
        window->SetEndProgram([] {});
        window->FormLoad();
        commands = window->findChild<ColeccionCommands*>("ColeccionCommands");
        ASSERT_NE(commands, nullptr);
        const auto responder =
            [this](const QString& carpeta,
                   const QStringList& filtros) -> std::optional<ColeccionCommands::ArchivoElegido> {
            carpetaOfrecida = carpeta;
            filtrosOfrecidos = filtros;
            return respuesta;
        };
        commands->SetElegirAbrir(responder);
        commands->SetElegirGuardar(responder);
    }
    void TearDown() override {
        window.reset();
        QApplication::processEvents();
    }
    QString Out(const QString& name) const { return QDir(out.path()).filePath(name); }
    void Escribir(const QString& ruta, const std::string& bytes) {
        QFile f(ruta);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(bytes.data(), static_cast<qint64>(bytes.size()));
    }

    ChartFolder folder;
    QTemporaryDir out;
    ScriptedDialogs dialogs;
    FakeClock clock;
    SwissEphemeris eph;
    std::unique_ptr<CuadroGral> window;
    ColeccionCommands* commands = nullptr;
    std::optional<ColeccionCommands::ArchivoElegido> respuesta;
    QString carpetaOfrecida;
    QStringList filtrosOfrecidos;
};

// The new entries come after the ones ARCHIVO already had.
TEST_F(WindowColeccion, EntriesComeLastInArchivo) {
    const QList<QAction*> acciones = window->Menu("TitleMnuArchivo")->actions();
    QStringList textos;
    for (QAction* a : acciones)
        if (!a->isSeparator()) textos << a->text();
    ASSERT_GE(textos.size(), 2);
    EXPECT_EQ(window->Action("mnuImportar")->text(), QString::fromUtf8("Importar…"));
    EXPECT_EQ(window->Action("mnuExportarColeccion")->text(),
              QString::fromUtf8("Exportar colección…"));
    const int importar = static_cast<int>(acciones.indexOf(window->Action("mnuImportar")));
    EXPECT_GT(importar, acciones.indexOf(window->Action("mnuExportar")));
    EXPECT_EQ(acciones.indexOf(window->Action("mnuExportarColeccion")), importar + 1);
    EXPECT_TRUE(window->Action("mnuImportar")->isEnabled());
}

TEST_F(WindowColeccion, ImportShowsThePreviewAndWritesOnlyWhenAccepted) {
    Escribir(Out("c.aaf"),
             "#A93:Pérez,Ana,f,14.3.1975g,9:30,Sevilla,*\n#B93:*,37n23,5w59,1he00,0\n"
             "#A93:Mal,*,e,31.2.1975g,9:30,Sevilla,*\n#B93:*,37n23,5w59,1he00,0\n");
    respuesta = ColeccionCommands::ArchivoElegido{Out("c.aaf"), {}};
    dialogs.QueueAnswer(MsgAnswer::No);
    commands->mnuImportar_Click();
    EXPECT_EQ(carpetaOfrecida.toStdString(), folder.Path());
    ASSERT_EQ(dialogs.asked.size(), 1u);
    EXPECT_EQ(dialogs.asked[0].title, "Importar");
    EXPECT_EQ(dialogs.asked[0].buttons, MsgButtons::YesNo);
    EXPECT_EQ(dialogs.asked[0].prompt,
              "El archivo tiene 2 cartas; se importarían 1 y se rechazarían 1.\n"
              "renglón 3 (Mal): se rechazaría: el día 31 no existe en el mes 2 de 1975.\n\n"
              "¿Importar las cartas?");
    EXPECT_FALSE(QFile::exists(QString::fromStdString(folder.Path()) + "Ana Pérez.dat"));

    commands->mnuImportar_Click();  // answered Yes
    ASSERT_EQ(dialogs.asked.size(), 3u);
    EXPECT_EQ(dialogs.asked[2].prompt,
              "Importadas 1 cartas de 2; rechazadas 1.\nrenglón 1: Ana Pérez.dat\n"
              "renglón 3: rechazada: el día 31 no existe en el mes 2 de 1975");
    NatalRecord r;
    EXPECT_TRUE(ReadChartFile(folder.Path(), "Ana Pérez.dat", r).ok);
    // The chart list shows the new file.
    EXPECT_EQ(window->Browser()->Model()->rowCount(), 2);
}

TEST_F(WindowColeccion, ImportOfAFileOfNoKnownFormatSaysSo) {
    Escribir(Out("x.txt"), "hola\n");
    respuesta = ColeccionCommands::ArchivoElegido{Out("x.txt"), {}};
    commands->mnuImportar_Click();
    ASSERT_EQ(dialogs.asked.size(), 1u);
    EXPECT_EQ(dialogs.asked[0].icon, MsgIcon::Critical);
    EXPECT_EQ(dialogs.asked[0].prompt.rfind("El archivo no está en ninguno de los formatos", 0),
              0u);
}

TEST_F(WindowColeccion, ExportWritesTheFolderInTheChosenType) {
    respuesta =
        ColeccionCommands::ArchivoElegido{Out("todas"), ColeccionCommands::FiltrosExportar()[1]};
    commands->mnuExportarColeccion_Click();
    EXPECT_TRUE(dialogs.asked.empty());
    QFile csv(Out("todas.csv"));
    ASSERT_TRUE(csv.open(QIODevice::ReadOnly));
    const QList<QByteArray> lineas = csv.readAll().split('\n');
    EXPECT_TRUE(lineas[0].startsWith("nombre,dia,mes,anio,"));
    EXPECT_TRUE(lineas[0].endsWith(",ASC,MC\r"));
    EXPECT_TRUE(lineas[1].startsWith("Ana Prueba,"));

    respuesta = ColeccionCommands::ArchivoElegido{Out("todas.aaf"),
                                                  ColeccionCommands::FiltrosExportar()[0]};
    commands->mnuExportarColeccion_Click();
    QFile aaf(Out("todas.aaf"));
    ASSERT_TRUE(aaf.open(QIODevice::ReadOnly));
    EXPECT_TRUE(aaf.readAll().contains("#A93:Ana Prueba,"));
}

}  // namespace
}  // namespace natalis
