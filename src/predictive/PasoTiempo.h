// Stepping a transit or a progression through time: the date a day, a month or a year
// before or after another, in the calendar JulDay reads, and a transit's instant stepped the
// same way on the clock of the birth zone.
#pragma once
#include <string>

namespace natalis {

enum class UnidadPaso { Dia, Mes, Anio };

struct FechaCivil {
    int dia = 1, mes = 1, anio = 2000;  // calendar date, astronomical years (year 0 exists)
    bool operator==(const FechaCivil& o) const {
        return dia == o.dia && mes == o.mes && anio == o.anio;
    }
};

// Days of month mes of year anio as JulDay reads them: Julian before 1583 (every fourth
// year leap, year 0 and -4 among them), Gregorian from 1583. December 1582 has 21: JulDay
// reads its 22nd to 31st onto the first ten days of January 1583.
int DiasDelMes(int mes, int anio);

// The date cuantos units after f (before it when cuantos < 0), years -3000 to 3000.
// Days are counted on the Julian day (JulDay and back, so they cross the 1582 switch as
// JulDay does). Months and years keep the day of the month, or take the last day of the
// new month when it is shorter: 31 1 2024 + 1 month is 29 2 2024, 29 2 2024 + 1 year is
// 28 2 2025; and 28 2 2025 - 1 year is 28 2 2024 (the day kept, not the month's end).
FechaCivil DesplazarFecha(const FechaCivil& f, UnidadPaso unidad, int cuantos);

// Given:    jdUT       a universal-time Julian day
//           zonaHoras  the birth zone's hours to add to clock time for universal time
//                      (NatalRecord::ZoneHours; west positive)
// Returned: the instant stepped by DesplazarFecha on the birth zone's calendar, at the same
//           time of day on that clock.
double DesplazarInstante(double jdUT, double zonaHoras, UnidadPaso unidad, int cuantos);

// The birth zone's date of a universal-time instant, and its time of day as "hh mm"
// rounded to the minute (the date is that of the rounded minute).
FechaCivil FechaEnZona(double jdUT, double zonaHoras);
std::string HoraEnZona(double jdUT, double zonaHoras);

}  // namespace natalis
