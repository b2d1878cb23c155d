#include "chart/ui/GlyphFont.h"

#include <QDir>
#include <QFileInfo>
#include <QFontDatabase>

#include "app/model/ChartFolderSetup.h"

// The resources live in a static library: make sure they are linked in and registered.
static void InitNatalisResources() { Q_INIT_RESOURCE(natalis); }

namespace natalis {

int RegisterGlyphFont(const QString& folder) {
    // The chart folder may be another than the program's (--folder, the user's data folder
    // of an installed program): look in the program's data folder too (beside the program,
    // or <prefix>/share/natalis) before taking the built-in copy.
    const QString data = QString::fromStdString(ProgramDataFolder());
    for (const QString& dir : {folder, data}) {
        const QString path = QDir(dir).filePath("ORRASTRO.TTF");
        if (dir.isEmpty() || !QFileInfo::exists(path)) continue;
        const int id = QFontDatabase::addApplicationFont(path);
        if (id >= 0) return id;
    }
    InitNatalisResources();
    return QFontDatabase::addApplicationFont(QStringLiteral(":/fonts/ORRASTRO.TTF"));
}

void UnregisterGlyphFont(int id) {
    if (id >= 0) QFontDatabase::removeApplicationFont(id);
}

}  // namespace natalis
