#include "app/ui/ElegirCarta.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/model/ChartFormats.h"
#include "app/ui/ChartBrowser.h"
#include "chart/ui/FramePalette.h"

namespace natalis {

ElegirCarta::ElegirCarta(const std::string& folder, Dialogs& dialogs, const QString& titulo,
                         bool conLugarMedio, QWidget* parent)
    : QDialog(parent), folder_(folder), dialogs_(dialogs) {
    setObjectName("ElegirCarta");
    setWindowTitle(titulo);
    ApplyLegiblePalette(this);
    auto* layout = new QVBoxLayout(this);
    auto* aviso =
        new QLabel(QStringLiteral("Elija la segunda carta (escriba para filtrar):"), this);
    layout->addWidget(aviso);
    browser_ = new ChartBrowser(this);
    layout->addWidget(browser_, 1);
    if (conLugarMedio) {
        lugarMedio_ = new QComboBox(this);
        lugarMedio_->setObjectName("lugarMedio");
        // In LugarMedio's order.
        lugarMedio_->addItem(QStringLiteral("Lugar: punto medio del arco de círculo máximo"));
        lugarMedio_->addItem(QStringLiteral("Lugar: latitud media y longitud media"));
        layout->addWidget(lugarMedio_);
    }
    botones_ = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    botones_->button(QDialogButtonBox::Ok)->setText(QStringLiteral("Aceptar"));
    botones_->button(QDialogButtonBox::Cancel)->setText(QStringLiteral("Cancelar"));
    layout->addWidget(botones_);
    connect(botones_, &QDialogButtonBox::accepted, this, [this] { Aceptar(); });
    connect(botones_, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(browser_, &ChartBrowser::chosen, this, [this] { Aceptar(); });
    connect(browser_, &ChartBrowser::escaped, this, &QDialog::reject);
    browser_->Refresh(folder_);
    browser_->Filter()->setFocus(Qt::OtherFocusReason);
    resize(520, 420);
}

void ElegirCarta::Aceptar() {
    // Enter may reach both the list and the dialog's default button: the first one chooses.
    if (result() == QDialog::Accepted && !archivo_.empty()) return;
    const std::string file = browser_->List()->CurrentFile().toStdString();
    if (file.empty()) return;
    NatalRecord rec;
    const ChartReadResult read = ReadChartAnyFormat(folder_, file, rec);
    if (!read.ok) {
        dialogs_.MsgBox(read.message, MsgButtons::Ok, MsgIcon::None, read.title);
        return;
    }
    registro_ = rec;
    archivo_ = file;
    accept();
}

LugarMedio ElegirCarta::Modo() const {
    return lugarMedio_ && lugarMedio_->currentIndex() == 1 ? LugarMedio::Medias
                                                           : LugarMedio::Circulo;
}

}  // namespace natalis
