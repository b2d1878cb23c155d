#include "entry/HusoHorario.h"

#include <cmath>

#include "astro/NumberText.h"

namespace natalis {

namespace {

std::string Trim(const std::string& s) {
    std::size_t b = s.find_first_not_of(' ');
    if (b == std::string::npos) return "";
    return s.substr(b, s.find_last_not_of(' ') - b + 1);
}

bool PlainDigits(const std::string& s) {
    if (s.size() > 2) return false;
    for (char c : s)
        if (c < '0' || c > '9') return false;
    return true;
}

}  // namespace

HusoTecleado LeerHuso(const std::string& horas, const std::string& minutos) {
    HusoTecleado h;
    std::string hoursText = Trim(horas);
    if (!hoursText.empty() && (hoursText[0] == '+' || hoursText[0] == '-')) {
        h.sign = hoursText.substr(0, 1);
        hoursText = Trim(hoursText.substr(1));
    }
    std::string minutesText = Trim(minutos);
    double hoursValue = std::fabs(Val(hoursText));
    double minutesValue = std::fabs(Val(minutesText));
    h.magnitudeHours = hoursValue + minutesValue / 60;

    if (PlainDigits(hoursText) && PlainDigits(minutesText) && minutesValue < 60) {
        h.hourText = hoursText;
        h.minuteText = minutesText;
        return h;
    }
    long totalMinutes = CIntEven(h.magnitudeHours * 60);
    h.hourText = ZeroPad(totalMinutes / 60, 2);
    h.minuteText = ZeroPad(totalMinutes % 60, 2);
    return h;
}

double CorreccionHuso(const HusoTecleado& huso, bool oeste) {
    if (huso.sign == "+") return -huso.magnitudeHours;
    if (huso.sign == "-") return huso.magnitudeHours;
    return oeste ? huso.magnitudeHours : -huso.magnitudeHours;
}

}  // namespace natalis
