// Chart files: one person's birth data, and free notes, in a Windows-1252 text file with
// CR LF line ends. The reader fills the natal record; the writer produces the file's text
// and puts new files on disk without ever losing or mixing an existing one.
#pragma once
#include <cstddef>
#include <istream>
#include <optional>
#include <string>
#include <vector>

#include "app/model/NatalRecord.h"
#include "app/model/SafeFileWrite.h"

namespace natalis {

// ---- Reading -------------------------------------------------------------------------

struct ChartReadResult {
    bool ok = false;
    std::string message;  // the error box's text when !ok
    std::string title;    // the error box's title when !ok
    // When !ok, why: the file line at fault (counted from 1; 0 when no one line is, as for a
    // missing file or a missing field) and the reason in Spanish ("el año 5401 está fuera
    // del rango del programa, de -3000 a 3000").
    int line = 0;
    std::string reason;
};

// The command line's report of a refused file: the error box's text, then the line and the
// reason ("Renglón 9: el año 5401 está fuera ..."), so that the file can be mended.
std::string ChartReadReport(const ChartReadResult& result);

// Title and text of the reader's error box; lines are separated by "\n".
extern const char kChartReadErrorTitle[];  // "Error en Archivo"
std::string ChartReadErrorMessage(const std::string& fileName);

// Longest line the reader takes; a longer one is a malformed file.
constexpr std::size_t kMaxChartLineBytes = 1000;

// Reads folder/fileName into rec. Each line is a field by its leading number (1 name ...
// 9 place); reading stops at the place line. A field whose line is missing keeps the value
// rec held before. The record read must be one the entry form and the date parser accept
// and the writer can write back as it was: day 1 to 31, month 1 to 12, year -3000 to 3000;
// hours 0 to 23, minutes and seconds 0 to 59; zone hours up to 12 and zone minutes 0 to 59;
// latitude 0 to 89 and longitude 0 to 179 degrees with minutes 0 to 59, each of these a
// whole number; a name of at most kMaxChartLineBytes - 3 characters. On failure (missing or
// unreadable file, malformed time, zone, latitude or longitude line, a value outside those
// ranges, a line too long, control characters, no field at all) rec is left exactly as it
// was. The flags are the caller's.
// The line right after the place line may keep where the zone came from (ZoneSourceLine.h):
// when it agrees with the zone line it fills rec.ZoneFrom and gives ZoneHours to the second,
// and the zone hours may then go up to 14; otherwise rec.ZoneFrom is left empty.
ChartReadResult ReadChartFile(const std::string& folder, const std::string& fileName,
                              NatalRecord& rec);

// The same over an open stream of the file's bytes.
ChartReadResult ReadChartStream(std::istream& in, const std::string& fileName, NatalRecord& rec);

// A reader of one chart file format over an open stream (ReadChartStream for ".dat").
using ChartStreamReader = ChartReadResult (*)(std::istream& in, const std::string& fileName,
                                              NatalRecord& rec);

// Reads folder/fileName with read, after refusing as ReadChartFile does a missing file, a
// folder or anything but a regular file.
ChartReadResult ReadChartFileWith(const std::string& folder, const std::string& fileName,
                                  NatalRecord& rec, ChartStreamReader read);

// A refused file: the error box's text and title for fileName, the line at fault (0 for
// none) and the reason.
ChartReadResult ChartReadRefused(const std::string& fileName, int line, const std::string& reason);

// ---- Writing -------------------------------------------------------------------------

// The complete text of a new chart file (UTF-8, CR LF line ends): the header, the data
// lines from rec, the "NOTAS:" block and, when notes is given, the notes followed by a line
// end; right after the place line, the line of rec.ZoneFrom when the zone came from the
// time-zone database. Numeric fields are normalised to the widths the reader takes (a zone typed as
// "3.5" hours is written "03.30"). The zone line carries a sign ("6: +01.00") when
// rec.ZoneSign is set, or when the longitude alone would give the zone the wrong sign.
std::string ChartFileText(const NatalRecord& rec, const std::string* notes);

// Why rec cannot be written so that the reader gives it back (a field too large for its
// width, a negative time, a line break in the name or place, a name too long), as a Spanish
// message; nothing when it can.
std::optional<std::string> ChartRecordProblem(const NatalRecord& rec);

// The file name for a name typed by the user: the name trimmed of blanks, then ".dat".
std::string ChartFileNameFor(const std::string& typedName);

// Why fileName cannot name a chart file (nothing before ".dat", "/" or control
// characters in it, "." or "..", too long), as a Spanish message; nothing when it can.
std::optional<std::string> ChartFileNameProblem(const std::string& fileName);

// True when folder holds an entry named fileName.
bool ChartFileExists(const std::string& folder, const std::string& fileName);

enum class WriteStatus { Written, InvalidName, AlreadyExists, Unstorable, Failed };

struct WriteOptions {
    bool replaceExisting = false;   // the user agreed to replace a file of that name
    bool acceptUnstorable = false;  // the user agreed to store "?" for unstorable characters
    bool keepNotes = false;  // replacing: the old file's notes (NotasDelArchivo) follow the text
};

struct WriteResult {
    WriteStatus status = WriteStatus::Failed;
    std::string message;                  // Spanish, for a message box, unless Written
    std::vector<std::string> unstorable;  // set with Unstorable (and kept when accepted)
    bool ok() const { return status == WriteStatus::Written; }
};

// Writes text (UTF-8) as the chart file folder/fileName in Windows-1252. Refuses an invalid
// name, an existing file unless replaceExisting, and characters Windows-1252 cannot hold
// unless acceptUnstorable. The file is written whole through a temporary file of its own
// (tag kTagCarta); a failure leaves nothing behind and any old file untouched. Never
// appends. Without replaceExisting a file that appears meanwhile (another running copy of
// the program saving under the same name) is never replaced: AlreadyExists. With keepNotes
// the notes of the file replaced, as it is when written, follow the new text.
WriteResult WriteNewChartFile(const std::string& folder, const std::string& fileName,
                              const std::string& text, const WriteOptions& options);

// The question that lists unstorable characters and asks whether to save anyway.
std::string UnstorableQuestion(const std::vector<std::string>& characters);

}  // namespace natalis
