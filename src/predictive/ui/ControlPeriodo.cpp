#include "predictive/ui/ControlPeriodo.h"

#include <QAbstractItemModel>
#include <QAction>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>

#include "app/model/Clock.h"
#include "app/model/Dialogs.h"
#include "astro/InstanteCivil.h"
#include "chart/ui/ChartView.h"
#include "predictive/ui/ControlCalendario.h"
#include "predictive/ui/FrmPeriodo.h"
#include "predictive/ui/MomentoPeriodo.h"
#include "predictive/ui/PuertoVentana.h"

namespace natalis {

namespace {

QString Q(const std::string& s) { return QString::fromStdString(s); }

std::string Texto(const FechaCivil& f) { return TextoFecha({f.dia, f.mes, f.anio}); }

// The steps of the frame, left to right, with their keys.
struct FilaPaso {
    const char* caption;
    const char* nombre;
    UnidadPaso unidad;
    int cuantos;
    QKeyCombination tecla;
};

const FilaPaso kPasos[6] = {
    {"−1 año", "PasoMenosAnio", UnidadPaso::Anio, -1, Qt::CTRL | Qt::Key_PageDown},
    {"−1 mes", "PasoMenosMes", UnidadPaso::Mes, -1, Qt::CTRL | Qt::Key_Down},
    {"−1 día", "PasoMenosDia", UnidadPaso::Dia, -1, Qt::CTRL | Qt::Key_Left},
    {"+1 día", "PasoMasDia", UnidadPaso::Dia, 1, Qt::CTRL | Qt::Key_Right},
    {"+1 mes", "PasoMasMes", UnidadPaso::Mes, 1, Qt::CTRL | Qt::Key_Up},
    {"+1 año", "PasoMasAnio", UnidadPaso::Anio, 1, Qt::CTRL | Qt::Key_PageUp},
};

// The step frame's place over the drawing, in the window's units: the bottom right corner,
// clear of the header, of the wheel and of the transit ring's glyphs (about 31 units from
// the centre at 60, 36).
// The step frame stands with the other frames in the left column, below the lists.
constexpr double kPasosLeft = 1, kPasosWidth = 26;
constexpr double kPasosPt = 9;

}  // namespace

ControlPeriodo::ControlPeriodo(PuertoVentana& w) : QObject(w.Ventana()), w_(w), st_(w.Sesion()) {
    setObjectName("ControlPeriodo");
    BuildPasos();
    if (QAction* menu = w_.Comando("mnuPeriodo")) {
        connect(menu, &QAction::triggered, this, [this] { mnuPeriodo_Click(); });
    }
    // Every drawing ends with the list filled afresh from the session: the frame follows it,
    // whichever command drew.
    connect(w_.ListaAspectos()->model(), &QAbstractItemModel::modelReset, this,
            [this] { ActualizarPasos(); });
    // It shows through this controller, and goes with it.
    calendario_ = new ControlCalendario(w_, [this](const PasoSesion& r) { Mostrar(r); });
    calendario_->setParent(this);
}

void ControlPeriodo::BuildPasos() {
    fPasos_ = new QGroupBox(w_.Vista());
    fPasos_->setObjectName("fPasos");
    // The date on top, the steps back below it and the steps forward under them.
    auto* layout = new QGridLayout(fPasos_);
    layout->setContentsMargins(3, 2, 3, 2);
    layout->setSpacing(2);
    lblFecha_ = new QLabel(fPasos_);
    lblFecha_->setObjectName("lblFechaPaso");
    lblFecha_->setAlignment(Qt::AlignCenter);
    layout->addWidget(lblFecha_, 0, 0, 1, 3);
    for (size_t i = 0; i < std::size(kPasos); ++i) {
        const FilaPaso& p = kPasos[i];
        auto* accion = new QAction(QString::fromUtf8(p.caption), w_.Ventana());
        accion->setObjectName(p.nombre);
        accion->setShortcut(QKeySequence(p.tecla));
        // From any window of the program: the main one, the period window, the listing.
        accion->setShortcutContext(Qt::ApplicationShortcut);
        w_.Ventana()->addAction(accion);
        connect(accion, &QAction::triggered, this, [this, &p] { Paso(p.unidad, p.cuantos); });
        acciones_[i] = accion;

        auto* boton = new QPushButton(QString::fromUtf8(p.caption), fPasos_);
        boton->setObjectName(QString("btnPaso(%1)").arg(i));
        boton->setToolTip(accion->shortcut().toString(QKeySequence::NativeText));
        connect(boton, &QPushButton::clicked, accion, &QAction::trigger);
        layout->addWidget(boton, 1 + static_cast<int>(i) / 3, static_cast<int>(i) % 3);
        botones_[i] = boton;
    }
    fPasos_->hide();
    w_.Vista()->PlaceFrame(fPasos_, kPasosLeft, kPasosWidth, kPasosPt);
}

void ControlPeriodo::ActualizarPasos() {
    const std::string fecha = st_.FechaEnPantalla();
    lblFecha_->setText(Q(fecha));
    fPasos_->setVisible(!fecha.empty());
    if (!fecha.empty()) fPasos_->raise();
}

void ControlPeriodo::mnuPeriodo_Click() {
    if (!frm_) {
        frm_ = new FrmPeriodo(w_.Ventana());
        const LocalDateTime hoy = w_.Reloj().Now();
        const FechaCivil desde{hoy.day, hoy.month, hoy.year};
        frm_->SetPeriodo(Texto(desde), Texto(DesplazarFecha(desde, UnidadPaso::Anio, 1)));
        connect(frm_, &FrmPeriodo::buscar, this, [this] { Buscar(); });
        connect(frm_, &FrmPeriodo::elegido, this, [this](const AspectoPeriodo& a) { Elegir(a); });
    }
    frm_->MostrarSobre(*w_.Ventana());
}

void ControlPeriodo::Buscar() {
    if (!frm_) return;
    const PeriodoRevisado r = RevisarConsultaPeriodo(frm_->Consulta());
    if (!r.pedido) {
        w_.Dialogos().MsgBox(r.mensaje, MsgButtons::Ok, MsgIcon::Exclamation, r.titulo);
        return;
    }
    st_.AspectosDelPeriodo(*r.pedido);
    frm_->SetAspectos(st_.Periodo.hits, st_.Periodo.tecnica);
}

void ControlPeriodo::Elegir(const AspectoPeriodo& hit) {
    if (!st_.flags.ChartLoaded) return;
    // By the window's search, which the time map's may have followed.
    const TecnicaPeriodo tecnica = frm_ ? frm_->Tecnica() : st_.Periodo.tecnica;
    Mostrar(MostrarMomentoPeriodo(st_, &w_.Superficie(), tecnica, hit));
}

void ControlPeriodo::Paso(UnidadPaso unidad, int cuantos) {
    Mostrar(st_.Desplazar(&w_.Superficie(), unidad, cuantos));
}

void ControlPeriodo::Mostrar(const PasoSesion& r) {
    switch (r.movio) {
        case PasoMovio::Nada:
            return;
        case PasoMovio::Transito:
            MostrarTransito(r.transito);
            return;
        case PasoMovio::Progresion:
            MostrarProgresion(r.progresion);
            return;
    }
}

bool ControlPeriodo::AvisarProgresion(const ProgresionResultado& r) {
    if (r.estado != ProgresionEstado::FechaRechazada &&
        r.estado != ProgresionEstado::ErrorCalculo) {
        return false;
    }
    const MsgIcon icono =
        r.estado == ProgresionEstado::ErrorCalculo ? MsgIcon::Critical : MsgIcon::None;
    w_.Dialogos().MsgBox(r.mensaje, MsgButtons::Ok, icono, r.titulo);
    return true;
}

void ControlPeriodo::MostrarTransito(const TransitoResultado& r) {
    if (r.errorCalculo) {
        w_.Dialogos().MsgBox(kErrorCalculoTransito, MsgButtons::Ok, MsgIcon::Critical,
                             kTituloErrorCalculo);
        return;
    }
    // The progression on display is recomputed under the ring; its refusal is reported and
    // the transit goes on without it.
    AvisarProgresion(r.progresion);
    w_.Comando("mnuVerSoloNatal")->setEnabled(true);
    w_.Redibujar();
    MostrarBloque(r.primeraLinea);
}

void ControlPeriodo::MostrarProgresion(const ProgresionResultado& r) {
    if (AvisarProgresion(r) || r.estado != ProgresionEstado::Calculada) return;
    w_.Comando("mnuVerSoloNatal")->setEnabled(true);
    w_.ComandoIndice(50)->setEnabled(true);
    for (const TecnicaFila& t : kTecnicas) {
        w_.ComandoIndice(t.indice)->setChecked(t.id == st_.pred.Tecnica);
    }
    w_.Redibujar();
    MostrarBloque(0);
}

// The new block in view with its heading selected.
void ControlPeriodo::MostrarBloque(size_t primeraLinea) {
    w_.MostrarLista(static_cast<int>(primeraLinea));
    w_.ListaAspectos()->show();
    ActualizarPasos();
}

}  // namespace natalis
