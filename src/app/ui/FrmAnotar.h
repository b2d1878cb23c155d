// frmAnotar, the notes window: the whole text of the chart file on display in one editable
// box, saved back into the file when the window closes and the user agrees.
#pragma once
#include <QWidget>
#include <functional>
#include <string>

#include "app/model/Dialogs.h"
#include "app/model/NatalRecord.h"

class QPlainTextEdit;

namespace natalis {

class FrmAnotar : public QWidget {
    Q_OBJECT
  public:
    // onSavedNewChart runs with the file's name after the text was saved as a new chart
    // file (the main window then lists it). The window deletes itself once closed.
    FrmAnotar(NatalRecord& rec, ChartFlags& flags, Dialogs& dialogs,
              std::function<void(const std::string&)> onSavedNewChart, QWidget* parent = nullptr);

    // Loads the chart file fileName of the program folder into the box. False, with the
    // reason shown, when it cannot be read.
    bool Cargar(const std::string& fileName);

    QPlainTextEdit* Texto() const { return texto_; }
    // The box's text, UTF-8 with "\n" line ends.
    std::string TextoActual() const;
    // The file whose text the window holds; empty after a save.
    const std::string& NotesFileName() const { return notesFileName_; }

  protected:
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

  private:
    // Form_Unload: the save question. False when the window is to stay open (the user
    // cancelled, or nothing could be saved and the text would be lost).
    bool Descargar();
    bool GuardarEnArchivo();
    void Layout();

    NatalRecord& rec_;
    ChartFlags& flags_;
    Dialogs& dialogs_;
    std::function<void(const std::string&)> onSavedNewChart_;
    QPlainTextEdit* texto_ = nullptr;
    std::string notesFileName_;
    std::string loadedBytes_;  // the file as loaded: a save starts from it (GuardarNotas)
};

}  // namespace natalis
