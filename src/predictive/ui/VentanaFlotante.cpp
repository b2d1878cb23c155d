#include "predictive/ui/VentanaFlotante.h"

#include <QKeyEvent>
#include <QLineEdit>

namespace natalis {

VentanaFlotante::VentanaFlotante(QWidget* parent) : QWidget(parent, Qt::Window) {}

void VentanaFlotante::MostrarSobre(const QWidget& owner) {
    if (!colocada_) {
        colocada_ = true;
        move(owner.frameGeometry().center() - rect().center());
    }
    show();
    raise();
    activateWindow();
}

void VentanaFlotante::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape) {
        close();
        return;
    }
    QWidget::keyPressEvent(event);
}

QLineEdit* VentanaFlotante::Caja(const char* nombre) {
    auto* e = new QLineEdit(this);
    e->setObjectName(nombre);
    return e;
}

}  // namespace natalis
