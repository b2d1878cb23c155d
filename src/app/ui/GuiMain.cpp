#include "app/ui/GuiMain.h"

#include <QApplication>
#include <QDir>
#include <QSettings>
#include <iostream>
#include <optional>

#include "app/cli/HeadlessProgram.h"
#include "app/model/CarpetaCartas.h"
#include "app/model/ChartFolderSetup.h"
#include "app/model/SystemClock.h"
#include "app/ui/CuadroGral.h"
#include "app/ui/PreferenciasCommands.h"
#include "app/ui/QtDialogs.h"
#include "app/ui/TraduccionesQt.h"
#include "app/ui/WindowSettings.h"
#include "astro/SwissEphemeris.h"

namespace natalis {

int RunGui(int argc, char** argv, const Args& args) {
    QApplication app(argc, argv);
    QCoreApplication::setOrganizationName("natalis");
    QCoreApplication::setApplicationName("natalis");
    CargarTraduccionesQt(app);
    std::optional<std::string> folderArg;
    if (!ParseFolderOption(args, 0, folderArg)) {
        std::cerr << UsageText();
        return 2;
    }
    if (folderArg)
        folderArg = QDir(QString::fromStdString(*folderArg)).absolutePath().toStdString();
    // The chart folder: the one given with --folder (remembered for the next runs), else the
    // one remembered while it still exists, else beside the program (build folder, portable
    // copy) or the user's data folder of an installed program (made and seeded on first
    // start).
    QSettings settings;
    WindowSettings remembered(settings);
    const std::string saved = remembered.Folder();
    const ChartFolderChoice porOmision = ProcessChartFolder(std::nullopt);
    const std::string folder = ElegirCarpetaCartas(
        folderArg, saved, !saved.empty() && QDir(QString::fromStdString(saved)).exists(),
        porOmision.chartFolder);
    const ChartFolderChoice choice =
        folder == porOmision.chartFolder ? porOmision : ProcessChartFolder(folder);
    QtDialogs dialogs;
    const ChartFolderSetup setup = SetUpChartFolder(choice);
    if (!setup.message.empty()) {
        std::cerr << setup.message << "\n";
        dialogs.MsgBox(setup.message, MsgButtons::Ok,
                       setup.ok ? MsgIcon::Exclamation : MsgIcon::Critical, "Natalis");
    }
    if (!setup.ok) return 2;
    if (folderArg) {
        remembered.SetFolder(*folderArg);
        settings.sync();
    }

    SwissEphemeris eph;
    SystemClock clock;
    CuadroGral window(dialogs, clock, eph, choice.chartFolder);
    dialogs.SetParent(&window);
    window.SetSavedGeometry(remembered.Geometry());
    window.ComandosPreferencias()->Usar(remembered);
    window.FormLoad();
    const int code = app.exec();
    remembered.SetGeometry(window.geometry());
    settings.sync();
    return code;
}

}  // namespace natalis
