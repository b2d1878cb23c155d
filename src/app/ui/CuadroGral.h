// CuadroGral: the main window. It holds the chart on display, draws it on its own surface,
// carries every menu command, and lists the chart files of the program folder.
#pragma once
#include <QMainWindow>
#include <QRect>
#include <QString>
#include <functional>
#include <map>
#include <optional>
#include <string>

#include "app/model/Clock.h"
#include "app/model/Dialogs.h"
#include "app/session/ChartSession.h"
#include "astro/Ephemeris.h"
#include "chart/ui/QtSurface.h"
#include "predictive/ui/PuertoVentana.h"

class QAction;
class QGroupBox;
class QLineEdit;
class QListWidget;
class QMenu;

namespace natalis {

class ChartBrowser;
class ChartList;
class ChartCommands;
class ChartView;
class ControlPeriodo;
class ControlPredictivo;
class ExportCommands;
class ColeccionCommands;
class FrmListaNat;
class PreferenciasCommands;

// What the windows added by other commands plug into the main window. Each hook may be
// left empty while its window does not exist.
struct WindowHooks {
    std::function<void()> closeNotes;               // closes the notes window (it may ask to save)
    std::function<void()> closeEntryForm;           // closes the data-entry form
    std::function<const std::string*()> notesText;  // the notes window's text, if open
    std::function<void()> chartMenus;  // fits the file commands to the chart, run by GraficarNatal
    // True while the notes window stays open after closeNotes: its user went back to editing,
    // so what asked it to close (loading, "Salir", closing the window) does not go on.
    std::function<bool()> notesOpen;
};

class CuadroGral : public QMainWindow, public PuertoVentana {
    Q_OBJECT
  public:
    // programFolder: the folder of the chart files and of the glyph font.
    CuadroGral(Dialogs& dialogs, Clock& clock, Ephemeris& eph, const std::string& programFolder,
               QWidget* parent = nullptr);
    ~CuadroGral() override;

    // Form_Load: registers the glyph font, shows the window inside the screen's available
    // area (at its remembered place when one was given, else centred at the largest size
    // up to the designed one that fits), fills the date and hour boxes, loads the listing
    // window hidden, shows the chart list and draws the start screen.
    void FormLoad();
    // The place and size remembered from an earlier run, used by FormLoad (brought onto the
    // screen if the screen has changed since).
    void SetSavedGeometry(const QRect& client) { savedGeometry_ = client; }

    // Computes and draws the loaded chart: menus, natal computation, glyph spreading, wheel,
    // aspects list (focused) and natal listing. Does nothing while no chart is loaded.
    void GraficarNatal() override;
    // The chart list's click: reads the selected file and draws it, or reports the error.
    void flistArchivos_Click();
    // "Buscar cartas": the chart list refreshed, shown whole (its filter emptied) and focused.
    void mnuBuscarFiles_Click();
    // The natal listing window shown with the positions of the chart on display.
    // Shows the natal listing; with takeFocus false (after a chart is drawn) the main window
    // keeps the keyboard, so that Alt, F10 and the shortcuts answer at once.
    void ListadoNatal(bool takeFocus = true);
    // "Guardar": saves the chart on display as a new chart file and refreshes the list.
    void mnuGuardarFile_Click();
    // "Salir" (also Ctrl+Q, and Escape in the chart list): closes the notes window (which
    // may offer to save), asks before losing a chart or a birth time not yet saved (Enter
    // answers No and the program goes on), closes the entry form and ends the program.
    void Fin_Click();
    // "Acerca de Natalis": version, licence, credits, the ephemeris in use and the chart
    // folder, in a message box.
    void mnuAcerca_Click();

    // Menu commands by their name ("mnuBuscarFiles", "TitleMnuNatal", "barra" ...); title
    // menus with a submenu answer their title's action. Null for an unknown name.
    QAction* Action(const QString& name) const;
    QAction* MnuHsys(int index) const;      // 30 Plácido, 31 Regiomontano, 32 Koch
    QAction* mnuProg(int index) const;      // 40 Primaria, 41 Arco Solar, 42 Grado x Año
    QAction* mnuTransito(int index) const;  // 50 Fecha de Prog., 51 Fecha Actual, 52 Dar Fecha
    QMenu* Menu(const QString& titleName) const;

