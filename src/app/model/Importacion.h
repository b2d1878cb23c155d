// Bringing in the charts of another program's file: which format it is, what would come in
// (the preview), and writing each accepted chart as a new chart file of the folder.
#pragma once
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "app/model/CartaIntercambio.h"
#include "app/model/ChartFormats.h"

namespace natalis {

// The many-charts format of a file, by its extension first and by its content next; nothing
// when none fits.
const ChartFormat* FormatoDeArchivo(const std::string& nombreArchivo, std::string_view bytes);

// The charts of the file, in its format; an error naming the formats read when none fits.
Lectura LeerArchivoIntercambio(const std::string& nombreArchivo, std::string_view bytes);

// The preview shown before writing: how many charts, which would be refused and why, and
// the warnings, one line each.
std::vector<std::string> VistaPrevia(const Lectura& lectura);

// The preview with, after those lines, one line for each chart that would be written into
// folder: where it is in the file, its name, date, clock time and place, and the file it
// would become ("renglón 1: Ana Pérez, 14/3/1975 09:30:00, Sevilla → Ana Pérez (2).dat").
std::vector<std::string> VistaPrevia(const Lectura& lectura, const std::string& folder);

// What happened to one chart.
struct CartaImportada {
    std::string origen, nombre;
    std::string archivo;  // the chart file written ("" when it was not)
    std::string rechazo;  // why it was not
    std::vector<std::string> avisos;
    // The file was already written, whole, by an earlier run of this same import that was
    // interrupted; it was left as it was.
    bool yaEstaba = false;
};

// Writes each accepted chart of lectura as a new chart file of folder, with its notes and
// its zone source line: named after the chart, with " (2)", " (3)" ... when that name is
// taken, never over an existing file.
//
// While it runs, a hidden journal in folder (".natalis-importacion-" and a digest of the
// charts) names the file each chart is going to; it is removed when the import ends. An
// import of the same charts that finds the journal of an interrupted one goes on from
// there: a chart whose journaled file holds exactly what it would write is reported as
// already there (yaEstaba), and the rest are written. Once an import has ended, importing
// the same charts again writes them again, under new names.
//
// The charts are written together: each whole to a temporary file, all of them flushed to
// disk at once, and then each given its name (so a crash or a kill leaves every chart file
// whole or absent). avance, when given, is told after each chart in place how many are.
std::vector<CartaImportada> ImportarCartas(const Lectura& lectura, const std::string& folder,
                                           const std::function<void(std::size_t)>& avance = {});

// The journal's file name for lectura's charts.
std::string DiarioImportacion(const Lectura& lectura);

// "renglón 3: Ana Pérez.dat" or "renglón 5: rechazada: la fecha ..." with its warnings
// after " (aviso: ...)"; a file an interrupted import had written ends in
// " (ya estaba, de la importación interrumpida)".
std::string RenglonImportacion(const CartaImportada& c);

// "Importadas 5 cartas de 7; rechazadas 2.", and " De ellas, 3 ya estaban, de la
// importación interrumpida." when some were.
std::string ResumenImportacion(const std::vector<CartaImportada>& cartas);

// The notes of a chart file's bytes: the lines after its "NOTAS:" line and the blank line
// the writer puts after it, with "\n" line ends and none at the end.
std::string NotasDeCarta(std::string_view bytes);

}  // namespace natalis
