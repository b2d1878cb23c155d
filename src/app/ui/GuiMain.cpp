#include "app/ui/GuiMain.h"

#include <QApplication>
#include <QDir>
#include <QSettings>
#include <iostream>
#include <optional>

#include "app/CarpetaCartas.h"
#include "app/model/SystemClock.h"
#include "app/ui/CuadroGral.h"
#include "app/ui/QtDialogs.h"
#include "app/ui/WindowSettings.h"
#include "astro/SwissEphemeris.h"

namespace natalis {

int RunGui(int argc, char** argv, const Args& args) {
    QApplication app(argc, argv);
    QCoreApplication::setOrganizationName("natalis");
    QCoreApplication::setApplicationName("natalis");
    std::optional<std::string> folderArg;
    for (size_t i = 0; i < args.size(); ++i) {
        if (args[i] == "--folder" && i + 1 < args.size()) {
            folderArg = QDir(QString::fromStdString(args[++i])).absolutePath().toStdString();
        } else {
            std::cerr << UsageText();
            return 2;
        }
    }
    // The chart folder: the one given with --folder (remembered for the next runs), else the
    // one remembered, else the folder of the program.
    QSettings settings;
    WindowSettings remembered(settings);
    const std::string saved = remembered.Folder();
    const std::string folder = ElegirCarpetaCartas(
        folderArg, saved, !saved.empty() && QDir(QString::fromStdString(saved)).exists(),
        QCoreApplication::applicationDirPath().toStdString());
    if (folderArg) {
        remembered.SetFolder(*folderArg);
        settings.sync();
    }

    SwissEphemeris eph;
    SystemClock clock;
    QtDialogs dialogs;
    CuadroGral window(dialogs, clock, eph, folder);
    dialogs.SetParent(&window);
    window.SetSavedGeometry(remembered.Geometry());
    window.FormLoad();
    const int code = app.exec();
    remembered.SetGeometry(window.geometry());
    settings.sync();
    return code;
}

}  // namespace natalis
