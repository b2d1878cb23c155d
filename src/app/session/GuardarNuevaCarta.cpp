#include "app/session/GuardarNuevaCarta.h"

#include <cmath>
#include <sstream>

#include "app/model/AvisoGuardado.h"
#include "app/model/ChartFile.h"
#include "app/model/ChartFormats.h"
#include "app/model/Cp1252.h"
#include "app/model/FileBytes.h"
#include "app/model/Notas.h"
#include "app/model/NuevaHora.h"

namespace natalis {

namespace {

const char kTitle[] = "Guardar datos natales";

// The record a chart file's bytes give, when the reader takes them.
std::optional<NatalRecord> ReadBack(const std::string& bytes, const std::string& fileName) {
    std::istringstream in(bytes);
    NatalRecord rec;
    if (!ReadChartStream(in, fileName, rec).ok) return std::nullopt;
    return rec;
}

// Before fileName (which exists) is replaced with text: what would be lost that the user
// did not see in the form. A birth time other than the form's (saved with "Guardar nueva
// hora", or by another copy of the program) is kept only if the user says so; text after
// the data that is not under a "NOTAS:" line cannot be kept. False when the user chose not
// to replace the file.
bool ConfirmarReemplazo(Dialogs& dialogs, const std::string& folder, const std::string& fileName,
                        const std::string& text) {
    const FileReadResult old = ReadFileBytes(folder, fileName);
    if (!old.ok) return true;  // the writer reports what is wrong with it
    const std::optional<NatalRecord> disk = ReadBack(old.bytes, fileName);
    const std::optional<NatalRecord> form = ReadBack(Utf8ToCp1252(text).bytes, fileName);
    if (disk && form && std::fabs(disk->NatalHour - form->NatalHour) * 3600 >= 0.5) {
        const std::string question = "La carta «" + fileName +
                                     "» tiene en el disco la hora natal " + disk->TimeText +
                                     ", y esta ficha " + form->TimeText +
                                     ". ¿Reemplazarla con la hora " + form->TimeText + "?";
        if (dialogs.MsgBox(question, MsgButtons::YesNo, MsgIcon::Exclamation, kTitle,
                           MsgAnswer::No) != MsgAnswer::Yes) {
            return false;
        }
    }
    if (!NotasDelArchivo(old.bytes) &&
        old.bytes.find_first_not_of(" \t\r\n", FinBloqueDatos(old.bytes)) != std::string::npos) {
        const std::string question = "«" + fileName +
                                     "» no tiene el renglón «NOTAS:», y el texto que sigue a sus "
                                     "datos natales se perderá. ¿Reemplazarlo de todos modos?";
        if (dialogs.MsgBox(question, MsgButtons::YesNo, MsgIcon::Exclamation, kTitle,
                           MsgAnswer::No) != MsgAnswer::Yes) {
            return false;
        }
    }
    return true;
}

}  // namespace

std::optional<std::string> GuardarNuevaCarta(Dialogs& dialogs, NatalRecord& rec, ChartFlags& flags,
                                             const std::string* notesText, bool reemplazar) {
    const bool withNotes = flags.NewChart && flags.NotesModified && notesText != nullptr;
    for (;;) {
        const std::string answer =
            dialogs.InputBox("Escriba un nombre para este archivo", kTitle, rec.NatalName);
        if (answer.empty()) return std::nullopt;
        rec.NatalName = answer;

        const std::string fileName = ChartFileNameFor(answer);
        if (auto problem = ChartFileNameProblem(fileName)) {
            dialogs.MsgBox(*problem, MsgButtons::Ok, MsgIcon::Exclamation, kTitle);
            continue;
        }
        if (auto problem = ChartRecordProblem(rec)) {
            dialogs.MsgBox(*problem, MsgButtons::Ok, MsgIcon::Exclamation, kTitle);
            return std::nullopt;
        }
        const std::string text = NativeChartFormat().write(rec, withNotes ? notesText : nullptr);
        WriteOptions options;
        if (!reemplazar && ChartFileExists(flags.ProgramFolder, fileName)) {
            dialogs.MsgBox("Ya existe el archivo «" + fileName + "». Escriba otro nombre.",
                           MsgButtons::Ok, MsgIcon::Exclamation, kTitle);
            continue;
        }
        if (ChartFileExists(flags.ProgramFolder, fileName)) {
            const MsgAnswer replace =
                dialogs.MsgBox("Ya existe el archivo «" + fileName + "». ¿Reemplazarlo?",
                               MsgButtons::YesNo, MsgIcon::Question, kTitle);
            if (replace != MsgAnswer::Yes) continue;
            if (!ConfirmarReemplazo(dialogs, flags.ProgramFolder, fileName, text))
                return std::nullopt;
            options.replaceExisting = true;
            // The notes window's text is the whole new file; otherwise the old notes stay.
            options.keepNotes = !withNotes;
        }

        WriteResult result = WriteNewChartFile(flags.ProgramFolder, fileName, text, options);
        if (result.status == WriteStatus::Unstorable) {
            const MsgAnswer go =
                dialogs.MsgBox(result.message, MsgButtons::YesNo, MsgIcon::Exclamation, kTitle);
            if (go != MsgAnswer::Yes) return std::nullopt;
            options.acceptUnstorable = true;
            result = WriteNewChartFile(flags.ProgramFolder, fileName, text, options);
        }
        if (!result.ok()) {
            dialogs.MsgBox(result.message, MsgButtons::Ok, MsgIcon::Critical, kTitle);
            return std::nullopt;
        }
        flags.NewChartSaved = true;
        dialogs.MsgBox(AvisoCartaGuardada(rec.NatalName, flags.ProgramFolder, fileName),
                       MsgButtons::Ok, MsgIcon::Information, kTitle);
        return fileName;
    }
}

}  // namespace natalis
