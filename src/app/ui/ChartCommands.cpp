#include "app/ui/ChartCommands.h"

#include <QAction>
#include <QFile>
#include <QGroupBox>
#include <QListWidget>
#include <cerrno>
#include <cstdio>
#include <optional>

#include "app/model/AvisoGuardado.h"
#include "app/model/NuevaHora.h"
#include "app/model/SafeFileWrite.h"
#include "app/session/ChartSession.h"
#include "app/ui/ChartBrowser.h"
#include "app/ui/CuadroGral.h"
#include "app/ui/FrmAnotar.h"
#include "app/ui/ScreenPlacement.h"
#include "astro/SistemaCasas.h"
#include "chart/ui/FrmListaNat.h"
#include "entry/ui/InputData.h"
#include "entry/ui/LugarAtlas.h"

namespace natalis {

ChartCommands::ChartCommands(CuadroGral& w)
    : QObject(&w), w_(w), st_(w.State()), moveToTrash_([](const std::string& path) {
          return QFile::moveToTrash(QString::fromStdString(path));
      }) {
    setObjectName("ChartCommands");
    connect(w_.Action("mnuNuevaCarta"), &QAction::triggered, this,
            [this] { mnuNuevaCarta_Click(); });
    connect(w_.Action("FichaNatal"), &QAction::triggered, this, [this] { FichaNatal_Click(); });
    connect(w_.Action("mnuGuardarHora"), &QAction::triggered, this,
            [this] { mnuGuardarHora_Click(); });
    connect(w_.Action("mnuKillFile"), &QAction::triggered, this, [this] { mnuKillFile_Click(); });
    connect(w_.Action("mnuAnotar"), &QAction::triggered, this, [this] { mnuAnotar_Click(); });
    for (const SistemaCasasFila& item : kSistemasCasas) {
        if (!EnMenuCasas(item)) continue;
        const int index = item.indice;
        connect(w_.MnuHsys(index), &QAction::triggered, this,
                [this, index] { MnuHsys_Click(index); });
    }

    WindowHooks& hooks = w_.Hooks();
    hooks.closeEntryForm = [this] {
        if (ficha_) ficha_->close();
    };
    hooks.closeNotes = [this] {
        if (anotar_) anotar_->close();
    };
    hooks.notesText = [this]() -> const std::string* {
        if (!anotar_) return nullptr;
        notesText_ = anotar_->TextoActual();
        return &notesText_;
    };
    hooks.chartMenus = [this] { AjustarMenusArchivo(); };
    hooks.notesOpen = [this] { return !anotar_.isNull() && anotar_->isVisible(); };

    // There is no chart file to annotate before a chart is loaded.
    w_.Action("mnuAnotar")->setEnabled(false);
}

InputData* ChartCommands::Ficha() const { return ficha_; }

FrmAnotar* ChartCommands::Anotar() const { return anotar_; }

bool ChartCommands::HayArchivo() const {
    const ChartFlags& f = st_.flags;
    return f.ChartLoaded && !f.NewChart && !f.ChartFileName.empty() &&
           PathExists(f.ProgramFolder, f.ChartFileName);
}

void ChartCommands::AjustarMenusArchivo() {
    const bool file = HayArchivo();
    if (!file) {
        w_.Action("mnuKillFile")->setEnabled(false);
        w_.Action("mnuAnotar")->setEnabled(false);
    }
    if (!file || st_.pred.HoraTexto.empty()) w_.Action("mnuGuardarHora")->setVisible(false);
}

InputData* ChartCommands::AbrirFicha() {
    if (!ficha_) {
        ficha_ = new InputData(
            st_.DatosNatales, st_.flags, w_.DialogsSeam(), [this] { AceptarFicha(); }, &w_);
        ficha_->Lugar()->SetAtlas(AtlasDelPrograma());
    }
    return ficha_;
}

Atlas* ChartCommands::AtlasDelPrograma() {
    if (!atlas_) {
        atlas_ = std::make_unique<Atlas>(Atlas::Load(SystemAtlasFile(), st_.flags.ProgramFolder));
        std::string warnings;
        for (const std::string& w : atlas_->Warnings())
            warnings += (warnings.empty() ? "" : "\n") + w;
        if (!warnings.empty())
            w_.DialogsSeam().MsgBox(warnings, MsgButtons::Ok, MsgIcon::Exclamation,
                                    "Atlas de lugares");
    }
    return atlas_.get();
}

void ChartCommands::MostrarFicha() {
    // A form that opens stands over the main window; an open one is only brought forward.
    if (!ficha_->isVisible()) {
        ficha_->adjustSize();  // the size its contents take now, the place line's included
        MoveOver(ficha_, &w_);
    }
    ficha_->show();
    ficha_->raise();
    ficha_->activateWindow();
}

void ChartCommands::mnuNuevaCarta_Click() {
    AbrirFicha()->Vaciar();

    // The new chart starts without the progression and solar-time state of the last one,
    // and the hidden date dialog no longer serves a birth time or a transit.
    w_.ReiniciarPredictivo();
    if (w_.frmListaNat()) w_.frmListaNat()->hide();
    st_.HoraSolarElegida = 0;
    st_.pred.FechaProgTexto.clear();
    MostrarFicha();
}

void ChartCommands::FichaNatal_Click() {
    AbrirFicha();
    MostrarFicha();
}

void ChartCommands::AceptarFicha() {
    st_.Accept();
    w_.Action("mnuAnotar")->setEnabled(false);
    w_.Lista()->clear();
    w_.GraficarNatal();
}

void ChartCommands::mnuGuardarHora_Click() {
    QAction* command = w_.Action("mnuGuardarHora");
    if (!HayArchivo() || st_.pred.HoraTexto.empty()) {
        command->setVisible(false);
        return;
    }
    const FileWriteResult r = GuardarNuevaHora(st_.flags.ProgramFolder, st_.flags.ChartFileName,
                                               st_.pred.HoraTexto, &st_.DatosNatales);
    if (!r.ok) {
        w_.DialogsSeam().MsgBox(r.message, MsgButtons::Ok, MsgIcon::Critical, "Guardar nueva hora");
        return;
    }
    command->setVisible(false);
    HoraGuardadaEnRegistro(st_.DatosNatales, st_.pred.HoraTexto);
    w_.DialogsSeam().MsgBox(
        AvisoHoraGuardada(st_.pred.HoraTexto, st_.flags.ProgramFolder, st_.flags.ChartFileName),
        MsgButtons::Ok, MsgIcon::Information, "Guardar nueva hora");
}

void ChartCommands::MnuHsys_Click(int index) {
    // The entries are built from the rows; an index no row has changes nothing.
    const std::optional<SistemaCasas> sistema = CasasPorIndice(index);
    if (!sistema) return;
    st_.HouseSystem = *sistema;
    for (const SistemaCasasFila& item : kSistemasCasas) {
        if (!EnMenuCasas(item)) continue;
        w_.MnuHsys(item.indice)->setChecked(item.indice == index);
    }
    w_.Lista()->clear();
    w_.SetCasasCambiadas(true);
    w_.GraficarNatal();
}

void ChartCommands::mnuKillFile_Click() {
    const ChartFlags& f = st_.flags;
    if (!HayArchivo()) {
        AjustarMenusArchivo();
        return;
    }
    Dialogs& dialogs = w_.DialogsSeam();
    // Enter answers No: a file is deleted only by choosing to.
    const MsgAnswer answer =
        dialogs.MsgBox(" ¿Borrar el archivo " + f.ChartFileName + " del disco?  ",
                       MsgButtons::YesNo, MsgIcon::Exclamation, "Eliminar Archivo", MsgAnswer::No);
    if (answer != MsgAnswer::Yes) return;
    // The file goes to the desktop's trash, from where the user can bring it back; only
    // when there is no trash, and the user says so again, is it deleted for good.
    const std::string path = JoinPath(f.ProgramFolder, f.ChartFileName);
    if (moveToTrash_(path)) {
        dialogs.MsgBox("«" + f.ChartFileName + "» se movió a la papelera.", MsgButtons::Ok,
                       MsgIcon::Information, "Eliminar Archivo");
    } else {
        const MsgAnswer forGood = dialogs.MsgBox(
            "No se pudo mover «" + f.ChartFileName +
                "» a la papelera. ¿Borrarlo definitivamente del disco? No se podrá recuperar.",
            MsgButtons::YesNo, MsgIcon::Exclamation, "Eliminar Archivo", MsgAnswer::No);
        if (forGood != MsgAnswer::Yes) return;
        if (std::remove(path.c_str()) != 0) {
            dialogs.MsgBox(
                "No se pudo borrar «" + f.ChartFileName + "»: " + SystemErrorReason(errno) + ".",
                MsgButtons::Ok, MsgIcon::Critical, "Eliminar Archivo");
            return;
        }
    }
    w_.Browser()->Model()->RemoveFile(QString::fromStdString(f.ChartFileName));
    AjustarMenusArchivo();
}

void ChartCommands::mnuAnotar_Click() {
    if (anotar_) {
        anotar_->raise();
        anotar_->activateWindow();
        return;
    }
    if (!HayArchivo()) {
        AjustarMenusArchivo();
        return;
    }
    anotar_ = new FrmAnotar(
        st_.DatosNatales, st_.flags, w_.DialogsSeam(),
        [this](const std::string& saved) { Listar(saved); }, &w_);
    if (!anotar_->Cargar(st_.flags.ChartFileName)) {
        delete anotar_;
        return;
    }
    connect(anotar_, &QObject::destroyed, this, [this] { AnotarCerrada(); });
    w_.Action("mnuAnotar")->setEnabled(false);
    MoveOver(anotar_, &w_);
    anotar_->show();
    anotar_->raise();
    anotar_->activateWindow();
}

void ChartCommands::Listar(const std::string& fileName) {
    w_.Browser()->Model()->AddFile(QString::fromStdString(fileName));
}

void ChartCommands::AnotarCerrada() {
    if (HayArchivo()) w_.Action("mnuAnotar")->setEnabled(true);
}

}  // namespace natalis
