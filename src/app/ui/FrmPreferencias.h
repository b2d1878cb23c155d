// The "Preferencias" window: the points beyond the default twelve, the house system, the
// zodiac, the orb set and the fixed stars of the charts the window computes. It only shows and
// gathers the choices; what is done with them is its owner's.
#pragma once
#include <QDialog>
#include <map>

#include "app/session/Preferencias.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace natalis {

class FrmPreferencias : public QDialog {
    Q_OBJECT
  public:
    explicit FrmPreferencias(QWidget* parent = nullptr);

    // Shows p in the controls.
    void Poner(const Preferencias& p);
    // What the controls show.
    Preferencias Elegidas() const;

    // The controls, for the window's owner and its tests: a check box per point row beyond
    // the default set (by its label, "QUI"), the three lists and the buttons.
    QCheckBox* Punto(const std::string& etiqueta) const;
    QComboBox* Casas() const { return casas_; }
    QComboBox* Zodiaco() const { return zodiaco_; }
    QComboBox* Orbes() const { return orbes_; }
    // The fixed stars, catalogue names separated by commas or "behenias"; and the line that
    // says which name was not found when "Aceptar" is refused.
    QLineEdit* Estrellas() const { return estrellas_; }
    QLabel* Aviso() const { return aviso_; }
    QPushButton* Aceptar() const { return aceptar_; }
    QPushButton* Cancelar() const { return cancelar_; }
    QPushButton* Iniciales() const { return iniciales_; }

  private:
    std::map<std::string, QCheckBox*> puntos_;
    QComboBox* casas_ = nullptr;
    QComboBox* zodiaco_ = nullptr;
    QComboBox* orbes_ = nullptr;
    QLineEdit* estrellas_ = nullptr;
    QLabel* aviso_ = nullptr;
    QPushButton* aceptar_ = nullptr;
    QPushButton* cancelar_ = nullptr;
    QPushButton* iniciales_ = nullptr;
};

}  // namespace natalis
