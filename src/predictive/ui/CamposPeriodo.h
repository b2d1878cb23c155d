// The fields of a period query that the period search and the time map both ask for: the
// dates "Desde" and "Hasta", the orb and the technique.
#pragma once

class QComboBox;
class QFormLayout;
class QLineEdit;
class QWidget;

namespace natalis {

struct CamposPeriodo {
    QLineEdit* desde = nullptr;    // "txtDesde", d m aaaa
    QLineEdit* hasta = nullptr;    // "txtHasta"
    QLineEdit* orbe = nullptr;     // "txtOrbe", 1 degree at first
    QComboBox* tecnica = nullptr;  // "cboTecnica", the techniques of the period table in order
};

// Creates the fields in parent, in this order (the tab order), and adds their rows to form.
CamposPeriodo CrearCamposPeriodo(QWidget* parent, QFormLayout* form);

}  // namespace natalis
