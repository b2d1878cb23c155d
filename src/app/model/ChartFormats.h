// Chart file formats as a table: one row per format, with its extension, how a file of it is
// read into a natal record, how a record is written as its text, and how its first bytes are
// recognised. The program's own ".dat" layout is the first row and the one "Guardar" writes;
// another format is another row, and loading, listing and saving find it here.
#pragma once
#include <istream>
#include <string>
#include <string_view>
#include <vector>

#include "app/model/ChartFile.h"
#include "app/model/NatalRecord.h"

namespace natalis {

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
};

// Every format, the program's own first.
const std::vector<ChartFormat>& ChartFormats();
// The format "Guardar" writes: the first row.
const ChartFormat& NativeChartFormat();

// The format of a file by its name's extension (without regard to case); where several rows
// share it, the first whose detect accepts head. Null for an extension no row has.
const ChartFormat* ChartFormatFor(const std::string& fileName, std::string_view head = {});

// True when fileName ends in the extension of some format (without regard to case).
bool IsChartFileName(const std::string& fileName);

// The Spanish reason a file of an unknown extension is refused, naming the ones read.
std::string UnknownChartFormatReason();

// Reads folder/fileName into rec through the row of its extension. A missing file or an
// unknown extension is refused like any unreadable file (rec unchanged), with the reason.
ChartReadResult ReadChartAnyFormat(const std::string& folder, const std::string& fileName,
                                   NatalRecord& rec);

}  // namespace natalis
