#include "chart/ui/FrmComparacion.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QListWidget>
#include <QTabWidget>
#include <QTableWidget>
#include <QVBoxLayout>

#include "chart/ui/FramePalette.h"
#include "chart/ui/QtSurface.h"

namespace natalis {

namespace {

QString Q(const std::string& s) { return QString::fromStdString(s); }

}  // namespace

FrmComparacion::FrmComparacion(QWidget* parent) : QWidget(parent, Qt::Tool) {
    setObjectName("frmComparacion");
    ApplyLegiblePalette(this);
    auto* layout = new QVBoxLayout(this);
    paginas_ = new QTabWidget(this);
    listado_ = new QListWidget(paginas_);
    listado_->setObjectName("listadoComparacion");
    listado_->setFont(QtSurface::FontFor("Courier New", 9, false));
    rejilla_ = new QTableWidget(paginas_);
    rejilla_->setObjectName("rejillaCruzada");
    rejilla_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    rejilla_->setFont(QtSurface::FontFor("Arial", 8.5, false));
    paginas_->addTab(listado_, QStringLiteral("Listado"));
    layout->addWidget(paginas_);
    resize(420, 560);
}

void FrmComparacion::Mostrar(const std::string& titulo, const std::vector<std::string>& lineas,
                             const RejillaCruzada* rejilla) {
    setWindowTitle(Q(titulo));
    listado_->clear();
    for (const std::string& l : lineas) listado_->addItem(Q(l));

    const int pagina = paginas_->indexOf(rejilla_);
    if (!rejilla) {
        if (pagina >= 0) paginas_->removeTab(pagina);
        rejilla_->clear();
        rejilla_->setRowCount(0);
        rejilla_->setColumnCount(0);
    } else {
        if (pagina < 0) paginas_->addTab(rejilla_, QStringLiteral("Aspectos cruzados"));
        rejilla_->clear();
        rejilla_->setRowCount(static_cast<int>(rejilla->filas.size()));
        rejilla_->setColumnCount(static_cast<int>(rejilla->columnas.size()));
        QStringList filas, columnas;
        for (const std::string& f : rejilla->filas) filas << Q(f);
        for (const std::string& c : rejilla->columnas) columnas << Q(c);
        rejilla_->setVerticalHeaderLabels(filas);
        rejilla_->setHorizontalHeaderLabels(columnas);
        for (size_t i = 0; i < rejilla->celdas.size(); ++i) {
            for (size_t j = 0; j < rejilla->celdas[i].size(); ++j) {
                if (rejilla->celdas[i][j].empty()) continue;
                auto* item = new QTableWidgetItem(Q(rejilla->celdas[i][j]));
                item->setTextAlignment(Qt::AlignCenter);
                rejilla_->setItem(static_cast<int>(i), static_cast<int>(j), item);
            }
        }
        rejilla_->resizeColumnsToContents();
    }
    show();
    raise();
}

void FrmComparacion::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape) {
        close();
        return;
    }
    QWidget::keyPressEvent(event);
}

}  // namespace natalis
