// The solar-time dialog's computations: sunrise, solar noon, sunset and midnight of the
// birth day at the birth place as captions, and the date to which a primary direction
// brings the directed birth hour to the chosen one.
#pragma once
#include <array>
#include <string>

#include "app/model/NatalRecord.h"

namespace natalis {

constexpr const char* kMensajeElegirHora = "   Elegir alguna hora para progresar ";
constexpr const char* kTituloHoraSolar = "    HORA SOLAR";

// Day of the year (1 for 1 January) of a date, in the calendar JulDay uses for that year;
// any year from -3000 to 3000.
int DiaDelAnio(int dia, int mes, int anio);

// A time of day in seconds as "hh:mm:ss"; seconds outside one day are brought into it.
std::string TextoHoraDelDia(long segundos);

// "hh:mm:ss" (or "hh:mm") to decimal hours.
double HoraADecimal(const std::string& texto);

// Midnight: the noon caption with its hour replaced by the hour twelve hours away, two
// digits, keeping noon's minutes and seconds.
std::string CaptionMedianoche(const std::string& captionMediodia);

// The captions of the four options (index 1 sunrise, 2 noon, 3 sunset, 4 midnight; 0
// unused) for the birth day at the birth place, in the chart's own time zone.
std::array<std::string, 5> CaptionsHoraSolar(const NatalRecord& rec);

// Year in which the directed birth hour (one degree of right ascension per year) reaches
// the time of the chosen caption: birth year + CInt((chosen - birth hour) * 15).
long AnioHoraSolar(const NatalRecord& rec, const std::string& captionElegida);

// The date text "d m yyyy" of that year, on the birth day and month.
std::string FechaDeHoraSolar(const NatalRecord& rec, const std::string& captionElegida);

}  // namespace natalis
