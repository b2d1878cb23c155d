#include "chart/ui/GlyphFont.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QFontDatabase>

// The resources live in a static library: make sure they are linked in and registered.
static void InitNatalisResources() { Q_INIT_RESOURCE(natalis); }

namespace natalis {

int RegisterGlyphFont(const QString& folder) {
    // The chart folder may be another than the program's (--folder): look beside the
    // program too before taking the built-in copy.
    for (const QString& dir : {folder, QCoreApplication::applicationDirPath()}) {
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
