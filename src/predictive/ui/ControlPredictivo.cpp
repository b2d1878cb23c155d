#include "predictive/ui/ControlPredictivo.h"

#include <QAction>
#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "app/model/Clock.h"
#include "app/model/Dialogs.h"
#include "app/model/HusoEnFecha.h"
#include "app/session/ChartSession.h"
#include "chart/ui/ChartView.h"
#include "chart/ui/DialogKeys.h"
#include "chart/ui/FramePalette.h"
#include "predictive/HoraSolar.h"
#include "predictive/ListarProgresion.h"
#include "predictive/ui/PuertoVentana.h"

namespace natalis {

namespace {

QString Q(const std::string& s) { return QString::fromStdString(s); }

// The warning and the solar-time frame stand in the left column, 1 to 27 units across, above
// the date dialog.
constexpr double kFrameLeft = 1, kFrameWidth = 26;
constexpr double kFramePt = 9;

void Mostrar(QWidget* w, bool visible) {
    w->setVisible(visible);
    if (visible) w->raise();
}

}  // namespace

ControlPredictivo::ControlPredictivo(PuertoVentana& w)
    : QObject(w.Ventana()), w_(w), st_(w.Sesion()) {
    setObjectName("ControlPredictivo");
    BuildInputFrame();
    BuildWarning();
    BuildSolar();
    ConnectMenus();
}

void ControlPredictivo::OcultarHoraSolar() {
    frameSOLAR_->hide();
    LimpiarOpcionesSolares(true);
}

void ControlPredictivo::Reiniciar() {
    OcultarHoraSolar();
    fInputFecha_->hide();
    Frame1_->hide();
    w_.MarcoFecha()->hide();
    modo_ = ModoFecha::Progresion;
    avisoOff_ = false;
}

void ControlPredictivo::BuildInputFrame() {
    QGroupBox* main = w_.MarcoFecha();
    // Enter is OK and Escape cancels anywhere in the dialog; the date box's own key filter,
    // installed after, acts first on its keys, and Escape in the hour box closes the dialog.
    new DialogKeys(
        main, [this] { btnOK_Click(0); }, [this] { Cancelar(); });
    auto* layout = static_cast<QVBoxLayout*>(main->layout());
    lblFechaNat_ = new QLabel(QStringLiteral("Fecha Prog. "), main);
    lblFechaNat_->setObjectName("lblFechaNat");
    lbl024hs_ = new QLabel(QStringLiteral("Label9"), main);
    lbl024hs_->setObjectName("lbl024hs");
    chkCsaArco_ = new QCheckBox(QStringLiteral(" ASC en arco"), main);
    chkCsaArco_->setObjectName("chkCsaArco");
    btnOK_[0] = new QPushButton(QStringLiteral("OK"), main);
    btnOK_[0]->setObjectName("btnOK(0)");
    // The birth-time change has no inner frame, so its own way out stands beside OK.
    btnCancelarHora_ = new QPushButton(QStringLiteral("cancelar"), main);
    btnCancelarHora_->setObjectName("btnCancelarHora");
    btnCancelarHora_->hide();
    layout->insertWidget(0, lblFechaNat_);
    layout->insertWidget(2, lbl024hs_);
    auto* fila = new QHBoxLayout;
    fila->addWidget(chkCsaArco_);
    fila->addStretch();
    fila->addWidget(btnOK_[0]);
    fila->addWidget(btnCancelarHora_);
    layout->addLayout(fila);

    fInputFecha_ = new QGroupBox(main);
    fInputFecha_->setObjectName("fInputFecha");
    auto* inner = new QGridLayout(fInputFecha_);
    const char* opciones[2] = {"prog.Directa", "Conversa"};
    for (int i = 0; i < 2; ++i) {
        opbProg_[i] = new QRadioButton(QString::fromUtf8(opciones[i]), fInputFecha_);
        opbProg_[i]->setObjectName(QString("opbProg(%1)").arg(i));
        inner->addWidget(opbProg_[i], i, 0);
        connect(opbProg_[i], &QRadioButton::clicked, this, [this, i] { opbProg_Click(i); });
    }
    opbProg_[0]->setChecked(true);
    btnOK_[1] = new QPushButton(QStringLiteral("cancelar"), fInputFecha_);
    btnOK_[1]->setObjectName("btnOK(1)");
    inner->addWidget(btnOK_[1], 0, 1, 2, 1, Qt::AlignVCenter);
    layout->addWidget(fInputFecha_);
    fInputFecha_->hide();

    for (int i = 0; i < 2; ++i) {
        connect(btnOK_[i], &QPushButton::clicked, this, [this, i] { btnOK_Click(i); });
    }
    connect(btnCancelarHora_, &QPushButton::clicked, this, [this] { Cancelar(); });
    connect(chkCsaArco_, &QCheckBox::clicked, this,
            [this] { st_.pred.AscEnArco = chkCsaArco_->isChecked(); });
    w_.CajaFecha()->installEventFilter(this);
    w_.CajaHora()->installEventFilter(this);
    // Escape in the aspects list closes the age warning.
    w_.ListaAspectos()->installEventFilter(this);
}

void ControlPredictivo::BuildWarning() {
    Frame1_ = new QGroupBox(QStringLiteral("  ADVERTENCIA:"), w_.Vista());
    Frame1_->setObjectName("Frame1");
    ApplyFramePalette(Frame1_);
    new DialogKeys(
        Frame1_, [this] { Frame1_->hide(); }, [this] { Frame1_->hide(); });
    auto* layout = new QGridLayout(Frame1_);
    Label40_ = new QLabel(Frame1_);
    Label40_->setObjectName("Label40");
    Label5_ = new QLabel(QStringLiteral("  X"), Frame1_);
    Label5_->setObjectName("Label5");
    Check1_ = new QCheckBox(QStringLiteral("No repetir el aviso en esta carta.  "), Frame1_);
    Check1_->setObjectName("Check1");
    layout->addWidget(Label40_, 0, 0);
    layout->addWidget(Label5_, 0, 1);
    layout->addWidget(Check1_, 1, 0, 1, 2);
    for (QWidget* c : {static_cast<QWidget*>(Frame1_), static_cast<QWidget*>(Label40_),
                       static_cast<QWidget*>(Label5_)}) {
        c->installEventFilter(this);
    }
    connect(Check1_, &QCheckBox::clicked, this, [this] {
        avisoOff_ = true;
        Frame1_->hide();
        Check1_->setChecked(false);
    });
    Frame1_->hide();
    w_.Vista()->PlaceFrame(Frame1_, kFrameLeft, kFrameWidth, kFramePt);
}

void ControlPredictivo::BuildSolar() {
    frameSOLAR_ = new QGroupBox(w_.Vista());
    frameSOLAR_->setObjectName("frameSOLAR");
    ApplyFramePalette(frameSOLAR_);
    new DialogKeys(
        frameSOLAR_, [this] { btnProgresar_Click(); }, [this] { btnCloseSolar_Click(); });
    auto* layout = new QGridLayout(frameSOLAR_);
    auto* titulo = new QLabel(QStringLiteral("Elegir hora de Progresión"), frameSOLAR_);
    titulo->setObjectName("Label7");
    layout->addWidget(titulo, 0, 0, 1, 2);
    const char* iniciales[5] = {"", "05:21:15", "12:04:22", "19:33:00", "19:33:00"};
    for (int i = 1; i <= 4; ++i) {
        labelSolar_[i] = new QLabel(QString::fromUtf8(kEtiquetasHoraSolar[i]), frameSOLAR_);
        labelSolar_[i]->setObjectName(QString("Label%1").arg(i));
        optSunPos_[i] = new QRadioButton(QString::fromUtf8(iniciales[i]), frameSOLAR_);
        optSunPos_[i]->setObjectName(QString("optSunPos(%1)").arg(i));
        layout->addWidget(labelSolar_[i], i, 0);
        layout->addWidget(optSunPos_[i], i, 1);
        connect(optSunPos_[i], &QRadioButton::clicked, this, [this, i] { optSunPos_Click(i); });
    }
    btnProgresar_ = new QPushButton(QStringLiteral("Progresar"), frameSOLAR_);
    btnProgresar_->setObjectName("btnProgresar");
    btnCloseSolar_ = new QPushButton(QStringLiteral("X"), frameSOLAR_);
    btnCloseSolar_->setObjectName("btnCloseSolar");
    layout->addWidget(btnProgresar_, 5, 0);
    layout->addWidget(btnCloseSolar_, 5, 1);
    connect(btnProgresar_, &QPushButton::clicked, this, [this] { btnProgresar_Click(); });
    connect(btnCloseSolar_, &QPushButton::clicked, this, [this] { btnCloseSolar_Click(); });
    frameSOLAR_->hide();
    w_.Vista()->PlaceFrame(frameSOLAR_, kFrameLeft, kFrameWidth, kFramePt);
}

void ControlPredictivo::ConnectMenus() {
    for (const TecnicaFila& t : kTecnicas) {
        const int i = t.indice;
        connect(w_.ComandoIndice(i), &QAction::triggered, this, [this, i] { mnuProg_Click(i); });
    }
    for (int i = 50; i <= 52; ++i) {
        connect(w_.ComandoIndice(i), &QAction::triggered, this,
                [this, i] { mnuTransito_Click(i); });
    }
    connect(w_.Comando("mnuRetornoSolar"), &QAction::triggered, this,
            [this] { mnuRetorno_Click(TipoRetorno::Solar); });
    connect(w_.Comando("mnuRetornoLunar"), &QAction::triggered, this,
            [this] { mnuRetorno_Click(TipoRetorno::Lunar); });
    connect(w_.Comando("mnuVerSoloNatal"), &QAction::triggered, this,
            [this] { mnuVerSoloNatal_Click(); });
    connect(w_.Comando("TitlemnuHoraSolar"), &QAction::triggered, this,
            [this] { TitlemnuHoraSolar_Click(); });
    connect(w_.Comando("mnuCambiarHora"), &QAction::triggered, this, [this] { AbrirCambioHora(); });
    if (QMenu* archivo = w_.MenuTitulo("TitleMnuArchivo")) {
        connect(archivo, &QMenu::aboutToShow, this, [this] { TitleMnuArchivo_Click(); });
    }
}

void ControlPredictivo::SeleccionarTodo(QLineEdit* e) {
    e->setFocus(Qt::OtherFocusReason);
    e->selectAll();
}

void ControlPredictivo::Aplicar(const ConfigEntrada& c) {
    QGroupBox* main = w_.MarcoFecha();
    main->setTitle(Q(c.captionMain));
    fInputFecha_->setTitle(Q(c.captionFecha));
    fInputFecha_->setVisible(c.marcoFecha);
    w_.CajaFecha()->setVisible(c.txtFecha);
    w_.CajaHora()->setVisible(c.txtHora);
    chkCsaArco_->setVisible(c.chkAscEnArco);
    lblFechaNat_->setVisible(c.lblFechaNat);
    if (!c.captionFechaNat.empty()) lblFechaNat_->setText(Q(c.captionFechaNat));
    lbl024hs_->setVisible(c.lbl024);
    lbl024hs_->setText(Q(c.caption024));
    opbProg_[0]->setText(Q(c.opcionDirecta.empty() ? "prog.Directa" : c.opcionDirecta));
    opbProg_[1]->setText(Q(c.opcionConversa.empty() ? "Conversa" : c.opcionConversa));
    btnCancelarHora_->setVisible(!c.marcoFecha);
    if (!c.textoFecha.empty()) w_.CajaFecha()->setText(Q(c.textoFecha));
    if (!c.textoHora.empty()) w_.CajaHora()->setText(Q(c.textoHora));
    Mostrar(main, true);
    SeleccionarTodo(c.focoEnHora ? w_.CajaHora() : w_.CajaFecha());
}

void ControlPredictivo::OcultarEntrada() {
    fInputFecha_->hide();
    w_.MarcoFecha()->hide();
}

void ControlPredictivo::Cancelar() {
    OcultarEntrada();
    modo_ = ModoFecha::Progresion;
}

void ControlPredictivo::mnuProg_Click(int index) {
    const std::optional<TipoTecnica> tecnica = TecnicaPorIndice(index);
    if (!tecnica) return;
    st_.pred.Tecnica = *tecnica;
    // The dialog now serves this progression, whatever it was opened for before.
    modo_ = ModoFecha::Progresion;
    const ConfigEntrada c = ConfigProgresion(st_.pred.Tecnica, st_.DatosNatales.FechaNatalTexto,
                                             st_.pred.FechaProgTexto);
    chkCsaArco_->setEnabled(!c.soloDirecta);
    if (c.soloDirecta) {
        opbProg_[0]->setChecked(true);
        opbProg_Click(0);
    }
    opbProg_[0]->setEnabled(!c.soloDirecta);
    opbProg_[1]->setEnabled(!c.soloDirecta);
    Aplicar(c);
    for (const TecnicaFila& t : kTecnicas)
        w_.ComandoIndice(t.indice)->setChecked(t.indice == index);
}

void ControlPredictivo::opbProg_Click(int index) {
    st_.pred.Directa = index == 0;
    st_.pred.Conversa = index == 1;
}

void ControlPredictivo::AbrirCambioHora() {
    modo_ = ModoFecha::CambioHora;
    Aplicar(ConfigCambioHora(st_.DatosNatales, st_.pred.HoraTexto));
}

void ControlPredictivo::btnOK_Click(int index) {
    PredictiveState& p = st_.pred;
    if (modo_ == ModoFecha::Transito) {
        if (index == 0) {
            TRANSITO(w_.CajaFecha()->text().toStdString(), w_.CajaHora()->text().toStdString());
        } else {
            OcultarEntrada();
        }
    } else if (modo_ == ModoFecha::CambioHora) {
        p.HoraTexto = w_.CajaHora()->text().toStdString();
        std::string hora = p.HoraTexto;
        double h = 0;
        const std::string serr = ValidarHora(hora, h);
        if (!serr.empty()) {
            w_.Dialogos().MsgBox(serr, MsgButtons::Ok, MsgIcon::Exclamation, "corregir hora");
            return;
        }
        CambiarHoraNatal(st_.DatosNatales, h);
        w_.MarcoFecha()->hide();
        w_.Comando("mnuGuardarHora")->setVisible(true);
        modo_ = ModoFecha::Progresion;
        w_.GraficarNatal();
        if (p.HayProgresion) CalcularProgresion();
    } else if (index == 0) {
        MostrarProgresion(
            st_.ProgresarHasta(w_.CajaFecha()->text().toStdString(), &w_.Superficie()));
    } else {
        OcultarEntrada();
    }
}

void ControlPredictivo::MostrarAviso(const std::string& caption) {
    if (caption.empty() || avisoOff_) return;
    Label40_->setText(Q(caption));
    Mostrar(Frame1_, true);
}

bool ControlPredictivo::AvisarProgresionFallida(const ProgresionResultado& r) {
    if (r.estado == ProgresionEstado::FechaRechazada) {
        w_.Dialogos().MsgBox(r.mensaje, MsgButtons::Ok, MsgIcon::None, r.titulo);
        SeleccionarTodo(w_.CajaFecha());
        return true;
    }
    if (r.estado == ProgresionEstado::ErrorCalculo) {
        w_.Dialogos().MsgBox(r.mensaje, MsgButtons::Ok, MsgIcon::Critical, r.titulo);
        return true;
    }
    return false;
}

void ControlPredictivo::CalcularProgresion() { MostrarProgresion(st_.Progresar(&w_.Superficie())); }

void ControlPredictivo::MostrarProgresion(const ProgresionResultado& r) {
    if (AvisarProgresionFallida(r)) return;
    OcultarEntrada();
    w_.Comando("mnuVerSoloNatal")->setEnabled(true);
    w_.ComandoIndice(50)->setEnabled(true);
    MostrarAviso(r.aviso);
    if (r.estado != ProgresionEstado::Calculada) return;
    w_.Redibujar();
    w_.MostrarLista();
    w_.ListaAspectos()->setFocus(Qt::OtherFocusReason);
}

void ControlPredictivo::mnuTransito_Click(int index) {
    switch (index) {
        case 50:
            if (st_.pred.HayProgresion) TRANSITO(kTransitoFechaProg, "12");
            break;
        case 51:
            TRANSITO(kTransitoAhora, " ");
            break;
        case 52:
            modo_ = ModoFecha::Transito;
            chkCsaArco_->hide();
            Aplicar(ConfigTransito());
            selHoraAlClic_ = true;
            break;
        default:
            break;
    }
}

void ControlPredictivo::TRANSITO(std::string fechaTrans, std::string horaTrans) {
    // Nothing while the solar-time dialog runs the engine.
    if (st_.pred.HoraSolar) return;
    const TransitoResultado r = st_.Transitar(w_.Reloj(), &w_.Superficie(), fechaTrans, horaTrans);
    Dialogs& d = w_.Dialogos();
    switch (r.instante.estado) {
        case TransitoEstado::FechaRechazada:
            d.MsgBox(r.instante.mensaje, MsgButtons::Ok, MsgIcon::Exclamation, r.instante.titulo);
            SeleccionarTodo(w_.CajaFecha());
            return;
        case TransitoEstado::HoraRechazada:
            d.MsgBox(r.instante.mensaje, MsgButtons::Ok, MsgIcon::Exclamation, r.instante.titulo);
            selHoraAlClic_ = true;
            SeleccionarTodo(w_.CajaHora());
            return;
        case TransitoEstado::Calculado:
            break;
    }
    if (r.errorCalculo) {
        d.MsgBox(kErrorCalculoTransito, MsgButtons::Ok, MsgIcon::Critical, kTituloErrorCalculo);
        return;
    }
    if (modo_ == ModoFecha::Transito) modo_ = ModoFecha::Progresion;
    // The progression on display is recomputed first; its refusal is reported like any
    // other, and the transit goes on without it.
    AvisarProgresionFallida(r.progresion);
    OcultarEntrada();
    w_.Comando("mnuVerSoloNatal")->setEnabled(true);
    MostrarAviso(r.progresion.aviso);
    w_.Redibujar();
    MostrarBloque(r.primeraLinea);
}

// The new block in view with its heading selected.
void ControlPredictivo::MostrarBloque(size_t primeraLinea) {
    w_.MostrarLista(static_cast<int>(primeraLinea));
}

void ControlPredictivo::mnuRetorno_Click(TipoRetorno tipo) {
    const bool solar = tipo == TipoRetorno::Solar;
    const LocalDateTime hoy = w_.Reloj().Now();
    std::string respuesta = solar ? std::to_string(hoy.year)
                                  : std::to_string(hoy.day) + " " + std::to_string(hoy.month) +
                                        " " + std::to_string(hoy.year);
    Dialogs& d = w_.Dialogos();
    // Asked again, with the rejected text offered, until a return is found or the box is
    // cancelled.
    for (;;) {
        respuesta = d.InputBox(solar ? kPreguntaRetornoSolar : kPreguntaRetornoLunar,
                               solar ? "Retorno solar" : "Retorno lunar", respuesta);
        if (respuesta.empty()) return;
        std::string fecha = respuesta;
        if (solar) {
            const std::string serr = FechaDelAnioRetorno(respuesta, fecha);
            if (!serr.empty()) {
                d.MsgBox(serr, MsgButtons::Ok, MsgIcon::Exclamation, "corregir fecha");
                continue;
            }
        }
        const RetornoSesion r = st_.Retornar(&w_.Superficie(), tipo, fecha);
        switch (r.retorno.estado) {
            case RetornoCalculoEstado::FechaRechazada:
                d.MsgBox(r.retorno.mensaje, MsgButtons::Ok, MsgIcon::Exclamation, r.retorno.titulo);
                continue;
            case RetornoCalculoEstado::SinRetorno:
                d.MsgBox(r.retorno.mensaje, MsgButtons::Ok, MsgIcon::Critical, r.retorno.titulo);
                return;
            case RetornoCalculoEstado::Calculado:
                break;
        }
        AvisarProgresionFallida(r.progresion);
        w_.Comando("mnuVerSoloNatal")->setEnabled(true);
        MostrarAviso(r.progresion.aviso);
        w_.Redibujar();
        MostrarBloque(r.primeraLinea);
        return;
    }
}

void ControlPredictivo::mnuVerSoloNatal_Click() {
    st_.SoloNatal(&w_.Superficie());
    // No progression is on display any longer, so there is no date of it to transit to.
    w_.ComandoIndice(50)->setEnabled(false);
    w_.Redibujar();
    w_.MostrarLista();
}

void ControlPredictivo::TitleMnuArchivo_Click() { avisoOff_ = false; }

void ControlPredictivo::LimpiarOpcionesSolares(bool vaciarCaptions) {
    for (int i = 1; i <= 4; ++i) {
        optSunPos_[i]->setAutoExclusive(false);
        optSunPos_[i]->setChecked(false);
        optSunPos_[i]->setAutoExclusive(true);
        if (vaciarCaptions) optSunPos_[i]->setText(QString());
    }
}

void ControlPredictivo::TitlemnuHoraSolar_Click() {
    Mostrar(frameSOLAR_, true);
    const auto captions = CaptionsHoraSolar(st_.DatosNatales);
    for (int i = 1; i <= 4; ++i) optSunPos_[i]->setText(Q(captions[i]));
    // From the keyboard: arrows choose a time, Enter progresses, Escape closes.
    QRadioButton* chosen = optSunPos_[1];
    for (int i = 1; i <= 4; ++i) {
        if (optSunPos_[i]->isChecked()) chosen = optSunPos_[i];
    }
    chosen->setFocus(Qt::OtherFocusReason);
}

void ControlPredictivo::optSunPos_Click(int index) { st_.HoraSolarElegida = index; }

void ControlPredictivo::btnProgresar_Click() {
    if (st_.HoraSolarElegida < 1 || st_.HoraSolarElegida > 4) {
        w_.Dialogos().MsgBox(kMensajeElegirHora, MsgButtons::Ok, MsgIcon::None, kTituloHoraSolar);
        return;
    }
    frameSOLAR_->hide();
    // A direction to a solar time may reach far ages: its warning is not shown.
    avisoOff_ = true;
    MostrarProgresion(st_.ProgresarHoraSolar(&w_.Superficie()));
    LimpiarOpcionesSolares(false);
}

void ControlPredictivo::btnCloseSolar_Click() {
    frameSOLAR_->hide();
    LimpiarOpcionesSolares(false);
}

bool ControlPredictivo::eventFilter(QObject* watched, QEvent* event) {
    if (watched == w_.CajaFecha() && event->type() == QEvent::KeyPress) {
        const auto* k = static_cast<QKeyEvent*>(event);
        int ascii = 0;
        if (k->key() == Qt::Key_Delete || k->key() == Qt::Key_Tab || k->key() == Qt::Key_Backtab) {
            return false;  // editing and focus keys, not typed characters
        }
        if (k->key() == Qt::Key_Return || k->key() == Qt::Key_Enter) {
            ascii = 13;
        } else if (k->key() == Qt::Key_Escape) {
            ascii = 27;
        } else if (k->key() == Qt::Key_Backspace) {
            ascii = 8;
        } else if (!k->text().isEmpty()) {
            ascii = k->text().at(0).unicode();
        } else {
            return false;  // cursor and editing keys type nothing
        }
        switch (FiltroTeclaFecha(ascii)) {
            case TeclaFecha::Aceptar:
                btnOK_Click(0);
                return true;
            case TeclaFecha::Cancelar:
                btnOK_Click(1);
                return true;
            case TeclaFecha::Pasa:
                return false;
            case TeclaFecha::Descarta:
                return true;
        }
    }
    if (watched == w_.CajaHora()) {
        if (event->type() == QEvent::KeyPress &&
            static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape) {
            Cancelar();
            return true;
        }
        if (event->type() == QEvent::MouseButtonRelease) {
            if (selHoraAlClic_) w_.CajaHora()->selectAll();
            selHoraAlClic_ = false;
        }
    }
    if (watched == w_.ListaAspectos() && event->type() == QEvent::KeyPress &&
        static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape && Frame1_->isVisible()) {
        Frame1_->hide();
        return true;
    }
    if ((watched == Frame1_ || watched == Label40_ || watched == Label5_) &&
        event->type() == QEvent::MouseButtonRelease) {
        Frame1_->hide();
        return true;
    }
    return QObject::eventFilter(watched, event);
}

}  // namespace natalis
