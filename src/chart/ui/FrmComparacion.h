// The comparison's window: its listing (cross aspects and house overlays, or the positions of
// a single chart) on one page, and the cross-aspect grid of a bi-wheel on another.
#pragma once
#include <QWidget>
#include <string>
#include <vector>

#include "chart/RejillaCruzada.h"

class QListWidget;
class QTabWidget;
class QTableWidget;

namespace natalis {

class FrmComparacion : public QWidget {
    Q_OBJECT
  public:
    explicit FrmComparacion(QWidget* parent = nullptr);

    // Shows titulo, the listing's lines and, when given, the grid (its page is left out
    // otherwise).
    void Mostrar(const std::string& titulo, const std::vector<std::string>& lineas,
                 const RejillaCruzada* rejilla);

    QListWidget* Listado() const { return listado_; }
    QTableWidget* Rejilla() const { return rejilla_; }
    QTabWidget* Paginas() const { return paginas_; }

  protected:
    void keyPressEvent(QKeyEvent* event) override;

  private:
    QTabWidget* paginas_ = nullptr;
    QListWidget* listado_ = nullptr;
    QTableWidget* rejilla_ = nullptr;
};

}  // namespace natalis
