// A window of its own over the main window (the period search, the calendar of the sky, the
// time map): shown over its owner the first time and where the user left it afterwards;
// Escape closes it, and closing it keeps what it holds for the next opening.
#pragma once
#include <QWidget>

class QKeyEvent;
class QLineEdit;

namespace natalis {

class VentanaFlotante : public QWidget {
    Q_OBJECT
  public:
    explicit VentanaFlotante(QWidget* parent = nullptr);

    // Shows the window with the focus; the first time centred over owner.
    void MostrarSobre(const QWidget& owner);

  protected:
    // Escape closes the window (an open list of a combo box takes it first).
    void keyPressEvent(QKeyEvent* event) override;

    // A text box named nombre.
    QLineEdit* Caja(const char* nombre);

  private:
    bool colocada_ = false;  // placed over its owner once
};

}  // namespace natalis
