#include "app/ui/FrmAnotar.h"

#include <QCloseEvent>
#include <QPlainTextEdit>
#include <QTextDocument>

#include "app/model/AvisoGuardado.h"
#include "app/model/ChartFile.h"
#include "app/model/FileBytes.h"
#include "app/model/Notas.h"
#include "app/session/GuardarNuevaCarta.h"
#include "chart/ui/DialogKeys.h"
#include "chart/ui/FramePalette.h"

namespace natalis {

namespace {
const char kTitle[] = "Guardar archivo";
}

FrmAnotar::FrmAnotar(NatalRecord& rec, ChartFlags& flags, Dialogs& dialogs,
                     std::function<void(const std::string&)> onSavedNewChart, QWidget* parent)
    : QWidget(parent, Qt::Window),
      rec_(rec),
      flags_(flags),
      dialogs_(dialogs),
      onSavedNewChart_(std::move(onSavedNewChart)) {
    setObjectName("frmAnotar");
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(" anotaciones");
    ApplyLegiblePalette(this);
    texto_ = new QPlainTextEdit(this);
    texto_->setObjectName("Texto");
    connect(texto_, &QPlainTextEdit::textChanged, this, [this] { flags_.NotesModified = true; });
    flags_.NotesModified = false;
    // Escape closes the window (asking first when the text was changed); Enter stays a new
    // line.
    new DialogKeys(this, nullptr, [this] { close(); });
    resize(640, 480);
    Layout();
}

bool FrmAnotar::Cargar(const std::string& fileName) {
    QFont font = texto_->font();
    font.setPointSize(10);
    texto_->setFont(font);
    FileReadResult file = ReadFileBytes(flags_.ProgramFolder, fileName);
    if (!file.ok) {
        dialogs_.MsgBox(file.message, MsgButtons::Ok, MsgIcon::Exclamation, " anotaciones");
        return false;
    }
    notesFileName_ = fileName;
    loadedBytes_ = file.bytes;
    texto_->setPlainText(QString::fromStdString(NotasDesdeArchivo(file.bytes)));
    texto_->document()->setModified(false);
    flags_.NotesModified = false;  // filling the box is no change
    return true;
}

std::string FrmAnotar::TextoActual() const {
    // The raw text keeps non-breaking spaces, which Windows-1252 can store; blocks are
    // separated by paragraph separators.
    QString raw = texto_->document()->toRawText();
    raw.replace(QChar::ParagraphSeparator, '\n').replace(QChar::LineSeparator, '\n');
    return raw.toStdString();
}

bool FrmAnotar::GuardarEnArchivo() {
    ArchivoNotas file = ArchivoDesdeNotas(TextoActual());
    if (!file.unstorable.empty() &&
        dialogs_.MsgBox(UnstorableQuestion(file.unstorable), MsgButtons::YesNo,
                        MsgIcon::Exclamation, kTitle) != MsgAnswer::Yes) {
        return false;
    }
    FileWriteResult r =
        GuardarNotas(flags_.ProgramFolder, notesFileName_, loadedBytes_, file.bytes);
    if (!r.ok) {
        dialogs_.MsgBox(r.message, MsgButtons::Ok, MsgIcon::Critical, kTitle);
        return false;
    }
    dialogs_.MsgBox(AvisoNotasGuardadas(flags_.ProgramFolder, notesFileName_), MsgButtons::Ok,
                    MsgIcon::Information, kTitle);
    return true;
}

bool FrmAnotar::Descargar() {
    // Accepting a new chart clears the shared flag; the box itself still knows it was edited,
    // so those edits are not dropped without the question.
    if (!flags_.NotesModified && !texto_->document()->isModified()) return true;
    flags_.NotesModified = true;
    MsgAnswer answer =
        dialogs_.MsgBox("Las anotaciones se han modificado. ¿ Guardar los cambios ?   ",
                        MsgButtons::YesNo, MsgIcon::None, kTitle);
    if (flags_.NewChart) {
        if (answer == MsgAnswer::Yes) {
            const std::string text = TextoActual();
            const auto saved = GuardarNuevaCarta(dialogs_, rec_, flags_, &text);
            if (!saved) return false;
            if (onSavedNewChart_) onSavedNewChart_(*saved);
        }
        flags_.NotesModified = false;
        texto_->document()->setModified(false);
        return true;
    }
    if (answer == MsgAnswer::Yes && !GuardarEnArchivo()) return false;
    flags_.NotesModified = false;
    texto_->document()->setModified(false);
    notesFileName_.clear();
    return true;
}

void FrmAnotar::closeEvent(QCloseEvent* event) {
    if (Descargar()) {
        event->accept();
    } else {
        event->ignore();
    }
}

void FrmAnotar::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    Layout();
}

void FrmAnotar::Layout() {
    // The box fills 0.98 of the width and 0.95 of the height, a little in from the left.
    texto_->setGeometry(1, 0, static_cast<int>(width() * 0.98), static_cast<int>(height() * 0.95));
}

}  // namespace natalis
