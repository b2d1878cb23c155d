// PuertoVentana: what the predictive and period controllers need of the main window, and no
// more. The main window implements it; the controllers never see the window's own class, so
// this folder depends on no other subsystem's windows and a test can hand them a fake.
#pragma once
#include <QString>

class QAction;
class QGroupBox;
class QLineEdit;
class QListWidget;
class QMenu;
class QWidget;

namespace natalis {

class ChartSession;
class ChartView;
class Clock;
class Dialogs;
class Surface;

class PuertoVentana {
  public:
    virtual ~PuertoVentana() = default;

    // What the controllers compute with, ask through and draw on.
    virtual ChartSession& Sesion() = 0;
    virtual Dialogs& Dialogos() = 0;
    virtual Clock& Reloj() = 0;
    virtual Surface& Superficie() = 0;

    // Where their frames and windows stand: the window itself (the parent of the period
    // window and the owner of the program-wide step keys) and the drawing's view.
    virtual QWidget* Ventana() = 0;
    virtual ChartView* Vista() = 0;

    // The main window's date dialog (its frame, the date and the hour boxes) and its list of
    // aspects, which the controllers fill with their own controls and keys. Never null.
    virtual QGroupBox* MarcoFecha() = 0;
    virtual QLineEdit* CajaFecha() = 0;
    virtual QLineEdit* CajaHora() = 0;
    virtual QListWidget* ListaAspectos() = 0;

    // Menu commands by their name ("mnuVerSoloNatal") or their index (40-42 progressions,
    // 50-52 transits), and title menus by their name; null for an unknown one.
    virtual QAction* Comando(const QString& nombre) const = 0;
    virtual QAction* ComandoIndice(int indice) const = 0;
    virtual QMenu* MenuTitulo(const QString& nombre) const = 0;

    // Window actions: show what was just drawn on the surface; fill the list of aspects with
    // the session's lines (heading: the line selected at the top, -1 for the first shown);
    // compute and draw the chart loaded, as a new chart is drawn.
    virtual void Redibujar() = 0;
    virtual void MostrarLista(int heading = -1) = 0;
    virtual void GraficarNatal() = 0;
};

}  // namespace natalis