    ChartList* flistArchivos() const { return flistArchivos_; }
    ChartBrowser* Browser() const { return browser_; }
    QListWidget* Lista() const { return Lista_; }
    QGroupBox* fInputMain() const { return fInputMain_; }
    QLineEdit* txtFecha() const { return txtFecha_; }
    QLineEdit* txtHora() const { return txtHora_; }
    FrmListaNat* frmListaNat() const { return frmListaNat_; }
    ChartView* View() const { return view_; }
    QtSurface& Surface() { return surface_; }
    ChartSession& State() { return session_; }
    // Fills Lista with the session's lines, shown from the first; with heading (a line's
    // index) that line is selected and scrolled to the top of the list instead.
    void MostrarLista(int heading = -1) override;
    // The house system was just changed: the next drawing keeps the typed date.
    void SetCasasCambiadas(bool changed) { casasCambiadas_ = changed; }
    bool CasasCambiadas() const { return casasCambiadas_; }
    Dialogs& DialogsSeam() { return dialogs_; }
    Clock& ClockSeam() { return clock_; }
    Ephemeris& EphemerisSeam() { return eph_; }
    WindowHooks& Hooks() { return hooks_; }
    // The "Preferencias" window and the aspect grid's commands.
    PreferenciasCommands* ComandosPreferencias() const { return preferencias_; }

    // How the program ends at once ("Salir", Escape in the chart list). The default quits
    // the application's event loop; tests replace it.
    void SetEndProgram(std::function<void()> end) { endProgram_ = std::move(end); }

    // A new chart starts without the date dialog, the age warning and the solar-time frame.
    void ReiniciarPredictivo();

    // The port through which the predictive and period controllers reach this window.
    ChartSession& Sesion() override { return session_; }
    natalis::Dialogs& Dialogos() override { return dialogs_; }
    natalis::Clock& Reloj() override { return clock_; }
    natalis::Surface& Superficie() override { return surface_; }
    QWidget* Ventana() override { return this; }
    ChartView* Vista() override { return view_; }
    QGroupBox* MarcoFecha() override { return fInputMain_; }
    QLineEdit* CajaFecha() override { return txtFecha_; }
    QLineEdit* CajaHora() override { return txtHora_; }
    QListWidget* ListaAspectos() override { return Lista_; }
    QAction* Comando(const QString& nombre) const override { return Action(nombre); }
    QAction* ComandoIndice(int indice) const override;
    QMenu* MenuTitulo(const QString& nombre) const override { return Menu(nombre); }
    void Redibujar() override;

    // The caption of the chosen house system, or "Porfirio" when the last computation fell
    // back to it.
    std::string CasasCaption() const;
    // Today's date as "d m yyyy" from the clock.
    QString TodayText() const;

  protected:
    void closeEvent(QCloseEvent* event) override;

  private:
    void BuildMenus();
    void BuildShortcuts();
    void BuildControls();
    void PlaceOnScreen();
    void FillChartList();
    void EnsureListaNat();
    void FocusChanged(QWidget* old, QWidget* now);
    // Closes the notes window and asks about unsaved work (PreguntaSalir): true when the
    // program may end.
    bool PuedeSalir();

    Dialogs& dialogs_;
    Clock& clock_;
    Ephemeris& eph_;
    ChartSession session_;
    bool casasCambiadas_ = false;
    WindowHooks hooks_;
    std::function<void()> endProgram_;
    int fontId_ = -1;
    QRect savedGeometry_;

    QtSurface surface_;
    ControlPredictivo* predictivo_ = nullptr;
    ChartCommands* commands_ = nullptr;
    ExportCommands* export_ = nullptr;
    ColeccionCommands* coleccion_ = nullptr;
    ControlPeriodo* periodo_ = nullptr;
    PreferenciasCommands* preferencias_ = nullptr;
    ChartView* view_ = nullptr;
    ChartBrowser* browser_ = nullptr;
    ChartList* flistArchivos_ = nullptr;
    QListWidget* Lista_ = nullptr;
    QGroupBox* fInputMain_ = nullptr;
    QLineEdit* txtFecha_ = nullptr;
    QLineEdit* txtHora_ = nullptr;
    FrmListaNat* frmListaNat_ = nullptr;

    std::map<QString, QAction*> actions_;
    std::map<QString, QMenu*> menus_;
    std::map<int, QAction*> indexed_;  // MnuHsys 30-32, mnuProg 40-42, mnuTransito 50-52
};

}  // namespace natalis
