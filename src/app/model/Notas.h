// The notes window's text and the chart file it is saved as.
#pragma once
#include <string>
#include <string_view>
#include <vector>

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

}  // namespace natalis
