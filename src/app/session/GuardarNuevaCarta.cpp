#include "app/session/GuardarNuevaCarta.h"

#include "app/model/AvisoGuardado.h"
#include "app/model/ChartFile.h"
#include "app/model/ChartFormats.h"

namespace natalis {

namespace {
const char kTitle[] = "Guardar datos natales";
}

std::optional<std::string> GuardarNuevaCarta(Dialogs& dialogs, NatalRecord& rec,
                                             const ChartFlags& flags,
                                             const std::string* notesText) {
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
        WriteOptions options;
        if (ChartFileExists(flags.ProgramFolder, fileName)) {
            const MsgAnswer replace =
                dialogs.MsgBox("Ya existe el archivo «" + fileName + "». ¿Reemplazarlo?",
                               MsgButtons::YesNo, MsgIcon::Question, kTitle);
            if (replace != MsgAnswer::Yes) continue;
            options.replaceExisting = true;
        }

        const std::string text = NativeChartFormat().write(rec, withNotes ? notesText : nullptr);
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
        dialogs.MsgBox(AvisoCartaGuardada(rec.NatalName, flags.ProgramFolder, fileName),
                       MsgButtons::Ok, MsgIcon::Information, kTitle);
        return fileName;
    }
}

}  // namespace natalis
