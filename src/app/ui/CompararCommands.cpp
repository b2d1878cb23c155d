#include "app/ui/CompararCommands.h"

#include <QAction>
#include <QMenu>

#include "app/session/GuardarNuevaCarta.h"
#include "app/ui/ChartBrowser.h"
#include "app/ui/CuadroGral.h"
#include "app/ui/ElegirCarta.h"
#include "app/ui/LugarFecha.h"
#include "chart/ui/FrmComparacion.h"
#include "chart/ui/QtSurface.h"

namespace natalis {

namespace {

constexpr const char* kTituloComparar = "Comparar";

// The menu's commands that need the chart on display.
constexpr const char* kConCarta[] = {"mnuSinastria", "mnuCompuesta", "mnuDavison",
                                     "mnuRetornoSolarCarta", "mnuRetornoLunarCarta"};

// The keys of the next and previous return (shown beside their captions in the menu).
constexpr const char* kTeclaSiguiente = "Shift+PgDown";
constexpr const char* kTeclaAnterior = "Shift+PgUp";

}  // namespace

CompararCommands::CompararCommands(CuadroGral& w, std::function<Atlas*()> atlas)
    : QObject(&w), w_(w), atlas_(std::move(atlas)) {
    setObjectName("CompararCommands");
    const auto on = [this](const char* name, std::function<void()> f) {
        connect(w_.Action(name), &QAction::triggered, this, std::move(f));
    };
    on("mnuSinastria", [this] { mnuSinastria_Click(); });
    on("mnuCompuesta", [this] { mnuCompuesta_Click(); });
    on("mnuDavison", [this] { mnuDavison_Click(); });
    on("mnuRetornoSolarCarta", [this] { mnuRetornoCarta_Click(TipoRetorno::Solar); });
    on("mnuRetornoLunarCarta", [this] { mnuRetornoCarta_Click(TipoRetorno::Lunar); });
    on("mnuRetornoSiguiente", [this] { mnuRetornoVecino_Click(true); });
    on("mnuRetornoAnterior", [this] { mnuRetornoVecino_Click(false); });
    on("mnuAhora", [this] { mnuAhora_Click(); });
    on("mnuGuardarComoCarta", [this] { mnuGuardarComoCarta_Click(); });
    on("mnuListaComparacion", [this] { mnuListaComparacion_Click(); });
    w_.Action("mnuRetornoSiguiente")->setShortcut(QKeySequence(kTeclaSiguiente));
    w_.Action("mnuRetornoAnterior")->setShortcut(QKeySequence(kTeclaAnterior));
    connect(w_.Menu("TitleMnuComparar"), &QMenu::aboutToShow, this, [this] { AjustarMenu(); });
    ventana_ = new FrmComparacion(&w_);
    ventana_->hide();
}

ElegirCarta* CompararCommands::Selector() const { return selector_; }
LugarFecha* CompararCommands::DialogoLugar() const { return lugar_; }

void CompararCommands::AjustarMenu() {
    const ChartSession& st = w_.State();
    const bool carta = st.flags.ChartLoaded && !st.Cartas().empty();
    for (const char* name : kConCarta) w_.Action(name)->setEnabled(carta);
    const auto& c = st.ComparacionEnPantalla();
    const bool retorno = c && c->tipo == TipoComparacion::Retorno;
    w_.Action("mnuRetornoSiguiente")->setEnabled(retorno);
    w_.Action("mnuRetornoAnterior")->setEnabled(retorno);
    w_.Action("mnuGuardarComoCarta")->setEnabled(st.RegistroGuardable().has_value());
    w_.Action("mnuListaComparacion")->setEnabled(c.has_value());
}

void CompararCommands::mnuSinastria_Click() { PedirSegunda(ConSegunda::Sinastria); }
void CompararCommands::mnuCompuesta_Click() { PedirSegunda(ConSegunda::Compuesta); }
void CompararCommands::mnuDavison_Click() { PedirSegunda(ConSegunda::Davison); }

void CompararCommands::PedirSegunda(ConSegunda que) {
    ChartSession& st = w_.State();
    if (!st.flags.ChartLoaded || st.Cartas().empty()) return;
    static constexpr const char* kTitulos[] = {"Sinastría con…", "Carta compuesta con…",
                                               "Carta Davison con…"};
    if (selector_) selector_->deleteLater();
    selector_ = new ElegirCarta(st.flags.ProgramFolder, w_.DialogsSeam(),
                                QString::fromUtf8(kTitulos[static_cast<int>(que)]),
                                que == ConSegunda::Davison, &w_);
    ElegirCarta* dlg = selector_;
    connect(dlg, &QDialog::finished, dlg, &QObject::deleteLater);
    connect(dlg, &QDialog::accepted, this, [this, dlg, que] {
        ChartSession& s = w_.State();
        Surface* surface = &w_.Surface();
        switch (que) {
            case ConSegunda::Sinastria:
                Mostrar(s.MostrarSinastria(dlg->Registro(), surface));
                break;
            case ConSegunda::Compuesta:
                Mostrar(s.MostrarCompuesta(dlg->Registro(), surface));
                break;
            case ConSegunda::Davison:
                Mostrar(s.MostrarDavison(dlg->Registro(), dlg->Modo(), surface));
                break;
        }
    });
    dlg->open();
}

void CompararCommands::PedirLugar(const QString& titulo, bool conFecha,
                                  std::function<std::optional<std::string>(LugarFecha&)> mostrar) {
    const ChartSession& st = w_.State();
    std::optional<LugarCarta> natal;
    if (st.flags.ChartLoaded && !st.Cartas().empty()) natal = LugarNatal(st.DatosNatales);
    if (lugar_) lugar_->deleteLater();
    lugar_ = new LugarFecha(titulo, conFecha, w_.TodayText(), natal, atlas_, w_.DialogsSeam(), &w_);
    LugarFecha* dlg = lugar_;
    connect(dlg, &QDialog::finished, dlg, &QObject::deleteLater);
    connect(dlg, &QDialog::accepted, this,
            [this, dlg, mostrar = std::move(mostrar)] { Mostrar(mostrar(*dlg)); });
    dlg->open();
}

void CompararCommands::mnuRetornoCarta_Click(TipoRetorno tipo) {
    const ChartSession& st = w_.State();
    if (!st.flags.ChartLoaded || st.Cartas().empty()) return;
    const QString titulo = tipo == TipoRetorno::Solar ? QStringLiteral("Retorno solar")
                                                      : QStringLiteral("Retorno lunar");
    PedirLugar(titulo, true, [this, tipo](LugarFecha& dlg) {
        std::string fecha = dlg.FechaTexto();
        return w_.State().MostrarRetornoCarta(tipo, fecha, dlg.Lugar(), &w_.Surface());
    });
}

void CompararCommands::mnuRetornoVecino_Click(bool adelante) {
    const auto& c = w_.State().ComparacionEnPantalla();
    if (!c || c->tipo != TipoComparacion::Retorno) return;
    Mostrar(w_.State().RetornoVecinoCarta(adelante, &w_.Surface()));
}

void CompararCommands::mnuAhora_Click() {
    PedirLugar(QStringLiteral("Carta del momento"), false, [this](LugarFecha& dlg) {
        return w_.State().MostrarAhora(JdAhora(w_.ClockSeam()), dlg.Lugar(), &w_.Surface());
    });
}

void CompararCommands::Mostrar(const std::optional<std::string>& error) {
    if (error) {
        w_.DialogsSeam().MsgBox(*error, MsgButtons::Ok, MsgIcon::Exclamation, kTituloComparar);
        return;
    }
    w_.Redibujar();
    w_.MostrarLista();
    if (w_.State().flags.ChartLoaded) w_.Action("mnuVerSoloNatal")->setEnabled(true);
    mnuListaComparacion_Click();
    AjustarMenu();
}

void CompararCommands::mnuListaComparacion_Click() {
    const ChartSession& st = w_.State();
    const auto& c = st.ComparacionEnPantalla();
    if (!c) return;
    const std::optional<RejillaCruzada> rejilla = st.RejillaComparacion();
    ventana_->Mostrar(TituloComparacion(*c), st.ListadoComparacion(),
                      rejilla ? &*rejilla : nullptr);
}

void CompararCommands::mnuGuardarComoCarta_Click() {
    ChartSession& st = w_.State();
    std::optional<NatalRecord> rec = st.RegistroGuardable();
    if (!rec) return;
    // Saved as a new file only: the chart on display and its flags stay as they are.
    ChartFlags flags;
    flags.ProgramFolder = st.flags.ProgramFolder;
    if (GuardarNuevaCarta(w_.DialogsSeam(), *rec, flags, nullptr, false)) {
        w_.Browser()->Refresh(st.flags.ProgramFolder);
    }
}

}  // namespace natalis
