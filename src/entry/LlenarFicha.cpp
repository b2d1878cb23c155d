#include "entry/LlenarFicha.h"

namespace natalis {

namespace {

std::string Trim(const std::string& s) {
    std::size_t b = s.find_first_not_of(' ');
    if (b == std::string::npos) return "";
    return s.substr(b, s.find_last_not_of(' ') - b + 1);
}

}  // namespace

FichaNatalTextos LlenarFicha(const NatalRecord& rec) {
    FichaNatalTextos f;
    std::string fullName = Trim(rec.NatalName);
    f.TextNombre = Trim(rec.NatalNameFixed) == fullName ? rec.NatalNameFixed : fullName;
    f.TextDia = rec.DayText;
    f.TextMes = rec.MonthText;
    f.TextAnno = rec.YearText;
    f.TextHShs = rec.HourText;
    f.TextHSmin = rec.MinuteText;
    f.TextHSseg = rec.SecondText;
    f.TextHusoHoras = rec.ZoneSign + rec.ZoneHourText;
    f.TextHusoMinutos = rec.ZoneMinuteText;
    f.TextLatGrad = rec.LatDegText;
    f.TextLatMin = rec.LatMinText;
    f.LatitudSur = rec.LatHemisphere != "N";
    f.TextLonGrad = rec.LonDegText;
    f.TextLonMin = rec.LonMinText;
    f.LongitudOeste = rec.LonHemisphere != "E";
    f.txtLugar = rec.Place;
    return f;
}

}  // namespace natalis
