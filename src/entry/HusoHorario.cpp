#include "entry/HusoHorario.h"

#include <cmath>

#include "app/model/Cp1252.h"
#include "astro/NumberText.h"

namespace natalis {

namespace {

bool PlainDigits(const std::string& s) {
    if (s.size() > 2) return false;
    for (char c : s)
        if (c < '0' || c > '9') return false;
    return true;
}

}  // namespace

HusoTecleado LeerHuso(const std::string& horas, const std::string& minutos) {
    HusoTecleado h;
    std::string hoursText = TrimBlanks(horas);
    if (!hoursText.empty() && (hoursText[0] == '+' || hoursText[0] == '-')) {
        h.sign = hoursText.substr(0, 1);
        hoursText = TrimBlanks(hoursText.substr(1));
    }
    std::string minutesText = TrimBlanks(minutos);
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
