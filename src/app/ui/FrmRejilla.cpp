#include "app/ui/FrmRejilla.h"

#include <QVBoxLayout>

#include "app/session/DibujarRejilla.h"
#include "chart/ui/ChartView.h"

namespace natalis {

FrmRejilla::FrmRejilla(QWidget* parent) : QWidget(parent, Qt::Window) {
    setObjectName("frmRejilla");
    setWindowTitle(QStringLiteral("Rejilla de aspectos"));
    view_ = new ChartView(surface_, this);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(view_);
    resize(kWidth, kHeight);
}

void FrmRejilla::Mostrar(const RejillaAspectos& r, const std::string& orbes) {
    rejilla_ = r;
    DibujarRejilla(surface_, rejilla_, orbes);
    view_->Redraw();
    show();
    raise();
}

}  // namespace natalis
