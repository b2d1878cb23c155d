#include "entry/ui/InputData.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QValidator>

#include "chart/ui/DialogKeys.h"
#include "chart/ui/FramePalette.h"
#include "entry/AceptarDatos.h"
#include "entry/LlenarFicha.h"
#include "entry/ui/ColumnCaption.h"
#include "entry/ui/LugarAtlas.h"

namespace natalis {

namespace {

// The key filter of a numeric box: digits and the box's extra characters pass, any other
// character is refused, typed or pasted, so that no box takes a character its value would
// silently ignore. Characters the box already held (a pre-filled text read from a file
// written by hand) stay and can still be deleted; only new ones are judged.
class KeyFilter : public QValidator {
  public:
    KeyFilter(QString extra, bool leadingSign, QLineEdit* box)
        : QValidator(box), extra_(std::move(extra)), leadingSign_(leadingSign) {
        connect(box, &QLineEdit::textChanged, this, [this](const QString& t) { held_ = t; });
    }

    State validate(QString& input, int&) const override {
        return Refused(input) > Refused(held_) ? Invalid : Acceptable;
    }

  private:
    int Refused(const QString& text) const {
        int n = 0;
        for (int i = 0; i < text.size(); ++i) {
            const QChar c = text[i];
            const bool sign = leadingSign_ && i == 0 && (c == '+' || c == '-');
            if (!(c >= '0' && c <= '9') && !extra_.contains(c) && !sign) ++n;
        }
        return n;
    }

