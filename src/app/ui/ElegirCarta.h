// The second chart's picker: the library's charts in a list with the chart browser's own
// filter, and for a Davison chart the choice of the midpoint place.
#pragma once
#include <QDialog>
#include <string>

#include "app/model/Dialogs.h"
#include "app/model/NatalRecord.h"
#include "chart/Davison.h"

class QComboBox;
class QDialogButtonBox;
class QLabel;

namespace natalis {

class ChartBrowser;

class ElegirCarta : public QDialog {
    Q_OBJECT
  public:
    // Lists the charts of folder; conLugarMedio adds the midpoint choice.
    ElegirCarta(const std::string& folder, Dialogs& dialogs, const QString& titulo,
                bool conLugarMedio, QWidget* parent = nullptr);

    ChartBrowser* Browser() const { return browser_; }
    QComboBox* LugarMedioBox() const { return lugarMedio_; }  // null without the choice
    QDialogButtonBox* Botones() const { return botones_; }

    // Reads the current row's chart: accepted with its record, or the reader's message shown
    // and the dialog left open. Nothing happens without a current row.
    void Aceptar();

    const NatalRecord& Registro() const { return registro_; }
    std::string Archivo() const { return archivo_; }
    LugarMedio Modo() const;

  private:
    std::string folder_;
    Dialogs& dialogs_;
    ChartBrowser* browser_ = nullptr;
    QComboBox* lugarMedio_ = nullptr;
    QDialogButtonBox* botones_ = nullptr;
    NatalRecord registro_;
    std::string archivo_;
};

}  // namespace natalis
