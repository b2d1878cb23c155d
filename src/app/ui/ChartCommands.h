// The main window's commands that keep the chart library: a new chart typed in the entry
// form, the entry form on the chart's data, the house system, writing a tried birth time
// into the file, deleting the file, and the notes window.
#pragma once
#include <QObject>
#include <QPointer>
#include <functional>
#include <memory>
#include <string>

#include "app/model/Atlas.h"

namespace natalis {

class ChartSession;
class CuadroGral;
class FrmAnotar;
class InputData;

class ChartCommands : public QObject {
    Q_OBJECT
  public:
    // Becomes a child of the window, connects its menu commands and plugs the entry form
    // and the notes window into the window's hooks.
    explicit ChartCommands(CuadroGral& w);

    void mnuNuevaCarta_Click();     // "   NUEVA CARTA": the entry form, empty
    void FichaNatal_Click();        // "Ficha Natal": the entry form on the chart's data
    void mnuGuardarHora_Click();    // "Guardar nueva hora"
    void MnuHsys_Click(int index);  // 30 Plácido, 31 Regiomontano, 32 Koch
    void mnuKillFile_Click();       // "Eliminar"
    void mnuAnotar_Click();         // "     ANOTACIONES"

    // The commands that act on the chart's file, fitted to the chart on display: they are
    // offered only for a chart whose file is still there, and "Guardar nueva hora" only
    // while a tried birth time waits to be written. Run after every drawing of a chart.
    void AjustarMenusArchivo();

    // How "Eliminar" moves a file (full path) to the desktop's trash: QFile::moveToTrash
    // unless a test puts another in its place. False when there is no trash to move it to.
    void SetMoveToTrash(std::function<bool(const std::string&)> move) {
        moveToTrash_ = std::move(move);
    }

    InputData* Ficha() const;   // the entry form while it is open
    FrmAnotar* Anotar() const;  // the notes window while it is open
    // The atlas, loaded at its first use (the entry form's, or a place asked for by another
    // command) and kept for the run; a missing file's warning is shown then, once.
    Atlas* AtlasDelPrograma();

  private:
    InputData* AbrirFicha();
    void MostrarFicha();
    void AceptarFicha();
    void AnotarCerrada();
    // Puts a newly written chart file into the chart list, in its alphabetical place.
    void Listar(const std::string& fileName);
    bool HayArchivo() const;

    CuadroGral& w_;
    ChartSession& st_;
    QPointer<InputData> ficha_;
    QPointer<FrmAnotar> anotar_;
    std::unique_ptr<Atlas> atlas_;
    std::string notesText_;  // the notes window's text handed to the save command
    std::function<bool(const std::string&)> moveToTrash_;
};

}  // namespace natalis
