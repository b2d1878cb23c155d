#include "entry/ui/LugarAtlas.h"

#include <QComboBox>
#include <QCompleter>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStringListModel>

#include "app/model/Atlas.h"
#include "app/model/HusoActual.h"
#include "app/model/SearchText.h"
#include "entry/ZonaDeLugar.h"
#include "entry/ui/InputData.h"

namespace natalis {

namespace {

constexpr std::size_t kMostSuggestions = 10;
constexpr const char* kTituloAgregar = "Agregar lugar";

QString Q(const std::string& s) { return QString::fromStdString(s); }

// The boxes whose change changes the offset: date, time and (for local mean time) longitude.
constexpr EntryField kTimeAndPlaceBoxes[] = {
    EntryField::TextDia,   EntryField::TextMes,   EntryField::TextAnno,    EntryField::TextHShs,
    EntryField::TextHSmin, EntryField::TextHSseg, EntryField::TextLonGrad, EntryField::TextLonMin,
};

constexpr EntryField kCoordinateBoxes[] = {EntryField::TextLatGrad, EntryField::TextLatMin,
                                           EntryField::TextLonGrad, EntryField::TextLonMin};

}  // namespace

LugarAtlas::LugarAtlas(InputData& form, Dialogs& dialogs)
    : QObject(&form), form_(form), dialogs_(dialogs) {
    setObjectName("LugarAtlas");
    QLineEdit* lugar = form_.Caja(EntryField::txtLugar);
    model_ = new QStringListModel(this);
    completer_ = new QCompleter(model_, this);
    completer_->setCompletionMode(QCompleter::UnfilteredPopupCompletion);
    completer_->setMaxVisibleItems(static_cast<int>(kMostSuggestions));
    lugar->setCompleter(completer_);
    // Only what the user types searches: the form's own filling of the box does not.
    connect(lugar, &QLineEdit::textEdited, this, &LugarAtlas::Buscar);
    connect(completer_, QOverload<const QString&>::of(&QCompleter::activated), this,
            [this](const QString& text) { ElegirFila(static_cast<int>(shown_.indexOf(text))); });

    linea_ = new QWidget(&form_);
    linea_->setObjectName("lineaHuso");
    auto* layout = new QHBoxLayout(linea_);
    layout->setContentsMargins(0, 0, 0, 0);
    texto_ = new QLabel(linea_);
    texto_->setObjectName("lblHusoOrigen");
    lecturas_ = new QComboBox(linea_);
    lecturas_->setObjectName("cboHusoLectura");
    lecturas_->setPlaceholderText("elija");
    lecturas_->hide();
    zonas_ = new QComboBox(linea_);
    zonas_->setObjectName("cboZona");
    zonas_->setPlaceholderText("zona horaria");
    zonas_->setToolTip(
        "Zona horaria del lugar de las coordenadas escritas; primero, la del "
        "lugar del atlas más cercano");
    zonas_->setEnabled(false);
    layout->addWidget(texto_, 1);
    layout->addWidget(lecturas_);
    layout->addWidget(zonas_);
    connect(lecturas_, QOverload<int>::of(&QComboBox::activated), this, &LugarAtlas::ElegirLectura);
    connect(zonas_, QOverload<int>::of(&QComboBox::activated), this, &LugarAtlas::ElegirZona);

    aviso_ = new QLabel(&form_);
    aviso_->setObjectName("lblAtlasAviso");
    aviso_->setWordWrap(true);
    aviso_->hide();

    agregar_ = new QPushButton("Agregar a mis lugares", &form_);
    agregar_->setObjectName("btnAgregarLugar");
    agregar_->setEnabled(false);
    connect(agregar_, &QPushButton::clicked, this, &LugarAtlas::AgregarLugar);

    for (EntryField field : kTimeAndPlaceBoxes)
        connect(form_.Caja(field), &QLineEdit::textEdited, this, &LugarAtlas::Recalcular);
    for (const char* name : {"Longit0", "Longit1"}) {
        if (auto* option = form_.findChild<QRadioButton*>(name))
            connect(option, &QRadioButton::clicked, this, &LugarAtlas::Recalcular);
    }
    // The zone list follows the typed coordinates.
    for (EntryField field : kCoordinateBoxes)
        connect(form_.Caja(field), &QLineEdit::textEdited, this, &LugarAtlas::ListarZonas);
    for (const char* name : {"Latitud0", "Latitud1", "Longit0", "Longit1"}) {
        if (auto* option = form_.findChild<QRadioButton*>(name))
            connect(option, &QRadioButton::clicked, this, &LugarAtlas::ListarZonas);
    }
    // An offset typed by hand wins: the line says so at once.
    for (EntryField field : {EntryField::TextHusoHoras, EntryField::TextHusoMinutos})
        connect(form_.Caja(field), &QLineEdit::textEdited, this, &LugarAtlas::MostrarLinea);
    MostrarLinea();
}

void LugarAtlas::SetAtlas(Atlas* atlas) {
    atlas_ = atlas;
    agregar_->setEnabled(atlas_ != nullptr);
    zonas_->setEnabled(atlas_ != nullptr);
    ListarZonas();
}

void LugarAtlas::SetEstado(const HusoAtlas& huso) {
    huso_ = huso;
    MostrarLinea();
}

void LugarAtlas::Buscar(const QString& text) {
    found_ = atlas_ ? atlas_->Search(text.toStdString(), kMostSuggestions) : std::vector<Place>{};
    shown_.clear();
    for (const Place& p : found_) shown_ << Q(TextoDeLugar(p));
    model_->setStringList(shown_);
    if (!shown_.isEmpty()) completer_->complete();
    const bool missing = atlas_ && shown_.isEmpty() && !FoldForSearch(text.toStdString()).empty();
    aviso_->setText(missing ? Q(LugarNoEncontrado(text.trimmed().toStdString())) : QString());
    aviso_->setVisible(missing);
    // Remembered for the form's check: a place not found is named again when the coordinates
    // are still to type.
    huso_.lugarNoEncontrado = missing;
}

void LugarAtlas::ListarZonas() {
    zonas_->clear();
    if (!atlas_) return;
    const Place typed = LugarDeFicha(form_.Textos(), "");
    for (const std::string& zone : atlas_->ZonesNear(typed.latitudeDeg, typed.longitudeDeg))
        zonas_->addItem(Q(zone));
    zonas_->setCurrentIndex(-1);
}

void LugarAtlas::ElegirZona(int index) {
    if (index < 0) return;
    FichaNatalTextos f = form_.Textos();
    natalis::ElegirZona(f, zonas_->itemText(index).toStdString());
    form_.SetTextos(f);  // also hands the memory back through SetEstado
}

void LugarAtlas::ElegirFila(int row) {
    if (row < 0 || row >= static_cast<int>(found_.size())) return;
    Elegir(found_[static_cast<std::size_t>(row)]);
}

void LugarAtlas::Elegir(const Place& p) {
    FichaNatalTextos f = form_.Textos();
    ElegirLugar(f, p);
    form_.SetTextos(f);  // also hands the memory back through SetEstado
}

void LugarAtlas::Aplicar(const FichaNatalTextos& f) {
    for (EntryField field : {EntryField::TextHusoHoras, EntryField::TextHusoMinutos}) {
        QLineEdit* box = form_.Caja(field);
        const std::string& text =
            field == EntryField::TextHusoHoras ? f.TextHusoHoras : f.TextHusoMinutos;
        if (box->text().toStdString() != text) box->setText(Q(text));
    }
    SetEstado(f.huso);
}

void LugarAtlas::Recalcular() {
    FichaNatalTextos f = form_.Textos();
    RecalcularHuso(f);
    Aplicar(f);
}

void LugarAtlas::ElegirLectura(int index) {
    FichaNatalTextos f = form_.Textos();
    natalis::ElegirLectura(f, index);
    Aplicar(f);
}

void LugarAtlas::MostrarLinea() {
    const FichaNatalTextos f = form_.Textos();
    texto_->setText(Q(LineaHuso(f)));
    const std::optional<ZoneSource> source = FuenteDelHuso(f);
    texto_->setToolTip(
        source ? Q("Base de datos de husos horarios: tzdata " +
                   (source->tzdataVersion.empty() ? std::string("?") : source->tzdataVersion))
               : QString());
    const bool choose = HusoDelAtlasEnVigor(f) && f.huso.estado == EstadoHusoAtlas::Repetida;
    lecturas_->clear();
    if (choose) {
        const char* ordinal[] = {"primera: ", "segunda: "};
        for (std::size_t i = 0; i < f.huso.lecturas.size() && i < 2; ++i)
            lecturas_->addItem(Q(ordinal[i] + DescribirLectura(f.huso.lecturas[i])));
        lecturas_->setCurrentIndex(f.huso.elegida);
    }
    lecturas_->setVisible(choose);
}

void LugarAtlas::AgregarLugar() {
    if (!atlas_) return;
    FichaNatalTextos f = form_.Textos();
    Place p = LugarDeFicha(f, "");
    if (p.name.empty()) {
        dialogs_.MsgBox("Escriba en LUGAR el nombre del lugar que quiere agregar.", MsgButtons::Ok,
                        MsgIcon::None, kTituloAgregar);
        return;
    }
    // The zone in force, else the zone of the nearest atlas place, is offered.
    const std::vector<std::string> near = atlas_->ZonesNear(p.latitudeDeg, p.longitudeDeg);
    const std::string offered = !f.huso.zona.empty() ? f.huso.zona
                                : near.empty()       ? std::string()
                                                     : near.front();
    p.zone = dialogs_.InputBox(
        "Zona horaria de «" + p.name + "» (como Europe/Madrid):", kTituloAgregar, offered);
    if (p.zone.empty()) return;
    const FileWriteResult r = atlas_->AddUserPlace(p);
    if (!r.ok) {
        dialogs_.MsgBox(r.message, MsgButtons::Ok, MsgIcon::Exclamation, kTituloAgregar);
        return;
    }
    // The place kept is the place chosen: its zone now gives the offset.
    Elegir(p);
    dialogs_.MsgBox("Se agregó «" + p.name + "» a sus lugares.", MsgButtons::Ok, MsgIcon::None,
                    kTituloAgregar);
}

}  // namespace natalis
