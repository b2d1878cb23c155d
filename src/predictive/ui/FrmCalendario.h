// frmCalendario: the window of the calendar of the sky. The period's dates, the orb of the
// contacts, whether the chart on display is taken (its contacts and its clock) and a chosen
// zone, with a "Calcular" button; the events in a table, one row per event with the columns
// of `natalis --calendario`. It only shows what it is given and says what the user asked for;
// the calendar and the drawing belong to ControlCalendario.
#pragma once
#include <vector>

#include "predictive/ConsultaCalendario.h"
#include "predictive/ui/VentanaFlotante.h"

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTableWidget;

namespace natalis {

class FrmCalendario : public VentanaFlotante {
    Q_OBJECT
  public:
    explicit FrmCalendario(QWidget* parent = nullptr);

    // The texts of the request as typed, and whether the chart on display is asked for.
    ConsultaCalendario Consulta() const;
    bool ConCarta() const;
    // Writes the period's dates ("d m aaaa") into their boxes.
    void SetPeriodo(const std::string& desde, const std::string& hasta);
    // With no chart on display the chart cannot be asked for; with one it is, until the user
    // says otherwise.
    void SetHayCarta(bool hay);

    // The events, in their order, each row written on reloj.
    void SetEventos(std::vector<EventoCielo> eventos, const RelojCalendario& reloj);
    const std::vector<EventoCielo>& Eventos() const { return eventos_; }
    // The event shown on a row of the table (null outside it).
    const EventoCielo* EventoDeFila(int fila) const;

    QLineEdit* txtDesde() const { return txtDesde_; }
    QLineEdit* txtHasta() const { return txtHasta_; }
    QLineEdit* txtOrbe() const { return txtOrbe_; }
    QLineEdit* txtHuso() const { return txtHuso_; }
    QCheckBox* chkCarta() const { return chkCarta_; }
    QPushButton* btnCalcular() const { return btnCalcular_; }
    QTableWidget* Tabla() const { return tabla_; }
    QLabel* lblCuenta() const { return lblCuenta_; }
    QLabel* lblNota() const { return lblNota_; }

    static const char kNota[];  // what the void-of-course Moon counts, and the UT column

  signals:
    // "Calcular" was pressed (or Enter in one of the boxes).
    void calcular();
    // An event was chosen by a double click or Enter on its row.
    void elegido(const natalis::EventoCielo& evento);

  private:
    QLineEdit* txtDesde_ = nullptr;
    QLineEdit* txtHasta_ = nullptr;
    QLineEdit* txtOrbe_ = nullptr;
    QLineEdit* txtHuso_ = nullptr;
    QCheckBox* chkCarta_ = nullptr;
    QPushButton* btnCalcular_ = nullptr;
    QTableWidget* tabla_ = nullptr;
    QLabel* lblCuenta_ = nullptr;
    QLabel* lblNota_ = nullptr;
    bool hayCarta_ = false;
    std::vector<EventoCielo> eventos_;
};

}  // namespace natalis
