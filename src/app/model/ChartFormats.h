// Chart file formats as a table: one row per format, with its extensions, its caption in the
// file dialogs, whether a file of it holds one chart or many, how it is read and (where the
// program writes it) how it is written, and how its first bytes are recognised. The
// program's own ".dat" layout is the first row and the one "Guardar" writes. Formats of one
// chart a file are what the chart folder holds (loading, listing, saving); formats of many
// charts a file are what "Importar…" reads and "Exportar colección…" writes. Another format
// is another row and its reader.
#pragma once
#include <istream>
#include <string>
#include <string_view>
#include <vector>

#include "app/model/CartaIntercambio.h"
#include "app/model/ChartFile.h"
#include "app/model/NatalRecord.h"

namespace natalis {

// How many charts a file of a format holds.
enum class ChartsPerFile { One, Many };

struct ChartFormat {
    const char* extension;    // with its dot, lower case: ".dat"
    const char* description;  // Spanish, for messages: "carta de Natalis"
    // Reads the file's bytes into rec; on failure rec is left as it was.
    ChartReadResult (*read)(std::istream& in, const std::string& fileName, NatalRecord& rec);
    // The complete text (UTF-8) of a file of this format for rec, with notes when given; null
    // for a format the program only reads.
    std::string (*write)(const NatalRecord& rec, const std::string* notes);
    // Whether the first bytes of a file look like this format (to choose between formats
    // that share an extension).
    bool (*detect)(std::string_view head);
    ChartsPerFile charts;
    const char* name;     // short name for messages ("AAF"); in lower case, the command line's
    const char* caption;  // Spanish, for the file dialogs' type list: "Intercambio AAF"
    std::vector<const char*> moreExtensions;  // others that name it, as extension: ".qc"
    // Many charts: every chart of the file's bytes, each accepted or refused with its reason.
    Lectura (*readMany)(std::string_view bytes);
    // Many charts: the file for a collection, with the points' longitudes when
    // wantsPositions; null for a format the program only reads.
    std::string (*writeMany)(const std::vector<CartaGuardada>& charts,
                             const std::vector<ColumnaPosiciones>& positions);
    bool wantsPositions;
};

// Every format, the program's own first.
const std::vector<ChartFormat>& ChartFormats();
// The format "Guardar" writes: the first row.
const ChartFormat& NativeChartFormat();

// The one-chart format of a file by its name's extension (without regard to case); where
// several rows share it, the first whose detect accepts head. Null for an extension no
// one-chart row has.
const ChartFormat* ChartFormatFor(const std::string& fileName, std::string_view head = {});

// True when fileName ends in the extension of some one-chart format (without regard to case):
// a file of the chart folder.
bool IsChartFileName(const std::string& fileName);

// The Spanish reason a file of an unknown extension is refused, naming the one-chart ones.
std::string UnknownChartFormatReason();

// Reads folder/fileName into rec through the row of its extension. A missing file or an
// unknown extension is refused like any unreadable file (rec unchanged), with the reason.
ChartReadResult ReadChartAnyFormat(const std::string& folder, const std::string& fileName,
                                   NatalRecord& rec);

// The many-charts format of a file: the row one of whose extensions it ends in (without regard
// to case), else the first whose detect accepts the bytes; null when none fits.
const ChartFormat* CollectionFormatFor(const std::string& fileName, std::string_view bytes);

// The many-charts format the program writes named so on the command line ("aaf", "csv");
// null when none is.
const ChartFormat* CollectionWriterNamed(const std::string& commandLineName);

// The formats a collection is written in, in table order.
std::vector<const ChartFormat*> CollectionWriters();

// A file dialog's type entry for the format: "Intercambio AAF (*.aaf)".
std::string DialogFilter(const ChartFormat& format);

// The file dialog's types for choosing a file to import: every many-charts format together
// (each extension in lower and upper case), each on its own, and every file.
std::vector<std::string> ImportDialogFilters();

// The file dialog's types for writing a collection, one per format written.
std::vector<std::string> ExportDialogFilters();

}  // namespace natalis