    QString extra_;
    bool leadingSign_;
    QString held_;  // the box's text as last accepted
};

struct BoxRule {
    const char* name;  // the control's name
    std::string FichaNatalTextos::*text;
    int maxLength;      // 0: no limit
    const char* extra;  // characters accepted besides digits; nullptr: no filter at all
    bool leadingSign;
};

constexpr int kNameLength = 0;  // the file line holds the full name

// In tab order, indexed by EntryField.
const BoxRule kBoxes[] = {
    {"TextNombre", &FichaNatalTextos::TextNombre, kNameLength, nullptr, false},
    {"TextDia", &FichaNatalTextos::TextDia, 2, "", false},
    {"TextMes", &FichaNatalTextos::TextMes, 2, "", false},
    {"TextAnno", &FichaNatalTextos::TextAnno, 0, "-", false},
    {"TextHShs", &FichaNatalTextos::TextHShs, 2, "", false},
    {"TextHSmin", &FichaNatalTextos::TextHSmin, 2, "", false},
    {"TextHSseg", &FichaNatalTextos::TextHSseg, 2, "", false},
    {"TextHuso7", &FichaNatalTextos::TextHusoHoras, 5, ".", true},
    {"TextLatGrad", &FichaNatalTextos::TextLatGrad, 2, "", false},
    {"TextLatMin", &FichaNatalTextos::TextLatMin, 2, "", false},
    {"TextLonGrad", &FichaNatalTextos::TextLonGrad, 3, "", false},
    {"TextLonMin", &FichaNatalTextos::TextLonMin, 2, "", false},
    {"TextHuso8", &FichaNatalTextos::TextHusoMinutos, 5, ".", false},
    {"txtLugar", &FichaNatalTextos::txtLugar, 0, nullptr, false},
};
static_assert(sizeof(kBoxes) / sizeof(kBoxes[0]) == static_cast<int>(EntryField::None));

QString Q(const std::string& s) { return QString::fromStdString(s); }

// Selects one option of a pair, or neither (nullptr).
void Seleccionar(QRadioButton* a, QRadioButton* b, QRadioButton* chosen) {
    for (QRadioButton* option : {a, b}) {
        // Exclusive options cannot be cleared one by one.
        option->setAutoExclusive(false);
        option->setChecked(option == chosen);
        option->setAutoExclusive(true);
    }
}

}  // namespace

const char InputData::kPreguntaCerrar[] =
    "Se perderán los datos escritos en la ficha. ¿Cerrarla sin graficar?";
const char InputData::kTituloCerrar[] = "Cerrar ficha";

InputData::InputData(NatalRecord& rec, ChartFlags& flags, Dialogs& dialogs,
                     std::function<void()> onAccepted, QWidget* parent)
    : QWidget(parent, Qt::Window),
      rec_(rec),
      flags_(flags),
      dialogs_(dialogs),
      onAccepted_(std::move(onAccepted)) {
    setObjectName("InputData");
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle("                 FICHA NATAL");
    ApplyLegiblePalette(this);
    BuildControls();
    SetTextos(FichaNatalTextos{});
    if (flags_.ChartLoaded) SetTextos(LlenarFicha(rec_));
    abiertos_ = Textos();
    // Enter draws the chart (a focused button presses itself); Escape closes the form.
    new DialogKeys(
        this, [this] { AceptarDatos(); }, [this] { CerrarConEscape(); });
}

bool InputData::HayCambios() const {
    const FichaNatalTextos now = Textos();
    for (const BoxRule& rule : kBoxes) {
        if (now.*rule.text != abiertos_.*rule.text) return true;
    }
    return now.LatitudSur != abiertos_.LatitudSur || now.LongitudOeste != abiertos_.LongitudOeste ||
           now.LatitudElegida != abiertos_.LatitudElegida ||
           now.LongitudElegida != abiertos_.LongitudElegida;
}

void InputData::CerrarConEscape() {
    if (HayCambios() && dialogs_.MsgBox(kPreguntaCerrar, MsgButtons::YesNo, MsgIcon::Question,
                                        kTituloCerrar, MsgAnswer::No) != MsgAnswer::Yes) {
        return;
    }
    close();
}

void InputData::BuildControls() {
    for (std::size_t i = 0; i < boxes_.size(); ++i) {
        const BoxRule& rule = kBoxes[i];
        auto* box = new QLineEdit(this);
        box->setObjectName(rule.name);
        if (rule.maxLength > 0) box->setMaxLength(rule.maxLength);
        if (rule.extra) box->setValidator(new KeyFilter(rule.extra, rule.leadingSign, box));
        boxes_[i] = box;
    }
    auto box = [this](EntryField f) { return Caja(f); };

    norte_ = new QRadioButton(" &Norte");
    norte_->setObjectName("Latitud0");
    sur_ = new QRadioButton("&Sur");
    sur_->setObjectName("Latitud1");
    auto* latFrame = new QGroupBox(this);
    auto* latLayout = new QHBoxLayout(latFrame);
    latLayout->addWidget(norte_);
    latLayout->addWidget(sur_);
    norte_->setChecked(true);

    este_ = new QRadioButton("&Este");
    este_->setObjectName("Longit0");
    oeste_ = new QRadioButton("&Oeste");
    oeste_->setObjectName("Longit1");
    auto* lonFrame = new QGroupBox(this);
    auto* lonLayout = new QHBoxLayout(lonFrame);
    lonLayout->addWidget(este_);
    lonLayout->addWidget(oeste_);
    oeste_->setChecked(true);

    crearCarta_ = new QPushButton("&GRAFICAR", this);
    crearCarta_->setObjectName("CrearCarta");
    connect(crearCarta_, &QPushButton::clicked, this, [this] { AceptarDatos(); });

    auto* hint = new QLabel("(+1 Madrid, -3 Buenos Aires)", this);
    hint->setObjectName("lblHusoSigno");
    const QString zoneHelp =
        "Con signo: + adelantado respecto del tiempo universal (este de Greenwich), "
        "- atrasado (oeste). Sin signo, el signo lo da la longitud.";
    hint->setToolTip(zoneHelp);
    box(EntryField::TextHusoHoras)->setToolTip(zoneHelp);

    auto* grid = new QGridLayout(this);
    auto label = [this](const char* text) { return new QLabel(text, this); };
    // A column caption stands over its boxes, each word over its own.
    auto columns = [this](const char* text, std::initializer_list<EntryField> fields) {
        std::vector<QWidget*> heads;
        for (EntryField f : fields) heads.push_back(Caja(f));
        return new ColumnCaption(QString::fromUtf8(text), heads, this);
    };
    auto row = [&](int r, const char* caption, std::initializer_list<QWidget*> widgets) {
        grid->addWidget(label(caption), r, 0);
        int c = 1;
        for (QWidget* w : widgets) grid->addWidget(w, r, c++);
    };
    grid->addWidget(label(" NOMBRE"), 0, 0);
    grid->addWidget(box(EntryField::TextNombre), 0, 1, 1, 4);
    grid->addWidget(columns(" Día   Mes    Año",
                            {EntryField::TextDia, EntryField::TextMes, EntryField::TextAnno}),
                    1, 1, 1, 4);
    row(2, "  FECHA",
        {box(EntryField::TextDia), box(EntryField::TextMes), box(EntryField::TextAnno)});
    grid->addWidget(columns("Hora  min.  seg. ( cero á  24 hs )",
                            {EntryField::TextHShs, EntryField::TextHSmin, EntryField::TextHSseg}),
                    3, 1, 1, 4);
    row(4, "  HORA",
        {box(EntryField::TextHShs), box(EntryField::TextHSmin), box(EntryField::TextHSseg)});
    row(5, "  HUSO", {box(EntryField::TextHusoHoras), box(EntryField::TextHusoMinutos)});
    grid->addWidget(hint, 5, 3, 1, 2);
    grid->addWidget(columns("Grad  min.", {EntryField::TextLatGrad, EntryField::TextLatMin}), 6, 1,
                    1, 4);
    row(7, "LATITUD", {box(EntryField::TextLatGrad), box(EntryField::TextLatMin), latFrame});
    grid->addWidget(columns(" Grad.  min.", {EntryField::TextLonGrad, EntryField::TextLonMin}), 8,
                    1, 1, 4);
    row(9, "LONGITUD", {box(EntryField::TextLonGrad), box(EntryField::TextLonMin), lonFrame});
    grid->addWidget(label(" LUGAR"), 10, 0);
    grid->addWidget(box(EntryField::txtLugar), 10, 1, 1, 4);
    grid->addWidget(crearCarta_, 11, 1, 1, 4);
    lugar_ = new LugarAtlas(*this, dialogs_);
    grid->addWidget(lugar_->LineaHusoWidget(), 6, 3, 1, 3);
    grid->addWidget(lugar_->Agregar(), 10, 5);
    grid->addWidget(lugar_->Aviso(), 12, 0, 1, 6);

    // Tab goes down the form as it reads: row by row, left to right, the place before the
    // button.
    QWidget* order[] = {box(EntryField::TextNombre),
                        box(EntryField::TextDia),
                        box(EntryField::TextMes),
                        box(EntryField::TextAnno),
                        box(EntryField::TextHShs),
                        box(EntryField::TextHSmin),
                        box(EntryField::TextHSseg),
                        box(EntryField::TextHusoHoras),
                        box(EntryField::TextHusoMinutos),
                        box(EntryField::TextLatGrad),
                        box(EntryField::TextLatMin),
                        norte_,
                        sur_,
                        box(EntryField::TextLonGrad),
                        box(EntryField::TextLonMin),
                        este_,
                        oeste_,
                        box(EntryField::txtLugar),
                        crearCarta_};
    for (std::size_t i = 1; i < std::size(order); ++i) setTabOrder(order[i - 1], order[i]);
}

QLineEdit* InputData::Caja(EntryField field) const {
    const auto i = static_cast<std::size_t>(field);
    return i < boxes_.size() ? boxes_[i] : nullptr;
}

QWidget* InputData::Control(EntryField field) const {
    if (field == EntryField::Latitud) return norte_;
    if (field == EntryField::Longit) return este_;
    return Caja(field);
}

void InputData::Vaciar() {
    for (QLineEdit* box : boxes_) box->clear();
    // A new chart takes no hemisphere from the chart shown before.
    Seleccionar(norte_, sur_, nullptr);
    Seleccionar(este_, oeste_, nullptr);
    if (lugar_) lugar_->SetEstado(HusoAtlas{});  // a new chart has no place chosen yet
    abiertos_ = Textos();
}

FichaNatalTextos InputData::Textos() const {
    FichaNatalTextos f;
    for (std::size_t i = 0; i < boxes_.size(); ++i)
        f.*kBoxes[i].text = boxes_[i]->text().toStdString();
    f.LatitudSur = sur_->isChecked();
    f.LongitudOeste = oeste_->isChecked();
    f.LatitudElegida = norte_->isChecked() || sur_->isChecked();
    f.LongitudElegida = este_->isChecked() || oeste_->isChecked();
    if (lugar_) f.huso = lugar_->Estado();
    return f;
}

void InputData::SetTextos(const FichaNatalTextos& f) {
    for (std::size_t i = 0; i < boxes_.size(); ++i) boxes_[i]->setText(Q(f.*kBoxes[i].text));
    Seleccionar(norte_, sur_, f.LatitudElegida ? (f.LatitudSur ? sur_ : norte_) : nullptr);
    Seleccionar(este_, oeste_, f.LongitudElegida ? (f.LongitudOeste ? oeste_ : este_) : nullptr);
    if (lugar_) lugar_->SetEstado(f.huso);
}

bool InputData::AceptarDatos() {
    auto failure = natalis::AceptarDatos(Textos(), rec_, flags_);
    if (failure) {
        dialogs_.MsgBox(failure->message, MsgButtons::Ok, MsgIcon::None, failure->title);
        // Back to the form, over the main window, with the box to correct focused.
        raise();
        activateWindow();
        if (QWidget* control = Control(failure->focus)) control->setFocus(Qt::OtherFocusReason);
        return false;
    }
    // The callback may outlive this window, which closing deletes.
    std::function<void()> accepted = onAccepted_;
    close();
    if (accepted) accepted();
    return true;
}

}  // namespace natalis
