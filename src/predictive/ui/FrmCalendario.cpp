#include "predictive/ui/FrmCalendario.h"

#include <QCheckBox>
#include <QFormLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace natalis {

namespace {

QString Q(const std::string& s) { return QString::fromStdString(s); }

}  // namespace

const char FrmCalendario::kNota[] =
    "La primera columna es tiempo universal (UT). La Luna está vacía de curso desde su último"
    " aspecto (conjunción, sextil, cuadratura, trígono u oposición) al Sol o a los planetas de"
    " Mercurio a Plutón hasta que cambia de signo. Un Contacto es una lunación o un eclipse a"
    " menos del orbe de un punto natal.";

FrmCalendario::FrmCalendario(QWidget* parent) : VentanaFlotante(parent) {
    setObjectName("frmCalendario");
    setWindowTitle(QStringLiteral("Calendario del cielo"));

    txtDesde_ = Caja("txtDesde");
    txtHasta_ = Caja("txtHasta");
    txtOrbe_ = Caja("txtOrbe");
    txtOrbe_->setText(QString::fromUtf8(kOrbeCalendarioPorOmision));
    txtHuso_ = Caja("txtHuso");
    txtHuso_->setPlaceholderText(QStringLiteral("el de la carta, o UT"));
    chkCarta_ = new QCheckBox(QStringLiteral("Con la carta en pantalla"), this);
    chkCarta_->setObjectName("chkCarta");
    btnCalcular_ = new QPushButton(QStringLiteral("Calcular"), this);
    btnCalcular_->setObjectName("btnCalcular");
    btnCalcular_->setDefault(true);

    auto* consulta = new QFormLayout;
    consulta->addRow(QStringLiteral("Desde (d m aaaa)"), txtDesde_);
    consulta->addRow(QStringLiteral("Hasta (d m aaaa)"), txtHasta_);
    consulta->addRow(QString(), chkCarta_);
    consulta->addRow(QStringLiteral("Orbe de los contactos (grados)"), txtOrbe_);
    consulta->addRow(QStringLiteral("Huso horario"), txtHuso_);
    consulta->addRow(QString(), btnCalcular_);

    QStringList encabezados = Q(CabeceraCalendario()).split('\t');
    tabla_ = new QTableWidget(0, static_cast<int>(encabezados.size()), this);
    tabla_->setObjectName("tablaCalendario");
    tabla_->setHorizontalHeaderLabels(encabezados);
    tabla_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    tabla_->setSelectionBehavior(QAbstractItemView::SelectRows);
    tabla_->setSelectionMode(QAbstractItemView::SingleSelection);
    tabla_->verticalHeader()->hide();
    tabla_->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    lblNota_ = new QLabel(QString::fromUtf8(kNota), this);
    lblNota_->setObjectName("lblNota");
    lblNota_->setWordWrap(true);
    lblCuenta_ = new QLabel(this);
    lblCuenta_->setObjectName("lblCuenta");

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(consulta);
    layout->addWidget(tabla_, 1);
    layout->addWidget(lblNota_);
    layout->addWidget(lblCuenta_);
    resize(760, 560);

    connect(btnCalcular_, &QPushButton::clicked, this, [this] { emit calcular(); });
    for (QLineEdit* e : {txtDesde_, txtHasta_, txtOrbe_, txtHuso_}) {
        connect(e, &QLineEdit::returnPressed, this, [this] { emit calcular(); });
    }
    // The orb only counts for the chart's contacts.
    connect(chkCarta_, &QCheckBox::toggled, txtOrbe_, &QLineEdit::setEnabled);
    SetHayCarta(false);
    // Enter on a row and a double click both activate it.
    connect(tabla_, &QTableWidget::activated, this, [this](const QModelIndex& i) {
        if (const EventoCielo* e = EventoDeFila(i.row())) emit elegido(*e);
    });
}

ConsultaCalendario FrmCalendario::Consulta() const {
    ConsultaCalendario c;
    c.desde = txtDesde_->text().toStdString();
    c.hasta = txtHasta_->text().toStdString();
    // Without the chart there is no contact, and the orb is not read.
    if (ConCarta()) c.orbe = txtOrbe_->text().toStdString();
    c.huso = txtHuso_->text().trimmed().toStdString();
    return c;
}

bool FrmCalendario::ConCarta() const { return hayCarta_ && chkCarta_->isChecked(); }

void FrmCalendario::SetPeriodo(const std::string& desde, const std::string& hasta) {
    txtDesde_->setText(Q(desde));
    txtHasta_->setText(Q(hasta));
}

void FrmCalendario::SetHayCarta(bool hay) {
    if (hay && !hayCarta_) chkCarta_->setChecked(true);
    if (!hay) chkCarta_->setChecked(false);
    hayCarta_ = hay;
    chkCarta_->setEnabled(hay);
    txtOrbe_->setEnabled(ConCarta());
}

const EventoCielo* FrmCalendario::EventoDeFila(int fila) const {
    if (fila < 0 || fila >= static_cast<int>(eventos_.size())) return nullptr;
    return &eventos_[static_cast<size_t>(fila)];
}

void FrmCalendario::SetEventos(std::vector<EventoCielo> eventos, const RelojCalendario& reloj) {
    eventos_ = std::move(eventos);
    tabla_->setUpdatesEnabled(false);
    tabla_->clearContents();
    tabla_->setRowCount(static_cast<int>(eventos_.size()));
    for (size_t fila = 0; fila < eventos_.size(); ++fila) {
        const auto campos = CamposEventoCielo(eventos_[fila], reloj);
        for (size_t col = 0; col < campos.size(); ++col) {
            tabla_->setItem(static_cast<int>(fila), static_cast<int>(col),
                            new QTableWidgetItem(Q(campos[col])));
        }
    }
    tabla_->setUpdatesEnabled(true);
    lblCuenta_->setText(
        QString("%1 %2").arg(eventos_.size()).arg(eventos_.size() == 1 ? "evento" : "eventos"));
    if (!eventos_.empty()) tabla_->setCurrentCell(0, 0);
}

}  // namespace natalis
