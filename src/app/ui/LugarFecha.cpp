#include "app/ui/LugarFecha.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "app/model/Atlas.h"
#include "astro/TextTrim.h"
#include "chart/ui/FramePalette.h"

namespace natalis {

namespace {

constexpr const char* kTitulo = "Lugar de la carta";
constexpr std::size_t kLugaresMostrados = 20;

QString Q(const std::string& s) { return QString::fromStdString(s); }

// "Córdoba, Andalucía, España": the place as the list shows it.
std::string TextoLugar(const Place& p) {
    std::string t = p.name;
    if (!p.region.empty()) t += ", " + p.region;
    if (!p.country.empty()) t += ", " + p.country;
    return t;
}

}  // namespace

LugarFecha::LugarFecha(const QString& titulo, bool conFecha, const QString& fecha,
                       const std::optional<LugarCarta>& natal, std::function<Atlas*()> atlas,
                       Dialogs& dialogs, QWidget* parent)
    : QDialog(parent), dialogs_(dialogs), lugarNatal_(natal), atlas_(std::move(atlas)) {
    setObjectName("LugarFecha");
    setWindowTitle(titulo);
    ApplyLegiblePalette(this);
    auto* layout = new QVBoxLayout(this);
    if (conFecha) {
        auto* form = new QFormLayout();
        fecha_ = new QLineEdit(fecha, this);
        fecha_->setObjectName("fechaDesde");
        form->addRow(QStringLiteral("Desde la fecha (d m aaaa):"), fecha_);
        layout->addLayout(form);
    }
    const QString natalTexto = natal
                                   ? QStringLiteral("Lugar natal: ") + Q(TrimBlanks(natal->nombre))
                                   : QStringLiteral("Lugar natal (no hay carta en pantalla)");
    natal_ = new QRadioButton(natalTexto, this);
    natal_->setObjectName("lugarNatal");
    natal_->setEnabled(natal.has_value());
    otro_ = new QRadioButton(QStringLiteral("Otro lugar del atlas:"), this);
    otro_->setObjectName("otroLugar");
    (natal ? natal_ : otro_)->setChecked(true);
    buscar_ = new QLineEdit(this);
    buscar_->setObjectName("buscarLugar");
    buscar_->setPlaceholderText(QStringLiteral("Escriba el nombre del lugar"));
    lugares_ = new QListWidget(this);
    lugares_->setObjectName("lugares");
    aviso_ = new QLabel(this);
    aviso_->setWordWrap(true);
    layout->addWidget(natal_);
    layout->addWidget(otro_);
    layout->addWidget(buscar_);
    layout->addWidget(lugares_, 1);
    layout->addWidget(aviso_);
    botones_ = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    botones_->button(QDialogButtonBox::Ok)->setText(QStringLiteral("Aceptar"));
    botones_->button(QDialogButtonBox::Cancel)->setText(QStringLiteral("Cancelar"));
    layout->addWidget(botones_);
    connect(botones_, &QDialogButtonBox::accepted, this, [this] { Aceptar(); });
    connect(botones_, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(buscar_, &QLineEdit::textEdited, this, [this](const QString& t) { BuscarLugar(t); });
    connect(lugares_, &QListWidget::currentRowChanged, this, [this](int row) {
        if (row >= 0) otro_->setChecked(true);
    });
    connect(lugares_, &QListWidget::itemActivated, this, [this] { Aceptar(); });
    resize(440, 400);
}

void LugarFecha::BuscarLugar(const QString& texto) {
    otro_->setChecked(true);
    lugares_->clear();
    encontrados_.clear();
    aviso_->clear();
    const std::string t = texto.trimmed().toStdString();
    if (t.empty()) return;
    Atlas* atlas = atlas_ ? atlas_() : nullptr;
    if (!atlas) return;
    encontrados_ = atlas->Search(t, kLugaresMostrados);
    if (encontrados_.empty()) {
        aviso_->setText(Q(LugarNoEncontrado(t)));
        return;
    }
    for (const Place& p : encontrados_) lugares_->addItem(Q(TextoLugar(p)));
    lugares_->setCurrentRow(0);
}

void LugarFecha::Aceptar() {
    if (natal_->isChecked() && lugarNatal_) {
        elegido_ = *lugarNatal_;
    } else {
        const int row = lugares_->currentRow();
        if (row < 0 || row >= static_cast<int>(encontrados_.size())) {
            dialogs_.MsgBox("Escriba el nombre de un lugar y elíjalo en la lista.", MsgButtons::Ok,
                            MsgIcon::Exclamation, kTitulo);
            buscar_->setFocus(Qt::OtherFocusReason);
            return;
        }
        elegido_ = LugarDeAtlas(encontrados_[static_cast<size_t>(row)]);
    }
    accept();
}

std::string LugarFecha::FechaTexto() const {
    return fecha_ ? fecha_->text().toStdString() : std::string();
}

}  // namespace natalis
