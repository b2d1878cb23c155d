// Julian day to calendar date and time of day, to the second.
#include "astro/InstanteCivil.h"

#include <cmath>

#include "astro/NumberText.h"

namespace natalis {

namespace {

constexpr double kSegundosPorDia = 86400;
// Day count (Julian day + 0.5, floored) of 1 January 1583 in the Gregorian calendar: the
// first day JulDay reckons in that calendar.
constexpr long long kPrimerDiaGregoriano = 2299239;

long long FloorDiv(long long a, long long b) {
    const long long q = a / b;
    return (a % b != 0 && (a < 0) != (b < 0)) ? q - 1 : q;
}

}  // namespace

InstanteCivil InstanteDeJD(double jd) {
    // Whole seconds since the noon epoch shifted to midnight: rounding first keeps a time of
    // 23:59:59.7 from turning into a 24th hour.
    const long long s = std::llround((jd + 0.5) * kSegundosPorDia);
    const long long Z = FloorDiv(s, static_cast<long long>(kSegundosPorDia));
    long long resto = s - Z * static_cast<long long>(kSegundosPorDia);

    InstanteCivil c;
    c.hora = static_cast<int>(resto / 3600);
    resto %= 3600;
    c.minuto = static_cast<int>(resto / 60);
    c.segundo = static_cast<int>(resto % 60);

    // Meeus ch. 7 with floor divisions so years before the era work as well.
    long long A = Z;
    if (Z >= kPrimerDiaGregoriano) {
        const long long alfa = static_cast<long long>(std::floor((Z - 1867216.25) / 36524.25));
        A = Z + 1 + alfa - FloorDiv(alfa, 4);
    }
    const long long B = A + 1524;
    const long long C = static_cast<long long>(std::floor((B - 122.1) / 365.25));
    const long long D = static_cast<long long>(std::floor(365.25 * C));
    const long long E = static_cast<long long>(std::floor((B - D) / 30.6001));
    c.dia = static_cast<int>(B - D - static_cast<long long>(std::floor(30.6001 * E)));
    c.mes = static_cast<int>(E < 14 ? E - 1 : E - 13);
    c.anio = static_cast<int>(c.mes > 2 ? C - 4716 : C - 4715);
    return c;
}

std::string TextoFecha(const InstanteCivil& c) {
    return std::to_string(c.dia) + " " + std::to_string(c.mes) + " " + std::to_string(c.anio);
}

std::string TextoHora(const InstanteCivil& c) {
    return ZeroPad(c.hora, 2) + ":" + ZeroPad(c.minuto, 2) + ":" + ZeroPad(c.segundo, 2);
}

}  // namespace natalis
