// A new birth time written into the time line of a chart file.
#pragma once
#include <optional>
#include <string>

#include "app/model/NatalRecord.h"
#include "app/model/SafeFileWrite.h"

namespace natalis {

// Checks a birth time typed as "hh mm", "hh mm ss" or decimal hours ("14.5"): the time
// parser's checks, and for the decimal form a value from 0 up to 24 hours, since a birth
// time outside the day could not be stored in the file. Sets h, or serr with the message
// (" 1430 horas no es correcto."). serr must be empty on entry; hora is trimmed in place.
void RevisarHoraNatal(std::string& hora, double& h, std::string& serr);

// The chart file's time line for h decimal hours (0 <= h < 24), to the nearest second:
// 14.5 gives "5: 14.3000", 9.125 gives "5: 09.0730".
std::string LineaHora(double h);

// fileText (the file's bytes; CR LF, LF or lone CR line ends) with the time line of its data
// block replaced by timeLine. The data block is what the chart reader reads: every line up to
// the place line (leading number 9), or the whole file when there is none. Each line of
// it whose leading number is 5 is replaced, keeping its line end; every other byte stays
// as it was, so notes that begin with 5 are kept. Nothing when the block has no time line.
std::optional<std::string> ReemplazarLineaHora(const std::string& fileText,
                                               const std::string& timeLine);

// Where the data block of fileText ends: the offset just after the place line's line end,
// or the file's size when it has no place line.
std::size_t FinBloqueDatos(const std::string& fileText);

// The first time line (leading number 5) of the data block of fileText, without its line
// end; nothing when the block has none.
std::optional<std::string> LineaHoraDelArchivo(const std::string& fileText);

// Writes the birth time horaTexto (as typed in the birth-time box) into the time line of
// the chart file folder/fileName (through it to its file, when it is a symbolic link). Only
// the time line changes, in the file as it is at the moment of writing (read under the
// folder's lock, RewriteFileSafely), so that notes saved meanwhile are kept. The new text
// goes whole through a temporary file of its own (tag kTagNuevaHora); on any failure the
// chart file is left as it was and the message says what failed.
FileWriteResult GuardarNuevaHora(const std::string& folder, const std::string& fileName,
                                 const std::string& horaTexto);

// After horaTexto was written into the chart's file: the record's time texts as the reader
// now gives them (HourText "14", MinuteText "30", SecondText "00", TimeText "14:30:00"), so
// that the entry form opened on the chart shows, and saves, the time in the file. Nothing
// changes for a time the checks refuse.
void HoraGuardadaEnRegistro(NatalRecord& rec, const std::string& horaTexto);

}  // namespace natalis
