// The main window's commands of the preferences and the aspect grid: the "Preferencias"
// window, which chooses the points, houses, zodiac and orbs of the charts the window computes
// (applied to the session, kept between runs), and the "Rejilla de aspectos" window.
#pragma once
#include <QObject>
#include <QPointer>
#include <functional>

#include "app/session/Preferencias.h"

namespace natalis {

class CuadroGral;
class WindowSettings;
class FrmPreferencias;
class FrmRejilla;

class PreferenciasCommands : public QObject {
    Q_OBJECT
  public:
    // Becomes a child of the window and connects its menu commands.
    explicit PreferenciasCommands(CuadroGral& w);

    // The preferences kept from an earlier run, and how to keep new ones (empty: not kept).
    // They reach the session when the window loads (Aplicar).
    void Usar(const Preferencias& guardadas, std::function<void(const Preferencias&)> guardar);
    // The preferences kept in ajustes; new ones are written there and flushed to disk at
    // once (sync), so a run that ends badly keeps them. ajustes must outlive this object.
    void Usar(WindowSettings& ajustes);
    // The preferences applied to the session, and the house menu's check mark on the chosen
    // system (on none when the system has no entry there).
    void Aplicar();
    const Preferencias& Actuales() const { return actuales_; }

    // "  PREFERENCIAS": the window on the current preferences. Accepting keeps them, applies
    // them and draws the chart on display again with them.
    void mnuPreferencias_Click();
    // "Rejilla de aspectos": the grid of the chart on display in its window.
    void mnuRejilla_Click();
    // A natal display ended (ok) or failed: an open grid follows the chart or is closed.
    void CartaMostrada(bool ok);

    FrmPreferencias* Ventana() const;  // null until first opened
    FrmRejilla* Rejilla() const;       // null until first opened

  private:
    void Aceptada();
    void DibujarRejilla();

    CuadroGral& w_;
    Preferencias actuales_;
    std::function<void(const Preferencias&)> guardar_;
    QPointer<FrmPreferencias> ventana_;
    QPointer<FrmRejilla> rejilla_;
};

}  // namespace natalis
