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
#include "app/model/Importacion.h"
#include "app/ui/ChartBrowser.h"
#include "app/ui/ColeccionCommands.h"
#include "app/ui/CuadroGral.h"
#include "astro/SwissEphemeris.h"
#include "tests/app/FakeClock.h"
#include "tests/app/TempFolder.h"
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
              "renglón 3 (Mal): se rechazaría: el día 31 no existe en el mes 2 de 1975.\n"
              "renglón 1: Ana Pérez, 14/3/1975 09:30:00, Sevilla → Ana Pérez.dat\n\n"
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

// Every file of the chart folder, hidden ones too, sorted.
QStringList TodoLoDe(const std::string& carpeta) {
    QStringList nombres = QDir(QString::fromStdString(carpeta))
                              .entryList(QDir::Files | QDir::Hidden | QDir::System, QDir::Name);
    return nombres;
}

// The preview names each chart with its date, time, place and the file it will become (a
// name the folder has taken gets " (2)"), and shows the refused one with its reason; "No"
// leaves the folder exactly as it was, "Sí" writes one chart file per accepted chart.
TEST_F(WindowColeccion, ImportPreviewNamesWhatWillBeWrittenAndCancelWritesNothing) {
    Escribir(Out("lista.aaf"),
             "#A93:Ana,*,f,2.1.1990g,7:15,Lima,PE\n#B93:*,12s03,77w03,5hw00,0\n"
             "#A93:Rosa,*,f,10.6.1950j,18:00,Quito,EC\n#B93:*,0s13,78w31,5hw00,0\n"
             "#A93:Sin hora,*,f,10.6.1950g,25:00,Quito,EC\n#B93:*,0s13,78w31,5hw00,0\n");
    const QStringList antes = TodoLoDe(folder.Path());
    ASSERT_EQ(antes, QStringList{"Ana.dat"});
    respuesta = ColeccionCommands::ArchivoElegido{Out("lista.aaf"), {}};
    dialogs.QueueAnswer(MsgAnswer::No);
    commands->mnuImportar_Click();
    ASSERT_EQ(dialogs.asked.size(), 1u);
    const std::string vista = dialogs.asked[0].prompt;
    EXPECT_EQ(vista.substr(0, vista.find('\n')),
              "El archivo tiene 3 cartas; se importarían 2 y se rechazarían 1.");
    // The refusal with its reason, as the reader gives it.
    const Lectura lectura =
        LeerArchivoIntercambio("lista.aaf", ReadBytes(Out("lista.aaf").toStdString()));
    ASSERT_EQ(lectura.cartas.size(), 3u);
    ASSERT_FALSE(lectura.cartas[2].registro);
    EXPECT_NE(vista.find("renglón 5 (Sin hora): se rechazaría: " + lectura.cartas[2].rechazo + "."),
              std::string::npos)
        << vista;
    // "Ana.dat" is the folder's own chart: the imported Ana gets " (2)". A Julian date of
    // 1950 is stored in the program's calendar: 10 June Julian is 23 June Gregorian (the
    // calendars are 13 days apart from 1900 to 2099).
    EXPECT_NE(vista.find("renglón 1: Ana, 2/1/1990 07:15:00, Lima, PE → Ana (2).dat\n"),
              std::string::npos)
        << vista;
    EXPECT_NE(vista.find("renglón 3: Rosa, 23/6/1950 18:00:00, Quito, EC → Rosa.dat\n"),
              std::string::npos)
        << vista;
    EXPECT_EQ(TodoLoDe(folder.Path()), antes);
    EXPECT_EQ(window->Browser()->Model()->rowCount(), 1);

    commands->mnuImportar_Click();  // answered "Sí"
    ASSERT_EQ(dialogs.asked.size(), 3u);
    EXPECT_EQ(dialogs.asked[1].prompt, vista);
    EXPECT_EQ(dialogs.asked[2].icon, MsgIcon::Information);
    EXPECT_EQ(dialogs.asked[2].prompt,
              "Importadas 2 cartas de 3; rechazadas 1.\nrenglón 1: Ana (2).dat\n"
              "renglón 3: Rosa.dat\nrenglón 5: rechazada: " +
                  lectura.cartas[2].rechazo);
    EXPECT_EQ(TodoLoDe(folder.Path()), (QStringList{"Ana (2).dat", "Ana.dat", "Rosa.dat"}));
    EXPECT_EQ(ReadBytes(folder.Path() + "Ana.dat"), ChartText("Ana Prueba"));
    NatalRecord ana, rosa;
    ASSERT_TRUE(ReadChartFile(folder.Path(), "Ana (2).dat", ana).ok);
    EXPECT_EQ(ana.TimeText, "07:15:00");
    ASSERT_TRUE(ReadChartFile(folder.Path(), "Rosa.dat", rosa).ok);
    EXPECT_EQ(rosa.NatalDay, 23);
    EXPECT_EQ(window->Browser()->Model()->rowCount(), 3);
}

// The open dialog is offered the import types of the formats table.
TEST_F(WindowColeccion, ImportDialogOffersTheFormatsOfTheTable) {
    commands->mnuImportar_Click();  // cancelled: respuesta is empty
    EXPECT_TRUE(dialogs.asked.empty());
    ASSERT_GE(filtrosOfrecidos.size(), 3);
    EXPECT_TRUE(filtrosOfrecidos.front().startsWith("Cartas de otros programas (*.aaf *.AAF"));
    EXPECT_EQ(filtrosOfrecidos.back(), QString("Todos los archivos (*)"));
    EXPECT_TRUE(filtrosOfrecidos.contains(QString("Carta de Morinus (*.hor)")));
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
