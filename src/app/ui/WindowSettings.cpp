#include "app/ui/WindowSettings.h"

#include <QSettings>
#include <QVariant>

namespace natalis {

namespace {
const char kGeometry[] = "ventana/geometria";
const char kFolder[] = "cartas/carpeta";
const char kClavePuntos[] = "preferencias/puntos";
const char kClaveCasas[] = "preferencias/casas";
const char kClaveZodiaco[] = "preferencias/zodiaco";
const char kClaveOrbes[] = "preferencias/orbes";
const char kClaveEstrellas[] = "preferencias/estrellas";

// A value kept as text. The settings file reads a line with commas written by hand as a list:
// it is joined again. Anything else reads as no text.
std::string Texto(const QSettings& s, const char* key) {
    const QVariant v = s.value(key);
    if (v.typeId() == QMetaType::QStringList) return v.toStringList().join(',').toStdString();
    return v.typeId() == QMetaType::QString ? v.toString().toStdString() : std::string();
}
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

namespace natalis {

Preferencias WindowSettings::Preferencias() const {
    return PreferenciasDeTextos({Texto(settings_, kClavePuntos), Texto(settings_, kClaveCasas),
                                 Texto(settings_, kClaveZodiaco), Texto(settings_, kClaveOrbes),
                                 Texto(settings_, kClaveEstrellas)});
}

void WindowSettings::SetPreferencias(const natalis::Preferencias& p) {
    const TextosPreferencias t = TextosDePreferencias(p);
    settings_.setValue(kClavePuntos, QString::fromStdString(t.puntos));
    settings_.setValue(kClaveCasas, QString::fromStdString(t.casas));
    settings_.setValue(kClaveZodiaco, QString::fromStdString(t.zodiaco));
    settings_.setValue(kClaveOrbes, QString::fromStdString(t.orbes));
    settings_.setValue(kClaveEstrellas, QString::fromStdString(t.estrellas));
}

void WindowSettings::Sync() { settings_.sync(); }

}  // namespace natalis
