#include "app/ui/CuadroGral.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QCloseEvent>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QMenuBar>
#include <QScreen>
#include <QVBoxLayout>
#include <ctime>

#include "app/model/SafeFileWrite.h"
#include "app/session/AcercaDe.h"
#include "app/session/GuardarNuevaCarta.h"
#include "app/session/MostrarInicio.h"
#include "app/session/OfertaHuso.h"
#include "app/session/SalirSinGuardar.h"
#include "app/ui/ChartBrowser.h"
#include "app/ui/ChartCommands.h"
#include "app/ui/ColeccionCommands.h"
#include "app/ui/CompararCommands.h"
#include "app/ui/ExportCommands.h"
#include "app/ui/PreferenciasCommands.h"
#include "app/ui/ScreenPlacement.h"
#include "astro/SistemaCasas.h"
#include "chart/ErrorCalculoNatal.h"
#include "chart/EstrellasNatales.h"
#include "chart/ui/ChartView.h"
#include "chart/ui/FramePalette.h"
#include "chart/ui/FrmListaNat.h"
#include "chart/ui/GlyphFont.h"
#include "predictive/Tecnicas.h"
#include "predictive/ui/ControlPeriodo.h"
#include "predictive/ui/ControlPredictivo.h"

namespace natalis {

namespace {

enum class Start { Enabled, Disabled, Hidden };

// The menus of the main window, left to right and top to bottom. A row without a parent is
// a menu-bar entry: a title with a submenu, or a command of its own.
struct MenuRow {
    const char* name;
    int index;  // command arrays: MnuHsys 30-32, mnuProg 40-43, mnuTransito 50-52; else 0
    const char* caption;
    const char* under;  // the title menu it belongs to; null on the menu bar
    bool submenu;       // a menu-bar title that opens a submenu
    Start start;
    bool checked;
};

constexpr MenuRow kMenus[] = {
    {"TitleMnuArchivo", 0, "     ARCHIVO", nullptr, true, Start::Enabled, false},
    {"mnuBuscarFiles", 0, "Buscar cartas", "TitleMnuArchivo", false, Start::Enabled, false},
    {"mnuGuardarFile", 0, "Guardar", "TitleMnuArchivo", false, Start::Disabled, false},
    {"mnuGuardarHora", 0, "Guardar nueva hora", "TitleMnuArchivo", false, Start::Hidden, false},
    {"mnuKillFile", 0, "Eliminar", "TitleMnuArchivo", false, Start::Disabled, false},
    {"barra", 0, "-", "TitleMnuArchivo", false, Start::Enabled, false},
    {"Fin", 0, "Salir", "TitleMnuArchivo", false, Start::Enabled, false},
    {"barraExportar", 0, "-", "TitleMnuArchivo", false, Start::Enabled, false},
    {"mnuImprimir", 0, "Imprimir…", "TitleMnuArchivo", false, Start::Disabled, false},
    {"mnuExportar", 0, "Exportar…", "TitleMnuArchivo", false, Start::Disabled, false},
    {"barraColeccion", 0, "-", "TitleMnuArchivo", false, Start::Enabled, false},
    {"mnuImportar", 0, "Importar…", "TitleMnuArchivo", false, Start::Enabled, false},
    {"mnuExportarColeccion", 0, "Exportar colección…", "TitleMnuArchivo", false, Start::Enabled,
     false},
    {"barraAcerca", 0, "-", "TitleMnuArchivo", false, Start::Enabled, false},
    {"mnuAcerca", 0, "Acerca de Natalis", "TitleMnuArchivo", false, Start::Enabled, false},
    {"mnuNuevaCarta", 0, "   NUEVA CARTA", nullptr, false, Start::Enabled, false},
    {"TitleMnuNatal", 0, "     NATAL", nullptr, true, Start::Disabled, false},
    {"FichaNatal", 0, "Ficha Natal", "TitleMnuNatal", false, Start::Enabled, false},
    {"mnuVerSoloNatal", 0, "Ver solo natal", "TitleMnuNatal", false, Start::Disabled, false},
    {"mnuRejilla", 0, "Rejilla de aspectos", "TitleMnuNatal", false, Start::Enabled, false},
    {"mnuCambiarHora", 0, "    CAMBIAR HORA", nullptr, false, Start::Disabled, false},
    {"mnuAnotar", 0, "     ANOTACIONES", nullptr, false, Start::Enabled, false},
    {"TitleMnuCasas", 0, "    CASAS   ", nullptr, true, Start::Disabled, false},
    {"TitleMnuProgresion", 0, "   PROGRESION    ", nullptr, true, Start::Disabled, false},
    {"TitleMnuTransitos", 0, "  TRANSITOS", nullptr, true, Start::Disabled, false},
    {"mnuTransito", 50, "Fecha de Prog.", "TitleMnuTransitos", false, Start::Disabled, false},
    {"mnuTransito", 51, "Fecha Actual", "TitleMnuTransitos", false, Start::Enabled, false},
    {"mnuTransito", 52, "Dar Fecha", "TitleMnuTransitos", false, Start::Enabled, false},
    {"mnuRetornoSolar", 0, "Retorno solar", "TitleMnuTransitos", false, Start::Enabled, false},
    {"mnuRetornoLunar", 0, "Retorno lunar", "TitleMnuTransitos", false, Start::Enabled, false},
    {"mnuPeriodo", 0, "Aspectos del período…", "TitleMnuTransitos", false, Start::Enabled, false},
    {"mnuCalendario", 0, "Calendario del cielo…", "TitleMnuTransitos", false, Start::Enabled,
     false},
    {"mnuMapaTiempo", 0, "Mapa del tiempo…", "TitleMnuTransitos", false, Start::Enabled, false},
    {"TitlemnuListaNat", 0, "     LISTADO  NATAL", nullptr, false, Start::Disabled, false},
    {"TitlemnuHoraSolar", 0, "     &AJUSTAR HORA", nullptr, false, Start::Disabled, false},
    {"mnuPreferencias", 0, "  PREFERENCIAS", nullptr, false, Start::Enabled, false},
    // Beyond the behaviour's menus: comparisons of two charts, returns and the moment's chart.
    {"TitleMnuComparar", 0, "   COMPARAR", nullptr, true, Start::Enabled, false},
    {"mnuSinastria", 0, "Sinastría…", "TitleMnuComparar", false, Start::Disabled, false},
    {"mnuCompuesta", 0, "Compuesta…", "TitleMnuComparar", false, Start::Disabled, false},
    {"mnuDavison", 0, "Davison…", "TitleMnuComparar", false, Start::Disabled, false},
    {"barraRetornos", 0, "-", "TitleMnuComparar", false, Start::Enabled, false},
    {"mnuRetornoSolarCarta", 0, "Retorno solar…", "TitleMnuComparar", false, Start::Disabled,
     false},
    {"mnuRetornoLunarCarta", 0, "Retorno lunar…", "TitleMnuComparar", false, Start::Disabled,
     false},
    {"mnuRetornoSiguiente", 0, "Retorno siguiente", "TitleMnuComparar", false, Start::Disabled,
     false},
    {"mnuRetornoAnterior", 0, "Retorno anterior", "TitleMnuComparar", false, Start::Disabled,
     false},
    {"barraAhora", 0, "-", "TitleMnuComparar", false, Start::Enabled, false},
    {"mnuAhora", 0, "Ahora…", "TitleMnuComparar", false, Start::Enabled, false},
    {"barraComparacion", 0, "-", "TitleMnuComparar", false, Start::Enabled, false},
    {"mnuListaComparacion", 0, "Listado de la comparación", "TitleMnuComparar", false,
     Start::Disabled, false},
    {"mnuGuardarComoCarta", 0, "Guardar como carta…", "TitleMnuComparar", false, Start::Disabled,
     false},
};

// The menu-bar entries that a drawn chart enables. A birth time can be tried only on a
// chart on display.
constexpr const char* kChartTitles[] = {
    "TitleMnuNatal",     "mnuCambiarHora",   "TitleMnuCasas",    "TitleMnuProgresion",
    "TitleMnuTransitos", "TitlemnuListaNat", "TitlemnuHoraSolar"};

// Alt and a letter opens each menu-bar entry: the letter is marked (underlined) in the
// caption, which reads as before. "     &AJUSTAR HORA" carries its own.
struct Mnemonic {
    const char* name;
    char letter;  // the first of its kind in the caption is marked
};
constexpr Mnemonic kMnemonics[] = {
    {"TitleMnuArchivo", 'R'},    {"mnuNuevaCarta", 'N'},     {"TitleMnuNatal", 'T'},
    {"mnuCambiarHora", 'C'},     {"mnuAnotar", 'O'},         {"TitleMnuCasas", 'S'},
    {"TitleMnuProgresion", 'P'}, {"TitleMnuTransitos", 'I'}, {"TitlemnuListaNat", 'L'},
    {"mnuPreferencias", 'F'},    {"TitleMnuComparar", 'M'},
};

// Shortcuts of the common commands.
struct Shortcut {
    const char* name;
    const char* keys;
};
constexpr Shortcut kShortcuts[] = {
    {"mnuBuscarFiles", "Ctrl+O"},   {"mnuNuevaCarta", "Ctrl+N"},
    {"mnuGuardarFile", "Ctrl+S"},   {"Fin", "Ctrl+Q"},
    {"TitlemnuListaNat", "Ctrl+L"},
};

// The caption with its mnemonic letter marked; captions that mark one of their own keep it.
QString WithMnemonic(const QString& caption, const char* name) {
    if (caption.contains('&')) return caption;
    for (const Mnemonic& m : kMnemonics) {
        if (std::string(m.name) != name) continue;
        const int at = caption.indexOf(QChar(m.letter));
        if (at >= 0) return caption.left(at) + '&' + caption.mid(at);
    }
    return caption;
}

// The menu rows with the entries of the house-system and technique tables in their submenus,
// in table order, the first of each checked.
std::vector<MenuRow> MenuRows() {
    std::vector<MenuRow> rows;
    for (const MenuRow& row : kMenus) {
        rows.push_back(row);
        if (std::string(row.name) == "TitleMnuCasas") {
            for (const SistemaCasasFila& f : kSistemasCasas) {
                if (!EnMenuCasas(f)) continue;
                rows.push_back({"MnuHsys", f.indice, f.caption, row.name, false, Start::Enabled,
                                f.id == SistemaCasas::Placido});
            }
        } else if (std::string(row.name) == "TitleMnuProgresion") {
            for (const TecnicaFila& f : kTecnicas) {
                rows.push_back({"mnuProg", f.indice, f.caption, row.name, false, Start::Enabled,
                                f.id == TipoTecnica::Primaria});
            }
        }
    }
    return rows;
}

QString RowName(const MenuRow& row) {
    const QString name = QString::fromUtf8(row.name);
    return row.index ? name + "(" + QString::number(row.index) + ")" : name;
}

// Layout of the controls over the drawing, in the window's units, and their font sizes at
// the designed size. The chart list covers the left, where the start screen points to it,
// up to the wheel's outer ring; the aspects list takes its place once a chart is shown,
// clear of the wheel and of the progressed and transit rings, and gives way to the frames
// that stand below it. Both take the room a wide or tall window leaves beside the drawing.
const QRectF kChartListRect(1, 1.5, 33, 67);
constexpr double kChartListPt = 10;
const QRectF kListaRect(1, 5, 25, 64);
constexpr double kListaPt = 8.5;
constexpr double kFrameLeft = 1, kFrameWidth = 26;  // the column's frames
constexpr double kInputMainPt = 9;

}  // namespace

CuadroGral::CuadroGral(Dialogs& dialogs, Clock& clock, Ephemeris& eph,
                       const std::string& programFolder, QWidget* parent)
    : QMainWindow(parent),
      dialogs_(dialogs),
      clock_(clock),
      eph_(eph),
      session_(eph),
      endProgram_([] { QCoreApplication::exit(0); }) {
    session_.flags.ProgramFolder = programFolder;
    setWindowTitle(QStringLiteral("  NATALIS"));
    ApplyLegiblePalette(this);
    BuildMenus();
    BuildControls();
    predictivo_ = new ControlPredictivo(*this);
    commands_ = new ChartCommands(*this);
    export_ = new ExportCommands(*this);
    coleccion_ = new ColeccionCommands(*this);
    periodo_ = new ControlPeriodo(*this);
    preferencias_ = new PreferenciasCommands(*this);
    comparar_ = new CompararCommands(*this, [this] { return commands_->AtlasDelPrograma(); });
    resize(QtSurface::kDesignWidth, QtSurface::kDesignHeight + menuBar()->sizeHint().height());
}

// QWidget destroys the children after this body, when this window's own members are gone, and
// a child being destroyed still sends events to the filters that watch it and moves the
// application's focus. So what listens goes first, while everything it reaches is whole: the
// focus connection, this window's filter on the chart list, the hooks, the controllers, then
// the view with the controls it lays out.
CuadroGral::~CuadroGral() {
    // The application's focus changes while the children go; this window no longer hears them.
    disconnect(qApp, nullptr, this, nullptr);
    flistArchivos_->removeEventFilter(this);
    hooks_ = WindowHooks{};
    delete preferencias_;
    delete periodo_;
    delete export_;
    delete commands_;
    delete predictivo_;
    predictivo_ = nullptr;
    delete view_;
}

void CuadroGral::BuildMenus() {
    // The captions carry their own blanks; without extra padding every title fits the
    // designed width.
    menuBar()->setFont(QtSurface::FontFor("Microsoft Sans Serif", 9, false));
    menuBar()->setStyleSheet(QStringLiteral("QMenuBar::item { padding: 3px 0px; }"));
    for (const MenuRow& row : MenuRows()) {
        QString caption = QString::fromUtf8(row.caption);
        QAction* action = nullptr;
        if (!row.under) {
            caption = WithMnemonic(caption, row.name);
            if (row.submenu) {
                QMenu* menu = menuBar()->addMenu(caption);
                menus_[row.name] = menu;
                action = menu->menuAction();
            } else {
                action = menuBar()->addAction(caption);
            }
        } else {
            QMenu* menu = menus_.at(row.under);
            action = QString(row.caption) == "-" ? menu->addSeparator() : menu->addAction(caption);
        }
        action->setObjectName(RowName(row));
        action->setEnabled(row.start != Start::Disabled);
        action->setVisible(row.start != Start::Hidden);
        const std::string name = row.name;
        if (name == "MnuHsys" || name == "mnuProg") action->setCheckable(true);
        action->setChecked(row.checked);
        actions_[RowName(row)] = action;
        if (row.index) indexed_[row.index] = action;
    }
    connect(Action("mnuBuscarFiles"), &QAction::triggered, this,
            [this] { mnuBuscarFiles_Click(); });
    connect(Action("mnuGuardarFile"), &QAction::triggered, this,
            [this] { mnuGuardarFile_Click(); });
    connect(Action("Fin"), &QAction::triggered, this, [this] { Fin_Click(); });
    connect(Action("mnuAcerca"), &QAction::triggered, this, [this] { mnuAcerca_Click(); });
    connect(Action("TitlemnuListaNat"), &QAction::triggered, this, [this] { ListadoNatal(); });
    BuildShortcuts();
}

void CuadroGral::BuildShortcuts() {
    for (const Shortcut& s : kShortcuts) Action(s.name)->setShortcut(QKeySequence(s.keys));
    // F10 opens the first menu, as Alt and its letter does.
    auto* f10 = new QAction(this);
    f10->setObjectName("F10");
    f10->setShortcut(QKeySequence(Qt::Key_F10));
    addAction(f10);
    connect(f10, &QAction::triggered, this,
            [this] { menuBar()->setActiveAction(Action("TitleMnuArchivo")); });
    actions_["F10"] = f10;
}

void CuadroGral::BuildControls() {
    view_ = new ChartView(surface_, this);
    setCentralWidget(view_);

    browser_ = new ChartBrowser(view_);
    flistArchivos_ = browser_->List();
    browser_->setFont(QtSurface::FontFor("Arial", kChartListPt, false));
    browser_->hide();
    connect(browser_, &ChartBrowser::chosen, this, [this] { flistArchivos_Click(); });
    connect(browser_, &ChartBrowser::escaped, this, [this] { Fin_Click(); });
    view_->PlaceInColumn(browser_, kChartListRect, kChartListPt);
    connect(qApp, &QApplication::focusChanged, this,
            [this](QWidget* old, QWidget* now) { FocusChanged(old, now); });

    // The aspects list appears with the first chart; the start screen has nothing for it.
    Lista_ = new QListWidget(view_);
    Lista_->setObjectName("Lista");
    Lista_->setFont(QtSurface::FontFor("Arial", kListaPt, false));
    Lista_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    Lista_->setTextElideMode(Qt::ElideNone);
    Lista_->setUniformItemSizes(true);
    Lista_->hide();
    view_->PlaceInColumn(Lista_, kListaRect, kListaPt, true);

    // The date and time box of progressions, transits and the birth-time change; the
    // predictive commands fill the rest of this frame.
    fInputMain_ = new QGroupBox(view_);
    fInputMain_->setObjectName("fInputMain");
    fInputMain_->setFont(QFont("Courier", kInputMainPt));
    ApplyFramePalette(fInputMain_);
    auto* layout = new QVBoxLayout(fInputMain_);
    txtFecha_ = new QLineEdit(fInputMain_);
    txtFecha_->setObjectName("txtFecha");
    txtHora_ = new QLineEdit(fInputMain_);
    txtHora_->setObjectName("txtHora");
    layout->addWidget(txtFecha_);
    layout->addWidget(txtHora_);
    fInputMain_->hide();
    view_->PlaceFrame(fInputMain_, kFrameLeft, kFrameWidth, kInputMainPt);
}

void CuadroGral::FormLoad() {
    fontId_ = RegisterGlyphFont(QString::fromStdString(session_.flags.ProgramFolder));
    show();
    PlaceOnScreen();
    session_.flags.ChartLoaded = false;
    txtFecha_->setText(TodayText());
    if (QClipboard* clipboard = QGuiApplication::clipboard()) clipboard->setText(TodayText());
    const LocalDateTime now = clock_.Now();
    txtHora_->setText(
        QString("%1 %2").arg(now.hour, 2, 10, QChar('0')).arg(now.minute, 2, 10, QChar('0')));
    session_.HouseSystem = SistemaCasas::Placido;
    // The preferences' house system (Placidus unless the user chose another), points, zodiac
    // and orbs.
    preferencias_->Aplicar();
    EnsureListaNat();
    std::string& folder = session_.flags.ProgramFolder;
    if (!folder.empty() && folder.back() != '/') folder += '/';
    flistArchivos_->setToolTip(QString::fromStdString("Carpeta de cartas: " + folder));
    // Temporary files that a run killed while saving left behind.
    RemoveOwnLeftovers(folder, std::time(nullptr));
    activateWindow();
    mnuBuscarFiles_Click();
    MostrarInicio(surface_, clock_, eph_, session_.tables.Planet);
    view_->Redraw();
}

void CuadroGral::PlaceOnScreen() {
    const WinRect area = AvailableArea(this);
    const WinMargins frame = FrameMargins(this);
    const QSize least = view_->minimumSize();
    const int menuH = menuBar()->sizeHint().height();
    const WinRect r = savedGeometry_.isValid()
                          ? KeepInside(ToWinRect(savedGeometry_), area, frame, least.width(),
                                       least.height() + menuH)
                          : FitMainWindow(area, QtSurface::kDesignWidth, QtSurface::kDesignHeight,
                                          menuH, frame, least.width(), least.height());
    setGeometry(ToQRect(r));
}

QString CuadroGral::TodayText() const {
    const LocalDateTime now = clock_.Now();
    return QString("%1 %2 %3").arg(now.day).arg(now.month).arg(now.year, 4, 10, QChar('0'));
}

// Every chart file is listed, readable or not: choosing one that cannot be read gives the
// reader's message, instead of the file vanishing from the list without a word.
void CuadroGral::FillChartList() { browser_->Refresh(session_.flags.ProgramFolder); }

void CuadroGral::mnuBuscarFiles_Click() {
    browser_->Filter()->clear();  // every chart, not those last filtered
    FillChartList();
    browser_->show();
    browser_->raise();
    activateWindow();  // the command may come from the listing window's shortcut
    flistArchivos_->setFocus(Qt::OtherFocusReason);
}

// The chart list hides when the focus moves from it to another control of the program; not
// when a menu opens (with the mouse or the keyboard), nor when another program takes the
// focus.
void CuadroGral::FocusChanged(QWidget* old, QWidget* now) {
    if (!old || !now || browser_->isHidden()) return;
    const auto inside = [this](QWidget* w) { return w == browser_ || browser_->isAncestorOf(w); };
    if (!inside(old) || inside(now)) return;
    if (qobject_cast<QMenuBar*>(now) || qobject_cast<QMenu*>(now)) return;
    browser_->hide();
}

void CuadroGral::flistArchivos_Click() {
    // The name is taken before the notes window closes: saving there may refill the list.
    const std::string chosen = flistArchivos_->CurrentFile().toStdString();
    if (chosen.empty()) return;
    if (hooks_.closeNotes) hooks_.closeNotes();
    if (hooks_.notesOpen && hooks_.notesOpen()) return;
    session_.flags.ChartFileName = chosen;
    browser_->hide();
    const ChartReadResult read = session_.Load(session_.flags.ProgramFolder, chosen);
    if (!read.ok) {
        dialogs_.MsgBox(read.message, MsgButtons::Ok, MsgIcon::None, read.title);
        return;
    }
    OfrecerHusoActual(session_.DatosNatales, dialogs_);
    GraficarNatal();
}

void CuadroGral::GraficarNatal() {
    const ChartFlags& flags = session_.flags;
    if (!flags.ChartLoaded) return;
    Action("mnuAnotar")->setEnabled(true);
    Action("mnuKillFile")->setEnabled(true);
    if (flags.NewChart) {
        Action("mnuKillFile")->setEnabled(false);
        Action("mnuGuardarFile")->setEnabled(true);
        Action("mnuAnotar")->setEnabled(false);
    }
    for (const char* title : kChartTitles) Action(title)->setEnabled(true);
    mnuTransito(50)->setEnabled(false);
    Action("mnuVerSoloNatal")->setEnabled(false);
    if (hooks_.chartMenus) hooks_.chartMenus();

    if (const auto error = session_.CalcularNatal()) {
        surface_.Cls();  // no wheel of positions the ephemeris never gave
        view_->Redraw();
        Lista_->clear();
        preferencias_->CartaMostrada(false);
        dialogs_.MsgBox(*error, MsgButtons::Ok, MsgIcon::Critical, kTituloErrorCalculoNatal);
        return;
    }
    if (!casasCambiadas_) {
        txtFecha_->setText(TodayText());
    } else {
        casasCambiadas_ = false;
    }
    if (frmListaNat_) frmListaNat_->hide();
    if (predictivo_) predictivo_->OcultarHoraSolar();

    session_.DibujarNatal(surface_);
    view_->Redraw();
    if (comparar_) comparar_->AjustarMenu();  // the comparisons start from this chart

    MostrarLista();
    Lista_->show();
    Lista_->setFocus(Qt::OtherFocusReason);

    ListadoNatal(false);
    preferencias_->CartaMostrada(true);
}

void CuadroGral::MostrarLista(int heading) {
    Lista_->clear();
    QStringList lines;
    lines.reserve(static_cast<int>(session_.Lista.size()));
    for (const std::string& line : session_.Lista) lines << QString::fromStdString(line);
    Lista_->addItems(lines);
    if (heading >= 0 && heading < Lista_->count()) {
        Lista_->setCurrentRow(heading);
        Lista_->scrollToItem(Lista_->item(heading), QAbstractItemView::PositionAtTop);
    } else {
        Lista_->scrollToTop();
    }
}

void CuadroGral::EnsureListaNat() {
    if (frmListaNat_) return;
    frmListaNat_ = new FrmListaNat(this);
    connect(frmListaNat_, &FrmListaNat::closed, this,
            [this] { Action("TitlemnuListaNat")->setEnabled(true); });
    // The listing takes the focus when its command opens it: the common commands answer
    // there too.
    for (const Shortcut& s : kShortcuts) frmListaNat_->addAction(Action(s.name));
    frmListaNat_->addAction(Action("F10"));
}

void CuadroGral::ListadoNatal(bool takeFocus) {
    EnsureListaNat();
    if (!frmListaNat_->isVisible()) MoveBeside(frmListaNat_, this, FrmListaNat::kLeft);
    frmListaNat_->ShowListing(takeFocus);
    if (!takeFocus) activateWindow();  // a platform may activate a window it shows
    Action("TitlemnuListaNat")->setEnabled(false);
    // The fixed stars asked for, after the positions, before the closing empty line.
    std::vector<std::string> lineas = session_.ListadoNatalLineas();
    const std::vector<std::string> estrellas = ListarEstrellas(session_.tables.natal);
    if (!estrellas.empty() && !lineas.empty()) {
        lineas.insert(lineas.end() - 1, estrellas.begin(), estrellas.end());
    }
    frmListaNat_->SetLines(lineas);
}

void CuadroGral::mnuGuardarFile_Click() {
    if (!session_.flags.ChartLoaded) return;
    const std::string* notes = hooks_.notesText ? hooks_.notesText() : nullptr;
    if (GuardarNuevaCarta(dialogs_, session_.DatosNatales, session_.flags, notes)) FillChartList();
}

void CuadroGral::Fin_Click() {
    if (!PuedeSalir()) return;
    if (hooks_.closeEntryForm) hooks_.closeEntryForm();
    endProgram_();
}

bool CuadroGral::PuedeSalir() {
    // The notes window first: it offers to save its text, and saving a new chart there
    // leaves nothing else to ask about.
    if (hooks_.closeNotes) hooks_.closeNotes();
    if (hooks_.notesOpen && hooks_.notesOpen()) return false;
    const std::string horaNueva =
        Action("mnuGuardarHora")->isVisible() ? session_.pred.HoraTexto : std::string();
    const auto question = PreguntaSalir(session_.flags, session_.DatosNatales, horaNueva);
    return !question || dialogs_.MsgBox(*question, MsgButtons::YesNo, MsgIcon::Exclamation,
                                        kTituloSalir, MsgAnswer::No) == MsgAnswer::Yes;
}

void CuadroGral::mnuAcerca_Click() {
    dialogs_.MsgBox(AcercaDeNatalis(eph_.Source(), session_.flags.ProgramFolder), MsgButtons::Ok,
                    MsgIcon::Information, "Acerca de Natalis");
}

std::string CuadroGral::CasasCaption() const { return session_.CasasCaption(); }

QAction* CuadroGral::Action(const QString& name) const {
    const auto it = actions_.find(name);
    return it == actions_.end() ? nullptr : it->second;
}

QAction* CuadroGral::MnuHsys(int index) const {
    return CasasPorIndice(index) ? indexed_.at(index) : nullptr;
}
QAction* CuadroGral::mnuProg(int index) const {
    return TecnicaPorIndice(index) ? indexed_.at(index) : nullptr;
}
QAction* CuadroGral::mnuTransito(int index) const {
    return index >= 50 && index <= 52 ? indexed_.at(index) : nullptr;
}

QAction* CuadroGral::ComandoIndice(int indice) const {
    const auto it = indexed_.find(indice);
    return it == indexed_.end() ? nullptr : it->second;
}

void CuadroGral::Redibujar() { view_->Redraw(); }

void CuadroGral::ReiniciarPredictivo() {
    if (predictivo_) predictivo_->Reiniciar();
}

QMenu* CuadroGral::Menu(const QString& titleName) const {
    const auto it = menus_.find(titleName);
    return it == menus_.end() ? nullptr : it->second;
}

void CuadroGral::closeEvent(QCloseEvent* event) {
    if (!PuedeSalir()) {
        event->ignore();
        return;
    }
    UnregisterGlyphFont(fontId_);
    fontId_ = -1;
    if (hooks_.closeEntryForm) hooks_.closeEntryForm();
    if (hooks_.closeNotes) hooks_.closeNotes();
    if (frmListaNat_) frmListaNat_->close();
    event->accept();
}

}  // namespace natalis
