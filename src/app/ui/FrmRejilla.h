// The window of the aspect grid: the natal chart's triangle of aspects with their orbs, drawn
// on a surface of its own by the session's drawing (DibujarRejilla).
#pragma once
#include <QWidget>

#include "app/session/InformeCompleto.h"
#include "chart/ui/QtSurface.h"

namespace natalis {

class ChartView;

class FrmRejilla : public QWidget {
    Q_OBJECT
  public:
    // The designed client size: the drawing's 100 x 70 units at 8.4 pixels each.
    static constexpr int kWidth = 840;
    static constexpr int kHeight = 588;

    explicit FrmRejilla(QWidget* parent = nullptr);

    // Draws r (with the orb set's caption) and shows the window.
    void Mostrar(const RejillaAspectos& r, const std::string& orbes);
    // The grid as last drawn, and the drawing's operations.
    const RejillaAspectos& Rejilla() const { return rejilla_; }
    const QtSurface& Superficie() const { return surface_; }

  private:
    QtSurface surface_;
    ChartView* view_ = nullptr;
    RejillaAspectos rejilla_;
};

}  // namespace natalis
