// What the readers of other programs' chart files give, and what their writers take: birth
// data as those files hold it, and each chart read, accepted as a natal record or refused
// with its reason. Every reader is a pure function from the file's bytes to a Lectura.
#pragma once
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "app/model/NatalRecord.h"
#include "astro/Calendar.h"

namespace natalis {

// A local date and clock time as a file states it.
struct FechaHoraLocal {
    Calendario calendario = Calendario::Gregoriano;
    int dia = 1, mes = 1, anio = 2000;  // astronomical years (1 BC is 0)
    int hora = 0, minuto = 0;
    double segundo = 0;
    bool conSegundos = true;  // false when the file gives the time to the minute only
};

// Birth data as an exchange file holds it.
struct DatosNacimiento {
    std::string nombre, lugar;  // UTF-8
    std::string notas;          // UTF-8, lines separated by "\n"
    std::optional<FechaHoraLocal> local;
    std::optional<double> diaJuliano;  // universal time; it wins over local when both are given
    long husoSegundos = 0;             // the clock ahead of universal time (east positive)
    double latitud = 0, longitud = 0;  // degrees, north and east positive
    // The time-zone database's name of the zone ("Europe/Madrid") when the file gives one;
    // the chart keeps it as its zone source when the database gives the same offset.
    std::string zona;
};

// One chart of an exchange file.
struct CartaLeida {
    std::string origen;                   // where it is in the file: "renglón 12", "carta 3"
    std::string nombre;                   // the name the file gives, for the lists
    std::optional<NatalRecord> registro;  // the chart, when accepted
    std::string notas;                    // the chart file's notes (UTF-8, "\n")
    std::string rechazo;                  // Spanish, why it was refused ("" when accepted)
    std::vector<std::string> avisos;      // Spanish: what was changed or disagreed
};

// A chart of the folder, as the writers take it.
struct CartaGuardada {
    NatalRecord registro;
    std::string notas;  // UTF-8, lines separated by "\n"
};

// A point's column: its name ("SOL") and, for each chart in order, its longitude in degrees
// (not finite: left blank).
struct ColumnaPosiciones {
    std::string nombre;
    std::vector<double> longitudes;
};

struct Lectura {
    std::vector<CartaLeida> cartas;
    std::string error;  // Spanish, when the file as a whole cannot be read in this format
};

// The chart for data, or its refusal. The instant is the Julian day when given (a local
// time that disagrees with it by more than its precision is reported), otherwise the local
// time less the zone. The date and time are those of the program's calendar (Julian before
// 1583, Gregorian from then on); a zone with seconds is written to the minute with the
// clock time moved to keep the instant; characters the chart file cannot hold are
// transliterated and listed; a zone name whose reading agrees with the offset becomes the
// chart's zone source (to the second), one that does not is reported; everything the chart file's
// reader would refuse is refused with its reason. Extra avisos go before the ones found here.
CartaLeida CartaDesdeDatos(const DatosNacimiento& datos, const std::string& origen,
                           std::vector<std::string> avisos = {});

// The refused chart at origen.
CartaLeida CartaRechazada(const std::string& origen, const std::string& nombre,
                          const std::string& rechazo);

// The instant of a chart, as a Julian day in universal time, to the second: the date, the
// clock time's texts and the zone (to the second when it came from the time-zone database).
double DiaJulianoUT(const NatalRecord& rec);

// The chart's offset: seconds the clock is ahead of universal time.
long HusoSegundos(const NatalRecord& rec);

// A file's text as UTF-8: as it is when it is well-formed UTF-8 (a leading byte-order mark
// dropped), else read as Windows-1252.
std::string TextoUtf8(std::string_view bytes);

// The lines of a text; CR LF, LF and a lone CR each end one.
std::vector<std::string> Renglones(std::string_view texto);

// "renglón n".
std::string OrigenRenglon(std::size_t n);

// A whole number in text, all of it digits (an optional leading sign); nothing otherwise.
std::optional<long> EnteroExacto(std::string_view texto);

// A decimal number, all of text (optional sign, digits, one "." or ","); nothing otherwise.
std::optional<double> DecimalExacto(std::string_view texto);

}  // namespace natalis
