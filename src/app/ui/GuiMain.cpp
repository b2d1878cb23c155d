#include "app/ui/GuiMain.h"

#include <QApplication>
#include <iostream>

#include "app/model/SystemClock.h"
#include "app/ui/CuadroGral.h"
#include "app/ui/QtDialogs.h"
#include "astro/SwissEphemeris.h"

namespace natalis {

int RunGui(int argc, char** argv, const Args& args) {
    QApplication app(argc, argv);
    // The chart folder: the folder of the program, or the one given with --folder.
    std::string folder = QCoreApplication::applicationDirPath().toStdString();
    for (size_t i = 0; i < args.size(); ++i) {
        if (args[i] == "--folder" && i + 1 < args.size()) {
            folder = args[++i];
        } else {
            std::cerr << UsageText();
            return 2;
        }
    }
    if (!folder.empty() && folder.back() != '/') folder += '/';

    SwissEphemeris eph;
    SystemClock clock;
    QtDialogs dialogs;
    CuadroGral window(dialogs, clock, eph, folder);
    dialogs.SetParent(&window);
    window.FormLoad();
    return app.exec();
}

}  // namespace natalis
