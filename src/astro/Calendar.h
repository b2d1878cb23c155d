// Julian day of a calendar date and back.
#pragma once
#include <string>

namespace natalis {

// Julian day of the date at 0 h, universal time. Julian calendar before 1583, Gregorian
// from 1 January 1583 on (the switch goes by the year alone). Years -3000 to 3000;
// astronomical numbering (year 0 exists). The day may carry a fraction.
double JulDay(double day, double month, double year);

enum class Calendario { Juliano, Gregoriano };

// Julian day at 0 h, universal time, of a date of the given calendar, whatever the year
// (proleptic): JulDay's formula without its switch, for dates whose calendar is stated.
double JulDayEn(Calendario calendario, double day, double month, double year);

// The last day of a month (1 to 12; 0 for any other) of a year, in the calendar JulDay reads
// it: Julian leap years before 1583, Gregorian from 1583 on. Years -3000 to 3000,
// astronomical numbering. December 1582 has its 31 Julian days, although JulDay reads its
// 22nd onto the Julian day of 1 January 1583 (DiasDelMes in PasoTiempo.h counts that).
int UltimoDiaDelMes(int month, int year);

// The calendar date containing the instant jd as " d m yyyy" (each part after a blank;
// day and month printed with a place for the sign). Gregorian from 1532 on, else Julian.
std::string JDaFecha(double jd);

}  // namespace natalis
