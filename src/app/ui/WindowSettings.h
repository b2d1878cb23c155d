// What the program remembers between runs, in QSettings: the main window's place and size,
// the chart folder chosen with --folder, and the preferences of the "Preferencias" window.
// The house system chosen in the "CASAS" menu is not remembered: every run starts with the
// preferences' (Placidus until the user chooses another there).
#pragma once
#include <QRect>
#include <string>

#include "app/session/Preferencias.h"

class QSettings;

namespace natalis {

class WindowSettings {
  public:
    explicit WindowSettings(QSettings& settings) : settings_(settings) {}

    // The main window's client geometry when it last closed; invalid when none is stored.
    QRect Geometry() const;
    void SetGeometry(const QRect& client);
    // The folder last given with --folder; empty when none was.
    std::string Folder() const;
    void SetFolder(const std::string& folder);
    // The preferences last accepted; the default for any that is missing or unreadable.
    natalis::Preferencias Preferencias() const;
    void SetPreferencias(const natalis::Preferencias& p);
    // Writes what was set to disk now (the settings write a new file and put it in place of
    // the old one only when it is complete).
    void Sync();

  private:
    QSettings& settings_;
};

}  // namespace natalis
