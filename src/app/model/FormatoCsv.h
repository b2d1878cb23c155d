// Comma-separated tables of charts, for spreadsheets and statistics programs.
//
// The writer gives one row per chart: the birth data (date and clock time in the program's
// calendar, the offset as the clock is ahead of universal time, decimal degrees north and
// east), where the zone came from, and the ecliptic longitude of each point asked for.
// The reader takes any table whose first row names its columns: dia, mes, anio, hora,
// minuto, huso, latitud and longitud are needed; nombre, segundo, lugar, calendario
// ("juliano" or "gregoriano"; the program's calendar when missing) and notas are optional;
// others are left alone. Fields may be quoted ("..." with "" for a quote); the separator is
// the header's commas, semicolons or tabs.
#pragma once
#include <string>
#include <string_view>
#include <vector>

#include "app/model/CartaIntercambio.h"

namespace natalis {

// The table for charts (UTF-8, CR LF line ends), with a column for each of puntos.
std::string EscribirCsv(const std::vector<CartaGuardada>& cartas,
                        const std::vector<ColumnaPosiciones>& puntos);

// Every row after the header as a chart, "renglón n" naming its first line.
Lectura LeerCsv(std::string_view bytes);

// Whether the first row of bytes names the columns "dia" and "huso".
bool PareceCsv(std::string_view bytes);

}  // namespace natalis
