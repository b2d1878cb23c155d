#include "app/ui/GuiMain.h"

#include <QApplication>
#include <iostream>
#include <optional>

#include "app/HeadlessProgram.h"
#include "app/model/ChartFolderSetup.h"
#include "app/model/SystemClock.h"
#include "app/ui/CuadroGral.h"
#include "app/ui/QtDialogs.h"
#include "astro/SwissEphemeris.h"

namespace natalis {

int RunGui(int argc, char** argv, const Args& args) {
    QApplication app(argc, argv);
    std::optional<std::string> folderOption;
    if (!ParseFolderOption(args, 0, folderOption)) {
        std::cerr << UsageText();
        return 2;
    }
    // The chart folder: beside the program (build folder, portable copy), the user's data
    // folder of an installed program (made and seeded on first start), or --folder.
    QtDialogs dialogs;
    const ChartFolderChoice choice = ProcessChartFolder(folderOption);
    const ChartFolderSetup setup = SetUpChartFolder(choice);
    if (!setup.message.empty()) {
        std::cerr << setup.message << "\n";
        dialogs.MsgBox(setup.message, MsgButtons::Ok,
                       setup.ok ? MsgIcon::Exclamation : MsgIcon::Critical, "Natalis");
    }
    if (!setup.ok) return 2;

    SwissEphemeris eph;
    SystemClock clock;
    CuadroGral window(dialogs, clock, eph, choice.chartFolder);
    dialogs.SetParent(&window);
    window.FormLoad();
    return app.exec();
}

}  // namespace natalis
