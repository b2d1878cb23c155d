#include "app/ui/FrmPreferencias.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>
#include <optional>
#include <string>
#include <vector>

#include "astro/CatalogoEstrellas.h"
#include "astro/Puntos.h"
#include "chart/NombresCarta.h"

namespace natalis {

namespace {

constexpr int kColumnasPuntos = 3;

// The zodiac as the list names it: "Tropical", or "Sideral, Lahiri" as the chart's header.
QString CaptionEnLista(const ZodiacoFila& f) {
    return QString::fromStdString(f.id == Zodiaco::Tropical ? std::string(f.caption)
                                                            : CaptionZodiaco(f.id));
}

// The stars a typed list names (none for an empty text), or nothing with the name refused in
// mala.
std::optional<std::vector<std::string>> EstrellasDeTexto(const QString& texto, std::string* mala) {
    const std::string t = texto.trimmed().toStdString();
    if (t.empty()) return std::vector<std::string>{};
    return EstrellasPorLista(t, NombresEstrellas(), mala);
}

// The entry of a list whose data is value; the first when none is.
void Elegir(QComboBox* lista, int value) {
    lista->setCurrentIndex(std::max(0, lista->findData(value)));
}

}  // namespace

FrmPreferencias::FrmPreferencias(QWidget* parent) : QDialog(parent) {
    setObjectName("frmPreferencias");
    setWindowTitle(QStringLiteral("Preferencias"));

    auto* puntos = new QGroupBox(QStringLiteral("Puntos además de los doce de siempre"), this);
    auto* rejilla = new QGridLayout(puntos);
    for (int r = kPuntosPorDefecto; r < kNumPuntos; ++r) {
        const std::string etiqueta = FilaPunto(r).Etiqueta;
        auto* caja = new QCheckBox(
            QString::fromStdString(NombrePunto(etiqueta) + " (" + etiqueta + ")"), puntos);
        caja->setObjectName(QString::fromStdString("punto_" + etiqueta));
        const int k = r - kPuntosPorDefecto;
        rejilla->addWidget(caja, k / kColumnasPuntos, k % kColumnasPuntos);
        puntos_[etiqueta] = caja;
    }

    casas_ = new QComboBox(this);
    casas_->setObjectName("casas");
    for (const SistemaCasasFila& f : kSistemasCasas) {
        casas_->addItem(QString::fromUtf8(f.caption), static_cast<int>(f.id));
    }
    zodiaco_ = new QComboBox(this);
    zodiaco_->setObjectName("zodiaco");
    for (const ZodiacoFila& f : kZodiacos)
        zodiaco_->addItem(CaptionEnLista(f), static_cast<int>(f.id));
    orbes_ = new QComboBox(this);
    orbes_->setObjectName("orbes");
    for (const OrbesFila& f : kOrbes)
        orbes_->addItem(QString::fromUtf8(f.caption), static_cast<int>(f.id));

    estrellas_ = new QLineEdit(this);
    estrellas_->setObjectName("estrellas");
    estrellas_->setPlaceholderText(QStringLiteral("Algol, Spica… o behenias"));
    estrellas_->setToolTip(
        QStringLiteral("Estrellas fijas que se listan cuando están a menos de 1° de un punto: "
                       "sus nombres separados por comas, o «behenias» para las quince."));

    auto* listas = new QFormLayout;
    listas->addRow(QStringLiteral("Sistema de casas:"), casas_);
    listas->addRow(QStringLiteral("Zodíaco:"), zodiaco_);
    listas->addRow(QStringLiteral("Orbes de los aspectos:"), orbes_);
    listas->addRow(QStringLiteral("Estrellas fijas:"), estrellas_);
    aviso_ = new QLabel(this);
    aviso_->setObjectName("aviso");
    aviso_->setWordWrap(true);

    auto* nota = new QLabel(
        QStringLiteral("Se aplican a las cartas que se calculen desde ahora y se recuerdan "
                       "para la próxima vez."),
        this);
    nota->setWordWrap(true);

    iniciales_ = new QPushButton(QStringLiteral("Valores iniciales"), this);
    iniciales_->setObjectName("iniciales");
    aceptar_ = new QPushButton(QStringLiteral("Aceptar"), this);
    aceptar_->setObjectName("aceptar");
    aceptar_->setDefault(true);
    cancelar_ = new QPushButton(QStringLiteral("Cancelar"), this);
    cancelar_->setObjectName("cancelar");
    auto* botones = new QHBoxLayout;
    botones->addWidget(iniciales_);
    botones->addStretch();
    botones->addWidget(aceptar_);
    botones->addWidget(cancelar_);

    auto* todo = new QVBoxLayout(this);
    todo->addWidget(puntos);
    todo->addLayout(listas);
    todo->addWidget(aviso_);
    todo->addWidget(nota);
    todo->addLayout(botones);

    connect(iniciales_, &QPushButton::clicked, this, [this] { Poner(Preferencias{}); });
    // A star name the catalogue does not hold keeps the window open and says which.
    connect(aceptar_, &QPushButton::clicked, this, [this] {
        std::string mala;
        if (!EstrellasDeTexto(estrellas_->text(), &mala)) {
            aviso_->setText(QString::fromStdString("Estrella desconocida: «" + mala +
                                                   "». Los nombres son los del catálogo."));
            return;
        }
        aviso_->clear();
        accept();
    });
    connect(cancelar_, &QPushButton::clicked, this, &QDialog::reject);
    Poner(Preferencias{});
}

void FrmPreferencias::Poner(const Preferencias& p) {
    for (int r = kPuntosPorDefecto; r < kNumPuntos; ++r) {
        const bool elegido = std::find(p.puntos.begin(), p.puntos.end(), r) != p.puntos.end();
        puntos_.at(FilaPunto(r).Etiqueta)->setChecked(elegido);
    }
    Elegir(casas_, static_cast<int>(p.casas));
    Elegir(zodiaco_, static_cast<int>(p.zodiaco));
    Elegir(orbes_, static_cast<int>(p.orbes));
    std::string estrellas;
    for (const std::string& e : p.estrellas) estrellas += (estrellas.empty() ? "" : ", ") + e;
    estrellas_->setText(QString::fromStdString(estrellas));
    aviso_->clear();
}

Preferencias FrmPreferencias::Elegidas() const {
    Preferencias p;
    for (int r = kPuntosPorDefecto; r < kNumPuntos; ++r) {
        if (puntos_.at(FilaPunto(r).Etiqueta)->isChecked()) p.puntos.push_back(r);
    }
    p.casas = static_cast<SistemaCasas>(casas_->currentData().toInt());
    p.zodiaco = static_cast<natalis::Zodiaco>(zodiaco_->currentData().toInt());
    p.orbes = static_cast<natalis::Orbes>(orbes_->currentData().toInt());
    if (auto e = EstrellasDeTexto(estrellas_->text(), nullptr)) p.estrellas = std::move(*e);
    return p;
}

QCheckBox* FrmPreferencias::Punto(const std::string& etiqueta) const {
    const auto it = puntos_.find(etiqueta);
    return it == puntos_.end() ? nullptr : it->second;
}

}  // namespace natalis
