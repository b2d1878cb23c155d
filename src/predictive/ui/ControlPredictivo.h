// The predictive commands of the main window: the progression menu and its date dialog,
// the transit commands, "Ver solo natal", the age warning and the solar-time dialog. It
// fills the main window's date frame with the rest of its controls and connects the menus.
#pragma once
#include <QObject>
#include <array>
#include <string>
#include <vector>

#include "predictive/CalcularProgresion.h"
#include "predictive/EntradaFecha.h"
#include "predictive/Retorno.h"

class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace natalis {

class ChartSession;
class PuertoVentana;

class ControlPredictivo : public QObject {
    Q_OBJECT
  public:
    // Becomes a child of the window; builds its frames and connects the menus.
    explicit ControlPredictivo(PuertoVentana& w);

    // Menu commands.
    void mnuProg_Click(int index);      // 40 Primaria, 41 Arco Solar, 42 Grado x Año
    void mnuTransito_Click(int index);  // 50 Fecha de Prog., 51 Fecha Actual, 52 Dar Fecha
    // "Retorno solar" asks for a year, "Retorno lunar" for a date; the first return on or
    // after it is drawn as the transit ring and its block appended to the list.
    void mnuRetorno_Click(TipoRetorno tipo);
    void mnuVerSoloNatal_Click();
    void TitlemnuHoraSolar_Click();
    void TitleMnuArchivo_Click();  // opening the file menu: the warning shows again
    // The birth-time mode of the date dialog ("    CAMBIAR HORA").
    void AbrirCambioHora();

    // Buttons of the dialogs.
    void btnOK_Click(int index);  // 0 OK, 1 cancelar
    void opbProg_Click(int index);
    void btnProgresar_Click();
    void btnCloseSolar_Click();
    void optSunPos_Click(int index);

    // The engine and the transit as the window runs them.
    void CalcularProgresion();
    // Closes the date dialog without doing anything, whatever it served.
    void Cancelar();
    void TRANSITO(std::string fechaTrans, std::string horaTrans);
    // The solar-time frame hidden with its options emptied (a chart was drawn afresh).
    void OcultarHoraSolar();
    // A new chart starts without the date dialog, the age warning and the solar-time frame,
    // and the date dialog no longer serves a birth time or a transit.
    void Reiniciar();

    QGroupBox* fInputFecha() const { return fInputFecha_; }
    QLabel* lblFechaNat() const { return lblFechaNat_; }
    QLabel* lbl024hs() const { return lbl024hs_; }
    QCheckBox* chkCsaArco() const { return chkCsaArco_; }
    QRadioButton* opbProg(int i) const { return opbProg_[i]; }
    QPushButton* btnOK(int i) const { return btnOK_[i]; }
    QPushButton* btnCancelarHora() const { return btnCancelarHora_; }
    QGroupBox* Frame1() const { return Frame1_; }
    QLabel* Label40() const { return Label40_; }
    QLabel* Label5() const { return Label5_; }
    QCheckBox* Check1() const { return Check1_; }
    QGroupBox* frameSOLAR() const { return frameSOLAR_; }
    QRadioButton* optSunPos(int i) const { return optSunPos_[i]; }
    QPushButton* btnProgresar() const { return btnProgresar_; }
    QPushButton* btnCloseSolar() const { return btnCloseSolar_; }
    QLabel* LabelSolar(int i) const { return labelSolar_[i]; }
    // The next click in the hour box selects its text.
    bool SelHoraAlClic() const { return selHoraAlClic_; }
    // The age warning is switched off ("No repetir el aviso en esta carta", or a direction
    // to a solar time) until the file menu is opened or a new chart is started.
    bool AvisoOff() const { return avisoOff_; }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void BuildInputFrame();
    void BuildWarning();
    void BuildSolar();
    void ConnectMenus();
    void Aplicar(const ConfigEntrada& c);
    void OcultarEntrada();
    // Shows a progression's outcome: its message when refused, else the ring and listing.
    void MostrarProgresion(const ProgresionResultado& r);
    void MostrarAviso(const std::string& caption);
    // Message box of a refused or failed progression; true when there was one.
    bool AvisarProgresionFallida(const ProgresionResultado& r);
    // Shows Lista and brings the block that starts at primeraLinea into view, selected.
    void MostrarBloque(size_t primeraLinea);
    void LimpiarOpcionesSolares(bool vaciarCaptions);
    void SeleccionarTodo(QLineEdit* e);

    // What the date dialog serves besides a progression.
    enum class ModoFecha { Progresion, Transito, CambioHora };

    PuertoVentana& w_;
    ChartSession& st_;
    ModoFecha modo_ = ModoFecha::Progresion;
    bool selHoraAlClic_ = false;
    bool avisoOff_ = false;
    QGroupBox* fInputFecha_ = nullptr;
    QLabel* lblFechaNat_ = nullptr;
    QLabel* lbl024hs_ = nullptr;
    QCheckBox* chkCsaArco_ = nullptr;
    std::array<QRadioButton*, 2> opbProg_{};
    std::array<QPushButton*, 2> btnOK_{};
    QPushButton* btnCancelarHora_ = nullptr;
    QGroupBox* Frame1_ = nullptr;
    QLabel* Label40_ = nullptr;
    QLabel* Label5_ = nullptr;
    QCheckBox* Check1_ = nullptr;
    QGroupBox* frameSOLAR_ = nullptr;
    std::array<QRadioButton*, 5> optSunPos_{};
    std::array<QLabel*, 5> labelSolar_{};
    QPushButton* btnProgresar_ = nullptr;
    QPushButton* btnCloseSolar_ = nullptr;
};

}  // namespace natalis
