// The atlas in the entry form: "LUGAR" completes from the atlas (a text that finds nothing
// says so and what to do), a chosen place fills the coordinates and the zone boxes
// (ZonaDeLugar.h), typed coordinates can take a zone from a list with the nearest place's
// zone first, the line beside the zone boxes says where the offset came from, a repeated
// clock time offers its two readings, and the typed place can be kept among the user's own. The
// logic is ZonaDeLugar's; this only wires it to the form's widgets.
#pragma once
#include <QObject>
#include <QStringList>
#include <vector>

#include "app/model/Dialogs.h"
#include "app/model/Place.h"
#include "entry/FichaNatal.h"

class QComboBox;
class QCompleter;
class QLabel;
class QPushButton;
class QStringListModel;
class QWidget;

namespace natalis {

class Atlas;
class InputData;

class LugarAtlas : public QObject {
    Q_OBJECT
  public:
    // Attaches to the form's boxes (which must exist); the widgets it makes are the form's
    // children, placed by the form.
    LugarAtlas(InputData& form, Dialogs& dialogs);

    // The atlas to search and to keep the user's places in; nullptr: the form is typed by
    // hand only. The atlas outlives the form.
    void SetAtlas(Atlas* atlas);

    QWidget* LineaHusoWidget() const { return linea_; }  // the zone line and the choice
    QPushButton* Agregar() const { return agregar_; }    // "Agregar a mis lugares"
    QLabel* Linea() const { return texto_; }
    QComboBox* Lecturas() const { return lecturas_; }
    QComboBox* Zonas() const { return zonas_; }  // the zones for typed coordinates
    QLabel* Aviso() const { return aviso_; }     // what the last search did not find

    // The form's memory of the atlas (the form's contents carry it).
    const HusoAtlas& Estado() const { return huso_; }
    void SetEstado(const HusoAtlas& huso);

    // The places the list offers for the place box's text, as shown.
    QStringList Sugerencias() const { return shown_; }
    // Chooses the place shown in that row of the list, as a click on it does.
    void ElegirFila(int row);

  private:
    void Buscar(const QString& text);
    void Elegir(const Place& p);
    void Recalcular();
    void ElegirLectura(int index);
    void AgregarLugar();
    // Fills the zone list for the coordinates of the boxes, nearest first.
    void ListarZonas();
    void ElegirZona(int index);
    // Writes the zone boxes of f where they differ, takes f's memory and shows the line.
    void Aplicar(const FichaNatalTextos& f);
    void MostrarLinea();

    InputData& form_;
    Dialogs& dialogs_;
    Atlas* atlas_ = nullptr;
    HusoAtlas huso_;
    std::vector<Place> found_;  // the places of the list, in its order
    QStringList shown_;
    QStringListModel* model_ = nullptr;
    QCompleter* completer_ = nullptr;
    QWidget* linea_ = nullptr;
    QLabel* texto_ = nullptr;
    QComboBox* lecturas_ = nullptr;
    QComboBox* zonas_ = nullptr;
    QLabel* aviso_ = nullptr;
    QPushButton* agregar_ = nullptr;
};

}  // namespace natalis
