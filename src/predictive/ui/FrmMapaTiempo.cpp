#include "predictive/ui/FrmMapaTiempo.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QScrollArea>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>

#include "chart/ui/DrawingPainter.h"
#include "predictive/ui/CamposPeriodo.h"

namespace natalis {

LienzoMapa::LienzoMapa(QWidget* parent) : QWidget(parent) {
    setObjectName("lienzoMapa");
    setFixedSize(kAncho, kAlto);
}

void LienzoMapa::SetPaginas(const std::vector<RecordingSurface>* paginas) {
    paginas_ = paginas;
    const int n = paginas_ ? std::max<int>(1, static_cast<int>(paginas_->size())) : 1;
    setFixedSize(kAncho, kAlto * n);
    update();
}

QRectF LienzoMapa::RectPagina(int pagina) const {
    return QRectF(0, static_cast<double>(kAlto) * pagina, kAncho, kAlto);
}

std::optional<LienzoMapa::PuntoPagina> LienzoMapa::PuntoEn(QPointF p) const {
    if (!paginas_ || p.x() < 0 || p.y() < 0) return std::nullopt;
    const int pagina = static_cast<int>(std::floor(p.y() / kAlto));
    if (pagina >= static_cast<int>(paginas_->size())) return std::nullopt;
    const DrawingPainter d(RectPagina(pagina));
    const QPointF u = (p - d.DrawingRect().topLeft()) / d.Scale();
    return PuntoPagina{pagina, u.x(), u.y()};
}

QPointF LienzoMapa::PixelDe(int pagina, double x, double y) const {
    return DrawingPainter(RectPagina(pagina)).ToPixels(x, y);
}

void LienzoMapa::paintEvent(QPaintEvent*) {
    QPainter p(this);
    if (!paginas_ || paginas_->empty()) {
        p.fillRect(rect(), palette().window());
        return;
    }
    for (size_t k = 0; k < paginas_->size(); ++k) {
        const QRectF r = RectPagina(static_cast<int>(k));
        if (r.intersects(QRectF(p.clipBoundingRect()))) PaintRecord(p, (*paginas_)[k], r);
    }
}

void LienzoMapa::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) emit clic(event->position());
    QWidget::mousePressEvent(event);
}

FrmMapaTiempo::FrmMapaTiempo(QWidget* parent) : VentanaFlotante(parent) {
    setObjectName("frmMapaTiempo");
    setWindowTitle(QStringLiteral("Mapa del tiempo"));

    auto* consulta = new QFormLayout;
    const CamposPeriodo campos = CrearCamposPeriodo(this, consulta);
    txtDesde_ = campos.desde;
    txtHasta_ = campos.hasta;
    txtOrbe_ = campos.orbe;
    cboTecnica_ = campos.tecnica;
    chkLuna_ = new QCheckBox(QStringLiteral("Con la Luna"), this);
    chkLuna_->setObjectName("chkLuna");
    btnDibujar_ = new QPushButton(QStringLiteral("Dibujar"), this);
    btnDibujar_->setObjectName("btnDibujar");
    btnDibujar_->setDefault(true);
    btnExportar_ = new QPushButton(QStringLiteral("Exportar…"), this);
    btnExportar_->setObjectName("btnExportar");
    btnExportar_->setEnabled(false);

    consulta->addRow(QString(), chkLuna_);
    auto* botones = new QHBoxLayout;
    botones->addWidget(btnDibujar_);
    botones->addWidget(btnExportar_);
    botones->addStretch();
    consulta->addRow(QString(), botones);

    lienzo_ = new LienzoMapa;
    area_ = new QScrollArea(this);
    area_->setObjectName("areaMapa");
    area_->setWidget(lienzo_);
    lblCuenta_ = new QLabel(this);
    lblCuenta_->setObjectName("lblCuenta");

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(consulta);
    layout->addWidget(area_, 1);
    layout->addWidget(lblCuenta_);
    resize(LienzoMapa::kAncho + 40, 760);

    connect(btnDibujar_, &QPushButton::clicked, this, [this] { emit dibujar(); });
    connect(btnExportar_, &QPushButton::clicked, this, [this] { emit exportar(); });
    for (QLineEdit* e : {txtDesde_, txtHasta_, txtOrbe_}) {
        connect(e, &QLineEdit::returnPressed, this, [this] { emit dibujar(); });
    }
    connect(lienzo_, &LienzoMapa::clic, this, [this](QPointF p) {
        if (const std::optional<double> jd = InstanteEn(p)) emit instante(*jd);
    });
}

ConsultaPeriodo FrmMapaTiempo::Consulta() const {
    ConsultaPeriodo c;
    c.desde = txtDesde_->text().toStdString();
    c.hasta = txtHasta_->text().toStdString();
    c.orbe = txtOrbe_->text().toStdString();
    const int i = std::max(0, cboTecnica_->currentIndex());
    c.tecnica = NombreTecnicaPeriodo(kTecnicasPeriodo[static_cast<size_t>(i)].id);
    return c;
}

bool FrmMapaTiempo::ConLuna() const { return chkLuna_->isChecked(); }

void FrmMapaTiempo::SetPeriodo(const std::string& desde, const std::string& hasta) {
    txtDesde_->setText(QString::fromStdString(desde));
    txtHasta_->setText(QString::fromStdString(hasta));
}

void FrmMapaTiempo::SetMapa(MapaTiempo mapa, std::string titulo,
                            std::vector<RecordingSurface> paginas) {
    mapa_ = std::move(mapa);
    titulo_ = std::move(titulo);
    paginas_ = std::move(paginas);
    lienzo_->SetPaginas(&paginas_);
    btnExportar_->setEnabled(true);
    const size_t filas = mapa_.filas.size(), hojas = paginas_.size();
    lblCuenta_->setText(QString("%1 %2 en %3 %4")
                            .arg(filas)
                            .arg(filas == 1 ? "fila" : "filas")
                            .arg(hojas)
                            .arg(hojas == 1 ? "página" : "páginas"));
}

std::optional<double> FrmMapaTiempo::InstanteEn(QPointF p) const {
    if (paginas_.empty()) return std::nullopt;
    const auto punto = lienzo_->PuntoEn(p);
    if (!punto) return std::nullopt;
    return InstanteEnMapa(mapa_, punto->pagina, punto->x, punto->y);
}

}  // namespace natalis
