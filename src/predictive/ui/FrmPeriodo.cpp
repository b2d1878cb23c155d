#include "predictive/ui/FrmPeriodo.h"

#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>
#include <algorithm>

#include "predictive/ui/CamposPeriodo.h"
#include "predictive/ui/TablaTextos.h"

namespace natalis {

namespace {

QString Q(const std::string& s) { return QString::fromStdString(s); }

QComboBox* Combo(const char* nombre, QWidget* parent) {
    auto* c = new QComboBox(parent);
    c->setObjectName(nombre);
    return c;
}

}  // namespace

const char FrmPeriodo::kTextoUT[] =
    "Las fechas y horas de Entrada, Exacto y Salida son de tiempo universal (UT).";

FrmPeriodo::FrmPeriodo(QWidget* parent) : VentanaFlotante(parent) {
    setObjectName("frmPeriodo");
    setWindowTitle(QStringLiteral("Aspectos del período"));

    auto* consulta = new QFormLayout;
    const CamposPeriodo campos = CrearCamposPeriodo(this, consulta);
    txtDesde_ = campos.desde;
    txtHasta_ = campos.hasta;
    txtOrbe_ = campos.orbe;
    cboTecnica_ = campos.tecnica;
    btnBuscar_ = new QPushButton(QStringLiteral("Buscar"), this);
    btnBuscar_->setObjectName("btnBuscar");
    btnBuscar_->setDefault(true);
    consulta->addRow(QString(), btnBuscar_);

    cboMovil_ = Combo("cboMovil", this);
    cboAspecto_ = Combo("cboAspecto", this);
    cboNatal_ = Combo("cboNatal", this);
    Llenar(cboMovil_, OpcionesMovil(tecnica_));
    Llenar(cboAspecto_, OpcionesAspecto());
    Llenar(cboNatal_, OpcionesNatal());
    auto* filtros = new QHBoxLayout;
    filtros->addWidget(new QLabel(QStringLiteral("Móvil"), this));
    filtros->addWidget(cboMovil_);
    filtros->addWidget(new QLabel(QStringLiteral("Aspecto"), this));
    filtros->addWidget(cboAspecto_);
    filtros->addWidget(new QLabel(QStringLiteral("Natal"), this));
    filtros->addWidget(cboNatal_);
    filtros->addStretch();

    tabla_ = new QTableWidget(0, static_cast<int>(std::size(kColumnasPeriodo)), this);
    tabla_->setObjectName("tablaPeriodo");
    QStringList encabezados;
    for (const char* c : kColumnasPeriodo) encabezados << QString::fromUtf8(c);
    tabla_->setHorizontalHeaderLabels(encabezados);
    tabla_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    tabla_->setSelectionBehavior(QAbstractItemView::SelectRows);
    tabla_->setSelectionMode(QAbstractItemView::SingleSelection);
    tabla_->verticalHeader()->hide();
    lblCuenta_ = new QLabel(this);
    lblCuenta_->setObjectName("lblCuenta");
    lblUT_ = new QLabel(QString::fromUtf8(kTextoUT), this);
    lblUT_->setObjectName("lblUT");
    lblUT_->setWordWrap(true);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(consulta);
    layout->addLayout(filtros);
    layout->addWidget(tabla_, 1);
    layout->addWidget(lblUT_);
    layout->addWidget(lblCuenta_);
    resize(560, 520);

    connect(btnBuscar_, &QPushButton::clicked, this, [this] { emit buscar(); });
    for (QLineEdit* e : {txtDesde_, txtHasta_, txtOrbe_}) {
        connect(e, &QLineEdit::returnPressed, this, [this] { emit buscar(); });
    }
    for (QComboBox* c : {cboMovil_, cboAspecto_, cboNatal_}) {
        connect(c, &QComboBox::currentIndexChanged, this, [this] { Listar(); });
    }
    // Enter on a row and a double click both activate it.
    connect(tabla_, &QTableWidget::activated, this, [this](const QModelIndex& i) {
        if (const AspectoPeriodo* a = AspectoDeFila(i.row())) emit elegido(*a);
    });
}

void FrmPeriodo::Llenar(QComboBox* c, const std::vector<OpcionFiltro>& opciones) {
    const QSignalBlocker bloqueo(c);
    c->clear();
    for (const OpcionFiltro& o : opciones) c->addItem(Q(o.caption), o.valor);
}

ConsultaPeriodo FrmPeriodo::Consulta() const {
    ConsultaPeriodo c;
    c.desde = txtDesde_->text().toStdString();
    c.hasta = txtHasta_->text().toStdString();
    c.orbe = txtOrbe_->text().toStdString();
    // The technique by its place in the combo box, named as the search reads it.
    const int i = std::max(0, cboTecnica_->currentIndex());
    c.tecnica = NombreTecnicaPeriodo(kTecnicasPeriodo[static_cast<size_t>(i)].id);
    return c;
}

void FrmPeriodo::SetPeriodo(const std::string& desde, const std::string& hasta) {
    txtDesde_->setText(Q(desde));
    txtHasta_->setText(Q(hasta));
}

void FrmPeriodo::SetAspectos(std::vector<AspectoPeriodo> hits, TecnicaPeriodo tecnica) {
    OrdenarPorExacto(hits);
    hits_ = std::move(hits);
    if (tecnica != tecnica_) {
        tecnica_ = tecnica;
        Llenar(cboMovil_, OpcionesMovil(tecnica_));
    }
    Listar();
}

FiltroPeriodo FrmPeriodo::Filtro() const {
    return {cboMovil_->currentData().toInt(), cboAspecto_->currentData().toInt(),
            cboNatal_->currentData().toInt()};
}

const AspectoPeriodo* FrmPeriodo::AspectoDeFila(int fila) const {
    if (fila < 0 || fila >= static_cast<int>(filas_.size())) return nullptr;
    return &hits_[filas_[fila]];
}

void FrmPeriodo::Listar() {
    filas_ = FiltrarAspectosPeriodo(hits_, Filtro());
    LlenarTabla(tabla_, filas_.size(),
                [this](size_t i) { return CamposAspectoPeriodo(hits_[filas_[i]]); });
    lblCuenta_->setText(QString("%1 de %2 aspectos").arg(filas_.size()).arg(hits_.size()));
    if (!filas_.empty()) tabla_->setCurrentCell(0, 0);
}

}  // namespace natalis
