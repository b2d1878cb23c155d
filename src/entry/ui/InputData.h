// InputData, the modeless window in which a chart's birth data are typed or corrected.
#pragma once
#include <QWidget>
#include <array>
#include <functional>

#include "app/model/Dialogs.h"
#include "app/model/NatalRecord.h"
#include "entry/FichaNatal.h"

class QLineEdit;
class QPushButton;
class QRadioButton;

namespace natalis {

class LugarAtlas;

class InputData : public QWidget {
    Q_OBJECT
  public:
    // Loading the form pre-fills it from rec when flags.ChartLoaded (Form_Load). onAccepted
    // runs after a chart was accepted and the form closed: the main window then disables
    // the notes command, empties its aspects list and draws the chart.
    InputData(NatalRecord& rec, ChartFlags& flags, Dialogs& dialogs,
              std::function<void()> onAccepted, QWidget* parent = nullptr);

    // Empties all fourteen boxes, selects no hemisphere and forgets the place chosen from the
    // atlas.
    void Vaciar();
    // What the boxes and options hold, and the reverse.
    FichaNatalTextos Textos() const;
    void SetTextos(const FichaNatalTextos& f);

    QLineEdit* Caja(EntryField field) const;  // nullptr for a field that is no box
    // The control that takes the focus for a field: its box, or a hemisphere's first option.
    QWidget* Control(EntryField field) const;
    QPushButton* CrearCarta() const { return crearCarta_; }
    // The place box's atlas and the zone line (LugarAtlas.h).
    LugarAtlas* Lugar() const { return lugar_; }

    // The button's action: checks the entries, fills the natal record, closes the form and
    // hands over to the main window. False when a check failed (the form stays open with
    // the focus on the box to correct).
    bool AceptarDatos();

    // Escape's question when something was typed since the form opened (or was emptied).
    static const char kPreguntaCerrar[];
    static const char kTituloCerrar[];

  private:
    void BuildControls();
    // True when a box or option differs from what the form opened with.
    bool HayCambios() const;
    // Escape: closes the form, asking first when something was typed.
    void CerrarConEscape();

    NatalRecord& rec_;
    ChartFlags& flags_;
    Dialogs& dialogs_;
    std::function<void()> onAccepted_;
    std::array<QLineEdit*, static_cast<int>(EntryField::None)> boxes_{};
    QRadioButton* norte_ = nullptr;
    QRadioButton* sur_ = nullptr;
    QRadioButton* este_ = nullptr;
    QRadioButton* oeste_ = nullptr;
    QPushButton* crearCarta_ = nullptr;
    LugarAtlas* lugar_ = nullptr;
    FichaNatalTextos abiertos_;  // what the boxes held when the form opened or was emptied
};

}  // namespace natalis
