#include "app/ui/WindowSettings.h"

#include <QSettings>

namespace natalis {

namespace {
const char kGeometry[] = "ventana/geometria";
const char kFolder[] = "cartas/carpeta";
}  // namespace

QRect WindowSettings::Geometry() const { return settings_.value(kGeometry).toRect(); }

void WindowSettings::SetGeometry(const QRect& client) {
    if (client.isValid()) settings_.setValue(kGeometry, client);
}

std::string WindowSettings::Folder() const {
    return settings_.value(kFolder).toString().toStdString();
}

void WindowSettings::SetFolder(const std::string& folder) {
    settings_.setValue(kFolder, QString::fromStdString(folder));
}

}  // namespace natalis
