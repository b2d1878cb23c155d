// The notes window's text and the chart file it is saved as.
#pragma once
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "app/model/SafeFileWrite.h"

namespace natalis {

// The text the notes window shows for a chart file's bytes (Windows-1252, CR LF or LF line
// ends): every line of the file followed by a line end ("\n").
std::string NotasDesdeArchivo(std::string_view fileBytes);

struct ArchivoNotas {
    std::string bytes;                    // the file's content, Windows-1252, CR LF
    std::vector<std::string> unstorable;  // characters Windows-1252 cannot hold ("?" in bytes)
};

// The file's content for the window's text (UTF-8, any line ends): every line end made
// CR LF, and one added only when the text does not already end with one, so that saving a
// file unchanged gives it back byte for byte.
ArchivoNotas ArchivoDesdeNotas(std::string_view text);

// The notes of a chart file's bytes as the writer lays them out: what follows the "NOTAS:"
// line after the data block (and the one-blank line right after it, which the writer puts
// there), byte for byte. Nothing when the file has no "NOTAS:" line after its data.
std::optional<std::string> NotasDelArchivo(const std::string& fileBytes);

// What the notes window writes when it saves ours (the whole file's new bytes), having
// loaded base, and the file on disk is now current: ours when the file is as it was
// loaded; when it changed only in its time line (a new birth time saved meanwhile) and ours
// keeps the loaded time line, ours with the new time line. Nothing when the file changed
// otherwise: writing ours would undo that change.
std::optional<std::string> NotasSobreArchivoActual(const std::string& base, const std::string& ours,
                                                   const std::string& current);

// The refusal of a save whose file changed on disk since the window loaded it.
std::string CartaCambioEnDisco(const std::string& fileName);

// Writes ours as the whole chart file folder/fileName, starting from the file as it is at
// the moment of writing (NotasSobreArchivoActual, under the folder's lock), through a
// temporary file of its own; refuses with CartaCambioEnDisco when that gives nothing.
FileWriteResult GuardarNotas(const std::string& folder, const std::string& fileName,
                             const std::string& base, const std::string& ours);

}  // namespace natalis
