// What the program remembers between runs, in QSettings: the main window's place and size,
// and the chart folder chosen with --folder. The house system is not remembered: every run
// starts with Placidus.
#pragma once
#include <QRect>
#include <string>

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

  private:
    QSettings& settings_;
};

}  // namespace natalis
