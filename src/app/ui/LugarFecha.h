// The date and place of a return or of the chart of a moment: the birth place by default, or
// any place of the atlas, found as the user types its name.
#pragma once
#include <QDialog>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "app/model/Dialogs.h"
#include "app/model/Place.h"
#include "chart/CartaInstante.h"

class QDialogButtonBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QRadioButton;

namespace natalis {

class Atlas;

class LugarFecha : public QDialog {
    Q_OBJECT
  public:
    // fecha: the date box's text, "d m aaaa"; without conFecha the box is left out. natal:
    // the birth place, offered first; none (no chart on display) leaves only the atlas.
    // atlas gives the atlas when the user first searches it (may give null).
    LugarFecha(const QString& titulo, bool conFecha, const QString& fecha,
               const std::optional<LugarCarta>& natal, std::function<Atlas*()> atlas,
               Dialogs& dialogs, QWidget* parent = nullptr);

    QLineEdit* Fecha() const { return fecha_; }  // null without the date
    QRadioButton* LugarNatal() const { return natal_; }
    QRadioButton* OtroLugar() const { return otro_; }
    QLineEdit* Buscar() const { return buscar_; }
    QListWidget* Lugares() const { return lugares_; }
    QLabel* Aviso() const { return aviso_; }
    QDialogButtonBox* Botones() const { return botones_; }

    // The atlas places found for the text (as a user's typing does).
    void BuscarLugar(const QString& texto);
    // Accepts with the chosen place, or says what is missing and stays open.
    void Aceptar();

    LugarCarta Lugar() const { return elegido_; }
    std::string FechaTexto() const;

  private:
    Dialogs& dialogs_;
    std::optional<LugarCarta> lugarNatal_;
    std::function<Atlas*()> atlas_;
    std::vector<Place> encontrados_;
    LugarCarta elegido_;
    QLineEdit* fecha_ = nullptr;
    QRadioButton* natal_ = nullptr;
    QRadioButton* otro_ = nullptr;
    QLineEdit* buscar_ = nullptr;
    QListWidget* lugares_ = nullptr;
    QLabel* aviso_ = nullptr;
    QDialogButtonBox* botones_ = nullptr;
};

}  // namespace natalis
