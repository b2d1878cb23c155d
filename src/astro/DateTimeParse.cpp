// Typed date and time texts to numbers, with the Spanish rejection texts shown to the user.
#include "astro/DateTimeParse.h"

#include <cmath>
#include <string>

#include "astro/Calendar.h"
#include "astro/NumberText.h"
#include "astro/TextTrim.h"

namespace natalis {

namespace {

// 1-based position of the first blank in s, or of the first "/" when there is no blank;
// 0 when there is neither.
std::size_t FirstSeparator(const std::string& s) {
    std::size_t p = s.find(' ');
    if (p == std::string::npos) p = s.find('/');
    return p == std::string::npos ? 0 : p + 1;
}

// Characters from 1-based position `from` on (count of them, or all), empty past the end.
std::string Mid(const std::string& s, std::size_t from, std::size_t count = std::string::npos) {
    return from - 1 < s.size() ? s.substr(from - 1, count) : std::string();
}

constexpr const char* kMeses[12] = {"enero",      "febrero", "marzo",     "abril",
                                    "mayo",       "junio",   "julio",     "agosto",
                                    "septiembre", "octubre", "noviembre", "diciembre"};

}  // namespace

// stringFecha_a_dma: "d m a" with blank or "/" separators (they may differ) to day, month
// and year, read with Val. The month is read from the two characters after the first
// separator. Checks day <= 31, month <= 12, year in -3000..3000 and then that the day exists
// in its month (UltimoDiaDelMes), first failure wins;
// a value read is written to its output even when its own check fails. A text without two
// separators is rejected and leaves d, m and a as they were.
void stringFecha_a_dma(std::string& fecha, double& d, double& m, double& a, std::string& serr) {
    fecha = TrimBlanks(fecha);
    std::size_t p1 = FirstSeparator(fecha);
    std::size_t p2 = p1 == 0 ? 0 : FirstSeparator(Mid(fecha, p1 + 1));
    if (p1 == 0 || p2 == 0) {
        serr = "La fecha debe escribirse como dia mes año, por ejemplo 5 3 1999.";
        return;
    }
    p2 += p1;

    d = Val(fecha.substr(0, p1));
    if (d > 31) {
        serr = "Dia " + FormatGeneral(d) + " es incorrecto.";
        return;
    }
    m = Val(Mid(fecha, p1 + 1, 2));
    if (m > 12) {
        serr = " Mes " + FormatGeneral(m) + " es incorrecto.";
        return;
    }
    a = Val(Mid(fecha, p2 + 1));
    if (a < -3000 || a > 3000) {
        serr = " El rango de años del programa es: -3000 á 3000 años  ";
        return;
    }
    // A day past the end of its month would silently become a day of the next month.
    if (m >= 1 && m == std::floor(m)) {
        const int month = static_cast<int>(m);
        const int days = UltimoDiaDelMes(month, static_cast<int>(std::floor(a)));
        if (d > days) {
            serr = "Dia " + FormatGeneral(d) + " es incorrecto: " + kMeses[month - 1] + " de " +
                   FormatGeneral(a) + " tiene " + std::to_string(days) + " días.";
        }
    }
}

// stringHora_a_h: "hh mm" or "hh mm ss" (blank separators) to decimal hours, each part read
// with Val and checked to 0 <= hh < 24, 0 <= mm < 60, 0 <= ss < 60; the minutes are the two
// characters after the first blank. A text without a blank is taken as decimal hours as it
// stands, unchecked ("14.5").
void stringHora_a_h(std::string& hora, double& h, std::string& serr) {
    hora = TrimBlanks(hora);
    std::size_t p1 = hora.find(' ');
    if (p1 == std::string::npos) {
        h = Val(hora);
        return;
    }
    ++p1;  // 1-based
    std::size_t inRest = Mid(hora, p1 + 1).find(' ');
    std::size_t p2 = inRest == std::string::npos ? 0 : p1 + inRest + 1;

    double hh = Val(hora.substr(0, p1));
    if (hh < 0 || hh >= 24) {
        serr = StrSigned(hh) + " horas no es correcto.";
        return;
    }
    double mm = Val(Mid(hora, p1 + 1, 2));
    if (mm < 0 || mm >= 60) {
        serr = StrSigned(mm) + " minutos no es correcto.";
        return;
    }
    double ss = 0;
    if (p2 != 0) {
        ss = Val(Mid(hora, p2 + 1));
        if (ss < 0 || ss >= 60) {
            serr = StrSigned(ss) + " segundos no es correcto.";
            return;
        }
    }
    h = hh + mm / 60 + ss / 3600;
}

}  // namespace natalis
