#include "predictive/ui/CamposPeriodo.h"

#include <QComboBox>
#include <QFormLayout>
#include <QLineEdit>

#include "predictive/Tecnicas.h"

namespace natalis {

namespace {

QLineEdit* Caja(const char* nombre, QWidget* parent) {
    auto* e = new QLineEdit(parent);
    e->setObjectName(nombre);
    return e;
}

}  // namespace

CamposPeriodo CrearCamposPeriodo(QWidget* parent, QFormLayout* form) {
    CamposPeriodo c;
    c.desde = Caja("txtDesde", parent);
    c.hasta = Caja("txtHasta", parent);
    c.orbe = Caja("txtOrbe", parent);
    c.orbe->setText(QStringLiteral("1"));
    c.tecnica = new QComboBox(parent);
    c.tecnica->setObjectName("cboTecnica");
    for (const TecnicaPeriodoFila& f : kTecnicasPeriodo) {
        c.tecnica->addItem(NombreTecnicaPeriodo(f.id));
    }
    form->addRow(QStringLiteral("Desde (d m aaaa)"), c.desde);
    form->addRow(QStringLiteral("Hasta (d m aaaa)"), c.hasta);
    form->addRow(QStringLiteral("Orbe (grados)"), c.orbe);
    form->addRow(QStringLiteral("Técnica"), c.tecnica);
    return c;
}

}  // namespace natalis
