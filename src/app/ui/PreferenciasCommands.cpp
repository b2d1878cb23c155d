#include "app/ui/PreferenciasCommands.h"

#include <QAction>
#include <QListWidget>

#include "app/session/ChartSession.h"
#include "app/session/InformeCompleto.h"
#include "app/ui/CuadroGral.h"
#include "app/ui/FrmPreferencias.h"
#include "app/ui/FrmRejilla.h"
#include "app/ui/ScreenPlacement.h"
#include "app/ui/WindowSettings.h"

namespace natalis {

PreferenciasCommands::PreferenciasCommands(CuadroGral& w) : QObject(&w), w_(w) {
    setObjectName("PreferenciasCommands");
    connect(w_.Action("mnuPreferencias"), &QAction::triggered, this,
            [this] { mnuPreferencias_Click(); });
    connect(w_.Action("mnuRejilla"), &QAction::triggered, this, [this] { mnuRejilla_Click(); });
}

void PreferenciasCommands::Usar(const Preferencias& guardadas,
                                std::function<void(const Preferencias&)> guardar) {
    actuales_ = guardadas;
    guardar_ = std::move(guardar);
}

FrmPreferencias* PreferenciasCommands::Ventana() const { return ventana_; }

FrmRejilla* PreferenciasCommands::Rejilla() const { return rejilla_; }

void PreferenciasCommands::Usar(WindowSettings& ajustes) {
    Usar(ajustes.Preferencias(), [&ajustes](const Preferencias& p) {
        ajustes.SetPreferencias(p);
        ajustes.Sync();
    });
}

void PreferenciasCommands::Aplicar() {
    ChartSession& s = w_.State();
    AplicarPreferencias(actuales_, s);
    for (const SistemaCasasFila& f : kSistemasCasas) {
        if (EnMenuCasas(f)) w_.MnuHsys(f.indice)->setChecked(f.id == s.HouseSystem);
    }
}

void PreferenciasCommands::mnuPreferencias_Click() {
    if (!ventana_) {
        ventana_ = new FrmPreferencias(&w_);
        connect(ventana_, &QDialog::accepted, this, [this] { Aceptada(); });
    }
    ventana_->Poner(actuales_);
    ventana_->open();
    ventana_->raise();
    ventana_->activateWindow();
}

void PreferenciasCommands::Aceptada() {
    actuales_ = ventana_->Elegidas();
    if (guardar_) guardar_(actuales_);
    Aplicar();
    // The chart on display is drawn again with the new choices, as a house change from the
    // menu draws it: the typed date stays.
    if (!w_.State().flags.ChartLoaded) return;
    w_.Lista()->clear();
    w_.SetCasasCambiadas(true);
    w_.GraficarNatal();
}

void PreferenciasCommands::mnuRejilla_Click() {
    const ChartSession& s = w_.State();
    if (!s.flags.ChartLoaded || s.Cartas().empty()) return;
    const bool nueva = !rejilla_;
    if (nueva) rejilla_ = new FrmRejilla(&w_);
    DibujarRejilla();
    if (nueva) MoveBeside(rejilla_, &w_, 0);
}

void PreferenciasCommands::DibujarRejilla() {
    const ChartSession& s = w_.State();
    rejilla_->Mostrar(RejillaNatal(s.tables.natal, s.orbes), FilaOrbes(s.orbes).caption);
}

void PreferenciasCommands::CartaMostrada(bool ok) {
    if (!rejilla_ || !rejilla_->isVisible()) return;
    if (ok) {
        DibujarRejilla();
    } else {
        rejilla_->hide();  // no grid of positions the ephemeris never gave
    }
}

}  // namespace natalis
