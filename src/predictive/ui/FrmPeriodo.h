// frmPeriodo: the list window of a period search. The period's dates, the orb and the
// technique with a "Buscar" button; the hits in a table sorted by exact date, narrowed by
// three filters. It only shows what it is given and says what the user asked for; the
// search and the drawing belong to ControlPeriodo.
#pragma once
#include <vector>

#include "predictive/ConsultaPeriodo.h"
#include "predictive/FiltroPeriodo.h"
#include "predictive/ui/VentanaFlotante.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTableWidget;

namespace natalis {

class FrmPeriodo : public VentanaFlotante {
    Q_OBJECT
  public:
    explicit FrmPeriodo(QWidget* parent = nullptr);

    // The texts of the search as typed.
    ConsultaPeriodo Consulta() const;
    // Writes the period's dates ("d m aaaa") into their boxes.
    void SetPeriodo(const std::string& desde, const std::string& hasta);

    // The hits of a search by tecnica: sorted by exact instant, the moving point's filter
    // fitted to the technique, and listed through the filters.
    void SetAspectos(std::vector<AspectoPeriodo> hits, TecnicaPeriodo tecnica);
    const std::vector<AspectoPeriodo>& Aspectos() const { return hits_; }
    TecnicaPeriodo Tecnica() const { return tecnica_; }
    // The filters as chosen, and the hit shown on a row of the table (null outside it).
    FiltroPeriodo Filtro() const;
    const AspectoPeriodo* AspectoDeFila(int fila) const;

    QLineEdit* txtDesde() const { return txtDesde_; }
    QLineEdit* txtHasta() const { return txtHasta_; }
    QLineEdit* txtOrbe() const { return txtOrbe_; }
    QComboBox* cboTecnica() const { return cboTecnica_; }
    QPushButton* btnBuscar() const { return btnBuscar_; }
    QComboBox* cboMovil() const { return cboMovil_; }
    QComboBox* cboAspecto() const { return cboAspecto_; }
    QComboBox* cboNatal() const { return cboNatal_; }
    QTableWidget* Tabla() const { return tabla_; }
    QLabel* lblCuenta() const { return lblCuenta_; }
    QLabel* lblUT() const { return lblUT_; }

    static const char kTextoUT[];  // the note that the table's times are universal time

  signals:
    // "Buscar" was pressed (or Enter in one of the boxes).
    void buscar();
    // A hit was chosen by a double click or Enter on its row.
    void elegido(const natalis::AspectoPeriodo& hit);

  private:
    void Listar();
    static void Llenar(QComboBox* c, const std::vector<OpcionFiltro>& opciones);

    QLineEdit* txtDesde_ = nullptr;
    QLineEdit* txtHasta_ = nullptr;
    QLineEdit* txtOrbe_ = nullptr;
    QComboBox* cboTecnica_ = nullptr;
    QPushButton* btnBuscar_ = nullptr;
    QComboBox* cboMovil_ = nullptr;
    QComboBox* cboAspecto_ = nullptr;
    QComboBox* cboNatal_ = nullptr;
    QTableWidget* tabla_ = nullptr;
    QLabel* lblCuenta_ = nullptr;
    QLabel* lblUT_ = nullptr;
    std::vector<AspectoPeriodo> hits_;
    std::vector<size_t> filas_;  // index in hits_ of each row of the table
    TecnicaPeriodo tecnica_ = TecnicaPeriodo::Transitos;
};

}  // namespace natalis
