// Bringing in the charts of another program's file: which format it is, what would come in
// (the preview), and writing each accepted chart as a new chart file of the folder.
#pragma once
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "app/model/CartaIntercambio.h"

namespace natalis {

// The exchange formats, one row each: the name shown, the extensions that name it, a test
// of the content for files whose extension says nothing, and the reader.
struct FormatoIntercambio {
    const char* nombre;                    // "AAF", "Quick*Chart", "Morinus", "CSV"
    std::vector<const char*> extensiones;  // lower case, with the point
    bool (*parece)(std::string_view bytes);
    Lectura (*leer)(std::string_view bytes);
};

const std::vector<FormatoIntercambio>& FormatosIntercambio();

// The format of a file, by its extension first and by its content next; nothing when none
// fits.
const FormatoIntercambio* FormatoDeArchivo(const std::string& nombreArchivo,
                                           std::string_view bytes);

// The charts of the file, in its format; an error naming the formats read when none fits.
Lectura LeerArchivoIntercambio(const std::string& nombreArchivo, std::string_view bytes);

// The preview shown before writing: how many charts, which would be refused and why, and
// the warnings, one line each.
std::vector<std::string> VistaPrevia(const Lectura& lectura);

// What happened to one chart.
struct CartaImportada {
    std::string origen, nombre;
    std::string archivo;  // the chart file written ("" when it was not)
    std::string rechazo;  // why it was not
    std::vector<std::string> avisos;
};

// Writes each accepted chart of lectura as a new chart file of folder, with its notes and
// its zone source line: named after the chart, with " (2)", " (3)" ... when that name is
// taken, never over an existing file. Each file is written whole through a temporary file,
// so an interrupted import leaves no half-written chart.
std::vector<CartaImportada> ImportarCartas(const Lectura& lectura, const std::string& folder);

// "renglón 3: Ana Pérez.dat" or "renglón 5: rechazada: la fecha ..." with its warnings
// after " (aviso: ...)".
std::string RenglonImportacion(const CartaImportada& c);

// "Importadas 5 cartas de 7; rechazadas 2."
std::string ResumenImportacion(const std::vector<CartaImportada>& cartas);

// The notes of a chart file's bytes: the lines after its "NOTAS:" line and the blank line
// the writer puts after it, with "\n" line ends and none at the end.
std::string NotasDeCarta(std::string_view bytes);

}  // namespace natalis
