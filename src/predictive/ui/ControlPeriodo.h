// The main window's commands of a period and of time stepping: "Aspectos del período…"
// opens the period window, whose chosen hit is drawn on the wheel; and the step frame with
// its keys (in every window of the program) moves the transit or the progression on
// display by a day, a month or a year:
//   Ctrl+Left / Ctrl+Right            one day back / forward
//   Ctrl+Down / Ctrl+Up               one month back / forward
//   Ctrl+Page Down / Ctrl+Page Up     one year back / forward
// It only calls the session and tells the window to show what the session drew. The calendar
// of the sky and the time map (ControlCalendario) show their chosen moments the same way.
#pragma once
#include <QObject>
#include <array>

#include "app/session/ChartSession.h"

class QAction;
class QGroupBox;
class QLabel;
class QPushButton;

namespace natalis {

class PuertoVentana;
class FrmPeriodo;
class ControlCalendario;

class ControlPeriodo : public QObject {
    Q_OBJECT
  public:
    // Becomes a child of the window, builds the step frame, connects the menu entry and
    // adds the step keys to the program; builds the calendar's and the time map's commands.
    explicit ControlPeriodo(PuertoVentana& w);

    // "Aspectos del período…": the period window shown (built the first time, the period
    // from today to the same day a year on).
    void mnuPeriodo_Click();
    // "Buscar": the typed search checked and run for the chart on display.
    void Buscar();
    // A hit of the session's period search chosen: a transit hit drawn as the transit at its
    // exact instant; a secondary or solar-arc hit as the progression by that technique to
    // the date of its exact instant (on the birth zone's clock).
    void Elegir(const AspectoPeriodo& hit);
    // One step of what is on display.
    void Paso(UnidadPaso unidad, int cuantos);

    FrmPeriodo* Ventana() const { return frm_; }
    ControlCalendario* Calendario() const { return calendario_; }
    QGroupBox* fPasos() const { return fPasos_; }
    QLabel* lblFechaPaso() const { return lblFecha_; }
    // The six steps in the frame's order: -1 year, -1 month, -1 day, +1 day, +1 month, +1 year.
    QAction* AccionPaso(int i) const { return acciones_[i]; }
    QPushButton* btnPaso(int i) const { return botones_[i]; }

  private:
    void BuildPasos();
    // The step frame shown with the date of what is on display, hidden with nothing to step.
    void ActualizarPasos();
    // The window's list shows the session's lines, the block from primeraLinea in view.
    void MostrarBloque(size_t primeraLinea);
    // A message box for a refused or failed progression; true when there was one.
    bool AvisarProgresion(const ProgresionResultado& r);
    // What a step or a chosen hit moved, shown.
    void Mostrar(const PasoSesion& r);
    void MostrarTransito(const TransitoResultado& r);
    void MostrarProgresion(const ProgresionResultado& r);

    PuertoVentana& w_;
    ChartSession& st_;
    FrmPeriodo* frm_ = nullptr;
    ControlCalendario* calendario_ = nullptr;
    QGroupBox* fPasos_ = nullptr;
    QLabel* lblFecha_ = nullptr;
    std::array<QAction*, 6> acciones_{};
    std::array<QPushButton*, 6> botones_{};
};

}  // namespace natalis
