// Julian day of a calendar date and its inverse.
#include "astro/Calendar.h"

#include <string>

#include "astro/NumberText.h"

namespace natalis {

namespace {

// The first year JulDay reads in the Gregorian calendar.
constexpr double kFirstGregorianYear = 1583;

}  // namespace

// JulDay: Julian day at 0 h of day/month/year (astronomical years; the day may carry a
// fraction). Julian calendar for years before 1583 and Gregorian from 1583 on, judged by
// the year alone, so 15 Oct - 31 Dec 1582 are read as Julian dates. Valid for years
// -3000..3000. Classic month-counting formula with March as the first month.
double JulDay(double day, double month, double year) {
    return JulDayEn(year >= kFirstGregorianYear ? Calendario::Gregoriano : Calendario::Juliano, day,
                    month, year);
}

double JulDayEn(Calendario calendario, double day, double month, double year) {
    double y = year;
    if (month < 3) y -= 1;
    double m = month + 1;
    if (m < 4) m += 12;
    double jd = day + IntFloor(365.25 * (y + 4712)) + IntFloor(30.6 * m + 0.000001) - 63.5;
    if (calendario == Calendario::Gregoriano) jd = jd - (IntFloor(y / 100) - IntFloor(y / 400)) + 2;
    return jd;
}

// UltimoDiaDelMes: a leap year has 29 February; every fourth year in the Julian calendar, and in
// the Gregorian one not the centuries that 400 does not divide.
int UltimoDiaDelMes(int month, int year) {
    static constexpr int kDays[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (month < 1 || month > 12) return 0;
    if (month != 2) return kDays[month - 1];
    // Astronomical years: year 0 and -4 are leap years; % keeps the sign, so test for zero.
    bool leap = year % 4 == 0;
    if (year >= kFirstGregorianYear) leap = leap && (year % 100 != 0 || year % 400 == 0);
    return leap ? 29 : 28;
}

namespace {

struct DayMonthYear {
    double day, month, year;
};

// Day, month and year from a day count Z of the inverse month-counting formula.
DayMonthYear DateFromCount(double Z) {
    double B = IntFloor(Z + 123);
    double C = IntFloor((B - 122.2) / 365.25);
    double E = IntFloor((B - IntFloor(365.25 * C)) / 30.6001);
    double month = E - 1;
    if (month > 12) month -= 12;
    double day = IntFloor(B - IntFloor(365.25 * C) - IntFloor(30.6001 * E));
    double year = IntFloor((E - 2) / 12) + C - 4800;
    return {day, month, year};
}

}  // namespace

// JDaFecha: the calendar date whose day (0 h to 24 h) holds the instant jd, as " d m yyyy":
// day and month printed with a place for the sign (that place is their blank), the year
// after one blank. Gregorian reading when its year is 1532 or later, otherwise the Julian
// reading.
std::string JDaFecha(double jd) {
    double z0 = jd + 32082.5;
    double z1 = IntFloor(z0 / 36525) + z0 - IntFloor(z0 / 146100) - 38;
    if (jd >= 1830691.5) z1 += 1;
    DayMonthYear gregorian = DateFromCount(IntFloor(z1 / 36525) + z0 - IntFloor(z1 / 146100) - 38);
    DayMonthYear date = gregorian.year >= 1532 ? gregorian : DateFromCount(z0);
    return StrSigned(date.day) + StrSigned(date.month) + " " + FormatGeneral(date.year);
}

}  // namespace natalis
